// Key-value store.
#pragma once

#ifdef __cplusplus
extern "C" {
#endif

// All return 0 on success.
int vconf_get_int(const char *key, int *value);
int vconf_set_int(const char *key, int value);
// Returns a string from the C allocator that the caller frees, or null.
char *vconf_get_str(const char *key);
int vconf_set_str(const char *key, const char *value);

#ifdef __cplusplus
}
#endif
