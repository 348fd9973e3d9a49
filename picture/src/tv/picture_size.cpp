// Picture size control: one shared getter and setter, driven by one row per
// setting of the video control.
#include "picture_size.h"

#include <iterator>
#include <optional>

#include "log.h"
#include "system_info.h"
#include "tv_service.h"

namespace {

// How a video control method reports its outcome.
enum class Success {
    NotMinusOne,  // picture size and 4:3: only -1 fails
    ExactlyOne,   // screen fit and auto wide: only 1 succeeds
};

bool failed(Success convention, int result)
{
    return convention == Success::NotMinusOne ? result == -1 : result != 1;
}

// Calls a getter method with a local of its own type, preset to 0 (false),
// and hands back the value as the method left it.
template <typename T, int (IVideoControl::*Method)(T *)>
int read_value(IVideoControl &control, int *value)
{
    T local{};
    int result = (control.*Method)(&local);
    *value = static_cast<int>(local);
    return result;
}

template <typename T, int (IVideoControl::*Method)(T, bool)>
int write_value(IVideoControl &control, int value, bool commit)
{
    return (control.*Method)(static_cast<T>(value), commit);
}

int same(int value)
{
    return value;
}

// Screen fit is total both ways: anything but on and auto is off.
int screen_fit(int value)
{
    return value == SCREENFITOPTION_ON || value == SCREENFITOPTION_AUTO ? value
                                                                        : SCREENFITOPTION_OFF;
}

int on_off(int value)
{
    return value != 0 ? 1 : 0;
}

const char *on_off_text(int value)
{
    return value != 0 ? "ON" : "OFF";
}

void log_screen_fit(const char *fn, int value, int option)
{
    if (option == SCREENFITOPTION_ON)
        PLOG_FROM(fn,
                  "Set Screen Fit ,in put value %d,Set to Tvs is "
                  "[EScreenFitOptionType:SCREENFITOPTION_ON.%d]",
                  value, option);
    else if (option == SCREENFITOPTION_AUTO)
        PLOG_FROM(fn,
                  "Set Screen Fit ,in put value %d,Set to Tvs is "
                  "[EScreenFitOptionType:SCREENFITOPTION_AUTO.%d]",
                  value, option);
    else
        PLOG_FROM(fn,
                  "Set Screen Fit ,in put value %d,Set to Tvs is "
                  "[EScreenFitOptionType:SCREENFITOPTION_OFF,%d]",
                  value, option);
}

struct Getter {
    int (*read)(IVideoControl &control, int *value);
    Success convention;
    void (*log_value)(const char *fn, int value);  // the value as the method left it
    const char *create_failed;
    const char *call_failed;
    std::optional<int> fallback;  // written on failure; none keeps the caller's value
    int (*to_menu)(int value);
};

struct Setter {
    int (*write)(IVideoControl &control, int value, bool commit);
    Success convention;
    int (*to_service)(int value);
    void (*log_value)(const char *fn, int value, int service_value);
    const char *failed;
};

struct Setting {
    Getter get;
    Setter set;
};

enum Row { kPictureSize, kScreenMode, kScreenFit, kAutoWide };

const Setting kSettings[] = {
    // kPictureSize
    {{read_value<EPictureSizeType, &IVideoControl::GetPictureSize>, Success::NotMinusOne,
      [](const char *fn, int v) { PLOG_FROM(fn, "EPictureSizeType : %d", v); },
      "Create video control failed,using 16:9 at default",
      "IVideoControl::GetPictureSize returns -1", PICTURESIZE_16_9, same},
     {write_value<EPictureSizeType, &IVideoControl::SetAspectRatio>, Success::NotMinusOne, same,
      [](const char *fn, int v, int) { PLOG_FROM(fn, "value %d", v); }, "SetAspectRatio failed"}},
    // kScreenMode
    {{read_value<EScreenModeData, &IVideoControl::GetScreenMode>, Success::NotMinusOne,
      [](const char *fn, int v) { PLOG_FROM(fn, "EScreenModeData : %d", v); },
      "Create video control failed", "GetScreenMode returns -1", std::nullopt, same},
     {write_value<EScreenModeData, &IVideoControl::SetScreenMode>, Success::NotMinusOne, same,
      [](const char *fn, int v, int) { PLOG_FROM(fn, "value %d", v); }, "SetScreenMode failed"}},
    // kScreenFit
    {{read_value<EScreenFitOptionType, &IVideoControl::GetScreenFitOption>, Success::ExactlyOne,
      [](const char *fn, int v) { PLOG_FROM(fn, "ESFOption : [EScreenFitOptionType:%d]", v); },
      "Create video control failed,using OFF at default",
      "IVideoControl::GetScreenFitOption returns -1", SCREENFITOPTION_OFF, screen_fit},
     {write_value<EScreenFitOptionType, &IVideoControl::SetScreenFitOption>, Success::ExactlyOne,
      screen_fit, log_screen_fit, "SetScreenFitOption failed"}},
    // kAutoWide
    {{read_value<bool, &IVideoControl::GetAutoWideOption>, Success::ExactlyOne,
      [](const char *fn, int v) { PLOG_FROM(fn, "bAutoWideOption : [%s]", on_off_text(v)); },
      "Create video control failed,using OFF at default",
      "IVideoControl::GetAutoWideOption returns -1", 0, on_off},
     {write_value<bool, &IVideoControl::SetAutoWideOption>, Success::ExactlyOne, on_off,
      [](const char *fn, int v, int) {
          PLOG_FROM(fn, "Set auto wide ,in put value %d,Set to Tvs is [%s]", v, on_off_text(v));
      },
      "SetAuto Wide failed"}},
};

static_assert(std::size(kSettings) == kAutoWide + 1, "one row per setting");

// The video control of the main picture, or null.
IVideoControl *main_video_control()
{
    IVideoControl *control = nullptr;
    if (TVServiceAPI::CreateVideoControl(PROFILE_TYPE_MAIN, 0, &control) != 0)
        return nullptr;
    return control;
}

// The failure default, if the setting has one.
int get_failed(const Getter &g, int *value)
{
    if (g.fallback)
        *value = *g.fallback;
    return -1;
}

int run_get(const char *fn, const Getter &g, int *value)
{
    PLOG_FROM(fn, "");
    IVideoControl *control = main_video_control();
    if (!control) {
        PLOG_FROM(fn, "%s", g.create_failed);
        return get_failed(g, value);
    }
    int local = 0;
    int result = g.read(*control, &local);
    g.log_value(fn, local);
    if (failed(g.convention, result)) {
        PLOG_FROM(fn, "%s", g.call_failed);
        return get_failed(g, value);
    }
    *value = g.to_menu(local);
    return 0;
}

int run_set(const char *fn, const Setter &s, int value, bool commit)
{
    int service_value = s.to_service(value);
    s.log_value(fn, value, service_value);
    IVideoControl *control = main_video_control();
    if (!control) {
        PLOG_FROM(fn, "Create video control failed");
        return -1;
    }
    if (failed(s.convention, s.write(*control, service_value, commit))) {
        PLOG_FROM(fn, "%s", s.failed);
        return -1;
    }
    return 0;
}

}  // namespace

extern "C" {

int get_picture_size(int *value)
{
    return run_get(__func__, kSettings[kPictureSize].get, value);
}

int set_picture_size(int value, int commit)
{
    return run_set(__func__, kSettings[kPictureSize].set, value, commit != 0);
}

int get_picture_43size(int *value)
{
    return run_get(__func__, kSettings[kScreenMode].get, value);
}

int set_picture_43size(int value, bool commit)
{
    return run_set(__func__, kSettings[kScreenMode].set, value, commit);
}

int get_picture_size_screen_fit(int *value)
{
    return run_get(__func__, kSettings[kScreenFit].get, value);
}

int set_picture_size_screen_fit(int value, bool commit)
{
    return run_set(__func__, kSettings[kScreenFit].set, value, commit);
}

int get_picture_size_auto_wide(int *value)
{
    return run_get(__func__, kSettings[kAutoWide].get, value);
}

int set_picture_size_auto_wide(int value, bool commit)
{
    return run_set(__func__, kSettings[kAutoWide].set, value, commit);
}

int read_panel_21_9(bool *supported)
{
    return system_info_get_value_bool(PICTURE_SYSTEM_INFO_PANEL_21_9, supported);
}

bool check_if_support_21_9(void)
{
    bool supported = false;
    if (read_panel_21_9(&supported) != 0) {
        PLOG("system_info_get_value_bool fails");
        return false;
    }
    return supported;
}

}  // extern "C"
