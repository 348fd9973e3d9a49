// The recording provider and replay, end to end, over a session of every
// operation on every key: replay whatever the stand-in's state, and the same
// answers and calls with recording on. Divergences, refusals and the file's
// lines are in scenarios/replay.txt and scenarios/recording.txt.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "host_fixture.h"
#include "picture_keys.h"

namespace {

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
    // A write past the process's file size limit would end it with SIGXFSZ.
    {"ProcessFileSizeLimit", "ulimit -f 1;", "session.rec", "reached its limit of", 1024},
    {"SizeSuffix", "PICTURE_RECORDER_LIMIT=1k", "session.rec", "reached its limit of 1024 bytes",
     1024},
    {"UnknownWhenFull", "PICTURE_RECORDER_WHEN_FULL=rotat", "session.rec",
     "setting refused: when-full = rotat (takes stop or rotate)", 0},
};

INSTANTIATE_TEST_SUITE_P(Recorder, RecorderSafety, ::testing::ValuesIn(kSafetyCases),
                         [](const auto &p) { return std::string(p.param.name); });

// Each file of a rotating recording starts with the header and a request,
// ends with an end line, and replays on its own.
TEST_F(Recorder, RotatedFilesReplayEachOnItsOwn)
{
    std::string file = recording().string();
    Result r = menu("PICTURE_RECORDER_LIMIT=16K PICTURE_RECORDER_WHEN_FULL=rotate",
                    "--record " + file + " shell", whole_session());
    ASSERT_TRUE(r.exit == 0 || r.exit == 1) << r.output.substr(0, 2000);
    for (const std::string &f : {file + ".1", file}) {
        std::ifstream in(f);
        std::string first, last;
        std::getline(in, first);
        for (std::string line; std::getline(in, line);)
            last = line;
        EXPECT_EQ(first, "picture-recording 1") << f;
        EXPECT_TRUE(last == "end: full" || last == "end: exit") << f << ": " << last;
        Result replayed = run("replay " + f, "");
        EXPECT_EQ(replayed.exit, 0) << f << "\n" << replayed.output.substr(0, 2000);
    }
}

// A recording cut after any line of a request, or within its last line,
// replays the requests before it and stops there with exit status 4; cut
// after the answer it is whole.
TEST_F(Recorder, CutAtEveryLineOfARequest)
{
    record("get menu/picture/picture-options/film-mode\n"
           "list menu/picture/picture-options/color-tone\n");
    std::ifstream in(recording());
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line + "\n");
    auto first = std::find_if(lines.begin(), lines.end(),
                              [](const std::string &l) { return l.rfind("request 3 ", 0) == 0; });
    ASSERT_NE(first, lines.end());
    auto answer = std::find_if(first, lines.end(),
                               [](const std::string &l) { return l.rfind("answer:", 0) == 0; });
    ASSERT_NE(answer, lines.end());
    std::string before;
    for (auto it = lines.begin(); it != first; ++it)
        before += *it;
    for (auto it = first; it <= answer; ++it) {
        for (std::size_t keep : {std::size_t{0}, it->size() - 1, it->size()}) {
            std::string cut = before + it->substr(0, keep);
            write_file(dir_ / "cut.rec", cut);
            Result r = run("replay " + (dir_ / "cut.rec").string(), "");
            // Cut before request 3 or after its answer, the recording is whole.
            bool before_it = it == first && keep == 0;
            bool after_it = it == answer && keep == it->size();
            SCOPED_TRACE(cut.substr(cut.size() > 200 ? cut.size() - 200 : 0));
            EXPECT_EQ(r.exit, before_it || after_it ? 0 : 4) << r.output;
            EXPECT_NE(r.output.find(after_it ? "3 requests" : "2 requests"), std::string::npos)
                << r.output;
            EXPECT_EQ(r.output.find("request 3 has no answer") != std::string::npos,
                      !before_it && !after_it)
                << r.output;
        }
        before += *it;
    }
}

}  // namespace
