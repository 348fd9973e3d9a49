// The frame of the operations where picture-menu cannot reach: null and
// empty arguments, the caller's value left alone, lists the host frees. The
// keyed operations' statuses, exit lines and calls are pinned by
// tests/host/scenarios/frame.txt.
#include <cstdlib>

#include "provider_fixture.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace test {
namespace {

using FrameTest = ProviderTest;

TEST_F(FrameTest, NullArgumentsFailWithTheOperationsStatus)
{
    int v = 5;
    EXPECT_EQ(get_int(nullptr, &v), 1);
    EXPECT_EQ(get_int("menu/picture/reset", nullptr), 1);
    EXPECT_EQ(get_int("menu/picture/reset", &v), 1) << "a key without a read";
    EXPECT_EQ(set_int(nullptr, 1), 1);
    EXPECT_EQ(set_int("", 1), 1);
    EXPECT_EQ(set_int_pre(nullptr, 1), 1);
    char *s = nullptr;
    EXPECT_EQ(op<provider_get_string_fn>(PROVIDER_SLOT_GET_STRING)(nullptr, &s), -1);
    EXPECT_EQ(set_string(nullptr, "Up"), -1);
    EXPECT_EQ(set_string("menu/picture/pip/channel", nullptr), -1);
    EXPECT_EQ(s, nullptr);
    EXPECT_EQ(v, 5);
    EXPECT_THAT(sim::journal(), IsEmpty());
}

TEST_F(FrameTest, TextOperationsRejectNullArguments)
{
    char sentinel = 0;
    char *s = &sentinel;
    EXPECT_EQ(op<provider_get_string_fn>(PROVIDER_SLOT_GET_STRING)("menu/picture/reset", &s), 0);
    EXPECT_EQ(s, &sentinel) << "an unknown key leaves the caller's pointer";
    const provider_slot label = PROVIDER_SLOT_GET_DISPLAY_NAME;
    EXPECT_EQ(op<provider_get_string_fn>(label)(nullptr, &s), -1);
    EXPECT_EQ(op<provider_get_string_fn>(label)("menu/picture/reset", nullptr), -1);
    int status = -5;
    EXPECT_EQ(text(PROVIDER_SLOT_GET_MODULE_INFO, nullptr, &status), "<null>");
    EXPECT_EQ(status, -1);
    EXPECT_THAT(messages(), ElementsAre("params error!", "params error!"));
}

TEST_F(FrameTest, ListOfANullKeyIsNullAndLeavesTheCount)
{
    int count = 42;
    EXPECT_EQ(get_list_items(nullptr, &count), nullptr);
    EXPECT_EQ(count, 42);
    EXPECT_EQ(get_list_items("menu/picture/advanced-settings/gamma", &count), nullptr);
    EXPECT_EQ(count, 42);
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
