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
struct Letters {
    const char *request;
    const char *answer;
};

// The letters follow from the slot's signature; a new signature needs a row.
template <typename Signature> inline constexpr Letters kLetters{nullptr, nullptr};
template <> inline constexpr Letters kLetters<provider_set_int_fn>{"ki", "s"};
template <> inline constexpr Letters kLetters<provider_set_bool_fn>{"ki", "s"};
template <> inline constexpr Letters kLetters<provider_set_double_fn>{"kd", "s"};
template <> inline constexpr Letters kLetters<provider_set_string_fn>{"kt", "s"};
template <> inline constexpr Letters kLetters<provider_get_int_fn>{"ki", "sv"};
template <> inline constexpr Letters kLetters<provider_get_bool_fn>{"ki", "sv"};
template <> inline constexpr Letters kLetters<provider_get_double_fn>{"kd", "sf"};
template <> inline constexpr Letters kLetters<provider_get_string_fn>{"k", "st"};
template <> inline constexpr Letters kLetters<provider_release_string_fn>{"h", "s"};
template <> inline constexpr Letters kLetters<provider_get_list_items_fn>{"ki", "l"};
template <> inline constexpr Letters kLetters<provider_get_item_string_fn>{"e", "st"};
template <> inline constexpr Letters kLetters<provider_get_item_int_fn>{"ei", "sv"};
template <> inline constexpr Letters kLetters<provider_free_list_items_fn>{"hi", "s"};
template <> inline constexpr Letters kLetters<provider_send_keyevent_fn>{"k", ""};

struct Operation {
    const char *name;
    int slot;  // -1 for the two entry points
    const char *request;
    const char *answer;
};

// One row per operation the host can call: the entry points and the slots.
#define RECORDING_OPERATION(name, NAME, slot, signature)                                           \
    {#name, PROVIDER_SLOT_##NAME, kLetters<signature>.request, kLetters<signature>.answer},
inline constexpr Operation kOperations[] = {{"create_provider", -1, "", "s"},
                                            {"delete_provider", -1, "", "s"},
                                            PROVIDER_OPERATIONS(RECORDING_OPERATION)};
#undef RECORDING_OPERATION

constexpr bool every_operation_has_letters()
{
    for (const Operation &op : kOperations)
        if (!op.request || !op.answer)
            return false;
    return true;
}
static_assert(every_operation_has_letters(), "each slot's signature has its letters");

constexpr const Operation *operation_at(int slot)
{
    for (const Operation &op : kOperations)
        if (op.slot == slot)
            return &op;
    return nullptr;
}

// The row of a slot or of a name; null when there is none.
const Operation *operation_of_slot(int slot);
const Operation *operation_named(std::string_view name);

// A value as requests and answers write it: booleans as 1 and 0, doubles
// with every digit that tells them apart.
std::string value_text(int value);
std::string value_text(bool value);
std::string value_text(double value);

// A log line's text without the "FILE: FUNCTION(LINE) > [FUNCTION:LINE] "
// prefix, which moves with every edit of the provider, and without its line
// end: what replay compares.
std::string_view log_message(std::string_view text);

// Texts are quoted and read back as in the call notation.
using calls::next_token;
using calls::quote;

}  // namespace recording
