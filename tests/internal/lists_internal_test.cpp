// Building lists: an empty pair list and the copy limits.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "lists.h"
#include "operations.h"
#include "sim/control.h"

namespace picture {
namespace {

class ListsTest : public ::testing::Test {
protected:
    void SetUp() override { sim::reset(); }
};

TEST_F(ListsTest, NoPairsGiveCountZero)
{
    int count = -1;
    void **items = pairs_to_list(nullptr, 0, &count);
    EXPECT_EQ(count, 0);
    free_list_items(items, count);
}

TEST_F(ListsTest, CopiesKeepATerminatorWithinTheBuffer)
{
    const std::string long_text(600, 'x');
    char *formatted = new_text();
    char *plain = new_text();
    format_copy(formatted, long_text.c_str());
    plain_copy(plain, long_text.c_str());
    EXPECT_EQ(std::strlen(formatted), 510u);
    EXPECT_EQ(std::strlen(plain), 511u);
    std::free(formatted);
    std::free(plain);
}

}  // namespace
}  // namespace picture
