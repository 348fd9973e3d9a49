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

enum provider_slot {
    PROVIDER_SLOT_SET_INT = 0,                      /* provider_set_int_fn */
    PROVIDER_SLOT_SET_INT_PRE = 1,                  /* provider_set_int_fn, preview */
    PROVIDER_SLOT_SET_BOOL = 2,                     /* provider_set_bool_fn */
    PROVIDER_SLOT_SET_DOUBLE = 4,                   /* provider_set_double_fn */
    PROVIDER_SLOT_SET_STRING = 6,                   /* provider_set_string_fn */
    PROVIDER_SLOT_GET_INT = 8,                      /* provider_get_int_fn */
    PROVIDER_SLOT_GET_BOOL = 9,                     /* provider_get_bool_fn */
    PROVIDER_SLOT_GET_DOUBLE = 10,                  /* provider_get_double_fn */
    PROVIDER_SLOT_GET_STRING = 11,                  /* provider_get_string_fn */
    PROVIDER_SLOT_RELEASE_STRING = 12,              /* provider_release_string_fn */
    PROVIDER_SLOT_GET_DISPLAY_NAME = 13,            /* provider_get_string_fn */
    PROVIDER_SLOT_GET_HELP_TEXT = 14,               /* provider_get_string_fn */
    PROVIDER_SLOT_GET_LIST_ITEMS = 16,              /* provider_get_list_items_fn */
    PROVIDER_SLOT_GET_LIST_ITEM_DISPLAY_VALUE = 17, /* provider_get_item_string_fn */
    PROVIDER_SLOT_GET_LIST_ITEM_STRING_VALUE = 19,  /* provider_get_item_string_fn */
    PROVIDER_SLOT_GET_LIST_ITEM_INT_VALUE = 20,     /* provider_get_item_int_fn */
    PROVIDER_SLOT_FREE_LIST_ITEMS = 24,             /* provider_free_list_items_fn */
    PROVIDER_SLOT_GET_MODULE_INFO = 43,             /* provider_get_string_fn */
    PROVIDER_SLOT_SEND_KEYEVENT = 44,               /* provider_send_keyevent_fn */
    PROVIDER_SLOT_COUNT = 47
};

/* Keyed operations return 0 on success. */
typedef int (*provider_set_int_fn)(const char *key, int value);
typedef int (*provider_set_bool_fn)(const char *key, bool value);
typedef int (*provider_set_double_fn)(const char *key, double value);
typedef int (*provider_set_string_fn)(const char *key, const char *value);
typedef int (*provider_get_int_fn)(const char *key, int *value);
typedef int (*provider_get_bool_fn)(const char *key, bool *value);
typedef int (*provider_get_double_fn)(const char *key, double *value);
/* Hands out a 512-byte string that the host gives back to release_string. */
typedef int (*provider_get_string_fn)(const char *key, char **value);
typedef int (*provider_release_string_fn)(char *value);
/* Hands out an array of *count item handles, given back to free_list_items. */
typedef void **(*provider_get_list_items_fn)(const char *key, int *count);
typedef int (*provider_get_item_string_fn)(void *item, char **value);
typedef int (*provider_get_item_int_fn)(void *item, int *value);
typedef int (*provider_free_list_items_fn)(void **items, int count);
typedef void (*provider_send_keyevent_fn)(const char *key_name);

/* Allocates a table and stores it through *table; returns 0. */
int create_provider(provider_op **table);
/* Frees *table; 1 for a null argument, otherwise 0. */
int delete_provider(provider_op **table);

typedef int (*provider_create_fn)(provider_op **table);
typedef int (*provider_delete_fn)(provider_op **table);

#ifdef __cplusplus
}
#endif

#endif
