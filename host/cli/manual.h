// picture-menu(1), written from the same tables as --help.
#pragma once

#include <string>
#include <vector>

namespace host {

// An entry of a list in the manual: what is typed, and what it does.
struct ManualEntry {
    std::string head;
    std::string what;
};

// The manual page in roff: the options and exit statuses as given, the
// commands from the command table, the sim vocabulary from its own.
std::string manual_page(const std::vector<ManualEntry> &options,
                        const std::vector<ManualEntry> &exit_statuses, const std::string &version);

// The commands as a Markdown table, for the README.
std::string command_table_markdown();

}  // namespace host
