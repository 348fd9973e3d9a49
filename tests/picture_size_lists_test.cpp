// The picture size family's lists on panels with and without 21:9 support.
#include <tuple>

#include "provider_fixture.h"

using ::testing::Contains;

namespace test {
namespace {

std::vector<Choice> picture_sizes(bool wide)
{
    return {{4, "TV_SID_21_9_STANDARD", {}},
            {5, "SID_AUTO", {}},
            {0, wide ? "SID_16_COLON_9" : "TV_SID_16_9_STANDARD", {}},
            {6, "SID_CAPTION", {}},
            {2, "SID_CUSTOM", {}},
            {3, "SID_4_COLON_3", {}},
            {7, "Original Ratio", {}}};
}

std::vector<Choice> sizes_43(bool wide)
{
    return {{4, wide ? "TV_SID_21_9_STANDARD" : "21:9", {}},
            {0, wide ? "SID_16_COLON_9" : "TV_SID_16_9_STANDARD", {}},
            {2, "SID_ZOOM", {}},
            {3, "SID_4_COLON_3", {}}};
}

class PictureSizeList : public ProviderTest,
                        public ::testing::WithParamInterface<std::tuple<std::string, bool>> {};

TEST_P(PictureSizeList, SevenChoicesLabelledByThePanel)
{
    const auto &[key, wide] = GetParam();
    sim::state().system_info[303] = wide;
    EXPECT_EQ(choices(("menu/picture/picturesize/" + key).c_str()), picture_sizes(wide));
    EXPECT_THAT(messages(), Contains("name : SID_CAPTION / value : 6"));
}

INSTANTIATE_TEST_SUITE_P(Keys, PictureSizeList,
                         ::testing::Combine(::testing::Values("mode", "picturesize-mode-video",
                                                              "219wide_mode", "219wide_mode_photo",
                                                              "entry"),
                                            ::testing::Bool()));

using PictureSizeLists = ProviderTest;

// The 4:3 list on a panel without 21:9, with it, and when the query fails.
TEST_F(PictureSizeLists, FourThreeListByThePanel)
{
    for (int answer : {0, 1, -1}) {
        sim::state().system_info[303] = answer != 0;
        if (answer < 0)
            sim::force("system_info_get_value_bool", -1, 1);
        EXPECT_EQ(choices("menu/picture/picturesize/43picturesize"), sizes_43(answer > 0));
    }
    EXPECT_THAT(messages(), Contains("system_info_get_value_bool fails"));
}

}  // namespace
}  // namespace test
