// Stand-in TV service and menu utilities: per-profile control objects that
// work on State::tv, the service records and criteria they exchange, and the
// menu, antenna and TV service utilities.
#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "menu_util.h"
#include "sim_internal.h"
#include "tv_service.h"

namespace {

using Fields = std::map<int, unsigned long long>;

constexpr int kError = -1;
constexpr unsigned short kNoNumber = 0xFFFF;
constexpr int kAntennaTypes = 40;
constexpr std::size_t kTextSize = 512;  // the menu utilities' text buffers

// Private data of a service record.
struct Record {
    std::map<int, TSServiceField> fields;
};

// Private data of a criteria helper.
struct Criteria {
    std::vector<int> fetch;  // empty: every field
    std::vector<std::pair<int, unsigned long long>> where_not;
    std::vector<std::pair<int, ESortOrder>> order_by;  // first key sorts first
};

// The records keep their data behind a private pointer that the navigation
// has to fill and read; an explicit instantiation may name a private member,
// and the friend it defines hands the member out.
void *&private_data(TCServiceData &object);
void *&private_data(TCCriteriaHelper &object);

template <typename Class, void *Class::*Member> struct PrivateData {
    friend void *&private_data(Class &object) { return object.*Member; }
};
template struct PrivateData<TCServiceData, &TCServiceData::m_fields>;
template struct PrivateData<TCCriteriaHelper, &TCCriteriaHelper::m_criteria>;

Record &record(TCServiceData &service)
{
    return *static_cast<Record *>(private_data(service));
}

Criteria &criteria_of(TCCriteriaHelper &criteria)
{
    return *static_cast<Criteria *>(private_data(criteria));
}

sim::TvState &tv()
{
    return sim::state().tv;
}

bool known_profile(int profile)
{
    return profile == PROFILE_TYPE_MAIN || profile == PROFILE_TYPE_PIP;
}

std::string mode_text(const TSTvMode &mode)
{
    return "{" + std::to_string(mode.antennaMode) + ", " + std::to_string(mode.serviceMode) + "}";
}

unsigned long long field_or(const Fields &fields, int id, unsigned long long absent)
{
    auto it = fields.find(id);
    return it == fields.end() ? absent : it->second;
}

// Replaces the record's fields with those the criteria fetch.
void fill(TCServiceData &service, const Fields &fields, const Criteria &criteria)
{
    Record &r = record(service);
    r.fields.clear();
    for (const auto &[id, value] : fields) {
        bool wanted =
            criteria.fetch.empty() ||
            std::find(criteria.fetch.begin(), criteria.fetch.end(), id) != criteria.fetch.end();
        if (wanted)
            r.fields[id] = TSServiceField{id, value};
    }
}

bool passes(const Criteria &criteria, const Fields &fields)
{
    for (const auto &[id, value] : criteria.where_not) {
        auto it = fields.find(id);
        if (it != fields.end() && it->second == value)
            return false;
    }
    return true;
}

// Indices into the line-up in the criteria's order (a stable sort, so equal
// keys keep the line-up order; an absent key field sorts as all bits set),
// with or without the services that the criteria exclude.
std::vector<std::size_t> ordered(const Criteria &criteria, bool only_passing)
{
    const std::vector<sim::Channel> &channels = tv().channels;
    std::vector<std::size_t> picked;
    for (std::size_t i = 0; i < channels.size(); i++) {
        if (!only_passing || passes(criteria, channels[i].fields))
            picked.push_back(i);
    }
    std::stable_sort(picked.begin(), picked.end(), [&](std::size_t a, std::size_t b) {
        for (const auto &[id, order] : criteria.order_by) {
            unsigned long long va = field_or(channels[a].fields, id, ~0ULL);
            unsigned long long vb = field_or(channels[b].fields, id, ~0ULL);
            if (va != vb)
                return order == SORT_ORDER_DESCENDING ? va > vb : va < vb;
        }
        return false;
    });
    return picked;
}

const sim::Channel *channel_by_id(unsigned long long service_id)
{
    for (const sim::Channel &c : tv().channels) {
        auto it = c.fields.find(12);
        if (it != c.fields.end() && it->second == service_id)
            return &c;
    }
    return nullptr;
}

const sim::Channel *pip_channel()
{
    const sim::TvState &t = tv();
    return t.pip_channel < t.channels.size() ? &t.channels[t.pip_channel] : nullptr;
}

// "7-1" when the minor is a real one (0 and 0xFFFF mean none), else "7".
std::string number_text(unsigned short major, unsigned short minor)
{
    std::string text = std::to_string(major);
    if (minor != 0 && minor != kNoNumber)
        text += "-" + std::to_string(minor);
    return text;
}

// Wide text to UTF-8.
std::string narrow(const std::wstring &wide)
{
    std::string text;
    for (wchar_t wc : wide) {
        auto c = static_cast<unsigned long>(wc);
        if (c < 0x80) {
            text += static_cast<char>(c);
        } else if (c < 0x800) {
            text += static_cast<char>(0xC0 | (c >> 6));
            text += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            text += static_cast<char>(0xE0 | (c >> 12));
            text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            text += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            text += static_cast<char>(0xF0 | ((c >> 18) & 0x07));
            text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            text += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return text;
}

// "major-minor name" of a service.
std::string channel_text(const Fields &fields, const std::wstring &name)
{
    auto major = static_cast<unsigned short>(field_or(fields, 13, kNoNumber));
    auto minor = static_cast<unsigned short>(field_or(fields, 14, kNoNumber));
    return number_text(major, minor) + " " + narrow(name);
}

// A forced answer's first record, into a caller's service record.
void fill_forced(TCServiceData &service, const sim::detail::Forced &forced)
{
    if (forced.records.empty())
        return;
    record(service).fields.clear();
    for (const auto &[id, value] : forced.records.front())
        record(service).fields[id] = TSServiceField{id, value};
}

// UTF-8 to wide text, for a forced name.
std::wstring widen(const std::string &text)
{
    std::wstring wide;
    for (std::size_t i = 0; i < text.size();) {
        auto c = static_cast<unsigned char>(text[i]);
        int extra = c < 0x80 ? 0 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
        unsigned long code = extra == 0 ? c : c & (0x3F >> extra);
        for (int k = 1; k <= extra && i + k < text.size(); k++)
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        wide += static_cast<wchar_t>(code);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return wide;
}

// A forced text into a caller's buffer of the menu utilities' size.
void put_forced_text(const sim::detail::Forced &forced, char *buffer)
{
    if (forced.text && buffer)
        std::snprintf(buffer, kTextSize, "%s", forced.text->c_str());
}

// A forced factory hands out no object unless the forced out says which:
// 0 a null object, anything else the stand-in's own object.
template <typename Interface>
int forced_factory(const sim::detail::Forced &forced, Interface *object, Interface **out)
{
    if (forced.out && out)
        *out = *forced.out ? object : nullptr;
    return forced.result;
}

// ---- video control ---------------------------------------------------------

// Values are stored whether committed or previewed: a preview shows on screen
// too. The stand-in keeps the picture size of the main picture only; the
// other profiles answer every picture size call with a failure.
class VideoControl final : public IVideoControl {
public:
    explicit VideoControl(EProfile profile) : profile_(profile) {}

    int GetScreenMode(EScreenModeData *mode) override
    {
        if (auto *f = sim::detail::call("IVideoControl::GetScreenMode", "out"))
            return sim::detail::forced_result(*f, mode);
        SIM_EXPECT(mode != nullptr, "null out-parameter");
        if (profile_ != PROFILE_TYPE_MAIN)
            return kError;
        *mode = static_cast<EScreenModeData>(tv().screen_mode);
        return 0;
    }

    int SetScreenMode(EScreenModeData mode, bool commit) override
    {
        if (auto *f = sim::detail::call("IVideoControl::SetScreenMode", "%d, %d", mode, commit))
            return f->result;
        if (profile_ != PROFILE_TYPE_MAIN)
            return kError;
        if (mode != SCREENMODE_16_9 && mode != SCREENMODE_ZOOM && mode != SCREENMODE_4_3 &&
            mode != SCREENMODE_21_9)
            return kError;
        tv().screen_mode = mode;
        return 0;
    }

    int SetAspectRatio(EPictureSizeType size, bool commit) override
    {
        if (auto *f = sim::detail::call("IVideoControl::SetAspectRatio", "%d, %d", size, commit))
            return f->result;
        if (profile_ != PROFILE_TYPE_MAIN)
            return kError;
        if (static_cast<int>(size) < PICTURESIZE_16_9 || size > PICTURESIZE_ORIGINAL_RATIO)
            return kError;
        tv().picture_size = size;
        return 0;
    }

    int GetPictureSize(EPictureSizeType *size) override
    {
        if (auto *f = sim::detail::call("IVideoControl::GetPictureSize", "out"))
            return sim::detail::forced_result(*f, size);
        SIM_EXPECT(size != nullptr, "null out-parameter");
        if (profile_ != PROFILE_TYPE_MAIN)
            return kError;
        *size = static_cast<EPictureSizeType>(tv().picture_size);
        return 0;
    }

    // Every profile counts the reset; the main picture's values go back to
    // their defaults.
    int ResetPicture() override
    {
        if (auto *f = sim::detail::call("IVideoControl::ResetPicture", "%s", ""))
            return f->result;
        sim::TvState &t = tv();
        t.picture_resets++;
        if (profile_ == PROFILE_TYPE_MAIN) {
            const sim::TvState defaults = sim::detail::default_tv_state();
            t.picture_size = defaults.picture_size;
            t.screen_mode = defaults.screen_mode;
            t.screen_fit = defaults.screen_fit;
            t.auto_wide = defaults.auto_wide;
            t.panorama = defaults.panorama;
        }
        return 0;
    }

    int SetScreenFitOption(EScreenFitOptionType option, bool commit) override
    {
        if (auto *f =
                sim::detail::call("IVideoControl::SetScreenFitOption", "%d, %d", option, commit))
            return f->result;
        if (profile_ != PROFILE_TYPE_MAIN)
            return kError;
        if (static_cast<int>(option) < SCREENFITOPTION_OFF || option > SCREENFITOPTION_AUTO)
            return 0;
        tv().screen_fit = option;
        return 1;
    }

    int GetScreenFitOption(EScreenFitOptionType *option) override
    {
        if (auto *f = sim::detail::call("IVideoControl::GetScreenFitOption", "out"))
            return sim::detail::forced_result(*f, option);
        SIM_EXPECT(option != nullptr, "null out-parameter");
        if (profile_ != PROFILE_TYPE_MAIN)
            return kError;
        *option = static_cast<EScreenFitOptionType>(tv().screen_fit);
        return 1;
    }

    int GetAutoWideOption(bool *on) override
    {
        if (auto *f = sim::detail::call("IVideoControl::GetAutoWideOption", "out"))
            return sim::detail::forced_result(*f, on);
        SIM_EXPECT(on != nullptr, "null out-parameter");
        if (profile_ != PROFILE_TYPE_MAIN)
            return kError;
        *on = tv().auto_wide;
        return 1;
    }

    int SetAutoWideOption(bool on, bool commit) override
    {
        if (auto *f = sim::detail::call("IVideoControl::SetAutoWideOption", "%d, %d", on, commit))
            return f->result;
        if (profile_ != PROFILE_TYPE_MAIN)
            return kError;
        tv().auto_wide = on;
        return 1;
    }

    int GetPanoramaOption(bool *on) override
    {
        if (auto *f = sim::detail::call("IVideoControl::GetPanoramaOption", "out"))
            return sim::detail::forced_result(*f, on);
        SIM_EXPECT(on != nullptr, "null out-parameter");
        if (profile_ != PROFILE_TYPE_MAIN)
            return kError;
        *on = tv().panorama;
        return 1;
    }

    int SetPanoramaOption(bool on, bool commit) override
    {
        if (auto *f = sim::detail::call("IVideoControl::SetPanoramaOption", "%d, %d", on, commit))
            return f->result;
        if (profile_ != PROFILE_TYPE_MAIN)
            return kError;
        tv().panorama = on;
        return 1;
    }

private:
    EProfile profile_;
};

static const sim::detail::Registrar reg_video_control{
    "IVideoControl::GetScreenMode",      "IVideoControl::SetScreenMode",
    "IVideoControl::SetAspectRatio",     "IVideoControl::GetPictureSize",
    "IVideoControl::ResetPicture",       "IVideoControl::SetScreenFitOption",
    "IVideoControl::GetScreenFitOption", "IVideoControl::GetAutoWideOption",
    "IVideoControl::SetAutoWideOption",  "IVideoControl::GetPanoramaOption",
    "IVideoControl::SetPanoramaOption"};

// ---- AV and source controls --------------------------------------------------

class AVControl final : public IAVControl {
public:
    explicit AVControl(EProfile) {}

    // The clean view is an attribute (36) of the current service as well.
    int SetAnalogCleanView(bool on) override
    {
        if (auto *f = sim::detail::call("IAVControl::SetAnalogCleanView", "%d", on))
            return f->result;
        tv().analog_clean_view = on;
        tv().current_service[36] = on ? 1 : 0;
        return 1;
    }
};

static const sim::detail::Registrar reg_av_control{"IAVControl::SetAnalogCleanView"};

class SourceControl final : public ISourceControl {
public:
    explicit SourceControl(EProfile profile) : profile_(profile) {}

    int SetSource(ESource source, const std::string &text) override
    {
        if (auto *f =
                sim::detail::call("ISourceControl::SetSource", "%d, \"%s\"", source, text.c_str()))
            return f->result;
        if (profile_ != PROFILE_TYPE_PIP)
            return 0;  // the stand-in switches only the PIP window's source
        tv().pip_source = source;
        return 1;
    }

    // A forced call leaves the map as it was.
    int CheckSourceStatus(const std::list<ESource> &sources,
                          std::map<ESource, ESourceStatus> &status) override
    {
        std::string listed;
        for (ESource s : sources)
            listed += (listed.empty() ? "" : ", ") + std::to_string(s);
        if (auto *f = sim::detail::call("ISourceControl::CheckSourceStatus", "{%s}, out",
                                        listed.c_str())) {
            if (!f->records.empty())
                for (const auto &[source, st] : f->records.front())
                    status[static_cast<ESource>(source)] = static_cast<ESourceStatus>(st);
            return f->result;
        }
        const std::map<int, int> &known = tv().source_status;
        for (ESource s : sources) {
            auto it = known.find(s);
            status[s] = static_cast<ESourceStatus>(it == known.end() ? 0 : it->second);
        }
        return 1;
    }

private:
    EProfile profile_;
};

static const sim::detail::Registrar reg_source_control{"ISourceControl::SetSource",
                                                       "ISourceControl::CheckSourceStatus"};

// ---- service navigation ----------------------------------------------------

// The main profile's service is State::tv.current_service; the PIP profile's is
// the line-up entry at pip_channel. A forced call leaves its records alone.
class ServiceNavigation final : public IServiceNavigation {
public:
    explicit ServiceNavigation(EProfile profile) : profile_(profile) {}

    int SetService(unsigned long long service_id, int arg1, int arg2,
                   const std::string &text) override
    {
        if (auto *f = sim::detail::call("IServiceNavigation::SetService", "%llu, %d, %d, \"%s\"",
                                        service_id, arg1, arg2, text.c_str()))
            return f->result;
        const sim::Channel *c = channel_by_id(service_id);
        if (!c)
            return 0;
        sim::TvState &t = tv();
        if (profile_ == PROFILE_TYPE_PIP) {
            t.pip_channel = static_cast<std::size_t>(c - t.channels.data());
        } else {
            t.current_service = c->fields;
            t.current_service[36] = t.analog_clean_view ? 1 : 0;
        }
        return 1;
    }

    // Forced outs are the antenna mode and the service mode.
    int GetTvMode(TSTvMode &mode) override
    {
        if (auto *f = sim::detail::call("IServiceNavigation::GetTvMode", "out")) {
            sim::detail::forced_values(*f, &mode.antennaMode, &mode.serviceMode);
            return f->result;
        }
        mode = own_mode();
        return 1;
    }

    int SetTvMode(TSTvMode mode, const std::string &text) override
    {
        if (auto *f = sim::detail::call("IServiceNavigation::SetTvMode", "%s, \"%s\"",
                                        mode_text(mode).c_str(), text.c_str()))
            return f->result;
        own_mode() = mode;
        return 1;
    }

    int GetCurrentServiceInfo(TSTvMode mode, TCCriteriaHelper &criteria,
                              TCServiceData &service) override
    {
        if (auto *f = sim::detail::call("IServiceNavigation::GetCurrentServiceInfo",
                                        "%s, criteria, out", mode_text(mode).c_str())) {
            fill_forced(service, *f);
            return f->result;
        }
        if (profile_ == PROFILE_TYPE_MAIN) {
            fill(service, tv().current_service, criteria_of(criteria));
            return 1;
        }
        const sim::Channel *c = pip_channel();
        if (!c)
            return 0;
        fill(service, c->fields, criteria_of(criteria));
        return 1;
    }

    int GetNextService(TCCriteriaHelper &criteria, TCServiceData &service) override
    {
        if (auto *f = sim::detail::call("IServiceNavigation::GetNextService", "criteria, out")) {
            fill_forced(service, *f);
            return f->result;
        }
        return step(criteria, service, +1);
    }

    int GetPreviousService(TCCriteriaHelper &criteria, TCServiceData &service) override
    {
        if (auto *f =
                sim::detail::call("IServiceNavigation::GetPreviousService", "criteria, out")) {
            fill_forced(service, *f);
            return f->result;
        }
        return step(criteria, service, -1);
    }

    // Returns the number of records. A forced out puts that many of the
    // matching records into the list (none without an out), so a failure
    // can come with services; forced records are put in as they are.
    int GetServiceList(TCCriteriaHelper &criteria, std::list<TCServiceData *> &services,
                       TSTvMode mode, int arg1, int arg2) override
    {
        const sim::detail::Forced *f =
            sim::detail::call("IServiceNavigation::GetServiceList", "criteria, out, %s, %d, %d",
                              mode_text(mode).c_str(), arg1, arg2);
        if (f && !f->records.empty()) {
            for (const auto &fields : f->records) {
                auto *service = new TCServiceData;
                for (const auto &[id, value] : fields)
                    service->SetField(id, value);
                services.push_back(service);
            }
            return f->result;
        }
        std::vector<std::size_t> picked = ordered(criteria_of(criteria), true);
        if (f)
            picked.resize(std::min<std::size_t>(
                picked.size(), f->out ? static_cast<std::size_t>(std::max(*f->out, 0LL)) : 0));
        for (std::size_t i : picked) {
            auto *service = new TCServiceData;
            fill(*service, tv().channels[i].fields, criteria_of(criteria));
            services.push_back(service);
        }
        return f ? f->result : static_cast<int>(picked.size());
    }

private:
    TSTvMode &own_mode() const
    {
        return profile_ == PROFILE_TYPE_PIP ? tv().pip_tv_mode : tv().main_tv_mode;
    }

    // Moves the PIP channel cyclically through the ordered line-up to the
    // next service that the criteria let through; an excluded current
    // channel keeps its place in the order.
    int step(TCCriteriaHelper &criteria, TCServiceData &service, int direction) const
    {
        if (profile_ != PROFILE_TYPE_PIP)
            return 0;  // the stand-in steps only the PIP window's channel
        const Criteria &c = criteria_of(criteria);
        std::vector<std::size_t> order = ordered(c, false);
        sim::TvState &t = tv();
        std::size_t n = order.size();
        auto at = std::find(order.begin(), order.end(), t.pip_channel);
        // Without a current channel the step starts just outside the order.
        std::size_t k = at != order.end() ? static_cast<std::size_t>(at - order.begin())
                        : direction > 0   ? n - 1
                                          : 0;
        for (std::size_t moved = 1; moved <= n; moved++) {
            std::size_t i = order[direction > 0 ? (k + moved) % n : (k + n * 2 - moved) % n];
            if (passes(c, t.channels[i].fields)) {
                t.pip_channel = i;
                fill(service, t.channels[i].fields, c);
                return 1;
            }
        }
        return 0;
    }

    EProfile profile_;
};

static const sim::detail::Registrar reg_navigation{
    "IServiceNavigation::SetService",     "IServiceNavigation::GetTvMode",
    "IServiceNavigation::SetTvMode",      "IServiceNavigation::GetCurrentServiceInfo",
    "IServiceNavigation::GetNextService", "IServiceNavigation::GetPreviousService",
    "IServiceNavigation::GetServiceList"};

// ---- utility and reference count ---------------------------------------------

class Util final : public IUtil {
public:
    int SelectMasterAudio(EProfile profile, int arg) override
    {
        if (auto *f = sim::detail::call("IUtil::SelectMasterAudio", "%d, %d", profile, arg))
            return f->result;
        SIM_EXPECT(arg == 0, "second argument other than 0");
        if (!known_profile(profile))
            return 0;
        tv().master_audio = profile;
        return 1;
    }

    // Forced outs are the master profile and the second value.
    int GetMasterAudio(EProfile *profile, int *arg) override
    {
        if (auto *f = sim::detail::call("IUtil::GetMasterAudio", "out, out")) {
            sim::detail::forced_values(*f, profile, arg);
            return f->result;
        }
        SIM_EXPECT(profile && arg, "null out-parameter");
        *profile = tv().master_audio;
        *arg = 0;
        return 1;
    }
};

static const sim::detail::Registrar reg_util{"IUtil::SelectMasterAudio", "IUtil::GetMasterAudio"};

class ReferenceCount final : public IReferenceCount {
public:
    // A forced increase counts nothing, but its client still owes the release.
    int IncreaseCount() override
    {
        if (auto *f = sim::detail::call("IReferenceCount::IncreaseCount", "%s", "")) {
            tv().uncounted_references++;
            return f->result;
        }
        tv().reference_count++;
        return 1;
    }

    // The release of an uncounted reference is refused; one more release than
    // references taken drives the count below 0, where a double release shows.
    int DecreaseCount() override
    {
        if (auto *f = sim::detail::call("IReferenceCount::DecreaseCount", "%s", ""))
            return f->result;
        sim::TvState &t = tv();
        if (t.reference_count <= 0 && t.uncounted_references > 0) {
            t.uncounted_references--;
            return 0;
        }
        t.reference_count--;
        return t.reference_count >= 0 ? 1 : 0;
    }
};

static const sim::detail::Registrar reg_reference_count{"IReferenceCount::IncreaseCount",
                                                        "IReferenceCount::DecreaseCount"};

// The TV service owns what it hands out: one object per profile, for the
// life of the process.
template <typename Object> Object *per_profile(EProfile profile)
{
    static Object main_object(PROFILE_TYPE_MAIN);
    static Object pip_object(PROFILE_TYPE_PIP);
    return profile == PROFILE_TYPE_PIP ? &pip_object : &main_object;
}

Util *util()
{
    static Util object;
    return &object;
}

ReferenceCount *reference_count()
{
    static ReferenceCount object;
    return &object;
}

// Hands out the profile's object; a profile that the TV service does not know
// gets a failure and a null object, as from the TV service itself.
template <typename Object, typename Interface>
int create(EProfile profile, int arg, Interface **out)
{
    SIM_EXPECT(arg == 0, "second argument other than 0");
    SIM_EXPECT(out != nullptr, "null out-parameter");
    if (!known_profile(profile)) {
        *out = nullptr;
        return kError;
    }
    *out = per_profile<Object>(profile);
    return 0;
}

}  // namespace

// ---- factories ---------------------------------------------------------------

int TVServiceAPI::CreateVideoControl(EProfile profile, int arg, IVideoControl **out)
{
    if (auto *f =
            sim::detail::call("TVServiceAPI::CreateVideoControl", "%d, %d, out", profile, arg))
        return forced_factory<IVideoControl>(*f, per_profile<VideoControl>(profile), out);
    return create<VideoControl>(profile, arg, out);
}

int TVServiceAPI::CreateAVControl(EProfile profile, int arg, IAVControl **out)
{
    if (auto *f = sim::detail::call("TVServiceAPI::CreateAVControl", "%d, %d, out", profile, arg))
        return forced_factory<IAVControl>(*f, per_profile<AVControl>(profile), out);
    return create<AVControl>(profile, arg, out);
}

int TVServiceAPI::CreateSourceControl(EProfile profile, int arg, ISourceControl **out)
{
    if (auto *f =
            sim::detail::call("TVServiceAPI::CreateSourceControl", "%d, %d, out", profile, arg))
        return forced_factory<ISourceControl>(*f, per_profile<SourceControl>(profile), out);
    return create<SourceControl>(profile, arg, out);
}

int TVServiceAPI::CreateServiceNavigation(EProfile profile, int arg, IServiceNavigation **out)
{
    if (auto *f =
            sim::detail::call("TVServiceAPI::CreateServiceNavigation", "%d, %d, out", profile, arg))
        return forced_factory<IServiceNavigation>(*f, per_profile<ServiceNavigation>(profile), out);
    return create<ServiceNavigation>(profile, arg, out);
}

int TVServiceAPI::CreateUtil(IUtil **out)
{
    if (auto *f = sim::detail::call("TVServiceAPI::CreateUtil", "out"))
        return forced_factory<IUtil>(*f, util(), out);
    SIM_EXPECT(out != nullptr, "null out-parameter");
    *out = util();
    return 0;
}

// A forced result of 0 gives null, anything else the proxy.
IReferenceCount *TVServiceAPI::CreateReferenceCount()
{
    if (auto *f = sim::detail::call("TVServiceAPI::CreateReferenceCount", "%s", ""))
        return f->result && !f->null ? reference_count() : nullptr;
    return reference_count();
}

static const sim::detail::Registrar reg_factories{
    "TVServiceAPI::CreateVideoControl",  "TVServiceAPI::CreateAVControl",
    "TVServiceAPI::CreateSourceControl", "TVServiceAPI::CreateServiceNavigation",
    "TVServiceAPI::CreateUtil",          "TVServiceAPI::CreateReferenceCount"};

// ---- records -----------------------------------------------------------------

// A record's accessors work on the caller's own copy, not on the service:
// they are neither journaled nor forceable.
TCServiceData::TCServiceData() : m_fields(new Record)
{
}

TCServiceData::TCServiceData(const TCServiceData &other)
    : m_fields(new Record(*static_cast<const Record *>(other.m_fields)))
{
}

TCServiceData &TCServiceData::operator=(const TCServiceData &other)
{
    if (this != &other)
        *static_cast<Record *>(m_fields) = *static_cast<const Record *>(other.m_fields);
    return *this;
}

TCServiceData::~TCServiceData()
{
    delete static_cast<Record *>(m_fields);
}

const TSServiceField *TCServiceData::GetField(int id) const
{
    const auto &fields = static_cast<const Record *>(m_fields)->fields;
    auto it = fields.find(id);
    return it == fields.end() ? nullptr : &it->second;
}

void TCServiceData::SetField(int id, unsigned long long value)
{
    static_cast<Record *>(m_fields)->fields[id] = TSServiceField{id, value};
}

void TCServiceData::Clear()
{
    static_cast<Record *>(m_fields)->fields.clear();
}

// The criteria describe what the caller asks of the service, so they are
// journaled; a forced call leaves the criteria unchanged.
TCCriteriaHelper::TCCriteriaHelper() : m_criteria(new Criteria)
{
}

TCCriteriaHelper::~TCCriteriaHelper()
{
    delete static_cast<Criteria *>(m_criteria);
}

void TCCriteriaHelper::Fetch(int field)
{
    if (sim::detail::call("TCCriteriaHelper::Fetch", "%d", field))
        return;
    static_cast<Criteria *>(m_criteria)->fetch.push_back(field);
}

void TCCriteriaHelper::WhereNot(int field, unsigned long long value)
{
    if (sim::detail::call("TCCriteriaHelper::WhereNot", "%d, %llu", field, value))
        return;
    static_cast<Criteria *>(m_criteria)->where_not.emplace_back(field, value);
}

void TCCriteriaHelper::OrderBy(int field, ESortOrder order)
{
    if (sim::detail::call("TCCriteriaHelper::OrderBy", "%d, %d", field, order))
        return;
    auto &keys = static_cast<Criteria *>(m_criteria)->order_by;
    keys.erase(std::remove_if(keys.begin(), keys.end(),
                              [field](const auto &k) { return k.first == field; }),
               keys.end());
    keys.emplace_back(field, order);
}

void TCCriteriaHelper::RemoveOrderBy(int field)
{
    if (sim::detail::call("TCCriteriaHelper::RemoveOrderBy", "%d", field))
        return;
    auto &keys = static_cast<Criteria *>(m_criteria)->order_by;
    keys.erase(std::remove_if(keys.begin(), keys.end(),
                              [field](const auto &k) { return k.first == field; }),
               keys.end());
}

static const sim::detail::Registrar reg_criteria{
    "TCCriteriaHelper::Fetch", "TCCriteriaHelper::WhereNot", "TCCriteriaHelper::OrderBy",
    "TCCriteriaHelper::RemoveOrderBy"};

// Navigation by channel number: the criteria sort by major number (13).
// A forced result != 0 is true, and leaves the criteria unchanged.
bool TCNavigationModeHelper::GetNavigationCriteria(ENavigationMode mode, TSTvMode tvMode,
                                                   TCCriteriaHelper &criteria,
                                                   unsigned long long id)
{
    if (auto *f =
            sim::detail::call("TCNavigationModeHelper::GetNavigationCriteria",
                              "%d, %s, criteria, 0x%llX", mode, mode_text(tvMode).c_str(), id))
        return f->result != 0;
    if (mode != NAVIGATION_MODE_ALL)
        return false;  // the only mode the stand-in knows
    criteria_of(criteria).order_by.assign(1, {13, SORT_ORDER_ASCENDING});
    return true;
}

bool TCNavigationModeHelper::GetNavigationCriteria(TSTvMode tvMode, ENavigationMode mode,
                                                   TCCriteriaHelper &criteria,
                                                   unsigned long long id)
{
    if (auto *f =
            sim::detail::call("TCNavigationModeHelper::GetNavigationCriteria",
                              "%s, %d, criteria, 0x%llX", mode_text(tvMode).c_str(), mode, id))
        return f->result != 0;
    if (mode != NAVIGATION_MODE_ALL)
        return false;  // the only mode the stand-in knows
    criteria_of(criteria).order_by.assign(1, {13, SORT_ORDER_ASCENDING});
    return true;
}

// A forced result != 0 is true and leaves the name alone unless a text is forced.
bool TCServiceDataUtility::GetServiceName(unsigned long long serviceId, std::wstring &name,
                                          bool full)
{
    if (auto *f = sim::detail::call("TCServiceDataUtility::GetServiceName", "%llu, out, %d",
                                    serviceId, full)) {
        if (f->text)
            name = widen(*f->text);
        return f->result != 0;
    }
    const sim::Channel *c = channel_by_id(serviceId);
    if (!c)
        return false;
    name = c->name;
    return true;
}

static const sim::detail::Registrar reg_record_helpers{
    "TCNavigationModeHelper::GetNavigationCriteria", "TCServiceDataUtility::GetServiceName"};

// ---- menu utilities ----------------------------------------------------------

int CMenuUtil::GetSourceStatus(ESource source, EProfile profile)
{
    if (auto *f = sim::detail::call("CMenuUtil::GetSourceStatus", "%d, %d", source, profile))
        return f->result;
    if (!known_profile(profile))
        return SOURCE_STATUS_NOT_AVAILABLE;
    const std::map<int, int> &known = tv().source_status;
    auto it = known.find(source);
    return it == known.end() ? SOURCE_STATUS_AVAILABLE : it->second;
}

// Writes "major-minor name" of the PIP channel (or of the main picture's
// service); -1 leaves the buffer alone when there is no such service.
int CMenuUtil::GetChannelString(char *text, bool pip)
{
    if (auto *f = sim::detail::call("CMenuUtil::GetChannelString", "buffer, %d", pip)) {
        put_forced_text(*f, text);
        return f->result;
    }
    SIM_EXPECT(text != nullptr, "null buffer");
    std::string channel;
    if (pip) {
        const sim::Channel *c = pip_channel();
        if (!c)
            return kError;
        channel = channel_text(c->fields, c->name);
    } else {
        const Fields &current = tv().current_service;
        const sim::Channel *c = channel_by_id(field_or(current, 12, ~0ULL));
        if (!c)
            return kError;
        channel = channel_text(current, c->name);
    }
    std::snprintf(text, kTextSize, "%s", channel.c_str());
    return 0;
}

// A forced call of a function without result does nothing more.
void CMenuUtil::FlushCache()
{
    sim::detail::call("CMenuUtil::FlushCache", "%s", "");
}

// The flags: a forced result != 0 is true.
bool CMenuUtil::FlagATSC()
{
    if (auto *f = sim::detail::call("CMenuUtil::FlagATSC", "%s", ""))
        return f->result != 0;
    return tv().atsc;
}

bool CMenuUtil::FlagLFDProductModel()
{
    if (auto *f = sim::detail::call("CMenuUtil::FlagLFDProductModel", "%s", ""))
        return f->result != 0;
    return tv().lfd_product;
}

bool CMenuUtil::CheckApplicationVisible(const char *appId)
{
    if (auto *f = sim::detail::call("CMenuUtil::CheckApplicationVisible", "\"%s\"",
                                    appId ? appId : "(null)"))
        return f->result != 0;
    SIM_EXPECT(appId != nullptr, "null application id");
    return sim::state().visible_apps.count(appId) != 0;
}

static const sim::detail::Registrar reg_menu_util{
    "CMenuUtil::GetSourceStatus",     "CMenuUtil::GetChannelString",
    "CMenuUtil::FlushCache",          "CMenuUtil::FlagATSC",
    "CMenuUtil::FlagLFDProductModel", "CMenuUtil::CheckApplicationVisible"};

// The stand-in keeps the antenna of the PIP window only (other profiles fail);
// types 0 to 39 exist.
int CAntennaUtil::GetAntennaMode(EMenuAntennaType *mode, EProfile profile)
{
    if (auto *f = sim::detail::call("CAntennaUtil::GetAntennaMode", "out, %d", profile))
        return sim::detail::forced_result(*f, mode);
    SIM_EXPECT(mode != nullptr, "null out-parameter");
    if (profile != PROFILE_TYPE_PIP)
        return kError;
    *mode = static_cast<EMenuAntennaType>(tv().pip_antenna_mode);
    return 0;
}

int CAntennaUtil::SetAntennaMode(EMenuAntennaType mode, EProfile profile)
{
    if (auto *f = sim::detail::call("CAntennaUtil::SetAntennaMode", "%d, %d", mode, profile))
        return f->result;
    if (profile != PROFILE_TYPE_PIP || static_cast<int>(mode) < 0 || mode >= kAntennaTypes)
        return kError;
    tv().pip_antenna_mode = mode;
    return 0;
}

void CAntennaUtil::SetAvailableAntennaModeForPIP()
{
    sim::detail::call("CAntennaUtil::SetAvailableAntennaModeForPIP", "%s", "");
}

// A forced call leaves the buffer alone, unless a text is forced.
void CAntennaUtil::GetAntennaName(EMenuAntennaType mode, char *name)
{
    if (auto *f = sim::detail::call("CAntennaUtil::GetAntennaName", "%d, buffer", mode)) {
        put_forced_text(*f, name);
        return;
    }
    SIM_EXPECT(name != nullptr, "null buffer");
    static const char *const kNamed[] = {"Air", "Cable", "Satellite"};
    int type = mode;
    if (type >= 0 && type < 3)
        std::snprintf(name, kTextSize, "%s", kNamed[type]);
    else
        std::snprintf(name, kTextSize, "Antenna %d", type);
}

static const sim::detail::Registrar reg_antenna_util{
    "CAntennaUtil::GetAntennaMode", "CAntennaUtil::SetAntennaMode",
    "CAntennaUtil::SetAvailableAntennaModeForPIP", "CAntennaUtil::GetAntennaName"};

// A forced result is the profile.
EProfile CTvService::GetCurrentProfile()
{
    if (auto *f = sim::detail::call("CTvService::GetCurrentProfile", "%s", ""))
        return static_cast<EProfile>(f->result);
    return tv().current_profile;
}

// A forced call of the two text functions gives the forced text, or the empty one.
std::string CTvService::ChannelNumberString(TSTvMode mode, int channelType, unsigned short major,
                                            unsigned short minor)
{
    if (auto *f = sim::detail::call("CTvService::ChannelNumberString", "%s, %d, %u, %u",
                                    mode_text(mode).c_str(), channelType, major, minor))
        return f->text.value_or("");
    return number_text(major, minor);
}

std::string CTvService::Twstring2String(const std::wstring &text)
{
    std::string narrowed = narrow(text);
    if (auto *f = sim::detail::call("CTvService::Twstring2String", "\"%s\"", narrowed.c_str()))
        return f->text.value_or("");
    return narrowed;
}

static const sim::detail::Registrar reg_tv_service{"CTvService::GetCurrentProfile",
                                                   "CTvService::ChannelNumberString",
                                                   "CTvService::Twstring2String"};

namespace sim::detail {

// An ATSC line-up: the PIP window starts on the first channel, the main
// picture shows it too; 11-1 is a data service (channel type 9) that the
// navigation leaves out, 24 has no minor number.
TvState default_tv_state()
{
    TvState t;
    t.channels = {
        {{{1, 2}, {12, 1001}, {13, 7}, {14, 1}}, L"KTV News"},
        {{{1, 2}, {12, 1002}, {13, 7}, {14, 2}}, L"KTV Weather"},
        {{{1, 1}, {12, 1003}, {13, 9}, {14, 0}}, L"Channel 9"},
        {{{1, 9}, {12, 1004}, {13, 11}, {14, 1}}, L"Data Service"},
        {{{1, 4}, {12, 1005}, {13, 24}}, L"City Cable"},
    };
    t.pip_channel = 0;
    t.current_service = t.channels[0].fields;
    t.current_service[36] = 0;  // analog clean view off
    t.atsc = true;
    return t;
}

// The handed-out objects keep no state of their own (it all lives in
// State::tv) and last as long as the process, so nothing is released.
void reset_tv_objects()
{
}

}  // namespace sim::detail
