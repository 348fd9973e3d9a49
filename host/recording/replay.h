// Replaying a recording against a provider and the stand-in in replay mode.
#pragma once

#include <string>
#include <vector>

namespace host {

struct ReplayOptions {
    std::string file;
    std::string provider;
    std::string locale;       // the catalogue directory the host binds after creation
    bool keep_going = false;  // report every divergence, not only the first
    bool trace = false;       // the platform calls of each request on standard error
    bool json = false;        // the outcome as one JSON object on standard output
    bool ignore_log = false;  // leave the provider's log lines out of the comparison
};

// Parses "FILE [--provider PATH] [--continue] [--ignore-log]" over
// `options`. Throws BadInput.
ReplayOptions parse_replay(const std::vector<std::string> &args, ReplayOptions options);

// The exit status of a replay whose recording stops in the middle of a
// request, every complete request matching.
constexpr int kUnfinished = 4;

// Issues the recorded requests in order with the platform answering as
// recorded, compares answers, platform calls and log lines, and reports.
// Returns 0 for a match, 1 for a divergence, kUnfinished; throws BadInput
// for a bad recording and LoadError when the provider cannot be loaded.
int replay(const ReplayOptions &options);

}  // namespace host
