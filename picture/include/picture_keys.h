/* The setting keys of the picture provider, for hosts and tests: every key
 * that the integer operations know, in the provider's lookup order, and the
 * PIP channel key that only the string and list operations know.
 *
 * PICTURE_SETTING_KEYS(KEY) expands KEY(Name, "key") once per key; Name is
 * the key's name inside the provider, and its position here the key's id. */
#ifndef PICTURE_KEYS_H
#define PICTURE_KEYS_H

// clang-format off
#define PICTURE_SETTING_KEYS(KEY) \
    KEY(PictureSizeMode,         "menu/picture/picturesize/mode") \
    KEY(PictureSizeEntry,        "menu/picture/picturesize/entry") \
    KEY(PictureSizeVideoPlayer,  "menu/picture/picturesize/picturesize-mode-video") \
    KEY(PictureSize43,           "menu/picture/picturesize/43picturesize") \
    KEY(AutoWide,                "menu/picture/picturesize/autowide") \
    KEY(ScreenFit,               "menu/picture/picturesize/screenfit") \
    KEY(ScreenFitMediaPlayer,    "menu/picture/picturesize/screenfit-mm") \
    KEY(PositionMediaPlayer,     "menu/picture/picturesize/position-mm") \
    KEY(WideMode219,             "menu/picture/picturesize/219wide_mode") \
    KEY(WideMode219Photo,        "menu/picture/picturesize/219wide_mode_photo") \
    KEY(Panorama,                "menu/picture/picturesize/panorama") \
    KEY(PipAntenna,              "menu/picture/pip/antenna") \
    KEY(PipSize,                 "menu/picture/pip/pipsize") \
    KEY(PipPosition,             "menu/picture/pip/pippos") \
    KEY(PipSource,               "db/menu/picture/pip/source") \
    KEY(DynamicContrast,         "menu/picture/advanced-settings/dynamic-contrast") \
    KEY(BlackTone,               "menu/picture/advanced-settings/black-tone") \
    KEY(FleshTone,               "menu/picture/advanced-settings/flesh-tone") \
    KEY(RgbOnlyMode,             "menu/picture/advanced-settings/rgb-onlymode") \
    KEY(ColorSpaceMode,          "menu/picture/advanced-settings/color-space/mode") \
    KEY(ColorSpaceGamut,         "menu/picture/advanced-settings/color-space/gamut") \
    KEY(ColorSpaceColor,         "menu/picture/advanced-settings/color-space/color") \
    KEY(ColorSpaceRed,           "menu/picture/advanced-settings/color-space/red") \
    KEY(ColorSpaceGreen,         "menu/picture/advanced-settings/color-space/green") \
    KEY(ColorSpaceBlue,          "menu/picture/advanced-settings/color-space/blue") \
    KEY(ColorSpaceHue,           "menu/picture/advanced-settings/color-space/hue") \
    KEY(ColorSpaceSaturation,    "menu/picture/advanced-settings/color-space/saturation") \
    KEY(ColorSpaceLightness,     "menu/picture/advanced-settings/color-space/lightness") \
    KEY(ColorSpaceReset,         "menu/picture/advanced-settings/color-space/reset") \
    KEY(WhiteBalanceReset,       "menu/picture/advanced-settings/white-balance/reset") \
    KEY(WhiteBalance10pMode,     "menu/picture/advanced-settings/10p-white-balance/mode") \
    KEY(WhiteBalance10pInterval, "menu/picture/advanced-settings/10p-white-balance/interval") \
    KEY(WhiteBalance10pRed,      "menu/picture/advanced-settings/10p-white-balance/red") \
    KEY(WhiteBalance10pGreen,    "menu/picture/advanced-settings/10p-white-balance/green") \
    KEY(WhiteBalance10pBlue,     "menu/picture/advanced-settings/10p-white-balance/blue") \
    KEY(WhiteBalance10pReset,    "menu/picture/advanced-settings/10p-white-balance/reset") \
    KEY(WhiteBalance20pMode,     "menu/picture/advanced-settings/20p-white-balance/mode") \
    KEY(WhiteBalance20pInterval, "menu/picture/advanced-settings/20p-white-balance/interval") \
    KEY(WhiteBalance20pRed,      "menu/picture/advanced-settings/20p-white-balance/red") \
    KEY(WhiteBalance20pGreen,    "menu/picture/advanced-settings/20p-white-balance/green") \
    KEY(WhiteBalance20pBlue,     "menu/picture/advanced-settings/20p-white-balance/blue") \
    KEY(WhiteBalance20pReset,    "menu/picture/advanced-settings/20p-white-balance/reset") \
    KEY(Gamma,                   "menu/picture/advanced-settings/gamma") \
    KEY(GammaConfig,             "menu/picture/advanced-settings/org-gamma") \
    KEY(GammaValue,              "menu/picture/advanced-settings/org-value-gamma") \
    KEY(XvYcc,                   "menu/picture/advanced-settings/xvYCC") \
    KEY(BlackEnhancer,           "menu/picture/advanced-settings/black-enhance") \
    KEY(ColorTone,               "menu/picture/picture-options/color-tone") \
    KEY(DigitalCleanView,        "menu/picture/picture-options/digital-cleanview") \
    KEY(MpegNoiseFilter,         "menu/picture/picture-options/mpeg-noise-filter") \
    KEY(HdmiBlackLevel,          "menu/picture/picture-options/hdmi-black-level") \
    KEY(UhdColorHdmi1,           "menu/picture/picture-options/uhdcolorhdmi1") \
    KEY(UhdColorHdmi2,           "menu/picture/picture-options/uhdcolorhdmi2") \
    KEY(UhdColorHdmi3,           "menu/picture/picture-options/uhdcolorhdmi3") \
    KEY(UhdColorHdmi4,           "menu/picture/picture-options/uhdcolorhdmi4") \
    KEY(UhdColorHdmi5,           "menu/picture/picture-options/uhdcolorhdmi5") \
    KEY(FilmMode,                "menu/picture/picture-options/film-mode") \
    KEY(AutoMotionPlusMode,      "menu/picture/picture-options/auto-motion-plus/mode") \
    KEY(BlurReduction,           "menu/picture/picture-options/auto-motion-plus/blur-reduction") \
    KEY(JudderReduction,         "menu/picture/picture-options/auto-motion-plus/judder-reduction") \
    KEY(LedClearMotion,          "menu/picture/picture-options/auto-motion-plus/led-clear-motion") \
    KEY(MotionJudderCanceller,   "menu/picture/picture-options/motion-judder-canceller") \
    KEY(AnalogCleanView,         "menu/picture/picture-options/analog-clean-view") \
    KEY(SmartLed,                "menu/picture/picture-options/smart-led") \
    KEY(CinemaBlack,             "menu/picture/picture-options/cinema-black") \
    KEY(BlackOptimizer,          "menu/picture/picture-options/black-optimizer") \
    KEY(PictureOff,              "menu/picture/pictureoff") \
    KEY(PictureReset,            "menu/picture/reset") \
    KEY(PipSoundSelect,          "menu/picture/pip/pipss") \
    KEY(SeniorMode,              "menu/picture/senior-mode") \
    KEY(HdrPlus,                 "menu/picture/expert-settings/hdrplus")
// clang-format on

#define PICTURE_PIP_CHANNEL_KEY "menu/picture/pip/channel"

/* Positions in picture_setting_keys, named after the keys. */
#define PICTURE_SETTING_KEY_POSITION(name, key) PICTURE_KEY_##name,
enum picture_setting_key {
    PICTURE_SETTING_KEYS(PICTURE_SETTING_KEY_POSITION) PICTURE_SETTING_KEY_COUNT
};
#undef PICTURE_SETTING_KEY_POSITION

#ifdef __cplusplus
#define PICTURE_KEYS_CONSTANT constexpr
#else
#define PICTURE_KEYS_CONSTANT
#endif

#define PICTURE_SETTING_KEY_STRING(name, key) key,
static PICTURE_KEYS_CONSTANT const char *const picture_setting_keys[PICTURE_SETTING_KEY_COUNT] = {
    PICTURE_SETTING_KEYS(PICTURE_SETTING_KEY_STRING)};
#undef PICTURE_SETTING_KEY_STRING

#endif
