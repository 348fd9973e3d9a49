// The key catalogue: the key table's keys with what each one does, and the
// suggestion for a key that is not one of them.
#include "key_catalog.h"

#include <algorithm>
#include <iterator>

#include "key_table.h"

namespace host {
namespace {

using picture::KeyId;

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

struct IdAbilities {
    KeyId id;
    unsigned abilities;
};

// The operations with a case that acts for each key id. The provider's own
// case tables are checked against this one by the internal tests.
// clang-format off
const IdAbilities kAbilities[] = {
    {KeyId::PictureSizeMode, R | W | P | L},      {KeyId::PictureSizeEntry, R | L},
    {KeyId::PictureSizeVideoPlayer, R | L},       {KeyId::PictureSize43, R | W | P | L},
    {KeyId::AutoWide, R | W | P},                 {KeyId::ScreenFit, R | W | P},
    {KeyId::ScreenFitMediaPlayer, R | W | P},     {KeyId::PositionMediaPlayer, W},
    {KeyId::WideMode219, R | L},                  {KeyId::WideMode219Photo, R | L},
    {KeyId::Panorama, R | W | P},                 {KeyId::PipAntenna, R | W | L},
    {KeyId::PipSize, R | W | P},                  {KeyId::PipPosition, R | W | P},
    {KeyId::PipSource, R | W | P | L},            {KeyId::DynamicContrast, R | W | P | L},
    {KeyId::BlackTone, R | W | P},                {KeyId::FleshTone, R | W},
    {KeyId::RgbOnlyMode, R | W | P},              {KeyId::ColorSpaceMode, R | W | P},
    {KeyId::ColorSpaceGamut, R | W | P},          {KeyId::ColorSpaceColor, R | W | P},
    {KeyId::ColorSpaceRed, R | W},                {KeyId::ColorSpaceGreen, R | W},
    {KeyId::ColorSpaceBlue, R | W},               {KeyId::ColorSpaceHue, R | W},
    {KeyId::ColorSpaceSaturation, R | W},         {KeyId::ColorSpaceLightness, R | W},
    {KeyId::ColorSpaceReset, W},                  {KeyId::WhiteBalanceReset, W},
    {KeyId::WhiteBalance10pMode, R | W | P},      {KeyId::WhiteBalance10pInterval, R | W},
    {KeyId::WhiteBalance10pRed, R | W},           {KeyId::WhiteBalance10pGreen, R | W},
    {KeyId::WhiteBalance10pBlue, R | W},          {KeyId::WhiteBalance10pReset, W},
    {KeyId::WhiteBalance20pMode, R | W | P},      {KeyId::WhiteBalance20pInterval, R | W},
    {KeyId::WhiteBalance20pRed, R | W},           {KeyId::WhiteBalance20pGreen, R | W},
    {KeyId::WhiteBalance20pBlue, R | W},          {KeyId::WhiteBalance20pReset, W},
    {KeyId::Gamma, R | W},                        {KeyId::GammaConfig, R | W | P},
    {KeyId::GammaValue, R | W},                   {KeyId::XvYcc, 0},
    {KeyId::BlackEnhancer, R | W | P},            {KeyId::ColorTone, R | W | P | L},
    {KeyId::DigitalCleanView, R | W | P},         {KeyId::MpegNoiseFilter, R | W | P},
    {KeyId::HdmiBlackLevel, R | W | P},           {KeyId::UhdColorHdmi1, R | W},
    {KeyId::UhdColorHdmi2, R | W},                {KeyId::UhdColorHdmi3, R | W},
    {KeyId::UhdColorHdmi4, R | W},                {KeyId::UhdColorHdmi5, R | W},
    {KeyId::FilmMode, R | W | P},                 {KeyId::AutoMotionPlusMode, R | W | P},
    {KeyId::BlurReduction, R | W},                {KeyId::JudderReduction, R | W},
    {KeyId::LedClearMotion, R | W | P},           {KeyId::MotionJudderCanceller, 0},
    {KeyId::AnalogCleanView, R | W},              {KeyId::SmartLed, R | W | P},
    {KeyId::CinemaBlack, R | W | P},              {KeyId::BlackOptimizer, R | W | P},
    {KeyId::PictureOff, W},                       {KeyId::PictureReset, W},
    {KeyId::PipSoundSelect, R | W},               {KeyId::SeniorMode, R | W},
    {KeyId::HdrPlus, R | W},
};
// clang-format on
static_assert(std::size(kAbilities) == picture::kKeyCount, "one row per key id");

const char *section_of(const std::string &key)
{
    for (const Section &s : kSections)
        for (const char *prefix : s.prefixes)
            if (prefix && key.rfind(prefix, 0) == 0)
                return s.title;
    return kSections[std::size(kSections) - 1].title;
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
        for (const picture::KeyRow &row : picture::g_keyitemmap)
            out.push_back(
                {row.key, section_of(row.key), abilities_of_id(static_cast<int>(row.id))});
        out.push_back(
            {picture::kPipChannelKey, section_of(picture::kPipChannelKey), kLists | kStrings});
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

unsigned abilities_of_id(int id)
{
    for (const IdAbilities &row : kAbilities)
        if (static_cast<int>(row.id) == id)
            return row.abilities;
    return 0;
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
