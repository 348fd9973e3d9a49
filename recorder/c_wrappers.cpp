// Wrappers of the platform's C functions: each calls the function and
// records the call in the journal's notation. The platform log is recorded
// as log lines.
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "app_control.h"
#include "avoc.h"
#include "call_line.h"
#include "device_power.h"
#include "dlog.h"
#include "platform_calls.h"
#include "system_info.h"
#include "vconf.h"
#include "wrapper_table.h"

namespace recorder {
namespace {

int value_of(const int *v)
{
    return v ? *v : 0;
}

// clang-format off
// (picture, out, flag) getters and (picture, value, flag) setters.
#define PICTURE_SETTINGS(X)                                                        \
    X(dynamic_contrast) X(black_tone) X(flesh_tone) X(rgb_only_mode) X(color_space) \
    X(color_space_config) X(10p_white_balance) X(20p_white_balance) X(gamma)        \
    X(black_enhancer) X(color_tone_mode) X(digital_clean_view) X(MPEG_noise_filter) \
    X(hdmi_black_level) X(film_mode) X(auto_motion_plus) X(led_clear_motion)        \
    X(smart_led) X(cinema_black)
#define PICTURE_GETTERS(X) PICTURE_SETTINGS(X) X(blur_reduction) X(juddler_reduction) \
    X(cinema_black_by_value) X(picture_mode)
#define PICTURE_SETTERS(X) PICTURE_SETTINGS(X) X(black_optimizer)
#define BYTE_SETTERS(X) X(blur_reduction) X(juddler_reduction)
#define FLAG_PAIRS(X) X(gamma_config) X(hdr_plus_mode) X(10p_white_balance_interval) \
    X(20p_white_balance_interval)
#define PLAIN_PAIRS(X) X(color_gamut) X(senior_mode)
#define WB_POINTS(X) X(10p) X(20p)
// clang-format on

#define PICTURE_GETTER(name)                                                                       \
    int w_avoc_get_##name(int picture, int *value, int flag)                                       \
    {                                                                                              \
        CallLine c("avoc_get_" #name);                                                             \
        c.arg(picture).word("out").arg(flag);                                                      \
        int r = avoc_get_##name(picture, value, flag);                                             \
        c.result(r).out(value_of(value));                                                          \
        return r;                                                                                  \
    }
#define PICTURE_SETTER(name, type)                                                                 \
    int w_avoc_set_##name(int picture, type value, int flag)                                       \
    {                                                                                              \
        CallLine c("avoc_set_" #name);                                                             \
        c.arg(picture).arg(value).arg(flag);                                                       \
        int r = avoc_set_##name(picture, value, flag);                                             \
        c.result(r);                                                                               \
        return r;                                                                                  \
    }
#define INT_SETTER(name) PICTURE_SETTER(name, int)
#define BYTE_SETTER(name) PICTURE_SETTER(name, unsigned char)
#define FLAG_PAIR(name)                                                                            \
    int w_avoc_get_##name(int *value, int flag)                                                    \
    {                                                                                              \
        CallLine c("avoc_get_" #name);                                                             \
        c.word("out").arg(flag);                                                                   \
        int r = avoc_get_##name(value, flag);                                                      \
        c.result(r).out(value_of(value));                                                          \
        return r;                                                                                  \
    }                                                                                              \
    int w_avoc_set_##name(int value, int flag)                                                     \
    {                                                                                              \
        CallLine c("avoc_set_" #name);                                                             \
        c.arg(value).arg(flag);                                                                    \
        int r = avoc_set_##name(value, flag);                                                      \
        c.result(r);                                                                               \
        return r;                                                                                  \
    }
#define PLAIN_PAIR(name)                                                                           \
    int w_avoc_get_##name(int *value)                                                              \
    {                                                                                              \
        CallLine c("avoc_get_" #name);                                                             \
        c.word("out");                                                                             \
        int r = avoc_get_##name(value);                                                            \
        c.result(r).out(value_of(value));                                                          \
        return r;                                                                                  \
    }                                                                                              \
    int w_avoc_set_##name(int value)                                                               \
    {                                                                                              \
        CallLine c("avoc_set_" #name);                                                             \
        c.arg(value);                                                                              \
        int r = avoc_set_##name(value);                                                            \
        c.result(r);                                                                               \
        return r;                                                                                  \
    }
#define WB_POINT(points)                                                                           \
    int w_avoc_get_##points##_white_balance_by_interval(int picture, int interval, int component,  \
                                                        int *value)                                \
    {                                                                                              \
        CallLine c("avoc_get_" #points "_white_balance_by_interval");                              \
        c.arg(picture).arg(interval).arg(component).word("out");                                   \
        int r =                                                                                    \
            avoc_get_##points##_white_balance_by_interval(picture, interval, component, value);    \
        c.result(r).out(value_of(value));                                                          \
        return r;                                                                                  \
    }                                                                                              \
    int w_avoc_set_##points##_white_balance_by_interval(int picture, int interval, int component,  \
                                                        int value, int flag)                       \
    {                                                                                              \
        CallLine c("avoc_set_" #points "_white_balance_by_interval");                              \
        c.arg(picture).arg(interval).arg(component).arg(value).arg(flag);                          \
        int r = avoc_set_##points##_white_balance_by_interval(picture, interval, component, value, \
                                                              flag);                               \
        c.result(r);                                                                               \
        return r;                                                                                  \
    }                                                                                              \
    int w_avoc_reset_##points##_white_balance_by_interval(int picture, int interval)               \
    {                                                                                              \
        CallLine c("avoc_reset_" #points "_white_balance_by_interval");                            \
        c.arg(picture).arg(interval);                                                              \
        int r = avoc_reset_##points##_white_balance_by_interval(picture, interval);                \
        c.result(r);                                                                               \
        return r;                                                                                  \
    }

PICTURE_GETTERS(PICTURE_GETTER)
PICTURE_SETTERS(INT_SETTER)
BYTE_SETTERS(BYTE_SETTER)
FLAG_PAIRS(FLAG_PAIR)
PLAIN_PAIRS(PLAIN_PAIR)
WB_POINTS(WB_POINT)

int w_avoc_get_uhd_color_mode(int picture, int port, int *value, int flag)
{
    CallLine c("avoc_get_uhd_color_mode");
    c.arg(picture).hex(static_cast<unsigned>(port)).word("out").arg(flag);
    int r = avoc_get_uhd_color_mode(picture, port, value, flag);
    c.result(r).out(value_of(value));
    return r;
}

int w_avoc_set_uhd_color_mode(int picture, int port, int value, int flag)
{
    CallLine c("avoc_set_uhd_color_mode");
    c.arg(picture).hex(static_cast<unsigned>(port)).arg(value).arg(flag);
    int r = avoc_set_uhd_color_mode(picture, port, value, flag);
    c.result(r);
    return r;
}

int w_avoc_get_color_space_custom_rgb(int picture, int color, avoc_rgb_s *rgb)
{
    CallLine c("avoc_get_color_space_custom_rgb");
    c.arg(picture).arg(color).word("out");
    int r = avoc_get_color_space_custom_rgb(picture, color, rgb);
    c.result(r);
    if (rgb)
        c.out(rgb->red).out(rgb->green).out(rgb->blue);
    return r;
}

int w_avoc_set_color_space_custom_rgb(int picture, int color, avoc_rgb_s *rgb)
{
    CallLine c("avoc_set_color_space_custom_rgb");
    c.arg(picture).arg(color);
    if (rgb)
        c.raw("{" + std::to_string(rgb->red) + ", " + std::to_string(rgb->green) + ", " +
              std::to_string(rgb->blue) + "}");
    int r = avoc_set_color_space_custom_rgb(picture, color, rgb);
    c.result(r);
    return r;
}

int w_avoc_get_color_space_hsl(int picture, int color, avoc_hsl_s *hsl, int flag)
{
    CallLine c("avoc_get_color_space_hsl");
    c.arg(picture).arg(color).word("out").arg(flag);
    int r = avoc_get_color_space_hsl(picture, color, hsl, flag);
    c.result(r);
    if (hsl)
        c.out(hsl->hue).out(hsl->saturation).out(hsl->lightness);
    return r;
}

int w_avoc_set_color_space_hsl(int picture, int color, int hue, int saturation, int lightness,
                               int flag)
{
    CallLine c("avoc_set_color_space_hsl");
    c.arg(picture).arg(color).arg(hue).arg(saturation).arg(lightness).arg(flag);
    int r = avoc_set_color_space_hsl(picture, color, hue, saturation, lightness, flag);
    c.result(r);
    return r;
}

int w_avoc_reset_white_balance(int picture)
{
    CallLine c("avoc_reset_white_balance");
    c.arg(picture);
    int r = avoc_reset_white_balance(picture);
    c.result(r);
    return r;
}

int w_avoc_reset_color_space(int picture, int color)
{
    CallLine c("avoc_reset_color_space");
    c.arg(picture).arg(color);
    int r = avoc_reset_color_space(picture, color);
    c.result(r);
    return r;
}

int w_avoc_reset_picture(int picture)
{
    CallLine c("avoc_reset_picture");
    c.arg(picture);
    int r = avoc_reset_picture(picture);
    c.result(r);
    return r;
}

// ---- key-value store, system information, applications, power ---------------

int w_vconf_get_int(const char *key, int *value)
{
    CallLine c("vconf_get_int");
    c.text(key).word("out");
    int r = vconf_get_int(key, value);
    c.result(r).out(value_of(value));
    return r;
}

int w_vconf_set_int(const char *key, int value)
{
    CallLine c("vconf_set_int");
    c.text(key).arg(value);
    int r = vconf_set_int(key, value);
    c.result(r);
    return r;
}

char *w_vconf_get_str(const char *key)
{
    CallLine c("vconf_get_str");
    c.text(key);
    char *r = vconf_get_str(key);
    c.result_text(r);
    return r;
}

int w_vconf_set_str(const char *key, const char *value)
{
    CallLine c("vconf_set_str");
    c.text(key).text(value);
    int r = vconf_set_str(key, value);
    c.result(r);
    return r;
}

int w_system_info_get_value_bool(system_info_key_e key, bool *value)
{
    CallLine c("system_info_get_value_bool");
    c.arg(key).word("out");
    int r = system_info_get_value_bool(key, value);
    c.result(r).out(value && *value ? 1 : 0);
    return r;
}

int w_system_info_get_value_int(system_info_key_e key, int *value)
{
    CallLine c("system_info_get_value_int");
    c.arg(key).word("out");
    int r = system_info_get_value_int(key, value);
    c.result(r).out(value_of(value));
    return r;
}

int w_app_control_create(app_control_h *handle)
{
    CallLine c("app_control_create");
    c.word("out");
    int r = app_control_create(handle);
    c.result(r).out_object(handle && *handle);
    return r;
}

int w_app_control_set_app_id(app_control_h handle, const char *app_id)
{
    CallLine c("app_control_set_app_id");
    c.word("handle").text(app_id);
    int r = app_control_set_app_id(handle, app_id);
    c.result(r);
    return r;
}

int w_app_control_add_extra_data(app_control_h handle, const char *key, const char *value)
{
    CallLine c("app_control_add_extra_data");
    c.word("handle").text(key).text(value);
    int r = app_control_add_extra_data(handle, key, value);
    c.result(r);
    return r;
}

int w_app_control_send_launch_request(app_control_h handle, app_control_reply_cb callback,
                                      void *user_data)
{
    CallLine c("app_control_send_launch_request");
    c.word("handle").word(callback ? "callback" : "null").word(user_data ? "data" : "null");
    int r = app_control_send_launch_request(handle, callback, user_data);
    c.result(r);
    return r;
}

int w_app_control_destroy(app_control_h handle)
{
    CallLine c("app_control_destroy");
    c.word("handle");
    int r = app_control_destroy(handle);
    c.result(r);
    return r;
}

int w_app_context_manager_init()
{
    CallLine c("app_context_manager_init");
    int r = app_context_manager_init();
    c.result(r);
    return r;
}

int w_app_context_manager_check_visible(char *app_id, int reserved1, int reserved2, int *visible)
{
    CallLine c("app_context_manager_check_visible");
    c.text(app_id).arg(reserved1).arg(reserved2).word("out");
    int r = app_context_manager_check_visible(app_id, reserved1, reserved2, visible);
    c.result(r).out(value_of(visible));
    return r;
}

int w_app_context_manager_fini()
{
    CallLine c("app_context_manager_fini");
    int r = app_context_manager_fini();
    c.result(r);
    return r;
}

int w_device_power_set_state(int state, int flag)
{
    CallLine c("device_power_set_state");
    c.arg(state).arg(flag);
    int r = device_power_set_state(state, flag);
    c.result(r);
    return r;
}

// The line is formatted here and handed on whole, so the platform log shows
// the same text.
__attribute__((format(printf, 4, 5))) int w_dlog_print(log_id_t log_id, int prio, const char *tag,
                                                       const char *fmt, ...)
{
    char buffer[1024];
    va_list args;
    va_start(args, fmt);
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(buffer, sizeof buffer, fmt, args);
    va_end(args);
    std::string text;
    if (n >= static_cast<int>(sizeof buffer)) {
        text.resize(static_cast<std::size_t>(n));
        std::vsnprintf(text.data(), text.size() + 1, fmt, copy);
    } else if (n > 0) {
        text = buffer;
    }
    va_end(copy);
    if (recording())
        write_line("log: " + std::to_string(prio) + " " + recording::quote(tag) + " " +
                   recording::quote(text));
    return __dlog_print(log_id, prio, tag, "%s", text.c_str());
}

#define ROW(name) {reinterpret_cast<void *>(w_##name), reinterpret_cast<void *>(name)},
#define GETTER_ROW(name) ROW(avoc_get_##name)
#define SETTER_ROW(name) ROW(avoc_set_##name)
#define PAIR_ROWS(name) GETTER_ROW(name) SETTER_ROW(name)
#define WB_ROWS(points)                                                                            \
    ROW(avoc_get_##points##_white_balance_by_interval)                                             \
    ROW(avoc_set_##points##_white_balance_by_interval)                                             \
    ROW(avoc_reset_##points##_white_balance_by_interval)

const Wrapper kCWrappers[] = {
    PICTURE_GETTERS(GETTER_ROW) PICTURE_SETTERS(SETTER_ROW) BYTE_SETTERS(SETTER_ROW) FLAG_PAIRS(
        PAIR_ROWS) PLAIN_PAIRS(PAIR_ROWS) WB_POINTS(WB_ROWS) ROW(avoc_get_uhd_color_mode)
        ROW(avoc_set_uhd_color_mode) ROW(avoc_get_color_space_custom_rgb)
            ROW(avoc_set_color_space_custom_rgb) ROW(avoc_get_color_space_hsl) ROW(
                avoc_set_color_space_hsl) ROW(avoc_reset_white_balance) ROW(avoc_reset_color_space)
                ROW(avoc_reset_picture) ROW(vconf_get_int) ROW(vconf_set_int) ROW(vconf_get_str)
                    ROW(vconf_set_str) ROW(system_info_get_value_bool)
                        ROW(system_info_get_value_int) ROW(app_control_create)
                            ROW(app_control_set_app_id) ROW(app_control_add_extra_data)
                                ROW(app_control_send_launch_request) ROW(app_control_destroy) ROW(
                                    app_context_manager_init) ROW(app_context_manager_check_visible)
                                    ROW(app_context_manager_fini) ROW(device_power_set_state){
                                        reinterpret_cast<void *>(w_dlog_print),
                                        reinterpret_cast<void *>(__dlog_print)},
};

}  // namespace

std::vector<Wrapper> c_wrappers()
{
    return {std::begin(kCWrappers), std::end(kCWrappers)};
}

}  // namespace recorder
