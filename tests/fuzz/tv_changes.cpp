// Changes of the simulated TV that a real TV goes through on its own: a
// player comes up, the panel is a 21:9 one, the line-up is rescanned, an
// entry of the key-value store holds something odd.
#include "tv_changes.h"

#include <iterator>
#include <map>
#include <vector>

#include "sim/control.h"

namespace fuzz {
namespace {

const char *const kApps[] = {"org.kavri.video-player-tv", "org.kavri.mycontent-video-player-tv",
                             "org.kavri-photo-player-tv", "org.kavri.mycontent-photo-player-tv"};
// AV and HDMI inputs, chip type, help text feature, 21:9 panel.
const int kSystemInfo[] = {111, 122, 253, 258, 303};
const int kSmallValues[] = {0, 1, 2, 3, 4, 5, 7, 11, 12, 101, 131077, -1};

int value(FuzzedDataProvider &in)
{
    return in.ConsumeBool() ? in.PickValueInArray(kSmallValues) : in.ConsumeIntegral<int>();
}

// A name among the map's keys, as the defaults know them.
template <typename Map> std::string name_of(FuzzedDataProvider &in, const Map &defaults)
{
    auto it = defaults.begin();
    std::advance(it, in.ConsumeIntegralInRange<std::size_t>(0, defaults.size() - 1));
    return it->first;
}

// Sets the entry, or removes it so that reading it fails.
template <typename Map, typename Value>
std::string set_or_erase(FuzzedDataProvider &in, Map &map, const typename Map::key_type &key,
                         Value v)
{
    if (in.ConsumeIntegralInRange(0, 7) == 0) {
        map.erase(key);
        return "removed";
    }
    map[key] = v;
    return "set";
}

std::string channel_line_up(FuzzedDataProvider &in, sim::TvState &tv)
{
    switch (in.ConsumeIntegralInRange(0, 2)) {
    case 0: tv.channels.clear(); return "channels cleared";
    case 1: {
        sim::Channel c;
        // Fields 1 type, 12 service id, 13 major, 14 minor, each possibly absent.
        for (int field : {1, 12, 13, 14})
            if (in.ConsumeIntegralInRange(0, 7) != 0)
                c.fields[field] = in.ConsumeBool() ? in.ConsumeIntegralInRange(0, 20)
                                                   : in.ConsumeIntegral<unsigned long long>();
        std::string name = in.ConsumeRandomLengthString(40);
        c.name.assign(name.begin(), name.end());
        if (in.ConsumeBool())
            c.name += static_cast<wchar_t>(in.ConsumeIntegralInRange(0x80, 0x10FFFF));
        tv.channels.push_back(c);
        return "channel added";
    }
    default:
        tv.pip_channel = in.ConsumeIntegralInRange<std::size_t>(0, tv.channels.size() + 1);
        return "PIP channel moved";
    }
}

// Scalar values of the TV service.
std::string tv_value(FuzzedDataProvider &in, sim::TvState &tv)
{
    int v = value(in);
    switch (in.ConsumeIntegralInRange(0, 11)) {
    case 0: tv.current_profile = static_cast<EProfile>(v); return "current profile";
    case 1: tv.picture_size = v; return "picture size";
    case 2: tv.screen_mode = v; return "screen mode";
    case 3: tv.screen_fit = v; return "screen fit";
    case 4: tv.auto_wide = v & 1; return "auto wide";
    case 5: tv.panorama = v & 1; return "panorama";
    case 6: tv.pip_source = v; return "PIP source";
    case 7: tv.pip_antenna_mode = v; return "PIP antenna mode";
    case 8: tv.source_status[in.ConsumeIntegralInRange(0, 80)] = v; return "source status";
    case 9: tv.master_audio = static_cast<EProfile>(v); return "master audio";
    case 10: tv.atsc = v & 1; return "ATSC";
    default: tv.lfd_product = v & 1; return "LFD product";
    }
}

}  // namespace

std::string change_tv(FuzzedDataProvider &in)
{
    sim::State &s = sim::state();
    static const sim::State defaults = sim::default_state();
    switch (in.ConsumeIntegralInRange(0, 6)) {
    case 0: {
        std::string app = in.PickValueInArray(kApps);
        bool visible = in.ConsumeBool();
        if (visible)
            s.visible_apps.insert(app);
        else
            s.visible_apps.erase(app);
        return "app " + app + (visible ? " visible" : " hidden");
    }
    case 1: {
        int key = in.PickValueInArray(kSystemInfo);
        return "sysinfo " + std::to_string(key) + " " +
               set_or_erase(in, s.system_info, key, value(in));
    }
    case 2: return channel_line_up(in, s.tv);
    case 3: {
        std::string key = name_of(in, defaults.vconf_int);
        return "vconf-int " + key + " " + set_or_erase(in, s.vconf_int, key, value(in));
    }
    case 4: {
        std::string key = name_of(in, defaults.vconf_str);
        return "vconf-str " + key + " " +
               set_or_erase(in, s.vconf_str, key, in.ConsumeRandomLengthString(80));
    }
    case 5: {
        std::string name = name_of(in, defaults.avoc);
        s.avoc[name] = value(in);
        return "avoc " + name;
    }
    default: return "tv " + tv_value(in, s.tv);
    }
}

}  // namespace fuzz
