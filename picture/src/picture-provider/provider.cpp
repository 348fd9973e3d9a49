// Entry points and the operation table, with the operations that need no key
// handling of their own.
#include <libintl.h>

#include <cstdlib>
#include <cstring>

#include "boundary.h"
#include "keys.h"
#include "log.h"
#include "operations.h"
#include "picture_provider.h"
#include "text_domain.h"

namespace picture {

int set_bool(const char *, bool)
{
    return 0;
}

int set_double(const char *, double)
{
    return 0;
}

int get_bool(const char *, bool *)
{
    return 0;
}

int get_double(const char *, double *)
{
    return 0;
}

int release_string(char *value)
{
    if (!value)
        return 1;
    std::free(value);
    return 0;
}

// The signature each offered slot holds, so that an operation of another
// signature does not compile into it.
template <provider_slot S> struct SlotSignature;
#define SLOT_SIGNATURE(slot, type)                                                                 \
    template <> struct SlotSignature<slot> {                                                       \
        using Type = type;                                                                         \
    };
SLOT_SIGNATURE(PROVIDER_SLOT_SET_INT, provider_set_int_fn)
SLOT_SIGNATURE(PROVIDER_SLOT_SET_INT_PRE, provider_set_int_fn)
SLOT_SIGNATURE(PROVIDER_SLOT_SET_BOOL, provider_set_bool_fn)
SLOT_SIGNATURE(PROVIDER_SLOT_SET_DOUBLE, provider_set_double_fn)
SLOT_SIGNATURE(PROVIDER_SLOT_SET_STRING, provider_set_string_fn)
SLOT_SIGNATURE(PROVIDER_SLOT_GET_INT, provider_get_int_fn)
SLOT_SIGNATURE(PROVIDER_SLOT_GET_BOOL, provider_get_bool_fn)
SLOT_SIGNATURE(PROVIDER_SLOT_GET_DOUBLE, provider_get_double_fn)
SLOT_SIGNATURE(PROVIDER_SLOT_GET_STRING, provider_get_string_fn)
SLOT_SIGNATURE(PROVIDER_SLOT_RELEASE_STRING, provider_release_string_fn)
SLOT_SIGNATURE(PROVIDER_SLOT_GET_DISPLAY_NAME, provider_get_string_fn)
SLOT_SIGNATURE(PROVIDER_SLOT_GET_HELP_TEXT, provider_get_string_fn)
SLOT_SIGNATURE(PROVIDER_SLOT_GET_LIST_ITEMS, provider_get_list_items_fn)
SLOT_SIGNATURE(PROVIDER_SLOT_GET_LIST_ITEM_DISPLAY_VALUE, provider_get_item_string_fn)
SLOT_SIGNATURE(PROVIDER_SLOT_GET_LIST_ITEM_STRING_VALUE, provider_get_item_string_fn)
SLOT_SIGNATURE(PROVIDER_SLOT_GET_LIST_ITEM_INT_VALUE, provider_get_item_int_fn)
SLOT_SIGNATURE(PROVIDER_SLOT_FREE_LIST_ITEMS, provider_free_list_items_fn)
SLOT_SIGNATURE(PROVIDER_SLOT_GET_MODULE_INFO, provider_get_string_fn)
SLOT_SIGNATURE(PROVIDER_SLOT_SEND_KEYEVENT, provider_send_keyevent_fn)
#undef SLOT_SIGNATURE

template <provider_slot S> static void put(provider_op *slots, typename SlotSignature<S>::Type op)
{
    slots[S] = reinterpret_cast<provider_op>(op);
}

// The operations this provider offers; every other slot stays null.
static void fill(provider_op *slots)
{
    put<PROVIDER_SLOT_SET_INT>(slots, set_int);
    put<PROVIDER_SLOT_SET_INT_PRE>(slots, set_int_pre);
    put<PROVIDER_SLOT_SET_BOOL>(slots, set_bool);
    put<PROVIDER_SLOT_SET_DOUBLE>(slots, set_double);
    put<PROVIDER_SLOT_SET_STRING>(slots, set_string);
    put<PROVIDER_SLOT_GET_INT>(slots, get_int);
    put<PROVIDER_SLOT_GET_BOOL>(slots, get_bool);
    put<PROVIDER_SLOT_GET_DOUBLE>(slots, get_double);
    put<PROVIDER_SLOT_GET_STRING>(slots, get_string);
    put<PROVIDER_SLOT_RELEASE_STRING>(slots, release_string);
    put<PROVIDER_SLOT_GET_DISPLAY_NAME>(slots, get_display_name);
    put<PROVIDER_SLOT_GET_HELP_TEXT>(slots, get_help_text);
    put<PROVIDER_SLOT_GET_LIST_ITEMS>(slots, get_list_items);
    put<PROVIDER_SLOT_GET_LIST_ITEM_DISPLAY_VALUE>(slots, get_list_item_display_value);
    put<PROVIDER_SLOT_GET_LIST_ITEM_STRING_VALUE>(slots, get_list_item_string_value);
    put<PROVIDER_SLOT_GET_LIST_ITEM_INT_VALUE>(slots, get_list_item_int_value);
    put<PROVIDER_SLOT_FREE_LIST_ITEMS>(slots, free_list_items);
    put<PROVIDER_SLOT_GET_MODULE_INFO>(slots, get_module_info);
    put<PROVIDER_SLOT_SEND_KEYEVENT>(slots, send_keyevent);
}

static int create(provider_op **table)
{
    PLOG_FROM("create_provider", " Set Locale : %s", kLocaleDir);
    if (!bindtextdomain(kTextDomain, kLocaleDir))
        PLOG_FROM("create_provider", "Unable to set domain");
    auto *slots = static_cast<provider_op *>(std::calloc(PROVIDER_SLOT_COUNT, sizeof(provider_op)));
    if (!slots)
        return -1;  // the host's pointer stays as it was
    fill(slots);
    *table = slots;
    return 0;
}

}  // namespace picture

extern "C" __attribute__((visibility("default"))) int create_provider(provider_op **table)
{
    if (!table)
        return -1;
    return picture::guarded(-1, [&] { return picture::create(table); });
}

extern "C" __attribute__((visibility("default"))) int delete_provider(provider_op **table)
{
    if (!table)
        return 1;
    std::free(*table);  // a null table frees nothing
    return 0;
}
