// Rendering of results.
#include "output.h"

#include <algorithm>

namespace host {

const Node *Node::field(const std::string &name) const
{
    if (const Object *o = object())
        for (const auto &[n, v] : *o)
            if (n == name)
                return &v;
    return nullptr;
}

// Length of the well-formed UTF-8 sequence at s[i], or 0: no overlong forms,
// no surrogates, nothing past U+10FFFF.
static std::size_t utf8_length(const std::string &s, std::size_t i)
{
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char c = byte(i);
    std::size_t n = 0;
    if (c < 0x80)
        n = 1;
    else if (c >= 0xC2 && c <= 0xDF)
        n = 2;
    else if (c >= 0xE0 && c <= 0xEF)
        n = 3;
    else if (c >= 0xF0 && c <= 0xF4)
        n = 4;
    if (n == 0 || i + n > s.size())
        return 0;
    for (std::size_t k = 1; k < n; ++k)
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
    // The second byte's range is narrower after these leads.
    unsigned char second = n > 1 ? byte(i + 1) : 0x80;
    if ((c == 0xE0 && second < 0xA0) || (c == 0xED && second > 0x9F) ||
        (c == 0xF0 && second < 0x90) || (c == 0xF4 && second > 0x8F))
        return 0;
    return n;
}

// A JSON string; a byte that is not part of valid UTF-8 becomes U+FFFD, so
// strict parsers take every line.
static std::string json_string(const std::string &s)
{
    std::string out = "\"";
    for (std::size_t i = 0; i < s.size();) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        std::size_t n = utf8_length(s, i);
        if (n == 0) {
            out += "\\ufffd";
            ++i;
            continue;
        }
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c < 0x20) {
            char code[8];
            std::snprintf(code, sizeof code, "\\u%04x", c);
            out += code;
        } else {
            out.append(s, i, n);
        }
        i += n;
    }
    return out + "\"";
}

std::string to_json(const Node &node)
{
    struct Visit {
        std::string operator()(std::monostate) const { return "null"; }
        std::string operator()(bool v) const { return v ? "true" : "false"; }
        std::string operator()(long long v) const { return std::to_string(v); }
        std::string operator()(const std::string &s) const { return json_string(s); }
        std::string operator()(const Array &a) const
        {
            std::string out = "[";
            for (std::size_t i = 0; i < a.size(); ++i)
                out += (i ? "," : "") + to_json(a[i]);
            return out + "]";
        }
        std::string operator()(const Object &o) const
        {
            std::string out = "{";
            for (std::size_t i = 0; i < o.size(); ++i)
                out += (i ? "," : "") + json_string(o[i].first) + ":" + to_json(o[i].second);
            return out + "}";
        }
    };
    return std::visit(Visit{}, node.value);
}

Node error_record(const std::string &command, const std::string &message, int exit_status)
{
    return Object{{"command", command.empty() ? Node() : Node(command)},
                  {"error", message},
                  {"exit", exit_status}};
}

std::string scalar_text(const Node &node)
{
    if (const auto *v = std::get_if<long long>(&node.value))
        return std::to_string(*v);
    if (const auto *s = std::get_if<std::string>(&node.value))
        return *s;
    if (const auto *b = std::get_if<bool>(&node.value))
        return *b ? "yes" : "no";
    return "-";
}

// Records as rows under a header; the columns are every field name met
// with something in it, and an empty cell is blank.
static std::string table(const Array &rows, const std::string &indent)
{
    std::vector<std::string> columns;  // those that hold something in some row
    for (const Node &row : rows)
        for (const auto &field : row.object() ? *row.object() : Object{})
            if (!field.second.is_null() &&
                std::find(columns.begin(), columns.end(), field.first) == columns.end())
                columns.push_back(field.first);
    std::vector<std::vector<std::string>> cells{columns};
    for (const Node &row : rows) {
        cells.emplace_back();
        for (const std::string &c : columns) {
            const Node *v = row.field(c);
            cells.back().push_back(v && !v->is_null() ? scalar_text(*v) : "");
        }
    }
    std::vector<std::size_t> width(columns.size(), 0);
    for (const auto &line : cells)
        for (std::size_t i = 0; i < line.size(); ++i)
            width[i] = std::max(width[i], line[i].size());
    std::string out;
    for (const auto &line : cells) {
        std::string text = indent;
        for (std::size_t i = 0; i < line.size(); ++i)
            text +=
                line[i] + std::string(i + 1 < line.size() ? width[i] - line[i].size() + 2 : 0, ' ');
        text.erase(text.find_last_not_of(' ') + 1);
        out += text + "\n";
    }
    return out;
}

static std::string lines(const Array &items, const std::string &indent)
{
    if (items.empty())
        return indent + "(none)\n";
    if (items.front().object())
        return table(items, indent);
    std::string out;
    for (const Node &item : items)
        out += indent + scalar_text(item) + "\n";
    return out;
}

// A record within a record: its fields that hold something, indented.
static std::string inner_fields(const Object &fields)
{
    std::string out;
    for (const auto &[name, value] : fields)
        if (!value.is_null())
            out += "  " + name + ": " + scalar_text(value) + "\n";
    return out;
}

std::string to_text(const Node &record)
{
    const Object *fields = record.object();
    if (!fields)
        return scalar_text(record) + "\n";
    std::string out;
    for (const auto &[name, value] : *fields) {
        if (name == "command" || value.is_null())
            continue;
        if (const Array *a = value.array())
            out += name + ":\n" + lines(*a, "  ");
        else if (const Object *o = value.object())
            out += inner_fields(*o).empty() ? "" : name + ":\n" + inner_fields(*o);
        else
            out += name + ": " + scalar_text(value) + "\n";
    }
    return out;
}

}  // namespace host
