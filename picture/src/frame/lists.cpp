// List items: the record, building it, the list operation, the accessors and
// the release.
#include <cstdlib>
#include <cstring>

#include "boundary.h"
#include "cases.h"
#include "keys.h"
#include "lists.h"
#include "log.h"
#include "operations.h"

namespace picture {

char *new_text()
{
    return static_cast<char *>(std::calloc(1, kTextSize));
}

void format_copy(char *buffer, const char *text)
{
    std::memcpy(buffer, text, strnlen(text, kCopyLimit - 1));
}

void plain_copy(char *buffer, const char *text)
{
    std::strncpy(buffer, text, kCopyLimit);
}

static void free_item(ListItem *item)
{
    std::free(item->display_value);
    std::free(item->string_value);
    std::free(item);
}

ListItem *new_item(bool with_string)
{
    auto *item = static_cast<ListItem *>(std::calloc(1, sizeof(ListItem)));
    if (!item)
        return nullptr;
    item->display_value = new_text();
    item->string_value = with_string ? new_text() : nullptr;
    if (item->display_value && (item->string_value || !with_string))
        return item;
    free_item(item);
    return nullptr;
}

void drop_items(void **items, int n)
{
    for (int i = 0; i < n; ++i)
        if (items[i])
            free_item(static_cast<ListItem *>(items[i]));
    std::free(items);
}

static void **new_array(int n)
{
    return static_cast<void **>(std::calloc(static_cast<std::size_t>(n), sizeof(void *)));
}

void **pairs_to_list(const Choice *choices, std::size_t n, int *count)
{
    *count = static_cast<int>(n);
    void **items = new_array(*count);
    for (std::size_t i = 0; i < n; ++i) {
        ListItem *item = new_item(false);
        items[i] = item;
        item->int_value = choices[i].value;
        format_copy(item->display_value, choices[i].text);
        PLOG("name : %s / value : %d", item->display_value, item->int_value);
    }
    return items;
}

void **new_fixed_list(int n, int *count)
{
    *count = n;
    void **items = new_array(n);
    for (int i = 0; i < n; ++i)
        items[i] = new_item(false);
    return items;
}

// The key's list from its row; the PIP channel key is outside the key table.
static void **build_list(const char *op, const char *key, int *count)
{
    PLOG_FROM(op, "key :%s", key ? key : "(null)");
    if (!key || !count)
        return nullptr;
    if (std::strcmp(key, kPipChannelKey) == 0)
        return pip_channel_list(count);
    const KeyCase *row = find_case(find_key(key));
    if (row && row->list)
        return row->list(count);
    PLOG_FROM(op, "no matching key");
    return nullptr;
}

void **get_list_items(const char *key, int *count)
{
    const char *op = __func__;
    return guarded<void **>(nullptr, [&] { return build_list(op, key, count); });
}

int get_list_item_string_value(void *item, char **value)
{
    PLOG("");
    *value = static_cast<ListItem *>(item)->string_value;
    return 0;
}

int get_list_item_display_value(void *item, char **value)
{
    PLOG("");
    *value = static_cast<ListItem *>(item)->display_value;
    PLOG(" Value : %s", *value);
    return 0;
}

int get_list_item_int_value(void *item, int *value)
{
    PLOG("");
    *value = static_cast<ListItem *>(item)->int_value;
    return 0;
}

int free_list_items(void **items, int count)
{
    PLOG("");
    for (int i = 0; items && i < count; ++i) {
        auto *item = static_cast<ListItem *>(items[i]);
        if (!item)
            continue;
        if (item->display_value) {
            PLOG("");
            std::free(item->display_value);
            item->display_value = nullptr;
        }
        if (item->string_value) {
            PLOG("");
            std::free(item->string_value);
            item->string_value = nullptr;
        }
        PLOG("");
        std::free(item);
        items[i] = nullptr;
    }
    std::free(items);
    PLOG("");
    return 0;
}

}  // namespace picture
