// The key lookup: a binary search over the key table's rows in key order.
#include <array>
#include <cstring>
#include <iterator>

#include "key_table.h"
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
        while (j > 0 && key_less(g_keyitemmap[i].key, g_keyitemmap[rows[j - 1]].key)) {
            rows[j] = rows[j - 1];
            --j;
        }
        rows[j] = i;
    }
    return rows;
}

constexpr std::array<int, kKeyCount> kSortedRows = sorted_rows();

}  // namespace

int _find_type(const char *key)
{
    PLOG(" size: %d ", static_cast<int>(std::size(g_keyitemmap)));
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
        const KeyRow &row = g_keyitemmap[kSortedRows[mid]];
        int order = std::strcmp(key, row.key);
        if (order == 0)
            return static_cast<int>(row.id);
        if (order < 0)
            high = mid - 1;
        else
            low = mid + 1;
    }
    return -1;
}

}  // namespace picture
