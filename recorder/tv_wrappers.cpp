// Wrappers of the TV service's functions and the menu utilities. The objects
// the factories hand out are wrapped in proxies (tv_proxies.h) that record
// their methods.
#include <cstring>
#include <string>

#include "call_line.h"
#include "menu_util.h"
#include "tv_proxies.h"
#include "tv_service.h"
#include "wrapper_table.h"

namespace recorder {
namespace {

constexpr std::size_t kTextSize = 512;  // the menu utilities' text buffers

std::string buffer_text(const char *buffer)
{
    return buffer ? std::string(buffer, strnlen(buffer, kTextSize)) : std::string();
}

template <typename Interface, typename Proxy>
int factory(const char *name, EProfile profile, int arg, Interface **out,
            int (*create)(EProfile, int, Interface **))
{
    CallLine c(name);
    c.arg(profile).arg(arg).word("out");
    int r = create(profile, arg, out);
    if (out && *out)
        *out = proxy_of<Proxy>(*out);
    c.result(r).out_object(out && *out);
    return r;
}

int w_CreateVideoControl(EProfile profile, int arg, IVideoControl **out)
{
    return factory<IVideoControl, VideoControlProxy>("TVServiceAPI::CreateVideoControl", profile,
                                                     arg, out, TVServiceAPI::CreateVideoControl);
}

int w_CreateAVControl(EProfile profile, int arg, IAVControl **out)
{
    return factory<IAVControl, AVControlProxy>("TVServiceAPI::CreateAVControl", profile, arg, out,
                                               TVServiceAPI::CreateAVControl);
}

int w_CreateSourceControl(EProfile profile, int arg, ISourceControl **out)
{
    return factory<ISourceControl, SourceControlProxy>("TVServiceAPI::CreateSourceControl", profile,
                                                       arg, out, TVServiceAPI::CreateSourceControl);
}

int w_CreateServiceNavigation(EProfile profile, int arg, IServiceNavigation **out)
{
    return factory<IServiceNavigation, ServiceNavigationProxy>(
        "TVServiceAPI::CreateServiceNavigation", profile, arg, out,
        TVServiceAPI::CreateServiceNavigation);
}

int w_CreateUtil(IUtil **out)
{
    CallLine c("TVServiceAPI::CreateUtil");
    c.word("out");
    int r = TVServiceAPI::CreateUtil(out);
    if (out && *out)
        *out = proxy_of<UtilProxy>(*out);
    c.result(r).out_object(out && *out);
    return r;
}

IReferenceCount *w_CreateReferenceCount()
{
    CallLine c("TVServiceAPI::CreateReferenceCount");
    IReferenceCount *r = TVServiceAPI::CreateReferenceCount();
    if (r)
        r = proxy_of<ReferenceCountProxy>(r);
    c.result_object(r != nullptr);
    return r;
}

// Member functions of the records are called with the object first.
void w_Fetch(TCCriteriaHelper *self, int field)
{
    CallLine c("TCCriteriaHelper::Fetch");
    c.arg(field).done();
    self->Fetch(field);
}

void w_WhereNot(TCCriteriaHelper *self, int field, unsigned long long value)
{
    CallLine c("TCCriteriaHelper::WhereNot");
    c.arg(field).arg_unsigned(value).done();
    self->WhereNot(field, value);
}

void w_OrderBy(TCCriteriaHelper *self, int field, ESortOrder order)
{
    CallLine c("TCCriteriaHelper::OrderBy");
    c.arg(field).arg(order).done();
    self->OrderBy(field, order);
}

void w_RemoveOrderBy(TCCriteriaHelper *self, int field)
{
    CallLine c("TCCriteriaHelper::RemoveOrderBy");
    c.arg(field).done();
    self->RemoveOrderBy(field);
}

bool w_GetNavigationCriteria1(ENavigationMode mode, TSTvMode tv_mode, TCCriteriaHelper &criteria,
                              unsigned long long id)
{
    CallLine c("TCNavigationModeHelper::GetNavigationCriteria");
    c.arg(mode).raw(mode_text(tv_mode)).word("criteria").hex(id);
    bool r = TCNavigationModeHelper::GetNavigationCriteria(mode, tv_mode, criteria, id);
    c.result(r);
    return r;
}

bool w_GetNavigationCriteria2(TSTvMode tv_mode, ENavigationMode mode, TCCriteriaHelper &criteria,
                              unsigned long long id)
{
    CallLine c("TCNavigationModeHelper::GetNavigationCriteria");
    c.raw(mode_text(tv_mode)).arg(mode).word("criteria").hex(id);
    bool r = TCNavigationModeHelper::GetNavigationCriteria(tv_mode, mode, criteria, id);
    c.result(r);
    return r;
}

bool w_GetServiceName(unsigned long long id, std::wstring &name, bool full)
{
    CallLine c("TCServiceDataUtility::GetServiceName");
    c.arg_unsigned(id).word("out").arg(full);
    bool r = TCServiceDataUtility::GetServiceName(id, name, full);
    c.result(r).out_text(narrow(name));
    return r;
}

int w_GetSourceStatus(ESource source, EProfile profile)
{
    CallLine c("CMenuUtil::GetSourceStatus");
    c.arg(source).arg(profile);
    int r = CMenuUtil::GetSourceStatus(source, profile);
    c.result(r);
    return r;
}

int w_GetChannelString(char *text, bool pip)
{
    CallLine c("CMenuUtil::GetChannelString");
    c.word("buffer").arg(pip);
    int r = CMenuUtil::GetChannelString(text, pip);
    c.result(r);
    if (r == 0)
        c.out_text(buffer_text(text));
    return r;
}

void w_FlushCache()
{
    CallLine c("CMenuUtil::FlushCache");
    c.done();
    CMenuUtil::FlushCache();
}

bool w_FlagATSC()
{
    CallLine c("CMenuUtil::FlagATSC");
    bool r = CMenuUtil::FlagATSC();
    c.result(r);
    return r;
}

bool w_FlagLFDProductModel()
{
    CallLine c("CMenuUtil::FlagLFDProductModel");
    bool r = CMenuUtil::FlagLFDProductModel();
    c.result(r);
    return r;
}

bool w_CheckApplicationVisible(const char *app_id)
{
    CallLine c("CMenuUtil::CheckApplicationVisible");
    c.text(app_id);
    bool r = CMenuUtil::CheckApplicationVisible(app_id);
    c.result(r);
    return r;
}

int w_GetAntennaMode(EMenuAntennaType *mode, EProfile profile)
{
    CallLine c("CAntennaUtil::GetAntennaMode");
    c.word("out").arg(profile);
    int r = CAntennaUtil::GetAntennaMode(mode, profile);
    c.result(r).out(mode ? *mode : 0);
    return r;
}

int w_SetAntennaMode(EMenuAntennaType mode, EProfile profile)
{
    CallLine c("CAntennaUtil::SetAntennaMode");
    c.arg(mode).arg(profile);
    int r = CAntennaUtil::SetAntennaMode(mode, profile);
    c.result(r);
    return r;
}

void w_SetAvailableAntennaModeForPIP()
{
    CallLine c("CAntennaUtil::SetAvailableAntennaModeForPIP");
    c.done();
    CAntennaUtil::SetAvailableAntennaModeForPIP();
}

void w_GetAntennaName(EMenuAntennaType mode, char *name)
{
    CallLine c("CAntennaUtil::GetAntennaName");
    c.arg(mode).word("buffer");
    CAntennaUtil::GetAntennaName(mode, name);
    c.done().out_text(buffer_text(name));
}

EProfile w_GetCurrentProfile()
{
    CallLine c("CTvService::GetCurrentProfile");
    EProfile r = CTvService::GetCurrentProfile();
    c.result(r);
    return r;
}

std::string w_ChannelNumberString(TSTvMode mode, int channel_type, unsigned short major,
                                  unsigned short minor)
{
    CallLine c("CTvService::ChannelNumberString");
    c.raw(mode_text(mode)).arg(channel_type).arg(major).arg(minor);
    std::string r = CTvService::ChannelNumberString(mode, channel_type, major, minor);
    c.result_text(r.c_str());
    return r;
}

std::string w_Twstring2String(const std::wstring &text)
{
    CallLine c("CTvService::Twstring2String");
    c.text(narrow(text));
    std::string r = CTvService::Twstring2String(text);
    c.result_text(r.c_str());
    return r;
}

// A member function's address as a plain one (the first word of the
// pointer to member, for a function that is not virtual).
template <typename Member> void *member_address(Member member)
{
    void *address = nullptr;
    std::memcpy(&address, &member, sizeof address);
    return address;
}

template <typename F> void *address(F *f)
{
    return reinterpret_cast<void *>(f);
}

}  // namespace

std::vector<Wrapper> tv_wrappers()
{
    using Nav1 = bool (*)(ENavigationMode, TSTvMode, TCCriteriaHelper &, unsigned long long);
    using Nav2 = bool (*)(TSTvMode, ENavigationMode, TCCriteriaHelper &, unsigned long long);
    return {
        {address(w_CreateVideoControl), address(TVServiceAPI::CreateVideoControl)},
        {address(w_CreateAVControl), address(TVServiceAPI::CreateAVControl)},
        {address(w_CreateSourceControl), address(TVServiceAPI::CreateSourceControl)},
        {address(w_CreateServiceNavigation), address(TVServiceAPI::CreateServiceNavigation)},
        {address(w_CreateUtil), address(TVServiceAPI::CreateUtil)},
        {address(w_CreateReferenceCount), address(TVServiceAPI::CreateReferenceCount)},
        {address(w_Fetch), member_address(&TCCriteriaHelper::Fetch)},
        {address(w_WhereNot), member_address(&TCCriteriaHelper::WhereNot)},
        {address(w_OrderBy), member_address(&TCCriteriaHelper::OrderBy)},
        {address(w_RemoveOrderBy), member_address(&TCCriteriaHelper::RemoveOrderBy)},
        {address(w_GetNavigationCriteria1),
         address(static_cast<Nav1>(TCNavigationModeHelper::GetNavigationCriteria))},
        {address(w_GetNavigationCriteria2),
         address(static_cast<Nav2>(TCNavigationModeHelper::GetNavigationCriteria))},
        {address(w_GetServiceName), address(TCServiceDataUtility::GetServiceName)},
        {address(w_GetSourceStatus), address(CMenuUtil::GetSourceStatus)},
        {address(w_GetChannelString), address(CMenuUtil::GetChannelString)},
        {address(w_FlushCache), address(CMenuUtil::FlushCache)},
        {address(w_FlagATSC), address(CMenuUtil::FlagATSC)},
        {address(w_FlagLFDProductModel), address(CMenuUtil::FlagLFDProductModel)},
        {address(w_CheckApplicationVisible), address(CMenuUtil::CheckApplicationVisible)},
        {address(w_GetAntennaMode), address(CAntennaUtil::GetAntennaMode)},
        {address(w_SetAntennaMode), address(CAntennaUtil::SetAntennaMode)},
        {address(w_SetAvailableAntennaModeForPIP),
         address(CAntennaUtil::SetAvailableAntennaModeForPIP)},
        {address(w_GetAntennaName), address(CAntennaUtil::GetAntennaName)},
        {address(w_GetCurrentProfile), address(CTvService::GetCurrentProfile)},
        {address(w_ChannelNumberString), address(CTvService::ChannelNumberString)},
        {address(w_Twstring2String), address(CTvService::Twstring2String)},
    };
}

}  // namespace recorder
