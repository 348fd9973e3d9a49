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
struct CommandResult {
    Node record;
    int status = 0;
    // Readable form when the generic one does not fit; null for the generic.
    std::string (*text)(const Node &record) = nullptr;
};

struct CommandOptions {
    bool any_key = false;  // pass keys picture-menu does not know to the provider
    // A --help among the words asks for the command's help. Not on the
    // command line, which took its own before "--": after it, a word is a word.
    bool help_word = true;
};

// Where a command may be given.
enum class Scope {
    Anywhere,     // the command line and the shell
    CommandLine,  // the command line only: it runs a session of its own
    Shell,        // the shell only
};

// What picture-menu does around a command.
enum Needs : unsigned {
    kProvider = 1u << 0,    // the provider is loaded before it runs
    kSavesState = 1u << 1,  // the state file is saved after it, when one is given
    kCommits = 1u << 2,     // it commits a change, which only a state file keeps
};

// The front end's own commands, which picture-menu's main runs itself.
enum class FrontEnd {
    None,    // a command of this table: `run` runs it
    Shell,   // reads commands from standard input
    Replay,  // replays a recording against a provider of its own
    Serve,   // the HTTP server
    Quit,    // ends the shell
};

// A row of the command table: its words, where it runs, what it needs and
// what it does.
struct Command {
    const char *name;
    const char *args;
    std::size_t min_args, max_args;
    bool keyed;  // the first argument is a setting key
    Scope scope;
    unsigned needs;  // Needs
    FrontEnd front;
    CommandResult (*run)(const ProviderHost &, const std::vector<std::string> &);
    const char *what;
    // The one option of its own it may take anywhere among its words, and the
    // readable form it then gives its record.
    const char *flag = nullptr;
    std::string (*flag_text)(const Node &record) = nullptr;
};

// Where a command runs, as the help and a refusal say it: "" for anywhere.
const char *scope_note(Scope scope);

// Every row, in the order help lists them.
std::vector<Command> command_table();

// The row named `name`, null for none.
const Command *find_command(const std::string &name);

// The row named `name`; throws BadInput for none, with the nearest names.
const Command &command_named(const std::string &name);

// One command's help: its usage line, what it does and where it runs.
std::string command_usage(const Command &command);

// Runs one command; "--help" among its words gives the command's help.
// Throws BadInput, naming the command, before anything is done when the
// words are not a valid command.
CommandResult run_command(const ProviderHost &host, const std::vector<std::string> &words,
                          const CommandOptions &options = {});

// The names of the commands that may be given in the shell or on the
// command line, for completion.
std::vector<std::string> command_names(bool in_shell);

// The commands and the sim vocabulary, for --help and "help".
std::string command_help();

}  // namespace host
