// Shell completion from the command table, the key catalogue and the sim
// vocabulary.
#include "completion.h"

#include "commands.h"
#include "key_catalog.h"
#include "sim_commands.h"
#include "words.h"

namespace host {
namespace {

std::vector<std::string> candidates(const std::vector<std::string> &before, bool in_shell)
{
    if (before.empty())
        return command_names(in_shell);
    const std::string &command = before[0];
    if (command == "sim")
        return sim_completions({before.begin() + 1, before.end()});
    const Command *row = find_command(command);
    if (before.size() == 1 && row && row->keyed) {
        // help takes a command too
        std::vector<std::string> words =
            command == "help" ? command_names(in_shell) : std::vector<std::string>{};
        for (const KeyInfo &k : key_catalog())
            words.push_back(k.key);
        return words;
    }
    if (before.size() == 1 && command == "key")
        return {"XF86Info"};
    return {};
}

}  // namespace

std::vector<std::string> completions(const std::string &line, bool in_shell)
{
    std::size_t start = line.find_last_of(" \t") + 1;  // 0 for the first word
    std::string typed = line.substr(start);
    std::vector<std::string> before;
    try {
        before = split_words(line.substr(0, start));
    } catch (const BadInput &) {
        return {};  // inside an open quote
    }
    std::vector<std::string> out;
    for (std::string &word : candidates(before, in_shell))
        if (word.rfind(typed, 0) == 0)
            out.push_back(std::move(word));
    return out;
}

}  // namespace host
