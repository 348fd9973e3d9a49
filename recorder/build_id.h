// The GNU build id of a loaded library: what the recording's header names,
// and what replay compares it with.
#pragma once

#include <string>

namespace recorder {

// The build id in hexadecimal of the library `handle` (from dlopen);
// "unknown" when it has none.
std::string build_id(void *handle);

}  // namespace recorder
