// The second platform: every function of the platform headers, answering from
// other::answers() and journaling its name. The TV service hands out no
// objects, so the picture size and PIP paths fail at their first call here.
#include "other_platform.h"

#include <cstdarg>
#include <cstring>

#include "app_control.h"
#include "avoc.h"
#include "device_power.h"
#include "dlog.h"
#include "menu_util.h"
#include "system_info.h"
#include "tv_service.h"
#include "vconf.h"

#define EXPORT OTHER_PLATFORM_EXPORT

namespace other {

std::map<std::string, int> &answers()
{
    static std::map<std::string, int> a;
    return a;
}

std::map<std::string, int> &written()
{
    static std::map<std::string, int> w;
    return w;
}

std::vector<std::string> &calls()
{
    static std::vector<std::string> c;
    return c;
}

void reset()
{
    answers().clear();
    written().clear();
    calls().clear();
}

}  // namespace other

namespace {

// Journals the call and gives the answer for `name`, or fails.
template <typename T> int answer(const char *name, T *out)
{
    other::calls().emplace_back(name);
    auto found = other::answers().find(name);
    if (found == other::answers().end())
        return other::kFailure;
    if (out)
        *out = static_cast<T>(found->second);
    return 0;
}

int store(const char *name, int value)
{
    other::calls().emplace_back(name);
    other::written()[name] = value;
    return 0;
}

int journal(const char *name, int result = 0)
{
    other::calls().emplace_back(name);
    return result;
}

}  // namespace

// ---- output control: one line per shape of signature ---------------------------
// clang-format off
#define PICTURE_SETTINGS(X)                                                          \
    X(dynamic_contrast) X(black_tone) X(flesh_tone) X(rgb_only_mode) X(color_space)   \
    X(color_space_config) X(10p_white_balance) X(20p_white_balance) X(gamma)          \
    X(black_enhancer) X(color_tone_mode) X(digital_clean_view) X(MPEG_noise_filter)   \
    X(hdmi_black_level) X(film_mode) X(auto_motion_plus) X(led_clear_motion)          \
    X(smart_led) X(cinema_black)
#define FLAG_SETTINGS(X) X(gamma_config) X(hdr_plus_mode) X(10p_white_balance_interval) \
    X(20p_white_balance_interval)
#define PLAIN_SETTINGS(X) X(color_gamut) X(senior_mode)
// clang-format on

#define PICTURE_GETTER(name)                                                                       \
    extern "C" EXPORT int avoc_get_##name(int, int *out, int)                                      \
    {                                                                                              \
        return answer(__func__, out);                                                              \
    }
#define PICTURE_SETTER(name)                                                                       \
    extern "C" EXPORT int avoc_set_##name(int, int v, int)                                         \
    {                                                                                              \
        return store(__func__, v);                                                                 \
    }
#define PICTURE_PAIR(name) PICTURE_GETTER(name) PICTURE_SETTER(name)
PICTURE_SETTINGS(PICTURE_PAIR)
PICTURE_GETTER(blur_reduction)
PICTURE_GETTER(juddler_reduction)
PICTURE_GETTER(cinema_black_by_value)
PICTURE_GETTER(picture_mode)
PICTURE_SETTER(black_optimizer)
extern "C" EXPORT int avoc_set_blur_reduction(int, unsigned char v, int)
{
    return store(__func__, v);
}
extern "C" EXPORT int avoc_set_juddler_reduction(int, unsigned char v, int)
{
    return store(__func__, v);
}

#define FLAG_PAIR(name)                                                                            \
    extern "C" EXPORT int avoc_get_##name(int *out, int)                                           \
    {                                                                                              \
        return answer(__func__, out);                                                              \
    }                                                                                              \
    extern "C" EXPORT int avoc_set_##name(int v, int)                                              \
    {                                                                                              \
        return store(__func__, v);                                                                 \
    }
FLAG_SETTINGS(FLAG_PAIR)

#define PLAIN_PAIR(name)                                                                           \
    extern "C" EXPORT int avoc_get_##name(int *out)                                                \
    {                                                                                              \
        return answer(__func__, out);                                                              \
    }                                                                                              \
    extern "C" EXPORT int avoc_set_##name(int v)                                                   \
    {                                                                                              \
        return store(__func__, v);                                                                 \
    }
PLAIN_SETTINGS(PLAIN_PAIR)

extern "C" EXPORT int avoc_get_uhd_color_mode(int, int, int *out, int)
{
    return answer(__func__, out);
}
extern "C" EXPORT int avoc_set_uhd_color_mode(int, int, int v, int)
{
    return store(__func__, v);
}

#define BY_INTERVAL(points)                                                                        \
    extern "C" EXPORT int avoc_get_##points##_white_balance_by_interval(int, int, int, int *out)   \
    {                                                                                              \
        return answer(__func__, out);                                                              \
    }                                                                                              \
    extern "C" EXPORT int avoc_set_##points##_white_balance_by_interval(int, int, int, int v, int) \
    {                                                                                              \
        return store(__func__, v);                                                                 \
    }                                                                                              \
    extern "C" EXPORT int avoc_reset_##points##_white_balance_by_interval(int, int)                \
    {                                                                                              \
        return journal(__func__);                                                                  \
    }
BY_INTERVAL(10p)
BY_INTERVAL(20p)

extern "C" EXPORT int avoc_get_color_space_custom_rgb(int, int, avoc_rgb_s *)
{
    return journal(__func__, other::kFailure);
}
extern "C" EXPORT int avoc_set_color_space_custom_rgb(int, int, avoc_rgb_s *)
{
    return journal(__func__);
}
extern "C" EXPORT int avoc_get_color_space_hsl(int, int, avoc_hsl_s *, int)
{
    return journal(__func__, other::kFailure);
}
extern "C" EXPORT int avoc_set_color_space_hsl(int, int, int, int, int, int)
{
    return journal(__func__);
}
extern "C" EXPORT int avoc_reset_white_balance(int)
{
    return journal(__func__);
}
extern "C" EXPORT int avoc_reset_color_space(int, int)
{
    return journal(__func__);
}
extern "C" EXPORT int avoc_reset_picture(int)
{
    return journal(__func__);
}

// ---- the other C services ------------------------------------------------------

extern "C" EXPORT int __dlog_print(log_id_t, int, const char *, const char *, ...)
{
    return journal(__func__);
}

extern "C" EXPORT int vconf_get_int(const char *key, int *value)
{
    return answer(key, value);
}
extern "C" EXPORT int vconf_set_int(const char *key, int value)
{
    return store(key, value);
}
extern "C" EXPORT char *vconf_get_str(const char *key)
{
    journal(key);
    return nullptr;
}
extern "C" EXPORT int vconf_set_str(const char *key, const char *)
{
    return journal(key);
}

extern "C" EXPORT int system_info_get_value_bool(system_info_key_e, bool *value)
{
    return answer(__func__, value);
}
extern "C" EXPORT int system_info_get_value_int(system_info_key_e, int *value)
{
    return answer(__func__, value);
}

extern "C" EXPORT int device_power_set_state(int state, int)
{
    return store(__func__, state);
}

extern "C" EXPORT int app_control_create(app_control_h *handle)
{
    *handle = nullptr;
    return journal(__func__, other::kFailure);
}
extern "C" EXPORT int app_control_set_app_id(app_control_h, const char *)
{
    return journal(__func__);
}
extern "C" EXPORT int app_control_add_extra_data(app_control_h, const char *, const char *)
{
    return journal(__func__);
}
extern "C" EXPORT int app_control_send_launch_request(app_control_h, app_control_reply_cb, void *)
{
    return journal(__func__);
}
extern "C" EXPORT int app_control_destroy(app_control_h)
{
    return journal(__func__);
}
extern "C" EXPORT int app_context_manager_init(void)
{
    return journal(__func__);
}
extern "C" EXPORT int app_context_manager_check_visible(char *, int, int, int *visible)
{
    return answer(__func__, visible);
}
extern "C" EXPORT int app_context_manager_fini(void)
{
    return journal(__func__);
}
