// The interactive shell on a pseudo-terminal, typed at as a person types:
// completion, Ctrl-C and the history kept between sessions.
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "host_fixture.h"

namespace {

using namespace host_test;

// Only a guard against a hang; nothing is checked against time.
constexpr int kPatienceMs = 20000;

class Terminal {
public:
    // Starts picture-menu with `args` on a new pseudo-terminal.
    Terminal(const fs::path &state_home, std::vector<std::string> args)
    {
        args.insert(args.begin(), HOST_PROGRAM);
        std::vector<char *> argv;
        for (std::string &a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        pid_ = forkpty(&fd_, nullptr, nullptr, nullptr);
        if (pid_ == 0) {
            setenv("XDG_STATE_HOME", state_home.c_str(), 1);
            setenv("TERM", "dumb", 1);
            execv(HOST_PROGRAM, argv.data());
            _exit(127);
        }
    }
    ~Terminal()
    {
        if (pid_ > 0 && exit_ < 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (fd_ >= 0)
            close(fd_);
    }

    bool started() const { return pid_ > 0; }

    void type(const std::string &keys) const
    {
        ASSERT_EQ(write(fd_, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
    }

    // Reads until `text` has come out after what earlier waits consumed;
    // false if the program stops or goes quiet first.
    bool wait_for(const std::string &text)
    {
        for (;;) {
            std::size_t at = seen_.find(text, consumed_);
            if (at != std::string::npos) {
                consumed_ = at + text.size();
                return true;
            }
            pollfd p{fd_, POLLIN, 0};
            if (poll(&p, 1, kPatienceMs) <= 0)
                return false;
            char buffer[4096];
            ssize_t n = read(fd_, buffer, sizeof buffer);
            if (n <= 0)
                return false;
            for (ssize_t i = 0; i < n; ++i)
                if (buffer[i] != '\r')
                    seen_ += buffer[i];
        }
    }

    // Everything read so far.
    const std::string &seen() const { return seen_; }

    int wait_exit()
    {
        while (wait_for("\x01never\x01")) {
        }  // drain until the program closes the terminal
        int status = 0;
        waitpid(pid_, &status, 0);
        exit_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return exit_;
    }

private:
    pid_t pid_ = -1;
    int fd_ = -1;
    int exit_ = -1;
    std::string seen_;
    std::size_t consumed_ = 0;
};

class Shell : public HostTest {};

TEST_F(Shell, TabCompletesKeysUnderTheTypedPrefix)
{
    Terminal t(dir_, {"shell"});
    ASSERT_TRUE(t.started());
    ASSERT_TRUE(t.wait_for("picture> "));
    // One key under the prefix: completed in place.
    t.type("get menu/picture/advanced-settings/ga\t\n");
    ASSERT_TRUE(t.wait_for("key: menu/picture/advanced-settings/gamma\nvalue: 0\nstatus: 0\n"))
        << t.seen();
    // Several: a second TAB lists them, and nothing outside the prefix.
    ASSERT_TRUE(t.wait_for("picture> "));
    t.type("list menu/picture/picture-options/auto-motion-plus/\t\t");
    ASSERT_TRUE(t.wait_for("led-clear-motion")) << t.seen();
    // The listing ends where readline shows the line again; read up to there
    // so that no leaf is still in flight.
    ASSERT_TRUE(t.wait_for("picture> list menu/picture/picture-options/auto-motion-plus/"))
        << t.seen();
    for (const char *leaf : {"mode", "blur-reduction", "judder-reduction"})
        EXPECT_NE(t.seen().find(leaf), std::string::npos) << leaf;
    EXPECT_EQ(t.seen().find("film-mode"), std::string::npos) << t.seen();
    // Commands and sim words complete too.
    t.type("\x15sim for\t avoc_get_fil\t 1\n");
    ASSERT_TRUE(t.wait_for("status: 0\n")) << t.seen();
    t.type("sim show --changed\n");
    EXPECT_TRUE(t.wait_for("force avoc_get_film_mode  1")) << t.seen();
    t.type("quit\n");
    EXPECT_EQ(t.wait_exit(), 0);
}

// Ctrl-C drops the line being typed; the session, its state and the history
// carry on.
TEST_F(Shell, CtrlCCancelsTheLineAndKeepsTheSession)
{
    fs::path state = dir_ / "tv.txt";
    {
        Terminal t(dir_, {"--state", state.string(), "shell"});
        ASSERT_TRUE(t.wait_for("picture> "));
        t.type("sim sysinfo 253 12\n");
        ASSERT_TRUE(t.wait_for("status: 0\n"));
        t.type("sim avoc film_mode 2");
        ASSERT_TRUE(t.wait_for("film_mode 2"));
        t.type("\x03");
        ASSERT_TRUE(t.wait_for("picture> ")) << t.seen();
        t.type("info provider/owner\n");
        ASSERT_TRUE(t.wait_for("text: pelrond7.vask\n")) << t.seen();
        t.type("quit\n");
        EXPECT_EQ(t.wait_exit(), 0) << t.seen();
    }
    std::string saved = read_file(state);
    EXPECT_NE(saved.find("\nsim sysinfo 253 12\n"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("film_mode"), std::string::npos) << saved;

    std::string history = read_file(dir_ / "picture-menu" / "history");
    EXPECT_NE(history.find("info provider/owner\n"), std::string::npos) << history;
    EXPECT_EQ(history.find("film_mode"), std::string::npos) << history;

    // The next session starts with that history: the up arrow brings it back.
    Terminal next(dir_, {"shell"});
    ASSERT_TRUE(next.wait_for("picture> "));
    next.type("\x10\x10\n");  // Ctrl-P twice: the line before "quit"
    EXPECT_TRUE(next.wait_for("text: pelrond7.vask\n")) << next.seen();
    next.type("quit\n");
    EXPECT_EQ(next.wait_exit(), 0);
}

}  // namespace
