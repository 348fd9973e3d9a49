// The PIP channel key, outside the key table: set_string steps the channel,
// get_string describes it, and its list offers the PIP window's channels.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <list>
#include <memory>
#include <string>
#include <vector>

#include "boundary.h"
#include "keys.h"
#include "lists.h"
#include "log.h"
#include "menu_util.h"
#include "operations.h"
#include "pip_service.h"
#include "translate.h"

namespace picture {

constexpr const char *kListOp = "get_list_items";

struct StepCommand {
    const char *value;
    int (*step)(int nTvMode);
};

static const StepCommand kStepCommands[] = {
    {"Up", tv_pip_service_channel_next},
    {"Down", tv_pip_service_channel_prev},
};

static void step_pip_channel(const char *op, const char *value)
{
    PLOG_FROM(op, "Set PIP channel.");
    int antenna = GetAntennaModePIP();
    if (tv_pip_service_init() == 0) {
        for (const StepCommand &command : kStepCommands)
            if (std::strcmp(value, command.value) == 0)
                command.step(antenna);
    } else {
        PLOG_FROM(op, "tv_pip_service_init Failed. Cannot save pip channel.");
    }
    tv_pip_service_fini();
}

int set_string(const char *key, const char *value)
{
    const char *op = __func__;
    if (!key || !value)
        return -1;
    PLOG("Picture Menu set string[%s] value[%s]", key, value);
    if (std::strcmp(key, kPipChannelKey) == 0)
        guarded(0, [&] {
            step_pip_channel(op, value);
            return 0;
        });
    return 0;
}

// The PIP channel's text, or the translated "SID_NONE" where the menu
// utility leaves the buffer alone; the buffer goes to the host either way.
static int channel_text(const char *op, char **value)
{
    char *text = new_text();
    if (!text) {
        PLOG_FROM(op, "Fail to calloc(1, sizeof(char)*255)");
        return -1;
    }
    format_copy(text, translate("SID_NONE"));
    *value = text;
    if (CMenuUtil::GetChannelString(text, true) != 0) {
        PLOG_FROM(op, "GetChannelString fails");
        return -1;
    }
    PLOG_FROM(op, "pChName : %s", text);
    return 0;
}

int get_string(const char *key, char **value)
{
    const char *op = __func__;
    if (!key || !value)
        return -1;
    if (std::strcmp(key, kPipChannelKey) != 0)
        return 0;
    return guarded(-1, [&] { return channel_text(op, value); });
}

// ---- the channel list ------------------------------------------------------

// Fetched for every channel, in this order; only 1, 12, 13 and 14 are read.
static const int kListFields[] = {12, 51, 13, 14, 15, 2,  3,  1,  16,  63,  23, 25,
                                  24, 41, 22, 9,  46, 85, 45, 27, 110, 156, 150};

constexpr int kFieldSortKey = 9;
constexpr unsigned long long kExcludedChannelType = 9;
constexpr unsigned long long kChannelTypeCount = 13;

using Services = std::vector<std::unique_ptr<TCServiceData>>;

// The records of a service list belong to the caller.
static Services take(std::list<TCServiceData *> &records)
{
    Services services;
    for (TCServiceData *record : records)
        services.emplace_back(record);
    records.clear();
    return services;
}

// Frees a list that could not be finished, without the release's log lines.
static void drop_items(void **items, int n)
{
    for (int i = 0; i < n; ++i) {
        auto *item = static_cast<ListItem *>(items[i]);
        if (item) {
            std::free(item->display_value);
            std::free(item->string_value);
            std::free(item);
        }
    }
    std::free(items);
}

static std::string service_name(unsigned long long id)
{
    std::wstring wide;
    if (TCServiceDataUtility::GetServiceName(id, wide, true))
        return CTvService::Twstring2String(wide);
    PLOG_FROM(kListOp, "Get service name error");
    return {};
}

// An item with its two text buffers, or null with nothing left allocated.
static ListItem *new_channel_item()
{
    auto *item = static_cast<ListItem *>(std::calloc(1, sizeof(ListItem)));
    if (!item)
        return nullptr;
    item->string_value = new_text();
    item->display_value = new_text();
    if (item->string_value && item->display_value)
        return item;
    std::free(item->string_value);
    std::free(item->display_value);
    std::free(item);
    return nullptr;
}

// One channel's item: its id as the string value, "number name" as display.
static ListItem *channel_item(const TCServiceData &service, TSTvMode tvmode)
{
    unsigned long long id = field_or(service, kFieldServiceId, kNoServiceId);
    std::string name = service_name(id);
    std::unique_ptr<char, decltype(&std::free)> work(new_text(), &std::free);
    ListItem *item = work ? new_channel_item() : nullptr;
    if (!item) {
        PLOG_FROM(kListOp, "calloc memory failed.");
        return nullptr;
    }
    unsigned long long type = field_or(service, kFieldChannelType, 0);
    if (type >= kChannelTypeCount)
        type = 0;
    auto major = static_cast<unsigned short>(field_or(service, kFieldMajor, kNoChannelNumber));
    auto minor = static_cast<unsigned short>(field_or(service, kFieldMinor, kNoChannelNumber));
    std::string number =
        CTvService::ChannelNumberString(tvmode, static_cast<int>(type), major, minor);
    std::snprintf(work.get(), kCopyLimit, "%s %s", number.c_str(), name.c_str());
    std::snprintf(item->string_value, kCopyLimit, "%llu", id);
    format_copy(item->display_value, work.get());
    PLOG_ITEM_FROM(kListOp, item->string_value, item->display_value);
    return item;
}

// Fills the TV mode and narrows the criteria to the PIP window's channels.
static bool channel_criteria(IServiceNavigation &navigation, TCCriteriaHelper &criteria,
                             TSTvMode &tvmode)
{
    if (navigation.GetTvMode(tvmode) != 1) {
        PLOG_FROM(kListOp, "GetTvMode Fails");
        return false;
    }
    TCNavigationModeHelper::GetNavigationCriteria(tvmode, NAVIGATION_MODE_ALL, criteria,
                                                  kNoServiceId);
    criteria.RemoveOrderBy(kFieldSortKey);
    criteria.RemoveOrderBy(kFieldMajor);
    criteria.OrderBy(kFieldSortKey, SORT_ORDER_DESCENDING);
    criteria.WhereNot(kFieldChannelType, kExcludedChannelType);
    return true;
}

void **pip_channel_list(int *count)
{
    TCCriteriaHelper criteria;
    for (int field : kListFields)
        criteria.Fetch(field);
    IServiceNavigation *navigation = nullptr;
    TSTvMode tvmode{-1, -1};
    if (TVServiceAPI::CreateServiceNavigation(PROFILE_TYPE_PIP, 0, &navigation) != 0 ||
        !navigation || !channel_criteria(*navigation, criteria, tvmode))
        return nullptr;
    std::list<TCServiceData *> records;
    int ret = navigation->GetServiceList(criteria, records, TSTvMode{-1, -1}, 0, 0);
    Services services = take(records);
    if (ret == -1 || services.empty()) {
        PLOG_FROM(kListOp, "Get Channnel List failed [%d %d]\n\n", ret,
                  static_cast<int>(services.size()));
        return nullptr;
    }
    int n = static_cast<int>(services.size());
    *count = n;
    auto **items = static_cast<void **>(std::calloc(services.size(), sizeof(void *)));
    if (!items) {
        PLOG_FROM(kListOp, "calloc memory failed.");
        *count = 0;
        return nullptr;
    }
    for (int i = 0; i < n; ++i) {
        items[i] = channel_item(*services[i], tvmode);
        services[i].reset();
        if (!items[i]) {
            *count = 0;
            drop_items(items, i);
            return nullptr;
        }
    }
    return items;
}

}  // namespace picture
