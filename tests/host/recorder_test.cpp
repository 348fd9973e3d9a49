// The recording provider and replay, end to end: sessions recorded through
// picture-menu --record and replayed with picture-menu replay.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "host_fixture.h"
#include "picture_keys.h"

namespace {

using host_test::read_file;
using host_test::Result;
using host_test::write_file;
using host_test::fs::path;

constexpr const char *kFilmMode = "menu/picture/picture-options/film-mode";

std::string replace_first(std::string text, const std::string &from, const std::string &to)
{
    std::size_t at = text.find(from);
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// Every operation picture-menu has on every key, the PIP channel steps, the
// Info key, module information and forced platform failures.
std::string whole_session()
{
    std::string s;
    for (const char *key : picture_setting_keys) {
        for (const char *command : {"get ", "list ", "label ", "help ", "string "})
            s.append(command).append(key).append("\n");
        for (const char *command : {"set ", "preview "})
            s.append(command).append(key).append(" 1\n");
    }
    for (const char *command : {"string *", "set-string * Up", "set-string * Down", "list *"})
        s.append(replace_first(command, "*", PICTURE_PIP_CHANNEL_KEY)).append("\n");
    s.append("key XF86Info\nhelp menu/picture/reset\ninfo provider/owner\n"
             "info provider/main-component\nsim force avoc_get_picture_mode 1\n"
             "list menu/picture/picture-options/color-tone\nsim force vconf_get_int -1\n"
             "get menu/picture/pip/pipsize\nsim force TVServiceAPI::CreateServiceNavigation -1\n");
    s.append(replace_first("set-string * Up", "*", PICTURE_PIP_CHANNEL_KEY));
    s.append("\nsim reset\nmenu\n");
    return s;
}

class Recorder : public host_test::HostTest {
protected:
    path recording() const { return dir_ / "session.rec"; }

    // Runs picture-menu with the environment `env` before it.
    Result menu(const std::string &env, const std::string &args, const std::string &input) const
    {
        write_file(dir_ / "input", input);
        return host_test::run_command(env + " " + HOST_PROGRAM + " " + args + " < " +
                                      (dir_ / "input").string() + " 2>&1");
    }

    void record(const std::string &session = whole_session()) const
    {
        Result r = run("--record " + recording().string() + " shell", session);
        ASSERT_TRUE(r.exit == 0 || r.exit == 1) << r.output;  // some requests fail, as meant
    }

    // The line number of the first recording line that starts with `text`.
    int line_of(const std::string &text) const
    {
        std::ifstream in(recording());
        int n = 1;
        for (std::string line; std::getline(in, line); n++)
            if (line.rfind(text, 0) == 0)
                return n;
        return 0;
    }
};

struct ReplayCase {
    const char *name;
    const char *state;  // sim commands that change the stand-in's defaults
};

class RecorderReplay : public Recorder, public ::testing::WithParamInterface<ReplayCase> {};

// The answers come from the recording, so the stand-in's own state does not
// matter.
TEST_P(RecorderReplay, MatchesTheSameProvider)
{
    record();
    write_file(dir_ / "state", GetParam().state);
    Result r = run("--state " + (dir_ / "state").string() + " replay " + recording().string(), "");
    EXPECT_EQ(r.exit, 0) << r.output.substr(0, 2000);
    EXPECT_NE(r.output.find("match"), std::string::npos) << r.output.substr(0, 2000);
}

const ReplayCase kReplayCases[] = {
    {"Defaults", ""},
    {"ChangedDefaults",
     "sim avoc film_mode 2\nsim avoc gamma 3\nsim picture-mode 0x20005\n"
     "sim sysinfo 303 1\nsim tv pip-channel 2\nsim channels clear\n"
     "sim vconf-int db/menu/picture/pip/pipsize 2\nsim app org.tizen.video-player visible\n"},
};

INSTANTIATE_TEST_SUITE_P(Recorder, RecorderReplay, ::testing::ValuesIn(kReplayCases),
                         [](const auto &p) { return std::string(p.param.name); });

// A provider built with the film mode's value table changed: the first set
// of film mode writes another value, and replay says where.
TEST_F(Recorder, ReportsTheFirstDivergenceOfAChangedProviderAtItsCall)
{
    record(std::string("get ") + kFilmMode + "\nset " + kFilmMode + " 1\nget " + kFilmMode +
           "\nlabel " + kFilmMode + "\n");
    Result r = run("replay " + recording().string() + " --provider " + CHANGED_PROVIDER, "");
    EXPECT_EQ(r.exit, 1);
    int line = line_of("call: avoc_set_film_mode(0, 1, 1)");
    ASSERT_GT(line, 0);
    EXPECT_NE(r.output.find(recording().string() + ":" + std::to_string(line) +
                            ": request 3: set_int \"" + kFilmMode + "\" 1\n" +
                            "  expected call: avoc_set_film_mode(0, 1, 1)\n" +
                            "  actual call:   avoc_set_film_mode(0, 2, 1)\n"),
              std::string::npos)
        << r.output;
    EXPECT_NE(r.output.find("  log: "), std::string::npos) << "the request's log lines";
    EXPECT_NE(r.output.find(": 1 divergence\n"), std::string::npos) << r.output;

    // --continue goes on to the read back, whose answer differs too.
    Result all =
        run("replay " + recording().string() + " --continue --provider " + CHANGED_PROVIDER, "");
    EXPECT_EQ(all.exit, 1);
    EXPECT_NE(all.output.find("  expected answer: 0 1\n  actual answer:   0 2\n"),
              std::string::npos)
        << all.output;
    EXPECT_NE(all.output.find(": 2 divergences\n"), std::string::npos) << all.output;
}

struct SafetyCase {
    const char *name;
    const char *env;
    const char *file;  // the recording's path below the test's folder, or an absolute one
    const char *log;   // the recorder's one log line, if any
    long long limit;   // the size each file must keep to; 0 for none
};

class RecorderSafety : public Recorder, public ::testing::WithParamInterface<SafetyCase> {};

// Recording or not, the host gets the same answers and the platform the same
// calls; the file keeps to its limit, and a file that cannot be written
// leaves the menu working with one log line.
TEST_P(RecorderSafety, AnswersAndCallsAsWithoutRecording)
{
    const SafetyCase &c = GetParam();
    std::string file = c.file[0] == '/' ? c.file : (dir_ / c.file).string();
    std::string session = whole_session();
    Result plain = menu("", "--trace shell", session);
    Result recorded = menu(c.env, "--trace --record " + file + " shell", session);
    EXPECT_EQ(recorded.exit, plain.exit);
    EXPECT_TRUE(recorded.output == plain.output) << "the transcripts differ";
    for (const std::string &f : {file, file + ".1"}) {
        if (c.limit > 0 && host_test::fs::exists(f)) {
            EXPECT_LE(static_cast<long long>(host_test::fs::file_size(f)), c.limit) << f;
        }
    }

    Result logged = menu(c.env, "--log --record " + file + " get " + kFilmMode, "");
    EXPECT_EQ(logged.exit, 0);
    std::size_t at = logged.output.find("picture-recorder");
    EXPECT_EQ(at != std::string::npos, c.log[0] != '\0') << logged.output;
    if (c.log[0] != '\0') {
        EXPECT_NE(logged.output.find(c.log), std::string::npos) << logged.output;
        EXPECT_EQ(logged.output.find("picture-recorder", at + 1), std::string::npos)
            << "one line only";
    }
}

const SafetyCase kSafetyCases[] = {
    {"Unlimited", "", "session.rec", "", 0},
    {"StopsAtItsLimit", "PICTURE_RECORDER_LIMIT=300", "session.rec",
     "reached its limit of 300 bytes", 300},
    {"RotatesAtItsLimit", "PICTURE_RECORDER_LIMIT=4000 PICTURE_RECORDER_WHEN_FULL=rotate",
     "session.rec", "", 4000},
    {"UnwritablePath", "", "/proc/no-such-folder/session.rec", "recording off: cannot write", 0},
};

INSTANTIATE_TEST_SUITE_P(Recorder, RecorderSafety, ::testing::ValuesIn(kSafetyCases),
                         [](const auto &p) { return std::string(p.param.name); });

struct BadCase {
    const char *name;
    std::function<std::string(const std::string &)> edit;  // of a good recording
    const char *at;  // a text of the line that is named; empty for the last line
    const char *message;
};

class RecorderRefuses : public Recorder, public ::testing::WithParamInterface<BadCase> {};

TEST_P(RecorderRefuses, ABadRecordingWithItsFileAndLine)
{
    record(std::string("get ") + kFilmMode + "\nlist menu/picture/picture-options/color-tone\n");
    std::string good = read_file(recording());
    std::string bad = GetParam().edit(good);
    ASSERT_NE(bad, good);
    write_file(recording(), bad);
    int line = 0;
    std::istringstream in(bad);
    for (std::string text; std::getline(in, text);)
        if (++line > 0 && *GetParam().at && text.find(GetParam().at) != std::string::npos)
            break;
    Result r = run("replay " + recording().string(), "");
    EXPECT_EQ(r.exit, 2);
    EXPECT_NE(r.output.find(recording().string() + ":" + std::to_string(line) + ": " +
                            GetParam().message),
              std::string::npos)
        << r.output;
}

const BadCase kBadCases[] = {
    {"Truncated", [](const std::string &s) { return s.substr(0, s.rfind("answer:")); }, "",
     "truncated: request"},
    {"WrongVersion",
     [](const std::string &s) {
         return replace_first(s, "picture-recording 1", "picture-recording 2");
     },
     "picture-recording", "recording format 2, this picture-menu reads version 1"},
    {"Empty", [](const std::string &) { return std::string("\n"); }, "\n", "not a recording"},
    {"EditedCall",
     [](const std::string &s) {
         return replace_first(s, "avoc_get_picture_mode(0, out, 1)",
                              "avoc_get_picture_mode(0, out, 1");
     },
     "out, 1 =", "unterminated platform call"},
    {"RenumberedRequest",
     [](const std::string &s) { return replace_first(s, "request 2: ", "request 7: "); },
     "request 7", "request 7 where request 2 was due"},
    {"NumberBeyondAnInt",
     [](const std::string &s) {
         return replace_first(s, "answer: 0 0\n", "answer: 0 99999999999\n");
     },
     "99999999999", "not a fitting value: 99999999999"},
    {"AnswerWithAWord",
     [](const std::string &s) { return replace_first(s, "answer: 0 0\n", "answer: 0 zero\n"); },
     "zero", "not a fitting value: zero"},
    {"StrayLine",
     [](const std::string &s) { return replace_first(s, "\nlog: ", "\nhello\nlog: "); }, "hello",
     "not a line of a recording: hello"},
};

INSTANTIATE_TEST_SUITE_P(Recorder, RecorderRefuses, ::testing::ValuesIn(kBadCases),
                         [](const auto &p) { return std::string(p.param.name); });

}  // namespace
