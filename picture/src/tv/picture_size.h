// Picture size control of the main picture: picture size, 4:3 size, screen
// fit and auto wide, held by the TV service's video control.
//
// Every function obtains the video control anew, makes one call on it and
// returns 0 or -1. Values are in the menu's numbering.
#pragma once

#include <stdbool.h>

// System information key: true when the panel supports the 21:9 picture.
#define PICTURE_SYSTEM_INFO_PANEL_21_9 303

#ifdef __cplusplus
extern "C" {
#endif

// On failure writes 0 (16:9).
int get_picture_size(int *value);
// A non-zero commit commits the size; 0 previews it.
int set_picture_size(int value, int commit);

// On failure leaves the caller's value as it was.
int get_picture_43size(int *value);
int set_picture_43size(int value, bool commit);

// 0 off, 1 on, 2 auto; on failure writes 0.
int get_picture_size_screen_fit(int *value);
// A value other than 1 and 2 switches screen fit off.
int set_picture_size_screen_fit(int value, bool commit);

// 0 off, 1 on; on failure writes 0.
int get_picture_size_auto_wide(int *value);
// A non-zero value switches auto wide on.
int set_picture_size_auto_wide(int value, bool commit);

// Asks the system information whether the panel shows 21:9: its status, 0
// when *supported holds the answer. Logs nothing.
int read_panel_21_9(bool *supported);

// False also when the platform cannot tell, which is logged.
bool check_if_support_21_9(void);

#ifdef __cplusplus
}
#endif
