// The quality keys that behave alike: table-driven ones (range test, forward
// translation, reverse lookup) and those that pass the value straight through.
#include "provider_fixture.h"
#include "quality_test_util.h"

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::ValuesIn;

namespace test {
namespace {

using Lines = std::vector<std::string>;

// Calls as journalled; null stands for the usual (0, out, 1) / (0, value, flag).
std::string get_call(const char *state, const char *given)
{
    return given ? given : "avoc_get_" + std::string(state) + "(0, out, 1)";
}

std::string set_call(const char *state, const char *given)
{
    return given ? given : "avoc_set_" + std::string(state) + "(0, %d, %d)";
}

struct TableKey {
    const char *key;
    const char *state;               // the value's name in the stand-in
    int count;                       // table length
    int top;                         // output-control value of the last position
    bool logged = false;             // out-of-range sets log " set status:-1 value:%d "
    const char *get_line = nullptr;  // the case's line after reading `top`
    const char *set_line = nullptr;  // the case's line for an in-range set
    const char *get = nullptr;
    const char *set = nullptr;
};

void PrintTo(const TableKey &k, std::ostream *os)
{
    *os << k.key;
}

const char *const kGetStatus = " get status:0 value:%d ";
const char *const kSetStatus = " set status:0 value:%d ";

const TableKey kTableKeys[] = {
    {"advanced-settings/dynamic-contrast", "dynamic_contrast", 6, 5},
    {"advanced-settings/black-tone", "black_tone", 4, 3},
    {"advanced-settings/rgb-onlymode", "rgb_only_mode", 4, 3},
    {"advanced-settings/color-space/mode", "color_space", 3, 4},
    {"advanced-settings/color-space/gamut", "color_gamut", 5, 4, false, nullptr, nullptr,
     "avoc_get_color_gamut(out)", "avoc_set_color_gamut(%d)"},
    {"advanced-settings/color-space/color", "color_space_config", 6, 5, false,
     "color space status is 0 value is %d"},
    {"advanced-settings/org-gamma", "gamma_config", 3, 2, false, "avoc_get_gamma_config : [%d]",
     nullptr, "avoc_get_gamma_config(out, 1)", "avoc_set_gamma_config(%d, %d)"},
    {"picture-options/color-tone", "color_tone_mode", 5, 4},
    {"picture-options/digital-cleanview", "digital_clean_view", 6, 5, false,
     "PICTURE_DIGITAL_CLEAN_VIEW : %d"},
    {"picture-options/mpeg-noise-filter", "MPEG_noise_filter", 6, 5},
    {"picture-options/hdmi-black-level", "hdmi_black_level", 3, 2, true, kGetStatus, kSetStatus},
    {"picture-options/film-mode", "film_mode", 3, 2, true, kGetStatus, kSetStatus},
    {"picture-options/auto-motion-plus/mode", "auto_motion_plus", 5, 4, true, kGetStatus,
     kSetStatus},
    {"picture-options/auto-motion-plus/led-clear-motion", "led_clear_motion", 2, 1, true, nullptr,
     kSetStatus},
    {"picture-options/smart-led", "smart_led", 6, 5, false, nullptr, "value is %d"},
    {"picture-options/cinema-black", "cinema_black", 5, 4},
    {"picture-options/black-optimizer", "black_optimizer", 3, 2, false, nullptr, nullptr,
     "avoc_get_cinema_black_by_value(0, out, 1)"},
};

class TableKeyTest : public ProviderTest, public ::testing::WithParamInterface<TableKey> {
protected:
    std::string key() const { return picture_key(GetParam().key); }
    Lines set_exit(int v, int status) const
    {
        return {"Picture Menu set key: " + key() + ", value: " + std::to_string(v),
                status ? "ret = [-1]:otherwise" : "ret = [0]:success"};
    }
    Lines get_exit(int v, const char *ret) const
    {
        return {"PIcture Menu get key: " + key() + ", value: " + std::to_string(v), ret};
    }
};

TEST_P(TableKeyTest, SetAndPreviewWriteTheLastPositionsEntry)
{
    const TableKey &k = GetParam();
    const std::string call = set_call(k.state, k.set);
    EXPECT_EQ(set_int_pre(key().c_str(), k.count - 1), 0);
    EXPECT_EQ(set_int(key().c_str(), k.count - 1), 0);
    EXPECT_THAT(sim::journal(), ElementsAre(format(call, k.top, 0), format(call, k.top, 1)));
    EXPECT_EQ(sim::state().avoc[k.state], k.top);
    EXPECT_EQ(tail(2), set_exit(k.count - 1, 0));
    if (k.set_line) {
        EXPECT_THAT(messages(), Contains(format(k.set_line, k.count - 1)));
    }
}

TEST_P(TableKeyTest, OutOfRangeValuesReachNothing)
{
    const TableKey &k = GetParam();
    for (int v : {k.count, -1}) {
        for (bool commit : {true, false}) {
            clear();
            EXPECT_EQ(commit ? set_int(key().c_str(), v) : set_int_pre(key().c_str(), v), 1);
            EXPECT_THAT(sim::journal(), IsEmpty());
            Lines expected = set_exit(v, -1);
            expected.insert(expected.begin(),
                            k.logged ? format(" set status:-1 value:%d ", v) : " size: 71 ");
            EXPECT_EQ(tail(3), expected);
        }
    }
}

TEST_P(TableKeyTest, GetFindsThePositionOrFails)
{
    const TableKey &k = GetParam();
    sim::state().avoc[k.state] = k.top;
    int v = -7;
    EXPECT_EQ(get_int(key().c_str(), &v), 0);
    EXPECT_EQ(v, k.count - 1);
    EXPECT_THAT(sim::journal(), ElementsAre(get_call(k.state, k.get)));
    EXPECT_EQ(tail(2), get_exit(k.count - 1, "ret = [0]:success"));
    if (k.get_line) {
        EXPECT_THAT(messages(), Contains(format(k.get_line, k.top)));
    }

    sim::state().avoc[k.state] = k.count;  // no table holds its own length
    EXPECT_EQ(get_int(key().c_str(), &v), 1);
    EXPECT_EQ(v, k.count);
    EXPECT_EQ(tail(2), get_exit(k.count, "ret = [-1]:otherwise"));

    const std::string getter = get_call(k.state, k.get);
    sim::force(getter.substr(0, getter.find('(')), 7, 2);
    EXPECT_EQ(get_int(key().c_str(), &v), 1);
    EXPECT_EQ(v, 2) << "what the failed read left";
    EXPECT_EQ(tail(2), get_exit(2, "ret = [7]:otherwise"));
}

INSTANTIATE_TEST_SUITE_P(Keys, TableKeyTest, ValuesIn(kTableKeys));

struct PlainKey {
    const char *key;
    const char *state;
    int sent;  // what a set of 300 writes
    bool preview;
    const char *get_line = nullptr;  // the case's line after reading 42
    const char *set_line = nullptr;  // the case's line after setting 300
    const char *get = nullptr;
    const char *set = nullptr;
};

void PrintTo(const PlainKey &k, std::ostream *os)
{
    *os << k.key;
}

const PlainKey kPlainKeys[] = {
    {"advanced-settings/flesh-tone", "flesh_tone", 300, false},
    {"advanced-settings/gamma", "gamma", 300, false},
    {"advanced-settings/org-value-gamma", "gamma", 300, false},
    {"advanced-settings/black-enhance", "black_enhancer", 300, true},
    {"advanced-settings/10p-white-balance/mode", "10p_white_balance", 300, true},
    {"advanced-settings/20p-white-balance/mode", "20p_white_balance", 300, true},
    {"picture-options/auto-motion-plus/blur-reduction", "blur_reduction", 44, false,
     " get status:0 value:42 ", " set status:0 value:300 "},
    {"picture-options/auto-motion-plus/judder-reduction", "juddler_reduction", 44, false,
     " get status:0 value:42 ", " set status:0 value:300 "},
    {"picture-options/uhdcolorhdmi1", "uhd_color_mode/524289", 300, false,
     " get UHD color HDMI1 status:0 value:42 ", " set HDMI1 status:0 value:300 ",
     "avoc_get_uhd_color_mode(0, 0x80001, out, 1)", "avoc_set_uhd_color_mode(0, 0x80001, %d, %d)"},
    {"picture-options/uhdcolorhdmi2", "uhd_color_mode/524290", 300, false,
     " get UHD color HDMI2 status:0 value:42 ", " set HDMI2 status:0 value:300 ",
     "avoc_get_uhd_color_mode(0, 0x80002, out, 1)", "avoc_set_uhd_color_mode(0, 0x80002, %d, %d)"},
    {"picture-options/uhdcolorhdmi3", "uhd_color_mode/524291", 300, false,
     " get UHD color HDMI3 status:0 value:42 ", " set HDMI3 status:0 value:300 ",
     "avoc_get_uhd_color_mode(0, 0x80003, out, 1)", "avoc_set_uhd_color_mode(0, 0x80003, %d, %d)"},
    {"picture-options/uhdcolorhdmi4", "uhd_color_mode/524292", 300, false,
     " get UHD color HDMI4 status:0 value:42 ", " set HDMI4 status:0 value:300 ",
     "avoc_get_uhd_color_mode(0, 0x80004, out, 1)", "avoc_set_uhd_color_mode(0, 0x80004, %d, %d)"},
    {"picture-options/uhdcolorhdmi5", "uhd_color_mode/655360", 300, false,
     " get UHD color DP status:0 value:42 ", " set HDMI DP status:0 value:300 ",
     "avoc_get_uhd_color_mode(0, 0xA0000, out, 1)", "avoc_set_uhd_color_mode(0, 0xA0000, %d, %d)"},
};

class PlainKeyTest : public ProviderTest, public ::testing::WithParamInterface<PlainKey> {};

TEST_P(PlainKeyTest, ValuesPassStraightThrough)
{
    const PlainKey &k = GetParam();
    const std::string key = picture_key(k.key), call = set_call(k.state, k.set);
    EXPECT_EQ(set_int(key.c_str(), 300), 0);
    EXPECT_EQ(tail(3)[0], k.set_line ? k.set_line : " size: 71 ");
    int v = -7;
    EXPECT_EQ(get_int(key.c_str(), &v), 0);
    EXPECT_EQ(v, k.sent);
    sim::state().avoc[k.state] = 42;
    EXPECT_EQ(get_int(key.c_str(), &v), 0);
    EXPECT_EQ(tail(3)[0], k.get_line ? k.get_line : " size: 71 ");
    EXPECT_EQ(set_int_pre(key.c_str(), 300), k.preview ? 0 : 1);
    std::string getter = get_call(k.state, k.get);
    Lines calls{format(call, k.sent, 1), getter, getter};
    if (k.preview)
        calls.push_back(format(call, k.sent, 0));
    EXPECT_EQ(sim::journal(), calls);

    sim::force(call.substr(0, call.find('(')), 9);
    EXPECT_EQ(set_int(key.c_str(), 300), 1);
    EXPECT_EQ(messages().back(), "ret = [9]:otherwise");
}

INSTANTIATE_TEST_SUITE_P(Keys, PlainKeyTest, ValuesIn(kPlainKeys));

}  // namespace
}  // namespace test
