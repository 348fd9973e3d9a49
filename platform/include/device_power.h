// Device power.
#pragma once

#include "platform_rows.h"

#ifdef __cplusplus
extern "C" {
#endif

// clang-format off
#define PLATFORM_DEVICE_POWER(X) \
    /* returns 0 on success; (1, 1) switches the picture off */ \
    X(int, device_power_set_state, (in, int, state), (in, int, flag))
// clang-format on

PLATFORM_DEVICE_POWER(PLATFORM_DECLARE)

#ifdef __cplusplus
}
#endif
