// picture-menu's input and output at their edges: output that cannot be
// written, lines a shell script should never hold, and --json for machines.
#include <unistd.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "host_fixture.h"

namespace {

using namespace host_test;
using nlohmann::json;

// Every line of `text` as JSON; a line that does not parse fails the test.
std::vector<json> json_lines(const std::string &text)
{
    std::vector<json> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        try {
            out.push_back(json::parse(line));
        } catch (const json::exception &e) {
            ADD_FAILURE() << e.what() << " in: " << line.substr(0, 200);
        }
    }
    return out;
}

// ---- output that cannot be written -------------------------------------------

struct LostOutputCase {
    const char *name;
    const char *redirect;  // of standard output; null: a pipe nobody reads
    const char *command;   // after --json --state FILE
    const char *cause;
};

const LostOutputCase kLostOutput[] = {
    {"FullDiskInShell", ">/dev/full", "shell", "No space left on device"},
    {"ClosedInShell", ">&-", "shell", "Bad file descriptor"},
    {"ReaderGoneInShell", nullptr, "shell", "Broken pipe"},
    {"FullDiskOneCommand", ">/dev/full", "sim vconf-int db/probe 7", "No space left on device"},
    {"ReaderGoneOneCommand", nullptr, "sim vconf-int db/probe 7", "Broken pipe"},
};

void PrintTo(const LostOutputCase &c, std::ostream *os)
{
    *os << c.name;
}

class LostOutput : public HostTest, public ::testing::WithParamInterface<LostOutputCase> {};

// The shell stops at the first output it cannot write; what ran until then
// is saved, and the exit status and a message tell.
TEST_P(LostOutput, SavesWhatRanAndExitsThreeWithTheCause)
{
    const LostOutputCase &c = GetParam();
    fs::path state = dir_ / "tv.txt";
    std::string redirect = c.redirect ? c.redirect : "";
    int unread[2] = {-1, -1};
    if (!c.redirect) {
        ASSERT_EQ(pipe(unread), 0);
        close(unread[0]);
        redirect = ">&" + std::to_string(unread[1]);
    }
    std::string errors;
    Result r = run_apart("--json --state " + state.string() + " " + c.command,
                         "sim vconf-int db/probe 7\nsim vconf-int db/never 1\n", &errors, redirect);
    if (unread[1] >= 0)
        close(unread[1]);

    EXPECT_EQ(r.exit, 3);
    EXPECT_EQ(errors, std::string("picture-menu: cannot write the output: ") + c.cause + "\n");
    std::string saved = read_file(state);
    EXPECT_NE(saved.find("\nsim vconf-int db/probe 7\n"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("db/never"), std::string::npos) << saved;
}

INSTANTIATE_TEST_SUITE_P(Host, LostOutput, ::testing::ValuesIn(kLostOutput),
                         [](const auto &p) { return std::string(p.param.name); });

// ---- bad shell lines ---------------------------------------------------------

struct BadLineCase {
    const char *name;
    std::string line;
    json command;         // the error object's command
    std::string message;  // its error, and standard error's message
};

const std::string kMegabyte(1 << 20, 'x');

const BadLineCase kBadLines[] = {
    {"NulByte", std::string("set menu/picture/picture-options/film-mode 2\0garbage", 52), nullptr,
     "NUL byte in the line"},
    {"NulByteInQuotes", std::string("sim vconf-str db/x \"a\0b\"", 24), nullptr,
     "NUL byte in the line"},
    {"UnterminatedQuote", "sim vconf-str db/x \"open", nullptr, "unterminated quote"},
    {"HugeCommandIsCut", "frob" + kMegabyte, "frob" + kMegabyte.substr(0, 76) + "...",
     "unknown command: frob" + kMegabyte.substr(0, 76) + "..."},
    {"HugeKeyIsCut", "get m" + kMegabyte, "get",
     "get: unknown key: m" + kMegabyte.substr(0, 79) + "..."},
    {"HugeNumberIsCut", "set menu/picture/reset 1" + std::string(1 << 20, '0'), "set",
     "set: number out of range: 1" + std::string(79, '0') + "..."},
    {"CutKeepsUtf8Whole", "frob" + std::string(75, 'x') + "\xc3\xa9" + "tail",
     "frob" + std::string(75, 'x') + "...", "unknown command: frob" + std::string(75, 'x') + "..."},
    {"UnforceNotAPlatformFunction", "sim unforce nosuch", "sim",
     "sim unforce: not a platform function: nosuch"},
};

void PrintTo(const BadLineCase &c, std::ostream *os)
{
    *os << c.name;
}

class BadLine : public HostTest, public ::testing::WithParamInterface<BadLineCase> {};

// The bad line changes nothing, the lines around it run, and --json shows the
// error as an object between their records.
TEST_P(BadLine, IsAnErrorObjectAndChangesNothing)
{
    const BadLineCase &c = GetParam();
    fs::path state = dir_ / "tv.txt";
    std::string errors;
    Result r =
        run_apart("--json --state " + state.string() + " shell",
                  "sim vconf-int db/before 1\n" + c.line + "\nsim vconf-int db/after 2\n", &errors);

    EXPECT_EQ(r.exit, 2);
    EXPECT_EQ(errors, "picture-menu: line 2: " + c.message + "\n");
    std::vector<json> records = json_lines(r.output);
    ASSERT_EQ(records.size(), 3u) << r.output.substr(0, 500);
    EXPECT_EQ(records[1],
              json({{"command", c.command}, {"error", c.message}, {"exit", 2}, {"line", 2}}));
    EXPECT_EQ(read_file(state), "# The simulated TV: sim commands that change its defaults.\n"
                                "sim vconf-int db/after 2\n"
                                "sim vconf-int db/before 1\n");
}

INSTANTIATE_TEST_SUITE_P(Host, BadLine, ::testing::ValuesIn(kBadLines),
                         [](const auto &p) { return std::string(p.param.name); });

// ---- --json ------------------------------------------------------------------

// Texts the user handed in come back out through the provider and sim show;
// bytes that are not UTF-8 must not break a strict parser.
TEST_F(HostTest, JsonOutputIsValidUtf8EvenForInvalidInput)
{
    std::string errors;
    Result r = run_apart("--json shell",
                         "sim vconf-str db/x \"a\xff\xfe z\"\n"
                         "sim channels clear\n"
                         "sim channel \"\xc0\x80 overlong \xed\xa0\x80 surrogate\" 12=1 13=5\n"
                         "sim show\n"
                         "string menu/picture/pip/channel\n"
                         "frob\xe2\x82\n",
                         &errors);
    EXPECT_EQ(r.exit, 2) << errors;
    std::vector<json> records = json_lines(r.output);
    ASSERT_EQ(records.size(), 6u) << r.output;
    std::string state = records[3].dump();
    EXPECT_NE(state.find("a\xef\xbf\xbd\xef\xbf\xbd z"), std::string::npos) << state;
    EXPECT_EQ(records[5]["error"], "unknown command: frob\xef\xbf\xbd\xef\xbf\xbd");
}

// Errors that stop the run before any command: the options, the state file.
TEST_F(HostTest, JsonErrorObjectsForErrorsBeforeTheCommand)
{
    fs::path bad_state = dir_ / "tv.txt";
    write_file(bad_state, "sim frob 1\n");
    const struct {
        std::string args;
        json record;
    } cases[] = {
        {"--json --colour menu",
         {{"command", nullptr}, {"error", "unknown option: --colour"}, {"exit", 2}}},
        {"--json --state " + bad_state.string() + " get menu/picture/reset",
         {{"command", "get"},
          {"error", bad_state.string() + ":1: sim: unknown sim command: frob"},
          {"exit", 2}}},
        {"--json --provider " + (dir_ / "none.so").string() + " menu",
         {{"command", "menu"}, {"exit", 3}}},
    };
    for (const auto &c : cases) {
        std::string errors;
        Result r = run_apart(c.args, "", &errors);
        std::vector<json> records = json_lines(r.output);
        ASSERT_EQ(records.size(), 1u) << c.args << "\n" << r.output;
        EXPECT_EQ(r.exit, c.record["exit"]) << c.args;
        json got = records[0];
        if (!c.record.contains("error"))
            got.erase("error");  // the loader's own words
        EXPECT_EQ(got, c.record) << c.args;
    }
}

}  // namespace
