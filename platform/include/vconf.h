// Key-value store.
#pragma once

#include "platform_rows.h"

#ifdef __cplusplus
extern "C" {
#endif

// clang-format off
#define PLATFORM_VCONF(X) \
    /* all return 0 on success */ \
    X(int, vconf_get_int, (in, const char *, key), (out, int *, value)) \
    X(int, vconf_set_int, (in, const char *, key), (in, int, value)) \
    /* returns a string from the C allocator that the caller frees, or null */ \
    X(char *, vconf_get_str, (in, const char *, key)) \
    X(int, vconf_set_str, (in, const char *, key), (in, const char *, value))
// clang-format on

PLATFORM_VCONF(PLATFORM_DECLARE)

#ifdef __cplusplus
}
#endif
