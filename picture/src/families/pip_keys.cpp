// Picture-in-picture keys: antenna, size, position, source and sound select,
// with the antenna and source lists.
#include <cstdint>
#include <iterator>
#include <list>
#include <map>

#include "cases.h"
#include "lists.h"
#include "menu_util.h"
#include "pip_service.h"
#include "system_info.h"
#include "vconf.h"

namespace picture {

// ---- antenna ---------------------------------------------------------------

constexpr int kAntennaTypes = 40;

// The menu utility's own result goes straight back to the host.
static Outcome antenna_get(const Request &, int *value)
{
    CAntennaUtil::SetAvailableAntennaModeForPIP();
    auto mode = static_cast<EMenuAntennaType>(*value);
    int result = CAntennaUtil::GetAntennaMode(&mode, PROFILE_TYPE_PIP);
    *value = mode;
    return direct_result(result);
}

static Outcome antenna_set(const Request &, int value)
{
    return direct_result(
        CAntennaUtil::SetAntennaMode(static_cast<EMenuAntennaType>(value), PROFILE_TYPE_PIP));
}

static void **pip_antenna_list(int *count)
{
    void **items = new_fixed_list(kAntennaTypes, count);
    for (int type = 0; type < kAntennaTypes; ++type) {
        auto *item = static_cast<ListItem *>(items[type]);
        CAntennaUtil::GetAntennaName(static_cast<EMenuAntennaType>(type), item->display_value);
        item->int_value = type;
        PLOG_FROM("get_list_items", "name : %s / value : %d ", item->display_value, type);
    }
    return items;
}

// ---- size and position: kept in the store as they come --------------------
// These answer -1 even when the store did its part.

struct StoredSetting {
    const char *store_key;
};

static const StoredSetting kPipSize{"db/menu/picture/pip/pipsize"};
static const StoredSetting kPipPosition{"db/menu/picture/pip/pippos"};

template <const StoredSetting &Setting>
static Outcome stored_get(const Request &request, int *value)
{
    const char *store_key = Setting.store_key;
    int ret = vconf_get_int(store_key, value);
    if (ret != 0)
        CASE_LOG(request, " vconf_get_int KEY [%s] fail,nRetVal = [%d]", store_key, ret);
    return status_of(-1);
}

template <const StoredSetting &Setting> static Outcome stored_set(const Request &request, int value)
{
    const char *store_key = Setting.store_key;
    int ret = vconf_set_int(store_key, value);
    if (ret != 0)
        CASE_LOG(request, " vconf_set_int KEY [%s] fail, ret = [%d] ", store_key, ret);
    return status_of(-1);
}

// ---- source ----------------------------------------------------------------

enum class Inputs { None, Av, Hdmi };

struct PipSource {
    ESource source;
    const char *label;
    const char *single_label;  // when the TV has at most one input of its kind
    Inputs kind;
};

// The PIP sources in list order, which is also the order of fallback.
static const PipSource kPipSources[] = {
    {SOURCE_TV, "SID_TV", nullptr, Inputs::None},
    {SOURCE_AV1, "SID_AV1", "SID_AV", Inputs::Av},
    {SOURCE_AV2, "SID_AV2", nullptr, Inputs::None},
    {SOURCE_AV3, "SID_AV3", nullptr, Inputs::None},
    {SOURCE_COMPONENT1, "SID_COMPONENT", nullptr, Inputs::None},
    {SOURCE_COMPONENT2, "SID_COMPONENT", nullptr, Inputs::None},
    {SOURCE_COMPONENT3, "SID_COMPONENT", nullptr, Inputs::None},
    {SOURCE_PC1, "SID_PC", nullptr, Inputs::None},
    {SOURCE_PC2, "SID_PC", nullptr, Inputs::None},
    {SOURCE_PC3, "SID_PC", nullptr, Inputs::None},
    {SOURCE_HDMI1, "SID_HDMI1", "SID_HDMI", Inputs::Hdmi},
    {SOURCE_HDMI2, "SID_HDMI2", nullptr, Inputs::None},
    {SOURCE_HDMI3, "SID_HDMI3", nullptr, Inputs::None},
    {SOURCE_HDMI4, "SID_HDMI4", nullptr, Inputs::None},
};

constexpr system_info_key_e kNumberOfAv = 111;
constexpr system_info_key_e kNumberOfHdmi = 122;

// The first available source in fallback order, or TV when there is none.
static ESource first_available(const Request &request, std::map<ESource, ESourceStatus> &status)
{
    for (const PipSource &candidate : kPipSources) {
        int source_status = status[candidate.source];  // a missing status counts as available
        CASE_LOG(request, " source : %d / sourceStatus : %d", candidate.source, source_status);
        if (source_status == SOURCE_STATUS_AVAILABLE) {
            CASE_LOG(request, "available source found : %d", candidate.source);
            return candidate.source;
        }
    }
    CASE_LOG(request, "IMPOSSIBLE CASE : no available source / set to TV");
    return SOURCE_TV;
}

// Reads the stored source and repairs it when the TV service says it is not
// available; answers -1 through the exit lines whenever it has a source.
static Outcome source_get(const Request &request, int *value)
{
    if (vconf_get_int(kPipSourceStoreKey, value) != 0) {
        CASE_LOG(request, "vconf get int fails (db/menu/picture/pip/source)");
        return direct_result(-1);
    }
    CASE_LOG(request, "pipSource : %d", *value);
    if (CMenuUtil::GetSourceStatus(static_cast<ESource>(*value), PROFILE_TYPE_PIP) == 0)
        return status_of(-1);
    CASE_LOG(request, "Not Available PIP Source. need to change it to available source");
    ISourceControl *control = nullptr;
    int ret = TVServiceAPI::CreateSourceControl(PROFILE_TYPE_PIP, 0, &control);
    if (ret != 0 || !control) {
        CASE_LOG(request, "CreateSourceControl fails %d %d", ret,
                 static_cast<int>(reinterpret_cast<std::intptr_t>(control)));
        return direct_result(-1);
    }
    std::list<ESource> candidates;
    for (const PipSource &candidate : kPipSources)
        candidates.push_back(candidate.source);
    std::map<ESource, ESourceStatus> status;
    ret = control->CheckSourceStatus(candidates, status);
    if (ret <= 0) {
        CASE_LOG(request, "CheckSourceStatus fails %d", ret);
        return direct_result(-1);
    }
    ESource source = first_available(request, status);
    vconf_set_int(kPipSourceStoreKey, source);
    *value = source;
    CASE_LOG(request, "final pip source : %d", source);
    return status_of(-1);
}

static Outcome source_set(const Request &request, int value)
{
    if (SetPIPSource(static_cast<ESource>(value)) != 0)
        CASE_LOG(request, "SetPIPSource fails");
    return status_of(-1);
}

static int number_of_inputs(system_info_key_e key, const char *failure)
{
    int inputs = 3;
    if (system_info_get_value_int(key, &inputs) != 0)
        PLOG_FROM("get_list_items", "%s", failure);
    return inputs;
}

static void **pip_source_list(int *count)
{
    int hdmi = number_of_inputs(kNumberOfHdmi, "system info fails SYSTEM_INFO_KEY_NUM_OF_HDMI");
    int av = number_of_inputs(kNumberOfAv, "system info fails SYSTEM_INFO_KEY_NUM_OF_AV");
    Choice choices[std::size(kPipSources)];
    for (std::size_t i = 0; i < std::size(kPipSources); ++i) {
        const PipSource &row = kPipSources[i];
        int inputs = row.kind == Inputs::Av ? av : hdmi;
        bool single = row.kind != Inputs::None && inputs <= 1;
        choices[i] = {row.source, single ? row.single_label : row.label};
    }
    return pairs_to_list(choices, count);
}

// ---- sound select ----------------------------------------------------------

static int _get_pip_sound_select(int *select)
{
    if (!select)
        return -1;
    PipConnection pip;
    if (!pip.open()) {
        PLOG("tv_pip_service_init fail");
        return -1;
    }
    int value = 0;
    if (tv_pip_util_get_sound_select(&value) != 0) {
        PLOG("Get sound select from tvs errer");
        *select = 0;
        PLOG("Using Main Audio for Deafault");
        return -1;
    }
    *select = value;
    if (pip.close() != 0) {
        PLOG("tv_pip_service_fini fail");
        return -1;
    }
    return 0;
}

static int _set_pip_sound_select(int select)
{
    PipConnection pip;
    if (!pip.open()) {
        PLOG("tv_pip_service_init fail");
        return -1;
    }
    int result = tv_pip_util_set_sound_select(select);
    if (result != 0)
        PLOG("Set sound select from tvs errer");
    if (pip.close() != 0) {
        PLOG("tv_pip_service_fini fail");
        return -1;
    }
    return result;
}

static Outcome sound_select_get(const Request &, int *value)
{
    return status_of(_get_pip_sound_select(value));
}

static Outcome sound_select_set(const Request &, int value)
{
    return status_of(_set_pip_sound_select(value));
}

// ---- the PIP keys' cases ---------------------------------------------------

constexpr KeyCase kRows[] = {
    {.id = KeyId::PipAntenna, .get = antenna_get, .set = antenna_set, .list = pip_antenna_list},
    {.id = KeyId::PipSize,
     .get = stored_get<kPipSize>,
     .set = stored_set<kPipSize>,
     .preview = stored_set<kPipSize>},
    {.id = KeyId::PipPosition,
     .get = stored_get<kPipPosition>,
     .set = stored_set<kPipPosition>,
     .preview = stored_set<kPipPosition>},
    {.id = KeyId::PipSource,
     .get = source_get,
     .set = source_set,
     .preview = source_set,
     .list = pip_source_list},
    {.id = KeyId::PipSoundSelect, .get = sound_select_get, .set = sound_select_set},
};
static_assert(rows_follow(kRows, kPipKeys), "one row per PIP key, in order");

const CaseTable g_pip_cases{kRows, std::size(kRows)};

}  // namespace picture
