// How a key's cases plug into get_int, set_int and set_int_pre.
//
// Each family of settings keeps one table of KeyCase rows: everything a key
// does, side by side: its cases for the three integer operations, its list,
// label and help text. A missing case means the operation does not know the
// key (" Unknown key type ", status 1); a missing list, label or help text
// that the key has none of its own.
#pragma once

#include <cstddef>

#include "keys.h"
#include "log.h"

namespace picture {

// What a case hands back to the operation.
struct Outcome {
    int status;           // 0 success; otherwise the exit lines show it and 1 is returned
    bool direct = false;  // leave at once with `status` as the result, no exit lines
    bool shows = false;   // the set exit line shows `shown` instead of the caller's value
    int shown = 0;
};

constexpr Outcome status_of(int status)
{
    return Outcome{status, false};
}

// The case returns `result` to the host itself, skipping the exit lines.
constexpr Outcome direct_result(int result)
{
    return Outcome{result, true};
}

// A set whose case rewrote the value: the exit line shows the rewritten one.
constexpr Outcome status_showing(int status, int shown)
{
    return Outcome{status, false, true, shown};
}

// One request as a case sees it.
struct Request {
    const char *op;  // name of the operation, for the case's log lines
    const char *key;
    bool commit;  // true for get_int and set_int, false for set_int_pre
};

// A case that needs data of its key, such as the library functions of a
// setting, takes it as a template argument of its own type: table_get<kFilmMode>.
using GetCase = Outcome (*)(const Request &request, int *value);
using SetCase = Outcome (*)(const Request &request, int value);
// The list of the key: the items, with their number in *count, or null.
using ListCase = void **(*)(int *count);
// The label's message id: "" for an empty label, null for the placeholder.
using LabelCase = const char *(*)();
// Fills the zeroed buffer with the help text that follows the TV's state;
// false when the state cannot be read and the placeholder applies.
using HelpCase = bool (*)(char *buffer);

struct ValueTable;

// A row names what it has; what it leaves out the key does not have.
struct KeyCase {
    KeyId id;
    GetCase get = nullptr;
    SetCase set = nullptr;
    SetCase preview = nullptr;
    ListCase list = nullptr;
    LabelCase label = nullptr;
    HelpCase help = nullptr;
    // The value table that bounds the menu values, 0 up to its size; null
    // for a key without one.
    const ValueTable *values = nullptr;
};

struct CaseTable {
    const KeyCase *rows;
    std::size_t count;
};

// The keys of each family, in the order of the family's rows. Every key id
// belongs to exactly one family (checked where the rows are gathered).
// clang-format off
inline constexpr KeyId kMotionKeys[] = {
    KeyId::DigitalCleanView, KeyId::MpegNoiseFilter, KeyId::FilmMode, KeyId::AutoMotionPlusMode,
    KeyId::BlurReduction, KeyId::JudderReduction, KeyId::LedClearMotion,
    KeyId::MotionJudderCanceller, KeyId::AnalogCleanView};
inline constexpr KeyId kColorToneKeys[] = {KeyId::ColorTone};
inline constexpr KeyId kBlackLevelKeys[] = {
    KeyId::HdmiBlackLevel, KeyId::SmartLed, KeyId::CinemaBlack, KeyId::BlackOptimizer};
inline constexpr KeyId kUhdColorKeys[] = {
    KeyId::UhdColorHdmi1, KeyId::UhdColorHdmi2, KeyId::UhdColorHdmi3, KeyId::UhdColorHdmi4,
    KeyId::UhdColorHdmi5};
inline constexpr KeyId kColorSpaceKeys[] = {
    KeyId::ColorSpaceMode, KeyId::ColorSpaceGamut, KeyId::ColorSpaceColor, KeyId::ColorSpaceRed,
    KeyId::ColorSpaceGreen, KeyId::ColorSpaceBlue, KeyId::ColorSpaceHue,
    KeyId::ColorSpaceSaturation, KeyId::ColorSpaceLightness, KeyId::ColorSpaceReset};
inline constexpr KeyId kWhiteBalanceKeys[] = {
    KeyId::WhiteBalanceReset, KeyId::WhiteBalance10pMode, KeyId::WhiteBalance10pInterval,
    KeyId::WhiteBalance10pRed, KeyId::WhiteBalance10pGreen, KeyId::WhiteBalance10pBlue,
    KeyId::WhiteBalance10pReset, KeyId::WhiteBalance20pMode, KeyId::WhiteBalance20pInterval,
    KeyId::WhiteBalance20pRed, KeyId::WhiteBalance20pGreen, KeyId::WhiteBalance20pBlue,
    KeyId::WhiteBalance20pReset};
inline constexpr KeyId kContrastKeys[] = {
    KeyId::DynamicContrast, KeyId::BlackTone, KeyId::FleshTone, KeyId::RgbOnlyMode, KeyId::Gamma,
    KeyId::GammaConfig, KeyId::GammaValue, KeyId::XvYcc, KeyId::BlackEnhancer};
inline constexpr KeyId kPictureSizeKeys[] = {
    KeyId::PictureSizeMode, KeyId::PictureSize43, KeyId::AutoWide, KeyId::ScreenFit,
    KeyId::WideMode219};
inline constexpr KeyId kMediaPlayerKeys[] = {
    KeyId::PictureSizeEntry, KeyId::PictureSizeVideoPlayer, KeyId::ScreenFitMediaPlayer,
    KeyId::PositionMediaPlayer, KeyId::WideMode219Photo, KeyId::Panorama};
inline constexpr KeyId kPipKeys[] = {
    KeyId::PipAntenna, KeyId::PipSize, KeyId::PipPosition, KeyId::PipSource,
    KeyId::PipSoundSelect};
inline constexpr KeyId kPictureWideKeys[] = {
    KeyId::PictureOff, KeyId::PictureReset, KeyId::SeniorMode, KeyId::HdrPlus};
// clang-format on

// True when the family's rows are its keys, one row each, in order.
template <std::size_t Rows, std::size_t Keys>
constexpr bool rows_follow(const KeyCase (&rows)[Rows], const KeyId (&keys)[Keys])
{
    if (Rows != Keys)
        return false;
    for (std::size_t i = 0; i < Rows; ++i)
        if (rows[i].id != keys[i])
            return false;
    return true;
}

// Logs a case's line under the name of the operation that runs it.
#define CASE_LOG(request, fmt, ...) PLOG_FROM((request).op, fmt, ##__VA_ARGS__)

// A known key whose case does nothing: -1 without " Unknown key type ".
Outcome no_action_get(const Request &request, int *value);
Outcome no_action_set(const Request &request, int value);

// The families' tables.
extern const CaseTable g_motion_cases;
extern const CaseTable g_color_tone_cases;
extern const CaseTable g_black_level_cases;
extern const CaseTable g_uhd_color_cases;
extern const CaseTable g_color_space_cases;
extern const CaseTable g_white_balance_cases;
extern const CaseTable g_contrast_cases;
extern const CaseTable g_picture_size_cases;
extern const CaseTable g_media_player_cases;
extern const CaseTable g_pip_cases;
extern const CaseTable g_picture_wide_cases;

// The row of a key id, or null for an id outside the key table.
const KeyCase *find_case(int id);

}  // namespace picture
