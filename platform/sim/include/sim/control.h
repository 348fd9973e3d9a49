// Control of the stand-in platform: its state, the call journal, the captured
// platform log and fault injection. Used by the tests and by picture-menu.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "sim/tv_state.h"

namespace sim {

// ---- state -----------------------------------------------------------------

struct LaunchRequest {
    std::string app_id;  // empty when none was set
    std::map<std::string, std::string> extra_data;
};

struct State {
    // Output control values by setting name, e.g. "film_mode"; indexed
    // settings append their indices: "uhd_color_mode/524289",
    // "10p_white_balance_by_interval/3/0", "color_space_hsl/2/hue",
    // "color_space_custom_rgb/2/red".
    std::map<std::string, int> avoc;
    // Output control values a preview changed and no commit has confirmed:
    // what the panel shows. Reads return these; avoc keeps the committed ones.
    std::map<std::string, int> avoc_live;
    std::map<std::string, int> vconf_int;
    std::map<std::string, std::string> vconf_str;
    std::map<int, int> system_info;  // booleans are 0 or 1
    std::set<std::string> visible_apps;
    int power_state = 0;                  // last device_power_set_state state
    std::vector<LaunchRequest> launches;  // launch requests sent
    int open_app_controls = 0;            // created and not destroyed
    bool app_context_open = false;
    TvState tv;
};

// The state; reset() restores a TV's defaults.
State &state();

// Restores the defaults and clears the journal, the log and every forced result.
void reset();

// The state as reset() leaves it, for comparing against.
State default_state();

// ---- journal ---------------------------------------------------------------

// One readable entry per platform call, e.g. "avoc_set_film_mode(0, 2, 1)".
const std::vector<std::string> &journal();
void clear_journal();
// Journaling allocates on every call; benchmarks turn it off. Stays as set
// until changed, like the log mode.
void set_journal(bool on);

// ---- platform log ----------------------------------------------------------

struct LogLine {
    int priority = 0;
    std::string tag;
    std::string raw;   // the whole formatted text
    std::string file;  // prefix parts; empty when the line has no prefix
    std::string function;
    int line = 0;
    std::string message;       // the text after the prefix, without the final newline
    bool well_formed = false;  // prefix present, function and line repeated, final newline
};

enum class LogMode { Capture, CaptureAndEcho, Discard };

const std::vector<LogLine> &log();
std::vector<std::string> log_messages();  // message parts, in order
void clear_log();
void set_log_mode(LogMode mode);

// ---- fault injection -------------------------------------------------------

// Makes a platform function return `result` instead of doing its work; a
// getter also leaves `out` in its out-parameter when given (a factory leaves a
// null object for out 0). Stays in force until unforce() or reset(). Throws
// std::invalid_argument, with the reason, for a name that is not a stand-in
// function and for an outcome that the function cannot give (a success of a
// function that would have to hand out what a forced call does not make).
void force(const std::string &function, int result, std::optional<long long> out = std::nullopt);
void unforce(const std::string &function);
struct Answer;
// The outcomes in force (result and out value), by function name.
std::map<std::string, Answer> forced();
// Every platform function that can be forced, sorted.
std::vector<std::string> known_functions();

// ---- replay ----------------------------------------------------------------

// A call's whole answer: a forced result with everything the call hands out.
struct Answer {
    int result = 0;
    std::optional<long long> out;     // the first out-parameter (a handed-out object: 1, none: 0)
    std::vector<long long> more;      // the further out-parameters, in order
    std::optional<std::string> text;  // text handed out: a filled buffer or a returned string
    bool null = false;                // a returned pointer that is null
    std::vector<std::map<int, unsigned long long>> records;  // service records, or a status map
};

struct ReplayCall {
    std::string call;  // as the journal writes it
    Answer answer;
};

// Answers the next platform calls from `calls` instead of the state, like
// forced results that each serve one call: a call takes the first unused
// answer whose text equals its journal entry, else the first unused answer of
// the same function; a call with neither works on the state. Replaces the
// answers of an earlier replay(); end_replay() stops. Turns the journal on.
void replay(std::vector<ReplayCall> calls);
void end_replay();

}  // namespace sim
