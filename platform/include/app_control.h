// Application control (launch requests) and application context (visibility).
#pragma once

#include "platform_rows.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct app_control_s *app_control_h;
typedef void (*app_control_reply_cb)(app_control_h request, app_control_h reply, int result,
                                     void *user_data);

// clang-format off
#define PLATFORM_APP_CONTROL(X) \
    /* all return 0 on success */ \
    X(int, app_control_create, (out, app_control_h *, handle)) \
    X(int, app_control_set_app_id, (handle, app_control_h, handle), (in, const char *, app_id)) \
    X(int, app_control_add_extra_data, (handle, app_control_h, handle), (in, const char *, key), (in, const char *, value)) \
    X(int, app_control_send_launch_request, (handle, app_control_h, handle), (callback, app_control_reply_cb, callback), (data, void *, user_data)) \
    X(int, app_control_destroy, (handle, app_control_h, handle)) \
    X(int, app_context_manager_init) \
    /* writes non-zero through visible when the application is visible */ \
    X(int, app_context_manager_check_visible, (in, char *, app_id), (in, int, reserved1), (in, int, reserved2), (out, int *, visible)) \
    X(int, app_context_manager_fini)
// clang-format on

PLATFORM_APP_CONTROL(PLATFORM_DECLARE)

#ifdef __cplusplus
}
#endif
