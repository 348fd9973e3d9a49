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
};

void PrintTo(const KeyCall &c, std::ostream *os)
{
    static const char *names[] = {"get", "set", "preview"};
    *os << names[static_cast<int>(c.op)] << " \"" << c.key << "\"";
}

class KeyedCall : public ProviderTest, public ::testing::WithParamInterface<KeyCall> {
protected:
    static constexpr int kUntouched = 1234;
    static constexpr int kSetValue = 7;

    int call(const KeyCall &c)
    {
        value_ = kUntouched;
        switch (c.op) {
        case Op::Get: return get_int(c.key.c_str(), &value_);
        case Op::Set: return set_int(c.key.c_str(), kSetValue);
        case Op::Preview: return set_int_pre(c.key.c_str(), kSetValue);
        }
        return -99;
    }

    // The lines around the case: entry, lookup, then exit.
    std::vector<std::string> frame(const KeyCall &c, bool unknown)
    {
        const std::string &k = c.key;
        std::vector<std::string> lines;
        if (c.op == Op::Get)
            lines.push_back("Picture Menu get_int key: " + k);
        else if (c.op == Op::Set)
            lines.push_back("Picture Menu set_int key: " + k + ", value: 7");
        else
            lines.push_back("Picture Menu set_int_pre key: " + k + ", value: 7");
        lines.push_back(" size: 71 ");
        if (unknown)
            lines.push_back(" Unknown key type ");
        if (c.op == Op::Get)
            lines.push_back("PIcture Menu get key: " + k + ", value: 1234");
        else
            lines.push_back("Picture Menu set key: " + k + ", value: 7");
        lines.push_back("ret = [-1]:otherwise");
        return lines;
    }

    int value_ = kUntouched;
};

// Keys that are not in the table, or that the operation has no case for.
class UnknownKey : public KeyedCall {};

TEST_P(UnknownKey, FailsWithStatusOneTouchingNothing)
{
    EXPECT_EQ(call(GetParam()), 1);
    EXPECT_EQ(messages(), frame(GetParam(), true));
    EXPECT_THAT(sim::journal(), IsEmpty());
    EXPECT_EQ(value_, kUntouched);
}

const std::string kGamma = "menu/picture/advanced-settings/gamma";

INSTANTIATE_TEST_SUITE_P(NotInTheTable, UnknownKey,
                         Values(KeyCall{Op::Get, kGamma + "2"}, KeyCall{Op::Set, kGamma + "/"},
                                KeyCall{Op::Preview, kGamma.substr(0, kGamma.size() - 1)},
                                KeyCall{Op::Get, "menu/picture/picturesize/mod"},
                                KeyCall{Op::Set, ""}, KeyCall{Op::Get, "menu/picture/pip/channel"},
                                KeyCall{Op::Set, "menu/picture/pip/channel"},
                                KeyCall{Op::Get, "men\xc3\xbc/picture/reset"},
                                KeyCall{Op::Preview, "MENU/PICTURE/RESET"},
                                KeyCall{Op::Get, kGamma + std::string(600, 'x')}));

INSTANTIATE_TEST_SUITE_P(
    WithoutACaseInThatOperation, UnknownKey,
    Values(KeyCall{Op::Get, "menu/picture/pictureoff"}, KeyCall{Op::Get, "menu/picture/reset"},
           KeyCall{Op::Get, "menu/picture/picturesize/position-mm"},
           KeyCall{Op::Set, "menu/picture/picturesize/entry"},
           KeyCall{Op::Get, "menu/picture/advanced-settings/color-space/reset"},
           KeyCall{Op::Preview, "menu/picture/senior-mode"},
           KeyCall{Op::Preview, "menu/picture/expert-settings/hdrplus"},
           KeyCall{Op::Preview, "menu/picture/pictureoff"},
           KeyCall{Op::Preview, "menu/picture/reset"},
           KeyCall{Op::Preview, "menu/picture/advanced-settings/flesh-tone"},
           KeyCall{Op::Preview, "menu/picture/pip/antenna"},
           KeyCall{Op::Preview, "menu/picture/advanced-settings/xvYCC"},
           KeyCall{Op::Preview, "menu/picture/picture-options/motion-judder-canceller"}));

// Known keys whose case does nothing: the same exit, without " Unknown key type ".
class NoActionKey : public KeyedCall {};

TEST_P(NoActionKey, FailsWithoutTheUnknownLine)
{
    EXPECT_EQ(call(GetParam()), 1);
    EXPECT_EQ(messages(), frame(GetParam(), false));
    EXPECT_THAT(sim::journal(), IsEmpty());
    EXPECT_EQ(value_, kUntouched);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NoActionKey,
    Values(KeyCall{Op::Get, "menu/picture/advanced-settings/xvYCC"},
           KeyCall{Op::Set, "menu/picture/advanced-settings/xvYCC"},
           KeyCall{Op::Get, "menu/picture/picture-options/motion-judder-canceller"},
           KeyCall{Op::Set, "menu/picture/picture-options/motion-judder-canceller"},
           KeyCall{Op::Set, "menu/picture/picturesize/219wide_mode"},
           KeyCall{Op::Preview, "menu/picture/picturesize/219wide_mode"}));

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
    EXPECT_EQ(op<provider_set_string_fn>(PROVIDER_SLOT_SET_STRING)(nullptr, "Up"), -1);
    EXPECT_EQ(
        op<provider_set_string_fn>(PROVIDER_SLOT_SET_STRING)("menu/picture/pip/channel", nullptr),
        -1);
    EXPECT_EQ(op<provider_get_string_fn>(PROVIDER_SLOT_GET_DISPLAY_NAME)(nullptr, &s), -1);
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
    EXPECT_EQ(op<provider_set_string_fn>(PROVIDER_SLOT_SET_STRING)("menu/picture/reset", "Up"), 0);
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
