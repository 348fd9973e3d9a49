// The platform log's wrapper: a log line of the provider is recorded as a
// log line, not as a call.
#include <charconv>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "dlog.h"
#include "record_file.h"
#include "recording_notation.h"
#include "wrapper_table.h"

namespace recorder {
namespace {

// Formats `fmt` into `out` when its conversions are only %s, %d and %%, as
// nearly every line of the provider's is, at a fraction of vsnprintf's
// cost; false for any other conversion, flag or width.
bool format_plain(std::string &out, const char *fmt, va_list args)
{
    for (const char *p = fmt; *p;) {
        const char *percent = std::strchr(p, '%');
        if (!percent) {
            out.append(p);
            break;
        }
        out.append(p, static_cast<std::size_t>(percent - p));
        switch (percent[1]) {
        case 's': {
            const char *s = va_arg(args, const char *);
            out.append(s ? s : "(null)");
            break;
        }
        case 'd': {
            char digits[16];
            auto end = std::to_chars(digits, digits + sizeof digits, va_arg(args, int)).ptr;
            out.append(digits, static_cast<std::size_t>(end - digits));
            break;
        }
        case '%': out += '%'; break;
        default: return false;
        }
        p = percent + 2;
    }
    return true;
}

// The formatted text of a log line.
__attribute__((format(printf, 2, 0))) void format(std::string &out, const char *fmt, va_list args)
{
    va_list copy;
    va_copy(copy, args);
    out.clear();
    if (!format_plain(out, fmt, args)) {
        int n = std::vsnprintf(nullptr, 0, fmt, copy);
        va_end(copy);
        va_copy(copy, args);
        out.assign(n > 0 ? static_cast<std::size_t>(n) : 0, '\0');
        if (n > 0)
            std::vsnprintf(out.data(), out.size() + 1, fmt, copy);
    }
    va_end(copy);
}

// "log: PRIORITY "TAG" "TEXT"", into the thread's open request or alone.
void put_log(int prio, const char *tag, const std::string &text)
{
    std::string alone;
    std::string *lines = request_lines();
    std::string &out = lines ? *lines : alone;
    out += "log: ";
    char digits[16];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, prio).ptr);
    out += ' ';
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
    std::string line;
    line.reserve(256);  // most lines fit: one allocation
    va_list args;
    va_start(args, fmt);
    format(line, fmt, args);
    va_end(args);
    if (recording() && recording_log())
        put_log(prio, tag, line);
    return __dlog_print(log_id, prio, tag, "%s", line.c_str());
}

}  // namespace

Wrapper log_wrapper()
{
    return {reinterpret_cast<void *>(w_dlog_print), reinterpret_cast<void *>(__dlog_print)};
}

}  // namespace recorder
