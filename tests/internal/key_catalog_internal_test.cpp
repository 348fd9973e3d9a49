// picture-menu's key catalogue against the provider's case tables: what the
// host says a key does is what the provider does with it.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "../../host/key_catalog.h"
#include "cases.h"
#include "key_table.h"

namespace picture {
namespace {

// Whether the operation acts: a case that is there and is not a no-action.
template <typename Case> bool acts(Case c, Case no_action)
{
    return c != nullptr && c != no_action;
}

TEST(KeyCatalog, SaysWhatTheProvidersCasesDo)
{
    for (const KeyRow &row : g_keyitemmap) {
        const host::KeyInfo *info = host::find_key(row.key);
        ASSERT_NE(info, nullptr) << row.key;
        const KeyCase *c = find_case(static_cast<int>(row.id));
        ASSERT_NE(c, nullptr) << row.key;
        unsigned expected = 0;
        for (auto [does, ability] : {std::pair{acts(c->get, &no_action_get), host::kReads},
                                     {acts(c->set, &no_action_set), host::kWrites},
                                     {acts(c->preview, &no_action_set), host::kPreviews},
                                     {c->list != nullptr, host::kLists}})
            expected |= does ? ability : 0u;
        EXPECT_EQ(info->abilities, expected) << row.key;
    }
}

TEST(KeyCatalog, ListsTheKeyTableInLookupOrderThenTheChannelKey)
{
    const std::vector<host::KeyInfo> &keys = host::key_catalog();
    ASSERT_EQ(keys.size(), std::size(g_keyitemmap) + 1);
    for (std::size_t i = 0; i < std::size(g_keyitemmap); ++i)
        EXPECT_EQ(keys[i].key, g_keyitemmap[i].key);
    EXPECT_EQ(keys.back().key, kPipChannelKey);
    EXPECT_EQ(keys.back().abilities, host::kLists | host::kStrings);
}

}  // namespace
}  // namespace picture
