// The key catalogue: the key table's keys with what each one does, and the
// suggestion for a key that is not one of them.
#include "key_catalog.h"

#include <algorithm>
#include <iterator>

#include "picture_keys.h"

namespace host {
namespace {

struct Section {
    const char *title;
    const char *prefixes[2];  // the key begins with one of them; "" takes the rest
};

const Section kSections[] = {
    {"Picture size", {"menu/picture/picturesize/"}},
    {"Picture-in-picture", {"menu/picture/pip/", "db/menu/picture/pip/"}},
    {"Advanced settings", {"menu/picture/advanced-settings/"}},
    {"Picture options", {"menu/picture/picture-options/"}},
    {"Picture-wide", {""}},
};

constexpr unsigned R = kReads, W = kWrites, P = kPreviews, L = kLists;

struct KeyAbilities {
    picture_setting_key key;
    unsigned abilities;
};

// The operations with a case that acts for each key. The internal tests check
// this table against the provider's own case tables.
// clang-format off
const KeyAbilities kAbilities[] = {
    {PICTURE_KEY_PictureSizeMode, R | W | P | L},
    {PICTURE_KEY_PictureSizeEntry, R | L},
    {PICTURE_KEY_PictureSizeVideoPlayer, R | L},
    {PICTURE_KEY_PictureSize43, R | W | P | L},
    {PICTURE_KEY_AutoWide, R | W | P},
    {PICTURE_KEY_ScreenFit, R | W | P},
    {PICTURE_KEY_ScreenFitMediaPlayer, R | W | P},
    {PICTURE_KEY_PositionMediaPlayer, W},
    {PICTURE_KEY_WideMode219, R | L},
    {PICTURE_KEY_WideMode219Photo, R | L},
    {PICTURE_KEY_Panorama, R | W | P},
    {PICTURE_KEY_PipAntenna, R | W | L},
    {PICTURE_KEY_PipSize, R | W | P},
    {PICTURE_KEY_PipPosition, R | W | P},
    {PICTURE_KEY_PipSource, R | W | P | L},
    {PICTURE_KEY_DynamicContrast, R | W | P | L},
    {PICTURE_KEY_BlackTone, R | W | P},
    {PICTURE_KEY_FleshTone, R | W},
    {PICTURE_KEY_RgbOnlyMode, R | W | P},
    {PICTURE_KEY_ColorSpaceMode, R | W | P},
    {PICTURE_KEY_ColorSpaceGamut, R | W | P},
    {PICTURE_KEY_ColorSpaceColor, R | W | P},
    {PICTURE_KEY_ColorSpaceRed, R | W},
    {PICTURE_KEY_ColorSpaceGreen, R | W},
    {PICTURE_KEY_ColorSpaceBlue, R | W},
    {PICTURE_KEY_ColorSpaceHue, R | W},
    {PICTURE_KEY_ColorSpaceSaturation, R | W},
    {PICTURE_KEY_ColorSpaceLightness, R | W},
    {PICTURE_KEY_ColorSpaceReset, W},
    {PICTURE_KEY_WhiteBalanceReset, W},
    {PICTURE_KEY_WhiteBalance10pMode, R | W | P},
    {PICTURE_KEY_WhiteBalance10pInterval, R | W},
    {PICTURE_KEY_WhiteBalance10pRed, R | W},
    {PICTURE_KEY_WhiteBalance10pGreen, R | W},
    {PICTURE_KEY_WhiteBalance10pBlue, R | W},
    {PICTURE_KEY_WhiteBalance10pReset, W},
    {PICTURE_KEY_WhiteBalance20pMode, R | W | P},
    {PICTURE_KEY_WhiteBalance20pInterval, R | W},
    {PICTURE_KEY_WhiteBalance20pRed, R | W},
    {PICTURE_KEY_WhiteBalance20pGreen, R | W},
    {PICTURE_KEY_WhiteBalance20pBlue, R | W},
    {PICTURE_KEY_WhiteBalance20pReset, W},
    {PICTURE_KEY_Gamma, R | W},
    {PICTURE_KEY_GammaConfig, R | W | P},
    {PICTURE_KEY_GammaValue, R | W},
    {PICTURE_KEY_XvYcc, 0},
    {PICTURE_KEY_BlackEnhancer, R | W | P},
    {PICTURE_KEY_ColorTone, R | W | P | L},
    {PICTURE_KEY_DigitalCleanView, R | W | P},
    {PICTURE_KEY_MpegNoiseFilter, R | W | P},
    {PICTURE_KEY_HdmiBlackLevel, R | W | P},
    {PICTURE_KEY_UhdColorHdmi1, R | W},
    {PICTURE_KEY_UhdColorHdmi2, R | W},
    {PICTURE_KEY_UhdColorHdmi3, R | W},
    {PICTURE_KEY_UhdColorHdmi4, R | W},
    {PICTURE_KEY_UhdColorHdmi5, R | W},
    {PICTURE_KEY_FilmMode, R | W | P},
    {PICTURE_KEY_AutoMotionPlusMode, R | W | P},
    {PICTURE_KEY_BlurReduction, R | W},
    {PICTURE_KEY_JudderReduction, R | W},
    {PICTURE_KEY_LedClearMotion, R | W | P},
    {PICTURE_KEY_MotionJudderCanceller, 0},
    {PICTURE_KEY_AnalogCleanView, R | W},
    {PICTURE_KEY_SmartLed, R | W | P},
    {PICTURE_KEY_CinemaBlack, R | W | P},
    {PICTURE_KEY_BlackOptimizer, R | W | P},
    {PICTURE_KEY_PictureOff, W},
    {PICTURE_KEY_PictureReset, W},
    {PICTURE_KEY_PipSoundSelect, R | W},
    {PICTURE_KEY_SeniorMode, R | W},
    {PICTURE_KEY_HdrPlus, R | W},
};
// clang-format on
static_assert(std::size(kAbilities) == PICTURE_SETTING_KEY_COUNT, "one row per key");

const char *section_of(const std::string &key)
{
    for (const Section &s : kSections)
        for (const char *prefix : s.prefixes)
            if (prefix && key.rfind(prefix, 0) == 0)
                return s.title;
    return kSections[std::size(kSections) - 1].title;
}

// The key's row in the provider's lookup order.
std::size_t key_position(const std::string &key)
{
    return std::find(std::begin(picture_setting_keys), std::end(picture_setting_keys), key) -
           std::begin(picture_setting_keys);
}

std::size_t edit_distance(const std::string &a, const std::string &b)
{
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            std::size_t up = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = up;
        }
    }
    return row[b.size()];
}

// How far a typed key is from a known one: the whole strings, or the last
// parts when the typed folders lead towards the known key's ("gama" under
// "menu/picture/" finds ".../advanced-settings/gamma").
std::size_t key_distance(const std::string &typed, const std::string &known)
{
    std::size_t typed_cut = typed.rfind('/') + 1;  // 0 without a folder
    std::size_t known_cut = known.rfind('/') + 1;
    std::size_t folders = known.compare(0, typed_cut, typed, 0, typed_cut) == 0 ? 1 : 3;
    return std::min(edit_distance(typed, known),
                    edit_distance(typed.substr(typed_cut), known.substr(known_cut)) + folders);
}

}  // namespace

const std::vector<KeyInfo> &key_catalog()
{
    static const std::vector<KeyInfo> keys = [] {
        std::vector<KeyInfo> out;
        for (const KeyAbilities &row : kAbilities) {
            const char *key = picture_setting_keys[row.key];
            out.push_back({key, section_of(key), row.abilities});
        }
        std::sort(out.begin(), out.end(), [](const KeyInfo &a, const KeyInfo &b) {
            return key_position(a.key) < key_position(b.key);
        });
        out.push_back(
            {PICTURE_PIP_CHANNEL_KEY, section_of(PICTURE_PIP_CHANNEL_KEY), kLists | kStrings});
        return out;
    }();
    return keys;
}

const std::vector<const char *> &sections()
{
    static const std::vector<const char *> titles = [] {
        std::vector<const char *> out;
        for (const Section &s : kSections)
            out.push_back(s.title);
        return out;
    }();
    return titles;
}

const KeyInfo *find_key(const std::string &key)
{
    for (const KeyInfo &k : key_catalog())
        if (k.key == key)
            return &k;
    return nullptr;
}

std::vector<std::string> closest_keys(const std::string &key)
{
    constexpr std::size_t kShown = 3;
    constexpr std::size_t kLongest = 256;  // far longer than any key: not a typo
    if (key.size() > kLongest)
        return {};
    std::size_t leaf = key.size() - (key.rfind('/') + 1);
    std::size_t best = std::max<std::size_t>(3, leaf / 3);  // farther is a guess, not a typo
    std::vector<std::string> out;
    for (const KeyInfo &k : key_catalog()) {
        std::size_t d = key_distance(key, k.key);
        if (d < best)
            out.clear();
        if (d <= best && out.size() < kShown) {
            best = d;
            out.push_back(k.key);
        }
    }
    return out;
}

}  // namespace host
