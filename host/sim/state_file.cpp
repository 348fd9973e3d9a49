// Locking, reading and replacing the state file.
#include "state_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <utility>
#include <vector>

#include "sim_commands.h"
#include "words.h"

namespace host {
namespace {

constexpr int kMaxLinks = 40;  // the kernel's own limit on a path's links

std::string directory_of(const std::string &path)
{
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

// The file that `path` names once its symbolic links are followed; a
// dangling link names the file it points to, which the save creates.
std::string follow_links(std::string path)
{
    for (int hops = 0; hops < kMaxLinks; ++hops) {
        struct stat st {};
        if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;  // open() reports what is wrong with it
        std::vector<char> link(static_cast<std::size_t>(st.st_size) + PATH_MAX);
        ssize_t n = readlink(path.c_str(), link.data(), link.size() - 1);
        if (n <= 0)
            return path;
        std::string to = link[0] == '/' ? "" : directory_of(path);
        path = to.append(link.data(), static_cast<std::size_t>(n));
    }
    throw BadInput(path + ": too many levels of symbolic links");
}

bool same_file(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Who holds the lock on the file `st` describes, from the kernel's list of
// locks: "process 1234 (picture-menu serve)", or "another run" when it is gone.
std::string holder_of(const struct stat &st)
{
    std::ifstream locks("/proc/locks");
    std::string line;
    while (std::getline(locks, line)) {
        std::istringstream fields(line);
        std::string number, kind, advisory, mode, device;
        long pid = 0;
        // A waiter's line has "->" after the number.
        if (!(fields >> number >> kind >> advisory >> mode >> pid >> device) || kind != "FLOCK")
            continue;
        std::size_t colon = device.rfind(':');
        if (colon == std::string::npos || device.substr(colon + 1) != std::to_string(st.st_ino))
            continue;
        std::ifstream cmdline("/proc/" + std::to_string(pid) + "/cmdline");
        std::string command, word;
        while (std::getline(cmdline, word, '\0'))
            command += (command.empty() ? word.substr(word.rfind('/') + 1) : " " + word);
        return "process " + std::to_string(pid) +
               (command.empty() ? "" : " (" + shown(command) + ")");
    }
    return "another run";
}

// Tries the lock until `deadline`, saying once that it waits and for whom.
bool lock_before(int fd, const struct stat &st, const std::string &path, int wait_seconds,
                 std::chrono::steady_clock::time_point deadline, bool *told)
{
    for (;;) {
        if (flock(fd, LOCK_EX | LOCK_NB) == 0)
            return true;
        if (errno != EWOULDBLOCK && errno != EINTR)
            throw BadInput(path + ": cannot lock the state file: " + std::strerror(errno));
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        if (!*told)
            std::fprintf(stderr, "picture-menu: %s: waiting for %s, at most %d s\n", path.c_str(),
                         holder_of(st).c_str(), wait_seconds);
        *told = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

bool is_blank_or_comment(const std::string &line)
{
    std::size_t first = line.find_first_not_of(" \t\r");
    return first == std::string::npos || line[first] == '#';
}

std::string state_text()
{
    std::string text = "# The simulated TV: sim commands that change its defaults.\n";
    for (const std::string &line : dump_state())
        text += line + "\n";
    return text;
}

// Writes all of `text`; false with errno set, or 0 when the file took no more.
bool write_all(int fd, const std::string &text)
{
    for (std::size_t done = 0; done < text.size();) {
        ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = 0;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

StateFile::StateFile(const std::string &path, int wait_seconds) : path_(path)
{
    open_and_lock(wait_seconds);
}

StateFile::~StateFile()
{
    // An empty file made only to hold the lock goes again, unless another
    // run has replaced it meanwhile.
    struct stat held {};
    struct stat now {};
    if (created_ && fstat(fd_, &held) == 0 && stat(target_.c_str(), &now) == 0 &&
        same_file(held, now))
        unlink(target_.c_str());
    close(fd_);
}

// A save renames a new file over the old one, so the lock taken on the old
// one may come too late: it is taken again until it is on the file in place.
void StateFile::open_and_lock(int wait_seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(wait_seconds);
    bool told = false;
    for (;;) {
        target_ = follow_links(path_);
        struct stat st {};
        if (stat(target_.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
            throw BadInput(path_ + ": not a regular file");
        created_ = false;
        // Non-blocking, in case a FIFO took the file's place since.
        fd_ = open(target_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd_ < 0 && errno == ENOENT) {
            fd_ = open(target_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            created_ = fd_ >= 0;
            if (fd_ < 0 && errno == EEXIST)
                continue;  // another run made it first
            if (fd_ < 0)
                throw BadInput(path_ + ": cannot create the state file: " + std::strerror(errno));
        }
        if (fd_ < 0)
            throw BadInput(path_ + ": cannot read the state file: " + std::strerror(errno));
        if (fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
            close(fd_);
            throw BadInput(path_ + ": not a regular file");
        }
        try {
            if (!lock_before(fd_, st, path_, wait_seconds, deadline, &told))
                throw BadInput(path_ + ": in use by " + holder_of(st) + " for more than " +
                               std::to_string(wait_seconds) + " s (--wait SECONDS waits longer)");
        } catch (const BadInput &) {
            close(fd_);
            throw;
        }
        struct stat now {};
        if (stat(target_.c_str(), &now) == 0 && same_file(st, now))
            return;
        close(fd_);  // replaced or removed while we waited
    }
}

void StateFile::load()
{
    std::string text;
    char buffer[65536];
    for (;;) {
        ssize_t n = read(fd_, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw BadInput(path_ + ": cannot read the state file: " + std::strerror(errno));
        if (n == 0)
            break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    std::istringstream in(text);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (is_blank_or_comment(line))
            continue;
        try {
            std::vector<std::string> words = split_words(line);
            if (words[0] != "sim")
                throw BadInput("not a sim command: " + shown(line));
            apply_sim(std::vector<std::string>(words.begin() + 1, words.end()));
        } catch (const BadInput &e) {
            throw BadInput(path_ + ":" + std::to_string(number) + ": " + e.what());
        }
    }
    saved_ = state_text();
}

// The new file is locked before the rename shows it, so a run waiting on the
// old one finds it replaced and waits again on the new one.
void StateFile::save()
{
    std::string text = state_text();
    if (text == saved_)
        return;
    std::string temp = target_ + ".XXXXXX";
    int fd = mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        throw std::runtime_error(
            path_ + ": cannot write the state: no file beside it: " + std::strerror(errno));
    struct stat was {};
    std::string cause;  // empty while all goes well
    auto failed = [&cause](const char *fallback) {
        if (cause.empty())
            cause = errno ? std::strerror(errno) : fallback;
    };
    // Root keeps the owner as well; anyone else owns what they write.
    if (fstat(fd_, &was) != 0 || (geteuid() == 0 && fchown(fd, was.st_uid, was.st_gid) != 0) ||
        fchmod(fd, was.st_mode & 07777) != 0)
        failed("cannot keep the owner and mode");
    else if (!write_all(fd, text))
        failed("short write");
    else if (fsync(fd) != 0)
        failed("write failed");
    else if (flock(fd, LOCK_EX | LOCK_NB) != 0)
        failed("cannot lock the new file");
    else if (std::rename(temp.c_str(), target_.c_str()) != 0)
        failed("cannot rename");
    if (!cause.empty()) {
        close(fd);
        std::remove(temp.c_str());
        throw std::runtime_error(path_ + ": cannot write the state: " + cause);
    }
    close(fd_);
    fd_ = fd;
    created_ = false;
    saved_ = std::move(text);
}

}  // namespace host
