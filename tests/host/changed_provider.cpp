// A provider with one deliberate difference, for replay to find: the film
// mode's menu values 1 and 2 trade places. Every operation goes to the real
// provider; the film mode's values are swapped on their way in and out.
#include <dlfcn.h>

#include <cstring>

#include "picture_provider.h"

namespace {

constexpr const char *kFilmMode = "menu/picture/picture-options/film-mode";

void *g_real;
provider_op *g_real_table;
provider_op g_table[PROVIDER_SLOT_COUNT];

int swapped(const char *key, int value)
{
    if (key == nullptr || std::strcmp(key, kFilmMode) != 0 || (value != 1 && value != 2))
        return value;
    return 3 - value;
}

template <int Slot> int set_swapped(const char *key, int value)
{
    return reinterpret_cast<provider_set_int_fn>(g_real_table[Slot])(key, swapped(key, value));
}

int get_swapped(const char *key, int *value)
{
    int status =
        reinterpret_cast<provider_get_int_fn>(g_real_table[PROVIDER_SLOT_GET_INT])(key, value);
    if (value != nullptr)
        *value = swapped(key, *value);
    return status;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int create_provider(provider_op **table)
{
    if (table == nullptr || g_real != nullptr)
        return -1;
    g_real = dlopen(REAL_PROVIDER, RTLD_NOW | RTLD_LOCAL);
    auto create =
        g_real ? reinterpret_cast<provider_create_fn>(dlsym(g_real, "create_provider")) : nullptr;
    if (create == nullptr || create(&g_real_table) != 0) {
        if (g_real != nullptr)
            dlclose(g_real);
        g_real = nullptr;
        return -1;
    }
    std::memcpy(g_table, g_real_table, sizeof g_table);
    g_table[PROVIDER_SLOT_SET_INT] =
        reinterpret_cast<provider_op>(&set_swapped<PROVIDER_SLOT_SET_INT>);
    g_table[PROVIDER_SLOT_SET_INT_PRE] =
        reinterpret_cast<provider_op>(&set_swapped<PROVIDER_SLOT_SET_INT_PRE>);
    g_table[PROVIDER_SLOT_GET_INT] = reinterpret_cast<provider_op>(&get_swapped);
    *table = g_table;
    return 0;
}

extern "C" __attribute__((visibility("default"))) int delete_provider(provider_op **table)
{
    if (table == nullptr || g_real == nullptr)
        return 1;
    auto destroy = reinterpret_cast<provider_delete_fn>(dlsym(g_real, "delete_provider"));
    int status = destroy != nullptr ? destroy(&g_real_table) : 1;
    dlclose(g_real);
    g_real = nullptr;
    return status;
}
