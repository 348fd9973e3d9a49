// The TV's picture size keys: the four video control settings as one table
// (method, result convention, failure default, translation), then the keys'
// own lines.
#include <algorithm>

#include "provider_fixture.h"

using ::testing::Contains;
using ::testing::ElementsAre;

namespace test {
namespace {

constexpr int kUntouched = 1234;
const std::string kCreate = "TVServiceAPI::CreateVideoControl(1, 0, out)";

struct Control {
    const char *key;
    std::string getter, setter;   // methods of IVideoControl
    int good, bad;                // a result that succeeds, one that fails
    std::optional<int> fallback;  // written on failure; none keeps the caller's value
    int stored, reported;         // read translation
    int set, sent;                // write translation
    std::string value_line;       // of a read of `stored`
    std::string set_line;         // of a write of `set`
    std::string create_failed, call_failed, set_failed;
};

void PrintTo(const Control &c, std::ostream *os)
{
    *os << c.key;
}

// clang-format off
const Control kControls[] = {
    {"menu/picture/picturesize/mode", "GetPictureSize", "SetAspectRatio", 5, -1, 0, 7, 7, 2, 2,
     "EPictureSizeType : 7", "value 2", "Create video control failed,using 16:9 at default",
     "IVideoControl::GetPictureSize returns -1", "SetAspectRatio failed"},
    {"menu/picture/picturesize/43picturesize", "GetScreenMode", "SetScreenMode", -2, -1, std::nullopt, 2, 2, 3, 3,
     "EScreenModeData : 2", "value 3", "Create video control failed",
     "GetScreenMode returns -1", "SetScreenMode failed"},
    {"menu/picture/picturesize/screenfit", "GetScreenFitOption", "SetScreenFitOption", 1, 0, 0, 7, 0, 5, 0,
     "ESFOption : [EScreenFitOptionType:7]",
     "Set Screen Fit ,in put value 5,Set to Tvs is [EScreenFitOptionType:SCREENFITOPTION_OFF,0]",
     "Create video control failed,using OFF at default",
     "IVideoControl::GetScreenFitOption returns -1", "SetScreenFitOption failed"},
    {"menu/picture/picturesize/autowide", "GetAutoWideOption", "SetAutoWideOption", 1, 2, 0, 1, 1, 3, 1,
     "bAutoWideOption : [ON]", "Set auto wide ,in put value 3,Set to Tvs is [ON]",
     "Create video control failed,using OFF at default",
     "IVideoControl::GetAutoWideOption returns -1", "SetAuto Wide failed"},
};
// clang-format on

// `second` is logged right after `first`.
bool adjacent(const std::vector<std::string> &m, const std::string &first,
              const std::string &second)
{
    auto it = std::find(m.begin(), m.end(), first);
    return it != m.end() && it + 1 != m.end() && it[1] == second;
}

class PictureSizeControl : public ProviderTest, public ::testing::WithParamInterface<Control> {
protected:
    int get()
    {
        clear();
        return get_int(GetParam().key, &value_);
    }
    int value_ = kUntouched;
};

TEST_P(PictureSizeControl, ReadsAndTranslatesOrFallsBack)
{
    const Control &c = GetParam();
    sim::force("IVideoControl::" + c.getter, c.good, c.stored);
    EXPECT_EQ(get(), 0);
    EXPECT_EQ(value_, c.reported);
    EXPECT_THAT(sim::journal(), ElementsAre(kCreate, "IVideoControl::" + c.getter + "(out)"));
    EXPECT_THAT(messages(), Contains(c.value_line));
    value_ = kUntouched;
    sim::force("IVideoControl::" + c.getter, c.bad, c.stored);
    EXPECT_EQ(get(), 1);
    EXPECT_EQ(value_, c.fallback.value_or(kUntouched));
    EXPECT_TRUE(adjacent(messages(), c.value_line, c.call_failed));
}

TEST_P(PictureSizeControl, MissingVideoControl)
{
    const Control &c = GetParam();
    sim::force("TVServiceAPI::CreateVideoControl", -1);
    EXPECT_EQ(get(), 1);
    EXPECT_EQ(value_, c.fallback.value_or(kUntouched));
    EXPECT_TRUE(adjacent(messages(), "", c.create_failed));
    EXPECT_THAT(sim::journal(), ElementsAre(kCreate));
    sim::force("TVServiceAPI::CreateVideoControl", 0, 0);  // a null object
    EXPECT_EQ(set_int(c.key, c.set), 1);
    EXPECT_THAT(messages(), Contains("Create video control failed"));
}

TEST_P(PictureSizeControl, WritesTheTranslatedValueWithTheCommitFlag)
{
    const Control &c = GetParam();
    std::string call = "IVideoControl::" + c.setter + "(" + std::to_string(c.sent);
    EXPECT_EQ(set_int(c.key, c.set), 0);
    EXPECT_EQ(sim::journal().back(), call + ", 1)");
    EXPECT_THAT(messages(), Contains(c.set_line));
    EXPECT_EQ(set_int_pre(c.key, c.set), 0);
    EXPECT_EQ(sim::journal().back(), call + ", 0)");
    sim::force("IVideoControl::" + c.setter, c.bad);
    EXPECT_EQ(set_int(c.key, c.set), 1);
    EXPECT_THAT(messages(), Contains(c.set_failed));
}

INSTANTIATE_TEST_SUITE_P(All, PictureSizeControl, ::testing::ValuesIn(kControls));

using PictureSizeKeys = ProviderTest;

TEST_F(PictureSizeKeys, PictureSizeLinesOfGetAndPreview)
{
    int v = kUntouched;
    sim::force("TVServiceAPI::CreateVideoControl", -1);
    EXPECT_EQ(get_int("menu/picture/picturesize/mode", &v), 1);
    EXPECT_EQ(v, 0);
    EXPECT_TRUE(adjacent(messages(), "Create video control failed,using 16:9 at default",
                         "vconf_get_int, ret:-1,value:0"));
    sim::unforce("TVServiceAPI::CreateVideoControl");
    EXPECT_EQ(set_int_pre("menu/picture/picturesize/mode", 3), 0);
    EXPECT_EQ(sim::journal().back(), "IVideoControl::SetAspectRatio(3, 0)");
    EXPECT_THAT(messages(), Contains("set_picture_size fro preview,status:0,value:3"));
}

}  // namespace
}  // namespace test
