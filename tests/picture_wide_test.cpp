// Picture off, picture reset, senior mode and HDR+.
#include "provider_fixture.h"

using ::testing::ElementsAre;
using ::testing::IsSupersetOf;

namespace test {
namespace {

using PictureWideTest = ProviderTest;

const char *const kPictureOff = "menu/picture/pictureoff";
const char *const kReset = "menu/picture/reset";
const char *const kSeniorMode = "menu/picture/senior-mode";
const char *const kHdrPlus = "menu/picture/expert-settings/hdrplus";

TEST_F(PictureWideTest, PictureOffIgnoresTheValueAndReportsThePowerCall)
{
    EXPECT_EQ(set_int(kPictureOff, 0), 0);
    EXPECT_EQ(set_int(kPictureOff, 1), 0);
    EXPECT_THAT(sim::journal(), ElementsAre("device_power_set_state(1, 1)", "device_power_set_state(1, 1)"));
    sim::force("device_power_set_state", 3);
    clear();
    EXPECT_EQ(set_int(kPictureOff, 1), 1);
    EXPECT_THAT(messages(), IsSupersetOf({"power_set_state return value is 3", "ret = [-1]:otherwise"}));
}

struct ResetCase {
    const char *name;
    bool video_control;
    int avoc_result;
    int expected;
};

class PictureReset : public ProviderTest, public ::testing::WithParamInterface<ResetCase> {};

TEST_P(PictureReset, ResetsInOrderAndOnlyTheOutputControlDecides)
{
    const ResetCase &c = GetParam();
    sim::state().vconf_int["db/video-player-tv/picture_size"] = 2;
    sim::state().vconf_int["db/photo-player-tv/picture_size"] = 3;
    if (!c.video_control)
        sim::force("TVServiceAPI::CreateVideoControl", 0, 0);
    if (c.avoc_result)
        sim::force("avoc_reset_picture", c.avoc_result);

    EXPECT_EQ(set_int(kReset, 9), c.expected);

    std::vector<std::string> calls = sim::journal();
    auto at = [&](const std::string &prefix) {
        for (std::size_t i = 0; i < calls.size(); ++i)
            if (calls[i].rfind(prefix, 0) == 0)
                return static_cast<int>(i);
        return -1;
    };
    EXPECT_GE(at("TVServiceAPI::CreateVideoControl"), 0);
    EXPECT_EQ(at("IVideoControl::ResetPicture") >= 0, c.video_control);
    EXPECT_LT(at("TVServiceAPI::CreateVideoControl"), at("avoc_reset_picture(0)"));
    EXPECT_LT(at("avoc_reset_picture(0)"), at("vconf_set_int(\"db/video-player-tv/picture_size\", 0)"));
    EXPECT_LT(at("vconf_set_int(\"db/video-player-tv/picture_size\", 0)"),
              at("vconf_set_int(\"db/video-player-tv/picture_size_widetv\", 4)"));
    EXPECT_LT(at("vconf_set_int(\"db/video-player-tv/picture_size_widetv\", 4)"),
              at("vconf_set_int(\"db/photo-player-tv/picture_size\", 0)"));
    EXPECT_EQ(sim::state().vconf_int["db/video-player-tv/picture_size"], 0);
    EXPECT_EQ(sim::state().vconf_int["db/video-player-tv/picture_size_widetv"], 4);
    EXPECT_EQ(sim::state().vconf_int["db/photo-player-tv/picture_size"], 0);
    if (!c.video_control) {
        EXPECT_THAT(messages(), IsSupersetOf({"Create video control failed",
                                              "tvs resetpicturesie return value: 0."}));
    }
}

INSTANTIATE_TEST_SUITE_P(Outcomes, PictureReset,
                         ::testing::Values(ResetCase{"all_well", true, 0, 0},
                                           ResetCase{"no_video_control", false, 0, 0},
                                           ResetCase{"output_control_fails", true, 4, 1},
                                           ResetCase{"both_fail", false, 4, 1}),
                         [](const auto &param_info) { return std::string(param_info.param.name); });

TEST_F(PictureWideTest, SeniorModeSetsTheFocusZoomWhateverTheLibrarySaid)
{
    const std::pair<int, int> zoom_for[] = {{1, 1}, {0, 0}, {2, 0}};
    for (auto [mode, zoom] : zoom_for) {
        EXPECT_EQ(set_int(kSeniorMode, mode), 0);
        EXPECT_EQ(sim::state().vconf_int["db/menu/system/accessibility/focuszoom"], zoom) << mode;
    }
    sim::force("avoc_set_senior_mode", 2);
    EXPECT_EQ(set_int(kSeniorMode, 1), 1);
    EXPECT_EQ(sim::state().vconf_int["db/menu/system/accessibility/focuszoom"], 1);
    EXPECT_THAT(messages(), IsSupersetOf({"set_senior mode - return status:2, value:1", "ret = [2]:otherwise"}));

    sim::unforce("avoc_set_senior_mode");
    sim::force("vconf_set_int", 5);
    clear();
    EXPECT_EQ(set_int(kSeniorMode, 0), 1);
    EXPECT_THAT(messages(), IsSupersetOf({" vconf_set_int KEY [db/menu/system/accessibility/focuszoom] fail, ret = [5] ",
                                          "ret = [-1]:otherwise"}));
}

TEST_F(PictureWideTest, SeniorModeAndHdrPlusReadBackWhatWasSet)
{
    int v = -1;
    EXPECT_EQ(set_int(kHdrPlus, 3), 0);
    EXPECT_EQ(get_int(kHdrPlus, &v), 0);
    EXPECT_EQ(v, 3);
    EXPECT_EQ(set_int(kSeniorMode, 1), 0);
    EXPECT_EQ(get_int(kSeniorMode, &v), 0);
    EXPECT_EQ(v, 1);
    EXPECT_THAT(sim::journal(), IsSupersetOf({"avoc_set_hdr_plus_mode(3, 1)", "avoc_get_hdr_plus_mode(out, 1)"}));

    sim::force("avoc_get_hdr_plus_mode", 1, 8);
    clear();
    EXPECT_EQ(get_int(kHdrPlus, &v), 1);
    EXPECT_EQ(v, 8) << "a failed read leaves what the library wrote";
    EXPECT_THAT(messages(), IsSupersetOf({"HDR Plus - return status:1, value:8", "ret = [1]:otherwise"}));
}

}  // namespace
}  // namespace test
