// The proxies' methods: the call line, the object's own method, the answer.
#include "tv_proxies.h"

#include "call_line.h"

namespace recorder {
namespace {

// Service records are read field by field; the ids the TV service uses lie
// below this.
constexpr int kProbedFields = 256;

}  // namespace

std::string mode_text(const TSTvMode &mode)
{
    return "{" + std::to_string(mode.antennaMode) + ", " + std::to_string(mode.serviceMode) + "}";
}

std::string narrow(const std::wstring &wide)
{
    std::string text;
    for (wchar_t wc : wide) {
        auto c = static_cast<unsigned long>(wc);
        int extra = c < 0x80 ? 0 : c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
        static const unsigned char kLead[] = {0x00, 0xC0, 0xE0, 0xF0};
        text += static_cast<char>(kLead[extra] | (c >> (6 * extra)));
        for (int k = extra - 1; k >= 0; k--)
            text += static_cast<char>(0x80 | ((c >> (6 * k)) & 0x3F));
    }
    return text;
}

std::map<int, unsigned long long> fields_of(const TCServiceData &service)
{
    std::map<int, unsigned long long> fields;
    for (int id = 0; id < kProbedFields; id++)
        if (const TSServiceField *f = service.GetField(id))
            fields[id] = f->value;
    return fields;
}

// ---- video control ---------------------------------------------------------

#define VIDEO_GETTER(method, out_type)                                                             \
    int VideoControlProxy::method(out_type value)                                                  \
    {                                                                                              \
        CallLine c("IVideoControl::" #method);                                                     \
        c.word("out");                                                                             \
        int r = real_->method(value);                                                              \
        c.result(r).out(value ? static_cast<long long>(*value) : 0);                               \
        return r;                                                                                  \
    }
#define VIDEO_SETTER(method, type)                                                                 \
    int VideoControlProxy::method(type value, bool commit)                                         \
    {                                                                                              \
        CallLine c("IVideoControl::" #method);                                                     \
        c.arg(value).arg(commit);                                                                  \
        int r = real_->method(value, commit);                                                      \
        c.result(r);                                                                               \
        return r;                                                                                  \
    }

VIDEO_GETTER(GetScreenMode, EScreenModeData *)
VIDEO_SETTER(SetScreenMode, EScreenModeData)
VIDEO_SETTER(SetAspectRatio, EPictureSizeType)
VIDEO_GETTER(GetPictureSize, EPictureSizeType *)
VIDEO_SETTER(SetScreenFitOption, EScreenFitOptionType)
VIDEO_GETTER(GetScreenFitOption, EScreenFitOptionType *)
VIDEO_GETTER(GetAutoWideOption, bool *)
VIDEO_SETTER(SetAutoWideOption, bool)
VIDEO_GETTER(GetPanoramaOption, bool *)
VIDEO_SETTER(SetPanoramaOption, bool)

int VideoControlProxy::ResetPicture()
{
    CallLine c("IVideoControl::ResetPicture");
    int r = real_->ResetPicture();
    c.result(r);
    return r;
}

// ---- AV and source controls ------------------------------------------------

int AVControlProxy::SetAnalogCleanView(bool on)
{
    CallLine c("IAVControl::SetAnalogCleanView");
    c.arg(on);
    int r = real_->SetAnalogCleanView(on);
    c.result(r);
    return r;
}

int SourceControlProxy::SetSource(ESource source, const std::string &text)
{
    CallLine c("ISourceControl::SetSource");
    c.arg(source).text(text);
    int r = real_->SetSource(source, text);
    c.result(r);
    return r;
}

int SourceControlProxy::CheckSourceStatus(const std::list<ESource> &sources,
                                          std::map<ESource, ESourceStatus> &status)
{
    CallLine c("ISourceControl::CheckSourceStatus");
    std::string listed;
    for (ESource s : sources)
        listed += (listed.empty() ? "" : ", ") + std::to_string(s);
    c.raw("{" + listed + "}").word("out");
    int r = real_->CheckSourceStatus(sources, status);
    std::map<int, unsigned long long> answered;
    for (const auto &[source, st] : status)
        answered[source] = static_cast<unsigned long long>(st);
    c.result(r).out_record(answered);
    return r;
}

// ---- service navigation ----------------------------------------------------

int ServiceNavigationProxy::SetService(unsigned long long service_id, int arg1, int arg2,
                                       const std::string &text)
{
    CallLine c("IServiceNavigation::SetService");
    c.arg_unsigned(service_id).arg(arg1).arg(arg2).text(text);
    int r = real_->SetService(service_id, arg1, arg2, text);
    c.result(r);
    return r;
}

int ServiceNavigationProxy::GetTvMode(TSTvMode &mode)
{
    CallLine c("IServiceNavigation::GetTvMode");
    c.word("out");
    int r = real_->GetTvMode(mode);
    c.result(r).out(mode.antennaMode).out(mode.serviceMode);
    return r;
}

int ServiceNavigationProxy::SetTvMode(TSTvMode mode, const std::string &text)
{
    CallLine c("IServiceNavigation::SetTvMode");
    c.raw(mode_text(mode)).text(text);
    int r = real_->SetTvMode(mode, text);
    c.result(r);
    return r;
}

int ServiceNavigationProxy::GetCurrentServiceInfo(TSTvMode mode, TCCriteriaHelper &criteria,
                                                  TCServiceData &service)
{
    CallLine c("IServiceNavigation::GetCurrentServiceInfo");
    c.raw(mode_text(mode)).word("criteria").word("out");
    int r = real_->GetCurrentServiceInfo(mode, criteria, service);
    c.result(r);
    if (c.on())
        c.out_record(fields_of(service));
    return r;
}

int ServiceNavigationProxy::GetNextService(TCCriteriaHelper &criteria, TCServiceData &service)
{
    CallLine c("IServiceNavigation::GetNextService");
    c.word("criteria").word("out");
    int r = real_->GetNextService(criteria, service);
    c.result(r);
    if (c.on())
        c.out_record(fields_of(service));
    return r;
}

int ServiceNavigationProxy::GetPreviousService(TCCriteriaHelper &criteria, TCServiceData &service)
{
    CallLine c("IServiceNavigation::GetPreviousService");
    c.word("criteria").word("out");
    int r = real_->GetPreviousService(criteria, service);
    c.result(r);
    if (c.on())
        c.out_record(fields_of(service));
    return r;
}

int ServiceNavigationProxy::GetServiceList(TCCriteriaHelper &criteria,
                                           std::list<TCServiceData *> &services, TSTvMode mode,
                                           int arg1, int arg2)
{
    CallLine c("IServiceNavigation::GetServiceList");
    c.word("criteria").word("out").raw(mode_text(mode)).arg(arg1).arg(arg2);
    std::size_t before = services.size();
    int r = real_->GetServiceList(criteria, services, mode, arg1, arg2);
    c.result(r);
    if (c.on()) {
        auto it = services.begin();
        std::advance(it, static_cast<long>(std::min(before, services.size())));
        for (; it != services.end(); ++it)
            if (*it)
                c.out_record(fields_of(**it));
    }
    return r;
}

// ---- utility and reference count --------------------------------------------

int UtilProxy::SelectMasterAudio(EProfile profile, int arg)
{
    CallLine c("IUtil::SelectMasterAudio");
    c.arg(profile).arg(arg);
    int r = real_->SelectMasterAudio(profile, arg);
    c.result(r);
    return r;
}

int UtilProxy::GetMasterAudio(EProfile *profile, int *arg)
{
    CallLine c("IUtil::GetMasterAudio");
    c.word("out").word("out");
    int r = real_->GetMasterAudio(profile, arg);
    c.result(r).out(profile ? *profile : 0).out(arg ? *arg : 0);
    return r;
}

int ReferenceCountProxy::IncreaseCount()
{
    CallLine c("IReferenceCount::IncreaseCount");
    int r = real_->IncreaseCount();
    c.result(r);
    return r;
}

int ReferenceCountProxy::DecreaseCount()
{
    CallLine c("IReferenceCount::DecreaseCount");
    int r = real_->DecreaseCount();
    c.result(r);
    return r;
}

}  // namespace recorder
