// AV output control library: holds the picture quality values.
//
// Every function returns 0 on success and anything else on failure. The first
// argument of most functions names the picture (always 0, the main picture);
// `flag` is 1 for a committed set and for every get, 0 for a preview.
#pragma once

#include "platform_rows.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct {
    unsigned char red;
    unsigned char green;
    unsigned char blue;
} avoc_rgb_s;

typedef struct {
    int hue;
    int saturation;
    int lightness;
} avoc_hsl_s;

// UHD colour inputs.
enum {
    AVOC_PORT_HDMI1 = 0x80001,
    AVOC_PORT_HDMI2 = 0x80002,
    AVOC_PORT_HDMI3 = 0x80003,
    AVOC_PORT_HDMI4 = 0x80004,
    AVOC_PORT_DP = 0xA0000,
};

// White balance components of the by-interval functions.
enum { AVOC_WB_RED = 0, AVOC_WB_BLUE = 1, AVOC_WB_GREEN = 2 };

// clang-format off
#define PLATFORM_AVOC(X) \
    /* (picture, out, flag) getters and (picture, value, flag) setters */ \
    X(int, avoc_get_dynamic_contrast, (picture, int, picture), (out, int *, value), (flag, int, flag)) \
    X(int, avoc_set_dynamic_contrast, (picture, int, picture), (in, int, value), (flag, int, flag)) \
    X(int, avoc_get_black_tone, (picture, int, picture), (out, int *, value), (flag, int, flag)) \
    X(int, avoc_set_black_tone, (picture, int, picture), (in, int, value), (flag, int, flag)) \
    X(int, avoc_get_flesh_tone, (picture, int, picture), (out, int *, value), (flag, int, flag)) \
    X(int, avoc_set_flesh_tone, (picture, int, picture), (in, int, value), (flag, int, flag)) \
    X(int, avoc_get_rgb_only_mode, (picture, int, picture), (out, int *, value), (flag, int, flag)) \
    X(int, avoc_set_rgb_only_mode, (picture, int, picture), (in, int, value), (flag, int, flag)) \
    X(int, avoc_get_color_space, (picture, int, picture), (out, int *, value), (flag, int, flag)) \
    X(int, avoc_set_color_space, (picture, int, picture), (in, int, value), (flag, int, flag)) \
    X(int, avoc_get_color_space_config, (picture, int, picture), (out, int *, value), (flag, int, flag)) \
    X(int, avoc_set_color_space_config, (picture, int, picture), (in, int, value), (flag, int, flag)) \
    X(int, avoc_get_10p_white_balance, (picture, int, picture), (out, int *, value), (flag, int, flag)) \
    X(int, avoc_set_10p_white_balance, (picture, int, picture), (in, int, value), (flag, int, flag)) \
    X(int, avoc_get_20p_white_balance, (picture, int, picture), (out, int *, value), (flag, int, flag)) \
    X(int, avoc_set_20p_white_balance, (picture, int, picture), (in, int, value), (flag, int, flag)) \
    X(int, avoc_get_gamma, (picture, int, picture), (out, int *, value), (flag, int, flag)) \
    X(int, avoc_set_gamma, (picture, int, picture), (in, int, value), (flag, int, flag)) \
    X(int, avoc_get_black_enhancer, (picture, int, picture), (out, int *, value), (flag, int, flag)) \
    X(int, avoc_set_black_enhancer, (picture, int, picture), (in, int, value), (flag, int, flag)) \
    X(int, avoc_get_color_tone_mode, (picture, int, picture), (out, int *, value), (flag, int, flag)) \
    X(int, avoc_set_color_tone_mode, (picture, int, picture), (in, int, value), (flag, int, flag)) \
    X(int, avoc_get_digital_clean_view, (picture, int, picture), (out, int *, value), (flag, int, flag)) \
    X(int, avoc_set_digital_clean_view, (picture, int, picture), (in, int, value), (flag, int, flag)) \
    X(int, avoc_get_MPEG_noise_filter, (picture, int, picture), (out, int *, value), (flag, int, flag)) \
    X(int, avoc_set_MPEG_noise_filter, (picture, int, picture), (in, int, value), (flag, int, flag)) \
    X(int, avoc_get_hdmi_black_level, (picture, int, picture), (out, int *, value), (flag, int, flag)) \
    X(int, avoc_set_hdmi_black_level, (picture, int, picture), (in, int, value), (flag, int, flag)) \
    X(int, avoc_get_film_mode, (picture, int, picture), (out, int *, value), (flag, int, flag)) \
    X(int, avoc_set_film_mode, (picture, int, picture), (in, int, value), (flag, int, flag)) \
    X(int, avoc_get_auto_motion_plus, (picture, int, picture), (out, int *, value), (flag, int, flag)) \
    X(int, avoc_set_auto_motion_plus, (picture, int, picture), (in, int, value), (flag, int, flag)) \
    X(int, avoc_get_blur_reduction, (picture, int, picture), (out, int *, value), (flag, int, flag)) \
    X(int, avoc_set_blur_reduction, (picture, int, picture), (in, unsigned char, value), (flag, int, flag)) \
    X(int, avoc_get_juddler_reduction, (picture, int, picture), (out, int *, value), (flag, int, flag)) \
    X(int, avoc_set_juddler_reduction, (picture, int, picture), (in, unsigned char, value), (flag, int, flag)) \
    X(int, avoc_get_led_clear_motion, (picture, int, picture), (out, int *, value), (flag, int, flag)) \
    X(int, avoc_set_led_clear_motion, (picture, int, picture), (in, int, value), (flag, int, flag)) \
    X(int, avoc_get_smart_led, (picture, int, picture), (out, int *, value), (flag, int, flag)) \
    X(int, avoc_set_smart_led, (picture, int, picture), (in, int, value), (flag, int, flag)) \
    X(int, avoc_get_cinema_black, (picture, int, picture), (out, int *, value), (flag, int, flag)) \
    X(int, avoc_set_cinema_black, (picture, int, picture), (in, int, value), (flag, int, flag)) \
    /* the black optimizer is read through the cinema black "by value" getter */ \
    X(int, avoc_get_cinema_black_by_value, (picture, int, picture), (out, int *, value), (flag, int, flag)) \
    X(int, avoc_set_black_optimizer, (picture, int, picture), (in, int, value), (flag, int, flag)) \
    X(int, avoc_get_picture_mode, (picture, int, picture), (out, int *, value), (flag, int, flag)) \
    /* (out, flag) getters and (value, flag) setters */ \
    X(int, avoc_get_gamma_config, (out, int *, value), (flag, int, flag)) \
    X(int, avoc_set_gamma_config, (in, int, value), (flag, int, flag)) \
    X(int, avoc_get_hdr_plus_mode, (out, int *, value), (flag, int, flag)) \
    X(int, avoc_set_hdr_plus_mode, (in, int, value), (flag, int, flag)) \
    X(int, avoc_get_10p_white_balance_interval, (out, int *, value), (flag, int, flag)) \
    X(int, avoc_set_10p_white_balance_interval, (in, int, value), (flag, int, flag)) \
    X(int, avoc_get_20p_white_balance_interval, (out, int *, value), (flag, int, flag)) \
    X(int, avoc_set_20p_white_balance_interval, (in, int, value), (flag, int, flag)) \
    /* single-argument getters and setters */ \
    X(int, avoc_get_color_gamut, (out, int *, value)) \
    X(int, avoc_set_color_gamut, (in, int, value)) \
    X(int, avoc_get_senior_mode, (out, int *, value)) \
    X(int, avoc_set_senior_mode, (in, int, value)) \
    /* UHD colour per input */ \
    X(int, avoc_get_uhd_color_mode, (picture, int, picture), (hex, int, port), (out, int *, value), (flag, int, flag)) \
    X(int, avoc_set_uhd_color_mode, (picture, int, picture), (hex, int, port), (in, int, value), (flag, int, flag)) \
    /* multi-point white balance, addressed by interval and component */ \
    X(int, avoc_get_10p_white_balance_by_interval, (picture, int, picture), (index, int, interval), (component, int, component), (out, int *, value)) \
    X(int, avoc_set_10p_white_balance_by_interval, (picture, int, picture), (index, int, interval), (component, int, component), (in, int, value), (flag, int, flag)) \
    X(int, avoc_get_20p_white_balance_by_interval, (picture, int, picture), (index, int, interval), (component, int, component), (out, int *, value)) \
    X(int, avoc_set_20p_white_balance_by_interval, (picture, int, picture), (index, int, interval), (component, int, component), (in, int, value), (flag, int, flag)) \
    /* colour space records of one colour */ \
    X(int, avoc_get_color_space_custom_rgb, (picture, int, picture), (index, int, color), (out, avoc_rgb_s *, rgb)) \
    X(int, avoc_set_color_space_custom_rgb, (picture, int, picture), (index, int, color), (in, avoc_rgb_s *, rgb)) \
    X(int, avoc_get_color_space_hsl, (picture, int, picture), (index, int, color), (out, avoc_hsl_s *, hsl), (flag, int, flag)) \
    X(int, avoc_set_color_space_hsl, (picture, int, picture), (index, int, color), (in, int, hue), (in, int, saturation), (in, int, lightness), (flag, int, flag)) \
    /* resets */ \
    X(int, avoc_reset_white_balance, (picture, int, picture)) \
    X(int, avoc_reset_color_space, (picture, int, picture), (index, int, color)) \
    X(int, avoc_reset_10p_white_balance_by_interval, (picture, int, picture), (index, int, interval)) \
    X(int, avoc_reset_20p_white_balance_by_interval, (picture, int, picture), (index, int, interval)) \
    X(int, avoc_reset_picture, (picture, int, picture))
// clang-format on

PLATFORM_AVOC(PLATFORM_DECLARE)

#ifdef __cplusplus
}
#endif
