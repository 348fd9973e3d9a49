// The state file of --state: what reaches it, what never does, and that
// nothing in it is lost.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "host_fixture.h"
#include "picture_keys.h"

namespace {

using namespace host_test;

// Reading the simulated TV never writes the file: after every read-only
// command on every key it is the same file (inode and time), hand-written
// spelling and all, and a file in a read-only folder can be read.
TEST_F(HostTest, ReadOnlyCommandsNeverWriteTheStateFile)
{
    fs::path state = dir_ / "tv.txt";
    std::string at = "--state " + state.string() + " ";
    write_file(state, "# by hand\nsim picture-mode 0x20005\n  sim avoc film_mode 2   \n");
    const std::string before = read_file(state);
    struct stat was {};
    ASSERT_EQ(stat(state.c_str(), &was), 0);
    std::string script = "menu\nsim show\ninfo provider/owner\n";
    for (const char *key : picture_setting_keys)
        for (const char *command : {"get", "list", "label", "help"})
            script += std::string(command) + " " + key + "\n";
    for (const char *command : {"string", "list", "label"})
        script += std::string(command) + " " + PICTURE_PIP_CHANNEL_KEY + "\n";
    // A preview is never saved, and a value changed back is no change.
    script += "preview menu/picture/picture-options/film-mode 1\n"
              "set menu/picture/picture-options/film-mode 0\n"
              "set menu/picture/picture-options/film-mode 2\n";

    run(at + "shell", script);
    // A folder no one may write in; root reads it as nobody.
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                              fs::perms::others_exec);
    if (geteuid() == 0 && fs::exists("/usr/bin/setpriv"))
        wrapper_ = "exec /usr/bin/setpriv --reuid=65534 --regid=65534 --clear-groups";
    for (const char *command :
         {"menu", "--json menu", "get menu/picture/picture-options/film-mode"})
        EXPECT_EQ(run(at + command).exit, 0) << command;
    wrapper_.clear();
    fs::permissions(dir_, fs::perms::owner_all);
    struct stat now {};
    ASSERT_EQ(stat(state.c_str(), &now), 0);
    EXPECT_EQ(read_file(state), before);
    EXPECT_EQ(now.st_ino, was.st_ino);
    EXPECT_EQ(now.st_mtim.tv_sec, was.st_mtim.tv_sec);
    EXPECT_EQ(now.st_mtim.tv_nsec, was.st_mtim.tv_nsec);
    EXPECT_EQ(entries(), 2u) << "nothing left beside it";
}

// ---- where the file is -------------------------------------------------------

struct LinkCase {
    const char *name;
    std::vector<std::pair<const char *, const char *>> links;  // link, what it points to
    bool target_exists;
};

// The run is given "tv"; the file behind the links is always "real.txt".
const LinkCase kLinks[] = {
    {"LinkToFile", {{"tv", "real.txt"}}, true},
    {"AbsoluteLink", {{"tv", ""}}, true},  // "" stands for real.txt's absolute path
    {"ChainThroughAnotherDirectory", {{"tv", "sub/hop"}, {"sub/hop", "../real.txt"}}, true},
    {"DanglingLinkCreatesItsTarget", {{"tv", "real.txt"}}, false},
};

void PrintTo(const LinkCase &c, std::ostream *os)
{
    *os << c.name;
}

class SymlinkedState : public HostTest, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(SymlinkedState, IsWrittenThroughWithItsModeAndTheLinksStay)
{
    const LinkCase &c = GetParam();
    fs::path real = dir_ / "real.txt";
    fs::create_directory(dir_ / "sub");
    if (c.target_exists) {
        write_file(real, "sim vconf-int db/old 1\n");
        fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
    }
    for (const auto &[link, to] : c.links)
        fs::create_symlink(*to ? fs::path(to) : real, dir_ / link);

    Result r = run("--state " + (dir_ / "tv").string() + " sim vconf-int db/new 2");
    ASSERT_EQ(r.exit, 0) << r.output;
    for (const auto &[link, to] : c.links) {
        ASSERT_TRUE(fs::is_symlink(dir_ / link)) << link;
        EXPECT_EQ(fs::read_symlink(dir_ / link), *to ? fs::path(to) : real) << link;
    }
    std::string saved = read_file(real);
    EXPECT_NE(saved.find("\nsim vconf-int db/new 2\n"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("db/old") != std::string::npos, c.target_exists) << saved;
    if (c.target_exists) {
        EXPECT_EQ(fs::status(real).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    }
    auto all = std::distance(fs::recursive_directory_iterator(dir_), {});
    EXPECT_EQ(all, 3 + c.links.size()) << "input, sub, real.txt and the links, no temporary";
}

INSTANTIATE_TEST_SUITE_P(Host, SymlinkedState, ::testing::ValuesIn(kLinks),
                         [](const auto &p) { return std::string(p.param.name); });

TEST_F(HostTest, StateFileKeepsItsMode)
{
    fs::path state = dir_ / "tv.txt";
    for (fs::perms mode : {fs::perms(0600), fs::perms(0640), fs::perms(0604), fs::perms(0664)}) {
        write_file(state, "");
        fs::permissions(state, mode);
        ASSERT_EQ(run("--state " + state.string() + " sim vconf-int db/x 1").exit, 0);
        EXPECT_EQ(fs::status(state).permissions(), mode) << std::oct << static_cast<int>(mode);
    }
}

struct PlaceCase {
    const char *name;
    void (*make)(const fs::path &dir);  // makes what "tv" names
    const char *message;                // after "picture-menu: DIR/PATH: "
    bool needs_a_user;                  // root passes the permission check
    const char *path = "tv";            // PATH, the state file given below DIR
};

const PlaceCase kPlaces[] = {
    {"Directory", [](const fs::path &d) { fs::create_directory(d / "tv"); }, "not a regular file",
     false},
    {"Fifo", [](const fs::path &d) { ASSERT_EQ(mkfifo((d / "tv").c_str(), 0600), 0); },
     "not a regular file", false},
    {"DeviceNode",
     [](const fs::path &d) {
         // A null device of our own: a mistake must not replace the system's.
         if (mknod((d / "tv").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
             GTEST_SKIP() << "cannot make a device node here";
     },
     "not a regular file", false},
    {"LinkToFifo",
     [](const fs::path &d) {
         ASSERT_EQ(mkfifo((d / "fifo").c_str(), 0600), 0);
         fs::create_symlink("fifo", d / "tv");
     },
     "not a regular file", false},
    {"ThroughAFile", [](const fs::path &d) { write_file(d / "file", ""); },
     "cannot read the state file: Not a directory", false, "file/tv"},
    {"InAMissingDirectory", [](const fs::path &) {},
     "cannot create the state file: No such file or directory", false, "none/tv"},
    {"InAnUnsearchableDirectory",
     [](const fs::path &d) {
         fs::create_directory(d / "locked");
         write_file(d / "locked/tv", "sim vconf-int db/kept 1\n");
         fs::permissions(d / "locked", fs::perms::none);
     },
     "cannot read the state file: Permission denied", true, "locked/tv"},
    {"Unreadable",
     [](const fs::path &d) {
         write_file(d / "tv", "sim vconf-int db/kept 1\n");
         fs::permissions(d / "tv", fs::perms::none);
     },
     "cannot read the state file: Permission denied", true},
};

void PrintTo(const PlaceCase &c, std::ostream *os)
{
    *os << c.name;
}

class UnusableState : public HostTest, public ::testing::WithParamInterface<PlaceCase> {};

// Refused before the command runs, with nothing touched.
TEST_P(UnusableState, StopsWithExitTwoBeforeRunning)
{
    const PlaceCase &c = GetParam();
    c.make(dir_);
    if (IsSkipped() || HasFatalFailure())
        return;
    if (c.needs_a_user && geteuid() == 0) {
        // Root reads anything; the program runs as nobody to meet the check.
        if (!fs::exists("/usr/bin/setpriv"))
            GTEST_SKIP() << "as root without setpriv no permission is ever refused";
        wrapper_ = "exec /usr/bin/setpriv --reuid=65534 --regid=65534 --clear-groups";
    }
    const fs::file_status before = fs::symlink_status(dir_ / "tv");
    std::string path = (dir_ / c.path).string();

    Result r = run("--state " + path + " sim vconf-int db/x 1");
    fs::permissions(dir_, fs::perms::owner_all);  // let the checks and the clean-up in
    if (fs::exists(dir_ / "locked"))
        fs::permissions(dir_ / "locked", fs::perms::owner_all);
    EXPECT_EQ(r.exit, 2);
    EXPECT_EQ(r.output, "picture-menu: " + path + ": " + c.message + "\n");
    EXPECT_EQ(fs::symlink_status(dir_ / "tv").type(), before.type());
    if (fs::is_regular_file(path)) {
        EXPECT_EQ(read_file(path), "sim vconf-int db/kept 1\n");
    }
}

INSTANTIATE_TEST_SUITE_P(Host, UnusableState, ::testing::ValuesIn(kPlaces),
                         [](const auto &p) { return std::string(p.param.name); });

// ---- what is in it -----------------------------------------------------------

// Texts with line breaks and other control characters are saved on one line
// each and read back as they were.
TEST_F(HostTest, TextsWithControlCharactersRoundTrip)
{
    fs::path state = dir_ / "tv.txt";
    std::string at = "--state " + state.string() + " ";
    const std::string text =
        R"x("$(printf 'two\nlines\ttab\rcr\001\177 "quoted" back\\slash #')")x";
    for (const std::string &command :
         {"sim vconf-str db/menu_widget/language " + text, "sim vconf-str " + text + " x",
          "sim app " + text + " visible", std::string("sim channels clear"),
          "sim channel " + text + " 12=1 13=5",
          std::string("sim vconf-str db/leading \"  # not a comment\"")})
        ASSERT_EQ(run(at + command).exit, 0) << command;
    const std::string saved = read_file(state);
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 7) << saved;

    Result again = run(at + "--json sim show");
    ASSERT_EQ(again.exit, 0) << again.output;
    EXPECT_EQ(read_file(state), saved) << "read back as it was, so written as it was";
    EXPECT_NE(
        again.output.find(R"(two\\nlines\\ttab\\rcr\\x01\\x7f \\\"quoted\\\" back\\\\slash #)"),
        std::string::npos)
        << again.output;
}

// ---- how it is written -------------------------------------------------------

TEST_F(HostTest, TwoWritersAtOnceLoseNothing)
{
    fs::path state = dir_ / "tv.txt";
    std::string loop = "for i in $(seq 200); do " + std::string(HOST_PROGRAM) +
                       " --wait 600 --state " + state.string() +
                       " sim vconf-int db/WRITER$i $i 2>&1 >/dev/null | grep -v ': waiting for ' ||"
                       " true; done";
    auto writer = [&](const char *name) {
        std::string l = loop;
        return l.replace(l.find("WRITER"), 6, name);
    };
    Result r = run_command("(" + writer("a") + ") & (" + writer("b") + "); wait");
    EXPECT_EQ(r.output, "");
    std::string saved = read_file(state);
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 401) << saved;
    for (const char *name : {"a", "b"})
        for (int i : {1, 100, 200})
            EXPECT_NE(saved.find("db/" + std::string(name) + std::to_string(i) + " "),
                      std::string::npos);
    EXPECT_EQ(entries(), 1u) << "no temporary file left";
}

// A run that finds the file held waits for it at most --wait seconds, says
// for whom, and then gives up with exit 2, changing nothing.
TEST_F(HostTest, AHeldStateFileIsWaitedForWithinABoundAndNamesItsHolder)
{
    fs::path state = dir_ / "tv.txt";
    write_file(state, "sim avoc film_mode 2\n");
    int fd = open(state.c_str(), O_RDONLY | O_CLOEXEC);
    bool locked = fd >= 0 && flock(fd, LOCK_EX) == 0;
    if (!locked && fd >= 0)
        close(fd);
    ASSERT_TRUE(locked) << std::strerror(errno);
    const std::string holder = "process " + std::to_string(getpid());
    for (const char *wait : {"--wait 0", "--wait=1"}) {
        SCOPED_TRACE(wait);
        std::string errors;
        Result r = run_apart(std::string(wait) + " --state " + state.string() +
                                 " set menu/picture/advanced-settings/gamma 2",
                             "", &errors);
        EXPECT_EQ(r.exit, 2);
        EXPECT_EQ(r.output, "");
        EXPECT_NE(errors.find(state.string() + ": in use by " + holder), std::string::npos)
            << errors;
        EXPECT_EQ(errors.find("waiting for " + holder) != std::string::npos,
                  std::string(wait) != "--wait 0")
            << errors;
    }
    close(fd);
    EXPECT_EQ(read_file(state), "sim avoc film_mode 2\n");
    EXPECT_EQ(run("--wait -1 get x").exit, 2);
}

// A write the file system cuts short (here at the file size limit) names its
// cause and leaves the old file whole.
TEST_F(HostTest, ShortWriteNamesTheCauseAndKeepsTheOldFile)
{
    fs::path state = dir_ / "tv.txt";
    write_file(state, "sim vconf-int db/old 1\n");
    std::string script;
    for (int i = 0; i < 100; ++i)
        script += "sim vconf-int db/key" + std::to_string(i) + " " + std::to_string(i) + "\n";
    wrapper_ = "ulimit -f 1; trap '' XFSZ; exec";  // 512 bytes at most, then EFBIG

    std::string errors;
    Result r = run_apart("--state " + state.string() + " shell", script, &errors, ">/dev/null");
    EXPECT_EQ(r.exit, 3);
    EXPECT_EQ(errors, "picture-menu: " + state.string() +
                          ": cannot write the state: " + std::strerror(EFBIG) + "\n");
    EXPECT_EQ(read_file(state), "sim vconf-int db/old 1\n");
    EXPECT_EQ(entries(), 2u) << "no temporary file left";
}

// A run that refuses its command leaves no file where there was none.
TEST_F(HostTest, RefusedRunCreatesNoStateFile)
{
    Result r = run("--state " + (dir_ / "tv.txt").string() + " frob");
    EXPECT_EQ(r.exit, 2);
    EXPECT_EQ(entries(), 1u);
}

}  // namespace
