// Key lookup finds every row by exact match only.
#include <gtest/gtest.h>

#include <string>

#include "key_table.h"
#include "sim/control.h"

namespace picture {
namespace {

TEST(FindType, FindsEveryRowAndNothingNearIt)
{
    sim::reset();
    for (const KeyRow &row : g_keyitemmap) {
        const std::string key = row.key;
        EXPECT_EQ(_find_type(row.key), static_cast<int>(row.id)) << key;
        EXPECT_EQ(_find_type((key + "x").c_str()), -1) << key;
        EXPECT_EQ(_find_type(key.substr(0, key.size() - 1).c_str()), -1) << key;
    }
    EXPECT_EQ(_find_type(""), -1);
    EXPECT_EQ(_find_type(kPipChannelKey), -1);
    EXPECT_EQ(_find_type("\xff\xfe"), -1);
    EXPECT_EQ(sim::log_messages().front(), " size: 71 ");
}

}  // namespace
}  // namespace picture
