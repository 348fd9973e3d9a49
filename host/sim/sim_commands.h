// The sim vocabulary: commands that set up the simulated TV, in which the
// state file is written too.
#pragma once

#include <string>
#include <vector>

#include "output.h"
#include "sim/control.h"

namespace host {

// Applies one sim command, given without the word "sim". Throws BadInput,
// with nothing changed, when the words are not a valid sim command.
void apply_sim(const std::vector<std::string> &args);

// Runs a sim command line given without the word "sim" and hands back the
// fields of its record: alone, the vocabulary; "show [--changed]", every
// value with its default and live value; "avoc" or "force" alone, the names
// they take. Throws BadInput like apply_sim.
Object run_sim(const std::vector<std::string> &args);

// The readable form of a sim record.
std::string sim_text(const Node &record);

// The words that may follow a sim command line's complete words (without
// "sim"), for completion.
std::vector<std::string> sim_completions(const std::vector<std::string> &words);

// The state as sim commands that rebuild it from the defaults: committed
// values only, so a preview does not outlive the run.
std::vector<std::string> dump_state();

// The vocabulary, one command per line.
std::string sim_help();

// The vocabulary's entries: name, arguments and what it sets.
struct SimWord {
    const char *name;
    const char *args;
    const char *what;
};
std::vector<SimWord> sim_vocabulary();

// The TV service's settable fields with their values in `tv`.
std::vector<std::pair<std::string, long long>> tv_fields(const sim::TvState &tv);

// A channel of the line-up as the arguments of its sim channel command.
std::string channel_words(const sim::Channel &channel);

}  // namespace host
