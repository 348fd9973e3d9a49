// White balance editors: components addressed by the library's current
// interval (red 0, blue 1, green 2), intervals, point resets and the overall reset.
#include "provider_fixture.h"
#include "quality_test_util.h"

using ::testing::Contains;
using ::testing::ElementsAre;

namespace test {
namespace {

struct WbComponent {
    const char *points;  // "10p" or "20p"
    const char *name;
    int component;
};

void PrintTo(const WbComponent &c, std::ostream *os)
{
    *os << c.points << " " << c.name;
}

class WhiteBalanceComponent : public ProviderTest,
                              public ::testing::WithParamInterface<WbComponent> {
protected:
    std::string key(const char *leaf) const
    {
        return picture_key("advanced-settings/") + GetParam().points + "-white-balance/" + leaf;
    }
    std::string fn(const char *what) const
    {
        return std::string("avoc_") + what + "_" + GetParam().points + "_white_balance";
    }
};

TEST_P(WhiteBalanceComponent, AddressesThePointAtTheCurrentInterval)
{
    const WbComponent &c = GetParam();
    EXPECT_EQ(set_int(key("interval").c_str(), 3), 0);
    EXPECT_EQ(set_int(key(c.name).c_str(), 300), 0);
    EXPECT_THAT(messages(), Contains(format(fn("get") + "_interval success,interval = %d", 3)));
    int v = 0;
    EXPECT_EQ(get_int(key(c.name).c_str(), &v), 0);
    EXPECT_EQ(v, 300);
    EXPECT_EQ(set_int(key("reset").c_str(), 300), 0);
    EXPECT_THAT(sim::journal(),
                ElementsAre(fn("set") + "_interval(3, 1)", fn("get") + "_interval(out, 1)",
                            format(fn("set") + "_by_interval(0, 3, %d, 300, 1)", c.component),
                            fn("get") + "_interval(out, 1)",
                            format(fn("get") + "_by_interval(0, 3, %d, out)", c.component),
                            fn("get") + "_interval(out, 1)", fn("reset") + "_by_interval(0, 3)"));
    EXPECT_EQ(get_int(key(c.name).c_str(), &v), 0);
    EXPECT_EQ(v, 0) << "reset";
    EXPECT_EQ(set_int_pre(key(c.name).c_str(), 1), 1);
}

TEST_P(WhiteBalanceComponent, NothingIsAddressedWithoutTheInterval)
{
    sim::force(fn("get") + "_interval", 4, 6);
    int v = 8;
    EXPECT_EQ(get_int(key(GetParam().name).c_str(), &v), 1);
    EXPECT_EQ(v, 8);
    EXPECT_EQ(tail(3)[0], " " + fn("get") + "_interval is fail ");
    EXPECT_EQ(set_int(key(GetParam().name).c_str(), 1), 1);
    EXPECT_EQ(set_int(key("reset").c_str(), 1), 1);
    EXPECT_EQ(tail(3)[0], fn("get") + "_interval API Fail");
    EXPECT_EQ(get_int(key("interval").c_str(), &v), 1);
    EXPECT_EQ(tail(3)[0], fn("get") + "_interval API Fail");
    EXPECT_EQ(sim::journal(), std::vector<std::string>(4, fn("get") + "_interval(out, 1)"));
    sim::force(fn("set") + "_interval", 4);
    EXPECT_EQ(set_int(key("interval").c_str(), 1), 1);
    EXPECT_EQ(tail(3)[0], fn("set") + "_interval API Fail");
    EXPECT_EQ(messages().back(), "ret = [-1]:otherwise");
}

INSTANTIATE_TEST_SUITE_P(
    Components, WhiteBalanceComponent,
    ::testing::Values(WbComponent{"10p", "red", 0}, WbComponent{"10p", "green", 2},
                      WbComponent{"10p", "blue", 1}, WbComponent{"20p", "red", 0},
                      WbComponent{"20p", "green", 2}, WbComponent{"20p", "blue", 1}));

using WhiteBalance = ProviderTest;

TEST_F(WhiteBalance, OverallResetIgnoresTheValue)
{
    const char *key = "menu/picture/advanced-settings/white-balance/reset";
    EXPECT_EQ(set_int(key, 5), 0);
    EXPECT_THAT(sim::journal(), ElementsAre("avoc_reset_white_balance(0)"));
    EXPECT_EQ(tail(3)[0], std::string("WB key: ") + key + ", value: 5");
}

}  // namespace
}  // namespace test
