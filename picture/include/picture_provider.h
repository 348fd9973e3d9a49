/* The provider interface of the settings host: two exported entry points and
 * a table of 47 operation slots. A slot holds a function of the signature
 * given below, cast to provider_op, or null for an operation the provider
 * does not offer. The slot numbers are fixed by the host. */
#ifndef PICTURE_PROVIDER_H
#define PICTURE_PROVIDER_H

#include <stdbool.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef void (*provider_op)(void);

/* The operations the provider offers, one row each:
 * OP(name, NAME, slot, signature). PROVIDER_SLOT_NAME is the slot's number;
 * the slot holds a function of the signature (typedefs below). */
// clang-format off
#define PROVIDER_OPERATIONS(OP) \
    OP(set_int,                     SET_INT,                     0,  provider_set_int_fn) \
    OP(set_int_pre,                 SET_INT_PRE,                 1,  provider_set_int_fn) \
    OP(set_bool,                    SET_BOOL,                    2,  provider_set_bool_fn) \
    OP(set_double,                  SET_DOUBLE,                  4,  provider_set_double_fn) \
    OP(set_string,                  SET_STRING,                  6,  provider_set_string_fn) \
    OP(get_int,                     GET_INT,                     8,  provider_get_int_fn) \
    OP(get_bool,                    GET_BOOL,                    9,  provider_get_bool_fn) \
    OP(get_double,                  GET_DOUBLE,                  10, provider_get_double_fn) \
    OP(get_string,                  GET_STRING,                  11, provider_get_string_fn) \
    OP(release_string,              RELEASE_STRING,              12, provider_release_string_fn) \
    OP(get_display_name,            GET_DISPLAY_NAME,            13, provider_get_string_fn) \
    OP(get_help_text,               GET_HELP_TEXT,               14, provider_get_string_fn) \
    OP(get_list_items,              GET_LIST_ITEMS,              16, provider_get_list_items_fn) \
    OP(get_list_item_display_value, GET_LIST_ITEM_DISPLAY_VALUE, 17, provider_get_item_string_fn) \
    OP(get_list_item_string_value,  GET_LIST_ITEM_STRING_VALUE,  19, provider_get_item_string_fn) \
    OP(get_list_item_int_value,     GET_LIST_ITEM_INT_VALUE,     20, provider_get_item_int_fn) \
    OP(free_list_items,             FREE_LIST_ITEMS,             24, provider_free_list_items_fn) \
    OP(get_module_info,             GET_MODULE_INFO,             43, provider_get_string_fn) \
    OP(send_keyevent,               SEND_KEYEVENT,               44, provider_send_keyevent_fn)
// clang-format on

#define PROVIDER_SLOT_ENUMERATOR(name, NAME, slot, signature) PROVIDER_SLOT_##NAME = (slot),
enum provider_slot { PROVIDER_OPERATIONS(PROVIDER_SLOT_ENUMERATOR) PROVIDER_SLOT_COUNT = 47 };
#undef PROVIDER_SLOT_ENUMERATOR

/* The operations. The host calls them from one thread, one at a time. Keys
 * are the NUL-terminated strings of picture_keys.h. Every string or list an
 * operation hands out is allocated with the C allocator and belongs to the
 * host until it gives it back as stated; nothing else is to be freed. */

/* set_int commits a value, set_int_pre previews it (applies it without
 * committing). 0: done. 1: the key is unknown to the operation, the value
 * is out of the setting's range, or the platform failed; nothing changed
 * then except what the platform itself did. A few keys answer with a status
 * of their own (-1, or the platform's result), as the key documents. */
typedef int (*provider_set_int_fn)(const char *key, int value);
/* set_bool and set_double: do nothing, 0 for every key. */
typedef int (*provider_set_bool_fn)(const char *key, bool value);
typedef int (*provider_set_double_fn)(const char *key, double value);
/* Sends a text value; the PIP channel key takes "Up" and "Down". -1 for a
 * null key or value; otherwise 0, also for a key it does not know. */
typedef int (*provider_set_string_fn)(const char *key, const char *value);
/* Reads a setting in the menu's numbering into *value. 0: read. 1: the key
 * is unknown, or the read failed (some keys report so after every read);
 * *value is then left as it was for an unknown key and may hold the
 * platform's raw value otherwise. Like set_int, a few keys answer with a
 * status of their own. */
typedef int (*provider_get_int_fn)(const char *key, int *value);
/* get_bool and get_double: leave *value alone, 0 for every key. */
typedef int (*provider_get_bool_fn)(const char *key, bool *value);
typedef int (*provider_get_double_fn)(const char *key, double *value);
/* Hands out a 512-byte string through *value, given back to release_string.
 *  - get_string: the PIP channel key's text. -1 for a null key, or when the
 *    text cannot be read (the string may still have been handed out); 0
 *    without a string for any other key.
 *  - get_display_name: the key's label, for every key. -1 without a string
 *    for a null argument or when memory runs out.
 *  - get_help_text: the key's help text, for every key; 0.
 *  - get_module_info: "provider/owner", "provider/main-component" and
 *    "provider/sub-component"; 0 without a string for another info key, -1
 *    for a null one. */
typedef int (*provider_get_string_fn)(const char *key, char **value);
/* Frees a string handed out above: 0, or 1 for a null pointer. */
typedef int (*provider_release_string_fn)(char *value);
/* Hands out the key's choices: an array of *count item handles, given back
 * whole to free_list_items. Null (and *count untouched) for a null key, a
 * key without a list, or a list that cannot be built. */
typedef void **(*provider_get_list_items_fn)(const char *key, int *count);
/* An item's display value (the text shown, usually a message id of the
 * host's text domain) or string value (null in every list but the PIP
 * channel list). The texts belong to the list: not given back separately.
 * Always 0. */
typedef int (*provider_get_item_string_fn)(void *item, char **value);
/* An item's value, as get_int reports it and set_int takes it. Always 0. */
typedef int (*provider_get_item_int_fn)(void *item, int *value);
/* Frees a list with its items and their texts; null entries and a null
 * array are accepted. Always 0. */
typedef int (*provider_free_list_items_fn)(void **items, int count);
/* A remote-control key; "XF86Info" makes the next placeholder help text the
 * Info key's. */
typedef void (*provider_send_keyevent_fn)(const char *key_name);

/* Allocates a table and stores it through *table: 0, or -1 (and *table
 * untouched) for a null argument or when memory runs out. */
int create_provider(provider_op **table);
/* Frees *table: 1 for a null argument, otherwise 0 (a null *table frees
 * nothing). *table is not reset. */
int delete_provider(provider_op **table);

typedef int (*provider_create_fn)(provider_op **table);
typedef int (*provider_delete_fn)(provider_op **table);

#ifdef __cplusplus
}
#endif

#endif
