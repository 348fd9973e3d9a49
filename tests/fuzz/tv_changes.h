// The fuzz target's changes of the simulated TV beyond forced results.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <string>

namespace fuzz {

// Changes one part of the simulated TV as the input says (visible
// applications, the 21:9 panel and other system information, the channel
// line-up, key-value entries, output control and TV service values) and
// returns what it did, for the failure message.
std::string change_tv(FuzzedDataProvider &in);

}  // namespace fuzz
