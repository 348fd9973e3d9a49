// The recording's line format: the host's requests and the provider's answers
// as one row per operation slot; the platform calls and the quoting of texts
// are the call notation's (call_notation.h). Shared by the recorder, which
// writes recordings, and picture-menu, which replays them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "call_notation.h"
#include "picture_provider.h"

namespace recording {

constexpr int kFormatVersion = 1;
constexpr const char *kMagic = "picture-recording";

// What a request carries after the operation's name, and what its answer
// carries, as letters: k key (text or null), i integer, d double, t text,
// h a handed-out string or list (#N), e a list item (#N[I]), s status,
// v integer value, f double value, l a list (#N, or null) with its count.
struct Operation {
    const char *name;
    int slot;  // -1 for the two entry points
    const char *request;
    const char *answer;
};

// One row per operation the host can call.
inline constexpr Operation kOperations[] = {
    {"create_provider", -1, "", "s"},
    {"delete_provider", -1, "", "s"},
    {"set_int", PROVIDER_SLOT_SET_INT, "ki", "s"},
    {"set_int_pre", PROVIDER_SLOT_SET_INT_PRE, "ki", "s"},
    {"set_bool", PROVIDER_SLOT_SET_BOOL, "ki", "s"},
    {"set_double", PROVIDER_SLOT_SET_DOUBLE, "kd", "s"},
    {"set_string", PROVIDER_SLOT_SET_STRING, "kt", "s"},
    {"get_int", PROVIDER_SLOT_GET_INT, "ki", "sv"},
    {"get_bool", PROVIDER_SLOT_GET_BOOL, "ki", "sv"},
    {"get_double", PROVIDER_SLOT_GET_DOUBLE, "kd", "sf"},
    {"get_string", PROVIDER_SLOT_GET_STRING, "k", "st"},
    {"release_string", PROVIDER_SLOT_RELEASE_STRING, "h", "s"},
    {"get_display_name", PROVIDER_SLOT_GET_DISPLAY_NAME, "k", "st"},
    {"get_help_text", PROVIDER_SLOT_GET_HELP_TEXT, "k", "st"},
    {"get_list_items", PROVIDER_SLOT_GET_LIST_ITEMS, "ki", "l"},
    {"get_list_item_display_value", PROVIDER_SLOT_GET_LIST_ITEM_DISPLAY_VALUE, "e", "st"},
    {"get_list_item_string_value", PROVIDER_SLOT_GET_LIST_ITEM_STRING_VALUE, "e", "st"},
    {"get_list_item_int_value", PROVIDER_SLOT_GET_LIST_ITEM_INT_VALUE, "ei", "sv"},
    {"free_list_items", PROVIDER_SLOT_FREE_LIST_ITEMS, "hi", "s"},
    {"get_module_info", PROVIDER_SLOT_GET_MODULE_INFO, "k", "st"},
    {"send_keyevent", PROVIDER_SLOT_SEND_KEYEVENT, "k", ""},
};

// The row of a slot or of a name; null when there is none.
const Operation *operation_of_slot(int slot);
const Operation *operation_named(std::string_view name);

// Texts are quoted and read back as in the call notation.
using calls::next_token;
using calls::quote;

}  // namespace recording
