// The platform log's wrapper: a log line of the provider is recorded as a
// log line, not as a call.
#include <cstdarg>
#include <cstdio>
#include <string>

#include "dlog.h"
#include "record_file.h"
#include "recording_notation.h"
#include "wrapper_table.h"

namespace recorder {
namespace {

// The line is formatted here and handed on whole, so the platform log shows
// the same text.
__attribute__((format(printf, 4, 5))) int w_dlog_print(log_id_t log_id, int prio, const char *tag,
                                                       const char *fmt, ...)
{
    char buffer[1024];
    va_list args;
    va_start(args, fmt);
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(buffer, sizeof buffer, fmt, args);
    va_end(args);
    std::string text;
    if (n >= static_cast<int>(sizeof buffer)) {
        text.resize(static_cast<std::size_t>(n));
        std::vsnprintf(text.data(), text.size() + 1, fmt, copy);
    } else if (n > 0) {
        text = buffer;
    }
    va_end(copy);
    if (recording() && recording_log())
        write_line("log: " + std::to_string(prio) + " " + recording::quote(tag) + " " +
                   recording::quote(text));
    return __dlog_print(log_id, prio, tag, "%s", text.c_str());
}

}  // namespace

Wrapper log_wrapper()
{
    return {reinterpret_cast<void *>(w_dlog_print), reinterpret_cast<void *>(__dlog_print)};
}

}  // namespace recorder
