// Every platform function the provider may call is recorded: each wrapper
// row finds its function in the process by name, as the redirection looks
// it up, and together they are the list the provider build checks.
#include <cxxabi.h>
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>

#include "wrapper_table.h"

namespace {

// A record's own accessors work on the caller's copy and are not platform
// calls worth a line, as the call journal leaves them out too.
const std::set<std::string> kNotRecorded = {
    "TCServiceData::TCServiceData",
    "TCServiceData::~TCServiceData",
    "TCServiceData::GetField",
    "TCCriteriaHelper::TCCriteriaHelper",
    "TCCriteriaHelper::~TCCriteriaHelper",
};

// "TVServiceAPI::CreateUtil" for "_ZN12TVServiceAPI10CreateUtilEPP5IUtil".
std::string qualified_name(const char *symbol)
{
    int status = 0;
    char *demangled = abi::__cxa_demangle(symbol, nullptr, nullptr, &status);
    std::string name = status == 0 && demangled ? demangled : symbol;
    std::free(demangled);
    name.resize(std::min(name.find('('), name.size()));
    name.resize(
        std::min(name.find("[abi:"), name.size()));  // a tag of functions returning std::string
    return name;
}

TEST(RecorderCoverage, WrapsEveryListedPlatformFunctionButTheRecordAccessors)
{
    std::set<std::string> wrapped;
    for (const recorder::Wrapper &w : recorder::platform_wrappers()) {
        Dl_info info{};
        ASSERT_TRUE(dladdr(w.real, &info) && info.dli_sname) << "a wrapper of nothing";
        EXPECT_TRUE(wrapped.insert(qualified_name(info.dli_sname)).second ||
                    qualified_name(info.dli_sname) ==
                        "TCNavigationModeHelper::GetNavigationCriteria")
            << "wrapped twice: " << info.dli_sname;
    }
    std::set<std::string> listed;
    std::ifstream in(PLATFORM_LIST);
    for (std::string line; std::getline(in, line);) {
        line.resize(std::min(line.find_first_of("(["), line.size()));  // the parameters off
        if (!line.empty() && line[0] != '#' && !kNotRecorded.count(line))
            listed.insert(line);
    }
    ASSERT_FALSE(listed.empty());
    for (const std::string &name : listed)
        EXPECT_TRUE(wrapped.count(name)) << "not recorded: " << name;
    for (const std::string &name : wrapped)
        EXPECT_TRUE(listed.count(name)) << "not a listed platform function: " << name;
}

}  // namespace
