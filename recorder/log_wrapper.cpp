// The platform log's wrapper: a log line of the provider is recorded as a
// log line, not as a call.
#include <charconv>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "dlog.h"
#include "record_file.h"
#include "recording_notation.h"
#include "wrapper_table.h"

namespace recorder {
namespace {

// A log line's text in a buffer on the stack: no allocation per line.
class LineBuffer {
public:
    // Appends `n` bytes; false once the line does not fit.
    bool put(const char *s, std::size_t n)
    {
        if (n > kSize - 1 - size_)
            return false;
        std::memcpy(text_ + size_, s, n);
        size_ += n;
        return true;
    }
    std::string_view view() const { return {text_, size_}; }
    // The text, ended by a NUL for the platform log.
    const char *c_str()
    {
        text_[size_] = '\0';
        return text_;
    }

private:
    static constexpr std::size_t kSize = 1024;
    char text_[kSize];
    std::size_t size_ = 0;
};

// Formats `fmt` into `out` when its conversions are only %s, %d and %%, as
// nearly every line of the provider's is, at a fraction of vsnprintf's
// cost; false for any other conversion, flag or width, or a longer line.
bool format_plain(LineBuffer &out, const char *fmt, va_list args)
{
    for (const char *p = fmt;;) {
        const char *percent = std::strchr(p, '%');
        if (!percent)
            return out.put(p, std::strlen(p));
        if (!out.put(p, static_cast<std::size_t>(percent - p)))
            return false;
        bool fits = true;
        switch (percent[1]) {
        case 's': {
            const char *s = va_arg(args, const char *);
            s = s ? s : "(null)";
            fits = out.put(s, std::strlen(s));
            break;
        }
        case 'd': {
            char digits[16];
            auto end = std::to_chars(digits, digits + sizeof digits, va_arg(args, int)).ptr;
            fits = out.put(digits, static_cast<std::size_t>(end - digits));
            break;
        }
        case '%': fits = out.put("%", 1); break;
        default: return false;
        }
        if (!fits)
            return false;
        p = percent + 2;
    }
}

// The formatted text of a log line that the fast path does not take.
__attribute__((format(printf, 1, 0))) std::string format_slow(const char *fmt, va_list args)
{
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, fmt, copy);
    va_end(copy);
    std::string out(n > 0 ? static_cast<std::size_t>(n) : 0, '\0');
    if (n > 0)
        std::vsnprintf(out.data(), out.size() + 1, fmt, args);
    return out;
}

// "log: PRIORITY "TAG" "TEXT"", into the thread's open request or alone.
void put_log(int prio, const char *tag, std::string_view text)
{
    std::string alone;
    std::string *lines = request_lines();
    std::string &out = lines ? *lines : alone;
    char head[24] = "log: ";
    char *end = std::to_chars(head + 5, head + sizeof head - 1, prio).ptr;
    *end++ = ' ';
    out.append(head, static_cast<std::size_t>(end - head));
    if (tag)
        calls::quote_to(out, tag);
    else
        out += "null";
    out += ' ';
    calls::quote_to(out, text);
    if (lines)
        out += '\n';
    else
        write_line(alone);
}

// The line is formatted here and handed on whole, so the platform log shows
// the same text.
__attribute__((format(printf, 4, 5))) int w_dlog_print(log_id_t log_id, int prio, const char *tag,
                                                       const char *fmt, ...)
{
    LineBuffer fast;
    va_list args;
    va_start(args, fmt);
    va_list copy;
    va_copy(copy, args);
    bool plain = format_plain(fast, fmt, copy);
    va_end(copy);
    std::string slow = plain ? std::string() : format_slow(fmt, args);
    va_end(args);
    std::string_view line = plain ? fast.view() : std::string_view(slow);
    if (recording() && recording_log())
        put_log(prio, tag, line);
    return __dlog_print(log_id, prio, tag, "%s", plain ? fast.c_str() : slow.c_str());
}

}  // namespace

Wrapper log_wrapper()
{
    return {reinterpret_cast<void *>(w_dlog_print), reinterpret_cast<void *>(__dlog_print)};
}

}  // namespace recorder
