// The stand-in TV service's shared helpers: records' private data, channels
// as records and texts.
#include <algorithm>
#include <cstdio>

#include "sim_tv_internal.h"

namespace {

// The records keep their data behind a private pointer that the navigation
// has to fill and read; an explicit instantiation may name a private member,
// and the friend it defines hands the member out.
void *&private_data(TCServiceData &object);
void *&private_data(TCCriteriaHelper &object);

template <typename Class, void *Class::*Member> struct PrivateData {
    friend void *&private_data(Class &object) { return object.*Member; }
};
template struct PrivateData<TCServiceData, &TCServiceData::m_fields>;
template struct PrivateData<TCCriteriaHelper, &TCCriteriaHelper::m_criteria>;

}  // namespace

namespace sim::tvs {

Record &record(TCServiceData &service)
{
    return *static_cast<Record *>(private_data(service));
}

Criteria &criteria_of(TCCriteriaHelper &criteria)
{
    return *static_cast<Criteria *>(private_data(criteria));
}

sim::TvState &tv()
{
    return sim::state().tv;
}

bool known_profile(int profile)
{
    return profile == PROFILE_TYPE_MAIN || profile == PROFILE_TYPE_PIP;
}

unsigned long long field_or(const Fields &fields, int id, unsigned long long absent)
{
    auto it = fields.find(id);
    return it == fields.end() ? absent : it->second;
}

// Replaces the record's fields with those the criteria fetch.
void fill(TCServiceData &service, const Fields &fields, const Criteria &criteria)
{
    Record &r = record(service);
    r.fields.clear();
    for (const auto &[id, value] : fields) {
        bool wanted =
            criteria.fetch.empty() ||
            std::find(criteria.fetch.begin(), criteria.fetch.end(), id) != criteria.fetch.end();
        if (wanted)
            r.fields[id] = TSServiceField{id, value};
    }
}

bool passes(const Criteria &criteria, const Fields &fields)
{
    for (const auto &[id, value] : criteria.where_not) {
        auto it = fields.find(id);
        if (it != fields.end() && it->second == value)
            return false;
    }
    return true;
}

// Indices into the line-up in the criteria's order (a stable sort, so equal
// keys keep the line-up order; an absent key field sorts as all bits set),
// with or without the services that the criteria exclude.
std::vector<std::size_t> ordered(const Criteria &criteria, bool only_passing)
{
    const std::vector<sim::Channel> &channels = tv().channels;
    std::vector<std::size_t> picked;
    for (std::size_t i = 0; i < channels.size(); i++) {
        if (!only_passing || passes(criteria, channels[i].fields))
            picked.push_back(i);
    }
    std::stable_sort(picked.begin(), picked.end(), [&](std::size_t a, std::size_t b) {
        for (const auto &[id, order] : criteria.order_by) {
            unsigned long long va = field_or(channels[a].fields, id, ~0ULL);
            unsigned long long vb = field_or(channels[b].fields, id, ~0ULL);
            if (va != vb)
                return order == SORT_ORDER_DESCENDING ? va > vb : va < vb;
        }
        return false;
    });
    return picked;
}

const sim::Channel *channel_by_id(unsigned long long service_id)
{
    for (const sim::Channel &c : tv().channels) {
        auto it = c.fields.find(12);
        if (it != c.fields.end() && it->second == service_id)
            return &c;
    }
    return nullptr;
}

const sim::Channel *pip_channel()
{
    const sim::TvState &t = tv();
    return t.pip_channel < t.channels.size() ? &t.channels[t.pip_channel] : nullptr;
}

// "7-1" when the minor is a real one (0 and 0xFFFF mean none), else "7".
std::string number_text(unsigned short major, unsigned short minor)
{
    std::string text = std::to_string(major);
    if (minor != 0 && minor != kNoNumber)
        text += "-" + std::to_string(minor);
    return text;
}

// "major-minor name" of a service.
std::string channel_text(const Fields &fields, const std::wstring &name)
{
    auto major = static_cast<unsigned short>(field_or(fields, 13, kNoNumber));
    auto minor = static_cast<unsigned short>(field_or(fields, 14, kNoNumber));
    return number_text(major, minor) + " " + calls::narrow(name);
}

// A forced answer's first record, into a caller's service record.
void fill_forced(TCServiceData &service, const sim::detail::Forced &forced)
{
    if (forced.records.empty())
        return;
    record(service).fields.clear();
    for (const auto &[id, value] : forced.records.front())
        record(service).fields[id] = TSServiceField{id, value};
}

// UTF-8 to wide text, for a forced name.
std::wstring widen(const std::string &text)
{
    std::wstring wide;
    for (std::size_t i = 0; i < text.size();) {
        auto c = static_cast<unsigned char>(text[i]);
        int extra = c < 0x80 ? 0 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
        unsigned long code = extra == 0 ? c : c & (0x3F >> extra);
        for (int k = 1; k <= extra && i + k < text.size(); k++)
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        wide += static_cast<wchar_t>(code);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return wide;
}

// A forced text into a caller's buffer of the menu utilities' size.
void put_forced_text(const sim::detail::Forced &forced, char *buffer)
{
    if (forced.text && buffer)
        std::snprintf(buffer, kTextSize, "%s", forced.text->c_str());
}

// A forced factory hands out no object unless the forced out says which:
// 0 a null object, anything else the stand-in's own object.

}  // namespace sim::tvs
