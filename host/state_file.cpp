// Locking, reading and replacing the state file.
#include "state_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <stdexcept>
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

bool wait_for_lock(int fd)
{
    for (;;) {
        if (flock(fd, LOCK_EX) == 0)
            return true;
        if (errno != EINTR)
            return false;
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

StateFile::StateFile(const std::string &path) : path_(path)
{
    open_and_lock();
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
void StateFile::open_and_lock()
{
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
        if (flock(fd_, LOCK_EX | LOCK_NB) != 0) {
            if (!told && isatty(STDERR_FILENO))
                std::fprintf(stderr, "picture-menu: %s: waiting for another run\n", path_.c_str());
            told = true;
            if (!wait_for_lock(fd_)) {
                int error = errno;
                close(fd_);
                throw BadInput(path_ + ": cannot lock the state file: " + std::strerror(error));
            }
        }
        struct stat now {};
        if (stat(target_.c_str(), &now) == 0 && same_file(st, now))
            return;
        close(fd_);  // replaced or removed while we waited
    }
}

void StateFile::load() const
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
}

void StateFile::save()
{
    std::string text = state_text();
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
    if (close(fd) != 0)
        failed("write failed");
    if (cause.empty() && std::rename(temp.c_str(), target_.c_str()) != 0)
        failed("cannot rename");
    if (!cause.empty()) {
        std::remove(temp.c_str());
        throw std::runtime_error(path_ + ": cannot write the state: " + cause);
    }
    created_ = false;
}

}  // namespace host
