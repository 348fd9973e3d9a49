// Picture-wide actions: picture off, reset, senior mode and HDR+.
#include <iterator>

#include "avoc.h"
#include "cases.h"
#include "device_power.h"
#include "menu_util.h"
#include "tv_service.h"
#include "vconf.h"

namespace picture {

static Outcome set_picture_off(const Request &request, int)
{
    int result = device_power_set_state(1, 1);
    CASE_LOG(request, "power_set_state return value is %d", result);
    return status_of(result == 0 ? 0 : -1);
}

// The media players' picture sizes go back to their defaults with the picture.
struct StoreDefault {
    const char *key;
    int value;
};

static const StoreDefault kResetStore[] = {
    {"db/video-player-tv/picture_size", 0},
    {"db/video-player-tv/picture_size_widetv", 4},
    {"db/photo-player-tv/picture_size", 0},
};

// Only the output control reset decides the outcome; the TV service's is logged.
static Outcome set_picture_reset(const Request &request, int)
{
    IVideoControl *control = nullptr;
    int tvs = TVServiceAPI::CreateVideoControl(CTvService::GetCurrentProfile(), 0, &control);
    if (tvs != 0 || !control)
        CASE_LOG(request, "Create video control failed");
    else
        tvs = control->ResetPicture();
    CASE_LOG(request, "tvs resetpicturesie return value: %d.", tvs);

    int result = avoc_reset_picture(0);
    CASE_LOG(request, "avoc resetpicturesie return value: %d.", result);
    for (const StoreDefault &entry : kResetStore)
        vconf_set_int(entry.key, entry.value);
    return status_of(result);
}

static constexpr const char *kFocusZoomKey = "db/menu/system/accessibility/focuszoom";

static Outcome get_senior_mode(const Request &request, int *value)
{
    int result = avoc_get_senior_mode(value);
    CASE_LOG(request, "get_senior mode - return status:%d, value:%d", result, *value);
    return status_of(result);
}

// Senior mode turns the accessibility focus zoom on with it, whatever the
// output control library answered.
static Outcome set_senior_mode(const Request &request, int value)
{
    int result = avoc_set_senior_mode(value);
    CASE_LOG(request, "set_senior mode - return status:%d, value:%d", result, value);
    int stored = vconf_set_int(kFocusZoomKey, value == 1 ? 1 : 0);
    if (stored != 0) {
        CASE_LOG(request, " vconf_set_int KEY [%s] fail, ret = [%d] ", kFocusZoomKey, stored);
        return status_of(-1);
    }
    return status_of(result);
}

static Outcome get_hdr_plus(const Request &request, int *value)
{
    int result = avoc_get_hdr_plus_mode(value, 1);
    CASE_LOG(request, "HDR Plus - return status:%d, value:%d", result, *value);
    return status_of(result);
}

static Outcome set_hdr_plus(const Request &request, int value)
{
    int result = avoc_set_hdr_plus_mode(value, 1);
    CASE_LOG(request, "HDR Plus - return status:%d, value:%d", result, value);
    return status_of(result);
}

// None of these has a preview.
constexpr KeyCase kRows[] = {
    {.id = KeyId::PictureOff, .set = set_picture_off},
    {.id = KeyId::PictureReset, .set = set_picture_reset},
    {.id = KeyId::SeniorMode, .get = get_senior_mode, .set = set_senior_mode},
    {.id = KeyId::HdrPlus, .get = get_hdr_plus, .set = set_hdr_plus},
};
static_assert(rows_follow(kRows, kPictureWideKeys), "one row per picture-wide key, in order");

const CaseTable g_picture_wide_cases{kRows, std::size(kRows)};

}  // namespace picture
