// Picture size keys of the TV's video and photo players: while a player is
// visible the menu shows and commands the player's own picture size, kept in
// the key-value store; otherwise the entry and panorama keys ask the TV.
#include <cstring>
#include <iterator>

#include "app_control.h"
#include "cases.h"
#include "help_text.h"
#include "lists.h"
#include "menu_util.h"
#include "picture_size.h"
#include "tv_service.h"
#include "vconf.h"

namespace picture {

namespace {

constexpr const char *kVideoPlayer = "org.kavri.video-player-tv";
constexpr const char *kContentVideoPlayer = "org.kavri.mycontent-video-player-tv";
constexpr const char *kPhotoPlayer = "org.kavri-photo-player-tv";
constexpr const char *kContentPhotoPlayer = "org.kavri.mycontent-photo-player-tv";

// A player's integer entry and the name the log gives it.
struct StoreEntry {
    const char *name;
    const char *log_name;
};

constexpr StoreEntry kVideoSize{"db/video-player-tv/picture_size",
                                "PICTURE_SIZE_VIDEO_PLAYER_VCONF_KEY"};
constexpr StoreEntry kVideoSize219{"db/video-player-tv/picture_size_widetv",
                                   "PICTURE_SIZE_219_VIDEO_PLAYER_VCONF_KEY"};
constexpr StoreEntry kPhotoSize{"db/photo-player-tv/picture_size",
                                "PICTURE_SIZE_219_PHOTO_VCONF_KEY"};
constexpr const char *kVideoScreenFit = "db/video-player-tv/psize_screen_fit";
// The running video player takes one command string per write here.
constexpr const char *kCommandEntry = "memory/video-player/picture_size_control";

// The video player's panorama on/off, kept per picture size.
struct PanoramaEntry {
    int picture_size;
    const char *name;
};

constexpr PanoramaEntry kPanoramaEntries[] = {
    {PICTURESIZE_21_9, "db/video-player-tv/psize_panorama_21_9"},
    {PICTURESIZE_AUTO, "db/video-player-tv/psize_panorama_auto"},
    {PICTURESIZE_CUSTOM, "db/video-player-tv/psize_panorama_custom"},
};

// Commands by [commit][on].
constexpr const char *kScreenFitCommands[2][2] = {
    {"preview_screen_fit_off", "preview_screen_fit_on"},
    {"set_screen_fit_off", "set_screen_fit_on"},
};

// These keys go on without 21:9 when the platform cannot tell, silently.
bool panel_21_9()
{
    bool supported = false;
    return read_panel_21_9(&supported) == 0 && supported;
}

const StoreEntry &video_size_entry(bool wide)
{
    return wide ? kVideoSize219 : kVideoSize;
}

bool video_player_visible()
{
    return CMenuUtil::CheckApplicationVisible(kVideoPlayer) ||
           CMenuUtil::CheckApplicationVisible(kContentVideoPlayer);
}

// Panorama asks about both players, always.
bool any_video_player_visible()
{
    bool content = CMenuUtil::CheckApplicationVisible(kContentVideoPlayer);
    bool player = CMenuUtil::CheckApplicationVisible(kVideoPlayer);
    return content || player;
}

// Reads a player's entry into the caller's value: 0 or -1, directly.
Outcome read_player_size(const Request &request, const StoreEntry &entry, int *value)
{
    int local = -1;
    if (vconf_get_int(entry.name, &local) != 0) {
        CASE_LOG(request, "vconf_get_int failed : %s", entry.log_name);
        return direct_result(-1);
    }
    *value = local;
    return direct_result(0);
}

Outcome get_entry(const Request &request, int *value)
{
    bool wide = panel_21_9();
    CASE_LOG(request, "b219 : %d", wide);
    if (video_player_visible())
        return read_player_size(request, video_size_entry(wide), value);
    if (wide && (CMenuUtil::CheckApplicationVisible(kPhotoPlayer) ||
                 CMenuUtil::CheckApplicationVisible(kContentPhotoPlayer)))
        return read_player_size(request, kPhotoSize, value);
    int local = -1;
    if (get_picture_size(&local) != 0) {
        CASE_LOG(request, "get_picture_size failed");
        return direct_result(-1);
    }
    *value = local;
    return direct_result(0);
}

// Reads a store entry for a case that logs a failure with its status.
int read_store(const Request &request, const char *entry, int *value)
{
    int result = vconf_get_int(entry, value);
    if (result != 0)
        CASE_LOG(request, "vconf_get_int error[%d]", result);
    return result;
}

Outcome get_video_player_size(const Request &request, int *value)
{
    int local = 0;
    bool wide = panel_21_9();
    if (read_store(request, video_size_entry(wide).name, &local) != 0)
        return direct_result(-1);
    CASE_LOG(request, "b219[%d] nVideoPlayerPictureSize[%d]", wide, local);
    *value = local;
    return status_of(0);
}

Outcome get_photo_player_size(const Request &request, int *value)
{
    int local = 0;
    if (read_store(request, kPhotoSize.name, &local) != 0)
        return direct_result(-1);
    CASE_LOG(request, "n219PictureSizePhoto[%d]", local);
    *value = local;
    return status_of(0);
}

// The video player's size decides the help text; "vconf" has no line here.
bool video_player_help(char *buffer)
{
    int size = -1;
    if (vconf_get_int(kVideoSize.name, &size) != 0)
        return false;
    picture_size_help(size, buffer);
    return true;
}

// Reported as a failure even after a good read, which has filled the value.
Outcome get_video_screen_fit(const Request &request, int *value)
{
    int result = vconf_get_int(kVideoScreenFit, value);
    if (result != 0)
        CASE_LOG(request, " vconf_get_int KEY [%s] fail,nRetVal = [%d]", kVideoScreenFit, result);
    return status_of(-1);
}

Outcome set_video_screen_fit(const Request &request, int value)
{
    const char *command = kScreenFitCommands[request.commit][value != 0];
    return status_of(vconf_set_str(kCommandEntry, command));
}

// ---- positioning: launch of the video player --------------------------------

// Visibility through the application context manager; 0 on success.
int context_visible(const char *app_id, int *visible)
{
    char id[512] = {};
    std::strncpy(id, app_id, sizeof id - 1);
    *visible = 0;
    return app_context_manager_check_visible(id, 0, 0, visible);
}

// The extra data that opens the player in the mode of its picture size.
const char *launch_mode(int picture_size)
{
    switch (picture_size) {
    case PICTURESIZE_FIT_TO_SCREEN: return "launch_psize_zoom_mode";
    case PICTURESIZE_CUSTOM: return "launch_psize_custom_mode";
    default: return nullptr;
    }
}

// Asks which video player is visible; -1 after a failure, handled here.
int find_visible_player(const Request &request, app_control_h handle, int visible[2])
{
    int result = app_context_manager_init();
    if (result != 0) {
        CASE_LOG(request, "app_context_manager_init() failed. eRetVal[%d]", result);
        app_control_destroy(handle);
        return -1;
    }
    const char *players[] = {kVideoPlayer, kContentVideoPlayer};
    for (int i = 0; i < 2; ++i) {
        result = context_visible(players[i], &visible[i]);
        if (result != 0) {
            CASE_LOG(request, "app_context_manager_check_visible() failed. eRetVal[%d]", result);
            app_control_destroy(handle);
            app_context_manager_fini();
            return -1;
        }
    }
    app_context_manager_fini();
    return 0;
}

// The launch is the whole action; the set value is only logged.
Outcome launch_for_position(const Request &request, int value)
{
    app_control_h handle = nullptr;
    if (app_control_create(&handle) != 0) {
        CASE_LOG(request, "app_control_create failed");
        return direct_result(-1);
    }
    int size = 0;
    if (read_store(request, video_size_entry(panel_21_9()).name, &size) != 0) {
        app_control_destroy(handle);
        return direct_result(0);
    }
    CASE_LOG(request, "nVideoPlayerPictureSize[%d]", size);
    if (const char *mode = launch_mode(size))
        app_control_add_extra_data(handle, "menu_psize", mode);
    int visible[2] = {0, 0};
    if (find_visible_player(request, handle, visible) != 0)
        return direct_result(-1);
    CASE_LOG(request, "value[%d] nIsVideoPlayerVisible[%d] nIsMycontentVideoPlayerVisible[%d]",
             value, visible[0], visible[1]);
    if (visible[0])
        app_control_set_app_id(handle, kVideoPlayer);
    else if (visible[1])
        app_control_set_app_id(handle, kContentVideoPlayer);
    int result = app_control_send_launch_request(handle, nullptr, nullptr);
    if (result != 0)
        CASE_LOG(request, "Failed to send request[%d]", result);
    app_control_destroy(handle);
    return status_of(-1);
}

// ---- panorama ---------------------------------------------------------------

// The video control of the main picture, or null after logging why.
IVideoControl *panorama_control(const Request &request)
{
    IVideoControl *control = nullptr;
    if (TVServiceAPI::CreateVideoControl(PROFILE_TYPE_MAIN, 0, &control) != 0) {
        CASE_LOG(request, "CreateVideoControl fails");
        return nullptr;
    }
    if (!control)
        CASE_LOG(request, "pVideoControl == NULL");
    return control;
}

const char *panorama_entry(int picture_size)
{
    for (const PanoramaEntry &e : kPanoramaEntries)
        if (e.picture_size == picture_size)
            return e.name;
    return nullptr;
}

// The player's panorama for its current picture size; always -1, directly.
Outcome get_player_panorama(const Request &request, int *value)
{
    int size = -1;
    if (vconf_get_int(kVideoSize219.name, &size) != 0) {
        CASE_LOG(request, "vconf get fails %s", kVideoSize219.log_name);
        return direct_result(-1);
    }
    CASE_LOG(request, "video picture size : %d", size);
    int on = 0;
    int result = -1;
    if (const char *entry = panorama_entry(size))
        result = vconf_get_int(entry, &on);
    CASE_LOG(request, "ret = %d , panorama onOff : %d", result, on);
    *value = on;
    return direct_result(-1);
}

Outcome get_panorama(const Request &request, int *value)
{
    if (any_video_player_visible())
        return get_player_panorama(request, value);
    IVideoControl *control = panorama_control(request);
    if (!control)
        return direct_result(0);
    bool on = false;
    control->GetPanoramaOption(&on);
    *value = on ? 1 : 0;
    return status_of(-1);
}

// The TV's panorama; the preview goes here whatever player is visible.
Outcome set_tv_panorama(const Request &request, int value)
{
    IVideoControl *control = panorama_control(request);
    if (!control)
        return direct_result(0);
    control->SetPanoramaOption(value != 0, request.commit);
    return status_of(-1);
}

Outcome set_panorama(const Request &request, int value)
{
    if (!any_video_player_visible())
        return set_tv_panorama(request, value);
    CASE_LOG(request, "media app is running");
    vconf_set_str(kCommandEntry, value != 0 ? "set_panorama_on" : "set_panorama_off");
    return status_of(-1);
}

constexpr KeyCase kRows[] = {
    {.id = KeyId::PictureSizeEntry, .get = get_entry, .list = picture_size_list},
    {.id = KeyId::PictureSizeVideoPlayer,
     .get = get_video_player_size,
     .list = picture_size_list,
     .help = video_player_help},
    {.id = KeyId::ScreenFitMediaPlayer,
     .get = get_video_screen_fit,
     .set = set_video_screen_fit,
     .preview = set_video_screen_fit},
    {.id = KeyId::PositionMediaPlayer, .set = launch_for_position},
    {.id = KeyId::WideMode219Photo, .get = get_photo_player_size, .list = picture_size_list},
    {.id = KeyId::Panorama, .get = get_panorama, .set = set_panorama, .preview = set_tv_panorama},
};
static_assert(rows_follow(kRows, kMediaPlayerKeys), "one row per media player key, in order");

}  // namespace

const CaseTable g_media_player_cases{kRows, std::size(kRows)};

}  // namespace picture
