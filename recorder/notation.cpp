// Operation rows and text quoting of the recording's line format.
#include "notation.h"

#include <cstdio>

namespace recording {

const Operation *operation_of_slot(int slot)
{
    for (const Operation &op : kOperations)
        if (op.slot == slot)
            return &op;
    return nullptr;
}

const Operation *operation_named(std::string_view name)
{
    for (const Operation &op : kOperations)
        if (name == op.name)
            return &op;
    return nullptr;
}

std::string value_text(int value)
{
    return std::to_string(value);
}

std::string value_text(bool value)
{
    return value ? "1" : "0";
}

std::string value_text(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::string quote(const char *text)
{
    return text ? quote(std::string_view(text)) : "null";
}

std::string quote(std::string_view text)
{
    std::string out = "\"";
    for (char c : text) {
        auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (u < 0x20 || u == 0x7F) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", u);
            out += hex;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

namespace {

int hex_digit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::optional<std::string> unquote(std::string_view line, std::size_t &pos)
{
    std::string out;
    for (++pos; pos < line.size(); ++pos) {
        char c = line[pos];
        if (c == '"') {
            ++pos;
            return out;
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++pos >= line.size())
            return std::nullopt;
        char e = line[pos];
        if (e == 'n') {
            out += '\n';
        } else if (e == 't') {
            out += '\t';
        } else if (e == 'x') {
            int hi = pos + 2 < line.size() ? hex_digit(line[pos + 1]) : -1;
            int lo = hi >= 0 ? hex_digit(line[pos + 2]) : -1;
            if (lo < 0)
                return std::nullopt;
            out += static_cast<char>(hi * 16 + lo);
            pos += 2;
        } else if (e == '"' || e == '\\') {
            out += e;
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;  // no closing quote
}

}  // namespace

std::optional<std::string> next_token(std::string_view line, std::size_t &pos, bool *quoted)
{
    while (pos < line.size() && line[pos] == ' ')
        ++pos;
    *quoted = pos < line.size() && line[pos] == '"';
    if (*quoted)
        return unquote(line, pos);
    std::size_t start = pos;
    while (pos < line.size() && line[pos] != ' ' && line[pos] != ',' && line[pos] != '}')
        ++pos;
    if (pos == start)
        return std::nullopt;
    return std::string(line.substr(start, pos - start));
}

}  // namespace recording
