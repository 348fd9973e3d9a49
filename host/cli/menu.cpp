// The menu walk: every key of the key catalogue by section, each with its
// title, label, value, choices and help text; and the key listing.
#include "menu.h"

#include <fnmatch.h>

#include <cstring>
#include <string_view>

#include "failure.h"
#include "key_catalog.h"

namespace host {
namespace {

Node optional_text(const std::optional<std::string> &text)
{
    return text ? Node(*text) : Node();
}

// The value as the host shows it: the channel key has a text, the others an
// integer with its choice's text where the key has a list. A key without a
// read is not asked.
void add_value(const ProviderHost &host, const KeyInfo &key,
               const std::optional<std::vector<TranslatedChoice>> &choices, Object &item)
{
    bool text_key = key.abilities & kStrings;
    bool reads = text_key || (key.abilities & kReads);
    item.emplace_back("reads", reads);
    if (!reads) {
        item.insert(item.end(), {{"status", Node()}, {"value", Node()}, {"text", Node()}});
        return;
    }
    std::optional<std::string> text;
    int value = 0;
    Mark since = mark();
    int status = text_key ? host.get_string(key.key, &text) : host.get_int(key.key, &value);
    item.emplace_back("status", status);
    item.emplace_back("value", status == 0 && !text_key ? Node(value) : Node());
    if (status == 0 && !text_key)
        for (const TranslatedChoice &c : choices ? *choices : std::vector<TranslatedChoice>{})
            if (c.value == value)
                text = c.text;
    item.emplace_back("text", status == 0 ? optional_text(text) : Node());
    if (status != 0)
        item.emplace_back("reason", failure_reason(since));
}

Node menu_item(const ProviderHost &host, const KeyInfo &key)
{
    Object item{{"key", key.key}};
    std::optional<std::string> label;
    host.display_name(key.key, &label);
    item.emplace_back("title", shown_title(key, label));
    item.emplace_back("label", optional_text(label));
    std::optional<std::vector<TranslatedChoice>> choices =
        key.abilities & kLists ? host.list(key.key) : std::nullopt;
    add_value(host, key, choices, item);
    item.emplace_back("choices", choices ? choice_array(*choices) : Node());
    std::optional<std::string> help;
    host.help_text(key.key, &help);
    item.emplace_back("help", optional_text(help));
    return item;
}

std::string value_text(const Node &item)
{
    auto text = [&](const char *name) { return scalar_text(*item.field(name)); };
    if (!std::get<bool>(item.field("reads")->value))
        return "(no read)";
    if (text("status") != "0") {
        const Node &why = *item.field("reason");
        std::string out = "(status " + text("status") + ")";
        if (!why.field("call")->is_null())
            out += "  failed call " + scalar_text(*why.field("call")) + " returned " +
                   scalar_text(*why.field("result"));
        if (!why.field("log")->is_null())
            out += "  provider: " + scalar_text(*why.field("log"));
        return out;
    }
    const Node *value = item.field("value");
    const Node *shown = item.field("text");
    if (value->is_null())
        return scalar_text(*shown);
    return scalar_text(*value) + (shown->is_null() ? "" : "  " + scalar_text(*shown));
}

std::string item_text(const Node &item)
{
    auto text = [&](const char *name) { return scalar_text(*item.field(name)); };
    std::string out = "  " + text("title") + "\n    key      " + text("key") + "\n    label    " +
                      text("label") + "\n";
    out += "    value    " + value_text(item) + "\n";
    if (const Array *choices = item.field("choices")->array()) {
        std::string line;
        for (const Node &c : *choices)
            line += (line.empty() ? "" : " | ") + scalar_text(*c.field("value")) + " " +
                    scalar_text(*c.field("text"));
        out += "    choices  " + (line.empty() ? "(none)" : line) + "\n";
    }
    return out + "    help     " + text("help") + "\n";
}

std::string menu_text(const Node &record)
{
    std::string out;
    for (const Node &section : *record.field("sections")->array()) {
        out += (out.empty() ? "" : "\n") + scalar_text(*section.field("section")) + "\n";
        for (const Node &item : *section.field("items")->array())
            out += item_text(item);
    }
    return out;
}

// What the provider does with a key, in one word per operation.
std::string does(const Node &key)
{
    std::string out;
    for (const char *name : {"reads", "writes", "previews", "lists", "strings"}) {
        bool yes = std::get<bool>(key.field(name)->value);
        out += (out.empty() ? "" : " ") +
               std::string(yes ? name : std::string(std::strlen(name), ' '));
    }
    return out;
}

// Where the menu stops a number, or its values with their words as a list shows them.
Node range_text(const Node &key)
{
    const Node &lowest = *key.field("lowest");
    if (lowest.is_null())
        return Node();
    const Array *words = key.field("words")->array();
    if (!words)
        return scalar_text(lowest) + " to " + scalar_text(*key.field("highest"));
    std::string out;
    long long value = std::get<long long>(lowest.value);
    for (const Node &word : *words)
        out += (out.empty() ? "" : " | ") + std::to_string(value++) + " " + scalar_text(word);
    return out;
}

std::string keys_text(const Node &record)
{
    Array rows;
    for (const Node &key : *record.field("keys")->array())
        rows.push_back(Object{{"key", *key.field("key")},
                              {"does", does(key)},
                              {"section", *key.field("section")},
                              {"title", *key.field("title")},
                              {"range", range_text(key)}});
    if (rows.empty())
        return "keys: (none)\n";
    return to_text(Object{{"keys", std::move(rows)}});
}

bool matches(const std::string &key, const std::string &pattern)
{
    if (pattern.find_first_of("*?[") != std::string::npos)
        return fnmatch(pattern.c_str(), key.c_str(), 0) == 0;
    return key.find(pattern) != std::string::npos;
}

// The range's ends and words; null for a key the menu does not bound.
void add_range(const KeyInfo &key, Object &info)
{
    const std::optional<ValueRange> &r = key.range;
    Node words;
    if (r && !r->words.empty())
        words = Array(r->words.begin(), r->words.end());
    info.insert(info.end(), {{"lowest", r ? Node(r->lowest) : Node()},
                             {"highest", r ? Node(r->highest) : Node()},
                             {"words", std::move(words)}});
}

}  // namespace

Node choice_array(const std::vector<TranslatedChoice> &choices)
{
    Array out;
    for (const TranslatedChoice &c : choices)
        out.push_back(Object{{"value", c.value},
                             {"text", c.text},
                             {"id", c.id},
                             {"string", c.string ? Node(*c.string) : Node()}});
    return out;
}

CommandResult run_menu(const ProviderHost &host)
{
    Array sections;
    for (const char *title : host::sections()) {
        Array items;
        for (const KeyInfo &key : key_catalog())
            if (std::string_view(key.section) == title)
                items.push_back(menu_item(host, key));
        sections.push_back(Object{{"section", title}, {"items", std::move(items)}});
    }
    return {Object{{"command", "menu"}, {"sections", std::move(sections)}, {"status", 0}}, 0,
            menu_text};
}

CommandResult list_keys(const ProviderHost &host, const std::string &pattern)
{
    Array keys;
    for (const KeyInfo &key : key_catalog()) {
        if (!matches(key.key, pattern))
            continue;
        std::optional<std::string> label;
        host.display_name(key.key, &label);
        Object info{{"key", key.key},
                    {"section", key.section},
                    {"title", shown_title(key, label)},
                    {"label", optional_text(label)},
                    {"reads", (key.abilities & kReads) != 0},
                    {"writes", (key.abilities & kWrites) != 0},
                    {"previews", (key.abilities & kPreviews) != 0},
                    {"lists", (key.abilities & kLists) != 0},
                    {"strings", (key.abilities & kStrings) != 0}};
        add_range(key, info);
        keys.push_back(std::move(info));
    }
    return {Object{{"command", "keys"}, {"keys", std::move(keys)}, {"status", 0}}, 0, keys_text};
}

}  // namespace host
