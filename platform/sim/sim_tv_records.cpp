// Stand-in service records and criteria, which the navigation fills and reads.
#include <algorithm>
#include <cstdio>
#include <string>

#include "menu_util.h"
#include "sim_tv_internal.h"

using namespace sim::tvs;

// ---- records -----------------------------------------------------------------

// A record's accessors work on the caller's own copy, not on the service:
// they are neither journaled nor forceable.
TCServiceData::TCServiceData() : m_fields(new Record)
{
}

TCServiceData::TCServiceData(const TCServiceData &other)
    : m_fields(new Record(*static_cast<const Record *>(other.m_fields)))
{
}

TCServiceData &TCServiceData::operator=(const TCServiceData &other)
{
    if (this != &other)
        *static_cast<Record *>(m_fields) = *static_cast<const Record *>(other.m_fields);
    return *this;
}

TCServiceData::~TCServiceData()
{
    delete static_cast<Record *>(m_fields);
}

const TSServiceField *TCServiceData::GetField(int id) const
{
    const auto &fields = static_cast<const Record *>(m_fields)->fields;
    auto it = fields.find(id);
    return it == fields.end() ? nullptr : &it->second;
}

void TCServiceData::SetField(int id, unsigned long long value)
{
    static_cast<Record *>(m_fields)->fields[id] = TSServiceField{id, value};
}

void TCServiceData::Clear()
{
    static_cast<Record *>(m_fields)->fields.clear();
}

// The criteria describe what the caller asks of the service, so they are
// journaled; a forced call leaves the criteria unchanged.
TCCriteriaHelper::TCCriteriaHelper() : m_criteria(new Criteria)
{
}

TCCriteriaHelper::~TCCriteriaHelper()
{
    delete static_cast<Criteria *>(m_criteria);
}

void TCCriteriaHelper::Fetch(int field)
{
    if (sim::detail::call<&TCCriteriaHelper::Fetch>(field))
        return;
    static_cast<Criteria *>(m_criteria)->fetch.push_back(field);
}

void TCCriteriaHelper::WhereNot(int field, unsigned long long value)
{
    if (sim::detail::call<&TCCriteriaHelper::WhereNot>(field, value))
        return;
    static_cast<Criteria *>(m_criteria)->where_not.emplace_back(field, value);
}

void TCCriteriaHelper::OrderBy(int field, ESortOrder order)
{
    if (sim::detail::call<&TCCriteriaHelper::OrderBy>(field, order))
        return;
    auto &keys = static_cast<Criteria *>(m_criteria)->order_by;
    keys.erase(std::remove_if(keys.begin(), keys.end(),
                              [field](const auto &k) { return k.first == field; }),
               keys.end());
    keys.emplace_back(field, order);
}

void TCCriteriaHelper::RemoveOrderBy(int field)
{
    if (sim::detail::call<&TCCriteriaHelper::RemoveOrderBy>(field))
        return;
    auto &keys = static_cast<Criteria *>(m_criteria)->order_by;
    keys.erase(std::remove_if(keys.begin(), keys.end(),
                              [field](const auto &k) { return k.first == field; }),
               keys.end());
}

// Navigation by channel number: the criteria sort by major number (13).
static bool order_by_number(ENavigationMode mode, TCCriteriaHelper &criteria)
{
    if (mode != NAVIGATION_MODE_ALL)
        return false;  // the only mode the stand-in knows
    criteria_of(criteria).order_by.assign(1, {13, SORT_ORDER_ASCENDING});
    return true;
}

// Both argument orders navigate alike. A forced result != 0 is true, and
// leaves the criteria unchanged.
bool TCNavigationModeHelper::GetNavigationCriteria(ENavigationMode mode, TSTvMode tvMode,
                                                   TCCriteriaHelper &criteria,
                                                   unsigned long long id)
{
    using Call = bool (*)(ENavigationMode, TSTvMode, TCCriteriaHelper &, unsigned long long);
    if (auto *f = sim::detail::call<static_cast<Call>(&GetNavigationCriteria)>(mode, tvMode,
                                                                               criteria, id))
        return f->result != 0;
    return order_by_number(mode, criteria);
}

bool TCNavigationModeHelper::GetNavigationCriteria(TSTvMode tvMode, ENavigationMode mode,
                                                   TCCriteriaHelper &criteria,
                                                   unsigned long long id)
{
    using Call = bool (*)(TSTvMode, ENavigationMode, TCCriteriaHelper &, unsigned long long);
    if (auto *f = sim::detail::call<static_cast<Call>(&GetNavigationCriteria)>(tvMode, mode,
                                                                               criteria, id))
        return f->result != 0;
    return order_by_number(mode, criteria);
}

// A forced result != 0 is true and leaves the name alone unless a text is forced.
bool TCServiceDataUtility::GetServiceName(unsigned long long serviceId, std::wstring &name,
                                          bool full)
{
    if (auto *f = sim::detail::call<&TCServiceDataUtility::GetServiceName>(serviceId, name, full)) {
        if (f->text)
            name = widen(*f->text);
        return f->result != 0;
    }
    const sim::Channel *c = channel_by_id(serviceId);
    if (!c)
        return false;
    name = c->name;
    return true;
}
