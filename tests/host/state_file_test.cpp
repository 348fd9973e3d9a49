// The state file of --state: what reaches it, what never does, and that
// nothing in it is lost.
#include <sys/stat.h>

#include <string>

#include "host_fixture.h"
#include "key_table.h"

namespace {

using namespace host_test;

// Reading the simulated TV never changes it: after every read-only command
// on every key the file is the same to the byte.
TEST_F(HostTest, ReadOnlyCommandsLeaveTheStateFileAsItWas)
{
    fs::path state = dir_ / "tv.txt";
    std::string at = "--state " + state.string() + " ";
    ASSERT_EQ(run(at + "shell", "sim picture-mode 0x20005\n"
                                "sim avoc 10p_white_balance_interval 3\n"
                                "set menu/picture/picture-options/film-mode 2\n")
                  .exit,
              0);
    const std::string before = read_file(state);
    std::string script = "menu\nsim show\ninfo provider/owner\n";
    for (const picture::KeyRow &row : picture::g_keyitemmap)
        for (const char *command : {"get", "list", "label", "help"})
            script += std::string(command) + " " + row.key + "\n";
    for (const char *command : {"string", "list", "label"})
        script += std::string(command) + " " + picture::kPipChannelKey + "\n";

    run(at + "shell", script);
    EXPECT_EQ(read_file(state), before);
    for (const char *command : {"menu", "--json menu"}) {
        run(at + command);
        EXPECT_EQ(read_file(state), before) << command;
    }
}

}  // namespace
