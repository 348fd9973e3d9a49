// The media players' picture size keys as scenarios: which player is
// visible, whether the panel shows 21:9, which platform call fails, and the
// calls, the command written, the status and the log lines that follow.
#include <set>

#include "provider_fixture.h"

namespace test {
namespace {

constexpr int kUntouched = 1234;
const std::string kVideo = "org.kavri.video-player-tv";
const std::string kContentVideo = "org.kavri.mycontent-video-player-tv";
const std::string kPhoto = "org.kavri-photo-player-tv";
const std::string kContentPhoto = "org.kavri.mycontent-photo-player-tv";
const std::string k219 = "system_info_get_value_bool(303, out)";
const std::string kCreate = "TVServiceAPI::CreateVideoControl(1, 0, out)";
const std::string kOtherwise = "ret = [-1]:otherwise";

const auto shown = [](const std::string &app) {
    return "CMenuUtil::CheckApplicationVisible(\"" + app + "\")";
};
const auto read = [](const std::string &player_entry) {
    return "vconf_get_int(\"db/" + player_entry + "\", out)";
};
const auto asked = [](const std::string &app) {
    return "app_context_manager_check_visible(\"" + app + "\", 0, 0, out)";
};
const auto exit_line = [](const std::string &key, int v, bool get = true) {
    return std::string(get ? "PIcture Menu get key: " : "Picture Menu set key: ") +
           "menu/picture/picturesize/" + key + ", value: " + std::to_string(v);
};

struct Scenario {
    std::string name;
    char op = 'g';  // get, set or preview ('p'); both set the value 1
    std::string key;
    std::set<std::string> visible = {};
    bool wide = false;
    std::string failing = "";  // a platform function that answers -1
    int player_size = 5;       // the video player's picture size on a 21:9 panel
    int result = 0;
    int out = kUntouched;
    std::vector<std::string> calls = {};
    std::vector<std::string> lines = {};  // the log after the key lookup
    std::string command = "";             // the video player's command entry afterwards
};

void PrintTo(const Scenario &s, std::ostream *os)
{
    *os << s.name;
}

std::string scenario_name(const ::testing::TestParamInfo<Scenario> &p)
{
    return p.param.name;
}

class MediaPlayerKey : public ProviderTest, public ::testing::WithParamInterface<Scenario> {};

TEST_P(MediaPlayerKey, Scenario)
{
    const Scenario &s = GetParam();
    sim::State &state = sim::state();
    state.visible_apps = s.visible;
    state.system_info[303] = s.wide;
    state.vconf_int["db/video-player-tv/picture_size"] = 2;
    state.vconf_int["db/video-player-tv/picture_size_widetv"] = s.player_size;
    state.vconf_int["db/photo-player-tv/picture_size"] = 6;
    state.vconf_int["db/video-player-tv/psize_screen_fit"] = 2;
    state.vconf_int["db/video-player-tv/psize_panorama_auto"] = 1;
    if (!s.failing.empty())
        sim::force(s.failing, -1);
    const std::string key = "menu/picture/picturesize/" + s.key;
    int out = kUntouched;
    int result = s.op == 'g'   ? get_int(key.c_str(), &out)
                 : s.op == 's' ? set_int(key.c_str(), 1)
                               : set_int_pre(key.c_str(), 1);
    EXPECT_EQ(result, s.result);
    EXPECT_EQ(out, s.out);
    EXPECT_EQ(sim::journal(), s.calls);
    std::vector<std::string> m = messages();
    ASSERT_GE(m.size(), 2u);
    EXPECT_EQ(std::vector<std::string>(m.begin() + 2, m.end()), s.lines);
    EXPECT_EQ(state.vconf_str["memory/video-player/picture_size_control"], s.command);
    EXPECT_EQ(state.open_app_controls, 0);
    EXPECT_FALSE(state.app_context_open);
}

// clang-format off
const Scenario kScenarios[] = {
    {.name = "EntryOfContentVideoPlayerOnWidePanel", .key = "entry", .visible = {kContentVideo},
     .wide = true, .out = 5,
     .calls = {k219, shown(kVideo), shown(kContentVideo), read("video-player-tv/picture_size_widetv")},
     .lines = {"b219 : 1"}},
    {.name = "EntryOfVideoPlayerReadFails", .key = "entry", .visible = {kVideo},
     .failing = "vconf_get_int", .result = -1,
     .calls = {k219, shown(kVideo), read("video-player-tv/picture_size")},
     .lines = {"b219 : 0", "vconf_get_int failed : PICTURE_SIZE_VIDEO_PLAYER_VCONF_KEY"}},
    {.name = "EntryOfPhotoPlayerOnWidePanel", .key = "entry", .visible = {kContentPhoto},
     .wide = true, .out = 6,
     .calls = {k219, shown(kVideo), shown(kContentVideo), shown(kPhoto), shown(kContentPhoto),
               read("photo-player-tv/picture_size")},
     .lines = {"b219 : 1"}},
    {.name = "EntryIgnoresPhotoPlayerWithout219", .key = "entry", .visible = {kPhoto}, .out = 0,
     .calls = {k219, shown(kVideo), shown(kContentVideo), kCreate, "IVideoControl::GetPictureSize(out)"},
     .lines = {"b219 : 0", "", "EPictureSizeType : 0"}},
    {.name = "EntryOfTvFailsLeavingTheValue", .key = "entry",
     .failing = "TVServiceAPI::CreateVideoControl", .result = -1,
     .calls = {k219, shown(kVideo), shown(kContentVideo), kCreate},
     .lines = {"b219 : 0", "", "Create video control failed,using 16:9 at default", "get_picture_size failed"}},
    {.name = "VideoPlayerSizeReadFails", .key = "picturesize-mode-video", .wide = true,
     .failing = "vconf_get_int", .result = -1,
     .calls = {k219, read("video-player-tv/picture_size_widetv")}, .lines = {"vconf_get_int error[-1]"}},
    {.name = "PhotoPlayerSize", .key = "219wide_mode_photo", .out = 6,
     .calls = {read("photo-player-tv/picture_size")},
     .lines = {"n219PictureSizePhoto[6]", exit_line("219wide_mode_photo", 6), "ret = [0]:success"}},
    {.name = "ScreenFitGoodReadStillFails", .key = "screenfit-mm", .result = 1, .out = 2,
     .calls = {read("video-player-tv/psize_screen_fit")},
     .lines = {exit_line("screenfit-mm", 2), kOtherwise}},
    {.name = "ScreenFitPreviewCommand", .op = 'p', .key = "screenfit-mm",
     .calls = {"vconf_set_str(\"memory/video-player/picture_size_control\", \"preview_screen_fit_on\")"},
     .lines = {exit_line("screenfit-mm", 1, false), "ret = [0]:success"},
     .command = "preview_screen_fit_on"},
    {.name = "PositionLaunchesTheVisiblePlayerInCustomMode", .op = 's', .key = "position-mm",
     .visible = {kVideo}, .result = 1,
     .calls = {"app_control_create(out)", k219, read("video-player-tv/picture_size"),
               "app_control_add_extra_data(handle, \"menu_psize\", \"launch_psize_custom_mode\")",
               "app_context_manager_init()", asked(kVideo), asked(kContentVideo),
               "app_context_manager_fini()", "app_control_set_app_id(handle, \"" + kVideo + "\")",
               "app_control_send_launch_request(handle, null, null)", "app_control_destroy(handle)"},
     .lines = {"nVideoPlayerPictureSize[2]",
               "value[1] nIsVideoPlayerVisible[1] nIsMycontentVideoPlayerVisible[0]",
               exit_line("position-mm", 1, false), kOtherwise}},
    {.name = "PositionVisibilityCheckFails", .op = 's', .key = "position-mm", .wide = true,
     .failing = "app_context_manager_check_visible", .result = -1,
     .calls = {"app_control_create(out)", k219, read("video-player-tv/picture_size_widetv"),
               "app_context_manager_init()", asked(kVideo), "app_control_destroy(handle)",
               "app_context_manager_fini()"},
     .lines = {"nVideoPlayerPictureSize[5]", "app_context_manager_check_visible() failed. eRetVal[-1]"}},
    {.name = "PositionSizeReadFails", .op = 's', .key = "position-mm", .failing = "vconf_get_int",
     .calls = {"app_control_create(out)", k219, read("video-player-tv/picture_size"),
               "app_control_destroy(handle)"},
     .lines = {"vconf_get_int error[-1]"}},
    {.name = "PanoramaOfPlayerSizeWithoutOne", .key = "panorama", .visible = {kVideo},
     .player_size = 3, .result = -1, .out = 0,
     .calls = {shown(kContentVideo), shown(kVideo), read("video-player-tv/picture_size_widetv")},
     .lines = {"video picture size : 3", "ret = -1 , panorama onOff : 0"}},
    {.name = "PanoramaOfTv", .key = "panorama", .result = 1, .out = 0,
     .calls = {shown(kContentVideo), shown(kVideo), kCreate, "IVideoControl::GetPanoramaOption(out)"},
     .lines = {exit_line("panorama", 0), kOtherwise}},
    {.name = "PanoramaSetWithoutVideoControl", .op = 's', .key = "panorama",
     .failing = "TVServiceAPI::CreateVideoControl",
     .calls = {shown(kContentVideo), shown(kVideo), kCreate}, .lines = {"CreateVideoControl fails"}},
    {.name = "PanoramaSetCommandsTheVisiblePlayer", .op = 's', .key = "panorama",
     .visible = {kContentVideo}, .result = 1,
     .calls = {shown(kContentVideo), shown(kVideo),
               "vconf_set_str(\"memory/video-player/picture_size_control\", \"set_panorama_on\")"},
     .lines = {"media app is running", exit_line("panorama", 1, false), kOtherwise},
     .command = "set_panorama_on"},
    {.name = "PanoramaPreviewGoesToTheTv", .op = 'p', .key = "panorama", .visible = {kVideo},
     .result = 1, .calls = {kCreate, "IVideoControl::SetPanoramaOption(1, 0)"},
     .lines = {exit_line("panorama", 1, false), kOtherwise}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(All, MediaPlayerKey, ::testing::ValuesIn(kScenarios), scenario_name);

}  // namespace
}  // namespace test
