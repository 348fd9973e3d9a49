// Shared by the stand-in's TV service files: the records' private data, the
// TV state, and the helpers that turn channels into records and texts.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "sim_internal.h"
#include "tv_service.h"

namespace sim::tvs {

using Fields = std::map<int, unsigned long long>;

constexpr int kError = -1;
constexpr unsigned short kNoNumber = 0xFFFF;
constexpr int kAntennaTypes = 40;
constexpr std::size_t kTextSize = 512;  // the menu utilities' text buffers

// Private data of a service record.
struct Record {
    std::map<int, TSServiceField> fields;
};

// Private data of a criteria helper.
struct Criteria {
    std::vector<int> fetch;  // empty: every field
    std::vector<std::pair<int, unsigned long long>> where_not;
    std::vector<std::pair<int, ESortOrder>> order_by;  // first key sorts first
};

Record &record(TCServiceData &service);
Criteria &criteria_of(TCCriteriaHelper &criteria);
sim::TvState &tv();
bool known_profile(int profile);
unsigned long long field_or(const Fields &fields, int id, unsigned long long absent);
// Fills a record with the criteria's fields of a channel.
void fill(TCServiceData &service, const Fields &fields, const Criteria &criteria);
bool passes(const Criteria &criteria, const Fields &fields);
// Channel positions in the criteria's order, the filtered ones left out when asked.
std::vector<std::size_t> ordered(const Criteria &criteria, bool only_passing);
const sim::Channel *channel_by_id(unsigned long long service_id);
const sim::Channel *pip_channel();
std::string number_text(unsigned short major, unsigned short minor);
std::string channel_text(const Fields &fields, const std::wstring &name);
void fill_forced(TCServiceData &service, const sim::detail::Forced &forced);
std::wstring widen(const std::string &text);
void put_forced_text(const sim::detail::Forced &forced, char *buffer);

template <typename Interface>
int forced_factory(const sim::detail::Forced &forced, Interface *object, Interface **out)
{
    if (forced.out && out)
        *out = *forced.out ? object : nullptr;
    return forced.result;
}

}  // namespace sim::tvs
