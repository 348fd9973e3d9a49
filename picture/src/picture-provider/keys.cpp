#include <cstring>
#include <iterator>

#include "key_table.h"
#include "log.h"

namespace picture {

int _find_type(const char *key)
{
    PLOG(" size: %d ", static_cast<int>(std::size(g_keyitemmap)));
    for (const KeyRow &row : g_keyitemmap) {
        // Comparing the terminator too makes only an exact match count.
        if (std::strncmp(row.key, key, std::strlen(row.key) + 1) == 0)
            return static_cast<int>(row.id);
    }
    return -1;
}

}  // namespace picture
