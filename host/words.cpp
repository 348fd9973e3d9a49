// Words of a command line.
#include "words.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>

namespace host {

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
            word += line[++i];
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
    bool plain = !word.empty() && word.find_first_of(" \t\r\n\"\\#") == std::string::npos;
    if (plain)
        return word;
    std::string out = "\"";
    for (char c : word) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
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

}  // namespace host
