// The second platform's TV service and menu utilities: every class member of
// the platform headers, journaled; the factories hand out nothing.
#include "menu_util.h"
#include "other_platform.h"
#include "tv_service.h"

#define EXPORT OTHER_PLATFORM_EXPORT

namespace {

template <typename T> T journal(const char *name, T result)
{
    other::calls().emplace_back(name);
    return result;
}

void journal(const char *name)
{
    other::calls().emplace_back(name);
}

}  // namespace

// Records without fields and criteria that keep nothing: the provider never
// gets a record filled from here.
EXPORT TCServiceData::TCServiceData() : m_fields(nullptr)
{
}
EXPORT TCServiceData::TCServiceData(const TCServiceData &other) = default;
EXPORT TCServiceData &TCServiceData::operator=(const TCServiceData &other) = default;
EXPORT TCServiceData::~TCServiceData() = default;
EXPORT const TSServiceField *TCServiceData::GetField(int) const
{
    return journal("TCServiceData::GetField", static_cast<const TSServiceField *>(m_fields));
}
EXPORT void TCServiceData::SetField(int, unsigned long long)
{
    journal("TCServiceData::SetField");
}
EXPORT void TCServiceData::Clear()
{
    journal("TCServiceData::Clear");
}

// The criteria are journaled only; nothing is kept.
EXPORT TCCriteriaHelper::TCCriteriaHelper()
{
    m_criteria = nullptr;
}
EXPORT TCCriteriaHelper::~TCCriteriaHelper()
{
    journal("TCCriteriaHelper::~TCCriteriaHelper");
}
EXPORT void TCCriteriaHelper::Fetch(int)
{
    journal("TCCriteriaHelper::Fetch");
}
EXPORT void TCCriteriaHelper::WhereNot(int, unsigned long long)
{
    journal("TCCriteriaHelper::WhereNot");
}
EXPORT void TCCriteriaHelper::OrderBy(int, ESortOrder)
{
    journal("TCCriteriaHelper::OrderBy");
}
EXPORT void TCCriteriaHelper::RemoveOrderBy(int)
{
    journal("TCCriteriaHelper::RemoveOrderBy");
}

EXPORT bool TCNavigationModeHelper::GetNavigationCriteria(ENavigationMode, TSTvMode,
                                                          TCCriteriaHelper &, unsigned long long)
{
    return journal("TCNavigationModeHelper::GetNavigationCriteria", false);
}
EXPORT bool TCNavigationModeHelper::GetNavigationCriteria(TSTvMode, ENavigationMode,
                                                          TCCriteriaHelper &, unsigned long long)
{
    return journal("TCNavigationModeHelper::GetNavigationCriteria", false);
}

EXPORT bool TCServiceDataUtility::GetServiceName(unsigned long long, std::wstring &, bool)
{
    return journal("TCServiceDataUtility::GetServiceName", false);
}

// Every factory fails and leaves no object.
template <typename T> static int no_object(const char *name, T **out)
{
    *out = nullptr;
    return journal(name, -1);
}
EXPORT int TVServiceAPI::CreateVideoControl(EProfile, int, IVideoControl **out)
{
    return no_object("TVServiceAPI::CreateVideoControl", out);
}
EXPORT int TVServiceAPI::CreateAVControl(EProfile, int, IAVControl **out)
{
    return no_object("TVServiceAPI::CreateAVControl", out);
}
EXPORT int TVServiceAPI::CreateSourceControl(EProfile, int, ISourceControl **out)
{
    return no_object("TVServiceAPI::CreateSourceControl", out);
}
EXPORT int TVServiceAPI::CreateServiceNavigation(EProfile, int, IServiceNavigation **out)
{
    return no_object("TVServiceAPI::CreateServiceNavigation", out);
}
EXPORT int TVServiceAPI::CreateUtil(IUtil **out)
{
    return no_object("TVServiceAPI::CreateUtil", out);
}
EXPORT IReferenceCount *TVServiceAPI::CreateReferenceCount()
{
    return journal<IReferenceCount *>("TVServiceAPI::CreateReferenceCount", nullptr);
}

EXPORT int CMenuUtil::GetSourceStatus(ESource, EProfile)
{
    return journal("CMenuUtil::GetSourceStatus", 1);
}
EXPORT int CMenuUtil::GetChannelString(char *, bool)
{
    return journal("CMenuUtil::GetChannelString", other::kFailure);
}
EXPORT void CMenuUtil::FlushCache()
{
    journal("CMenuUtil::FlushCache");
}
EXPORT bool CMenuUtil::FlagATSC()
{
    return journal("CMenuUtil::FlagATSC", false);
}
EXPORT bool CMenuUtil::FlagLFDProductModel()
{
    return journal("CMenuUtil::FlagLFDProductModel", false);
}
EXPORT bool CMenuUtil::CheckApplicationVisible(const char *)
{
    return journal("CMenuUtil::CheckApplicationVisible", false);
}

EXPORT int CAntennaUtil::GetAntennaMode(EMenuAntennaType *, EProfile)
{
    return journal("CAntennaUtil::GetAntennaMode", other::kFailure);
}
EXPORT int CAntennaUtil::SetAntennaMode(EMenuAntennaType, EProfile)
{
    return journal("CAntennaUtil::SetAntennaMode", 0);
}
EXPORT void CAntennaUtil::SetAvailableAntennaModeForPIP()
{
    journal("CAntennaUtil::SetAvailableAntennaModeForPIP");
}
EXPORT void CAntennaUtil::GetAntennaName(EMenuAntennaType, char *name)
{
    journal("CAntennaUtil::GetAntennaName");
    name[0] = '\0';
}

EXPORT EProfile CTvService::GetCurrentProfile()
{
    return journal("CTvService::GetCurrentProfile", PROFILE_TYPE_MAIN);
}
EXPORT std::string CTvService::ChannelNumberString(TSTvMode, int, unsigned short, unsigned short)
{
    return journal("CTvService::ChannelNumberString", std::string());
}
EXPORT std::string CTvService::Twstring2String(const std::wstring &)
{
    return journal("CTvService::Twstring2String", std::string());
}
