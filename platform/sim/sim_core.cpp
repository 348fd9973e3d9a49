// Stand-in platform core: state and defaults, the call journal, fault
// injection and the captured platform log.
#include <algorithm>
#include <cstdarg>
#include <cstring>
#include <deque>
#include <optional>
#include <stdexcept>
#include <unordered_map>

#include "dlog.h"
#include "sim_internal.h"

namespace sim {
namespace {

struct Core {
    State state;
    std::vector<std::string> journal;
    std::vector<LogLine> log;
    LogMode log_mode = LogMode::Capture;
    bool journal_on = true;
    std::map<std::string, detail::Forced, std::less<>> forced;  // looked up without a copy
    std::vector<ReplayCall> replay;                             // answers of a replay
    std::vector<bool> replay_used;
    // The replay's answers in order by call text and by function, so that a
    // request of many calls finds each in constant time; used ones are
    // dropped from the front as they come up.
    std::unordered_map<std::string, std::deque<std::size_t>> replay_by_call;
    std::unordered_map<std::string, std::deque<std::size_t>> replay_by_function;
    bool replaying = false;
};

void apply_defaults(State &s);

Core &core()
{
    static Core instance = [] {
        Core c;
        apply_defaults(c.state);
        return c;
    }();
    return instance;
}

// Every function of the platform rows can be forced but the log; some turn
// down what they cannot give.
#define SIM_C_NAME(ret, name, ...) {#name, nullptr},
#define SIM_MEMBER_NAME(cls, ret, name, ...) {#cls "::" #name, nullptr},
#define SIM_INTERFACE_NAMES(cls, methods) methods(SIM_MEMBER_NAME)
std::map<std::string, detail::Refusal> &registry()
{
    static std::map<std::string, detail::Refusal> functions = {
        PLATFORM_C_FUNCTIONS(SIM_C_NAME) PLATFORM_STATIC_FUNCTIONS(SIM_MEMBER_NAME)
            PLATFORM_MEMBER_FUNCTIONS(SIM_MEMBER_NAME) PLATFORM_INTERFACES(SIM_INTERFACE_NAMES)};
    return functions;
}

__attribute__((format(printf, 1, 0))) std::string vformat(const char *format, va_list args)
{
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (n < 0)
        return {};
    std::string text(static_cast<std::size_t>(n), '\0');
    std::vsnprintf(text.data(), text.size() + 1, format, args);
    return text;
}

void apply_defaults(State &s)
{
    s.avoc = detail::avoc_settings();
    // The settings that do not start at 0.
    static const std::pair<const char *, int> kNotZero[] = {
        {"picture_mode", 1},
        {"dynamic_contrast", 1},
        {"color_tone_mode", 1},
        {"blur_reduction", 10},
        {"juddler_reduction", 10},
        {"gamma_config", 2},
        {"10p_white_balance_interval", 1},
        {"20p_white_balance_interval", 1},
    };
    for (const auto &[name, value] : kNotZero) {
        SIM_EXPECT(s.avoc.count(name) == 1, "a default for no setting");
        s.avoc[name] = value;
    }
    s.vconf_int = {
        {"db/video-player-tv/picture_size", 0},
        {"db/video-player-tv/picture_size_widetv", 4},
        {"db/photo-player-tv/picture_size", 0},
        {"db/video-player-tv/psize_screen_fit", 0},
        {"db/video-player-tv/psize_panorama_21_9", 0},
        {"db/video-player-tv/psize_panorama_auto", 0},
        {"db/video-player-tv/psize_panorama_custom", 0},
        {"db/menu/picture/pip/source", 0},
        {"db/menu/picture/pip/pipsize", 0},
        {"db/menu/picture/pip/pippos", 0},
        {"db/menu/system/accessibility/focuszoom", 0},
    };
    s.vconf_str = {
        {"db/menu_widget/language", "en_US.utf8"},
        {"memory/video-player/picture_size_control", ""},
    };
    s.system_info = {
        {111, 1},   // number of AV inputs
        {122, 4},   // number of HDMI inputs
        {253, 11},  // TV chip type
        {258, 0},   // blur and judder help text feature
        {303, 0},   // 21:9 panel
    };
    s.tv = detail::default_tv_state();
}

// Splits "file: function(line) > [function:line] message\n" into its parts.
void parse_prefix(LogLine &l)
{
    const std::string &raw = l.raw;
    std::size_t colon = raw.find(": ");
    std::size_t open = raw.find('(', colon == std::string::npos ? 0 : colon);
    std::size_t close = raw.find(") > ", open == std::string::npos ? 0 : open);
    if (colon == std::string::npos || open == std::string::npos || close == std::string::npos) {
        l.message = raw;
        return;
    }
    l.file = raw.substr(0, colon);
    l.function = raw.substr(colon + 2, open - colon - 2);
    l.line = std::atoi(raw.c_str() + open + 1);
    std::string rest = raw.substr(close + 4);
    std::string repeat = "[" + l.function + ":" + std::to_string(l.line) + "] ";
    bool newline = !raw.empty() && raw.back() == '\n';
    if (rest.compare(0, repeat.size(), repeat) == 0) {
        l.message = rest.substr(repeat.size());
        if (newline)
            l.message.pop_back();
        l.well_formed = newline;
    } else {
        l.message = rest;  // the one line form without the bracket part
    }
}

}  // namespace

State &state()
{
    return core().state;
}

void reset()
{
    detail::reset_tv_objects();
    Core &c = core();
    c.state = State{};
    apply_defaults(c.state);
    c.journal.clear();
    c.log.clear();
    c.forced.clear();
    end_replay();
}

State default_state()
{
    State s;
    apply_defaults(s);
    return s;
}

const std::vector<std::string> &journal()
{
    return core().journal;
}

void clear_journal()
{
    core().journal.clear();
}

void set_journal(bool on)
{
    core().journal_on = on;
}

const std::vector<LogLine> &log()
{
    return core().log;
}

std::vector<std::string> log_messages()
{
    std::vector<std::string> out;
    for (const LogLine &l : core().log)
        out.push_back(l.message);
    return out;
}

void clear_log()
{
    core().log.clear();
}

void set_log_mode(LogMode mode)
{
    core().log_mode = mode;
}

void force(const std::string &function, int result, std::optional<long long> out)
{
    auto it = registry().find(function);
    if (it == registry().end())
        throw std::invalid_argument("not a platform function: " + function);
    detail::Forced forced;
    forced.result = result;
    forced.out = out;
    if (const char *why = it->second ? it->second(forced) : nullptr)
        throw std::invalid_argument(function + ": " + why);
    core().forced[function] = forced;
}

void unforce(const std::string &function)
{
    core().forced.erase(function);
}

std::map<std::string, Answer> forced()
{
    return {core().forced.begin(), core().forced.end()};
}

std::vector<std::string> known_functions()
{
    std::vector<std::string> names;
    for (const auto &entry : registry())
        names.push_back(entry.first);
    return names;
}

void replay(std::vector<ReplayCall> calls)
{
    Core &c = core();
    c.replay_used.assign(calls.size(), false);
    c.replay = std::move(calls);
    c.replay_by_call.clear();
    c.replay_by_function.clear();
    for (std::size_t i = 0; i < c.replay.size(); i++) {
        const std::string &call = c.replay[i].call;
        c.replay_by_call[call].push_back(i);
        c.replay_by_function[call.substr(0, call.find('('))].push_back(i);
    }
    c.replaying = true;
    c.journal_on = true;
}

void end_replay()
{
    Core &c = core();
    c.replay.clear();
    c.replay_used.clear();
    c.replay_by_call.clear();
    c.replay_by_function.clear();
    c.replaying = false;
}

namespace detail {
namespace {

// The first unused answer of a queue, or none.
std::optional<std::size_t> first_unused(Core &c, std::deque<std::size_t> *queue)
{
    while (queue && !queue->empty() && c.replay_used[queue->front()])
        queue->pop_front();
    if (!queue || queue->empty())
        return std::nullopt;
    return queue->front();
}

std::deque<std::size_t> *queue_of(std::unordered_map<std::string, std::deque<std::size_t>> &by,
                                  const std::string &text)
{
    auto it = by.find(text);
    return it == by.end() ? nullptr : &it->second;
}

// The first unused recorded answer for the entry: the same call, else the
// same function.
const Forced *replayed(Core &c, const std::string &entry, const char *function)
{
    auto at = first_unused(c, queue_of(c.replay_by_call, entry));
    if (!at)
        at = first_unused(c, queue_of(c.replay_by_function, function));
    if (!at)
        return nullptr;
    c.replay_used[*at] = true;
    return &c.replay[*at].answer;
}

}  // namespace

bool journal_on()
{
    return core().journal_on;
}

const Forced *journaled(const char *function, std::string entry)
{
    Core &c = core();
    c.journal.push_back(std::move(entry));
    if (c.replaying)
        return replayed(c, c.journal.back(), function);
    return forced_of(function);
}

const Forced *forced_of(const char *function)
{
    Core &c = core();
    auto it = c.forced.find(function);
    return it == c.forced.end() ? nullptr : &it->second;
}

Registrar::Registrar(const char *function, Refusal refusal)
{
    registry()[function] = refusal;
}

void unexpected(const char *function, const char *what)
{
    std::fprintf(stderr, "stand-in platform: unexpected call of %s: %s\n", function, what);
    std::abort();
}

}  // namespace detail
}  // namespace sim

// ---- platform log ----------------------------------------------------------

// Log lines go to the captured log, not to the journal.
extern "C" SIM_EXPORT int __dlog_print(log_id_t log_id, int prio, const char *tag, const char *fmt,
                                       ...)
{
    using namespace sim;
    Core &c = core();
    if (c.log_mode == LogMode::Discard)
        return 0;
    va_list args;
    va_start(args, fmt);
    LogLine l;
    l.raw = vformat(fmt, args);
    va_end(args);
    l.priority = prio;
    l.tag = tag ? tag : "";
    parse_prefix(l);
    if (c.log_mode == LogMode::CaptureAndEcho)
        std::fprintf(stderr, "%d/%s(%d): %s%s", static_cast<int>(log_id), l.tag.c_str(), prio,
                     l.raw.c_str(), l.well_formed ? "" : "\n");
    c.log.push_back(std::move(l));
    return 0;
}
