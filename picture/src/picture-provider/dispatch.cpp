// The common frame of the integer operations: entry line, key lookup, the
// key's case, exit lines and status.
#include "boundary.h"
#include "cases.h"
#include "operations.h"

namespace picture {

// One family per line, so that families are added without conflicts.
// clang-format off
static const CaseTable *const kFamilies[] = {
    &g_motion_cases,
    &g_black_level_cases,
    &g_color_space_cases,
    &g_white_balance_cases,
    &g_contrast_cases,
    &g_picture_size_cases,
    &g_media_player_cases,
    &g_pip_cases,
    &g_picture_wide_cases,
};
// clang-format on

// Rows by key id, gathered once from the families.
static const KeyCase *const *cases_by_id()
{
    static const auto table = [] {
        struct ById {
            const KeyCase *rows[kKeyCount] = {};
        } by_id;
        for (const CaseTable *family : kFamilies)
            for (std::size_t i = 0; i < family->count; ++i)
                by_id.rows[static_cast<int>(family->rows[i].id)] = &family->rows[i];
        return by_id;
    }();
    return table.rows;
}

const KeyCase *find_case(int id)
{
    return id >= 0 && id < kKeyCount ? cases_by_id()[id] : nullptr;
}

Outcome no_action_get(const Request &, int *)
{
    return status_of(-1);
}

Outcome no_action_set(const Request &, int)
{
    return status_of(-1);
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
        outcome = (row->*which)(Request{op, key, *row, commit}, value);
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
        outcome = row->get(Request{op, key, *row, true}, value);
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

int set_int(const char *key, int value)
{
    const char *op = __func__;
    if (!key)
        return 1;
    return guarded(1, [&] {
        PLOG_FROM(op, "Picture Menu set_int key: %s, value: %d", key, value);
        return run_set(op, &KeyCase::set, true, key, value);
    });
}

int set_int_pre(const char *key, int value)
{
    const char *op = __func__;
    if (!key)
        return 1;
    return guarded(1, [&] {
        PLOG_FROM(op, "Picture Menu set_int_pre key: %s, value: %d", key, value);
        return run_set(op, &KeyCase::preview, false, key, value);
    });
}

}  // namespace picture
