// The key table: every setting key with its id, in lookup order. The key
// strings and their order come from the public list of keys.
#pragma once

#include <iterator>

#include "keys.h"
#include "picture_keys.h"

namespace picture {

#define PICTURE_KEY_ROW(name, key) {key, KeyId::name},
inline constexpr KeyRow g_keyitemmap[] = {PICTURE_SETTING_KEYS(PICTURE_KEY_ROW)};
#undef PICTURE_KEY_ROW

static_assert(std::size(g_keyitemmap) == kKeyCount, "the key table has 71 rows");

// Every id from 0 to 70 occurs exactly once.
constexpr bool key_ids_are_a_permutation()
{
    bool seen[kKeyCount] = {};
    for (const KeyRow &row : g_keyitemmap) {
        int id = static_cast<int>(row.id);
        if (id < 0 || id >= kKeyCount || seen[id])
            return false;
        seen[id] = true;
    }
    return true;
}
static_assert(key_ids_are_a_permutation(), "key ids are distinct and cover 0 to 70");

}  // namespace picture
