// Building lists: the pair-list conversion and the copy limits.
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

using ::testing::ElementsAre;

class ListsTest : public ::testing::Test {
protected:
    void SetUp() override { sim::reset(); }
};

TEST_F(ListsTest, PairsBecomeItemsInOrderWithNullStringValues)
{
    int count = -1;
    void **items = pairs_to_list({{0, "A"}, {1, "B"}, {3, "C"}}, &count);
    ASSERT_EQ(count, 3);
    const char *texts[] = {"A", "B", "C"};
    const int values[] = {0, 1, 3};
    for (int i = 0; i < 3; ++i) {
        char *display = nullptr;
        char *string = reinterpret_cast<char *>(1);
        int value = -1;
        get_list_item_display_value(items[i], &display);
        get_list_item_string_value(items[i], &string);
        get_list_item_int_value(items[i], &value);
        EXPECT_STREQ(display, texts[i]);
        EXPECT_EQ(string, nullptr);
        EXPECT_EQ(value, values[i]);
    }
    EXPECT_EQ(sim::log_messages()[0], "name : A / value : 0");
    EXPECT_EQ(sim::log_messages()[2], "name : C / value : 3");
    free_list_items(items, count);
}

TEST_F(ListsTest, NoPairsGiveCountZero)
{
    int count = -1;
    void **items = pairs_to_list({}, &count);
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
