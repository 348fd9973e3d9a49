// Stand-in menu, antenna and TV service utilities.
#include <algorithm>
#include <cstdio>
#include <string>

#include "menu_util.h"
#include "sim_tv_internal.h"

using namespace sim::tvs;

// ---- menu utilities ----------------------------------------------------------

int CMenuUtil::GetSourceStatus(ESource source, EProfile profile)
{
    if (auto *f = sim::detail::call<&CMenuUtil::GetSourceStatus>(source, profile))
        return f->result;
    if (!known_profile(profile))
        return SOURCE_STATUS_NOT_AVAILABLE;
    const std::map<int, int> &known = tv().source_status;
    auto it = known.find(source);
    return it == known.end() ? SOURCE_STATUS_AVAILABLE : it->second;
}

// Writes "major-minor name" of the PIP channel (or of the main picture's
// service); -1 leaves the buffer alone when there is no such service.
int CMenuUtil::GetChannelString(char *text, bool pip)
{
    if (auto *f = sim::detail::call<&CMenuUtil::GetChannelString>(text, pip)) {
        put_forced_text(*f, text);
        return f->result;
    }
    SIM_EXPECT(text != nullptr, "null buffer");
    std::string channel;
    if (pip) {
        const sim::Channel *c = pip_channel();
        if (!c)
            return kError;
        channel = channel_text(c->fields, c->name);
    } else {
        const Fields &current = tv().current_service;
        const sim::Channel *c = channel_by_id(field_or(current, 12, ~0ULL));
        if (!c)
            return kError;
        channel = channel_text(current, c->name);
    }
    std::snprintf(text, kTextSize, "%s", channel.c_str());
    return 0;
}

// A forced call of a function without result does nothing more.
void CMenuUtil::FlushCache()
{
    sim::detail::call<&CMenuUtil::FlushCache>();
}

// The flags: a forced result != 0 is true.
bool CMenuUtil::FlagATSC()
{
    if (auto *f = sim::detail::call<&CMenuUtil::FlagATSC>())
        return f->result != 0;
    return tv().atsc;
}

bool CMenuUtil::FlagLFDProductModel()
{
    if (auto *f = sim::detail::call<&CMenuUtil::FlagLFDProductModel>())
        return f->result != 0;
    return tv().lfd_product;
}

bool CMenuUtil::CheckApplicationVisible(const char *appId)
{
    if (auto *f = sim::detail::call<&CMenuUtil::CheckApplicationVisible>(appId))
        return f->result != 0;
    SIM_EXPECT(appId != nullptr, "null application id");
    return sim::state().visible_apps.count(appId) != 0;
}

// The stand-in keeps the antenna of the PIP window only (other profiles fail);
// types 0 to 39 exist.
int CAntennaUtil::GetAntennaMode(EMenuAntennaType *mode, EProfile profile)
{
    if (auto *f = sim::detail::call<&CAntennaUtil::GetAntennaMode>(mode, profile))
        return sim::detail::forced_result(*f, mode);
    SIM_EXPECT(mode != nullptr, "null out-parameter");
    if (profile != PROFILE_TYPE_PIP)
        return kError;
    *mode = static_cast<EMenuAntennaType>(tv().pip_antenna_mode);
    return 0;
}

int CAntennaUtil::SetAntennaMode(EMenuAntennaType mode, EProfile profile)
{
    if (auto *f = sim::detail::call<&CAntennaUtil::SetAntennaMode>(mode, profile))
        return f->result;
    if (profile != PROFILE_TYPE_PIP || static_cast<int>(mode) < 0 || mode >= kAntennaTypes)
        return kError;
    tv().pip_antenna_mode = mode;
    return 0;
}

void CAntennaUtil::SetAvailableAntennaModeForPIP()
{
    sim::detail::call<&CAntennaUtil::SetAvailableAntennaModeForPIP>();
}

// A forced call leaves the buffer alone, unless a text is forced.
void CAntennaUtil::GetAntennaName(EMenuAntennaType mode, char *name)
{
    if (auto *f = sim::detail::call<&CAntennaUtil::GetAntennaName>(mode, name)) {
        put_forced_text(*f, name);
        return;
    }
    SIM_EXPECT(name != nullptr, "null buffer");
    static const char *const kNamed[] = {"Air", "Cable", "Satellite"};
    int type = mode;
    if (type >= 0 && type < 3)
        std::snprintf(name, kTextSize, "%s", kNamed[type]);
    else
        std::snprintf(name, kTextSize, "Antenna %d", type);
}

// A forced result is the profile.
EProfile CTvService::GetCurrentProfile()
{
    if (auto *f = sim::detail::call<&CTvService::GetCurrentProfile>())
        return static_cast<EProfile>(f->result);
    return tv().current_profile;
}

// A forced call of the two text functions gives the forced text, or the empty one.
std::string CTvService::ChannelNumberString(TSTvMode mode, int channelType, unsigned short major,
                                            unsigned short minor)
{
    if (auto *f =
            sim::detail::call<&CTvService::ChannelNumberString>(mode, channelType, major, minor))
        return f->text.value_or("");
    return number_text(major, minor);
}

std::string CTvService::Twstring2String(const std::wstring &text)
{
    if (auto *f = sim::detail::call<&CTvService::Twstring2String>(text))
        return f->text.value_or("");
    return calls::narrow(text);
}
