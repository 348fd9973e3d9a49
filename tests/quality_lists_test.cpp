// The colour tone list (labelled by picture mode) and the dynamic contrast
// list (sized by product, labelled by language).
#include "provider_fixture.h"
#include "quality_test_util.h"

using ::testing::Contains;

namespace test {
namespace {

using Choices = std::vector<Choice>;

class ColorToneList : public ProviderTest, public ::testing::WithParamInterface<int> {};

TEST_P(ColorToneList, LastLabelFollowsThePictureMode)
{
    int mode = GetParam();
    sim::state().avoc["picture_mode"] = mode;
    const char *warm = mode >= 0x20004 && mode <= 0x20007 ? "SID_WARM" : "SID_WARM2";
    EXPECT_EQ(choices("menu/picture/picture-options/color-tone"),
              (Choices{{0, "SID_OFF", {}},
                       {1, "SID_COOL", {}},
                       {2, "SID_STANDARD_MALEID", {}},
                       {3, "SID_WARM1", {}},
                       {4, warm, {}}}));
    auto lines = messages();
    EXPECT_EQ(lines[1], format("avoc_get_picture_mode, return:0, picture mode value:%d", mode));
    EXPECT_EQ(lines[2], "5");
    EXPECT_EQ(lines[7], std::string("name : ") + warm + " / value : 4");
}

INSTANTIATE_TEST_SUITE_P(Modes, ColorToneList,
                         ::testing::Values(0, 0x20003, 0x20004, 0x20007, 0x20008));

using QualityLists = ProviderTest;

TEST_F(QualityLists, ColorToneListNeedsThePictureMode)
{
    sim::force("avoc_get_picture_mode", 2);
    int count = 77;
    EXPECT_EQ(get_list_items("menu/picture/picture-options/color-tone", &count), nullptr);
    EXPECT_EQ(count, 77);
    EXPECT_EQ(messages().back(), "AVOC RETURN ERROR!!");
}

struct ContrastCase {
    bool lfd;
    const char *language;  // null: the store has none
    std::vector<const char *> labels;
};

class DynamicContrastList : public ProviderTest,
                            public ::testing::WithParamInterface<ContrastCase> {};

// Three choices skip value 2.
TEST_P(DynamicContrastList, ChoicesFollowProductAndLanguage)
{
    const ContrastCase &c = GetParam();
    sim::state().tv.lfd_product = c.lfd;
    sim::state().vconf_str.erase("db/menu_widget/language");
    if (c.language)
        sim::state().vconf_str["db/menu_widget/language"] = c.language;
    Choices expected;
    for (std::size_t i = 0; i < c.labels.size(); ++i)
        expected.push_back({c.lfd || i < 2 ? int(i) : 3, c.labels[i], {}});
    EXPECT_EQ(choices("menu/picture/advanced-settings/dynamic-contrast"), expected);
    EXPECT_THAT(messages(), Contains("name : " + expected[2].display +
                                     " / value : " + std::to_string(expected[2].value)));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DynamicContrastList,
    ::testing::Values(
        ContrastCase{false, "en_US.utf8", {"SID_OFF", "SID_LOW", "SID_HIGH"}},
        ContrastCase{false, "sk_SK.utf8", {"SID_OFF", "SID_LOW_MALEID", "SID_HIGH_MALEID"}},
        ContrastCase{true, "sk_SK", {"SID_OFF", "SID_LOW", "SID_MEDIUM", "SID_HIGH"}},
        ContrastCase{true, nullptr, {"SID_OFF", "SID_LOW", "SID_MEDIUM", "SID_HIGH"}},
        ContrastCase{true,
                     "sk_SK.utf8",
                     {"SID_OFF", "SID_LOW_MALEID", "SID_MEDIUM_MALEID", "SID_HIGH_MALEID"}}));

}  // namespace
}  // namespace test
