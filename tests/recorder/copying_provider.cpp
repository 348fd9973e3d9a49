// A provider that copies a platform function's address in its static
// initialisation, before a recorder can rewrite its references: calls
// through the copy go around the recorder, which is to say so.
#include <cstdlib>

#include "picture_provider.h"
#include "vconf.h"

namespace {

int (*g_copy)(const char *, int *) = nullptr;

__attribute__((constructor)) void copy_at_load()
{
    // Through a volatile read, so the compiler keeps the load at run time.
    int (*volatile from_got)(const char *, int *) = &vconf_get_int;
    g_copy = from_got;
}

int get_int(const char *key, int *value)
{
    return g_copy(key, value);
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int create_provider(provider_op **table)
{
    *table = static_cast<provider_op *>(std::calloc(PROVIDER_SLOT_COUNT, sizeof(provider_op)));
    (*table)[PROVIDER_SLOT_GET_INT] = reinterpret_cast<provider_op>(get_int);
    return 0;
}

extern "C" __attribute__((visibility("default"))) int delete_provider(provider_op **table)
{
    std::free(*table);
    *table = nullptr;
    return 0;
}
