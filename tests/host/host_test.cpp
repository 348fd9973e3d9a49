// picture-menu end to end: the built program run as a user runs it, with its
// output, exit status and state file checked.
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "host_fixture.h"
#include "picture_keys.h"

namespace {

using namespace host_test;

// ---- the menu ----------------------------------------------------------------

// Every key shows once, in its section, translated, under a title a person
// can read: the host's own, or the provider's label where it has one; never
// its placeholder, never twice. So too on a TV whose labels differ.
TEST_F(HostTest, MenuShowsEveryKeyOnceInItsSectionTranslatedAndTitled)
{
    for (const char *setup : {"", "sim avoc gamma_config 0\nsim tv lfd-product 1\n"}) {
        Result r = run("--json shell", std::string(setup) + "menu\n");
        ASSERT_EQ(r.exit, 0) << r.output;
        nlohmann::json menu =
            nlohmann::json::parse(r.output.substr(r.output.rfind("{\"command\":\"menu\"")));
        std::map<std::string, std::string> section_of, key_of;
        std::vector<std::string> sections;
        for (const auto &section : menu["sections"]) {
            sections.push_back(section["section"]);
            for (const auto &item : section["items"]) {
                EXPECT_TRUE(section_of.emplace(item["key"], sections.back()).second) << item;
                for (const auto &choice :
                     item["choices"].is_null() ? nlohmann::json::array() : item["choices"])
                    EXPECT_EQ(choice["text"].get<std::string>().find("SID_"), std::string::npos)
                        << choice;
                std::string title = item["title"];
                EXPECT_NE(title, "My Menu Item") << item["key"];
                EXPECT_FALSE(title.empty()) << item["key"];
                if (!item["label"].is_null() && item["label"] != "My Menu Item") {
                    EXPECT_EQ(title, item["label"]) << item["key"];
                }
                EXPECT_TRUE(key_of.emplace(title, item["key"]).second)
                    << title << ": " << item["key"] << " and " << key_of[title];
            }
        }
        EXPECT_EQ(sections, (std::vector<std::string>{"Picture size", "Picture-in-picture",
                                                      "Advanced settings", "Picture options",
                                                      "Picture-wide"}));
        EXPECT_EQ(section_of.size(), std::size(picture_setting_keys) + 1);
        EXPECT_EQ(key_of.size(), section_of.size());
        EXPECT_EQ(section_of[PICTURE_PIP_CHANNEL_KEY], "Picture-in-picture");
        EXPECT_EQ(section_of["db/menu/picture/pip/source"], "Picture-in-picture");
        EXPECT_EQ(section_of["menu/picture/senior-mode"], "Picture-wide");
    }
    EXPECT_EQ(run("").output, run("menu").output) << "the menu is the default command";
}

// The README's table of commands is the command table's, as picture-menu
// writes it; PICTURE_UPDATE_SCENARIOS=1 rewrites it.
TEST_F(HostTest, ReadmeCommandTableIsTheCommandTable)
{
#ifndef WITH_SERVE
    GTEST_SKIP() << "the README shows the serve command, which this build lacks";
#endif
    Result table = run("--manual markdown");
    ASSERT_EQ(table.exit, 0);
    std::string readme = read_file(README_FILE);
    const std::string open = "<!-- picture-menu --manual markdown -->\n", close = "<!-- end -->";
    std::size_t from = readme.find(open), to = readme.find(close, from);
    ASSERT_NE(from, std::string::npos);
    ASSERT_NE(to, std::string::npos);
    from += open.size();
    if (std::getenv("PICTURE_UPDATE_SCENARIOS"))
        write_file(README_FILE, readme.replace(from, to - from, table.output));
    EXPECT_EQ(readme.substr(from, to - from), table.output);
}

// ---- scenarios ---------------------------------------------------------------

// Each scenarios/NAME.txt is a transcript's script; the output and the exit
// statuses must match NAME.expected, with source line numbers in log prefixes
// masked. PICTURE_UPDATE_SCENARIOS=1 rewrites the expected files.
// - A shell script: its lines run in one `picture-menu shell` (options on a
//   first line "# args: ..."), closed by "[exit N]".
// - A command-line script, known by its "$ COMMAND" lines: each runs in a
//   bash of its own in the test's folder, picture-menu first on the PATH,
//   with the "< LINE" lines after it as standard input ("<" alone an empty
//   line); the transcript shows the line, what it wrote to standard output
//   and error, and "[exit N]".
// $TEST_LOCALE names a catalogue whose texts differ from their message ids,
// $COMPLETION_SCRIPT the bash completion, $BAD_PROVIDERS a folder of
// libraries the loader refuses, $CHANGED_PROVIDER a provider whose film mode
// table differs.
class Scenario : public HostTest, public ::testing::WithParamInterface<std::string> {
protected:
    std::string run_commands(const std::string &text) const
    {
        std::string out, command, input;
        auto flush = [&] {
            if (command.empty())
                return;
            write_file(dir_ / ".command", command + "\n");
            write_file(dir_ / ".input", input);
            Result r = run_command("cd " + dir_.string() +
                                   " && PATH=" + fs::path(HOST_PROGRAM).parent_path().string() +
                                   ":$PATH bash .command < .input 2>&1");
            out += r.output + "[exit " + std::to_string(r.exit) + "]\n";
            command.clear();
            input.clear();
        };
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);) {
            if ((line == "<" || line.rfind("< ", 0) == 0) && !command.empty()) {
                input += line.substr(std::min<std::size_t>(2, line.size())) + "\n";
                continue;
            }
            flush();
            if (line.rfind("$ ", 0) == 0)
                command = line.substr(2);
            out += line + "\n";
        }
        flush();
        return out;
    }
};

TEST_P(Scenario, GivesTheExpectedTranscript)
{
    fs::path script = fs::path(SCENARIO_DIR) / (GetParam() + ".txt");
    fs::path expected = fs::path(SCENARIO_DIR) / (GetParam() + ".expected");
    std::string text = read_file(script);
    setenv("TEST_LOCALE", TEST_LOCALE_DIR, 1);
    setenv("COMPLETION_SCRIPT", COMPLETION_SCRIPT, 1);
    setenv("BAD_PROVIDERS", BAD_PROVIDERS, 1);
    setenv("CHANGED_PROVIDER", CHANGED_PROVIDER, 1);
    std::string transcript;
    if (std::regex_search(text, std::regex("(^|\n)\\$ "))) {
        transcript = run_commands(text);
    } else {
        std::string args;
        if (text.rfind("# args:", 0) == 0)
            args = text.substr(7, text.find('\n') - 7);
        Result r = run(args + " shell", text);
        transcript = r.output + "[exit " + std::to_string(r.exit) + "]\n";
    }
    static const std::regex line_numbers(R"((\w+)\(\d+\) > \[(\w+):\d+\])");
    transcript = std::regex_replace(transcript, line_numbers, "$1(N) > [$2:N]");
    if (std::getenv("PICTURE_UPDATE_SCENARIOS"))
        write_file(expected, transcript);
    EXPECT_EQ(transcript, read_file(expected));
}

std::vector<std::string> scenario_names()
{
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(SCENARIO_DIR))
        if (entry.path().extension() == ".txt")
            names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

INSTANTIATE_TEST_SUITE_P(Shell, Scenario, ::testing::ValuesIn(scenario_names()), [](const auto &p) {
    std::string name = p.param;
    for (char &c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
});

}  // namespace
