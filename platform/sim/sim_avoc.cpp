// Stand-in AV output control library: every value lives in State::avoc under
// the setting's name (plus indices for the indexed settings).
#include <string>

#include "avoc.h"
#include "sim_internal.h"

namespace {

// What a read returns: the live value, which a preview may have set apart
// from the committed one. A read never adds an entry: reading leaves the
// state as it was.
int read_value(const std::string &name)
{
    const sim::State &s = sim::state();
    auto live = s.avoc_live.find(name);
    if (live != s.avoc_live.end())
        return live->second;
    auto it = s.avoc.find(name);
    return it == s.avoc.end() ? 0 : it->second;  // an indexed value starts at 0
}

// A commit (flag 1) sets the committed and the live value, a preview (flag 0)
// the live one only: what the panel shows until a commit or another preview.
void store(const std::string &name, int v, int flag)
{
    sim::State &s = sim::state();
    if (flag)
        s.avoc[name] = v;
    auto committed = s.avoc.find(name);
    if (flag || v == (committed == s.avoc.end() ? 0 : committed->second))
        s.avoc_live.erase(name);
    else
        s.avoc_live[name] = v;
}

// Back to the start value of an indexed setting.
void forget(const std::string &name)
{
    sim::state().avoc.erase(name);
    sim::state().avoc_live.erase(name);
}

std::string indexed(const char *name, long a)
{
    return std::string(name) + "/" + std::to_string(a);
}

std::string indexed(const char *name, long a, const char *b)
{
    return indexed(name, a) + "/" + b;
}

const char *component_name(int component)
{
    switch (component) {
    case AVOC_WB_RED: return "red";
    case AVOC_WB_BLUE: return "blue";
    case AVOC_WB_GREEN: return "green";
    default: return nullptr;
    }
}

}  // namespace

#define AVOC_EXPECT_PICTURE(p) SIM_EXPECT((p) == 0, "picture other than 0")
#define AVOC_EXPECT_FLAG(f) SIM_EXPECT((f) == 0 || (f) == 1, "flag other than 0 or 1")
#define AVOC_EXPECT_OUT(o) SIM_EXPECT((o) != nullptr, "null out-parameter")

// (picture, out, flag) getters with (picture, value, flag) setters.
// clang-format off
#define AVOC_PICTURE_SETTINGS(X)                                                   \
    X(dynamic_contrast) X(black_tone) X(flesh_tone) X(rgb_only_mode) X(color_space) \
    X(color_space_config) X(10p_white_balance) X(20p_white_balance) X(gamma)        \
    X(black_enhancer) X(color_tone_mode) X(digital_clean_view) X(MPEG_noise_filter) \
    X(hdmi_black_level) X(film_mode) X(auto_motion_plus) X(led_clear_motion)        \
    X(smart_led) X(cinema_black)
// clang-format on

#define AVOC_GETTER(name, key)                                                                     \
    extern "C" SIM_EXPORT int avoc_get_##name(int picture, int *out, int flag)                     \
    {                                                                                              \
        if (auto *f = sim::detail::call("avoc_get_" #name, "%d, out, %d", picture, flag))          \
            return sim::detail::forced_result(*f, out);                                            \
        AVOC_EXPECT_PICTURE(picture);                                                              \
        AVOC_EXPECT_OUT(out);                                                                      \
        *out = read_value(key);                                                                    \
        return 0;                                                                                  \
    }                                                                                              \
    static const sim::detail::Registrar reg_get_##name{"avoc_get_" #name};

#define AVOC_SETTER(name, key, type)                                                               \
    extern "C" SIM_EXPORT int avoc_set_##name(int picture, type v, int flag)                       \
    {                                                                                              \
        if (auto *f = sim::detail::call("avoc_set_" #name, "%d, %d, %d", picture,                  \
                                        static_cast<int>(v), flag))                                \
            return f->result;                                                                      \
        AVOC_EXPECT_PICTURE(picture);                                                              \
        AVOC_EXPECT_FLAG(flag);                                                                    \
        store(key, v, flag);                                                                       \
        return 0;                                                                                  \
    }                                                                                              \
    static const sim::detail::Registrar reg_set_##name{"avoc_set_" #name};

#define AVOC_PICTURE_PAIR(name) AVOC_GETTER(name, #name) AVOC_SETTER(name, #name, int)
AVOC_PICTURE_SETTINGS(AVOC_PICTURE_PAIR)

AVOC_GETTER(blur_reduction, "blur_reduction")
AVOC_SETTER(blur_reduction, "blur_reduction", unsigned char)
AVOC_GETTER(juddler_reduction, "juddler_reduction")
AVOC_SETTER(juddler_reduction, "juddler_reduction", unsigned char)
AVOC_GETTER(cinema_black_by_value, "black_optimizer")
AVOC_SETTER(black_optimizer, "black_optimizer", int)
AVOC_GETTER(picture_mode, "picture_mode")

// (out, flag) getters with (value, flag) setters.
#define AVOC_FLAG_PAIR(name)                                                                       \
    extern "C" SIM_EXPORT int avoc_get_##name(int *out, int flag)                                  \
    {                                                                                              \
        if (auto *f = sim::detail::call("avoc_get_" #name, "out, %d", flag))                       \
            return sim::detail::forced_result(*f, out);                                            \
        AVOC_EXPECT_OUT(out);                                                                      \
        *out = read_value(#name);                                                                  \
        return 0;                                                                                  \
    }                                                                                              \
    extern "C" SIM_EXPORT int avoc_set_##name(int v, int flag)                                     \
    {                                                                                              \
        if (auto *f = sim::detail::call("avoc_set_" #name, "%d, %d", v, flag))                     \
            return f->result;                                                                      \
        AVOC_EXPECT_FLAG(flag);                                                                    \
        store(#name, v, flag);                                                                     \
        return 0;                                                                                  \
    }                                                                                              \
    static const sim::detail::Registrar reg_##name{"avoc_get_" #name, "avoc_set_" #name};

AVOC_FLAG_PAIR(gamma_config)
AVOC_FLAG_PAIR(hdr_plus_mode)
AVOC_FLAG_PAIR(10p_white_balance_interval)
AVOC_FLAG_PAIR(20p_white_balance_interval)

// Single-argument getters and setters.
#define AVOC_PLAIN_PAIR(name)                                                                      \
    extern "C" SIM_EXPORT int avoc_get_##name(int *out)                                            \
    {                                                                                              \
        if (auto *f = sim::detail::call("avoc_get_" #name, "out"))                                 \
            return sim::detail::forced_result(*f, out);                                            \
        AVOC_EXPECT_OUT(out);                                                                      \
        *out = read_value(#name);                                                                  \
        return 0;                                                                                  \
    }                                                                                              \
    extern "C" SIM_EXPORT int avoc_set_##name(int v)                                               \
    {                                                                                              \
        if (auto *f = sim::detail::call("avoc_set_" #name, "%d", v))                               \
            return f->result;                                                                      \
        store(#name, v, 1);                                                                        \
        return 0;                                                                                  \
    }                                                                                              \
    static const sim::detail::Registrar reg_##name{"avoc_get_" #name, "avoc_set_" #name};

AVOC_PLAIN_PAIR(color_gamut)
AVOC_PLAIN_PAIR(senior_mode)

// UHD colour per input port.
extern "C" SIM_EXPORT int avoc_get_uhd_color_mode(int picture, int port, int *out, int flag)
{
    if (auto *f = sim::detail::call("avoc_get_uhd_color_mode", "%d, 0x%X, out, %d", picture,
                                    static_cast<unsigned>(port), flag))
        return sim::detail::forced_result(*f, out);
    AVOC_EXPECT_PICTURE(picture);
    AVOC_EXPECT_OUT(out);
    *out = read_value(indexed("uhd_color_mode", port));
    return 0;
}

extern "C" SIM_EXPORT int avoc_set_uhd_color_mode(int picture, int port, int v, int flag)
{
    if (auto *f = sim::detail::call("avoc_set_uhd_color_mode", "%d, 0x%X, %d, %d", picture,
                                    static_cast<unsigned>(port), v, flag))
        return f->result;
    AVOC_EXPECT_PICTURE(picture);
    AVOC_EXPECT_FLAG(flag);
    store(indexed("uhd_color_mode", port), v, flag);
    return 0;
}

static const sim::detail::Registrar reg_uhd{"avoc_get_uhd_color_mode", "avoc_set_uhd_color_mode"};

// Multi-point white balance by interval and component.
#define AVOC_WB_POINTS(points)                                                                     \
    extern "C" SIM_EXPORT int avoc_get_##points##_white_balance_by_interval(                       \
        int picture, int interval, int component, int *out)                                        \
    {                                                                                              \
        if (auto *f = sim::detail::call("avoc_get_" #points "_white_balance_by_interval",          \
                                        "%d, %d, %d, out", picture, interval, component))          \
            return sim::detail::forced_result(*f, out);                                            \
        AVOC_EXPECT_PICTURE(picture);                                                              \
        AVOC_EXPECT_OUT(out);                                                                      \
        SIM_EXPECT(component_name(component), "unknown component");                                \
        *out = read_value(                                                                         \
            indexed(#points "_white_balance_by_interval", interval, component_name(component)));   \
        return 0;                                                                                  \
    }                                                                                              \
    extern "C" SIM_EXPORT int avoc_set_##points##_white_balance_by_interval(                       \
        int picture, int interval, int component, int v, int flag)                                 \
    {                                                                                              \
        if (auto *f =                                                                              \
                sim::detail::call("avoc_set_" #points "_white_balance_by_interval",                \
                                  "%d, %d, %d, %d, %d", picture, interval, component, v, flag))    \
            return f->result;                                                                      \
        AVOC_EXPECT_PICTURE(picture);                                                              \
        AVOC_EXPECT_FLAG(flag);                                                                    \
        SIM_EXPECT(component_name(component), "unknown component");                                \
        store(indexed(#points "_white_balance_by_interval", interval, component_name(component)),  \
              v, flag);                                                                            \
        return 0;                                                                                  \
    }                                                                                              \
    extern "C" SIM_EXPORT int avoc_reset_##points##_white_balance_by_interval(int picture,         \
                                                                              int interval)        \
    {                                                                                              \
        if (auto *f = sim::detail::call("avoc_reset_" #points "_white_balance_by_interval",        \
                                        "%d, %d", picture, interval))                              \
            return f->result;                                                                      \
        AVOC_EXPECT_PICTURE(picture);                                                              \
        for (const char *c : {"red", "green", "blue"})                                             \
            forget(indexed(#points "_white_balance_by_interval", interval, c));                    \
        return 0;                                                                                  \
    }                                                                                              \
    static const sim::detail::Registrar reg_wb_##points{                                           \
        "avoc_get_" #points "_white_balance_by_interval",                                          \
        "avoc_set_" #points "_white_balance_by_interval",                                          \
        "avoc_reset_" #points "_white_balance_by_interval"};

AVOC_WB_POINTS(10p)
AVOC_WB_POINTS(20p)

// Colour space records of one colour.
extern "C" SIM_EXPORT int avoc_get_color_space_custom_rgb(int picture, int color, avoc_rgb_s *rgb)
{
    if (auto *f =
            sim::detail::call("avoc_get_color_space_custom_rgb", "%d, %d, out", picture, color)) {
        if (rgb)
            sim::detail::forced_values(*f, &rgb->red, &rgb->green, &rgb->blue);
        return f->result;
    }
    AVOC_EXPECT_PICTURE(picture);
    AVOC_EXPECT_OUT(rgb);
    rgb->red =
        static_cast<unsigned char>(read_value(indexed("color_space_custom_rgb", color, "red")));
    rgb->green =
        static_cast<unsigned char>(read_value(indexed("color_space_custom_rgb", color, "green")));
    rgb->blue =
        static_cast<unsigned char>(read_value(indexed("color_space_custom_rgb", color, "blue")));
    return 0;
}

extern "C" SIM_EXPORT int avoc_set_color_space_custom_rgb(int picture, int color, avoc_rgb_s *rgb)
{
    AVOC_EXPECT_OUT(rgb);
    if (auto *f = sim::detail::call("avoc_set_color_space_custom_rgb", "%d, %d, {%d, %d, %d}",
                                    picture, color, rgb->red, rgb->green, rgb->blue))
        return f->result;
    AVOC_EXPECT_PICTURE(picture);
    store(indexed("color_space_custom_rgb", color, "red"), rgb->red, 1);
    store(indexed("color_space_custom_rgb", color, "green"), rgb->green, 1);
    store(indexed("color_space_custom_rgb", color, "blue"), rgb->blue, 1);
    return 0;
}

extern "C" SIM_EXPORT int avoc_get_color_space_hsl(int picture, int color, avoc_hsl_s *hsl,
                                                   int flag)
{
    if (auto *f = sim::detail::call("avoc_get_color_space_hsl", "%d, %d, out, %d", picture, color,
                                    flag)) {
        if (hsl)
            sim::detail::forced_values(*f, &hsl->hue, &hsl->saturation, &hsl->lightness);
        return f->result;
    }
    AVOC_EXPECT_PICTURE(picture);
    AVOC_EXPECT_OUT(hsl);
    hsl->hue = read_value(indexed("color_space_hsl", color, "hue"));
    hsl->saturation = read_value(indexed("color_space_hsl", color, "saturation"));
    hsl->lightness = read_value(indexed("color_space_hsl", color, "lightness"));
    return 0;
}

extern "C" SIM_EXPORT int avoc_set_color_space_hsl(int picture, int color, int hue, int saturation,
                                                   int lightness, int flag)
{
    if (auto *f = sim::detail::call("avoc_set_color_space_hsl", "%d, %d, %d, %d, %d, %d", picture,
                                    color, hue, saturation, lightness, flag))
        return f->result;
    AVOC_EXPECT_PICTURE(picture);
    AVOC_EXPECT_FLAG(flag);
    store(indexed("color_space_hsl", color, "hue"), hue, flag);
    store(indexed("color_space_hsl", color, "saturation"), saturation, flag);
    store(indexed("color_space_hsl", color, "lightness"), lightness, flag);
    return 0;
}

static const sim::detail::Registrar reg_color_space{
    "avoc_get_color_space_custom_rgb", "avoc_set_color_space_custom_rgb",
    "avoc_get_color_space_hsl", "avoc_set_color_space_hsl"};

// Resets.
extern "C" SIM_EXPORT int avoc_reset_white_balance(int picture)
{
    if (auto *f = sim::detail::call("avoc_reset_white_balance", "%d", picture))
        return f->result;
    AVOC_EXPECT_PICTURE(picture);
    return 0;
}

extern "C" SIM_EXPORT int avoc_reset_color_space(int picture, int color)
{
    if (auto *f = sim::detail::call("avoc_reset_color_space", "%d, %d", picture, color))
        return f->result;
    AVOC_EXPECT_PICTURE(picture);
    for (const char *c : {"red", "green", "blue"})
        forget(indexed("color_space_custom_rgb", color, c));
    for (const char *c : {"hue", "saturation", "lightness"})
        forget(indexed("color_space_hsl", color, c));
    return 0;
}

extern "C" SIM_EXPORT int avoc_reset_picture(int picture)
{
    if (auto *f = sim::detail::call("avoc_reset_picture", "%d", picture))
        return f->result;
    AVOC_EXPECT_PICTURE(picture);
    return 0;
}

static const sim::detail::Registrar reg_resets{"avoc_reset_white_balance", "avoc_reset_color_space",
                                               "avoc_reset_picture"};
