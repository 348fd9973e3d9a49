// Quality keys with rules of their own: digital clean view, the gamma
// configuration's log lines, the colour components of the selected colour,
// and analog clean view through the TV service.
#include "provider_fixture.h"
#include "quality_test_util.h"

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;

namespace test {
namespace {

using QualityRules = ProviderTest;

TEST_F(QualityRules, DigitalCleanViewShowsFourAsOne)
{
    const std::string key = picture_key("picture-options/digital-cleanview");
    EXPECT_EQ(set_int(key.c_str(), 1), 0);
    EXPECT_EQ(tail(2)[0], "Picture Menu set key: " + key + ", value: 4");
    EXPECT_EQ(set_int_pre(key.c_str(), 1), 0);
    EXPECT_THAT(sim::journal(), ElementsAre("avoc_set_digital_clean_view(0, 4, 1)",
                                            "avoc_set_digital_clean_view(0, 1, 0)"));
    sim::state().avoc_live["digital_clean_view"] = 4;  // the previewed value, as reads see it
    int v = 0;
    EXPECT_EQ(get_int(key.c_str(), &v), 0);
    EXPECT_EQ(v, 1);
    EXPECT_THAT(messages(), Contains("PICTURE_DIGITAL_CLEAN_VIEW : 4"));
    sim::force("avoc_get_digital_clean_view", 3, 4);
    v = 0;
    EXPECT_EQ(get_int(key.c_str(), &v), 1);
    EXPECT_EQ(v, 1) << "folded even when the read fails";
}

TEST_F(QualityRules, GammaConfigurationLogsTheValueReadAndThePosition)
{
    sim::state().avoc["gamma_config"] = 3;
    int v = 0;
    EXPECT_EQ(get_int("menu/picture/advanced-settings/org-gamma", &v), 1);
    EXPECT_EQ(v, 3);
    EXPECT_EQ(tail(4)[0], "avoc_get_gamma_config : [3]");
    EXPECT_EQ(tail(4)[1], "avoc_get_gamma_config : [0]");
}

// Colour 2 is selected; colour 1 holds 7 in every component.
class ColorSpace : public ProviderTest {
protected:
    void SetUp() override
    {
        ProviderTest::SetUp();
        sim::state().avoc["color_space_config"] = 2;
        for (const char *c : {"custom_rgb/1/red", "custom_rgb/1/green", "hsl/1/hue"})
            avoc(c) = 7;
    }
    static int &avoc(const std::string &name) { return sim::state().avoc["color_space_" + name]; }
    static std::string key(const char *leaf)
    {
        return picture_key("advanced-settings/color-space/") + leaf;
    }
};

// Each set reads the record anew, so every earlier change is kept.
TEST_F(ColorSpace, ComponentsEditTheSelectedColourOnly)
{
    const char *leaves[] = {"red", "green", "blue", "hue", "saturation", "lightness"};
    const char *names[] = {"custom_rgb/2/red", "custom_rgb/2/green", "custom_rgb/2/blue",
                           "hsl/2/hue",        "hsl/2/saturation",   "hsl/2/lightness"};
    const int stored[] = {0, 1, 2, 259, 260, 261};  // RGB keeps the low eight bits
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(set_int(key(leaves[i]).c_str(), 256 + i), 0);
    for (int i = 0; i < 6; ++i) {
        int v = -1;
        EXPECT_EQ(get_int(key(leaves[i]).c_str(), &v), 0);
        EXPECT_EQ(v, stored[i]) << leaves[i];
        EXPECT_EQ(avoc(names[i]), stored[i]) << leaves[i];
        EXPECT_EQ(set_int_pre(key(leaves[i]).c_str(), 1), 1);
    }
    EXPECT_EQ(avoc("custom_rgb/1/red") + avoc("custom_rgb/1/green") + avoc("hsl/1/hue"), 21);
}

TEST_F(ColorSpace, RecordsAreReadWholeAndWrittenWhole)
{
    avoc("custom_rgb/2/green") = avoc("hsl/2/hue") = 5;
    EXPECT_EQ(set_int(key("red").c_str(), 256), 0);
    EXPECT_EQ(set_int(key("saturation").c_str(), 300), 0);
    EXPECT_THAT(sim::journal(), ElementsAre("avoc_get_color_space_config(0, out, 1)",
                                            "avoc_get_color_space_custom_rgb(0, 2, out)",
                                            "avoc_set_color_space_custom_rgb(0, 2, {0, 5, 0})",
                                            "avoc_get_color_space_config(0, out, 1)",
                                            "avoc_get_color_space_hsl(0, 2, out, 1)",
                                            "avoc_set_color_space_hsl(0, 2, 5, 300, 0, 1)"));
}

TEST_F(ColorSpace, FailedColourReadStopsBeforeTheRecord)
{
    avoc("config") = 7;  // no position in the table
    int v = 0;
    EXPECT_EQ(get_int(key("red").c_str(), &v), 1);
    EXPECT_EQ(v, 7);
    sim::force("avoc_get_color_space_config", 5, 1);
    EXPECT_EQ(set_int(key("green").c_str(), 1), 1);
    EXPECT_EQ(set_int(key("lightness").c_str(), 1), 1);
    EXPECT_EQ(set_int(key("reset").c_str(), 1), 1);
    v = 9;
    EXPECT_EQ(get_int(key("hue").c_str(), &v), 1);
    EXPECT_EQ(v, 9);
    EXPECT_EQ(tail(3)[0], "avoc_get_color_space_config failed. status[5]");
    EXPECT_EQ(sim::journal(),
              std::vector<std::string>(5, "avoc_get_color_space_config(0, out, 1)"));
}

TEST_F(ColorSpace, ResetResetsTheSelectedColour)
{
    EXPECT_EQ(set_int(key("reset").c_str(), 99), 0);
    EXPECT_THAT(sim::journal(), ElementsAre("avoc_get_color_space_config(0, out, 1)",
                                            "avoc_reset_color_space(0, 2)"));
    EXPECT_THAT(messages(), Contains("color space status is 0 value is 2"));
}

const std::string kAnalog = "menu/picture/picture-options/analog-clean-view";

TEST_F(QualityRules, AnalogCleanViewIsReadFromTheCurrentService)
{
    sim::state().tv.current_service[36] = 5;
    int v = 0;
    EXPECT_EQ(get_int(kAnalog.c_str(), &v), 1);
    EXPECT_EQ(v, 1);
    EXPECT_THAT(tail(4), ElementsAre(" Current CROSS_TALK_NR = 1", " Current bValue = 1",
                                     "PIcture Menu get key: " + kAnalog + ", value: 1",
                                     "ret = [-1]:otherwise"));
    EXPECT_THAT(sim::journal(), Contains("TCCriteriaHelper::Fetch(36)"));
    sim::state().tv.current_service.erase(36);
    EXPECT_EQ(get_int(kAnalog.c_str(), &v), 1);
    EXPECT_EQ(v, 0);
}

TEST_F(QualityRules, AnalogCleanViewGetLeavesWithMinusOneWhenTheServiceFails)
{
    const std::pair<const char *, const char *> failures[] = {
        {"TVServiceAPI::CreateServiceNavigation", "Create Service Navigation failed"},
        {"IServiceNavigation::GetTvMode", "Get TV Mode failed"},
        {"IServiceNavigation::GetCurrentServiceInfo", "GetCurrentServiceInfo failed"}};
    for (auto [function, line] : failures) {
        clear();
        sim::force(function, function[0] == 'T' ? 1 : 0);
        int v = 9;
        EXPECT_EQ(get_int(kAnalog.c_str(), &v), -1);
        EXPECT_EQ(v, 9);
        EXPECT_EQ(messages().back(), line);
        sim::unforce(function);
    }
}

TEST_F(QualityRules, AnalogCleanViewSetAlwaysFails)
{
    EXPECT_EQ(set_int(kAnalog.c_str(), 2), 1);
    EXPECT_TRUE(sim::state().tv.analog_clean_view);
    EXPECT_THAT(messages(), Contains("value is 2"));
    sim::force("IAVControl::SetAnalogCleanView", 0);
    EXPECT_EQ(set_int(kAnalog.c_str(), 0), 1);
    EXPECT_THAT(messages(), Contains(" SetAnalogCleanView FAIL!!!!!!!!!!!!!!!!!!!!!"));
    clear();
    sim::force("TVServiceAPI::CreateAVControl", 1);
    EXPECT_EQ(set_int(kAnalog.c_str(), 1), 1);
    EXPECT_THAT(sim::journal(), Not(Contains(testing::StartsWith("IAVControl"))));
}

}  // namespace
}  // namespace test
