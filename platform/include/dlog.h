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

#ifdef __cplusplus
}
#endif
