// A second platform for the tests, built beside the stand-in: it defines
// every platform function with answers of its own, and journals each call by
// name. A host linked with it instead of the stand-in shows where the
// provider's platform calls go.
#pragma once

#include <map>
#include <string>
#include <vector>

#define OTHER_PLATFORM_EXPORT __attribute__((visibility("default")))

namespace other {

// The answer of an integer getter or a key-value entry, by function name or
// key; a getter without one fails with kFailure.
OTHER_PLATFORM_EXPORT std::map<std::string, int> &answers();
// The last value each setter was given, by function name or key.
OTHER_PLATFORM_EXPORT std::map<std::string, int> &written();
// The name of every call, in order ("__dlog_print" included).
OTHER_PLATFORM_EXPORT std::vector<std::string> &calls();
OTHER_PLATFORM_EXPORT void reset();

constexpr int kFailure = 9;

}  // namespace other
