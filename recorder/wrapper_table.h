// The wrapper rows of the platform's functions.
#pragma once

#include <vector>

#include "platform_redirect.h"

namespace recorder {

// Every platform function the recorder wraps: those of the platform rows
// and the platform log.
std::vector<Wrapper> platform_wrappers();
Wrapper log_wrapper();

}  // namespace recorder
