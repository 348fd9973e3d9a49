// Parsing, applying and dumping the sim vocabulary over the stand-in's state.
#include "sim_commands.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <stdexcept>

#include "call_notation.h"
#include "sim/control.h"
#include "words.h"

namespace host {
namespace {

using Args = std::vector<std::string>;

// Scalar fields of the TV service's state that a user may set.
struct TvField {
    const char *name;
    long long min, max;
    long long (*get)(const sim::TvState &);
    void (*set)(sim::TvState &, long long);
};

#define TV_FIELD(name, member, min, max)                                                           \
    TvField                                                                                        \
    {                                                                                              \
        name, min, max, [](const sim::TvState &t) { return static_cast<long long>(t.member); },    \
            [](sim::TvState &t, long long v) { t.member = static_cast<decltype(t.member)>(v); }    \
    }

const TvField kTvFields[] = {
    TV_FIELD("picture-size", picture_size, INT_MIN, INT_MAX),
    TV_FIELD("screen-mode", screen_mode, INT_MIN, INT_MAX),
    TV_FIELD("screen-fit", screen_fit, INT_MIN, INT_MAX),
    TV_FIELD("auto-wide", auto_wide, 0, 1),
    TV_FIELD("panorama", panorama, 0, 1),
    TV_FIELD("pip-source", pip_source, INT_MIN, INT_MAX),
    TV_FIELD("pip-channel", pip_channel, 0, INT_MAX),
    TV_FIELD("pip-antenna-mode", pip_antenna_mode, INT_MIN, INT_MAX),
    TV_FIELD("analog-clean-view", analog_clean_view, 0, 1),
    TV_FIELD("atsc", atsc, 0, 1),
    TV_FIELD("lfd-product", lfd_product, 0, 1),
};

const TvField &tv_field(const std::string &name)
{
    for (const TvField &f : kTvFields)
        if (name == f.name)
            return f;
    throw BadInput("unknown TV field: " + shown(name));
}

std::wstring widen(const std::string &s)
{
    std::wstring w(s.size(), L'\0');
    std::size_t n = std::mbstowcs(w.data(), s.c_str(), w.size());
    if (n == static_cast<std::size_t>(-1))
        return std::wstring(s.begin(), s.end());
    w.resize(n);
    return w;
}

void set_avoc(const Args &a)
{
    auto &avoc = sim::state().avoc;
    // Indexed settings ("uhd_color_mode/524289") come into being when first set.
    if (!avoc.count(a[0]) && a[0].find('/') == std::string::npos)
        throw BadInput("unknown output control value: " + shown(a[0]));
    avoc[a[0]] = parse_int(a[1]);
    sim::state().avoc_live.erase(a[0]);
}

void set_picture_mode(const Args &a)
{
    set_avoc({"picture_mode", a[0]});
}

void set_vconf_int(const Args &a)
{
    sim::state().vconf_int[a[0]] = parse_int(a[1]);
}

void set_vconf_str(const Args &a)
{
    sim::state().vconf_str[a[0]] = a[1];
}

void set_sysinfo(const Args &a)
{
    int key = parse_int(a[0]);
    sim::state().system_info[key] = parse_int(a[1]);
}

void set_app(const Args &a)
{
    if (a[1] != "visible" && a[1] != "hidden")
        throw BadInput("not visible or hidden: " + shown(a[1]));
    if (a[1] == "visible")
        sim::state().visible_apps.insert(a[0]);
    else
        sim::state().visible_apps.erase(a[0]);
}

void set_source(const Args &a)
{
    int source = parse_int(a[0]);
    sim::state().tv.source_status[source] = parse_int(a[1]);
}

void set_tv(const Args &a)
{
    const TvField &f = tv_field(a[0]);
    f.set(sim::state().tv, parse_number(a[1], f.min, f.max));
}

void clear_channels(const Args &a)
{
    if (a[0] != "clear")
        throw BadInput("expected clear: " + shown(a[0]));
    sim::state().tv.channels.clear();
}

void add_channel(const Args &a)
{
    sim::Channel c;
    c.name = widen(a[0]);
    for (std::size_t i = 1; i < a.size(); ++i) {
        std::size_t eq = a[i].find('=');
        if (eq == std::string::npos)
            throw BadInput("not FIELD=VALUE: " + shown(a[i]));
        int id = static_cast<int>(parse_number(a[i].substr(0, eq), 0, INT_MAX));
        c.fields[id] = static_cast<unsigned long long>(
            parse_number(a[i].substr(eq + 1), LLONG_MIN, LLONG_MAX));
    }
    sim::state().tv.channels.push_back(std::move(c));
}

// The stand-in's message would repeat a name of any length.
void require_platform_function(const std::string &name)
{
    std::vector<std::string> known = sim::known_functions();
    if (!std::binary_search(known.begin(), known.end(), name))
        throw BadInput("not a platform function: " + shown(name));
}

void force(const Args &a)
{
    require_platform_function(a[0]);
    int result = parse_int(a[1]);
    std::optional<long long> out;
    if (a.size() > 2)
        out = parse_number(a[2], LLONG_MIN, LLONG_MAX);
    try {
        sim::force(a[0], result, out);
    } catch (const std::invalid_argument &e) {
        throw BadInput(e.what());  // a result it cannot give
    }
}

void unforce(const Args &a)
{
    require_platform_function(a[0]);
    sim::unforce(a[0]);
}

void reset(const Args &)
{
    sim::reset();
}

struct SimCommand {
    const char *name;
    const char *args;
    std::size_t min_args, max_args;
    void (*apply)(const Args &);  // null for what only shows
    const char *what;
};

const SimCommand kSimCommands[] = {
    {"show", "[--changed]", 0, 1, nullptr,
     "every value beside its default; --changed, those that differ"},
    {"avoc", "NAME VALUE", 2, 2, set_avoc, "an output control value, e.g. film_mode"},
    {"picture-mode", "VALUE", 1, 1, set_picture_mode, "the current picture mode"},
    {"vconf-int", "KEY VALUE", 2, 2, set_vconf_int, "an integer entry of the key-value store"},
    {"vconf-str", "KEY TEXT", 2, 2, set_vconf_str, "a text entry of the key-value store"},
    {"sysinfo", "KEY VALUE", 2, 2, set_sysinfo, "a system information answer (booleans 0/1)"},
    {"app", "APPID visible|hidden", 2, 2, set_app, "an application's visibility"},
    {"source", "SOURCE STATUS", 2, 2, set_source, "an input's status, 0 available"},
    {"tv", "FIELD VALUE", 2, 2, set_tv, "a value of the TV service (see below)"},
    {"channels", "clear", 1, 1, clear_channels, "empties the channel line-up"},
    {"channel", "NAME [FIELD=VALUE...]", 1, 64, add_channel,
     "appends a channel: 1 type, 12 service id, 13 major, 14 minor"},
    {"force", "FUNCTION RESULT [OUT]", 2, 3, force, "a platform function's result and out value"},
    {"unforce", "FUNCTION", 1, 1, unforce, "the function works again"},
    {"reset", "", 0, 0, reset, "the TV's defaults, nothing forced"},
};

// Lines for the entries of `now` that differ from `was`.
template <typename Map, typename Line>
void dump_map(const Map &now, const Map &was, Line line, std::vector<std::string> &out)
{
    for (const auto &[key, value] : now) {
        auto it = was.find(key);
        if (it == was.end() || it->second != value)
            out.push_back(line(key, value));
    }
}

bool same_channels(const std::vector<sim::Channel> &a, const std::vector<sim::Channel> &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto &x, const auto &y) {
        return x.fields == y.fields && x.name == y.name;
    });
}

void dump_tv(const sim::TvState &now, const sim::TvState &was, std::vector<std::string> &out)
{
    for (const TvField &f : kTvFields)
        if (f.get(now) != f.get(was))
            out.push_back(std::string("sim tv ") + f.name + " " + std::to_string(f.get(now)));
    dump_map(
        now.source_status, was.source_status,
        [](int s, int v) { return "sim source " + std::to_string(s) + " " + std::to_string(v); },
        out);
    if (same_channels(now.channels, was.channels))
        return;
    out.push_back("sim channels clear");
    for (const sim::Channel &c : now.channels)
        out.push_back("sim channel " + channel_words(c));
}

}  // namespace

void apply_sim(const Args &args)
{
    if (args.empty())
        throw BadInput("sim: missing what to set");
    for (const SimCommand &c : kSimCommands) {
        if (args[0] != c.name)
            continue;
        if (!c.apply)
            throw BadInput(std::string("sim ") + c.name + ": sets nothing");
        std::size_t n = args.size() - 1;
        if (n < c.min_args || n > c.max_args)
            throw BadInput(std::string("sim ") + c.name + ": expected " + c.name + " " + c.args);
        try {
            c.apply(Args(args.begin() + 1, args.end()));
        } catch (const BadInput &e) {
            throw BadInput(std::string("sim ") + c.name + ": " + e.what());
        }
        return;
    }
    throw BadInput("sim: unknown sim command: " + shown(args[0]));
}

std::vector<std::string> dump_state()
{
    const sim::State &now = sim::state();
    const sim::State was = sim::default_state();
    std::vector<std::string> out;
    auto number = [](const char *what) {
        return [what](const auto &key, int v) {
            return std::string("sim ") + what + " " + quote(key) + " " + std::to_string(v);
        };
    };
    dump_map(now.avoc, was.avoc, number("avoc"), out);
    dump_map(now.vconf_int, was.vconf_int, number("vconf-int"), out);
    dump_map(
        now.vconf_str, was.vconf_str,
        [](const std::string &k, const std::string &v) {
            return "sim vconf-str " + quote(k) + " " + quote(v);
        },
        out);
    dump_map(
        now.system_info, was.system_info,
        [](int k, int v) { return "sim sysinfo " + std::to_string(k) + " " + std::to_string(v); },
        out);
    for (const std::string &app : now.visible_apps)
        if (!was.visible_apps.count(app))
            out.push_back("sim app " + quote(app) + " visible");
    for (const std::string &app : was.visible_apps)
        if (!now.visible_apps.count(app))
            out.push_back("sim app " + quote(app) + " hidden");
    dump_tv(now.tv, was.tv, out);
    for (const auto &[name, f] : sim::forced())
        out.push_back("sim force " + name + " " + std::to_string(f.result) +
                      (f.out ? " " + std::to_string(*f.out) : ""));
    return out;
}

std::string sim_help()
{
    std::string out;
    for (const SimCommand &c : kSimCommands) {
        std::string head = std::string("  sim ") + c.name + " " + c.args;
        out += head + std::string(head.size() < 40 ? 40 - head.size() : 1, ' ') + c.what + "\n";
    }
    out += "  TV fields:";
    for (const TvField &f : kTvFields)
        out += std::string(" ") + f.name;
    return out + "\n";
}

std::vector<SimWord> sim_vocabulary()
{
    std::vector<SimWord> out;
    for (const SimCommand &c : kSimCommands)
        out.push_back({c.name, c.args, c.what});
    return out;
}

std::vector<std::pair<std::string, long long>> tv_fields(const sim::TvState &tv)
{
    std::vector<std::pair<std::string, long long>> out;
    for (const TvField &f : kTvFields)
        out.emplace_back(f.name, f.get(tv));
    return out;
}

std::string channel_words(const sim::Channel &channel)
{
    std::string line = quote(calls::narrow(channel.name));
    for (const auto &[id, value] : channel.fields)
        line += " " + std::to_string(id) + "=" + std::to_string(static_cast<long long>(value));
    return line;
}

}  // namespace host
