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
#include "translate.h"

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

template <typename F> static provider_op op(F *function)
{
    return reinterpret_cast<provider_op>(function);
}

struct Slot {
    provider_slot slot;
    provider_op operation;
};

// The operations this provider offers; every other slot stays null.
static const Slot kSlots[] = {
    {PROVIDER_SLOT_SET_INT, op(set_int)},
    {PROVIDER_SLOT_SET_INT_PRE, op(set_int_pre)},
    {PROVIDER_SLOT_SET_BOOL, op(set_bool)},
    {PROVIDER_SLOT_SET_DOUBLE, op(set_double)},
    {PROVIDER_SLOT_SET_STRING, op(set_string)},
    {PROVIDER_SLOT_GET_INT, op(get_int)},
    {PROVIDER_SLOT_GET_BOOL, op(get_bool)},
    {PROVIDER_SLOT_GET_DOUBLE, op(get_double)},
    {PROVIDER_SLOT_GET_STRING, op(get_string)},
    {PROVIDER_SLOT_RELEASE_STRING, op(release_string)},
    {PROVIDER_SLOT_GET_DISPLAY_NAME, op(get_display_name)},
    {PROVIDER_SLOT_GET_HELP_TEXT, op(get_help_text)},
    {PROVIDER_SLOT_GET_LIST_ITEMS, op(get_list_items)},
    {PROVIDER_SLOT_GET_LIST_ITEM_DISPLAY_VALUE, op(get_list_item_display_value)},
    {PROVIDER_SLOT_GET_LIST_ITEM_STRING_VALUE, op(get_list_item_string_value)},
    {PROVIDER_SLOT_GET_LIST_ITEM_INT_VALUE, op(get_list_item_int_value)},
    {PROVIDER_SLOT_FREE_LIST_ITEMS, op(free_list_items)},
    {PROVIDER_SLOT_GET_MODULE_INFO, op(get_module_info)},
    {PROVIDER_SLOT_SEND_KEYEVENT, op(send_keyevent)},
};

static int create(provider_op **table)
{
    PLOG_FROM("create_provider", " Set Locale : %s", kLocaleDir);
    if (!bindtextdomain(kTextDomain, kLocaleDir))
        PLOG_FROM("create_provider", "Unable to set domain");
    auto *slots = static_cast<provider_op *>(std::calloc(PROVIDER_SLOT_COUNT, sizeof(provider_op)));
    if (!slots)
        return -1;  // the host's pointer stays as it was
    for (const Slot &s : kSlots)
        slots[s.slot] = s.operation;
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
