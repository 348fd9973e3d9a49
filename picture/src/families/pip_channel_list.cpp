// The PIP channel list: the channels the PIP window can show, each with its
// service id and its number and name.
#include <cstdio>
#include <cstdlib>
#include <list>
#include <memory>
#include <string>

#include "lists.h"
#include "log.h"
#include "menu_util.h"
#include "pip_service.h"

namespace picture {

constexpr const char *kListOp = "get_list_items";

// Fetched for every channel, in this order; only 1, 12, 13 and 14 are read.
static const int kListFields[] = {12, 51, 13, 14, 15, 2,  3,  1,  16,  63,  23, 25,
                                  24, 41, 22, 9,  46, 85, 45, 27, 110, 156, 150};

constexpr int kFieldSortKey = 9;
constexpr unsigned long long kExcludedChannelType = 9;
constexpr unsigned long long kChannelTypeCount = 13;

// The records of a service list belong to the caller: each is deleted once
// its item is made, the rest when the list is left early.
struct Records {
    std::list<TCServiceData *> list;
    Records() = default;
    Records(const Records &) = delete;
    Records &operator=(const Records &) = delete;
    ~Records()
    {
        for (TCServiceData *record : list)
            delete record;
    }
};

static std::string service_name(unsigned long long id)
{
    std::wstring wide;
    if (TCServiceDataUtility::GetServiceName(id, wide, true))
        return CTvService::Twstring2String(wide);
    PLOG_FROM(kListOp, "Get service name error");
    return {};
}

// One channel's item: its id as the string value, "number name" as display.
static ListItem *channel_item(const TCServiceData &service, TSTvMode tvmode)
{
    unsigned long long id = field_or(service, kFieldServiceId, kNoServiceId);
    std::string name = service_name(id);
    std::unique_ptr<char, decltype(&std::free)> work(new_text(), &std::free);
    ListItem *item = work ? new_item(true) : nullptr;
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
    Records records;
    int ret = navigation->GetServiceList(criteria, records.list, TSTvMode{-1, -1}, 0, 0);
    if (ret == -1 || records.list.empty()) {
        PLOG_FROM(kListOp, "Get Channnel List failed [%d %d]\n\n", ret,
                  static_cast<int>(records.list.size()));
        return nullptr;
    }
    int n = static_cast<int>(records.list.size());
    *count = n;
    auto **items = static_cast<void **>(std::calloc(records.list.size(), sizeof(void *)));
    if (!items) {
        PLOG_FROM(kListOp, "calloc memory failed.");
        *count = 0;
        return nullptr;
    }
    int i = 0;
    for (TCServiceData *&record : records.list) {
        items[i] = channel_item(*record, tvmode);
        delete record;
        record = nullptr;
        if (!items[i]) {
            *count = 0;
            drop_items(items, i);
            return nullptr;
        }
        ++i;
    }
    return items;
}

}  // namespace picture
