// The sim vocabulary: commands that set up the simulated TV, and the state
// file written in the same commands.
#pragma once

#include <string>
#include <vector>

namespace host {

// Applies one sim command, given without the word "sim". Throws BadInput,
// with nothing changed, when the words are not a valid sim command.
void apply_sim(const std::vector<std::string> &args);

// The state as sim commands that rebuild it from the defaults.
std::vector<std::string> dump_state();

// Applies every sim command of the file; a missing file is the default TV.
// Throws BadInput with "FILE:LINE: " for a line that is not a sim command.
void load_state(const std::string &path);

// Writes dump_state() to a temporary file beside `path` and renames it over
// `path`. Throws std::runtime_error when it cannot.
void save_state(const std::string &path);

// The vocabulary, one command per line.
std::string sim_help();

}  // namespace host
