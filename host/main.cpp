// picture-menu: a desktop settings host. It loads the picture provider the
// way the TV's settings host does and drives it against the simulated TV.
#include <fcntl.h>
#include <libintl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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
#include "record.h"
#include "replay.h"
#ifdef PICTURE_SERVE
#include "serve.h"
#endif
#include "sim/control.h"
#include "sim_commands.h"
#include "state_file.h"
#include "words.h"

namespace {

using host::BadInput;

// Exit statuses beyond 0 (success) and 1 (the operation failed).
constexpr int kBadInput = 2;
constexpr int kCannotRun = 3;

// Why standard output could not be written (an errno), 0 while it can.
int g_output_error = 0;

struct Options {
    bool log = false;
    bool trace = false;
    bool json = false;
    std::string state;
    std::string provider;
    std::string locale;
    std::string record;
    std::vector<std::string> words;
};

const char kUsage[] =
    "usage: picture-menu [--log] [--trace] [--json] [--state FILE] [--provider PATH]\n"
    "                    [--locale DIR] [--record FILE] [COMMAND [ARGS...]]\n"
    "       picture-menu [--log] [--trace] replay FILE [--provider PATH] [--continue]\n"
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
        if (argv[i + 1][0] == '\0')
            throw BadInput(option + ": empty argument");
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
        else if (a == "--record")
            o.record = value(a);
        else if (a == "--help" || a == "-h")
            o.words = {"--help"};
        else
            throw BadInput("unknown option: " + host::shown(a));
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

// Keeps the cause of the first failed write to standard output.
void output_failed()
{
    if (g_output_error == 0)
        g_output_error = errno ? errno : EIO;
}

// Standard output is written through these two, so a failure is never missed.
void output(const std::string &text)
{
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size())
        output_failed();
}

// Flushes standard output; false once a write to it has failed.
bool flush_output()
{
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        output_failed();
    return g_output_error == 0;
}

// An error goes to standard error after what standard output holds so far,
// and with --json also to standard output as an object. `line` is the
// script's line number, 0 for none.
void complain(const Options &o, int line, const std::string &command, const std::string &what,
              int exit_status)
{
    flush_output();
    std::string where = line ? "line " + std::to_string(line) + ": " : "";
    std::fprintf(stderr, "picture-menu: %s%s\n", where.c_str(), what.c_str());
    if (!o.json)
        return;
    host::Node record = host::error_record(command, what, exit_status);
    if (line)
        std::get<host::Object>(record.value).emplace_back("line", line);
    output(host::to_json(record) + "\n");
    flush_output();
}

// Runs one command and prints its record; returns the exit status.
int execute(const host::ProviderHost &provider, const std::vector<std::string> &words,
            const Options &o, int line)
{
    int status = kBadInput;
    try {
        host::Outcome out = host::run_command(provider, words);
        std::string text = o.json     ? host::to_json(out.record) + "\n"
                           : out.text ? out.text(out.record)
                                      : host::to_text(out.record);
        output(text);
        status = out.status == 0 ? 0 : 1;
    } catch (const BadInput &e) {
        complain(o, line, words.empty() ? "" : host::shown(words[0]), e.what(), kBadInput);
    }
    if (!flush_output())
        status = kCannotRun;
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
        output("picture> ");
        flush_output();
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
    for (int number = 1; g_output_error == 0 && read_line(interactive, &line); ++number) {
        int where = interactive ? 0 : number;
        std::size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos || line[first] == '#')
            continue;
        if (!interactive && !o.json) {
            output("> " + line + "\n");
            flush_output();  // before the command's log lines
        }
        std::vector<std::string> words;
        try {
            words = host::split_words(line);
        } catch (const BadInput &e) {
            complain(o, where, "", e.what(), kBadInput);
            worst = std::max(worst, kBadInput);
            continue;
        }
        if (words[0] == "quit" || words[0] == "exit")
            break;
        if (words == std::vector<std::string>{"help"}) {
            output(host::command_help());
            flush_output();
            continue;
        }
        if (words[0] == "shell") {
            complain(o, where, "shell", "shell: already in the shell", kBadInput);
            worst = std::max(worst, kBadInput);
            continue;
        }
        worst = std::max(worst, execute(provider, words, o, where));
    }
    return worst;
}

// The stand-in's state file, if any, sets the TV up; it is not saved after.
int replay(const Options &o)
{
    // A divergence shows the request's log lines, so they are kept.
    sim::set_log_mode(o.log ? sim::LogMode::CaptureAndEcho : sim::LogMode::Capture);
    try {
        std::optional<host::StateFile> state;
        if (!o.state.empty()) {
            state.emplace(o.state);
            state->load();
        }
        host::ReplayOptions r{"", o.provider, o.locale, false, o.trace};
        return host::replay(host::parse_replay({o.words.begin() + 1, o.words.end()}, r));
    } catch (const BadInput &e) {
        std::fprintf(stderr, "picture-menu: %s\n", e.what());
        return kBadInput;
    } catch (const host::LoadError &e) {
        std::fprintf(stderr, "picture-menu: cannot load the provider: %s\n", e.what());
        return kCannotRun;
    }
}

int run(const Options &o)
{
    setenv("LANGUAGE", "en", 1);  // the one catalogue there is
    std::setlocale(LC_ALL, "C.UTF-8");
    sim::set_log_mode(o.log ? sim::LogMode::CaptureAndEcho : sim::LogMode::Discard);
    if (o.words[0] == "replay")
        return replay(o);
    std::optional<host::ProviderHost> provider;
    try {
        provider.emplace(o.record.empty() ? o.provider
                                          : host::record_through(o.provider, o.record));
    } catch (const host::LoadError &e) {
        complain(o, 0, o.words[0], std::string("cannot load the provider: ") + e.what(),
                 kCannotRun);
        return kCannotRun;
    }
    // The provider bound the domain to the TV's directory; the desktop's
    // catalogue is elsewhere.
    bindtextdomain(host::kTextDomain, o.locale.c_str());
    bind_textdomain_codeset(host::kTextDomain, "UTF-8");
    std::optional<host::StateFile> state;
    if (!o.state.empty()) {
        try {
            state.emplace(o.state);
            state->load();
        } catch (const BadInput &e) {
            complain(o, 0, o.words[0], e.what(), kBadInput);
            return kBadInput;
        }
    }
    sim::clear_journal();
#ifdef PICTURE_SERVE
    // The server keeps the state file locked and saves it after each change.
    if (o.words[0] == "serve")
        return host::run_serve(
            *provider, {o.words.begin() + 1, o.words.end()},
            {state ? &*state : nullptr, o.log, program_dir() + "../share/picture-menu/web"});
#endif
    int status = o.words[0] == "shell" && o.words.size() == 1 ? run_shell(*provider, o)
                                                              : execute(*provider, o.words, o, 0);
    if (!state || (status == kBadInput && o.words[0] != "shell"))
        return status;
    try {
        state->save();
    } catch (const std::exception &e) {
        complain(o, 0, o.words[0], e.what(), kCannotRun);
        return kCannotRun;
    }
    return status;
}

// Descriptors 0 to 2 stay taken: a file opened later must never become
// standard output. A closed one is replaced by a read-only /dev/null, so
// writing to it still fails.
void keep_standard_descriptors()
{
    for (int fd = 0; fd <= 2; ++fd)
        if (fcntl(fd, F_GETFD) < 0 && errno == EBADF)
            open("/dev/null", O_RDONLY);  // takes the lowest free number: fd
}

// --json among the options, for an error in the options themselves.
bool wants_json(int argc, char **argv)
{
    for (int i = 1; i < argc && argv[i][0] == '-'; ++i)
        if (std::strcmp(argv[i], "--json") == 0)
            return true;
    return false;
}

// The exit status once everything that standard output holds is written.
int finish(int status)
{
    if (std::fclose(stdout) != 0 && g_output_error == 0)
        g_output_error = errno ? errno : EIO;
    if (g_output_error == 0)
        return status;
    std::fprintf(stderr, "picture-menu: cannot write the output: %s\n",
                 std::strerror(g_output_error));
    return std::max(status, kCannotRun);
}

}  // namespace

int main(int argc, char **argv)
{
    keep_standard_descriptors();
    // A reader that went away is a write error like any other: the state is
    // still saved and the exit status tells.
    std::signal(SIGPIPE, SIG_IGN);
    Options o;
    try {
        o = parse_options(argc, argv);
    } catch (const BadInput &e) {
        o.json = wants_json(argc, argv);
        complain(o, 0, "", e.what(), kBadInput);
        std::fputs(kUsage, stderr);
        return finish(kBadInput);
    }
    if (o.words[0] == "--help") {
        output(kUsage + host::command_help());
        return finish(0);
    }
    try {
        return finish(run(o));
    } catch (const std::exception &e) {
        complain(o, 0, o.words[0], e.what(), kCannotRun);
        return finish(kCannotRun);
    }
}
