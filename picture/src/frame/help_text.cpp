// Help texts: the key's own from its row, or the placeholder, which the
// remote's Info key changes once.
#include <cstring>

#include "cases.h"
#include "help_text.h"
#include "keys.h"
#include "lists.h"
#include "operations.h"
#include "text_domain.h"

namespace picture {

// Set by the remote's Info key; the next placeholder help text consumes it.
static bool keypressed_info = false;

void copy_translation(char *buffer, const char *id)
{
    format_copy(buffer, translate(id));
}

struct SizeText {
    int size;
    const char *help;
};

static const SizeText kSizeTexts[] = {
    {0, "COM_SID_MENU_DISPLAY_PICTURE_169_RATIO"},
    {1, "COM_SID_MENU_EXPAND_PICTURE_FIT_SCREEN"},
    {3, "COM_SID_MENU_DISPLAY_PICTURE_43_ASPECT"},
};

void picture_size_help(int size, char *buffer)
{
    for (const SizeText &text : kSizeTexts)
        if (text.size == size)
            copy_translation(buffer, text.help);
}

int get_help_text(const char *key, char **text)
{
    if (!key || !text)
        return -1;
    char *buffer = new_text();
    if (!buffer)
        return -1;
    const KeyCase *row = find_case(find_key(key));
    if (!row || !row->help || !row->help(buffer)) {
        format_copy(buffer, keypressed_info ? "Info help text" : "My Help Text");
        keypressed_info = false;
    }
    *text = buffer;
    return 0;
}

void send_keyevent(const char *key_name)
{
    if (key_name && std::strcmp(key_name, "XF86Info") == 0)
        keypressed_info = true;
}

}  // namespace picture
