// Display names, help texts, module information and the Info key, with the
// texts translated through a test catalogue.
#include <libintl.h>

#include <clocale>
#include <cstdlib>
#include <functional>

#include "provider_fixture.h"

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace test {
namespace {

class LabelsTest : public ProviderTest {
protected:
    void SetUp() override
    {
        ProviderTest::SetUp();
        // The provider bound the domain to the TV's directory; point it at
        // the test catalogue, as a desktop host does.
        setenv("LANGUAGE", "tt", 1);
        std::setlocale(LC_ALL, "C.UTF-8");
        bindtextdomain("settings-datafw", TEST_LOCALE_DIR);
    }

    std::string label(const char *key) { return text(PROVIDER_SLOT_GET_DISPLAY_NAME, key); }
    std::string help(const char *key) { return text(PROVIDER_SLOT_GET_HELP_TEXT, key); }
    void key_event(const char *name)
    {
        op<provider_send_keyevent_fn>(PROVIDER_SLOT_SEND_KEYEVENT)(name);
    }
};

// The TV's state as a texts' source sees it.
struct TextCase {
    const char *name;
    provider_slot slot;
    const char *key;
    std::function<void()> tv;
    const char *expected;
};

void PrintTo(const TextCase &c, std::ostream *os)
{
    *os << c.name;
}

const char *const kGammaValue = "menu/picture/advanced-settings/org-value-gamma";
const char *const kLedClearMotion =
    "menu/picture/picture-options/auto-motion-plus/led-clear-motion";
const char *const kMotionMode = "menu/picture/picture-options/auto-motion-plus/mode";
const char *const kPictureSize = "menu/picture/picturesize/mode";
const char *const kVideoPlayerSize = "menu/picture/picturesize/picturesize-mode-video";

std::function<void()> gamma_config(int config)
{
    return [config] { sim::state().avoc["gamma_config"] = config; };
}

std::function<void()> failing(const char *function)
{
    return [function] { sim::force(function, -1, 0); };
}

std::function<void()> picture_size(int size)
{
    return [size] { sim::state().tv.picture_size = size; };
}

std::function<void()> video_player_size(int size)
{
    return [size] { sim::state().vconf_int["db/video-player-tv/picture_size"] = size; };
}

class TextChoice : public LabelsTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(TextChoice, FollowsTheTvState)
{
    GetParam().tv();
    int status = -5;
    EXPECT_EQ(text(GetParam().slot, GetParam().key, &status), GetParam().expected);
    EXPECT_EQ(status, 0);
}

const provider_slot L = PROVIDER_SLOT_GET_DISPLAY_NAME;
const provider_slot H = PROVIDER_SLOT_GET_HELP_TEXT;

INSTANTIATE_TEST_SUITE_P(
    LabelsAndHelpTexts, TextChoice,
    ::testing::Values(TextCase{"gamma_1", L, kGammaValue, gamma_config(1), "t:ST"},
                      TextCase{"gamma_5", L, kGammaValue, gamma_config(5), ""},
                      TextCase{"gamma_failing", L, kGammaValue, failing("avoc_get_gamma_config"),
                               "t:BT"},
                      TextCase{"chip_failing", L, kLedClearMotion,
                               failing("system_info_get_value_int"), "My Menu Item"},
                      TextCase{"unknown_key", L, "no/such/key", [] {}, "My Menu Item"},
                      TextCase{"help_gamma_1", H, kGammaValue, gamma_config(1), "t:adjust ST"},
                      TextCase{"help_gamma_5", H, kGammaValue, gamma_config(5), ""},
                      TextCase{"help_gamma_failing", H, kGammaValue,
                               failing("avoc_get_gamma_config"), "t:adjust BT"},
                      TextCase{"help_flag_failing", H, kMotionMode,
                               failing("system_info_get_value_bool"), "t:judder"},
                      TextCase{"help_size_1", H, kPictureSize, picture_size(1), "t:fit"},
                      TextCase{"help_size_2", H, kPictureSize, picture_size(2), ""},
                      TextCase{"help_size_failing", H, kPictureSize,
                               failing("IVideoControl::GetPictureSize"), "My Help Text"},
                      TextCase{"help_player_3", H, kVideoPlayerSize, video_player_size(3), "t:4:3"},
                      TextCase{"help_player_failing", H, kVideoPlayerSize, failing("vconf_get_int"),
                               "My Help Text"},
                      TextCase{"help_other_key", H, "menu/picture/reset", [] {}, "My Help Text"}),
    [](const auto &param_info) { return std::string(param_info.param.name); });

TEST_F(LabelsTest, DisplayNameRejectsBadArgumentsAndLooksTheKeyUpOnce)
{
    char *s = nullptr;
    EXPECT_EQ(op<provider_get_string_fn>(L)(nullptr, &s), -1);
    EXPECT_EQ(op<provider_get_string_fn>(L)(kGammaValue, nullptr), -1);
    EXPECT_THAT(messages(), ElementsAre("params error!", "params error!"));
    clear();
    label(kLedClearMotion);
    EXPECT_THAT(messages(), ElementsAre(" size: 71 "));
    sim::force("system_info_get_value_int", 1);
    clear();
    label(kLedClearMotion);
    EXPECT_THAT(messages(), ElementsAre(" size: 71 ", "cannot get tv chip type!"));
}

TEST_F(LabelsTest, InfoKeyChangesTheNextPlaceholderHelpOnly)
{
    key_event("XF86Info");
    key_event("XF86Info");
    EXPECT_EQ(help(kGammaValue), "t:adjust BT") << "state texts keep the flag";
    key_event("XF86Inf");
    key_event("XF86Info2");
    key_event(nullptr);
    EXPECT_EQ(help("menu/picture/reset"), "Info help text");
    EXPECT_EQ(help("menu/picture/reset"), "My Help Text");
    key_event("XF86InfoX");
    EXPECT_EQ(help("menu/picture/pictureoff"), "My Help Text") << "near-miss names set nothing";
    key_event("XF86Info");
    sim::force("IVideoControl::GetPictureSize", -1);
    EXPECT_EQ(help(kPictureSize), "Info help text")
        << "a failed size read falls to the placeholder";
    EXPECT_EQ(help(kPictureSize), "My Help Text");
    EXPECT_THAT(messages(), Contains("IVideoControl::GetPictureSize returns -1"));
}

TEST_F(LabelsTest, ModuleInformation)
{
    const provider_slot M = PROVIDER_SLOT_GET_MODULE_INFO;
    EXPECT_EQ(text(M, "provider/owner"), "pelrond7.vask");
    EXPECT_EQ(text(M, "provider/main-component"), "QM_SetupApp");
    EXPECT_EQ(text(M, "provider/sub-component"), "QM_Settings");
    int status = -5;
    EXPECT_EQ(text(M, "provider/owner/", &status), "<null>");
    EXPECT_EQ(status, 0);
    EXPECT_EQ(text(M, nullptr, &status), "<null>");
    EXPECT_EQ(status, -1);
    EXPECT_THAT(sim::journal(), IsEmpty());
}

}  // namespace
}  // namespace test
