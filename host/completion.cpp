// Shell completion from the command table, the key catalogue and the sim
// vocabulary.
#include "completion.h"

#include <algorithm>

#include "commands.h"
#include "key_catalog.h"
#include "sim_commands.h"
#include "words.h"

namespace host {
namespace {

// Commands whose first argument is a setting key.
bool takes_key(const std::string &command)
{
    static const char *const kKeyed[] = {"get",  "set",    "preview",    "list",      "label",
                                         "help", "string", "get-string", "set-string"};
    return std::find(std::begin(kKeyed), std::end(kKeyed), command) != std::end(kKeyed);
}

std::vector<std::string> candidates(const std::vector<std::string> &before)
{
    if (before.empty()) {
        std::vector<std::string> names = command_names();
        names.insert(names.end(), {"quit", "exit"});
        return names;
    }
    const std::string &command = before[0];
    if (command == "sim")
        return sim_completions({before.begin() + 1, before.end()});
    if (before.size() == 1 && takes_key(command)) {
        std::vector<std::string> keys;
        for (const KeyInfo &k : key_catalog())
            keys.push_back(k.key);
        return keys;
    }
    if (before.size() == 1 && command == "key")
        return {"XF86Info"};
    return {};
}

}  // namespace

std::vector<std::string> completions(const std::string &line)
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
    for (std::string &word : candidates(before))
        if (word.rfind(typed, 0) == 0)
            out.push_back(std::move(word));
    return out;
}

}  // namespace host
