// Translation between menu values and output-control values.
#include "value_tables.h"

namespace picture {

bool _find_index(const unsigned int *table, int count, int value, int *index)
{
    for (int i = 0; i < count; ++i) {
        if (table[i] == static_cast<unsigned int>(value)) {
            *index = i;
            return true;
        }
    }
    return false;
}

bool forward_translate(const ValueTable &table, int menu_value, int *translated)
{
    if (static_cast<unsigned int>(menu_value) > static_cast<unsigned int>(table.count - 1))
        return false;
    *translated = static_cast<int>(table.entries[menu_value]);
    return true;
}

int reverse_lookup(const ValueTable &table, int *value)
{
    int index = 0;
    if (!_find_index(table.entries, table.count, *value, &index))
        return -1;
    *value = index;
    return 0;
}

}  // namespace picture
