// AV output control library: holds the picture quality values.
//
// Every function returns 0 on success and anything else on failure. The first
// argument of most functions names the picture (always 0, the main picture);
// `flag` is 1 for a committed set and for every get, 0 for a preview.
#pragma once

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

/* (picture, out, flag) getters and (picture, value, flag) setters */
int avoc_get_dynamic_contrast(int picture, int *value, int flag);
int avoc_set_dynamic_contrast(int picture, int value, int flag);
int avoc_get_black_tone(int picture, int *value, int flag);
int avoc_set_black_tone(int picture, int value, int flag);
int avoc_get_flesh_tone(int picture, int *value, int flag);
int avoc_set_flesh_tone(int picture, int value, int flag);
int avoc_get_rgb_only_mode(int picture, int *value, int flag);
int avoc_set_rgb_only_mode(int picture, int value, int flag);
int avoc_get_color_space(int picture, int *value, int flag);
int avoc_set_color_space(int picture, int value, int flag);
int avoc_get_color_space_config(int picture, int *value, int flag);
int avoc_set_color_space_config(int picture, int value, int flag);
int avoc_get_10p_white_balance(int picture, int *value, int flag);
int avoc_set_10p_white_balance(int picture, int value, int flag);
int avoc_get_20p_white_balance(int picture, int *value, int flag);
int avoc_set_20p_white_balance(int picture, int value, int flag);
int avoc_get_gamma(int picture, int *value, int flag);
int avoc_set_gamma(int picture, int value, int flag);
int avoc_get_black_enhancer(int picture, int *value, int flag);
int avoc_set_black_enhancer(int picture, int value, int flag);
int avoc_get_color_tone_mode(int picture, int *value, int flag);
int avoc_set_color_tone_mode(int picture, int value, int flag);
int avoc_get_digital_clean_view(int picture, int *value, int flag);
int avoc_set_digital_clean_view(int picture, int value, int flag);
int avoc_get_MPEG_noise_filter(int picture, int *value, int flag);
int avoc_set_MPEG_noise_filter(int picture, int value, int flag);
int avoc_get_hdmi_black_level(int picture, int *value, int flag);
int avoc_set_hdmi_black_level(int picture, int value, int flag);
int avoc_get_film_mode(int picture, int *value, int flag);
int avoc_set_film_mode(int picture, int value, int flag);
int avoc_get_auto_motion_plus(int picture, int *value, int flag);
int avoc_set_auto_motion_plus(int picture, int value, int flag);
int avoc_get_blur_reduction(int picture, int *value, int flag);
int avoc_set_blur_reduction(int picture, unsigned char value, int flag);
int avoc_get_juddler_reduction(int picture, int *value, int flag);
int avoc_set_juddler_reduction(int picture, unsigned char value, int flag);
int avoc_get_led_clear_motion(int picture, int *value, int flag);
int avoc_set_led_clear_motion(int picture, int value, int flag);
int avoc_get_smart_led(int picture, int *value, int flag);
int avoc_set_smart_led(int picture, int value, int flag);
int avoc_get_cinema_black(int picture, int *value, int flag);
int avoc_set_cinema_black(int picture, int value, int flag);
// The black optimizer is read through the cinema black "by value" getter.
int avoc_get_cinema_black_by_value(int picture, int *value, int flag);
int avoc_set_black_optimizer(int picture, int value, int flag);
int avoc_get_picture_mode(int picture, int *value, int flag);

/* (out, flag) getters and (value, flag) setters */
int avoc_get_gamma_config(int *value, int flag);
int avoc_set_gamma_config(int value, int flag);
int avoc_get_hdr_plus_mode(int *value, int flag);
int avoc_set_hdr_plus_mode(int value, int flag);
int avoc_get_10p_white_balance_interval(int *value, int flag);
int avoc_set_10p_white_balance_interval(int value, int flag);
int avoc_get_20p_white_balance_interval(int *value, int flag);
int avoc_set_20p_white_balance_interval(int value, int flag);

/* single-argument getters and setters */
int avoc_get_color_gamut(int *value);
int avoc_set_color_gamut(int value);
int avoc_get_senior_mode(int *value);
int avoc_set_senior_mode(int value);

/* UHD colour per input */
int avoc_get_uhd_color_mode(int picture, int port, int *value, int flag);
int avoc_set_uhd_color_mode(int picture, int port, int value, int flag);

/* multi-point white balance, addressed by interval and component */
int avoc_get_10p_white_balance_by_interval(int picture, int interval, int component, int *value);
int avoc_set_10p_white_balance_by_interval(int picture, int interval, int component, int value,
                                           int flag);
int avoc_get_20p_white_balance_by_interval(int picture, int interval, int component, int *value);
int avoc_set_20p_white_balance_by_interval(int picture, int interval, int component, int value,
                                           int flag);

/* colour space records of one colour */
int avoc_get_color_space_custom_rgb(int picture, int color, avoc_rgb_s *rgb);
int avoc_set_color_space_custom_rgb(int picture, int color, avoc_rgb_s *rgb);
int avoc_get_color_space_hsl(int picture, int color, avoc_hsl_s *hsl, int flag);
int avoc_set_color_space_hsl(int picture, int color, int hue, int saturation, int lightness,
                             int flag);

/* resets */
int avoc_reset_white_balance(int picture);
int avoc_reset_color_space(int picture, int color);
int avoc_reset_10p_white_balance_by_interval(int picture, int interval);
int avoc_reset_20p_white_balance_by_interval(int picture, int interval);
int avoc_reset_picture(int picture);

#ifdef __cplusplus
}
#endif
