// The PIP connection (open count and the three TV service objects of the PIP
// profile) and the sound select that needs it.
#include "pip_service.h"
#include "log.h"
#include "pip_service_info.h"

namespace picture {

// Zero at load; its initialiser constructs svc_data and registers the
// destructor for unload. An open connection is not closed at unload.
_tv_pip_service_info g_pip_svc_info;

static int InitServiceInfoPIP()
{
    _tv_pip_service_info &info = g_pip_svc_info;
    int ret = TVServiceAPI::CreateServiceNavigation(PROFILE_TYPE_PIP, 0, &info.svc_navi_proxy_pip);
    if (ret != 0 || !info.svc_navi_proxy_pip) {
        PLOG("Create Service Navigation failed. nRetVal[%d]", ret);
        return -1;
    }
    info.ref_proxy = TVServiceAPI::CreateReferenceCount();
    if (!info.ref_proxy) {
        PLOG("TVServiceAPI::CreateReferenceCount() failed");
        return -1;
    }
    ret = info.ref_proxy->IncreaseCount();
    if (ret <= 0) {
        PLOG("ref_proxy->IncreaseCount() failed. nRetVal[%d]", ret);
        return -1;
    }
    ret = TVServiceAPI::CreateUtil(&info.util_proxy);
    if (ret != 0 || !info.util_proxy) {
        PLOG("TVServiceAPI::CreateUtil() failed. nRetVal[%d]", ret);
        return -1;
    }
    return 0;
}

// Gives the reference back whenever one was obtained, even if counting it failed.
static void FinalizeServiceInfoPIP()
{
    _tv_pip_service_info &info = g_pip_svc_info;
    info.svc_navi_proxy_pip = nullptr;
    if (info.ref_proxy && info.ref_proxy->DecreaseCount() <= 0)
        PLOG("ref_proxy->DecreaseCount() failed");
    info.ref_proxy = nullptr;
    info.util_proxy = nullptr;
}

extern "C" int tv_pip_service_init(void)
{
    if (g_pip_svc_info.refcnt > 0) {
        PLOG("g_pip_svc_info.refcnt[%d]", g_pip_svc_info.refcnt);
        return 0;
    }
    if (InitServiceInfoPIP() != 0) {
        PLOG("InitServiceInfoPIP() Failed.");
        FinalizeServiceInfoPIP();
        return -1;
    }
    ++g_pip_svc_info.refcnt;
    PLOG("g_pip_svc_info.refcnt[%d]", g_pip_svc_info.refcnt);
    return 0;
}

extern "C" int tv_pip_service_fini(void)
{
    if (g_pip_svc_info.refcnt <= 0) {
        PLOG("g_pip_svc_info.refcnt[%d]", g_pip_svc_info.refcnt);
        return -1;
    }
    if (--g_pip_svc_info.refcnt == 0)
        FinalizeServiceInfoPIP();
    return 0;
}

static IUtil *open_util()
{
    return g_pip_svc_info.refcnt > 0 ? g_pip_svc_info.util_proxy : nullptr;
}

extern "C" int tv_pip_util_get_sound_select(int *select)
{
    PLOG("");
    IUtil *util = open_util();
    if (!select || !util)
        return -1;
    EProfile profile = PROFILE_TYPE_MAIN;
    int unused = 0;
    int ret = util->GetMasterAudio(&profile, &unused);
    if (ret <= 0) {
        PLOG("GetMasterAudio Error,using Main audio default.");
        *select = 0;
        return -1;
    }
    PLOG("GetMasterAudio [%d]", profile);
    if (profile == PROFILE_TYPE_MAIN) {
        *select = 0;
        PLOG("Get sound select Main");
    } else {
        *select = 1;
        PLOG("Get sound select PIP");
    }
    return 0;
}

extern "C" int tv_pip_util_set_sound_select(int select)
{
    PLOG("");
    IUtil *util = open_util();
    if (!util)
        return -1;
    int ret;
    if (select != 0) {
        PLOG("Set PIP Audio,SelectMasterAudio [PROFILE_TYPE_PIP]");
        ret = util->SelectMasterAudio(PROFILE_TYPE_PIP, 0);
    } else {
        PLOG("Set Main Audio,SelectMasterAudio [PROFILE_TYPE_MAIN]");
        ret = util->SelectMasterAudio(PROFILE_TYPE_MAIN, 0);
    }
    if (ret <= 0) {
        PLOG("Set util sound select failed,ret value %d", ret);
        return -1;
    }
    PLOG("Set util sound select succ,return %d", ret);
    return 0;
}

}  // namespace picture
