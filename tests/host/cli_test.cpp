// The command line and the daily-use commands end to end: options, help,
// the key listing and its suggestions, failure reasons, preview against
// commit, and what sim shows.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "host_fixture.h"

namespace {

using namespace host_test;

struct CliCase {
    const char *name;
    const char *args;  // DIR stands for the test's folder
    int exit;
    const char *pattern;  // a regular expression the output holds
};

const CliCase kCli[] = {
    // A misspelt key is answered with the key that was meant.
    {"MisspeltLeaf", "get menu/picture/gama", 2,
     R"(^picture-menu: get: unknown key: menu/picture/gama \(did you mean menu/picture/advanced-settings/gamma\?\)\n$)"},
    {"MisspeltFolder", "get menu/picture/advanced-settings/colour-space/red", 2,
     R"(did you mean menu/picture/advanced-settings/color-space/red\?\))"},
    {"MissingHyphen", "list menu/picture/picture-options/colortone", 2,
     R"(did you mean menu/picture/picture-options/color-tone\?\))"},
    {"CutShort", "preview menu/picture/picture-options/film-mod 1", 2,
     R"(did you mean menu/picture/picture-options/film-mode\?\))"},
    {"SeveralNear", "get menu/picture/advanced-settings/10p-white-balance/rad", 2,
     R"(did you mean menu/picture/advanced-settings/10p-white-balance/red\?\))"},
    {"NothingNear", "get menu/picture/nothing", 2, R"(unknown key: menu/picture/nothing\n$)"},
    // --any-key lets the provider answer for itself.
    {"AnyKey", "--any-key get menu/picture/gama", 1,
     R"(status: 1\nreason:\n  log:  Unknown key type \n)"},
    {"AnyKeyList", "--any-key list menu/picture/gama", 1, R"(reason:\n  log: no matching key\n)"},
    // Options: --opt=value, after the command, refused with a clear message.
    {"OptionWithEquals", "--state=DIR/tv.txt --json get menu/picture/pip/pipss", 0,
     R"(^\{"command":"get","key":"menu/picture/pip/pipss","value":0,"status":0\}\n$)"},
    {"OptionAfterCommand", "get menu/picture/pip/pipss --json", 0, R"(^\{"command":"get")"},
    {"UnknownOptionAfterCommand", "get menu/picture/pip/pipss --colour", 2,
     R"(^picture-menu: get: unknown option: --colour\n$)"},
    {"FlagWithValue", "--json=yes menu", 2, R"(picture-menu: --json: takes no value\n)"},
    {"MissingOptionValue", "menu --state", 2, R"(picture-menu: --state: missing argument\n)"},
    {"DoubleDash", "-- get --json", 2, R"(get: unknown key: --json)"},
    {"LocaleMissing", "--locale DIR/none menu", 2,
     R"(^picture-menu: --locale: not a directory: .*/none\n)"},
    // Help and version.
    {"HelpAlone", "help", 0,
     R"(^commands:\n  menu .*\n  keys \[PATTERN\] (.|\n)*\n  quit, exit .*\nsim commands:\n)"},
    {"FullHelp", "--help", 0,
     R"(^usage: picture-menu \[OPTION\.\.\.\] \[COMMAND \[ARGS\.\.\.\]\]\n(.|\n)*options:\n(.|\n)*  --state FILE (.|\n)*commands:\n(.|\n)*exit status:\n  0 (.|\n)*  3 )"},
    {"ShortHelp", "-h", 0, R"(^usage: )"},
    {"Version", "--version", 0, R"(^picture-menu \d+\.\d+\.\d+\n$)"},
    // Finding keys and names.
    {"KeysByText", "keys gamma", 0,
     R"(^keys:\n  key +does +section +label\n  menu/picture/advanced-settings/gamma +reads writes +Advanced settings +My Menu Item\n  menu/picture/advanced-settings/org-gamma .*\n  menu/picture/advanced-settings/org-value-gamma .*\n$)"},
    {"KeysByPattern", "keys 'menu/picture/*reset'", 0,
     R"(\n  menu/picture/reset +writes +Picture-wide)"},
    {"KeysChannel", "keys pip/channel", 0, R"(pip/channel +lists strings +Picture-in-picture)"},
    {"SimAlone", "sim", 0, R"(^sim commands:\n  sim avoc NAME VALUE)"},
    {"SimAvocNames", "sim avoc", 0, R"(\n  film_mode\n(.|\n)*\n  picture_mode\n)"},
    {"SimForceNames", "sim force", 0, R"(\n  avoc_get_film_mode\n(.|\n)*\n  vconf_get_int\n)"},
    // A failure says why without --log.
    {"FailedRead",
     "shell <<< 'sim force avoc_get_film_mode 3\nget menu/picture/picture-options/film-mode'", 1,
     R"(status: 1\nreason:\n  call: avoc_get_film_mode\(0, out, 1\)\n  result: 3\n  log: .+\n)"},
    {"RefusedValue", "set menu/picture/picture-options/film-mode 9", 1,
     R"(value: 9\nstatus: 1\nreason:\n  log: .*-1.*\n)"},
};

void PrintTo(const CliCase &c, std::ostream *os)
{
    *os << c.name;
}

class Cli : public HostTest, public ::testing::WithParamInterface<CliCase> {};

TEST_P(Cli, AnswersAsExpected)
{
    const CliCase &c = GetParam();
    std::string args = std::regex_replace(c.args, std::regex("DIR"), dir_.string());
    Result r = run_command("bash -c " + std::string("\"") + HOST_PROGRAM + " " +
                           std::regex_replace(args, std::regex("\""), "\\\"") + "\" 2>&1");
    EXPECT_EQ(r.exit, c.exit) << r.output;
    EXPECT_TRUE(std::regex_search(r.output, std::regex(c.pattern))) << r.output;
}

INSTANTIATE_TEST_SUITE_P(Host, Cli, ::testing::ValuesIn(kCli),
                         [](const auto &p) { return std::string(p.param.name); });

struct CompletionCase {
    const char *line;      // typed after "picture-menu "
    const char *expected;  // the candidates, each in brackets
};

// The installed bash completion asks the program, which completes what the
// shell's TAB completes, after any options.
const CompletionCase kCompletions[] = {
    {"get menu/picture/advanced-settings/ga", "[menu/picture/advanced-settings/gamma ]"},
    {"--json --state tv.txt sim force avoc_get_film", "[avoc_get_film_mode ]"},
    {"sim tv screen-", "[screen-mode ][screen-fit ]"},
    {"--st", "[--state ]"},
    {"pre", "[preview ]"},
    {"frob ", "[]"},
};

TEST(BashCompletion, OffersTheProgramsOwnWords)
{
    for (const CompletionCase &c : kCompletions) {
        std::string line = std::string("picture-menu ") + c.line;
        std::string script = "PATH=" + fs::path(HOST_PROGRAM).parent_path().string() +
                             ":$PATH; source " COMPLETION_SCRIPT "; COMP_LINE='" + line +
                             "'; COMP_POINT=${#COMP_LINE}; COMP_WORDS=($COMP_LINE); "
                             "_picture_menu; printf '[%s]' \"${COMPREPLY[@]}\"";
        Result r = run_command("bash -c \"" +
                               std::regex_replace(script, std::regex("([\"$])"), "\\$1") + "\"");
        EXPECT_EQ(r.output, c.expected) << line;
    }
}

// A preview changes what the panel shows and what reads return for the rest
// of the session; the state file keeps the committed value.
TEST_F(HostTest, PreviewLivesInTheSessionButNotInTheStateFile)
{
    std::string state = "--state " + (dir_ / "tv.txt").string();
    const std::string key = "menu/picture/picture-options/film-mode";
    Result session = run(state + " shell", "set " + key + " 1\npreview " + key + " 2\nget " + key +
                                               "\nsim show --changed\n");
    ASSERT_EQ(session.exit, 0) << session.output;
    EXPECT_NE(session.output.find("> get " + key + "\nkey: " + key + "\nvalue: 2\n"),
              std::string::npos)
        << session.output;
    EXPECT_TRUE(std::regex_search(session.output, std::regex("\n  avoc film_mode +1 +0 +2\n")))
        << session.output;
    EXPECT_NE(read_file(dir_ / "tv.txt").find("\nsim avoc film_mode 1\n"), std::string::npos);

    Result next = run(state + " get " + key);
    EXPECT_NE(next.output.find("value: 1\n"), std::string::npos) << next.output;

    // A commit after a preview leaves no live value behind.
    Result committed =
        run(state + " shell", "preview " + key + " 2\nset " + key + " 1\nsim show --changed\n");
    EXPECT_TRUE(std::regex_search(committed.output, std::regex("\n  avoc film_mode +1 +0\n")))
        << committed.output;
}

TEST_F(HostTest, SimShowListsEveryValueWithItsDefault)
{
    Result all = run("shell", "sim picture-mode 5\nsim show\nsim show --changed\n");
    ASSERT_EQ(all.exit, 0) << all.output;
    std::string full = all.output.substr(0, all.output.find("> sim show --changed"));
    std::string changed = all.output.substr(full.size());
    for (const char *row :
         {"\n  avoc picture_mode +5 +1\n", "\n  avoc gamma_config +2 +2\n",
          "\n  sysinfo 122 +4 +4\n", "\n  tv screen-fit +0 +0\n", "\n  channel 1 +\"KTV News\" "})
        EXPECT_TRUE(std::regex_search(full, std::regex(row))) << row << full;
    EXPECT_TRUE(std::regex_search(changed, std::regex("values:\n  name +value +default\n"
                                                      "  avoc picture_mode +5 +1\nstatus: 0\n")))
        << changed;
}

}  // namespace
