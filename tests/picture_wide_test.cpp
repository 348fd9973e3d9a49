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
    EXPECT_THAT(sim::journal(),
                ElementsAre("device_power_set_state(1, 1)", "device_power_set_state(1, 1)"));
    sim::force("device_power_set_state", 3);
    clear();
    EXPECT_EQ(set_int(kPictureOff, 1), 1);
    EXPECT_THAT(messages(),
                IsSupersetOf({"power_set_state return value is 3", "ret = [-1]:otherwise"}));
}

// Only the output control's result decides; the video control may be missing.
TEST_F(PictureWideTest, PictureResetRunsInOrder)
{
    const struct {
        bool video_control;
        int avoc_result;
        int expected;
    } cases[] = {{true, 0, 0}, {false, 0, 0}, {true, 4, 1}, {false, 4, 1}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.video_control << " " << c.avoc_result);
        sim::reset();
        if (!c.video_control)
            sim::force("TVServiceAPI::CreateVideoControl", 0, 0);
        if (c.avoc_result)
            sim::force("avoc_reset_picture", c.avoc_result);
        EXPECT_EQ(set_int(kReset, 9), c.expected);
        std::vector<std::string> calls{
            "CTvService::GetCurrentProfile()",
            "TVServiceAPI::CreateVideoControl(1, 0, out)",
            "avoc_reset_picture(0)",
            "vconf_set_int(\"db/video-player-tv/picture_size\", 0)",
            "vconf_set_int(\"db/video-player-tv/picture_size_widetv\", 4)",
            "vconf_set_int(\"db/photo-player-tv/picture_size\", 0)"};
        if (c.video_control)
            calls.insert(calls.begin() + 2, "IVideoControl::ResetPicture()");
        EXPECT_EQ(sim::journal(), calls);
        if (!c.video_control) {
            EXPECT_THAT(messages(), IsSupersetOf({"Create video control failed",
                                                  "tvs resetpicturesie return value: 0."}));
        }
    }
}

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
    EXPECT_THAT(messages(), IsSupersetOf({"set_senior mode - return status:2, value:1",
                                          "ret = [2]:otherwise"}));

    sim::unforce("avoc_set_senior_mode");
    sim::force("vconf_set_int", 5);
    clear();
    EXPECT_EQ(set_int(kSeniorMode, 0), 1);
    EXPECT_THAT(messages(),
                IsSupersetOf(
                    {" vconf_set_int KEY [db/menu/system/accessibility/focuszoom] fail, ret = [5] ",
                     "ret = [-1]:otherwise"}));
}

TEST_F(PictureWideTest, HdrPlusPassesTheValueThrough)
{
    int v = -1;
    EXPECT_EQ(set_int(kHdrPlus, 3), 0);
    EXPECT_EQ(get_int(kHdrPlus, &v), 0);
    EXPECT_EQ(v, 3);
    EXPECT_THAT(sim::journal(),
                ElementsAre("avoc_set_hdr_plus_mode(3, 1)", "avoc_get_hdr_plus_mode(out, 1)"));

    sim::force("avoc_get_hdr_plus_mode", 1, 8);
    clear();
    EXPECT_EQ(get_int(kHdrPlus, &v), 1);
    EXPECT_EQ(v, 8) << "a failed read leaves what the library wrote";
    EXPECT_THAT(messages(),
                IsSupersetOf({"HDR Plus - return status:1, value:8", "ret = [1]:otherwise"}));
}

}  // namespace
}  // namespace test
