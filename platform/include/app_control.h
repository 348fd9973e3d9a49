// Application control (launch requests) and application context (visibility).
#pragma once

#ifdef __cplusplus
extern "C" {
#endif

typedef struct app_control_s *app_control_h;
typedef void (*app_control_reply_cb)(app_control_h request, app_control_h reply, int result,
                                     void *user_data);

// All return 0 on success.
int app_control_create(app_control_h *handle);
int app_control_set_app_id(app_control_h handle, const char *app_id);
int app_control_add_extra_data(app_control_h handle, const char *key, const char *value);
int app_control_send_launch_request(app_control_h handle, app_control_reply_cb callback,
                                    void *user_data);
int app_control_destroy(app_control_h handle);

int app_context_manager_init(void);
// Writes non-zero through visible when the application is visible.
int app_context_manager_check_visible(char *app_id, int reserved1, int reserved2, int *visible);
int app_context_manager_fini(void);

#ifdef __cplusplus
}
#endif
