// The commands of picture-menu, each one line of words. Each command is a
// function from words to a record, so any front end (the command line, the
// shell, a server) runs the same commands and prints the same records.
#pragma once

#include <string>
#include <vector>

#include "output.h"

namespace host {

class ProviderHost;

// What a command hands back: its record and the operation's status.
struct Outcome {
    Node record;
    int status = 0;
    // Readable form when the generic one does not fit; null for the generic.
    std::string (*text)(const Node &record) = nullptr;
};

struct CommandOptions {
    bool any_key = false;  // pass keys picture-menu does not know to the provider
};

// Runs one command. Throws BadInput, naming the command, before anything is
// done when the words are not a valid command.
Outcome run_command(const ProviderHost &host, const std::vector<std::string> &words,
                    const CommandOptions &options = {});

// The command names, for completion.
std::vector<std::string> command_names();

// The commands and the sim vocabulary, for --help and "help".
std::string command_help();

}  // namespace host
