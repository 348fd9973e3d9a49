// Labels: the key's own from its row, or the placeholder.
#include "cases.h"
#include "keys.h"
#include "lists.h"
#include "log.h"
#include "operations.h"
#include "text_domain.h"

namespace picture {

int get_display_name(const char *key, char **label)
{
    if (!key || !label) {
        PLOG("params error!");
        return -1;
    }
    char *buffer = new_text();
    if (!buffer) {
        PLOG("calloc failed.");
        return -1;
    }
    const KeyCase *row = find_case(_find_type(key));
    const char *id = row && row->label ? row->label() : nullptr;
    if (!id)
        plain_copy(buffer, "My Menu Item");
    else if (*id)
        plain_copy(buffer, translate(id));
    *label = buffer;
    return 0;
}

}  // namespace picture
