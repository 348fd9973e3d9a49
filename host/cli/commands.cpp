// The command table: each command checks its words, calls the provider
// through the operation table and hands back a record.
#include "commands.h"

#include <algorithm>

#include "failure.h"
#include "key_catalog.h"
#include "menu.h"
#include "provider_host.h"
#include "sim_commands.h"
#include "words.h"

namespace host {
namespace {

using Args = std::vector<std::string>;

Node optional_text(const std::optional<std::string> &text)
{
    return text ? Node(*text) : Node();
}

// {"command", "key", "status"} and, for a failure, why.
CommandResult keyed(const char *command, const std::string &key, int status, const Mark &since)
{
    Object record{{"command", command}, {"key", key}, {"status", status}};
    if (status != 0)
        record.emplace_back("reason", failure_reason(since));
    return {std::move(record), status};
}

CommandResult menu(const ProviderHost &host, const Args &)
{
    return run_menu(host);
}

CommandResult get(const ProviderHost &host, const Args &a)
{
    int value = 0;
    Mark since = mark();
    int status = host.get_int(a[0], &value);
    CommandResult out = keyed("get", a[0], status, since);
    std::get<Object>(out.record.value)
        .insert(std::get<Object>(out.record.value).begin() + 2,
                {"value", status == 0 ? Node(value) : Node()});
    return out;
}

// set, preview and set-string: the value (or text) given, then the status.
template <typename Value, int (ProviderHost::*operation)(const std::string &, Value) const>
CommandResult write(const char *command, const ProviderHost &host, const std::string &key,
                    const char *field, Value value)
{
    Mark since = mark();
    int status = (host.*operation)(key, value);
    CommandResult out = keyed(command, key, status, since);
    std::get<Object>(out.record.value)
        .insert(std::get<Object>(out.record.value).begin() + 2, {field, Node(value)});
    return out;
}

CommandResult set(const ProviderHost &host, const Args &a)
{
    return write<int, &ProviderHost::set_int>("set", host, a[0], "value", parse_int(a[1]));
}

CommandResult preview(const ProviderHost &host, const Args &a)
{
    return write<int, &ProviderHost::set_int_pre>("preview", host, a[0], "value", parse_int(a[1]));
}

CommandResult set_string(const ProviderHost &host, const Args &a)
{
    return write<const std::string &, &ProviderHost::set_string>("set-string", host, a[0], "text",
                                                                 a[1]);
}

CommandResult list(const ProviderHost &host, const Args &a)
{
    Mark since = mark();
    std::optional<std::vector<TranslatedChoice>> choices = host.list(a[0]);
    Object record{{"command", "list"},
                  {"key", a[0]},
                  {"choices", choices ? choice_array(*choices) : Node()},
                  {"status", choices ? 0 : 1}};
    if (!choices)
        record.emplace_back("reason", failure_reason(since));
    return {std::move(record), choices ? 0 : 1};
}

// The commands whose operation hands out a string.
template <int (ProviderHost::*operation)(const std::string &, std::optional<std::string> *) const>
CommandResult text_of(const char *command, const ProviderHost &host, const std::string &key)
{
    std::optional<std::string> text;
    int status = (host.*operation)(key, &text);
    return {
        Object{
            {"command", command}, {"key", key}, {"text", optional_text(text)}, {"status", status}},
        status};
}

CommandResult label(const ProviderHost &host, const Args &a)
{
    return text_of<&ProviderHost::display_name>("label", host, a[0]);
}

CommandResult help(const ProviderHost &host, const Args &a);

CommandResult string(const ProviderHost &host, const Args &a)
{
    return text_of<&ProviderHost::get_string>("string", host, a[0]);
}

CommandResult info(const ProviderHost &host, const Args &a)
{
    return text_of<&ProviderHost::module_info>("info", host, a[0]);
}

CommandResult key(const ProviderHost &host, const Args &a)
{
    host.send_keyevent(a[0]);
    return {Object{{"command", "key"}, {"key", a[0]}, {"status", 0}}, 0};
}

CommandResult keys(const ProviderHost &host, const Args &a)
{
    return list_keys(host, a.empty() ? "" : a[0]);
}

CommandResult sim(const ProviderHost &, const Args &a)
{
    Object record{{"command", "sim"}};
    for (auto &field : run_sim(a))
        record.push_back(std::move(field));
    record.emplace_back("status", 0);
    return {std::move(record), 0, sim_text};
}

// get --value: the value alone, for scripts; a failure reads as without it.
std::string bare_value(const Node &record)
{
    const Node *value = record.field("value");
    return value->is_null() ? to_text(record) : scalar_text(*value) + "\n";
}

constexpr Scope kAny = Scope::Anywhere;
constexpr unsigned kRuns = kProvider | kSavesState;  // a provider command
constexpr FrontEnd kOwn = FrontEnd::None;

const Command kCommands[] = {
    {"menu", "", 0, 0, false, kAny, kRuns, kOwn, menu, "the whole Picture menu (the default)"},
    {"keys", "[PATTERN]", 0, 1, false, kAny, kRuns, kOwn, keys,
     "the keys (containing PATTERN, or matching it)"},
    {"get", "[--value] KEY", 1, 1, true, kAny, kRuns, kOwn, get,
     "read a setting; with --value, only the value", "--value", bare_value},
    {"set", "KEY VALUE", 2, 2, true, kAny, kRuns | kCommits, kOwn, set, "write a setting"},
    {"preview", "KEY VALUE", 2, 2, true, kAny, kRuns, kOwn, preview,
     "show a setting without committing it"},
    {"list", "KEY", 1, 1, true, kAny, kRuns, kOwn, list, "a setting's choices"},
    {"label", "KEY", 1, 1, true, kAny, kRuns, kOwn, label, "a setting's label"},
    {"help", "[KEY|COMMAND]", 0, 1, true, kAny, kRuns, kOwn, help,
     "a setting's help text, or a command's; alone, every command"},
    {"string", "KEY", 1, 1, true, kAny, kRuns, kOwn, string, "a setting's text"},
    {"get-string", "KEY", 1, 1, true, kAny, kRuns, kOwn, string, "the same as string"},
    {"set-string", "KEY VALUE", 2, 2, true, kAny, kRuns | kCommits, kOwn, set_string,
     "write a setting's text"},
    {"info", "INFOKEY", 1, 1, false, kAny, kRuns, kOwn, info,
     "module information, e.g. provider/owner"},
    {"key", "KEYNAME", 1, 1, false, kAny, kRuns, kOwn, key,
     "send a remote control key, e.g. XF86Info"},
    {"sim", "[...]", 0, 64, false, kAny, kRuns, kOwn, sim,
     "set up the simulated TV (below); alone, its commands"},
    {"shell", "", 0, 0, false, Scope::CommandLine, kRuns, FrontEnd::Shell, nullptr,
     "commands from standard input, one a line, in one process"},
    // Replay loads the provider it is given; the state file only sets the TV up.
    {"replay", "FILE [--provider PATH] [--continue] [--ignore-log]", 1, 5, false,
     Scope::CommandLine, 0, FrontEnd::Replay, nullptr, "replay a recording"},
#ifdef PICTURE_SERVE
    // The server saves the state file itself after each change.
    {"serve", "[--listen ADDR:PORT] [--allow-remote]", 0, 4, false, Scope::CommandLine, kProvider,
     FrontEnd::Serve, nullptr, "the Picture menu in a browser"},
#endif
    {"quit", "", 0, 0, false, Scope::Shell, kRuns, FrontEnd::Quit, nullptr, "end the shell"},
    {"exit", "", 0, 0, false, Scope::Shell, kRuns, FrontEnd::Quit, nullptr, "the same as quit"},
};

// A command's help, as "help COMMAND" and "COMMAND --help" give it.
CommandResult usage_of(const Command &c)
{
    return {Object{{"command", "help"},
                   {"name", c.name},
                   {"usage", std::string(c.name) + (*c.args ? " " : "") + c.args},
                   {"what", c.what},
                   {"status", 0}},
            0, [](const Node &record) {
                return command_usage(*find_command(scalar_text(*record.field("name"))));
            }};
}

CommandResult help(const ProviderHost &host, const Args &a)
{
    if (!a.empty() && !find_key(a[0]) && find_command(a[0]))
        return usage_of(*find_command(a[0]));
    if (!a.empty())
        return text_of<&ProviderHost::help_text>("help", host, a[0]);
    Array commands;
    for (const Command &c : kCommands)
        commands.push_back(Object{{"name", c.name}, {"args", c.args}, {"what", c.what}});
    Object record{{"command", "help"}, {"commands", std::move(commands)}};
    for (auto &field : run_sim({}))
        record.push_back(std::move(field));
    record.emplace_back("status", 0);
    return {std::move(record), 0, [](const Node &) { return command_help(); }};
}

std::string unknown_key(const std::string &key)
{
    return "unknown key: " + shown(key) + did_you_mean(closest_keys(key));
}

void check_words(const Command &c, const Args &args, const CommandOptions &options)
{
    std::string name = c.name;
    if (args.size() < c.min_args || args.size() > c.max_args) {
        for (const std::string &word : args)
            if (word.rfind("--", 0) == 0)
                throw BadInput(name + ": unknown option: " + shown(word));
        throw BadInput(name + ": expected " + name + " " + c.args);
    }
    bool command_help = c.run == help && !args.empty() && find_command(args[0]);
    if (c.keyed && !args.empty() && !options.any_key && !find_key(args[0]) && !command_help)
        throw BadInput(name + ": " + unknown_key(args[0]));
}

}  // namespace

CommandResult run_command(const ProviderHost &host, const std::vector<std::string> &words,
                          const CommandOptions &options)
{
    if (words.empty())
        throw BadInput("missing command");
    const Command *c = &command_named(words[0]);
    Args args(words.begin() + 1, words.end());
    if (options.help_word && std::find(args.begin(), args.end(), "--help") != args.end())
        return usage_of(*c);
    auto flag = c->flag ? std::find(args.begin(), args.end(), c->flag) : args.end();
    bool flagged = flag != args.end();
    if (flagged)
        args.erase(flag);
    check_words(*c, args, options);
    if (c->front != FrontEnd::None)
        throw BadInput(std::string(c->name) + ": not here" + scope_note(c->scope));
    try {
        CommandResult result = c->run(host, args);
        if (flagged)
            result.text = c->flag_text;
        return result;
    } catch (const BadInput &e) {
        if (c->run == sim)
            throw;  // names its sim command already
        throw BadInput(std::string(c->name) + ": " + e.what());
    }
}

const Command *find_command(const std::string &name)
{
    for (const Command &c : kCommands)
        if (name == c.name)
            return &c;
    return nullptr;
}

const char *scope_note(Scope scope)
{
    switch (scope) {
    case Scope::CommandLine: return " (on the command line only)";
    case Scope::Shell: return " (in the shell only)";
    case Scope::Anywhere: break;
    }
    return "";
}

std::vector<Command> command_table()
{
    return {std::begin(kCommands), std::end(kCommands)};
}

const Command &command_named(const std::string &name)
{
    if (const Command *c = find_command(name))
        return *c;
    std::vector<std::string> near;
    std::size_t best = std::max<std::size_t>(1, name.size() / 3);  // farther is a guess
    for (const Command &c : kCommands) {
        std::size_t d = edit_distance(name, c.name);
        if (d < best)
            near.clear();
        if (d <= best) {
            best = d;
            near.emplace_back(c.name);
        }
    }
    throw BadInput("unknown command: " + shown(name) + did_you_mean(near));
}

std::string command_usage(const Command &c)
{
    std::string out = std::string("usage: ") +
                      (c.scope == Scope::Shell ? "" : "picture-menu [OPTION...] ") + c.name +
                      (*c.args ? " " : "") + c.args + "\n  " + c.what + scope_note(c.scope) + "\n";
    if (c.keyed)
        out += "  KEY is a setting key: \"keys\" lists them\n";
    if (c.run == sim)
        out += "sim commands:\n" + sim_help();
    return out;
}

std::vector<std::string> command_names(bool in_shell)
{
    std::vector<std::string> names;
    for (const Command &c : kCommands)
        if (c.scope == Scope::Anywhere || (c.scope == Scope::Shell) == in_shell)
            names.emplace_back(c.name);
    return names;
}

std::string command_help()
{
    std::string out = "commands:\n";
    for (const Command &c : kCommands) {
        std::string head = std::string("  ") + c.name + " " + c.args;
        out += head + std::string(head.size() < 40 ? 40 - head.size() : 1, ' ') + c.what +
               scope_note(c.scope) + "\n";
    }
    return out + "sim commands:\n" + sim_help();
}

}  // namespace host
