// The common frame of the integer operations: entry line, key lookup, the
// key's case, exit lines and status.
#include <array>
#include <cstring>
#include <iterator>

#include "boundary.h"
#include "cases.h"
#include "key_abilities.h"
#include "operations.h"
#include "value_tables.h"

namespace picture {

namespace {

struct Family {
    const KeyId *keys;
    std::size_t count;
    const CaseTable *table;
};

template <std::size_t N> constexpr Family family(const KeyId (&keys)[N], const CaseTable &table)
{
    return Family{keys, N, &table};
}

// One family per line, so that families are added without conflicts.
// clang-format off
constexpr Family kFamilies[] = {
    family(kMotionKeys, g_motion_cases),
    family(kColorToneKeys, g_color_tone_cases),
    family(kBlackLevelKeys, g_black_level_cases),
    family(kUhdColorKeys, g_uhd_color_cases),
    family(kColorSpaceKeys, g_color_space_cases),
    family(kWhiteBalanceKeys, g_white_balance_cases),
    family(kContrastKeys, g_contrast_cases),
    family(kPictureSizeKeys, g_picture_size_cases),
    family(kMediaPlayerKeys, g_media_player_cases),
    family(kPipKeys, g_pip_cases),
    family(kPictureWideKeys, g_picture_wide_cases),
};
// clang-format on

// Where a key id's row is: its family and its position there.
struct Place {
    int family = -1;
    int row = -1;
    int rows = 0;  // how many rows claim the id
};

constexpr std::array<Place, kKeyCount> places()
{
    std::array<Place, kKeyCount> by_id{};
    for (std::size_t f = 0; f < std::size(kFamilies); ++f) {
        for (std::size_t r = 0; r < kFamilies[f].count; ++r) {
            Place &place = by_id[static_cast<std::size_t>(kFamilies[f].keys[r])];
            place.family = static_cast<int>(f);
            place.row = static_cast<int>(r);
            ++place.rows;
        }
    }
    return by_id;
}

constexpr std::array<Place, kKeyCount> kPlaces = places();

constexpr bool every_id_has_one_row()
{
    for (const Place &place : kPlaces)
        if (place.rows != 1)
            return false;
    return true;
}
static_assert(every_id_has_one_row(), "each of the 71 key ids has exactly one row");

}  // namespace

const KeyCase *find_case(int id)
{
    if (id < 0 || id >= kKeyCount)
        return nullptr;
    const Place &place = kPlaces[static_cast<std::size_t>(id)];
    return &kFamilies[place.family].table->rows[place.row];
}

Outcome no_action_get(const Request &, int *)
{
    return status_of(-1);
}

Outcome no_action_set(const Request &, int)
{
    return status_of(-1);
}

// Whether an operation acts on the key: a case that is there and does something.
template <typename Case> static bool acts(Case c, Case no_action)
{
    return c != nullptr && c != no_action;
}

unsigned key_abilities(const char *key)
{
    if (std::strcmp(key, kPipChannelKey) == 0)
        return kLists | kStrings;
    const KeyCase *row = find_case(find_key(key));
    if (!row)
        return 0;
    return (acts(row->get, &no_action_get) ? kReads : 0u) |
           (acts(row->set, &no_action_set) ? kWrites : 0u) |
           (acts(row->preview, &no_action_set) ? kPreviews : 0u) | (row->list ? kLists : 0u);
}

int key_value_count(const char *key)
{
    const KeyCase *row = find_case(find_key(key));
    return row && row->values ? row->values->count : 0;
}

// Logs the outcome's "ret" line from `op` and turns the status into 0 or 1.
static int exit_status(const char *op, int status)
{
    if (status == 0) {
        PLOG_FROM(op, "ret = [%d]:success", 0);
        return 0;
    }
    PLOG_FROM(op, "ret = [%d]:otherwise", status);
    return 1;
}

// The shared part of set_int and set_int_pre, after the entry line.
static int run_set(const char *op, SetCase KeyCase::*which, bool commit, const char *key, int value)
{
    const KeyCase *row = find_case(_find_type(key));
    Outcome outcome = status_of(-1);
    if (row && row->*which) {
        outcome = (row->*which)(Request{op, key, commit}, value);
        if (outcome.direct)
            return outcome.status;
    } else {
        PLOG_FROM(op, " Unknown key type ");
    }
    PLOG_FROM(op, "Picture Menu set key: %s, value: %d", key,
              outcome.shows ? outcome.shown : value);
    return exit_status(op, outcome.status);
}

static int run_get(const char *op, const char *key, int *value)
{
    PLOG_FROM(op, "Picture Menu get_int key: %s", key);
    const KeyCase *row = find_case(_find_type(key));
    Outcome outcome = status_of(-1);
    if (row && row->get) {
        outcome = row->get(Request{op, key, true}, value);
        if (outcome.direct)
            return outcome.status;
    } else {
        PLOG_FROM(op, " Unknown key type ");
    }
    PLOG_FROM(op, "PIcture Menu get key: %s, value: %d", key, *value);
    return exit_status(op, outcome.status);
}

// The host never passes a null key or out-pointer; 1 keeps the status convention.
int get_int(const char *key, int *value)
{
    const char *op = __func__;
    if (!key || !value)
        return 1;
    return guarded(1, [&] { return run_get(op, key, value); });
}

// set_int commits, set_int_pre previews; they differ only in the entry line
// and the case they run.
static int set_operation(const char *op, bool commit, const char *key, int value)
{
    if (!key)
        return 1;
    return guarded(1, [&] {
        if (commit)
            PLOG_FROM(op, "Picture Menu set_int key: %s, value: %d", key, value);
        else
            PLOG_FROM(op, "Picture Menu set_int_pre key: %s, value: %d", key, value);
        return run_set(op, commit ? &KeyCase::set : &KeyCase::preview, commit, key, value);
    });
}

int set_int(const char *key, int value)
{
    return set_operation(__func__, true, key, value);
}

int set_int_pre(const char *key, int value)
{
    return set_operation(__func__, false, key, value);
}

}  // namespace picture
