// List items: the record, its accessors, its release, and the list keys.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "boundary.h"
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
    std::snprintf(buffer, kCopyLimit, "%s", text);
}

void plain_copy(char *buffer, const char *text)
{
    std::strncpy(buffer, text, kCopyLimit);
}

static ListItem *new_item()
{
    return static_cast<ListItem *>(std::calloc(1, sizeof(ListItem)));
}

static void **new_array(int n)
{
    return static_cast<void **>(std::calloc(static_cast<std::size_t>(n), sizeof(void *)));
}

void **pairs_to_list(const ChoicePairs &pairs, int *count)
{
    int n = static_cast<int>(pairs.size());
    *count = n;
    void **items = new_array(n);
    for (int i = 0; i < n; ++i) {
        ListItem *item = new_item();
        items[i] = item;
        item->int_value = pairs[i].first;
        item->display_value = new_text();
        format_copy(item->display_value, pairs[i].second.c_str());
        PLOG("name : %s / value : %d", item->display_value, item->int_value);
    }
    return items;
}

void **new_fixed_list(int n, int *count)
{
    *count = n;
    void **items = new_array(n);
    for (int i = 0; i < n; ++i) {
        ListItem *item = new_item();
        item->display_value = new_text();
        items[i] = item;
    }
    return items;
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

// The list keys in the order they are compared; a key whose list has not
// been built yet answers like an unknown key.
struct ListKey {
    const char *key;
    ListBuilder build;
};

static const ListKey kListKeys[] = {
    {"menu/picture/picturesize/43picturesize", picture_43size_list},
    {"menu/picture/picturesize/mode", picture_size_list},
    {"menu/picture/picturesize/picturesize-mode-video", picture_size_list},
    {"menu/picture/picturesize/219wide_mode", picture_size_list},
    {"menu/picture/picturesize/219wide_mode_photo", picture_size_list},
    {"menu/picture/picturesize/entry", picture_size_list},
    {"menu/picture/pip/antenna", pip_antenna_list},
    {kPipChannelKey, pip_channel_list},
    {"db/menu/picture/pip/source", pip_source_list},
    {"menu/picture/advanced-settings/dynamic-contrast", dynamic_contrast_list},
    {"menu/picture/picture-options/color-tone", color_tone_list},
};

static void **build_list(const char *op, const char *key, int *count)
{
    PLOG_FROM(op, "key :%s", key ? key : "(null)");
    if (!key || !count)
        return nullptr;
    for (const ListKey &list : kListKeys)
        if (list.build && std::strcmp(list.key, key) == 0)
            return list.build(count);
    PLOG_FROM(op, "no matching key");
    return nullptr;
}

void **get_list_items(const char *key, int *count)
{
    const char *op = __func__;
    return guarded<void **>(nullptr, [&] { return build_list(op, key, count); });
}

}  // namespace picture
