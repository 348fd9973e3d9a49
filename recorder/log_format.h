// A log line's text, formatted as vsnprintf does; the provider's usual
// conversions (%s, %d, %%) without it and without an allocation.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <string>
#include <string_view>

namespace recorder {

class LogText {
public:
    __attribute__((format(printf, 2, 0))) void format(const char *fmt, va_list args);
    std::string_view view() const
    {
        return slow_ ? std::string_view(other_) : std::string_view(text_, size_);
    }
    // The text, ended by a NUL.
    const char *c_str()
    {
        if (slow_)
            return other_.c_str();
        text_[size_] = '\0';
        return text_;
    }

private:
    bool put(const char *s, std::size_t n);
    bool format_plain(const char *fmt, va_list args);

    static constexpr std::size_t kSize = 1024;
    char text_[kSize];
    std::size_t size_ = 0;
    bool slow_ = false;
    std::string other_;  // a line the fast path does not take
};

}  // namespace recorder
