// The menu walk: every key of the key table and the PIP channel key, grouped
// by key prefix, each with its label, value, choices and help text.
#include "menu.h"

#include <iterator>

#include "key_table.h"
#include "provider_host.h"

namespace host {
namespace {

struct Group {
    const char *title;
    const char *prefixes[2];  // the key begins with one of them; "" takes the rest
};

const Group kGroups[] = {
    {"Picture size", {"menu/picture/picturesize/"}},
    {"Picture-in-picture", {"menu/picture/pip/", "db/menu/picture/pip/"}},
    {"Advanced settings", {"menu/picture/advanced-settings/"}},
    {"Picture options", {"menu/picture/picture-options/"}},
    {"Picture-wide", {""}},
};

std::vector<std::string> menu_keys()
{
    std::vector<std::string> keys;
    for (const picture::KeyRow &row : picture::g_keyitemmap)
        keys.emplace_back(row.key);
    keys.emplace_back(picture::kPipChannelKey);
    return keys;
}

const Group &group_of(const std::string &key)
{
    for (const Group &g : kGroups)
        for (const char *prefix : g.prefixes)
            if (prefix && key.rfind(prefix, 0) == 0)
                return g;
    return kGroups[std::size(kGroups) - 1];
}

Node optional_text(const std::optional<std::string> &text)
{
    return text ? Node(*text) : Node();
}

// The value as the host shows it: the channel key has a text, the others an
// integer with its choice's text where the key has a list.
void add_value(const ProviderHost &host, const std::string &key,
               const std::optional<std::vector<Choice>> &choices, Object &item)
{
    std::optional<std::string> text;
    int value = 0;
    int status =
        key == picture::kPipChannelKey ? host.get_string(key, &text) : host.get_int(key, &value);
    item.emplace_back("status", status);
    if (status != 0)
        return;
    if (key == picture::kPipChannelKey) {
        item.emplace_back("value", optional_text(text));
        return;
    }
    item.emplace_back("value", value);
    for (const Choice &c : choices ? *choices : std::vector<Choice>{})
        if (c.value == value) {
            item.emplace_back("text", c.text);
            break;
        }
}

Node menu_item(const ProviderHost &host, const std::string &key)
{
    Object item{{"key", key}};
    std::optional<std::string> label;
    host.display_name(key, &label);
    item.emplace_back("label", optional_text(label));
    std::optional<std::vector<Choice>> choices = host.list(key);
    add_value(host, key, choices, item);
    if (choices) {
        Array list;
        for (const Choice &c : *choices)
            list.push_back(Object{{"value", c.value}, {"text", c.text}});
        item.emplace_back("choices", std::move(list));
    }
    std::optional<std::string> help;
    host.help_text(key, &help);
    item.emplace_back("help", optional_text(help));
    return item;
}

std::string item_text(const Node &item)
{
    auto text = [&](const char *name) {
        const Node *v = item.field(name);
        return v ? scalar_text(*v) : std::string();
    };
    std::string out = "  " + text("key") + "\n    label    " + text("label") + "\n";
    if (text("status") != "0")
        out += "    value    (status " + text("status") + ")\n";
    else
        out += "    value    " + text("value") + (item.field("text") ? "  " + text("text") : "") +
               "\n";
    if (const Node *choices = item.field("choices")) {
        std::string line;
        for (const Node &c : *choices->array())
            line += (line.empty() ? "" : " | ") + scalar_text(*c.field("value")) + " " +
                    scalar_text(*c.field("text"));
        out += "    choices  " + (line.empty() ? "(none)" : line) + "\n";
    }
    return out + "    help     " + text("help") + "\n";
}

std::string menu_text(const Node &record)
{
    std::string out;
    for (const Node &group : *record.field("groups")->array()) {
        out += (out.empty() ? "" : "\n") + scalar_text(*group.field("group")) + "\n";
        for (const Node &item : *group.field("items")->array())
            out += item_text(item);
    }
    return out;
}

}  // namespace

Outcome run_menu(const ProviderHost &host)
{
    std::vector<std::string> keys = menu_keys();
    Array groups;
    for (const Group &g : kGroups) {
        Array items;
        for (const std::string &key : keys)
            if (&group_of(key) == &g)
                items.push_back(menu_item(host, key));
        groups.push_back(Object{{"group", g.title}, {"items", std::move(items)}});
    }
    return {Object{{"command", "menu"}, {"groups", std::move(groups)}}, 0, menu_text};
}

}  // namespace host
