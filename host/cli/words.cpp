// Words of a command line.
#include "words.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "call_notation.h"

namespace host {

namespace {

// What a backslash and the letter after it stand for; any other character
// stands for itself.
const struct {
    char letter, byte;
} kEscapes[] = {{'n', '\n'}, {'t', '\t'}, {'r', '\r'}};

// The byte of the escape after the backslash at line[i]; moves i to its end.
char unescape(const std::string &line, std::size_t &i)
{
    char c = line[++i];
    for (const auto &e : kEscapes)
        if (c == e.letter)
            return e.byte;
    if (c != 'x')
        return c;
    int high = i + 2 < line.size() ? calls::hex_digit(line[i + 1]) : -1;
    int low = high >= 0 ? calls::hex_digit(line[i + 2]) : -1;
    if (low < 0)
        throw BadInput("\\x needs two hexadecimal digits");
    if (high == 0 && low == 0)
        throw BadInput("NUL byte in the line");
    i += 2;
    return static_cast<char>(high * 16 + low);
}

}  // namespace

std::vector<std::string> split_words(const std::string &line)
{
    if (line.find('\0') != std::string::npos)
        throw BadInput("NUL byte in the line");
    std::vector<std::string> words;
    std::string word;
    bool in_word = false;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (c == '\\' && i + 1 < line.size()) {
            word += unescape(line, i);
            in_word = true;
        } else if (c == '"') {
            quoted = !quoted;
            in_word = true;
        } else if (!quoted && (c == ' ' || c == '\t' || c == '\r' || c == '\n')) {
            if (in_word)
                words.push_back(word);
            word.clear();
            in_word = false;
        } else {
            word += c;
            in_word = true;
        }
    }
    if (quoted)
        throw BadInput("unterminated quote");
    if (in_word)
        words.push_back(word);
    return words;
}

std::string quote(const std::string &word)
{
    auto control = [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; };
    bool plain = !word.empty() && word.find_first_of(" \"\\#") == std::string::npos &&
                 std::none_of(word.begin(), word.end(), control);
    if (plain)
        return word;
    std::string out = "\"";
    for (char c : word) {
        auto e = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                              [c](const auto &row) { return row.byte == c; });
        if (e != std::end(kEscapes)) {
            out += '\\';
            out += e->letter;
        } else if (control(c)) {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02x", static_cast<unsigned char>(c));
            out += code;
        } else {
            if (c == '"' || c == '\\')
                out += '\\';
            out += c;
        }
    }
    return out + "\"";
}

long long parse_number(const std::string &text, long long min, long long max)
{
    std::size_t sign = text.find_first_not_of("+-");
    bool hex = sign <= 1 && text.compare(sign, 2, "0x") == 0;
    char *end = nullptr;
    errno = 0;
    long long v = std::strtoll(text.c_str(), &end, hex ? 16 : 10);
    // strtoll would skip leading blanks; a number here is the whole word.
    if (sign > 1 || std::isspace(static_cast<unsigned char>(text[0])) || *end != '\0')
        throw BadInput("not a number: " + shown(text));
    if (errno == ERANGE || v < min || v > max)
        throw BadInput("number out of range: " + shown(text));
    return v;
}

int parse_int(const std::string &text)
{
    return static_cast<int>(parse_number(text, INT_MIN, INT_MAX));
}

std::string shown(const std::string &text)
{
    constexpr std::size_t kLongest = 80;
    if (text.size() <= kLongest)
        return text;
    std::size_t cut = kLongest;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;  // not inside a UTF-8 sequence
    return text.substr(0, cut) + "...";
}

std::size_t edit_distance(const std::string &a, const std::string &b)
{
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            std::size_t up = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = up;
        }
    }
    return row[b.size()];
}

std::string did_you_mean(const std::vector<std::string> &near)
{
    std::string text;
    for (std::size_t i = 0; i < near.size(); ++i)
        text += (i == 0 ? " (did you mean " : i + 1 == near.size() ? " or " : ", ") + near[i];
    return text + (near.empty() ? "" : "?)");
}

}  // namespace host
