// The command table: each command checks its words, calls the provider
// through the operation table and hands back a record.
#include "commands.h"

#include "key_table.h"
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

Outcome with_status(const char *command, const std::string &key, int status)
{
    return {Object{{"command", command}, {"key", key}, {"status", status}}, status};
}

Outcome menu(const ProviderHost &host, const Args &)
{
    return run_menu(host);
}

Outcome get(const ProviderHost &host, const Args &a)
{
    int value = 0;
    int status = host.get_int(a[0], &value);
    Outcome out = with_status("get", a[0], status);
    if (status == 0)
        std::get<Object>(out.record.value).emplace_back("value", value);
    return out;
}

Outcome set(const ProviderHost &host, const Args &a)
{
    int value = parse_int(a[1]);
    return with_status("set", a[0], host.set_int(a[0], value));
}

Outcome preview(const ProviderHost &host, const Args &a)
{
    int value = parse_int(a[1]);
    return with_status("preview", a[0], host.set_int_pre(a[0], value));
}

Outcome list(const ProviderHost &host, const Args &a)
{
    std::optional<std::vector<Choice>> choices = host.list(a[0]);
    if (!choices)
        return {Object{{"command", "list"}, {"key", a[0]}, {"list", "none"}, {"status", 1}}, 1};
    Array rows;
    for (const Choice &c : *choices) {
        Object row{{"value", c.value}, {"text", c.text}, {"id", c.id}};
        if (c.string)
            row.emplace_back("string", *c.string);
        rows.push_back(std::move(row));
    }
    Object record{{"command", "list"}, {"key", a[0]}, {"count", static_cast<int>(rows.size())}};
    record.emplace_back("choices", std::move(rows));
    record.emplace_back("status", 0);
    return {std::move(record), 0};
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

Outcome help(const ProviderHost &host, const Args &a)
{
    return text_of<&ProviderHost::help_text>("help", host, a[0]);
}

Outcome string(const ProviderHost &host, const Args &a)
{
    return text_of<&ProviderHost::get_string>("string", host, a[0]);
}

Outcome info(const ProviderHost &host, const Args &a)
{
    return text_of<&ProviderHost::module_info>("info", host, a[0]);
}

Outcome set_string(const ProviderHost &host, const Args &a)
{
    return with_status("set-string", a[0], host.set_string(a[0], a[1]));
}

Outcome key(const ProviderHost &host, const Args &a)
{
    host.send_keyevent(a[0]);
    return {Object{{"command", "key"}, {"key", a[0]}, {"status", 0}}, 0};
}

Outcome sim(const ProviderHost &, const Args &a)
{
    if (a.size() == 1 && a[0] == "show") {
        Array lines;
        for (const std::string &line : dump_state())
            lines.emplace_back(line);
        return {Object{{"command", "sim"}, {"state", std::move(lines)}, {"status", 0}}, 0};
    }
    apply_sim(a);
    return {Object{{"command", "sim"}, {"status", 0}}, 0};
}

struct Command {
    const char *name;
    const char *args;
    std::size_t min_args, max_args;
    bool keyed;  // the first argument is a setting key
    Outcome (*run)(const ProviderHost &, const Args &);
    const char *what;
};

const Command kCommands[] = {
    {"menu", "", 0, 0, false, menu, "the whole Picture menu (the default)"},
    {"get", "KEY", 1, 1, true, get, "read a setting"},
    {"set", "KEY VALUE", 2, 2, true, set, "write a setting"},
    {"preview", "KEY VALUE", 2, 2, true, preview, "apply a setting without committing it"},
    {"list", "KEY", 1, 1, true, list, "a setting's choices"},
    {"label", "KEY", 1, 1, true, label, "a setting's label"},
    {"help", "KEY", 1, 1, true, help, "a setting's help text"},
    {"string", "KEY", 1, 1, true, string, "a setting's text"},
    {"get-string", "KEY", 1, 1, true, string, "the same as string"},
    {"set-string", "KEY VALUE", 2, 2, true, set_string, "write a setting's text"},
    {"info", "INFOKEY", 1, 1, false, info, "module information, e.g. provider/owner"},
    {"key", "KEYNAME", 1, 1, false, key, "send a remote control key, e.g. XF86Info"},
    {"sim", "...", 1, 64, false, sim, "set up the simulated TV (below); sim show prints it"},
};

}  // namespace

bool known_key(const std::string &key)
{
    for (const picture::KeyRow &row : picture::g_keyitemmap)
        if (key == row.key)
            return true;
    return key == picture::kPipChannelKey;
}

Outcome run_command(const ProviderHost &host, const std::vector<std::string> &words)
{
    if (words.empty())
        throw BadInput("missing command");
    for (const Command &c : kCommands) {
        if (words[0] != c.name)
            continue;
        Args args(words.begin() + 1, words.end());
        if (args.size() < c.min_args || args.size() > c.max_args)
            throw BadInput(std::string(c.name) + ": expected " + c.name + " " + c.args);
        if (c.keyed && !known_key(args[0]))
            throw BadInput(std::string(c.name) + ": unknown key: " + shown(args[0]));
        try {
            return c.run(host, args);
        } catch (const BadInput &e) {
            if (c.run == sim)
                throw;  // names its sim command already
            throw BadInput(std::string(c.name) + ": " + e.what());
        }
    }
    throw BadInput("unknown command: " + shown(words[0]));
}

std::string command_help()
{
    std::string out = "commands:\n";
    for (const Command &c : kCommands) {
        std::string head = std::string("  ") + c.name + " " + c.args;
        out += head + std::string(head.size() < 40 ? 40 - head.size() : 1, ' ') + c.what + "\n";
    }
    return out + "sim commands:\n" + sim_help();
}

}  // namespace host
