// Platform log.
#pragma once

#include "platform_rows.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef enum { LOG_ID_MAIN = 0 } log_id_t;

enum {
    DLOG_DEBUG = 3,
    DLOG_INFO = 4,
    DLOG_WARN = 5,
    DLOG_ERROR = 6,
};

int __dlog_print(log_id_t log_id, int prio, const char *tag, const char *fmt, ...)
    __attribute__((format(printf, 4, 5)));

// Declared above for its format check; listed here for the list of platform
// functions.
#define PLATFORM_DLOG_NAMES(X) X(__dlog_print)

#ifdef __cplusplus
}
#endif
