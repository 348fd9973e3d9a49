// The PIP channel: stepping, tuning, finding a channel by its numbers and
// describing the current one, through the PIP connection's navigation.
#include <cstdlib>
#include <iterator>
#include <list>

#include "log.h"
#include "menu_util.h"
#include "pip_service.h"
#include "pip_service_info.h"

namespace picture {

static const char *const pipchtype_str[] = {
    "TV",      "Air",      "DTV Air",       "Cable",           "DTV Cable",      "PATV",
    "PDTV",    "SDTV",     "FREESAT",       "CANALDIGITALSAT", "TIVUSAT",        "CD_TVV",
    "BS",      "CS",       "ASTRA_HD_PLUS", "TNTSAT",          "DIGITAL_PLUS",   "CYFRA_PLUS",
    "DSMART",  "DIGITURK", "SKYD",          "FRANSAT",         "FREEVIEWNZ_SAT", "CI_OP_1",
    "CI_OP_2", "NNK",      "ORF",           "SKYLINK",         "OIPF",           "MEDIA",
};
static_assert(std::size(pipchtype_str) == 30);

// Channel types above this one are not recognised.
constexpr unsigned long long kLastKnownChannelType = 12;
// Services of this channel type are never offered.
constexpr unsigned long long kExcludedChannelType = 9;

static const int kStepFields[] = {kFieldServiceId, kFieldChannelType, kFieldMajor, kFieldMinor, 3};

static int _get_criteria(TCCriteriaHelper &criteria, TSTvMode tvmode)
{
    PLOG("tvmode.antennaMode[%d] tvmode.serviceMode[%d] navimode[%d]", tvmode.antennaMode,
         tvmode.serviceMode, NAVIGATION_MODE_ALL);
    if (!TCNavigationModeHelper::GetNavigationCriteria(NAVIGATION_MODE_ALL, tvmode, criteria,
                                                       kNoServiceId)) {
        PLOG("Get navigation criteria failed");
        return -1;
    }
    for (int field : kStepFields)
        criteria.Fetch(field);
    criteria.WhereNot(kFieldChannelType, kExcludedChannelType);
    return 0;
}

// The PIP window's TV mode, as the navigation reports it, and the criteria
// for it; false without a navigation or criteria.
static bool navigation_criteria(IServiceNavigation *navigation, TSTvMode &tvmode,
                                TCCriteriaHelper &criteria)
{
    if (!navigation)
        return false;
    navigation->GetTvMode(tvmode);
    return _get_criteria(criteria, tvmode) == 0;
}

// The open connection's navigation, or null with the line that says why.
static IServiceNavigation *open_navigation(const char *function)
{
    if (g_pip_svc_info.refcnt <= 0) {
        PLOG_FROM(function, "g_pip_svc_info.refcnt <= 0");
        return nullptr;
    }
    if (!g_pip_svc_info.svc_navi_proxy_pip)
        PLOG_FROM(function, "g_pip_svc_info.svc_navi_proxy_pip == NULL");
    return g_pip_svc_info.svc_navi_proxy_pip;
}

struct ChannelStep {
    int (IServiceNavigation::*move)(TCCriteriaHelper &, TCServiceData &);
    const char *direction;  // for the failure line
};

static int step_channel(const char *function, int nTvMode, const ChannelStep &step)
{
    PLOG_FROM(function, "nTvMode[%d]", nTvMode);
    IServiceNavigation *navigation = open_navigation(function);
    TSTvMode tvmode{-1, -1};
    TCCriteriaHelper criteria;
    if (!navigation_criteria(navigation, tvmode, criteria))
        return -1;
    int ret = (navigation->*step.move)(criteria, g_pip_svc_info.svc_data);
    if (ret > 0)
        return 0;
    PLOG_FROM(function, "get %s service failed,ret value %d", step.direction, ret);
    return -1;
}

extern "C" int tv_pip_service_channel_next(int nTvMode)
{
    return step_channel(__func__, nTvMode, {&IServiceNavigation::GetNextService, "next"});
}

extern "C" int tv_pip_service_channel_prev(int nTvMode)
{
    return step_channel(__func__, nTvMode, {&IServiceNavigation::GetPreviousService, "previous"});
}

int tv_pip_service_channel_tune(unsigned long long serviceId)
{
    PLOG("");
    IServiceNavigation *navigation = g_pip_svc_info.svc_navi_proxy_pip;
    if (g_pip_svc_info.refcnt <= 0 || !navigation)
        return -1;
    PLOG("Service id %llu", serviceId);
    int ret = navigation->SetService(serviceId, 0, 0, "");
    if (ret <= 0) {
        PLOG("Set service failed,ret value %d", ret);
        return -1;
    }
    CMenuUtil::FlushCache();
    PLOG("Set service succ.");
    return 0;
}

static unsigned short number_of(const TCServiceData &service, int field)
{
    return static_cast<unsigned short>(field_or(service, field, kNoChannelNumber));
}

extern "C" void check_and_tune_channel(unsigned short major, unsigned short minor)
{
    PLOG("");
    IServiceNavigation *navigation = g_pip_svc_info.svc_navi_proxy_pip;
    TSTvMode tvmode{-1, -1};
    TCCriteriaHelper criteria;
    if (!navigation_criteria(navigation, tvmode, criteria))
        return;
    std::list<TCServiceData *> services;
    navigation->GetServiceList(criteria, services, tvmode, 1, 0);
    // Without ATSC a channel is known by its major number alone.
    bool minor_counts = CMenuUtil::FlagATSC();
    for (const TCServiceData *service : services) {
        unsigned short service_major = number_of(*service, kFieldMajor);
        unsigned short service_minor = number_of(*service, kFieldMinor);
        if (service_major == major && (!minor_counts || service_minor == minor)) {
            PLOG("find channel,usMajorNo[%hu] usMinorNo[%hu]", major, service_minor);
            unsigned long long id = field_or(*service, kFieldServiceId, kNoServiceId);
            tv_pip_service_channel_tune(id);
            PLOG("ServiceID[%llu] ", id);
            break;
        }
        PLOG("usMajorNo[%hu] usMinorNo[%hu]", service_major, service_minor);
    }
    for (TCServiceData *service : services)
        delete service;
}

static int _get_current_svc(TCServiceData &service)
{
    IServiceNavigation *navigation = g_pip_svc_info.svc_navi_proxy_pip;
    TSTvMode tvmode{-1, -1};
    TCCriteriaHelper criteria;
    if (!navigation_criteria(navigation, tvmode, criteria))
        return -1;
    navigation->GetTvMode(tvmode);
    int ret = navigation->GetCurrentServiceInfo(tvmode, criteria, service);
    if (ret <= 0) {
        PLOG("get current service info failed,ret value %d", ret);
        return -1;
    }
    return 0;
}

static void _get_channel_info(tvs_ch_info_picture *info, TCServiceData &service)
{
    PLOG("");
    const TSServiceField *type = service.GetField(kFieldChannelType);
    if (type && type->value <= kLastKnownChannelType) {
        info->ch_type = static_cast<int>(type->value);
        info->ch_type_str = pipchtype_str[info->ch_type];
        PLOG("channel type:[%d:%s]", info->ch_type, info->ch_type_str);
    } else {
        info->ch_type = 0;
        info->ch_type_str = nullptr;
        PLOG("Can not getchannel type");
    }
    info->major_no = number_of(service, kFieldMajor);
    // A minor number of 0 means the channel has none.
    info->minor_no = number_of(service, kFieldMinor);
    if (info->minor_no == 0)
        info->minor_no = kNoChannelNumber;
}

extern "C" tvs_ch_info_picture *tv_pip_service_channel_get_info(void)
{
    PLOG("");
    if (g_pip_svc_info.refcnt <= 0) {
        PLOG("g_pip_svc_info.refcnt <= 0");
        return nullptr;
    }
    TCServiceData service;
    if (_get_current_svc(service) != 0)
        return nullptr;
    auto *info = static_cast<tvs_ch_info_picture *>(std::calloc(1, sizeof(tvs_ch_info_picture)));
    if (!info)
        return nullptr;
    _get_channel_info(info, service);
    return info;
}

extern "C" void tv_pip_service_channel_del_info(tvs_ch_info_picture *info)
{
    PLOG("");
    std::free(info);
}

}  // namespace picture
