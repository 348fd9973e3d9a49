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
};

// Parses "FILE [--provider PATH] [--continue]" over `options`. Throws BadInput.
ReplayOptions parse_replay(const std::vector<std::string> &args, ReplayOptions options);

// Issues the recorded requests in order with the platform answering as
// recorded, compares answers and platform calls, and reports. Returns 0 for
// a match, 1 for a divergence; throws BadInput for a bad recording and
// LoadError when the provider cannot be loaded.
int replay(const ReplayOptions &options);

}  // namespace host
