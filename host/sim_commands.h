// The sim vocabulary: commands that set up the simulated TV, in which the
// state file is written too.
#pragma once

#include <string>
#include <vector>

namespace host {

// Applies one sim command, given without the word "sim". Throws BadInput,
// with nothing changed, when the words are not a valid sim command.
void apply_sim(const std::vector<std::string> &args);

// The state as sim commands that rebuild it from the defaults.
std::vector<std::string> dump_state();

// The vocabulary, one command per line.
std::string sim_help();

}  // namespace host
