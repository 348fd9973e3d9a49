// Formatting a log line of the provider for the recording and the platform log.
#include "log_format.h"

#include <charconv>
#include <cstdio>
#include <cstring>

namespace recorder {

// Appends `n` bytes; false once the line does not fit.
bool LogText::put(const char *s, std::size_t n)
{
    if (n > kSize - 1 - size_)
        return false;
    std::memcpy(text_ + size_, s, n);
    size_ += n;
    return true;
}

// False for a conversion other than %s, %d and %%, any flag or width, or a
// line longer than the buffer.
bool LogText::format_plain(const char *fmt, va_list args)
{
    for (const char *p = fmt;;) {
        const char *percent = strchrnul(p, '%');  // the text's end when none
        if (!put(p, static_cast<std::size_t>(percent - p)))
            return false;
        if (!*percent)
            return true;
        bool fits = true;
        switch (percent[1]) {
        case 's': {
            const char *s = va_arg(args, const char *);
            s = s ? s : "(null)";
            fits = put(s, std::strlen(s));
            break;
        }
        case 'd': {
            char digits[16];
            auto end = std::to_chars(digits, digits + sizeof digits, va_arg(args, int)).ptr;
            fits = put(digits, static_cast<std::size_t>(end - digits));
            break;
        }
        case '%': fits = put("%", 1); break;
        default: return false;
        }
        if (!fits)
            return false;
        p = percent + 2;
    }
}

void LogText::format(const char *fmt, va_list args)
{
    size_ = 0;
    va_list copy;
    va_copy(copy, args);
    slow_ = !format_plain(fmt, copy);
    va_end(copy);
    if (!slow_)
        return;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, fmt, copy);
    va_end(copy);
    other_.assign(n > 0 ? static_cast<std::size_t>(n) : 0, '\0');
    if (n > 0)
        std::vsnprintf(other_.data(), other_.size() + 1, fmt, args);
}

}  // namespace recorder
