// The picture size family's lists when the panel query fails: the lists on
// panels with and without 21:9 support are pinned by the menu transcript.
#include "provider_fixture.h"

using ::testing::Contains;

namespace test {
namespace {

using PictureSizeLists = ProviderTest;

// A failed query reads as a panel without 21:9, whatever the panel says.
TEST_F(PictureSizeLists, FailedPanelQueryGivesTheNarrowLabels)
{
    sim::state().system_info[303] = 1;
    sim::force("system_info_get_value_bool", -1, 1);
    EXPECT_EQ(choices("menu/picture/picturesize/43picturesize"),
              (std::vector<Choice>{{4, "21:9", {}},
                                   {0, "TV_SID_16_9_STANDARD", {}},
                                   {2, "SID_ZOOM", {}},
                                   {3, "SID_4_COLON_3", {}}}));
    EXPECT_EQ(choices("menu/picture/picturesize/mode")->at(2).display, "TV_SID_16_9_STANDARD");
    EXPECT_THAT(messages(), Contains("system_info_get_value_bool fails"));
}

}  // namespace
}  // namespace test
