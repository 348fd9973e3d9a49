// Why a request failed, told from what the stand-in saw of it: the platform
// call it was told to fail and the provider's last line for the request.
#pragma once

#include <cstddef>

#include "output.h"

namespace host {

// Where the journal and the log stood before a request.
struct Mark {
    std::size_t calls = 0;
    std::size_t lines = 0;
};

Mark mark();

// {"call", "result", "log"} for the request since `since`; a field is null
// when there is nothing to tell.
Node failure_reason(const Mark &since);

}  // namespace host
