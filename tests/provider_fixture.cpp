#include "provider_fixture.h"

#include <cstdlib>

#include "provider_loader.h"

namespace test {

static const loader::Provider &provider()
{
    static const loader::Provider p = loader::load_provider_or_exit(PROVIDER_LIBRARY);
    return p;
}

provider_create_fn ProviderTest::create_fn()
{
    return provider().create;
}

provider_delete_fn ProviderTest::delete_fn()
{
    return provider().destroy;
}

void ProviderTest::SetUp()
{
    ASSERT_NE(create_fn(), nullptr);
    ASSERT_EQ(create_fn()(&table_), 0);
    sim::reset();
}

void ProviderTest::TearDown()
{
    if (table_)
        delete_fn()(&table_);
}

int ProviderTest::get_int(const char *key, int *value) const
{
    return op<provider_get_int_fn>(PROVIDER_SLOT_GET_INT)(key, value);
}

int ProviderTest::set_int(const char *key, int value) const
{
    return op<provider_set_int_fn>(PROVIDER_SLOT_SET_INT)(key, value);
}

int ProviderTest::set_int_pre(const char *key, int value) const
{
    return op<provider_set_int_fn>(PROVIDER_SLOT_SET_INT_PRE)(key, value);
}

void **ProviderTest::get_list_items(const char *key, int *count) const
{
    return op<provider_get_list_items_fn>(PROVIDER_SLOT_GET_LIST_ITEMS)(key, count);
}

int ProviderTest::free_list_items(void **items, int count) const
{
    return op<provider_free_list_items_fn>(PROVIDER_SLOT_FREE_LIST_ITEMS)(items, count);
}

int ProviderTest::set_string(const char *key, const char *value) const
{
    return op<provider_set_string_fn>(PROVIDER_SLOT_SET_STRING)(key, value);
}

std::string ProviderTest::text(provider_slot slot, const char *key, int *status) const
{
    char *s = nullptr;
    int st = op<provider_get_string_fn>(slot)(key, &s);
    if (status)
        *status = st;
    std::string out = s ? s : "<null>";
    if (s) {
        EXPECT_EQ(op<provider_release_string_fn>(PROVIDER_SLOT_RELEASE_STRING)(s), 0);
    }
    return out;
}

std::optional<std::vector<ListItem>> ProviderTest::choices(const char *key) const
{
    int count = -1;
    void **items = get_list_items(key, &count);
    if (!items && count <= 0)
        return std::nullopt;
    std::vector<ListItem> out;
    auto display = op<provider_get_item_string_fn>(PROVIDER_SLOT_GET_LIST_ITEM_DISPLAY_VALUE);
    auto string = op<provider_get_item_string_fn>(PROVIDER_SLOT_GET_LIST_ITEM_STRING_VALUE);
    auto value = op<provider_get_item_int_fn>(PROVIDER_SLOT_GET_LIST_ITEM_INT_VALUE);
    for (int i = 0; i < count; ++i) {
        char *text = nullptr;
        char *str = nullptr;
        int v = 0;
        EXPECT_EQ(display(items[i], &text), 0);
        EXPECT_EQ(string(items[i], &str), 0);
        EXPECT_EQ(value(items[i], &v), 0);
        out.push_back(
            ListItem{v, text ? text : "", str ? std::optional<std::string>(str) : std::nullopt});
    }
    EXPECT_EQ(free_list_items(items, count), 0);
    return out;
}

}  // namespace test
