// The quality keys that behave alike: table-driven ones (range test, forward
// translation, reverse lookup) and those that pass the value straight through.
#include <string>

#include "provider_fixture.h"

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::ValuesIn;

namespace test {
namespace {

// Fills the %d fields of a row's text in order (the rows' texts are not literals).
std::string format(std::string text, int a, int b = 0)
{
    for (int v : {a, b})
        if (auto at = text.find("%d"); at != std::string::npos)
            text.replace(at, 2, std::to_string(v));
    return text;
}

std::string function_of(const char *call)
{
    return std::string(call).substr(0, std::string(call).find('('));
}

std::vector<std::string> tail(size_t n)
{
    auto m = sim::log_messages();
    return {m.end() - static_cast<long>(n), m.end()};
}

struct TableKey {
    const char *key;                 // below "menu/picture/"
    const char *state;               // the value's name in the stand-in
    const char *get_call;            // the read as journalled
    const char *set_call;            // the write, with value and flag as %d
    int count;                       // table length
    int top;                         // output-control value of the last position
    bool logged = false;             // out-of-range sets log " set status:-1 value:%d "
    const char *get_line = nullptr;  // the case's line after a read of value %d, if any
    const char *set_line = nullptr;  // the case's line for an in-range set of %d, if any
};

void PrintTo(const TableKey &k, std::ostream *os)
{
    *os << k.key;
}

const TableKey kTableKeys[] = {
    {"advanced-settings/dynamic-contrast", "dynamic_contrast",
     "avoc_get_dynamic_contrast(0, out, 1)", "avoc_set_dynamic_contrast(0, %d, %d)", 6, 5},
    {"advanced-settings/black-tone", "black_tone", "avoc_get_black_tone(0, out, 1)",
     "avoc_set_black_tone(0, %d, %d)", 4, 3},
    {"advanced-settings/rgb-onlymode", "rgb_only_mode", "avoc_get_rgb_only_mode(0, out, 1)",
     "avoc_set_rgb_only_mode(0, %d, %d)", 4, 3},
    {"advanced-settings/color-space/mode", "color_space", "avoc_get_color_space(0, out, 1)",
     "avoc_set_color_space(0, %d, %d)", 3, 4},
    {"advanced-settings/color-space/gamut", "color_gamut", "avoc_get_color_gamut(out)",
     "avoc_set_color_gamut(%d)", 5, 4},
    {"advanced-settings/color-space/color", "color_space_config",
     "avoc_get_color_space_config(0, out, 1)", "avoc_set_color_space_config(0, %d, %d)", 6, 5,
     false, "color space status is 0 value is %d"},
    {"advanced-settings/org-gamma", "gamma_config", "avoc_get_gamma_config(out, 1)",
     "avoc_set_gamma_config(%d, %d)", 3, 2, false, "avoc_get_gamma_config : [%d]"},
    {"picture-options/color-tone", "color_tone_mode", "avoc_get_color_tone_mode(0, out, 1)",
     "avoc_set_color_tone_mode(0, %d, %d)", 5, 4},
    {"picture-options/digital-cleanview", "digital_clean_view",
     "avoc_get_digital_clean_view(0, out, 1)", "avoc_set_digital_clean_view(0, %d, %d)", 6, 5,
     false, "PICTURE_DIGITAL_CLEAN_VIEW : %d"},
    {"picture-options/mpeg-noise-filter", "MPEG_noise_filter",
     "avoc_get_MPEG_noise_filter(0, out, 1)", "avoc_set_MPEG_noise_filter(0, %d, %d)", 6, 5},
    {"picture-options/hdmi-black-level", "hdmi_black_level", "avoc_get_hdmi_black_level(0, out, 1)",
     "avoc_set_hdmi_black_level(0, %d, %d)", 3, 2, true, " get status:0 value:%d ",
     " set status:0 value:%d "},
    {"picture-options/film-mode", "film_mode", "avoc_get_film_mode(0, out, 1)",
     "avoc_set_film_mode(0, %d, %d)", 3, 2, true, " get status:0 value:%d ",
     " set status:0 value:%d "},
    {"picture-options/auto-motion-plus/mode", "auto_motion_plus",
     "avoc_get_auto_motion_plus(0, out, 1)", "avoc_set_auto_motion_plus(0, %d, %d)", 5, 4, true,
     " get status:0 value:%d ", " set status:0 value:%d "},
    {"picture-options/auto-motion-plus/led-clear-motion", "led_clear_motion",
     "avoc_get_led_clear_motion(0, out, 1)", "avoc_set_led_clear_motion(0, %d, %d)", 2, 1, true,
     nullptr, " set status:0 value:%d "},
    {"picture-options/smart-led", "smart_led", "avoc_get_smart_led(0, out, 1)",
     "avoc_set_smart_led(0, %d, %d)", 6, 5, false, nullptr, "value is %d"},
    {"picture-options/cinema-black", "cinema_black", "avoc_get_cinema_black(0, out, 1)",
     "avoc_set_cinema_black(0, %d, %d)", 5, 4},
    {"picture-options/black-optimizer", "black_optimizer",
     "avoc_get_cinema_black_by_value(0, out, 1)", "avoc_set_black_optimizer(0, %d, %d)", 3, 2},
};

class TableKeyTest : public ProviderTest, public ::testing::WithParamInterface<TableKey> {
protected:
    std::string key() const { return std::string("menu/picture/") + GetParam().key; }
    std::string set_line(int v) const
    {
        return "Picture Menu set key: " + key() + ", value: " + std::to_string(v);
    }
    std::string get_line(int v) const
    {
        return "PIcture Menu get key: " + key() + ", value: " + std::to_string(v);
    }
};

TEST_P(TableKeyTest, SetAndPreviewWriteTheLastPositionsEntry)
{
    const TableKey &k = GetParam();
    EXPECT_EQ(set_int_pre(key().c_str(), k.count - 1), 0);
    EXPECT_EQ(set_int(key().c_str(), k.count - 1), 0);
    EXPECT_THAT(sim::journal(),
                ElementsAre(format(k.set_call, k.top, 0), format(k.set_call, k.top, 1)));
    EXPECT_EQ(sim::state().avoc[k.state], k.top);
    EXPECT_EQ(tail(2), (std::vector<std::string>{set_line(k.count - 1), "ret = [0]:success"}));
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
            std::string before = k.logged ? format(" set status:-1 value:%d ", v) : " size: 71 ";
            EXPECT_EQ(tail(3),
                      (std::vector<std::string>{before, set_line(v), "ret = [-1]:otherwise"}));
        }
    }
}

TEST_P(TableKeyTest, GetGivesThePositionOfTheValueRead)
{
    const TableKey &k = GetParam();
    sim::state().avoc[k.state] = k.top;
    int v = -7;
    EXPECT_EQ(get_int(key().c_str(), &v), 0);
    EXPECT_EQ(v, k.count - 1);
    EXPECT_THAT(sim::journal(), ElementsAre(k.get_call));
    EXPECT_EQ(tail(2), (std::vector<std::string>{get_line(k.count - 1), "ret = [0]:success"}));
    if (k.get_line) {
        EXPECT_THAT(messages(), Contains(format(k.get_line, k.top)));
    }
}

TEST_P(TableKeyTest, ValueOutsideTheTableIsNoMenuValue)
{
    const TableKey &k = GetParam();
    sim::state().avoc[k.state] = k.count;  // no table holds its own length
    int v = -7;
    EXPECT_EQ(get_int(key().c_str(), &v), 1);
    EXPECT_EQ(v, k.count);
    EXPECT_EQ(tail(2), (std::vector<std::string>{get_line(k.count), "ret = [-1]:otherwise"}));
}

TEST_P(TableKeyTest, FailedReadLeavesWhatTheLibraryLeft)
{
    sim::force(function_of(GetParam().get_call), 7, 2);
    int v = -7;
    EXPECT_EQ(get_int(key().c_str(), &v), 1);
    EXPECT_EQ(v, 2);
    EXPECT_EQ(tail(2), (std::vector<std::string>{get_line(2), "ret = [7]:otherwise"}));
}

INSTANTIATE_TEST_SUITE_P(Keys, TableKeyTest, ValuesIn(kTableKeys));

struct PlainKey {
    const char *key;
    const char *state;
    const char *get_call;
    const char *set_call;  // with value and flag as %d
    int sent;              // what a set of 300 writes
    bool preview = false;
    const char *get_line = nullptr;  // the case's line after reading 42, if any
    const char *set_line = nullptr;  // the case's line after setting 300, if any
};

void PrintTo(const PlainKey &k, std::ostream *os)
{
    *os << k.key;
}

const PlainKey kPlainKeys[] = {
    {"advanced-settings/flesh-tone", "flesh_tone", "avoc_get_flesh_tone(0, out, 1)",
     "avoc_set_flesh_tone(0, %d, %d)", 300, false},
    {"advanced-settings/gamma", "gamma", "avoc_get_gamma(0, out, 1)", "avoc_set_gamma(0, %d, %d)",
     300, false},
    {"advanced-settings/org-value-gamma", "gamma", "avoc_get_gamma(0, out, 1)",
     "avoc_set_gamma(0, %d, %d)", 300, false},
    {"advanced-settings/black-enhance", "black_enhancer", "avoc_get_black_enhancer(0, out, 1)",
     "avoc_set_black_enhancer(0, %d, %d)", 300, true},
    {"advanced-settings/10p-white-balance/mode", "10p_white_balance",
     "avoc_get_10p_white_balance(0, out, 1)", "avoc_set_10p_white_balance(0, %d, %d)", 300, true},
    {"advanced-settings/20p-white-balance/mode", "20p_white_balance",
     "avoc_get_20p_white_balance(0, out, 1)", "avoc_set_20p_white_balance(0, %d, %d)", 300, true},
    {"picture-options/auto-motion-plus/blur-reduction", "blur_reduction",
     "avoc_get_blur_reduction(0, out, 1)", "avoc_set_blur_reduction(0, %d, %d)", 44, false,
     " get status:0 value:42 ", " set status:0 value:300 "},
    {"picture-options/auto-motion-plus/judder-reduction", "juddler_reduction",
     "avoc_get_juddler_reduction(0, out, 1)", "avoc_set_juddler_reduction(0, %d, %d)", 44, false,
     " get status:0 value:42 ", " set status:0 value:300 "},
    {"picture-options/uhdcolorhdmi1", "uhd_color_mode/524289",
     "avoc_get_uhd_color_mode(0, 0x80001, out, 1)", "avoc_set_uhd_color_mode(0, 0x80001, %d, %d)",
     300, false, " get UHD color HDMI1 status:0 value:42 ", " set HDMI1 status:0 value:300 "},
    {"picture-options/uhdcolorhdmi2", "uhd_color_mode/524290",
     "avoc_get_uhd_color_mode(0, 0x80002, out, 1)", "avoc_set_uhd_color_mode(0, 0x80002, %d, %d)",
     300, false, " get UHD color HDMI2 status:0 value:42 ", " set HDMI2 status:0 value:300 "},
    {"picture-options/uhdcolorhdmi3", "uhd_color_mode/524291",
     "avoc_get_uhd_color_mode(0, 0x80003, out, 1)", "avoc_set_uhd_color_mode(0, 0x80003, %d, %d)",
     300, false, " get UHD color HDMI3 status:0 value:42 ", " set HDMI3 status:0 value:300 "},
    {"picture-options/uhdcolorhdmi4", "uhd_color_mode/524292",
     "avoc_get_uhd_color_mode(0, 0x80004, out, 1)", "avoc_set_uhd_color_mode(0, 0x80004, %d, %d)",
     300, false, " get UHD color HDMI4 status:0 value:42 ", " set HDMI4 status:0 value:300 "},
    {"picture-options/uhdcolorhdmi5", "uhd_color_mode/655360",
     "avoc_get_uhd_color_mode(0, 0xA0000, out, 1)", "avoc_set_uhd_color_mode(0, 0xA0000, %d, %d)",
     300, false, " get UHD color DP status:0 value:42 ", " set HDMI DP status:0 value:300 "},
};

class PlainKeyTest : public ProviderTest, public ::testing::WithParamInterface<PlainKey> {
protected:
    std::string key() const { return std::string("menu/picture/") + GetParam().key; }
};

TEST_P(PlainKeyTest, SetWritesTheValueAsItComes)
{
    const PlainKey &k = GetParam();
    EXPECT_EQ(set_int(key().c_str(), 300), 0);
    EXPECT_THAT(sim::journal(), ElementsAre(format(k.set_call, k.sent, 1)));
    EXPECT_EQ(sim::state().avoc[k.state], k.sent);
    EXPECT_EQ(tail(3)[0], k.set_line ? k.set_line : " size: 71 ");
    sim::force(function_of(k.set_call), 9);
    EXPECT_EQ(set_int(key().c_str(), 300), 1);
    EXPECT_EQ(messages().back(), "ret = [9]:otherwise");
}

TEST_P(PlainKeyTest, GetReadsTheValueAsItIs)
{
    const PlainKey &k = GetParam();
    sim::state().avoc[k.state] = 42;
    int v = -7;
    EXPECT_EQ(get_int(key().c_str(), &v), 0);
    EXPECT_EQ(v, 42);
    EXPECT_THAT(sim::journal(), ElementsAre(k.get_call));
    EXPECT_EQ(tail(3)[0], k.get_line ? k.get_line : " size: 71 ");
}

TEST_P(PlainKeyTest, PreviewPassesFlagZeroOrIsUnknown)
{
    const PlainKey &k = GetParam();
    EXPECT_EQ(set_int_pre(key().c_str(), 300), k.preview ? 0 : 1);
    if (k.preview) {
        EXPECT_THAT(sim::journal(), ElementsAre(format(k.set_call, k.sent, 0)));
    } else {
        EXPECT_THAT(messages(), Contains(" Unknown key type "));
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, PlainKeyTest, ValuesIn(kPlainKeys));

}  // namespace
}  // namespace test
