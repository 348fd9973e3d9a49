// picture-menu: a desktop settings host. It loads the picture provider the
// way the TV's settings host does and drives it against the simulated TV.
#include <libintl.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#ifdef HAVE_READLINE
#include <readline/history.h>
#include <readline/readline.h>
#endif

#include "commands.h"
#include "provider_host.h"
#ifdef PICTURE_SERVE
#include "serve.h"
#endif
#include "sim/control.h"
#include "sim_commands.h"
#include "words.h"

namespace {

using host::BadInput;

// Exit statuses beyond 0 (success) and 1 (the operation failed).
constexpr int kBadInput = 2;
constexpr int kCannotRun = 3;

struct Options {
    bool log = false;
    bool trace = false;
    bool json = false;
    std::string state;
    std::string provider;
    std::string locale;
    std::vector<std::string> words;
};

const char kUsage[] =
    "usage: picture-menu [--log] [--trace] [--json] [--state FILE] [--provider PATH]\n"
    "                    [--locale DIR] [COMMAND [ARGS...]]\n"
    "  shell                                 read commands from standard input\n"
    "  serve [--listen ADDR:PORT]            the Picture menu in a browser\n";

std::string program_dir()
{
    char path[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return "./";
    std::string dir(path, static_cast<std::size_t>(n));
    return dir.substr(0, dir.rfind('/') + 1);
}

// The provider beside this program in the build tree, in ../lib when installed.
std::string default_provider()
{
    std::string beside = program_dir() + "libpicture-provider.so";
    return access(beside.c_str(), F_OK) == 0 ? beside
                                             : program_dir() + "../lib/libpicture-provider.so";
}

Options parse_options(int argc, char **argv)
{
    Options o;
    int i = 1;
    auto value = [&](const std::string &option) {
        if (i + 1 >= argc)
            throw BadInput(option + ": missing argument");
        return std::string(argv[++i]);
    };
    for (; i < argc && argv[i][0] == '-'; ++i) {
        std::string a = argv[i];
        if (a == "--log")
            o.log = true;
        else if (a == "--trace")
            o.trace = true;
        else if (a == "--json")
            o.json = true;
        else if (a == "--state")
            o.state = value(a);
        else if (a == "--provider")
            o.provider = value(a);
        else if (a == "--locale")
            o.locale = value(a);
        else if (a == "--help" || a == "-h")
            o.words = {"--help"};
        else
            throw BadInput("unknown option: " + a);
    }
    if (o.words.empty())
        o.words.assign(argv + i, argv + argc);
    if (o.words.empty())
        o.words = {"menu"};
    if (o.provider.empty())
        o.provider = default_provider();
    if (o.locale.empty())
        o.locale = program_dir() + "../apps/settings-datafw/shared/locale";
    return o;
}

// Messages go to standard error after what standard output holds so far.
void complain(const std::string &where, const char *what)
{
    std::fflush(stdout);
    std::fprintf(stderr, "picture-menu: %s%s\n", where.c_str(), what);
}

// Runs one command and prints its record; returns the exit status.
int execute(const host::ProviderHost &provider, const std::vector<std::string> &words,
            const Options &o, const std::string &where)
{
    int status = kBadInput;
    try {
        host::Outcome out = host::run_command(provider, words);
        std::string text = o.json     ? host::to_json(out.record) + "\n"
                           : out.text ? out.text(out.record)
                                      : host::to_text(out.record);
        std::fputs(text.c_str(), stdout);
        status = out.status == 0 ? 0 : 1;
    } catch (const BadInput &e) {
        complain(where, e.what());
    }
    std::fflush(stdout);
    if (o.trace)
        for (const std::string &call : sim::journal())
            std::fprintf(stderr, "call: %s\n", call.c_str());
    sim::clear_journal();
    sim::clear_log();
    return status;
}

bool read_line(bool interactive, std::string *line)
{
#ifdef HAVE_READLINE
    if (interactive) {
        char *text = readline("picture> ");
        if (!text)
            return false;
        *line = text;
        if (*text)
            add_history(text);
        std::free(text);
        return true;
    }
#endif
    if (interactive) {
        std::fputs("picture> ", stdout);
        std::fflush(stdout);
    }
    return static_cast<bool>(std::getline(std::cin, *line));
}

// One command per line; a script's lines are echoed so the output reads as a
// transcript. The status is the worst of the lines'.
int run_shell(const host::ProviderHost &provider, const Options &o)
{
    bool interactive = isatty(STDIN_FILENO);
    int worst = 0;
    std::string line;
    for (int number = 1; read_line(interactive, &line); ++number) {
        std::string where = interactive ? "" : "line " + std::to_string(number) + ": ";
        std::size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos || line[first] == '#')
            continue;
        if (!interactive && !o.json) {
            std::printf("> %s\n", line.c_str());
            std::fflush(stdout);  // before the command's log lines
        }
        std::vector<std::string> words;
        try {
            words = host::split_words(line);
        } catch (const BadInput &e) {
            complain(where, e.what());
            worst = kBadInput;
            continue;
        }
        if (words[0] == "quit" || words[0] == "exit")
            break;
        if (words == std::vector<std::string>{"help"}) {
            std::fputs(host::command_help().c_str(), stdout);
            continue;
        }
        if (words[0] == "shell") {
            complain(where, "shell: already in the shell");
            worst = kBadInput;
            continue;
        }
        worst = std::max(worst, execute(provider, words, o, where));
    }
    return worst;
}

int run(const Options &o)
{
    setenv("LANGUAGE", "en", 1);  // the one catalogue there is
    std::setlocale(LC_ALL, "C.UTF-8");
    sim::set_log_mode(o.log ? sim::LogMode::CaptureAndEcho : sim::LogMode::Discard);
    std::optional<host::ProviderHost> provider;
    try {
        provider.emplace(o.provider);
    } catch (const host::LoadError &e) {
        std::fprintf(stderr, "picture-menu: cannot load the provider: %s\n", e.what());
        return kCannotRun;
    }
    // The provider bound the domain to the TV's directory; the desktop's
    // catalogue is elsewhere.
    bindtextdomain(host::kTextDomain, o.locale.c_str());
    bind_textdomain_codeset(host::kTextDomain, "UTF-8");
    if (!o.state.empty()) {
        try {
            host::load_state(o.state);
        } catch (const BadInput &e) {
            std::fprintf(stderr, "picture-menu: %s\n", e.what());
            return kBadInput;
        }
    }
    sim::clear_journal();
#ifdef PICTURE_SERVE
    // The server saves the state after each change itself.
    if (o.words[0] == "serve")
        return host::run_serve(*provider, {o.words.begin() + 1, o.words.end()},
                               {o.state, o.log, program_dir() + "../share/picture-menu/web"});
#endif
    int status = o.words[0] == "shell" && o.words.size() == 1 ? run_shell(*provider, o)
                                                              : execute(*provider, o.words, o, "");
    if (o.state.empty() || (status == kBadInput && o.words[0] != "shell"))
        return status;
    try {
        host::save_state(o.state);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "picture-menu: %s\n", e.what());
        return kCannotRun;
    }
    return status;
}

}  // namespace

int main(int argc, char **argv)
{
    Options o;
    try {
        o = parse_options(argc, argv);
    } catch (const BadInput &e) {
        std::fprintf(stderr, "picture-menu: %s\n%s", e.what(), kUsage);
        return kBadInput;
    }
    if (o.words[0] == "--help") {
        std::printf("%s%s", kUsage, host::command_help().c_str());
        return 0;
    }
    try {
        return run(o);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "picture-menu: %s\n", e.what());
        return kCannotRun;
    }
}
