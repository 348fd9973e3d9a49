// System information, addressed by numeric keys.
#pragma once

#include <stdbool.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef int system_info_key_e;

// Both return 0 on success.
int system_info_get_value_bool(system_info_key_e key, bool *value);
int system_info_get_value_int(system_info_key_e key, int *value);

#ifdef __cplusplus
}
#endif
