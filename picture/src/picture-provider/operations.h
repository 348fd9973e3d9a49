// The operations of the table, file-local to their units but gathered here
// so that the entry point can fill the slots.
#pragma once

#include <stdbool.h>

namespace picture {

int set_int(const char *key, int value);
int set_int_pre(const char *key, int value);
int get_int(const char *key, int *value);
int set_bool(const char *key, bool value);
int set_double(const char *key, double value);
int get_bool(const char *key, bool *value);
int get_double(const char *key, double *value);
int set_string(const char *key, const char *value);
int get_string(const char *key, char **value);
int release_string(char *value);
int get_display_name(const char *key, char **label);
int get_help_text(const char *key, char **text);
void **get_list_items(const char *key, int *count);
int get_list_item_display_value(void *item, char **value);
int get_list_item_string_value(void *item, char **value);
int get_list_item_int_value(void *item, int *value);
int free_list_items(void **items, int count);
int get_module_info(const char *info_key, char **value);
void send_keyevent(const char *key_name);

}  // namespace picture
