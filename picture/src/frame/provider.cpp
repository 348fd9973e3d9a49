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

// Each slot takes the operation of its row, converted to the row's signature,
// so that an operation of another signature does not compile into it.
template <typename Signature> static void put(provider_op *slots, int slot, Signature op)
{
    slots[slot] = reinterpret_cast<provider_op>(op);
}

// The operations this provider offers; every other slot stays null.
static void fill(provider_op *slots)
{
#define PUT_OPERATION(name, NAME, slot, signature)                                                 \
    put<signature>(slots, PROVIDER_SLOT_##NAME, name);
    PROVIDER_OPERATIONS(PUT_OPERATION)
#undef PUT_OPERATION
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
