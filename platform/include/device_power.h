// Device power.
#pragma once

#ifdef __cplusplus
extern "C" {
#endif

// Returns 0 on success; (1, 1) switches the picture off.
int device_power_set_state(int state, int flag);

#ifdef __cplusplus
}
#endif
