// Recording on the desktop: picture-menu loads the recording provider, which
// loads the provider, exactly as the settings host does on a TV.
#pragma once

#include <string>

namespace host {

// Points the recorder at `provider` and `file` through its environment and
// returns the recorder library to load in place of the provider.
std::string record_through(const std::string &provider, const std::string &file);

}  // namespace host
