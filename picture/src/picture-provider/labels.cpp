// Labels, help texts, module information and the Info key.
#include <cstdlib>

#include "lists.h"
#include "operations.h"

namespace picture {

int get_display_name(const char *key, char **label)
{
    if (!key || !label)
        return -1;
    char *text = new_text();
    if (!text)
        return -1;
    plain_copy(text, "My Menu Item");
    *label = text;
    return 0;
}

int get_help_text(const char *key, char **text)
{
    if (!key || !text)
        return -1;
    char *buffer = new_text();
    if (!buffer)
        return -1;
    format_copy(buffer, "My Help Text");
    *text = buffer;
    return 0;
}

int get_module_info(const char *info_key, char **value)
{
    if (!info_key || !value)
        return -1;
    return 0;
}

void send_keyevent(const char *) {}

}  // namespace picture
