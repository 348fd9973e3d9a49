// The provider exports its two entry points and defines nothing of the
// platform: every platform call is bound at load time.
#include <set>
#include <sstream>
#include <string>

#include "command.h"
#include "provider_fixture.h"

namespace test {
namespace {

std::set<std::string> dynamic_symbols(const std::string &library, const char *which)
{
    std::string command = "nm -D --format=posix " + std::string(which) + " " + library;
    std::set<std::string> names;
    std::istringstream lines(test_support::run_command(command).output);
    for (std::string s; std::getline(lines, s);) {
        std::string name = s.substr(0, s.find(' '));
        names.insert(name.substr(0, name.find('@')));
    }
    return names;
}

TEST(ProviderSymbols, ExportsExactlyTheTwoEntryPoints)
{
    EXPECT_EQ(dynamic_symbols(PROVIDER_LIBRARY, "--defined-only"),
              (std::set<std::string>{"create_provider", "delete_provider"}));
}

TEST(ProviderSymbols, LeavesThePlatformUndefined)
{
    std::set<std::string> undefined = dynamic_symbols(PROVIDER_LIBRARY, "--undefined-only");
    for (const char *name :
         {"__dlog_print", "bindtextdomain", "vconf_get_int", "avoc_reset_picture"})
        EXPECT_TRUE(undefined.count(name)) << name;
}

}  // namespace
}  // namespace test
