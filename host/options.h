// The command line's options and what is written from their table: the
// help, the manual page, the completion of a command line.
#pragma once

#include <string>
#include <vector>

namespace host {

struct Options {
    bool log = false;
    bool trace = false;
    bool json = false;
    bool any_key = false;
    bool help = false;
    bool version = false;
    std::string state;
    std::string provider;
    std::string locale;
    std::string record;
    std::string wait;
    int wait_seconds = 5;        // a few: long enough for another command-line run
    bool command_given = false;  // not the default menu
    std::vector<std::string> words;
};

// The options and the command's words of argv. Throws BadInput.
Options parse_options(int argc, char **argv);

// --json among the options, for an error in the options themselves.
bool wants_json(int argc, char **argv);

// The usage lines and the options, for --help.
std::string usage();

// The exit statuses, for --help.
std::string exit_statuses();

// picture-menu(1) in roff.
std::string manual();

// The directory of the running program, with a slash at the end.
std::string program_dir();

// For a provider that cannot be loaded: where the default one was looked
// for, when it was the default and is not there; empty otherwise.
std::string where_looked(const std::string &provider);

// For the bash completion script: the words that may stand where the last
// word of `line` (a command line from the program name on) is being typed,
// each with a blank after it, or "//files" alone where a file name goes.
std::vector<std::string> complete_line(const std::string &line);

}  // namespace host
