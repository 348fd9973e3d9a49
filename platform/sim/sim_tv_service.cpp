// Stand-in TV service: per-profile control objects that work on State::tv,
// their factories and the TV's defaults. The records and criteria are in
// sim_tv_records.cpp, the menu utilities in sim_menu_util.cpp.
#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "menu_util.h"
#include "sim_internal.h"
#include "sim_tv_internal.h"
#include "tv_service.h"

namespace {

using namespace sim::tvs;

// ---- video control ---------------------------------------------------------

// Values are stored whether committed or previewed: a preview shows on screen
// too. The stand-in keeps the picture size of the main picture only; the
// other profiles answer every picture size call with a failure.

// The getters and setters of one value of the main picture, generated: where
// it lives, what the TV service answers for success, which values the setter
// takes and what it answers for one it does not take.
template <typename T, typename F> struct VideoValue {
    F sim::TvState::*field;
    int success;
    bool (*takes)(T value);  // null: every value
    int refused;
};

template <auto Get, typename T, typename F>
int get_video_value(EProfile profile, const VideoValue<T, F> &v, T *out)
{
    if (auto *f = sim::detail::call<Get>(out))
        return sim::detail::forced_result(*f, out);
    SIM_EXPECT(out != nullptr, "null out-parameter");
    if (profile != PROFILE_TYPE_MAIN)
        return kError;
    *out = static_cast<T>(tv().*v.field);
    return v.success;
}

template <auto Set, typename T, typename F>
int set_video_value(EProfile profile, const VideoValue<T, F> &v, T value, bool commit)
{
    if (auto *f = sim::detail::call<Set>(value, commit))
        return f->result;
    if (profile != PROFILE_TYPE_MAIN)
        return kError;
    if (v.takes && !v.takes(value))
        return v.refused;
    tv().*v.field = static_cast<F>(value);
    return v.success;
}

bool takes_screen_mode(EScreenModeData mode)
{
    return mode == SCREENMODE_16_9 || mode == SCREENMODE_ZOOM || mode == SCREENMODE_4_3 ||
           mode == SCREENMODE_21_9;
}

bool takes_picture_size(EPictureSizeType size)
{
    return static_cast<int>(size) >= PICTURESIZE_16_9 && size <= PICTURESIZE_ORIGINAL_RATIO;
}

bool takes_screen_fit(EScreenFitOptionType option)
{
    return static_cast<int>(option) >= SCREENFITOPTION_OFF && option <= SCREENFITOPTION_AUTO;
}

// The screen mode and picture size answer 0 for success, the options 1.
const VideoValue<EScreenModeData, int> kScreenMode{&sim::TvState::screen_mode, 0, takes_screen_mode,
                                                   kError};
const VideoValue<EPictureSizeType, int> kPictureSize{&sim::TvState::picture_size, 0,
                                                     takes_picture_size, kError};
const VideoValue<EScreenFitOptionType, int> kScreenFit{&sim::TvState::screen_fit, 1,
                                                       takes_screen_fit, 0};
const VideoValue<bool, bool> kAutoWide{&sim::TvState::auto_wide, 1, nullptr, 0};
const VideoValue<bool, bool> kPanorama{&sim::TvState::panorama, 1, nullptr, 0};

class VideoControl final : public IVideoControl {
public:
    explicit VideoControl(EProfile profile) : profile_(profile) {}

    int GetScreenMode(EScreenModeData *mode) override
    {
        return get_video_value<&IVideoControl::GetScreenMode>(profile_, kScreenMode, mode);
    }
    int SetScreenMode(EScreenModeData mode, bool commit) override
    {
        return set_video_value<&IVideoControl::SetScreenMode>(profile_, kScreenMode, mode, commit);
    }
    int GetPictureSize(EPictureSizeType *size) override
    {
        return get_video_value<&IVideoControl::GetPictureSize>(profile_, kPictureSize, size);
    }
    int SetAspectRatio(EPictureSizeType size, bool commit) override
    {
        return set_video_value<&IVideoControl::SetAspectRatio>(profile_, kPictureSize, size,
                                                               commit);
    }
    int GetScreenFitOption(EScreenFitOptionType *option) override
    {
        return get_video_value<&IVideoControl::GetScreenFitOption>(profile_, kScreenFit, option);
    }
    int SetScreenFitOption(EScreenFitOptionType option, bool commit) override
    {
        return set_video_value<&IVideoControl::SetScreenFitOption>(profile_, kScreenFit, option,
                                                                   commit);
    }
    int GetAutoWideOption(bool *on) override
    {
        return get_video_value<&IVideoControl::GetAutoWideOption>(profile_, kAutoWide, on);
    }
    int SetAutoWideOption(bool on, bool commit) override
    {
        return set_video_value<&IVideoControl::SetAutoWideOption>(profile_, kAutoWide, on, commit);
    }
    int GetPanoramaOption(bool *on) override
    {
        return get_video_value<&IVideoControl::GetPanoramaOption>(profile_, kPanorama, on);
    }
    int SetPanoramaOption(bool on, bool commit) override
    {
        return set_video_value<&IVideoControl::SetPanoramaOption>(profile_, kPanorama, on, commit);
    }

    // Every profile counts the reset; the main picture's values go back to
    // their defaults.
    int ResetPicture() override
    {
        if (auto *f = sim::detail::call<&IVideoControl::ResetPicture>())
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

private:
    EProfile profile_;
};

// ---- AV and source controls --------------------------------------------------

class AVControl final : public IAVControl {
public:
    explicit AVControl(EProfile) {}

    // The clean view is an attribute (36) of the current service as well.
    int SetAnalogCleanView(bool on) override
    {
        if (auto *f = sim::detail::call<&IAVControl::SetAnalogCleanView>(on))
            return f->result;
        tv().analog_clean_view = on;
        tv().current_service[36] = on ? 1 : 0;
        return 1;
    }
};

class SourceControl final : public ISourceControl {
public:
    explicit SourceControl(EProfile profile) : profile_(profile) {}

    int SetSource(ESource source, const std::string &text) override
    {
        if (auto *f = sim::detail::call<&ISourceControl::SetSource>(source, text))
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
        if (auto *f = sim::detail::call<&ISourceControl::CheckSourceStatus>(sources, status)) {
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

// ---- service navigation ----------------------------------------------------

// The main profile's service is State::tv.current_service; the PIP profile's is
// the line-up entry at pip_channel. A forced call leaves its records alone.
class ServiceNavigation final : public IServiceNavigation {
public:
    explicit ServiceNavigation(EProfile profile) : profile_(profile) {}

    int SetService(unsigned long long service_id, int arg1, int arg2,
                   const std::string &text) override
    {
        if (auto *f =
                sim::detail::call<&IServiceNavigation::SetService>(service_id, arg1, arg2, text))
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
        if (auto *f = sim::detail::call<&IServiceNavigation::GetTvMode>(mode)) {
            sim::detail::forced_values(*f, &mode.antennaMode, &mode.serviceMode);
            return f->result;
        }
        mode = own_mode();
        return 1;
    }

    int SetTvMode(TSTvMode mode, const std::string &text) override
    {
        if (auto *f = sim::detail::call<&IServiceNavigation::SetTvMode>(mode, text))
            return f->result;
        own_mode() = mode;
        return 1;
    }

    int GetCurrentServiceInfo(TSTvMode mode, TCCriteriaHelper &criteria,
                              TCServiceData &service) override
    {
        if (auto *f = sim::detail::call<&IServiceNavigation::GetCurrentServiceInfo>(mode, criteria,
                                                                                    service)) {
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
        if (auto *f = sim::detail::call<&IServiceNavigation::GetNextService>(criteria, service)) {
            fill_forced(service, *f);
            return f->result;
        }
        return step(criteria, service, +1);
    }

    int GetPreviousService(TCCriteriaHelper &criteria, TCServiceData &service) override
    {
        if (auto *f =
                sim::detail::call<&IServiceNavigation::GetPreviousService>(criteria, service)) {
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
        const sim::detail::Forced *f = sim::detail::call<&IServiceNavigation::GetServiceList>(
            criteria, services, mode, arg1, arg2);
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

// ---- utility and reference count ---------------------------------------------

class Util final : public IUtil {
public:
    int SelectMasterAudio(EProfile profile, int arg) override
    {
        if (auto *f = sim::detail::call<&IUtil::SelectMasterAudio>(profile, arg))
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
        if (auto *f = sim::detail::call<&IUtil::GetMasterAudio>(profile, arg)) {
            sim::detail::forced_values(*f, profile, arg);
            return f->result;
        }
        SIM_EXPECT(profile && arg, "null out-parameter");
        *profile = tv().master_audio;
        *arg = 0;
        return 1;
    }
};

class ReferenceCount final : public IReferenceCount {
public:
    // A forced increase counts nothing, but its client still owes the release.
    int IncreaseCount() override
    {
        if (auto *f = sim::detail::call<&IReferenceCount::IncreaseCount>()) {
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
        if (auto *f = sim::detail::call<&IReferenceCount::DecreaseCount>())
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
    if (auto *f = sim::detail::call<&TVServiceAPI::CreateVideoControl>(profile, arg, out))
        return forced_factory<IVideoControl>(*f, per_profile<VideoControl>(profile), out);
    return create<VideoControl>(profile, arg, out);
}

int TVServiceAPI::CreateAVControl(EProfile profile, int arg, IAVControl **out)
{
    if (auto *f = sim::detail::call<&TVServiceAPI::CreateAVControl>(profile, arg, out))
        return forced_factory<IAVControl>(*f, per_profile<AVControl>(profile), out);
    return create<AVControl>(profile, arg, out);
}

int TVServiceAPI::CreateSourceControl(EProfile profile, int arg, ISourceControl **out)
{
    if (auto *f = sim::detail::call<&TVServiceAPI::CreateSourceControl>(profile, arg, out))
        return forced_factory<ISourceControl>(*f, per_profile<SourceControl>(profile), out);
    return create<SourceControl>(profile, arg, out);
}

int TVServiceAPI::CreateServiceNavigation(EProfile profile, int arg, IServiceNavigation **out)
{
    if (auto *f = sim::detail::call<&TVServiceAPI::CreateServiceNavigation>(profile, arg, out))
        return forced_factory<IServiceNavigation>(*f, per_profile<ServiceNavigation>(profile), out);
    return create<ServiceNavigation>(profile, arg, out);
}

int TVServiceAPI::CreateUtil(IUtil **out)
{
    if (auto *f = sim::detail::call<&TVServiceAPI::CreateUtil>(out))
        return forced_factory<IUtil>(*f, util(), out);
    SIM_EXPECT(out != nullptr, "null out-parameter");
    *out = util();
    return 0;
}

// A forced result of 0 gives null, anything else the proxy.
IReferenceCount *TVServiceAPI::CreateReferenceCount()
{
    if (auto *f = sim::detail::call<&TVServiceAPI::CreateReferenceCount>())
        return f->result && !f->null ? reference_count() : nullptr;
    return reference_count();
}

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
