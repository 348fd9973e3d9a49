// Colour space: mode, gamut, the colour being edited, that colour's RGB and
// HSL components, and its reset. Every component edit is a read-modify-write
// of the colour that the library reports as selected at that moment.
#include <iterator>

#include "avoc.h"
#include "quality.h"

namespace picture {

// The gamut functions take the value alone; set and preview make one call.
static int get_color_gamut(int, int *value, int)
{
    return avoc_get_color_gamut(value);
}

static int set_color_gamut(int, int value, int)
{
    return avoc_set_color_gamut(value);
}

static const TableSetting kMode{avoc_get_color_space, avoc_set_color_space,
                                table_of(g_avoc_detail_color_space)};
static const TableSetting kGamut{get_color_gamut, set_color_gamut, table_of(g_avoc_color_gamut)};
static const TableSetting kColor{avoc_get_color_space_config, avoc_set_color_space_config,
                                 table_of(g_avoc_color_space_custom_config), ReadLog::ColorSpace};

struct RgbComponent {
    unsigned char avoc_rgb_s::*byte;
};

struct HslComponent {
    int avoc_hsl_s::*field;
};

static const RgbComponent kRed{&avoc_rgb_s::red};
static const RgbComponent kGreen{&avoc_rgb_s::green};
static const RgbComponent kBlue{&avoc_rgb_s::blue};
static const HslComponent kHue{&avoc_hsl_s::hue};
static const HslComponent kSaturation{&avoc_hsl_s::saturation};
static const HslComponent kLightness{&avoc_hsl_s::lightness};

// The get leaves the colour's position in the caller's integer until the
// component has been read.
template <const RgbComponent &Component> static Outcome rgb_get(const Request &request, int *value)
{
    Outcome color = table_read(request, kColor, value);
    if (color.status != 0)
        return color;
    avoc_rgb_s rgb{};
    int status = avoc_get_color_space_custom_rgb(kMainPicture, *value, &rgb);
    if (status != 0)
        return status_of(status);
    *value = rgb.*Component.byte;
    return status_of(0);
}

// The set addresses the colour as read, without the table.
template <const RgbComponent &Component> static Outcome rgb_set(const Request &, int value)
{
    int color = 0;
    int status = avoc_get_color_space_config(kMainPicture, &color, kReadFlag);
    if (status != 0)
        return status_of(status);
    avoc_rgb_s rgb{};
    status = avoc_get_color_space_custom_rgb(kMainPicture, color, &rgb);
    if (status != 0)
        return status_of(status);
    rgb.*Component.byte = static_cast<unsigned char>(value);
    return status_of(avoc_set_color_space_custom_rgb(kMainPicture, color, &rgb));
}

// Reads the selected colour and its HSL components, with the lines of the
// HSL keys; the get also names a failed colour read, or the colour read.
static int read_hsl(const Request &request, bool get, int &color, avoc_hsl_s &hsl)
{
    CASE_LOG(request, "");
    int status = avoc_get_color_space_config(kMainPicture, &color, kReadFlag);
    CASE_LOG(request, "status[%d]", status);
    if (status != 0) {
        if (get)
            CASE_LOG(request, "avoc_get_color_space_config failed. status[%d]", status);
        return status;
    }
    if (get)
        CASE_LOG(request, "eColor[%d]", color);
    status = avoc_get_color_space_hsl(kMainPicture, color, &hsl, kReadFlag);
    CASE_LOG(request, "status[%d]", status);
    return status;
}

template <const HslComponent &Component> static Outcome hsl_get(const Request &request, int *value)
{
    int color = 0;
    avoc_hsl_s hsl{};
    int status = read_hsl(request, true, color, hsl);
    if (status != 0)
        return status_of(status);
    *value = hsl.*Component.field;
    return status_of(0);
}

template <const HslComponent &Component> static Outcome hsl_set(const Request &request, int value)
{
    int color = 0;
    avoc_hsl_s hsl{};
    int status = read_hsl(request, false, color, hsl);
    if (status != 0)
        return status_of(status);
    hsl.*Component.field = value;
    CASE_LOG(request, "");
    status = avoc_set_color_space_hsl(kMainPicture, color, hsl.hue, hsl.saturation, hsl.lightness,
                                      flag_of(request));
    CASE_LOG(request, "");
    return status_of(status);
}

// Resets the selected colour; the menu value is not used.
static Outcome reset_set(const Request &request, int)
{
    int color = 0;
    int status = avoc_get_color_space_config(kMainPicture, &color, kReadFlag);
    CASE_LOG(request, "color space status is %d value is %d", status, color);
    if (status != 0)
        return status_of(status);
    return status_of(avoc_reset_color_space(kMainPicture, color));
}

constexpr KeyCase kRows[] = {
    {.id = KeyId::ColorSpaceMode,
     .get = table_get<kMode>,
     .set = table_set<kMode>,
     .preview = table_set<kMode>,
     .values = &kMode.table},
    {.id = KeyId::ColorSpaceGamut,
     .get = table_get<kGamut>,
     .set = table_set<kGamut>,
     .preview = table_set<kGamut>,
     .values = &kGamut.table},
    {.id = KeyId::ColorSpaceColor,
     .get = table_get<kColor>,
     .set = table_set<kColor>,
     .preview = table_set<kColor>,
     .values = &kColor.table},
    {.id = KeyId::ColorSpaceRed, .get = rgb_get<kRed>, .set = rgb_set<kRed>},
    {.id = KeyId::ColorSpaceGreen, .get = rgb_get<kGreen>, .set = rgb_set<kGreen>},
    {.id = KeyId::ColorSpaceBlue, .get = rgb_get<kBlue>, .set = rgb_set<kBlue>},
    {.id = KeyId::ColorSpaceHue, .get = hsl_get<kHue>, .set = hsl_set<kHue>},
    {.id = KeyId::ColorSpaceSaturation, .get = hsl_get<kSaturation>, .set = hsl_set<kSaturation>},
    {.id = KeyId::ColorSpaceLightness, .get = hsl_get<kLightness>, .set = hsl_set<kLightness>},
    {.id = KeyId::ColorSpaceReset, .set = reset_set},
};
static_assert(rows_follow(kRows, kColorSpaceKeys), "one row per colour space key, in order");

const CaseTable g_color_space_cases{kRows, std::size(kRows)};

}  // namespace picture
