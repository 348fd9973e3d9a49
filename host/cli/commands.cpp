// The command table: each command checks its words, calls the provider
// through the operation table and hands back a record.
#include "commands.h"

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
Outcome keyed(const char *command, const std::string &key, int status, const Mark &since)
{
    Object record{{"command", command}, {"key", key}, {"status", status}};
    if (status != 0)
        record.emplace_back("reason", failure_reason(since));
    return {std::move(record), status};
}

Outcome menu(const ProviderHost &host, const Args &)
{
    return run_menu(host);
}

Outcome get(const ProviderHost &host, const Args &a)
{
    int value = 0;
    Mark since = mark();
    int status = host.get_int(a[0], &value);
    Outcome out = keyed("get", a[0], status, since);
    std::get<Object>(out.record.value)
        .insert(std::get<Object>(out.record.value).begin() + 2,
                {"value", status == 0 ? Node(value) : Node()});
    return out;
}

// set, preview and set-string: the value (or text) given, then the status.
template <typename Value, int (ProviderHost::*operation)(const std::string &, Value) const>
Outcome write(const char *command, const ProviderHost &host, const std::string &key,
              const char *field, Value value)
{
    Mark since = mark();
    int status = (host.*operation)(key, value);
    Outcome out = keyed(command, key, status, since);
    std::get<Object>(out.record.value)
        .insert(std::get<Object>(out.record.value).begin() + 2, {field, Node(value)});
    return out;
}

Outcome set(const ProviderHost &host, const Args &a)
{
    return write<int, &ProviderHost::set_int>("set", host, a[0], "value", parse_int(a[1]));
}

Outcome preview(const ProviderHost &host, const Args &a)
{
    return write<int, &ProviderHost::set_int_pre>("preview", host, a[0], "value", parse_int(a[1]));
}

Outcome set_string(const ProviderHost &host, const Args &a)
{
    return write<const std::string &, &ProviderHost::set_string>("set-string", host, a[0], "text",
                                                                 a[1]);
}

Outcome list(const ProviderHost &host, const Args &a)
{
    Mark since = mark();
    std::optional<std::vector<Choice>> choices = host.list(a[0]);
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
Outcome text_of(const char *command, const ProviderHost &host, const std::string &key)
{
    std::optional<std::string> text;
    int status = (host.*operation)(key, &text);
    return {
        Object{
            {"command", command}, {"key", key}, {"text", optional_text(text)}, {"status", status}},
        status};
}

Outcome label(const ProviderHost &host, const Args &a)
{
    return text_of<&ProviderHost::display_name>("label", host, a[0]);
}

Outcome help(const ProviderHost &host, const Args &a);

Outcome string(const ProviderHost &host, const Args &a)
{
    return text_of<&ProviderHost::get_string>("string", host, a[0]);
}

Outcome info(const ProviderHost &host, const Args &a)
{
    return text_of<&ProviderHost::module_info>("info", host, a[0]);
}

Outcome key(const ProviderHost &host, const Args &a)
{
    host.send_keyevent(a[0]);
    return {Object{{"command", "key"}, {"key", a[0]}, {"status", 0}}, 0};
}

Outcome keys(const ProviderHost &host, const Args &a)
{
    return list_keys(host, a.empty() ? "" : a[0]);
}

Outcome sim(const ProviderHost &, const Args &a)
{
    Object record{{"command", "sim"}};
    for (auto &field : run_sim(a))
        record.push_back(std::move(field));
    record.emplace_back("status", 0);
    return {std::move(record), 0, sim_text};
}

constexpr Scope kAny = Scope::Anywhere;

const Command kCommands[] = {
    {"menu", "", 0, 0, false, kAny, menu, "the whole Picture menu (the default)"},
    {"keys", "[PATTERN]", 0, 1, false, kAny, keys, "the keys (containing PATTERN, or matching it)"},
    {"get", "KEY", 1, 1, true, kAny, get, "read a setting"},
    {"set", "KEY VALUE", 2, 2, true, kAny, set, "write a setting"},
    {"preview", "KEY VALUE", 2, 2, true, kAny, preview, "show a setting without committing it"},
    {"list", "KEY", 1, 1, true, kAny, list, "a setting's choices"},
    {"label", "KEY", 1, 1, true, kAny, label, "a setting's label"},
    {"help", "[KEY]", 0, 1, true, kAny, help, "a setting's help text; alone, these commands"},
    {"string", "KEY", 1, 1, true, kAny, string, "a setting's text"},
    {"get-string", "KEY", 1, 1, true, kAny, string, "the same as string"},
    {"set-string", "KEY VALUE", 2, 2, true, kAny, set_string, "write a setting's text"},
    {"info", "INFOKEY", 1, 1, false, kAny, info, "module information, e.g. provider/owner"},
    {"key", "KEYNAME", 1, 1, false, kAny, key, "send a remote control key, e.g. XF86Info"},
    {"sim", "[...]", 0, 64, false, kAny, sim,
     "set up the simulated TV (below); alone, its commands"},
    {"shell", "", 0, 0, false, Scope::CommandLine, nullptr,
     "commands from standard input, one a line, in one process"},
    {"replay", "FILE [--provider PATH] [--continue] [--ignore-log]", 1, 5, false,
     Scope::CommandLine, nullptr, "replay a recording"},
#ifdef PICTURE_SERVE
    {"serve", "[--listen ADDR:PORT] [--allow-remote]", 0, 4, false, Scope::CommandLine, nullptr,
     "the Picture menu in a browser"},
#endif
    {"quit", "", 0, 0, false, Scope::Shell, nullptr, "end the shell"},
    {"exit", "", 0, 0, false, Scope::Shell, nullptr, "the same as quit"},
};

// Where a command runs, as the help and a refusal say it.
const char *scope_note(Scope scope)
{
    switch (scope) {
    case Scope::CommandLine: return " (on the command line only)";
    case Scope::Shell: return " (in the shell only)";
    case Scope::Anywhere: break;
    }
    return "";
}

Outcome help(const ProviderHost &host, const Args &a)
{
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
    std::vector<std::string> near = closest_keys(key);
    std::string text = "unknown key: " + shown(key);
    for (std::size_t i = 0; i < near.size(); ++i)
        text += (i == 0 ? " (did you mean " : i + 1 == near.size() ? " or " : ", ") + near[i];
    return text + (near.empty() ? "" : "?)");
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
    if (c.keyed && !args.empty() && !options.any_key && !find_key(args[0]))
        throw BadInput(name + ": " + unknown_key(args[0]));
}

}  // namespace

Outcome run_command(const ProviderHost &host, const std::vector<std::string> &words,
                    const CommandOptions &options)
{
    if (words.empty())
        throw BadInput("missing command");
    const Command *c = find_command(words[0]);
    if (!c)
        throw BadInput("unknown command: " + shown(words[0]));
    Args args(words.begin() + 1, words.end());
    check_words(*c, args, options);
    if (!c->run)
        throw BadInput(std::string(c->name) + ": not here" + scope_note(c->scope));
    try {
        return c->run(host, args);
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
