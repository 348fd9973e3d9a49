// The wrapper rows of the platform's C functions and of its C++ functions.
#pragma once

#include <vector>

#include "platform_calls.h"

namespace recorder {

std::vector<Wrapper> c_wrappers();
std::vector<Wrapper> tv_wrappers();

}  // namespace recorder
