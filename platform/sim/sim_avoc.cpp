// Stand-in AV output control library: every value lives in State::avoc under
// the setting's name (plus indices for the indexed settings). The functions
// are expanded from the library's rows: a getter reads, a setter stores, a
// reset forgets, all as the row's argument shapes say.
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>

#include "avoc.h"
#include "sim_internal.h"

namespace {

// What a read returns: the live value, which a preview may have set apart
// from the committed one. A read never adds an entry: reading leaves the
// state as it was.
int read_value(const std::string &name)
{
    const sim::State &s = sim::state();
    auto live = s.avoc_live.find(name);
    if (live != s.avoc_live.end())
        return live->second;
    auto it = s.avoc.find(name);
    return it == s.avoc.end() ? 0 : it->second;  // an indexed value starts at 0
}

// A commit (flag 1) sets the committed and the live value, a preview (flag 0)
// the live one only: what the panel shows until a commit or another preview.
void store(const std::string &name, int v, int flag)
{
    sim::State &s = sim::state();
    if (flag)
        s.avoc[name] = v;
    auto committed = s.avoc.find(name);
    if (flag || v == (committed == s.avoc.end() ? 0 : committed->second))
        s.avoc_live.erase(name);
    else
        s.avoc_live[name] = v;
}

// Back to the start values of an indexed setting: every value under `key`.
void forget_all(const std::string &key)
{
    for (auto *values : {&sim::state().avoc, &sim::state().avoc_live})
        for (auto it = values->lower_bound(key);
             it != values->end() && it->first.rfind(key, 0) == 0;)
            it = values->erase(it);
}

const char *component_name(int component)
{
    switch (component) {
    case AVOC_WB_RED: return "red";
    case AVOC_WB_BLUE: return "blue";
    case AVOC_WB_GREEN: return "green";
    default: return nullptr;
    }
}

// The setting a function reads, writes or resets: its name without the
// prefix, unless it reads another's value.
std::string setting_of(std::string_view function)
{
    static const std::pair<const char *, const char *> kReadsAnother[] = {
        {"cinema_black_by_value", "black_optimizer"},
    };
    for (const char *prefix : {"avoc_get_", "avoc_set_", "avoc_reset_"})
        if (function.rfind(prefix, 0) == 0)
            function.remove_prefix(std::string_view(prefix).size());
    for (const auto &[name, setting] : kReadsAnother)
        if (function == name)
            return setting;
    return std::string(function);
}

// One call: the arguments first make up the value's key and the flag, then
// the outs are read or the values stored.
struct AvocCall {
    std::string key;
    int flag = 1;
    bool flag_given = false;
    int values = 0;  // value arguments: more than one are stored by name

    template <typename T> void take(calls::shapes::picture, const char *, T picture)
    {
        SIM_EXPECT(picture == 0, "picture other than 0");
    }
    void take(calls::shapes::flag, const char *, int f)
    {
        flag = f;
        flag_given = true;
    }
    void take(calls::shapes::index, const char *, int i) { key += "/" + std::to_string(i); }
    void take(calls::shapes::hex, const char *, int i) { key += "/" + std::to_string(i); }
    void take(calls::shapes::component, const char *, int component)
    {
        SIM_EXPECT(component_name(component), "unknown component");
        key += std::string("/") + component_name(component);
    }
    template <typename T> void take(calls::shapes::in, const char *, T) { values++; }
    template <typename T> void take(calls::shapes::out, const char *, T) {}

    template <typename S, typename T> void work(S, const char *, T) const {}
    void work(calls::shapes::out, const char *, int *out) const
    {
        SIM_EXPECT(out != nullptr, "null out-parameter");
        *out = read_value(key);
    }
    void work(calls::shapes::out, const char *, avoc_rgb_s *rgb) const
    {
        SIM_EXPECT(rgb != nullptr, "null out-parameter");
        rgb->red = static_cast<unsigned char>(read_value(key + "/red"));
        rgb->green = static_cast<unsigned char>(read_value(key + "/green"));
        rgb->blue = static_cast<unsigned char>(read_value(key + "/blue"));
    }
    void work(calls::shapes::out, const char *, avoc_hsl_s *hsl) const
    {
        SIM_EXPECT(hsl != nullptr, "null out-parameter");
        hsl->hue = read_value(key + "/hue");
        hsl->saturation = read_value(key + "/saturation");
        hsl->lightness = read_value(key + "/lightness");
    }
    template <typename T> void work(calls::shapes::in, const char *name, T v) const
    {
        SIM_EXPECT(!flag_given || flag == 0 || flag == 1, "flag other than 0 or 1");
        store(values > 1 ? key + "/" + name : key, v, flag);
    }
    void work(calls::shapes::in, const char *, avoc_rgb_s *rgb) const
    {
        SIM_EXPECT(rgb != nullptr, "null out-parameter");
        store(key + "/red", rgb->red, 1);
        store(key + "/green", rgb->green, 1);
        store(key + "/blue", rgb->blue, 1);
    }
};

// A forced call's values go into its out-parameters in order.
struct ForcedOuts {
    const sim::detail::Forced &forced;
    template <typename S, typename T> void put(S, T) {}
    void put(calls::shapes::out, int *out) { sim::detail::forced_values(forced, out); }
    void put(calls::shapes::out, avoc_rgb_s *rgb)
    {
        if (rgb)
            sim::detail::forced_values(forced, &rgb->red, &rgb->green, &rgb->blue);
    }
    void put(calls::shapes::out, avoc_hsl_s *hsl)
    {
        if (hsl)
            sim::detail::forced_values(forced, &hsl->hue, &hsl->saturation, &hsl->lightness);
    }
};

template <typename Row, typename... A, std::size_t... I>
int run_avoc(const sim::detail::Forced *forced, std::index_sequence<I...>, A... args)
{
    using Shapes = typename Row::Shapes;
    if (forced) {
        ForcedOuts outs{*forced};
        (outs.put(std::tuple_element_t<I, Shapes>{}, args), ...);
        return forced->result;
    }
    AvocCall call{setting_of(Row::kName)};
    (call.take(std::tuple_element_t<I, Shapes>{}, Row::kParams[I], args), ...);
    if (std::string_view(Row::kName).rfind("avoc_reset_", 0) == 0) {
        forget_all(call.key + "/");
        return 0;
    }
    (call.work(std::tuple_element_t<I, Shapes>{}, Row::kParams[I], args), ...);
    return 0;
}

}  // namespace

namespace sim::detail {

template <auto F> struct Work {
    template <typename... A> static int run(const Forced *forced, A... args)
    {
        return run_avoc<calls::Row<F>>(forced, std::index_sequence_for<A...>{}, args...);
    }
};

// The colour space reset forgets both records of the colour.
template <> struct Work<&avoc_reset_color_space> {
    static int run(const Forced *forced, int picture, int color)
    {
        if (forced)
            return forced->result;
        SIM_EXPECT(picture == 0, "picture other than 0");
        forget_all("color_space_custom_rgb/" + std::to_string(color) + "/");
        forget_all("color_space_hsl/" + std::to_string(color) + "/");
        return 0;
    }
};

}  // namespace sim::detail

namespace {

// A setting of its own: a getter of one value, with no index or component.
template <typename Shapes> struct OneValue;
template <typename... S> struct OneValue<std::tuple<S...>> {
    static constexpr bool kOut = (std::is_same_v<S, calls::shapes::out> + ...) == 1;
    static constexpr bool value = kOut && ((std::is_same_v<S, calls::shapes::out> ||
                                            std::is_same_v<S, calls::shapes::picture> ||
                                            std::is_same_v<S, calls::shapes::flag>)&&...);
};

template <auto F> void add_setting(std::map<std::string, int> &settings)
{
    using Row = calls::Row<F>;
    if (OneValue<typename Row::Shapes>::value &&
        std::string_view(Row::kName).rfind("avoc_get_", 0) == 0)
        settings.emplace(setting_of(Row::kName), 0);
}

}  // namespace

namespace sim::detail {

// Every setting of the library's rows, at 0.
std::map<std::string, int> avoc_settings()
{
    std::map<std::string, int> settings;
#define SIM_ADD_SETTING(ret, name, ...)                                                            \
    add_setting<PLATFORM_C_POINTER(ret, name, ##__VA_ARGS__)>(settings);
    PLATFORM_AVOC(SIM_ADD_SETTING)
#undef SIM_ADD_SETTING
    return settings;
}

}  // namespace sim::detail

PLATFORM_AVOC(SIM_C_FUNCTION)
