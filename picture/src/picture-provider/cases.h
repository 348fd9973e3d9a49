// How a key's cases plug into get_int, set_int and set_int_pre.
//
// Each family of settings keeps one table of KeyCase rows: the cases of one
// key id for the three integer operations, side by side. A null case means
// the operation does not know the key (" Unknown key type ", status 1).
#pragma once

#include <cstddef>

#include "keys.h"
#include "log.h"

namespace picture {

// What a case hands back to the operation.
struct Outcome {
    int status;           // 0 success; otherwise the exit lines show it and 1 is returned
    bool direct = false;  // leave at once with `status` as the result, no exit lines
    bool shows = false;   // the set exit line shows `shown` instead of the caller's value
    int shown = 0;
};

constexpr Outcome status_of(int status)
{
    return Outcome{status, false};
}

// The case returns `result` to the host itself, skipping the exit lines.
constexpr Outcome direct_result(int result)
{
    return Outcome{result, true};
}

// A set whose case rewrote the value: the exit line shows the rewritten one.
constexpr Outcome status_showing(int status, int shown)
{
    return Outcome{status, false, true, shown};
}

struct KeyCase;

// One request as a case sees it.
struct Request {
    const char *op;  // name of the operation, for the case's log lines
    const char *key;
    const KeyCase &row;
    bool commit;  // true for get_int and set_int, false for set_int_pre
};

using GetCase = Outcome (*)(const Request &request, int *value);
using SetCase = Outcome (*)(const Request &request, int value);

struct KeyCase {
    KeyId id;
    GetCase get;
    SetCase set;
    SetCase preview;
    const void *param = nullptr;  // row data for cases shared by several keys
};

struct CaseTable {
    const KeyCase *rows;
    std::size_t count;
};

// Logs a case's line under the name of the operation that runs it.
#define CASE_LOG(request, fmt, ...) PLOG_FROM((request).op, fmt, ##__VA_ARGS__)

// A known key whose case does nothing: -1 without " Unknown key type ".
Outcome no_action_get(const Request &request, int *value);
Outcome no_action_set(const Request &request, int value);

// The families' tables.
extern const CaseTable g_motion_cases;
extern const CaseTable g_black_level_cases;
extern const CaseTable g_color_space_cases;
extern const CaseTable g_white_balance_cases;
extern const CaseTable g_contrast_cases;
extern const CaseTable g_picture_size_cases;
extern const CaseTable g_media_player_cases;
extern const CaseTable g_pip_cases;
extern const CaseTable g_picture_wide_cases;

// The row of a key id, or null when no family has cases for it.
const KeyCase *find_case(int id);

}  // namespace picture
