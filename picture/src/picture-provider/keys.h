// Setting keys and their ids.
#pragma once

#include "picture_keys.h"

namespace picture {

enum class KeyId : int {
    PictureSizeMode = 0,
    PictureSizeEntry = 1,
    PictureSizeVideoPlayer = 2,
    PipAntenna = 3,
    PipSize = 4,
    PipPosition = 5,
    PipSource = 6,
    DynamicContrast = 7,
    BlackTone = 8,
    FleshTone = 9,
    RgbOnlyMode = 10,
    ColorSpaceMode = 11,
    ColorSpaceGamut = 12,
    ColorSpaceColor = 13,
    ColorSpaceRed = 14,
    ColorSpaceGreen = 15,
    ColorSpaceBlue = 16,
    ColorSpaceHue = 17,
    ColorSpaceSaturation = 18,
    ColorSpaceLightness = 19,
    ColorSpaceReset = 20,
    WhiteBalanceReset = 21,
    WhiteBalance10pMode = 22,
    WhiteBalance10pInterval = 23,
    WhiteBalance10pRed = 24,
    WhiteBalance10pGreen = 25,
    WhiteBalance10pBlue = 26,
    WhiteBalance10pReset = 27,
    WhiteBalance20pMode = 28,
    WhiteBalance20pInterval = 29,
    WhiteBalance20pRed = 30,
    WhiteBalance20pGreen = 31,
    WhiteBalance20pBlue = 32,
    WhiteBalance20pReset = 33,
    Gamma = 34,
    GammaConfig = 35,
    GammaValue = 36,
    XvYcc = 37,
    BlackEnhancer = 38,
    ColorTone = 39,
    DigitalCleanView = 40,
    MpegNoiseFilter = 41,
    HdmiBlackLevel = 42,
    UhdColorHdmi1 = 43,
    UhdColorHdmi2 = 44,
    UhdColorHdmi3 = 45,
    UhdColorHdmi4 = 46,
    UhdColorHdmi5 = 47,
    FilmMode = 48,
    AutoMotionPlusMode = 49,
    BlurReduction = 50,
    JudderReduction = 51,
    LedClearMotion = 52,
    MotionJudderCanceller = 53,
    AnalogCleanView = 54,
    SmartLed = 55,
    CinemaBlack = 56,
    BlackOptimizer = 57,
    PictureOff = 58,
    PictureReset = 59,
    PipSoundSelect = 60,
    PictureSize43 = 61,
    AutoWide = 62,
    ScreenFit = 63,
    ScreenFitMediaPlayer = 64,
    PositionMediaPlayer = 65,
    WideMode219 = 66,
    WideMode219Photo = 67,
    Panorama = 68,
    SeniorMode = 69,
    HdrPlus = 70,
};

constexpr int kKeyCount = 71;

// The key outside the key table, known to the string and list operations.
constexpr const char *kPipChannelKey = PICTURE_PIP_CHANNEL_KEY;

struct KeyRow {
    const char *key;
    KeyId id;
};

// Key id of an exactly matching key, or -1. Logs the table size, as the
// integer operations and the label do.
int _find_type(const char *key);

// The same lookup without the log line, for the list and help operations.
int find_key(const char *key);

}  // namespace picture
