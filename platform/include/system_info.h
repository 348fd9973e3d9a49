// System information, addressed by numeric keys.
#pragma once

#include <stdbool.h>

#include "platform_rows.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef int system_info_key_e;

// clang-format off
#define PLATFORM_SYSTEM_INFO(X) \
    /* both return 0 on success */ \
    X(int, system_info_get_value_bool, (in, system_info_key_e, key), (out, bool *, value)) \
    X(int, system_info_get_value_int, (in, system_info_key_e, key), (out, int *, value))
// clang-format on

PLATFORM_SYSTEM_INFO(PLATFORM_DECLARE)

#ifdef __cplusplus
}
#endif
