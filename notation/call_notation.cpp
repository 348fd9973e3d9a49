// Quoting, reading back and the small texts of the call notation.
#include "call_notation.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace calls {

std::string quote(const char *text)
{
    return text ? quote(std::string_view(text)) : "null";
}

std::string quote(std::string_view text)
{
    std::string out;
    quote_to(out, text);
    return out;
}

namespace {

// Sixteen bytes compared at once (SSE2 on x86-64, NEON on ARM where there):
// a quoted text holds the bytes from space up as they are, but DEL, the quote
// and the backslash.
typedef unsigned char Block __attribute__((vector_size(16)));

// The place of the first nonzero byte of a word taken from memory.
unsigned first_set_byte(std::uint64_t word)
{
#if __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    return static_cast<unsigned>(__builtin_clzll(word)) / 8;
#else
    return static_cast<unsigned>(__builtin_ctzll(word)) / 8;
#endif
}

// The place of the first byte at `p` that is not plain, 16 when all are.
unsigned first_special(const char *p)
{
    Block b;
    std::memcpy(&b, p, sizeof b);
    auto special = (b < 0x20) | (b == 0x7F) | (b == '"') | (b == '\\');
    std::uint64_t halves[2];
    std::memcpy(halves, &special, sizeof halves);
    if (halves[0])
        return first_set_byte(halves[0]);
    return halves[1] ? 8 + first_set_byte(halves[1]) : 16;
}

// The length of the run of plain characters that `text` starts with; the
// last bytes are looked at in a copy padded with plain ones.
std::size_t plain_run(std::string_view text)
{
    std::size_t i = 0;
    for (; i + sizeof(Block) <= text.size(); i += sizeof(Block)) {
        if (unsigned k = first_special(text.data() + i); k < sizeof(Block))
            return i + k;
    }
    char tail[sizeof(Block)];
    std::memset(tail, 'a', sizeof tail);
    std::memcpy(tail, text.data() + i, text.size() - i);
    return std::min<std::size_t>(i + first_special(tail), text.size());
}

// The escape of a character that is not plain.
void escape_to(std::string &out, char c)
{
    if (c == '"' || c == '\\') {
        char escaped[2] = {'\\', c};
        out.append(escaped, 2);
    } else if (c == '\n') {
        out.append("\\n", 2);
    } else if (c == '\t') {
        out.append("\\t", 2);
    } else {
        char hex[5];
        std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(c));
        out.append(hex, 4);
    }
}

}  // namespace

void quote_to(std::string &out, std::string_view text)
{
    out.reserve(out.size() + text.size() + 2);
    out += '"';
    while (!text.empty()) {
        std::size_t run = plain_run(text);
        out.append(text.data(), run);  // the plain characters at once
        if (run == text.size())
            break;
        escape_to(out, text[run]);
        text.remove_prefix(run + 1);
    }
    out += '"';
}

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

namespace {

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

std::string narrow(const std::wstring &wide)
{
    std::string text;
    for (wchar_t wc : wide) {
        auto c = static_cast<unsigned long>(wc);
        int extra = c < 0x80 ? 0 : c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
        static const unsigned char kLead[] = {0x00, 0xC0, 0xE0, 0xF0};
        text += static_cast<char>(kLead[extra] | (c >> (6 * extra)));
        for (int k = extra - 1; k >= 0; k--)
            text += static_cast<char>(0x80 | ((c >> (6 * k)) & 0x3F));
    }
    return text;
}

std::string record(const std::map<int, unsigned long long> &fields)
{
    std::string text = "{";
    for (const auto &[id, value] : fields)
        text += (text.size() > 1 ? ", " : "") + std::to_string(id) + "=" + std::to_string(value);
    return text + "}";
}

std::string hex_of(unsigned long long v)
{
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", v);
    return text;
}

}  // namespace calls
