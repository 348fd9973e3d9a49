// Completion of shell lines: commands, keys, sim words, output control names
// and the platform functions that can be forced.
#pragma once

#include <string>
#include <vector>

namespace host {

// The words that may stand where the last word of `line` is being typed,
// beginning with that word's text so far; the commands offered are those of
// the shell or of the command line.
std::vector<std::string> completions(const std::string &line, bool in_shell);

}  // namespace host
