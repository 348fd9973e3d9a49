// Reading the recorder's settings: the configuration file, then the
// environment over it; a value a setting does not take is refused aloud.
#include "settings.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>

#include "dlog.h"

namespace recorder {
namespace {

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

// "1048576", "512K", "1M", "2G": bytes, the suffixes in units of 1024.
bool parse_size(const std::string &text, long long *bytes)
{
    errno = 0;
    char *end = nullptr;
    long long n = std::strtoll(text.c_str(), &end, 10);
    if (end == text.c_str() || errno != 0 || n <= 0)
        return false;
    const std::string suffix = end;
    const struct {
        const char *suffix;
        int shift;
    } kUnits[] = {{"", 0}, {"K", 10}, {"k", 10}, {"M", 20}, {"G", 30}};
    for (const auto &u : kUnits) {
        if (suffix == u.suffix && n <= (1LL << (62 - u.shift))) {
            *bytes = n << u.shift;
            return true;
        }
    }
    return false;
}

bool one_of(const std::string &value, const char *a, const char *b, bool *is_a)
{
    if (value != a && value != b)
        return false;
    *is_a = value == a;
    return true;
}

// One row per setting: its name in the file, its variable, what it takes.
struct Row {
    const char *name;
    const char *variable;
    const char *takes;  // for the refusal
    bool (*apply)(Settings &s, const std::string &value);
};

const Row kRows[] = {
    {"provider", "PICTURE_RECORDER_PROVIDER", "a path",
     [](Settings &s, const std::string &v) { return s.provider = v, !v.empty(); }},
    {"file", "PICTURE_RECORDER_FILE", "a path",
     [](Settings &s, const std::string &v) { return s.file = v, true; }},
    {"limit", "PICTURE_RECORDER_LIMIT", "bytes, with K, M or G for units of 1024",
     [](Settings &s, const std::string &v) { return parse_size(v, &s.limit); }},
    {"when-full", "PICTURE_RECORDER_WHEN_FULL", "stop or rotate",
     [](Settings &s, const std::string &v) {
         bool stop = false;
         return one_of(v, "stop", "rotate", &stop) && (s.rotate = !stop, true);
     }},
    {"log", "PICTURE_RECORDER_LOG", "on or off",
     [](Settings &s, const std::string &v) { return one_of(v, "on", "off", &s.log); }},
};

void apply_logged(Settings &s, const std::string &name, const std::string &value)
{
    std::string why;
    if (!apply_setting(s, name, value, &why))
        log_line(why);
}

}  // namespace

bool apply_setting(Settings &s, const std::string &name, const std::string &value, std::string *why)
{
    for (const Row &row : kRows) {
        if (name != row.name)
            continue;
        Settings changed = s;
        if (row.apply(changed, value)) {
            s = changed;
            return true;
        }
        why->assign("setting refused: ").append(name).append(" = ").append(value);
        why->append(" (takes ").append(row.takes).append(")");
        return false;
    }
    *why = "unknown setting: " + name;
    return false;
}

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
        apply_logged(s, trim(line.substr(0, eq)), trim(line.substr(eq + 1)));
    }
    for (const Row &row : kRows)
        if (const char *value = std::getenv(row.variable))
            apply_logged(s, row.name, value);
    return s;
}

}  // namespace recorder
