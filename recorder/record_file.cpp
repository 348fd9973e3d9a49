// Writing the recording: one line at a time, straight to the file so that a
// crash of the host loses nothing, within the size limit.
#include "record_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "dlog.h"
#include "platform_redirect.h"

namespace recorder {

bool g_recording = false;

namespace {

struct File {
    Settings settings;
    std::string header;
    int fd = -1;
    long long size = 0;
};

File &file()
{
    static File f;
    return f;
}

// The recorder's own lines go straight to the platform log.
void log_line(const std::string &message)
{
    __dlog_print(LOG_ID_MAIN, DLOG_WARN, "picture-recorder", "%s\n", message.c_str());
}

std::string trim(const std::string &s)
{
    std::size_t a = s.find_first_not_of(" \t");
    std::size_t b = s.find_last_not_of(" \t\r");
    return a == std::string::npos ? "" : s.substr(a, b - a + 1);
}

void apply(Settings &s, const std::string &name, const std::string &value)
{
    if (name == "provider")
        s.provider = value;
    else if (name == "file")
        s.file = value;
    else if (name == "limit")
        s.limit = std::strtoll(value.c_str(), nullptr, 10);
    else if (name == "when-full")
        s.rotate = value == "rotate";
}

bool write_all(int fd, const char *data, std::size_t size)
{
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool open_file(File &f)
{
    f.fd = ::open(f.settings.file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    f.size = 0;
    if (f.fd < 0)
        return false;
    f.size = static_cast<long long>(f.header.size());
    return write_all(f.fd, f.header.data(), f.header.size());
}

}  // namespace

Settings read_settings(const std::string &own_dir)
{
    Settings s;
    s.provider = own_dir + "libpicture-provider.so";
    const char *config = std::getenv("PICTURE_RECORDER_CONFIG");
    std::ifstream in(config ? config : "/etc/picture-recorder.conf");
    for (std::string line; std::getline(in, line);) {
        std::size_t eq = line.find('=');
        if (trim(line).empty() || trim(line)[0] == '#' || eq == std::string::npos)
            continue;
        apply(s, trim(line.substr(0, eq)), trim(line.substr(eq + 1)));
    }
    const struct {
        const char *variable;
        const char *name;
    } kEnvironment[] = {{"PICTURE_RECORDER_PROVIDER", "provider"},
                        {"PICTURE_RECORDER_FILE", "file"},
                        {"PICTURE_RECORDER_LIMIT", "limit"},
                        {"PICTURE_RECORDER_WHEN_FULL", "when-full"}};
    for (const auto &e : kEnvironment)
        if (const char *value = std::getenv(e.variable))
            apply(s, e.name, value);
    return s;
}

bool start(const Settings &settings, const std::string &header)
{
    File &f = file();
    f.settings = settings;
    f.header = header;
    if (static_cast<long long>(header.size()) > settings.limit) {
        log_line("recording off: the limit of " + std::to_string(settings.limit) +
                 " bytes leaves no room for " + settings.file);
        return false;
    }
    if (!open_file(f)) {
        log_line("recording off: cannot write " + settings.file + ": " + std::strerror(errno));
        if (f.fd >= 0)
            ::close(f.fd);
        f.fd = -1;
        return false;
    }
    g_recording = true;
    return true;
}

void write_line(const std::string &line)
{
    File &f = file();
    if (!g_recording)
        return;
    auto size = static_cast<long long>(line.size()) + 1;
    if (f.size + size > f.settings.limit) {
        if (!f.settings.rotate) {
            stop(("recording stopped: " + f.settings.file + " reached its limit of " +
                  std::to_string(f.settings.limit) + " bytes")
                     .c_str());
            return;
        }
        ::close(f.fd);
        std::string previous = f.settings.file + ".1";
        if (std::rename(f.settings.file.c_str(), previous.c_str()) != 0 || !open_file(f)) {
            f.fd = -1;
            stop(("recording stopped: cannot start " + f.settings.file + " afresh").c_str());
            return;
        }
    }
    std::string text = line + "\n";
    if (!write_all(f.fd, text.data(), text.size())) {
        stop(("recording stopped: cannot write " + f.settings.file + ": " + std::strerror(errno))
                 .c_str());
        return;
    }
    f.size += size;
}

void stop(const char *why)
{
    File &f = file();
    if (!g_recording)
        return;
    g_recording = false;
    restore_platform_calls();
    if (f.fd >= 0)
        ::close(f.fd);
    f.fd = -1;
    if (why)
        log_line(why);
}

}  // namespace recorder
