// What the sim commands show: the simulated TV's every value beside its
// default (and the live output control values a preview left), the
// vocabulary, and the names the commands take.
#include <algorithm>
#include <set>

#include "sim_commands.h"
#include "words.h"

namespace host {
namespace {

using Args = std::vector<std::string>;

struct Shown {
    Array rows;
    bool changed_only;

    void add(const std::string &name, Node value, Node was, Node live = Node())
    {
        bool changed = to_json(value) != to_json(was) || !live.is_null();
        if (changed_only && !changed)
            return;
        rows.push_back(Object{{"name", name},
                              {"value", std::move(value)},
                              {"default", std::move(was)},
                              {"live", std::move(live)},
                              {"changed", changed}});
    }
};

template <typename Map> Node entry(const Map &map, const typename Map::key_type &key)
{
    auto it = map.find(key);
    return it == map.end() ? Node() : Node(it->second);
}

// Every key of either map, once, in order.
template <typename Map> std::set<typename Map::key_type> keys_of(const Map &a, const Map &b)
{
    std::set<typename Map::key_type> keys;
    for (const auto &m : {&a, &b})
        for (const auto &[k, v] : *m)
            keys.insert(k);
    return keys;
}

template <typename Map>
void show_map(Shown &shown, const char *what, const Map &now, const Map &was)
{
    for (const auto &key : keys_of(now, was)) {
        std::string name = what;
        if constexpr (std::is_same_v<typename Map::key_type, int>)
            name += " " + std::to_string(key);
        else
            name += " " + quote(key);
        shown.add(name, entry(now, key), entry(was, key));
    }
}

Array show_state(bool changed_only)
{
    const sim::State &now = sim::state();
    const sim::State was = sim::default_state();
    Shown shown{{}, changed_only};
    for (const std::string &name : keys_of(now.avoc, now.avoc_live))
        shown.add("avoc " + name, entry(now.avoc, name), entry(was.avoc, name),
                  entry(now.avoc_live, name));
    show_map(shown, "vconf-int", now.vconf_int, was.vconf_int);
    show_map(shown, "vconf-str", now.vconf_str, was.vconf_str);
    show_map(shown, "sysinfo", now.system_info, was.system_info);
    std::set<std::string> apps(now.visible_apps);
    apps.insert(was.visible_apps.begin(), was.visible_apps.end());
    for (const std::string &app : apps)
        shown.add("app " + quote(app), now.visible_apps.count(app) ? "visible" : "hidden",
                  was.visible_apps.count(app) ? "visible" : "hidden");
    auto tv_now = tv_fields(now.tv), tv_was = tv_fields(was.tv);
    for (std::size_t i = 0; i < tv_now.size(); ++i)
        shown.add("tv " + tv_now[i].first, tv_now[i].second, tv_was[i].second);
    show_map(shown, "source", now.tv.source_status, was.tv.source_status);
    for (std::size_t i = 0; i < std::max(now.tv.channels.size(), was.tv.channels.size()); ++i) {
        auto words = [i](const std::vector<sim::Channel> &line_up) {
            return i < line_up.size() ? Node(channel_words(line_up[i])) : Node();
        };
        shown.add("channel " + std::to_string(i + 1), words(now.tv.channels),
                  words(was.tv.channels));
    }
    for (const auto &[function, f] : sim::forced())
        shown.add("force " + function,
                  std::to_string(f.result) + (f.out ? " " + std::to_string(*f.out) : ""), Node());
    return shown.rows;
}

Array strings(const std::vector<std::string> &words)
{
    return Array(words.begin(), words.end());
}

std::vector<std::string> avoc_names()
{
    std::set<std::string> names;
    for (const auto &[name, v] : sim::state().avoc)
        names.insert(name);
    for (const auto &[name, v] : sim::default_state().avoc)
        names.insert(name);
    return {names.begin(), names.end()};
}

Object vocabulary()
{
    Array words;
    for (const SimWord &w : sim_vocabulary())
        words.push_back(Object{{"name", w.name}, {"args", w.args}, {"what", w.what}});
    Array fields;
    for (const auto &[name, v] : tv_fields(sim::state().tv))
        fields.emplace_back(name);
    return {{"sim_commands", std::move(words)}, {"tv_fields", std::move(fields)}};
}

}  // namespace

Object run_sim(const Args &args)
{
    if (args.empty())
        return vocabulary();
    if (args[0] == "show") {
        if (args.size() > 2 || (args.size() == 2 && args[1] != "--changed"))
            throw BadInput("sim show: expected show [--changed]");
        return {{"values", show_state(args.size() == 2)}};
    }
    if (args == Args{"avoc"})
        return {{"names", strings(avoc_names())}};
    if (args == Args{"force"})
        return {{"functions", strings(sim::known_functions())}};
    apply_sim(args);
    return {};
}

std::string sim_text(const Node &record)
{
    if (record.field("sim_commands"))
        return "sim commands:\n" + sim_help();
    const Node *values = record.field("values");
    if (!values)
        return to_text(record);
    // The default and live columns show what changed; no need to say so.
    Array rows;
    for (const Node &row : *values->array()) {
        Object cells = *row.object();
        cells.pop_back();
        rows.push_back(std::move(cells));
    }
    return to_text(Object{{"values", std::move(rows)}, {"status", *record.field("status")}});
}

std::vector<std::string> sim_completions(const Args &words)
{
    if (words.empty()) {
        std::vector<std::string> names;
        for (const SimWord &w : sim_vocabulary())
            names.emplace_back(w.name);
        return names;
    }
    const std::string &first = words[0];
    if (words.size() == 1) {
        if (first == "avoc")
            return avoc_names();
        if (first == "force" || first == "unforce")
            return sim::known_functions();
        if (first == "tv") {
            std::vector<std::string> names;
            for (const auto &[name, v] : tv_fields(sim::state().tv))
                names.push_back(name);
            return names;
        }
        if (first == "show")
            return {"--changed"};
        if (first == "channels")
            return {"clear"};
    }
    if (words.size() == 2 && first == "app")
        return {"visible", "hidden"};
    return {};
}

}  // namespace host
