// The PIP source, TV mode and antenna mode. These take their own TV service
// objects of the PIP profile on each call instead of the PIP connection.
#include "log.h"
#include "pip_service.h"
#include "vconf.h"

namespace picture {

extern "C" int SetPIPSource(ESource source)
{
    PLOG("eSource : %d", source);
    ISourceControl *control = nullptr;
    if (TVServiceAPI::CreateSourceControl(PROFILE_TYPE_PIP, 0, &control) != 0) {
        PLOG("CreateSourceControl fails");
        return 0;
    }
    if (!control) {
        PLOG("sourceControl == NULL");
        return 0;
    }
    // The TV service's failures leave the stored source as it was; only a
    // store that cannot be written is reported.
    if (control->SetSource(source, "") != 1) {
        PLOG("SetSource fails");
        return 0;
    }
    if (vconf_set_int(kPipSourceStoreKey, source) != 0) {
        PLOG(" vconf_set_int KEY [%s] fail, ", kPipSourceStoreKey);
        return -1;
    }
    PLOG("reaches end");
    return 0;
}

// A navigation of the PIP profile, or null; *ret is the factory's result.
static IServiceNavigation *pip_navigation(int *ret)
{
    IServiceNavigation *navigation = nullptr;
    *ret = TVServiceAPI::CreateServiceNavigation(PROFILE_TYPE_PIP, 0, &navigation);
    return *ret == 0 ? navigation : nullptr;
}

extern "C" int GetAntennaModePIP(void)
{
    TSTvMode tvModePIP{-1, -1};
    int ret = 0;
    IServiceNavigation *navigation = pip_navigation(&ret);
    if (!navigation) {
        PLOG("CreateServiceNavigation failed. nRetVal[%d]", ret);
        return -1;
    }
    navigation->GetTvMode(tvModePIP);
    PLOG("tvModePIP.antennaMode[%d] tvModePIP.serviceMode[%d]", tvModePIP.antennaMode,
         tvModePIP.serviceMode);
    return tvModePIP.antennaMode;
}

// The PIP TV modes are the antenna modes 0 and 1.
static bool valid_tv_mode(int mode)
{
    return mode == 0 || mode == 1;
}

extern "C" int SetTvModePIP(int mode)
{
    TSTvMode tvmode{-1, -1};
    if (!valid_tv_mode(mode)) {
        PLOG("Invalid argument");
        return -1;
    }
    tvmode.antennaMode = mode;
    int ret = 0;
    IServiceNavigation *navigation = pip_navigation(&ret);
    if (!navigation) {
        PLOG("Create Service Navigation failed");
        return -1;
    }
    if (navigation->SetTvMode(tvmode, "") <= 0) {
        PLOG("Set TV Mode failed");
        return -1;
    }
    return 0;
}

extern "C" int GetTvModePIP(int *mode)
{
    TSTvMode tvmode{-1, -1};
    int ret = 0;
    IServiceNavigation *navigation = pip_navigation(&ret);
    if (!navigation) {
        PLOG("Create Service Navigation failed");
        return -1;
    }
    if (navigation->GetTvMode(tvmode) <= 0) {
        PLOG("Get TV Mode failed");
        return -1;
    }
    if (!valid_tv_mode(tvmode.antennaMode)) {
        PLOG("Invalid TV Mode: %d", tvmode.antennaMode);
        return -1;
    }
    *mode = tvmode.antennaMode;
    return 0;
}

}  // namespace picture
