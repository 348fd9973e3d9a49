// Writing the recording: each request whole, in one write under one lock,
// so that threads never mix their lines and a crash of the host cuts the
// file between requests; within the size limit, and never by a signal.
#include "record_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <mutex>

#include "dlog.h"
#include "platform_redirect.h"

namespace recorder {

std::atomic<bool> g_recording{false};
std::atomic<bool> g_handles_held{false};

namespace {

// The end lines: a clean end as the process exits, and a file that is full
// (stopped, or kept as FILE.1). Of one length, so that room is kept for either.
constexpr const char kEndExit[] = "end: exit\n";
constexpr const char kEndFull[] = "end: full\n";
static_assert(sizeof kEndExit == sizeof kEndFull);
constexpr long long kEndRoom = sizeof kEndExit - 1;

struct File {
    std::mutex lock;
    Settings settings;
    std::string header;
    long long limit = 0;  // the settings' limit, or less where the process may write less
    int fd = -1;
    long long size = 0;
    int requests = 0;
    int threads = 0;

    // A recording still on when the process ends, ends cleanly.
    ~File();
};

File g_file;

// The calling thread's open request and its number among the threads; the
// lines' buffer is kept from one request to the next.
struct ThreadRequest {
    std::string lines;
    bool open = false;
    int thread = 0;
};
thread_local ThreadRequest t_request;

// The recorder's own lines go straight to the platform log.
void log_line(const std::string &message)
{
    __dlog_print(LOG_ID_MAIN, DLOG_WARN, "picture-recorder", "%s\n", message.c_str());
}

// Writes the pieces in order, in one write unless the system takes less.
bool write_all(int fd, std::initializer_list<std::string_view> pieces)
{
    iovec parts[4];
    int count = 0;
    for (std::string_view p : pieces)
        if (!p.empty() && count < 4)
            parts[count++] = {const_cast<char *>(p.data()), p.size()};  // NOLINT: writev's type
    iovec *next = parts;
    while (count > 0) {
        ssize_t n = ::writev(fd, next, count);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        auto done = static_cast<std::size_t>(n);
        for (; count > 0 && done >= next->iov_len; count--)
            done -= (next++)->iov_len;
        if (count > 0) {
            next->iov_base = static_cast<char *>(next->iov_base) + done;
            next->iov_len -= done;
        }
    }
    return true;
}

// A write past the process's file size limit would raise SIGXFSZ and end
// the host: that limit counts as the recording's.
long long writable_limit(long long limit)
{
    rlimit r{};
    if (getrlimit(RLIMIT_FSIZE, &r) == 0 && r.rlim_cur != RLIM_INFINITY)
        return std::min(limit, static_cast<long long>(r.rlim_cur));
    return limit;
}

// Opens FILE locked against another recording host, then empties it.
bool open_file(File &f, std::string *why)
{
    f.fd = ::open(f.settings.file.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    f.size = 0;
    if (f.fd < 0) {
        *why = "cannot write " + f.settings.file + ": " + std::strerror(errno);
        return false;
    }
    if (flock(f.fd, LOCK_EX | LOCK_NB) != 0) {
        *why = f.settings.file + " is being recorded by another process";
        return false;
    }
    if (ftruncate(f.fd, 0) != 0 || !write_all(f.fd, {f.header})) {
        *why = "cannot write " + f.settings.file + ": " + std::strerror(errno);
        return false;
    }
    f.size = static_cast<long long>(f.header.size());
    return true;
}

void close_file(File &f)
{
    if (f.fd >= 0)
        ::close(f.fd);
    f.fd = -1;
}

// Stops with the file's lock held.
void stop_locked(File &f, const char *why)
{
    if (!g_recording)
        return;
    g_recording = false;
    restore_platform_calls();
    close_file(f);
    if (why)
        log_line(why);
}

// Ends a full file: kept as FILE.1 with a fresh FILE after it, or stopped.
bool full(File &f)
{
    write_all(f.fd, {kEndFull});
    std::string why;
    if (f.settings.rotate) {
        close_file(f);
        std::string previous = f.settings.file + ".1";
        if (std::rename(f.settings.file.c_str(), previous.c_str()) == 0 && open_file(f, &why))
            return true;
        stop_locked(f, ("recording stopped: cannot start " + f.settings.file + " afresh" +
                        (why.empty() ? "" : ": " + why))
                           .c_str());
        return false;
    }
    stop_locked(f, ("recording stopped: " + f.settings.file + " reached its limit of " +
                    std::to_string(f.limit) + " bytes")
                       .c_str());
    return false;
}

// Writes a request's lines, or a line alone, with the file's lock held.
void write_locked(File &f, std::initializer_list<std::string_view> pieces)
{
    long long size = 0;
    for (std::string_view p : pieces)
        size += static_cast<long long>(p.size());
    if (f.size + size + kEndRoom > f.limit) {
        if (!full(f))
            return;
        if (f.size + size + kEndRoom > f.limit) {
            write_all(f.fd, {kEndFull});
            stop_locked(f, ("recording stopped: a request of " + std::to_string(size) +
                            " bytes does not fit in the limit of " + std::to_string(f.limit))
                               .c_str());
            return;
        }
    }
    if (!write_all(f.fd, pieces)) {
        stop_locked(
            f, ("recording stopped: cannot write " + f.settings.file + ": " + std::strerror(errno))
                   .c_str());
        return;
    }
    f.size += size;
    if (f.settings.rotate && !g_handles_held && f.size >= f.limit / 2)
        full(f);
}

File::~File()
{
    std::lock_guard<std::mutex> hold(lock);
    if (g_recording && write_all(fd, {kEndExit}))
        size += kEndRoom;
    g_recording = false;
    close_file(*this);
}

}  // namespace

void set_handles_held(bool held)
{
    g_handles_held = held;
}

bool recording_log()
{
    return g_file.settings.log;
}

bool start(const Settings &settings, const std::string &header)
{
    File &f = g_file;
    std::lock_guard<std::mutex> hold(f.lock);
    f.settings = settings;
    f.header = header;
    f.limit = writable_limit(settings.limit);
    if (static_cast<long long>(header.size()) + kEndRoom > f.limit) {
        log_line("recording off: the limit of " + std::to_string(f.limit) +
                 " bytes leaves no room for " + settings.file);
        return false;
    }
    std::string why;
    if (!open_file(f, &why)) {
        log_line("recording off: " + why);
        close_file(f);
        return false;
    }
    g_recording = true;
    return true;
}

std::string &begin_request(std::string_view name)
{
    ThreadRequest &t = t_request;
    t.lines.assign(name);
    t.open = true;
    return t.lines;
}

std::string *request_lines()
{
    ThreadRequest &t = t_request;
    return t.open ? &t.lines : nullptr;
}

void write_line(const std::string &line)
{
    if (std::string *lines = request_lines()) {
        *lines += line;
        *lines += '\n';
        return;
    }
    File &f = g_file;
    std::lock_guard<std::mutex> hold(f.lock);
    if (g_recording)
        write_locked(f, {line, "\n"});
}

void end_request(std::string answer, const Numbered &numbered)
{
    ThreadRequest &t = t_request;
    t.open = false;
    File &f = g_file;
    std::lock_guard<std::mutex> hold(f.lock);
    if (!g_recording)
        return;
    if (t.thread == 0)
        t.thread = ++f.threads;
    int n = ++f.requests;
    if (numbered)
        numbered(n, answer);
    char head[64] = "request ";
    char *end = std::to_chars(head + 8, head + 30, n).ptr;
    end = std::copy_n(" thread ", 8, end);
    end = std::to_chars(end, head + 60, t.thread).ptr;
    end = std::copy_n(": ", 2, end);
    answer.insert(0, answer.empty() ? "answer:" : "answer: ");
    answer += '\n';
    write_locked(f,
                 {std::string_view(head, static_cast<std::size_t>(end - head)), t.lines, answer});
}

void stop(const char *why)
{
    std::lock_guard<std::mutex> hold(g_file.lock);
    stop_locked(g_file, why);
}

}  // namespace recorder
