// The key table: every setting key with its id, in lookup order.
#pragma once

#include <iterator>

#include "keys.h"

namespace picture {

// clang-format off
inline constexpr KeyRow g_keyitemmap[] = {
    {"menu/picture/picturesize/mode",                                  KeyId::PictureSizeMode},
    {"menu/picture/picturesize/entry",                                 KeyId::PictureSizeEntry},
    {"menu/picture/picturesize/picturesize-mode-video",                KeyId::PictureSizeVideoPlayer},
    {"menu/picture/picturesize/43picturesize",                         KeyId::PictureSize43},
    {"menu/picture/picturesize/autowide",                              KeyId::AutoWide},
    {"menu/picture/picturesize/screenfit",                             KeyId::ScreenFit},
    {"menu/picture/picturesize/screenfit-mm",                          KeyId::ScreenFitMediaPlayer},
    {"menu/picture/picturesize/position-mm",                           KeyId::PositionMediaPlayer},
    {"menu/picture/picturesize/219wide_mode",                          KeyId::WideMode219},
    {"menu/picture/picturesize/219wide_mode_photo",                    KeyId::WideMode219Photo},
    {"menu/picture/picturesize/panorama",                              KeyId::Panorama},
    {"menu/picture/pip/antenna",                                       KeyId::PipAntenna},
    {"menu/picture/pip/pipsize",                                       KeyId::PipSize},
    {"menu/picture/pip/pippos",                                        KeyId::PipPosition},
    {"db/menu/picture/pip/source",                                     KeyId::PipSource},
    {"menu/picture/advanced-settings/dynamic-contrast",                KeyId::DynamicContrast},
    {"menu/picture/advanced-settings/black-tone",                      KeyId::BlackTone},
    {"menu/picture/advanced-settings/flesh-tone",                      KeyId::FleshTone},
    {"menu/picture/advanced-settings/rgb-onlymode",                    KeyId::RgbOnlyMode},
    {"menu/picture/advanced-settings/color-space/mode",                KeyId::ColorSpaceMode},
    {"menu/picture/advanced-settings/color-space/gamut",               KeyId::ColorSpaceGamut},
    {"menu/picture/advanced-settings/color-space/color",               KeyId::ColorSpaceColor},
    {"menu/picture/advanced-settings/color-space/red",                 KeyId::ColorSpaceRed},
    {"menu/picture/advanced-settings/color-space/green",               KeyId::ColorSpaceGreen},
    {"menu/picture/advanced-settings/color-space/blue",                KeyId::ColorSpaceBlue},
    {"menu/picture/advanced-settings/color-space/hue",                 KeyId::ColorSpaceHue},
    {"menu/picture/advanced-settings/color-space/saturation",          KeyId::ColorSpaceSaturation},
    {"menu/picture/advanced-settings/color-space/lightness",           KeyId::ColorSpaceLightness},
    {"menu/picture/advanced-settings/color-space/reset",               KeyId::ColorSpaceReset},
    {"menu/picture/advanced-settings/white-balance/reset",             KeyId::WhiteBalanceReset},
    {"menu/picture/advanced-settings/10p-white-balance/mode",          KeyId::WhiteBalance10pMode},
    {"menu/picture/advanced-settings/10p-white-balance/interval",      KeyId::WhiteBalance10pInterval},
    {"menu/picture/advanced-settings/10p-white-balance/red",           KeyId::WhiteBalance10pRed},
    {"menu/picture/advanced-settings/10p-white-balance/green",         KeyId::WhiteBalance10pGreen},
    {"menu/picture/advanced-settings/10p-white-balance/blue",          KeyId::WhiteBalance10pBlue},
    {"menu/picture/advanced-settings/10p-white-balance/reset",         KeyId::WhiteBalance10pReset},
    {"menu/picture/advanced-settings/20p-white-balance/mode",          KeyId::WhiteBalance20pMode},
    {"menu/picture/advanced-settings/20p-white-balance/interval",      KeyId::WhiteBalance20pInterval},
    {"menu/picture/advanced-settings/20p-white-balance/red",           KeyId::WhiteBalance20pRed},
    {"menu/picture/advanced-settings/20p-white-balance/green",         KeyId::WhiteBalance20pGreen},
    {"menu/picture/advanced-settings/20p-white-balance/blue",          KeyId::WhiteBalance20pBlue},
    {"menu/picture/advanced-settings/20p-white-balance/reset",         KeyId::WhiteBalance20pReset},
    {"menu/picture/advanced-settings/gamma",                           KeyId::Gamma},
    {"menu/picture/advanced-settings/org-gamma",                       KeyId::GammaConfig},
    {"menu/picture/advanced-settings/org-value-gamma",                 KeyId::GammaValue},
    {"menu/picture/advanced-settings/xvYCC",                           KeyId::XvYcc},
    {"menu/picture/advanced-settings/black-enhance",                   KeyId::BlackEnhancer},
    {"menu/picture/picture-options/color-tone",                        KeyId::ColorTone},
    {"menu/picture/picture-options/digital-cleanview",                 KeyId::DigitalCleanView},
    {"menu/picture/picture-options/mpeg-noise-filter",                 KeyId::MpegNoiseFilter},
    {"menu/picture/picture-options/hdmi-black-level",                  KeyId::HdmiBlackLevel},
    {"menu/picture/picture-options/uhdcolorhdmi1",                     KeyId::UhdColorHdmi1},
    {"menu/picture/picture-options/uhdcolorhdmi2",                     KeyId::UhdColorHdmi2},
    {"menu/picture/picture-options/uhdcolorhdmi3",                     KeyId::UhdColorHdmi3},
    {"menu/picture/picture-options/uhdcolorhdmi4",                     KeyId::UhdColorHdmi4},
    {"menu/picture/picture-options/uhdcolorhdmi5",                     KeyId::UhdColorHdmi5},
    {"menu/picture/picture-options/film-mode",                         KeyId::FilmMode},
    {"menu/picture/picture-options/auto-motion-plus/mode",             KeyId::AutoMotionPlusMode},
    {"menu/picture/picture-options/auto-motion-plus/blur-reduction",   KeyId::BlurReduction},
    {"menu/picture/picture-options/auto-motion-plus/judder-reduction", KeyId::JudderReduction},
    {"menu/picture/picture-options/auto-motion-plus/led-clear-motion", KeyId::LedClearMotion},
    {"menu/picture/picture-options/motion-judder-canceller",           KeyId::MotionJudderCanceller},
    {"menu/picture/picture-options/analog-clean-view",                 KeyId::AnalogCleanView},
    {"menu/picture/picture-options/smart-led",                         KeyId::SmartLed},
    {"menu/picture/picture-options/cinema-black",                      KeyId::CinemaBlack},
    {"menu/picture/picture-options/black-optimizer",                   KeyId::BlackOptimizer},
    {"menu/picture/pictureoff",                                        KeyId::PictureOff},
    {"menu/picture/reset",                                             KeyId::PictureReset},
    {"menu/picture/pip/pipss",                                         KeyId::PipSoundSelect},
    {"menu/picture/senior-mode",                                       KeyId::SeniorMode},
    {"menu/picture/expert-settings/hdrplus",                           KeyId::HdrPlus},
};
// clang-format on

static_assert(std::size(g_keyitemmap) == kKeyCount, "the key table has 71 rows");

// Every id from 0 to 70 occurs exactly once.
constexpr bool key_ids_are_a_permutation()
{
    bool seen[kKeyCount] = {};
    for (const KeyRow &row : g_keyitemmap) {
        int id = static_cast<int>(row.id);
        if (id < 0 || id >= kKeyCount || seen[id])
            return false;
        seen[id] = true;
    }
    return true;
}
static_assert(key_ids_are_a_permutation(), "key ids are distinct and cover 0 to 70");

}  // namespace picture
