// picture-menu's output at its edges: output that cannot be written, and
// --json that a strict parser reads. Bad lines are in scenarios/bad_lines*.
#include <unistd.h>

#include <csignal>
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
    const char *cause;     // null: the reader went away, which ends the run quietly
};

const LostOutputCase kLostOutput[] = {
    {"FullDiskInShell", ">/dev/full", "shell", "No space left on device"},
    {"ClosedInShell", ">&-", "shell", "Bad file descriptor"},
    {"ReaderGoneInShell", nullptr, "shell", nullptr},
    {"FullDiskOneCommand", ">/dev/full", "sim vconf-int db/probe 7", "No space left on device"},
    {"ReaderGoneOneCommand", nullptr, "sim vconf-int db/probe 7", nullptr},
};

void PrintTo(const LostOutputCase &c, std::ostream *os)
{
    *os << c.name;
}

class LostOutput : public HostTest, public ::testing::WithParamInterface<LostOutputCase> {};

// The shell stops at the first output it cannot write; what ran until then
// is saved, and the exit status and a message tell. A reader that went away
// (menu | head) wanted no more: the run ends by SIGPIPE, as git's does.
TEST_P(LostOutput, SavesWhatRanAndSaysWhyUnlessTheReaderLeft)
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

    if (c.cause) {
        EXPECT_EQ(r.exit, 3);
        EXPECT_EQ(errors, std::string("picture-menu: cannot write the output: ") + c.cause + "\n");
    } else {
        EXPECT_TRUE(r.exit == -1 || r.exit == 128 + SIGPIPE) << r.exit;  // as sh reports it
        EXPECT_EQ(errors, "");
    }
    std::string saved = read_file(state);
    EXPECT_NE(saved.find("\nsim vconf-int db/probe 7\n"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("db/never"), std::string::npos) << saved;
}

INSTANTIATE_TEST_SUITE_P(Host, LostOutput, ::testing::ValuesIn(kLostOutput),
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

}  // namespace
