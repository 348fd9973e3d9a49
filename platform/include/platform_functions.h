// Every platform function the provider may leave undefined, for the host
// process to provide: the rows of all platform headers (platform_rows.h),
// gathered by kind.
#pragma once

#include "app_control.h"
#include "avoc.h"
#include "device_power.h"
#include "dlog.h"
#include "menu_util.h"
#include "system_info.h"
#include "tv_service.h"
#include "vconf.h"

// clang-format off
// C functions: X(return type, name, parameters...).
#define PLATFORM_C_FUNCTIONS(X) \
    PLATFORM_AVOC(X) \
    PLATFORM_VCONF(X) \
    PLATFORM_SYSTEM_INFO(X) \
    PLATFORM_APP_CONTROL(X) \
    PLATFORM_DEVICE_POWER(X)

// Static members of the TV service and the menu utilities:
// X(class, return type, name, parameters...).
#define PLATFORM_STATIC_FUNCTIONS(X) \
    PLATFORM_TV_SERVICE_API(X) \
    PLATFORM_NAVIGATION_MODE_HELPER(X) \
    PLATFORM_SERVICE_DATA_UTILITY(X) \
    PLATFORM_MENU_UTIL(X) \
    PLATFORM_ANTENNA_UTIL(X) \
    PLATFORM_TV_SERVICE(X)

// Members called on the caller's own object, as X(class, ...) too.
#define PLATFORM_MEMBER_FUNCTIONS(X) PLATFORM_CRITERIA_HELPER(X)

// The interfaces of the objects the factories hand out, as X(class, list of
// its methods); the methods are reached through virtual tables, never by name.
#define PLATFORM_INTERFACES(X) \
    X(IVideoControl, PLATFORM_VIDEO_CONTROL) \
    X(IAVControl, PLATFORM_AV_CONTROL) \
    X(ISourceControl, PLATFORM_SOURCE_CONTROL) \
    X(IServiceNavigation, PLATFORM_SERVICE_NAVIGATION) \
    X(IUtil, PLATFORM_UTIL) \
    X(IReferenceCount, PLATFORM_REFERENCE_COUNT)
// clang-format on
