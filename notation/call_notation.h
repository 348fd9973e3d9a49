// The notation of a platform call, one formatter for the stand-in's journal
// and the recorder's call lines:
//
//   avoc_get_film_mode(0, out, 1)                 the call, as the journal has it
//   avoc_get_film_mode(0, out, 1) = 0, out 2      with its result and out-values
//
// and the quoting of texts that the recording uses throughout.
#pragma once

#include <cstddef>
#include <list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

namespace calls {

// A text in double quotes with backslash escapes for the quote, the
// backslash and control characters; "null" for a null pointer.
std::string quote(const char *text);
std::string quote(std::string_view text);
// The same, appended to `out`.
void quote_to(std::string &out, std::string_view text);

// Reads one token of a line: a quoted text (unescaped), or a run of
// characters up to a blank, comma or closing bracket. Advances `pos` past
// it. Nullopt when the line holds no well-formed token there.
std::optional<std::string> next_token(std::string_view line, std::size_t &pos, bool *quoted);

// Wide text as UTF-8.
std::string narrow(const std::wstring &wide);

// The value of a hexadecimal digit, -1 for any other character.
int hex_digit(char c);

// "{1, 2}" and "{1=0, 4=2}": a group of values, a record of fields.
template <typename Values> std::string group(const Values &values)
{
    std::string text;
    for (const auto &v : values)
        text += (text.empty() ? "" : ", ") + std::to_string(static_cast<long long>(v));
    return "{" + text + "}";
}
std::string record(const std::map<int, unsigned long long> &fields);

// A number or text as an argument, result or out-value shows it; a null
// text argument shows as "(null)".
template <typename T> std::string text_of(const T &v)
{
    if constexpr (std::is_same_v<T, bool>)
        return v ? "1" : "0";
    else if constexpr (std::is_unsigned_v<T>)
        return std::to_string(static_cast<unsigned long long>(v));
    else if constexpr (std::is_integral_v<T> || std::is_enum_v<T>)
        return std::to_string(static_cast<long long>(v));
    else if constexpr (std::is_same_v<T, std::string>)
        return quote(v);
    else if constexpr (std::is_same_v<T, std::wstring>)
        return quote(narrow(v));
    else
        return quote(v ? static_cast<const char *>(v) : "(null)");
}

std::string hex_of(unsigned long long v);

// One call: its arguments, then its result and out-values.
class CallText {
public:
    explicit CallText(std::string_view function) : text_(function) { text_ += '('; }

    void arg(const std::string &v)
    {
        text_ += first_arg_ ? "" : ", ";
        first_arg_ = false;
        text_ += v;
    }
    // Closes the call: what the journal keeps.
    const std::string &call()
    {
        if (!closed_)
            text_ += ')';
        closed_ = true;
        return text_;
    }
    // " = result", then ", out " and the out-values one by one.
    void result(const std::string &r)
    {
        call();
        text_ += " = " + r;
    }
    void out(const std::string &v)
    {
        call();
        text_ += first_out_ ? ", out " : " ";
        first_out_ = false;
        text_ += v;
    }
    const std::string &text() const { return text_; }

private:
    std::string text_;
    bool first_arg_ = true;
    bool closed_ = false;
    bool first_out_ = true;
};

}  // namespace calls
