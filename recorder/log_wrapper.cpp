// The platform log's wrapper: a log line of the provider is recorded as a
// log line, not as a call.
#include <charconv>
#include <cstdarg>
#include <cstring>
#include <string>
#include <string_view>

#include "dlog.h"
#include "log_format.h"
#include "record_file.h"
#include "recording_notation.h"
#include "wrapper_table.h"

namespace recorder {
namespace {

// The tag quoted, as the thread quoted it last time: the provider logs
// under one tag.
void put_tag(std::string &out, const char *tag)
{
    struct QuotedTag {
        std::string raw;
        std::string quoted = "\"\"";
    };
    thread_local QuotedTag last;
    if (!tag) {
        out += "null";
        return;
    }
    if (std::strcmp(tag, last.raw.c_str()) != 0) {
        last.raw = tag;
        last.quoted.clear();
        calls::quote_to(last.quoted, tag);
    }
    out += last.quoted;
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
    put_tag(out, tag);
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
    LogText text;
    va_list args;
    va_start(args, fmt);
    text.format(fmt, args);
    va_end(args);
    if (recording() && recording_log())
        put_log(prio, tag, text.view());
    return __dlog_print(log_id, prio, tag, "%s", text.c_str());
}

}  // namespace

Wrapper log_wrapper()
{
    return {reinterpret_cast<void *>(w_dlog_print), reinterpret_cast<void *>(__dlog_print)};
}

}  // namespace recorder
