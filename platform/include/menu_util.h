// Menu utilities of the settings platform.
#pragma once

#include <string>

#include "tv_service.h"

enum EMenuAntennaType : int { MENU_ANTENNA_TYPE_AIR = 0 };

class CMenuUtil {
public:
    // 0 when the source is available in the profile.
    static int GetSourceStatus(ESource source, EProfile profile);
    // Writes the PIP channel's text; 0 on success.
    static int GetChannelString(char *text, bool pip);
    static void FlushCache();
    static bool FlagATSC();
    static bool FlagLFDProductModel();
    static bool CheckApplicationVisible(const char *appId);
};

class CAntennaUtil {
public:
    static int GetAntennaMode(EMenuAntennaType *mode, EProfile profile);
    static int SetAntennaMode(EMenuAntennaType mode, EProfile profile);
    static void SetAvailableAntennaModeForPIP();
    // Writes the antenna's name into a buffer of 512 bytes.
    static void GetAntennaName(EMenuAntennaType mode, char *name);
};

class CTvService {
public:
    static EProfile GetCurrentProfile();
    static std::string ChannelNumberString(TSTvMode mode, int channelType, unsigned short major,
                                           unsigned short minor);
    static std::string Twstring2String(const std::wstring &text);
};
