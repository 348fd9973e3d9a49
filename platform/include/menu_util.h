// Menu utilities of the settings platform.
#pragma once

#include <string>

#include "tv_service.h"

enum EMenuAntennaType : int { MENU_ANTENNA_TYPE_AIR = 0 };

// clang-format off
/* GetSourceStatus: 0 when the source is available in the profile;
   GetChannelString writes the PIP channel's text, 0 on success */
#define PLATFORM_MENU_UTIL(X) \
    X(CMenuUtil, int, GetSourceStatus, (in, ESource, source), (in, EProfile, profile)) \
    X(CMenuUtil, int, GetChannelString, (buffer, char *, text), (in, bool, pip)) \
    X(CMenuUtil, void, FlushCache) \
    X(CMenuUtil, bool, FlagATSC) \
    X(CMenuUtil, bool, FlagLFDProductModel) \
    X(CMenuUtil, bool, CheckApplicationVisible, (in, const char *, appId))
/* GetAntennaName writes the antenna's name into a buffer of 512 bytes */
#define PLATFORM_ANTENNA_UTIL(X) \
    X(CAntennaUtil, int, GetAntennaMode, (out, EMenuAntennaType *, mode), (in, EProfile, profile)) \
    X(CAntennaUtil, int, SetAntennaMode, (in, EMenuAntennaType, mode), (in, EProfile, profile)) \
    X(CAntennaUtil, void, SetAvailableAntennaModeForPIP) \
    X(CAntennaUtil, void, GetAntennaName, (in, EMenuAntennaType, mode), (buffer, char *, name))
#define PLATFORM_TV_SERVICE(X) \
    X(CTvService, EProfile, GetCurrentProfile) \
    X(CTvService, std::string, ChannelNumberString, (in, TSTvMode, mode), (in, int, channelType), (in, unsigned short, major), (in, unsigned short, minor)) \
    X(CTvService, std::string, Twstring2String, (in, const std::wstring &, text))
// clang-format on

class CMenuUtil {
public:
    PLATFORM_MENU_UTIL(PLATFORM_DECLARE_STATIC)
};

class CAntennaUtil {
public:
    PLATFORM_ANTENNA_UTIL(PLATFORM_DECLARE_STATIC)
};

class CTvService {
public:
    PLATFORM_TV_SERVICE(PLATFORM_DECLARE_STATIC)
};
