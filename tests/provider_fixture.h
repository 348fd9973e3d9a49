// Loads the provider as the settings host does and gives each test a fresh
// operation table and a stand-in TV in its default state.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "picture_provider.h"
#include "sim/control.h"

namespace test {

// One choice of a list, as the host reads it through the accessors.
struct ListItem {
    int value;
    std::string display;
    std::optional<std::string> string;
};

class ProviderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    template <typename F> F op(provider_slot slot) const
    {
        return reinterpret_cast<F>(table_[slot]);
    }

    static provider_create_fn create_fn();
    static provider_delete_fn delete_fn();

    int get_int(const char *key, int *value) const;
    int set_int(const char *key, int value) const;
    int set_int_pre(const char *key, int value) const;
    void **get_list_items(const char *key, int *count) const;
    int free_list_items(void **items, int count) const;
    int set_string(const char *key, const char *value) const;
    // Calls a string operation and releases the string it hands out;
    // "<null>" when there is none.
    std::string text(provider_slot slot, const char *key, int *status = nullptr) const;
    // Reads every item of a list through the accessors and frees the list;
    // nullopt when the provider returns no list.
    std::optional<std::vector<ListItem>> choices(const char *key) const;

    static std::vector<std::string> messages() { return sim::log_messages(); }
    static void clear()
    {
        sim::clear_log();
        sim::clear_journal();
    }

    provider_op *table_ = nullptr;
};

}  // namespace test
