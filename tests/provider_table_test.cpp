// The entry points, the operation table and the log convention.
#include <dlfcn.h>

#include <cstring>
#include <set>

#include "provider_fixture.h"

using ::testing::ElementsAre;

namespace {

bool g_fail_bindtextdomain = false;

}  // namespace

// Stands in for the C library's bindtextdomain so a test can make it fail;
// the provider binds to the first definition in the process.
extern "C" char *bindtextdomain(const char *domain, const char *dir)
{
    using Fn = char *(*)(const char *, const char *);
    static Fn real = reinterpret_cast<Fn>(dlsym(RTLD_NEXT, "bindtextdomain"));
    return g_fail_bindtextdomain ? nullptr : real(domain, dir);
}

namespace test {
namespace {

using ProviderTableTest = ProviderTest;

// The host's slot numbers, written out once more on purpose; every other slot is null.
TEST_F(ProviderTableTest, OffersNineteenOperationsAtTheHostsSlots)
{
    const std::pair<provider_slot, int> offered[] = {
        {PROVIDER_SLOT_SET_INT, 0},
        {PROVIDER_SLOT_SET_INT_PRE, 1},
        {PROVIDER_SLOT_SET_BOOL, 2},
        {PROVIDER_SLOT_SET_DOUBLE, 4},
        {PROVIDER_SLOT_SET_STRING, 6},
        {PROVIDER_SLOT_GET_INT, 8},
        {PROVIDER_SLOT_GET_BOOL, 9},
        {PROVIDER_SLOT_GET_DOUBLE, 10},
        {PROVIDER_SLOT_GET_STRING, 11},
        {PROVIDER_SLOT_RELEASE_STRING, 12},
        {PROVIDER_SLOT_GET_DISPLAY_NAME, 13},
        {PROVIDER_SLOT_GET_HELP_TEXT, 14},
        {PROVIDER_SLOT_GET_LIST_ITEMS, 16},
        {PROVIDER_SLOT_GET_LIST_ITEM_DISPLAY_VALUE, 17},
        {PROVIDER_SLOT_GET_LIST_ITEM_STRING_VALUE, 19},
        {PROVIDER_SLOT_GET_LIST_ITEM_INT_VALUE, 20},
        {PROVIDER_SLOT_FREE_LIST_ITEMS, 24},
        {PROVIDER_SLOT_GET_MODULE_INFO, 43},
        {PROVIDER_SLOT_SEND_KEYEVENT, 44},
    };
    EXPECT_EQ(PROVIDER_SLOT_COUNT, 47);
    std::set<int> numbers;
    for (auto [slot, number] : offered) {
        EXPECT_EQ(static_cast<int>(slot), number);
        numbers.insert(number);
    }
    for (int slot = 0; slot < PROVIDER_SLOT_COUNT; ++slot)
        EXPECT_EQ(table_[slot] != nullptr, numbers.count(slot) == 1) << "slot " << slot;
}

TEST_F(ProviderTableTest, EachCreationGivesATableAndGoesOnWhenTheTextDomainCannotBeBound)
{
    for (bool fail : {false, true}) {
        clear();
        provider_op *second = nullptr;
        g_fail_bindtextdomain = fail;
        int status = create_fn()(&second);
        g_fail_bindtextdomain = false;
        ASSERT_EQ(status, 0);
        EXPECT_NE(second, table_);
        EXPECT_EQ(second[PROVIDER_SLOT_SEND_KEYEVENT], table_[PROVIDER_SLOT_SEND_KEYEVENT]);
        std::vector<std::string> lines{" Set Locale : /usr/apps/settings-datafw/shared/locale"};
        if (fail)
            lines.push_back("Unable to set domain");
        EXPECT_EQ(messages(), lines);
        EXPECT_EQ(delete_fn()(&second), 0);
    }
}

TEST_F(ProviderTableTest, DeleteAcceptsNullAndTellsItApart)
{
    provider_op *none = nullptr;
    EXPECT_EQ(delete_fn()(nullptr), 1);
    EXPECT_EQ(delete_fn()(&none), 0);
    EXPECT_EQ(delete_fn()(&table_), 0);
    EXPECT_NE(table_, nullptr) << "the host's pointer is left as it was";
    table_ = nullptr;  // freed above
}

TEST_F(ProviderTableTest, BoolAndDoubleOperationsAreSilentStubs)
{
    bool b = true;
    double d = 2.5;
    const char *key = "menu/picture/advanced-settings/gamma";
    EXPECT_EQ(op<provider_set_bool_fn>(PROVIDER_SLOT_SET_BOOL)(key, false), 0);
    EXPECT_EQ(op<provider_set_double_fn>(PROVIDER_SLOT_SET_DOUBLE)(key, 1.0), 0);
    EXPECT_EQ(op<provider_get_bool_fn>(PROVIDER_SLOT_GET_BOOL)(key, &b), 0);
    EXPECT_EQ(op<provider_get_double_fn>(PROVIDER_SLOT_GET_DOUBLE)(key, &d), 0);
    EXPECT_TRUE(b);
    EXPECT_EQ(d, 2.5);
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(sim::journal().empty());
}

TEST_F(ProviderTableTest, ReleaseStringFreesProviderStringsAndRefusesNull)
{
    auto release = op<provider_release_string_fn>(PROVIDER_SLOT_RELEASE_STRING);
    char *label = nullptr;
    op<provider_get_string_fn>(PROVIDER_SLOT_GET_DISPLAY_NAME)("menu/picture/reset", &label);
    clear();
    EXPECT_EQ(release(label), 0);
    EXPECT_EQ(release(nullptr), 1);
    EXPECT_TRUE(messages().empty());
}

TEST_F(ProviderTableTest, EveryLineFollowsTheLogConvention)
{
    int v = 0;
    get_int("menu/picture/pictureoff", &v);
    set_int_pre("menu/picture/reset", 1);
    ASSERT_FALSE(sim::log().empty());
    for (const sim::LogLine &l : sim::log()) {
        EXPECT_EQ(l.priority, 5) << l.raw;
        EXPECT_EQ(l.tag, "menu-provider") << l.raw;
        EXPECT_TRUE(l.well_formed) << l.raw;
        EXPECT_EQ(l.file.find('/'), std::string::npos) << "a base name: " << l.raw;
        EXPECT_FALSE(l.function.empty()) << l.raw;
    }
    EXPECT_EQ(sim::log().front().function, "get_int");
    EXPECT_EQ(sim::log().back().function, "set_int_pre");
}

}  // namespace
}  // namespace test
