// What the transcripts cannot show: picture-menu starts every read from 0 and
// cannot set up the current service's fields. The keys' calls and lines are
// pinned by tests/host/scenarios.
#include "provider_fixture.h"

namespace test {
namespace {

constexpr int kUntouched = 1234;

struct FailedRead {
    const char *key;
    const char *function;  // forced to answer `result`, leaving `out`
    int result;
    long long out;
    int left;  // the caller's value afterwards
};

void PrintTo(const FailedRead &c, std::ostream *os)
{
    *os << c.key << " " << c.function;
}

// A failed read leaves the caller's value, writes a fallback or passes on
// what the platform left, key by key.
const FailedRead kFailedReads[] = {
    {"menu/picture/picture-options/film-mode", "avoc_get_film_mode", 7, 2, 2},
    {"menu/picture/picturesize/mode", "IVideoControl::GetPictureSize", -1, 7, 0},
    {"menu/picture/picturesize/43picturesize", "IVideoControl::GetScreenMode", -1, 2, kUntouched},
    {"menu/picture/picturesize/screenfit", "IVideoControl::GetScreenFitOption", 0, 7, 0},
    {"menu/picture/picturesize/autowide", "IVideoControl::GetAutoWideOption", 2, 1, 0},
    {"menu/picture/picturesize/43picturesize", "TVServiceAPI::CreateVideoControl", -1, 0,
     kUntouched},
    {"menu/picture/picturesize/entry", "TVServiceAPI::CreateVideoControl", -1, 0, kUntouched},
    {"menu/picture/picturesize/picturesize-mode-video", "vconf_get_int", -1, 0, kUntouched},
    {"menu/picture/pip/pipss", "IUtil::GetMasterAudio", 0, 0, 0},
    {"menu/picture/pip/pipss", "TVServiceAPI::CreateUtil", -1, 0, kUntouched},
    {"menu/picture/advanced-settings/color-space/hue", "avoc_get_color_space_config", 5, 1,
     kUntouched},
    {"menu/picture/advanced-settings/10p-white-balance/red", "avoc_get_10p_white_balance_interval",
     4, 6, kUntouched},
    {"menu/picture/picture-options/analog-clean-view", "IServiceNavigation::GetTvMode", 0, 0,
     kUntouched},
    {"menu/picture/expert-settings/hdrplus", "avoc_get_hdr_plus_mode", 1, 8, 8},
};

class FailedReadTest : public ProviderTest, public ::testing::WithParamInterface<FailedRead> {};

TEST_P(FailedReadTest, LeavesWhatTheKeyPromises)
{
    const FailedRead &c = GetParam();
    sim::force(c.function, c.result, c.out);
    int v = kUntouched;
    EXPECT_NE(get_int(c.key, &v), 0);
    EXPECT_EQ(v, c.left);
    EXPECT_EQ(sim::state().tv.reference_count, 0) << "the PIP connection is closed again";
}

INSTANTIATE_TEST_SUITE_P(Keys, FailedReadTest, ::testing::ValuesIn(kFailedReads));

// A list that fails leaves the caller's count.
TEST_F(ProviderTest, FailedListLeavesTheCount)
{
    sim::force("avoc_get_picture_mode", 2);
    sim::force("IServiceNavigation::GetServiceList", -1, 2);
    for (const char *key :
         {"menu/picture/picture-options/color-tone", "menu/picture/pip/channel"}) {
        int count = 77;
        EXPECT_EQ(get_list_items(key, &count), nullptr) << key;
        EXPECT_EQ(count, 77) << key;
    }
}

// Analog clean view is on when the current service's cross-talk field is.
TEST_F(ProviderTest, AnalogCleanViewFollowsTheCurrentService)
{
    const char *key = "menu/picture/picture-options/analog-clean-view";
    sim::state().tv.current_service[36] = 5;
    int v = 0;
    EXPECT_EQ(get_int(key, &v), 1);
    EXPECT_EQ(v, 1);
    sim::state().tv.current_service.erase(36);
    EXPECT_EQ(get_int(key, &v), 1);
    EXPECT_EQ(v, 0);
}

}  // namespace
}  // namespace test
