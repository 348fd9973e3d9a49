// The common frame of the keyed operations: lookup, unknown keys, no-action
// cases, exit lines and statuses, and the string and list frames.
#include <string>

#include "provider_fixture.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Values;

namespace test {
namespace {

enum class Op { Get, Set, Preview };

struct KeyCall {
    Op op;
    std::string key;
    bool unknown = true;  // false: a known key whose case does nothing
};

const char *const kOpNames[] = {"get_int", "set_int", "set_int_pre"};

void PrintTo(const KeyCall &c, std::ostream *os)
{
    *os << kOpNames[static_cast<int>(c.op)] << " \"" << c.key << "\"";
}

// Keys that are not in the table, that the operation has no case for, or
// whose case does nothing: status 1, the exit lines, and nothing touched.
class FailingKey : public ProviderTest, public ::testing::WithParamInterface<KeyCall> {};

TEST_P(FailingKey, FailsWithStatusOneTouchingNothing)
{
    const KeyCall &c = GetParam();
    const char *key = c.key.c_str();
    int value = 1234;
    int status = c.op == Op::Get   ? get_int(key, &value)
                 : c.op == Op::Set ? set_int(key, 7)
                                   : set_int_pre(key, 7);
    EXPECT_EQ(status, 1);
    const std::string value_part = c.op == Op::Get ? "" : ", value: 7";
    std::vector<std::string> lines{"Picture Menu " + std::string(kOpNames[static_cast<int>(c.op)]) +
                                       " key: " + c.key + value_part,
                                   " size: 71 "};
    if (c.unknown)
        lines.push_back(" Unknown key type ");
    lines.push_back(c.op == Op::Get ? "PIcture Menu get key: " + c.key + ", value: 1234"
                                    : "Picture Menu set key: " + c.key + ", value: 7");
    lines.push_back("ret = [-1]:otherwise");
    EXPECT_EQ(messages(), lines);
    EXPECT_THAT(sim::journal(), IsEmpty());
    EXPECT_EQ(value, 1234);
}

const std::string kGamma = "menu/picture/advanced-settings/gamma";

INSTANTIATE_TEST_SUITE_P(NotInTheTable, FailingKey,
                         Values(KeyCall{Op::Get, kGamma + "2"}, KeyCall{Op::Set, kGamma + "/"},
                                KeyCall{Op::Preview, kGamma.substr(0, kGamma.size() - 1)},
                                KeyCall{Op::Set, ""}, KeyCall{Op::Get, "menu/picture/pip/channel"},
                                KeyCall{Op::Get, "men\xc3\xbc/picture/reset"},
                                KeyCall{Op::Preview, "MENU/PICTURE/RESET"},
                                KeyCall{Op::Get, kGamma + std::string(600, 'x')}));

INSTANTIATE_TEST_SUITE_P(
    WithoutACaseInThatOperation, FailingKey,
    Values(KeyCall{Op::Get, "menu/picture/pictureoff"}, KeyCall{Op::Get, "menu/picture/reset"},
           KeyCall{Op::Get, "menu/picture/picturesize/position-mm"},
           KeyCall{Op::Set, "menu/picture/picturesize/entry"},
           KeyCall{Op::Get, "menu/picture/advanced-settings/color-space/reset"},
           KeyCall{Op::Preview, "menu/picture/senior-mode"},
           KeyCall{Op::Preview, "menu/picture/expert-settings/hdrplus"},
           KeyCall{Op::Preview, "menu/picture/pictureoff"},
           KeyCall{Op::Preview, "menu/picture/reset"},
           KeyCall{Op::Preview, "menu/picture/pip/antenna"},
           KeyCall{Op::Preview, "menu/picture/advanced-settings/xvYCC"},
           KeyCall{Op::Preview, "menu/picture/picture-options/motion-judder-canceller"}));

INSTANTIATE_TEST_SUITE_P(
    NoAction, FailingKey,
    Values(KeyCall{Op::Get, "menu/picture/advanced-settings/xvYCC", false},
           KeyCall{Op::Set, "menu/picture/advanced-settings/xvYCC", false},
           KeyCall{Op::Get, "menu/picture/picture-options/motion-judder-canceller", false},
           KeyCall{Op::Set, "menu/picture/picture-options/motion-judder-canceller", false},
           KeyCall{Op::Set, "menu/picture/picturesize/219wide_mode", false},
           KeyCall{Op::Preview, "menu/picture/picturesize/219wide_mode", false}));

using FrameTest = ProviderTest;

TEST_F(FrameTest, NullArgumentsFailWithTheOperationsStatus)
{
    int v = 5;
    EXPECT_EQ(get_int(nullptr, &v), 1);
    EXPECT_EQ(get_int("menu/picture/reset", nullptr), 1);
    EXPECT_EQ(set_int(nullptr, 1), 1);
    EXPECT_EQ(set_int_pre(nullptr, 1), 1);
    char *s = nullptr;
    EXPECT_EQ(op<provider_get_string_fn>(PROVIDER_SLOT_GET_STRING)(nullptr, &s), -1);
    EXPECT_EQ(set_string(nullptr, "Up"), -1);
    EXPECT_EQ(set_string("menu/picture/pip/channel", nullptr), -1);
    EXPECT_EQ(s, nullptr);
    EXPECT_EQ(v, 5);
    EXPECT_THAT(sim::journal(), IsEmpty());
}

TEST_F(FrameTest, StringOperationsIgnoreKeysTheyDoNotKnow)
{
    char sentinel = 0;
    char *s = &sentinel;
    EXPECT_EQ(op<provider_get_string_fn>(PROVIDER_SLOT_GET_STRING)("menu/picture/reset", &s), 0);
    EXPECT_EQ(s, &sentinel);
    EXPECT_EQ(set_string("menu/picture/reset", "Up"), 0);
    EXPECT_THAT(messages(), ElementsAre("Picture Menu set string[menu/picture/reset] value[Up]"));
    EXPECT_THAT(sim::journal(), IsEmpty());
}

TEST_F(FrameTest, ListOfAnUnknownOrNullKeyIsNullAndLeavesTheCount)
{
    int count = 42;
    EXPECT_EQ(get_list_items("menu/picture/advanced-settings/gamma", &count), nullptr);
    EXPECT_EQ(count, 42);
    EXPECT_THAT(messages(),
                ElementsAre("key :menu/picture/advanced-settings/gamma", "no matching key"));
    clear();
    EXPECT_EQ(get_list_items(nullptr, &count), nullptr);
    EXPECT_EQ(count, 42);
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_EQ(get_list_items("menu/picture/picturesize/mode", nullptr), nullptr);
}

TEST_F(FrameTest, FreeListItemsAcceptsNullAndEmptyLists)
{
    EXPECT_EQ(free_list_items(nullptr, 3), 0);
    void **empty = static_cast<void **>(calloc(2, sizeof(void *)));
    EXPECT_EQ(free_list_items(empty, 2), 0);  // null entries are skipped
    void **none = static_cast<void **>(calloc(1, sizeof(void *)));
    EXPECT_EQ(free_list_items(none, 0), 0);
}

}  // namespace
}  // namespace test
