// The provider binds its platform from the process that loads it: this test
// program links the second platform instead of the stand-in, and every read,
// write and log line of the provider lands there.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "command.h"
#include "other_platform.h"
#include "provider_loader.h"

namespace {

class Binding : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        std::string error;
        ASSERT_TRUE(loader::load_provider(PROVIDER_LIBRARY, &provider_, &error)) << error;
    }

    void SetUp() override
    {
        ASSERT_EQ(provider_.create(&table_), 0);
        other::reset();
    }

    void TearDown() override { provider_.destroy(&table_); }

    int get_int(const char *key, int *value) const
    {
        return reinterpret_cast<provider_get_int_fn>(table_[PROVIDER_SLOT_GET_INT])(key, value);
    }

    int set_int(const char *key, int value) const
    {
        return reinterpret_cast<provider_set_int_fn>(table_[PROVIDER_SLOT_SET_INT])(key, value);
    }

    static bool called(const std::string &name)
    {
        const auto &calls = other::calls();
        return std::find(calls.begin(), calls.end(), name) != calls.end();
    }

    static loader::Provider provider_;
    provider_op *table_ = nullptr;
};

loader::Provider Binding::provider_;

// One read each of the output control library, the key-value store and the
// system information, answered by this platform alone.
struct Read {
    const char *key;
    const char *answered_by;  // the function's name
    int answer;
    int status;  // the PIP size answers 1 even when the store did its part
};
const Read kReads[] = {
    {"menu/picture/advanced-settings/gamma", "avoc_get_gamma", 3, 0},
    {"menu/picture/picture-options/film-mode", "avoc_get_film_mode", 2, 0},
    {"menu/picture/advanced-settings/black-tone", "avoc_get_black_tone", 1, 0},
    {"menu/picture/pip/pipsize", "vconf_get_int", 2, 1},
};

TEST_F(Binding, ReadsComeFromTheProcessPlatform)
{
    for (const Read &r : kReads) {
        SCOPED_TRACE(r.key);
        int value = -1;
        other::answers()[r.answered_by] = r.answer;
        EXPECT_EQ(get_int(r.key, &value), r.status);
        EXPECT_EQ(value, r.answer);
        // Without an answer here the read fails: nothing else answered.
        other::answers().erase(r.answered_by);
        value = -1;
        EXPECT_EQ(get_int(r.key, &value), 1);
        EXPECT_EQ(value, -1);
        EXPECT_TRUE(called(r.answered_by));
    }
}

TEST_F(Binding, WritesLogLinesAndTvServiceCallsGoToTheProcessPlatform)
{
    EXPECT_EQ(set_int("menu/picture/advanced-settings/gamma", 4), 0);
    EXPECT_EQ(other::written()["avoc_set_gamma"], 4);
    EXPECT_TRUE(called("__dlog_print"));

    int value = 0;
    EXPECT_EQ(get_int("menu/picture/picturesize/mode", &value), 1);
    EXPECT_TRUE(called("TVServiceAPI::CreateVideoControl"));
}

TEST_F(Binding, TheStandInIsNotInTheProcess)
{
    void *stand_in = dlopen("libplatform-sim.so", RTLD_LAZY | RTLD_NOLOAD);
    EXPECT_EQ(stand_in, nullptr);
    if (stand_in)
        dlclose(stand_in);
}

// The second platform is a whole platform: it defines every listed function,
// and each C function the provider finds in the process is its definition.
TEST(OtherPlatform, DefinesEveryPlatformFunction)
{
    std::set<std::string> defined;
    std::string command = std::string(NM) + " -D -C --defined-only " + OTHER_PLATFORM_LIBRARY;
    test_support::Result nm = test_support::run_command(command);
    ASSERT_EQ(nm.exit, 0);
    std::istringstream lines(nm.output);
    for (std::string s; std::getline(lines, s);) {
        s = s.substr(s.find(' ', s.find(' ') + 1) + 1);  // after address and type
        defined.insert(s.substr(0, s.find_first_of("([@")));
    }

    std::ifstream list(PLATFORM_LIST);
    std::string name;
    int count = 0;
    while (std::getline(list, name)) {
        if (name.empty() || name[0] == '#')
            continue;
        name.resize(std::min(name.find_first_of("(["), name.size()));  // the parameters off
        ++count;
        EXPECT_TRUE(defined.count(name)) << name;
        if (name.find("::") != std::string::npos)
            continue;
        Dl_info info{};
        void *symbol = dlsym(RTLD_DEFAULT, name.c_str());
        ASSERT_NE(symbol, nullptr) << name;
        ASSERT_NE(dladdr(symbol, &info), 0) << name;
        EXPECT_NE(std::string(info.dli_fname).find("libplatform-other.so"), std::string::npos)
            << name << " from " << info.dli_fname;
    }
    EXPECT_GT(count, 100);
}

}  // namespace
