// The commands of picture-menu, each one line of words.
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

// Runs one command. Throws BadInput, naming the command, before anything is
// done when the words are not a valid command.
Outcome run_command(const ProviderHost &host, const std::vector<std::string> &words);

// A setting key of the key table, or the PIP channel key.
bool known_key(const std::string &key);

// The commands and the sim vocabulary, for --help and the shell's "help".
std::string command_help();

}  // namespace host
