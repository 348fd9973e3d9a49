// The key lookup: a binary search over the public list of keys in key order;
// a key's id is its position in that list.
#include <array>
#include <cstring>

#include "keys.h"
#include "log.h"

namespace picture {

namespace {

constexpr bool key_less(const char *a, const char *b)
{
    while (*a && *a == *b) {
        ++a;
        ++b;
    }
    return static_cast<unsigned char>(*a) < static_cast<unsigned char>(*b);
}

// Row numbers in key order, so that a lookup costs the same for every row.
constexpr std::array<int, kKeyCount> sorted_rows()
{
    std::array<int, kKeyCount> rows{};
    for (int i = 0; i < kKeyCount; ++i) {
        int j = i;
        while (j > 0 && key_less(picture_setting_keys[i], picture_setting_keys[rows[j - 1]])) {
            rows[j] = rows[j - 1];
            --j;
        }
        rows[j] = i;
    }
    return rows;
}

constexpr std::array<int, kKeyCount> kSortedRows = sorted_rows();

constexpr bool keys_are_distinct()
{
    for (int i = 1; i < kKeyCount; ++i)
        if (!key_less(picture_setting_keys[kSortedRows[i - 1]],
                      picture_setting_keys[kSortedRows[i]]))
            return false;
    return true;
}
static_assert(keys_are_distinct(), "each key is listed once");

}  // namespace

int _find_type(const char *key)
{
    PLOG(" size: %d ", kKeyCount);
    return find_key(key);
}

int find_key(const char *key)
{
    // Only an exact match counts: a key that extends or cuts short a known
    // key is not that key.
    int low = 0;
    int high = kKeyCount - 1;
    while (low <= high) {
        int mid = (low + high) / 2;
        int id = kSortedRows[mid];
        int order = std::strcmp(key, picture_setting_keys[id]);
        if (order == 0)
            return id;
        if (order < 0)
            high = mid - 1;
        else
            low = mid + 1;
    }
    return -1;
}

}  // namespace picture
