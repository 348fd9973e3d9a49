// The simulated TV's live values as the page draws them.
#include "call_notation.h"
#include "serve_internal.h"
#include "sim/control.h"

namespace host::serve {
namespace {

json channels(const sim::TvState &tv)
{
    json list = json::array();
    for (const sim::Channel &c : tv.channels) {
        json fields = json::object();
        for (const auto &[id, value] : c.fields)
            fields[std::to_string(id)] = value;
        list.push_back({{"name", calls::narrow(c.name)}, {"fields", fields}});
    }
    return list;
}

json tv(const sim::TvState &t)
{
    return {
        {"picture-size", t.picture_size}, {"screen-mode", t.screen_mode},
        {"screen-fit", t.screen_fit},     {"auto-wide", t.auto_wide},
        {"panorama", t.panorama},         {"pip-source", t.pip_source},
        {"pip-channel", t.pip_channel},   {"pip-antenna-mode", t.pip_antenna_mode},
        {"channels", channels(t)},
    };
}

json keyed(const std::map<int, int> &map)
{
    json out = json::object();
    for (const auto &[key, value] : map)
        out[std::to_string(key)] = value;
    return out;
}

}  // namespace

json panel()
{
    const sim::State &s = sim::state();
    json forced = json::object();
    for (const auto &[name, f] : sim::forced())
        forced[name] = f.result;
    // What the panel shows: the committed values with the previews over them.
    std::map<std::string, int> live = s.avoc;
    for (const auto &[name, value] : s.avoc_live)
        live[name] = value;
    return {
        {"avoc", live},
        {"committed", s.avoc},
        {"vconf-int", s.vconf_int},
        {"vconf-str", s.vconf_str},
        {"sysinfo", keyed(s.system_info)},
        {"visible-apps", s.visible_apps},
        {"power-state", s.power_state},
        {"tv", tv(s.tv)},
        {"forced", forced},
    };
}

}  // namespace host::serve
