// The provider's one log convention: warning lines of the main log under the
// tag "menu-provider", each prefixed with the file's base name, the logging
// function and the line (the function and line repeated in brackets).
#pragma once

#include "dlog.h"

namespace picture {

constexpr const char *kLogTag = "menu-provider";

constexpr const char *base_name(const char *path)
{
    const char *base = path;
    for (const char *p = path; *p; ++p)
        if (*p == '/')
            base = p + 1;
    return base;
}

}  // namespace picture

// Logs on behalf of the named function; PLOG names the current function.
#define PLOG_FROM(function, fmt, ...)                                                              \
    __dlog_print(LOG_ID_MAIN, DLOG_WARN, ::picture::kLogTag, "%s: %s(%d) > [%s:%d] " fmt "\n",     \
                 ::picture::base_name(__FILE__), function, __LINE__, function, __LINE__,           \
                 ##__VA_ARGS__)

#define PLOG(fmt, ...) PLOG_FROM(__func__, fmt, ##__VA_ARGS__)

// The one line in another form: a list item's two texts, at debug priority,
// after a prefix without the bracket part and without a final newline.
#define PLOG_ITEM_FROM(function, first, second)                                                    \
    __dlog_print(LOG_ID_MAIN, DLOG_DEBUG, ::picture::kLogTag, "%s: %s(%d) > %s, %s",               \
                 ::picture::base_name(__FILE__), function, __LINE__, first, second)
