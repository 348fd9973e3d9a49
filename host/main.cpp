// picture-menu: a desktop settings host. It loads the picture provider the
// way the TV's settings host does and drives it against the simulated TV.
#include <fcntl.h>
#include <libintl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "commands.h"
#include "line_editor.h"
#include "manual.h"
#include "options.h"
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

#ifndef PICTURE_VERSION
#define PICTURE_VERSION "unknown"
#endif

namespace {

using host::BadInput;
using host::Options;

// Exit statuses beyond 0 (success) and 1 (the operation failed).
constexpr int kBadInput = 2;
constexpr int kCannotRun = 3;

// Why standard output could not be written (an errno), 0 while it can.
int g_output_error = 0;

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
            const Options &o, int line, bool in_shell)
{
    int status = kBadInput;
    try {
        host::CommandResult out = host::run_command(provider, words, {o.any_key, in_shell});
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

// One command per line; a script's lines are echoed so the output reads as a
// transcript. The status is the worst of the lines'.
int run_shell(const host::ProviderHost &provider, const Options &o)
{
    bool interactive = isatty(STDIN_FILENO);
    host::LineEditor editor(interactive);
    int worst = 0;
    std::string line;
    for (int number = 1; g_output_error == 0 && editor.read(&line); ++number) {
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
        const host::Command *command = host::find_command(words[0]);
        // Any command's help may be asked for here, even one that runs elsewhere.
        if (std::find(words.begin(), words.end(), "--help") != words.end())
            command = nullptr;
        if (command && command->front == host::FrontEnd::Quit)
            break;
        if (command && command->scope == host::Scope::CommandLine) {
            std::string what = command->front == host::FrontEnd::Shell
                                   ? "already in the shell"
                                   : "not here (on the command line only)";
            complain(o, where, words[0], words[0] + ": " + what, kBadInput);
            worst = std::max(worst, kBadInput);
            continue;
        }
        worst = std::max(worst, execute(provider, words, o, where, true));
    }
    return worst;
}

// Loads the state file into `state`, left empty without --state. Throws BadInput.
void load_state(const Options &o, std::optional<host::StateFile> &state)
{
    if (!o.state.empty()) {
        state.emplace(o.state, o.wait_seconds);
        state->load();
    }
}

// The stand-in's state file, if any, sets the TV up; it is not saved after.
int replay(const Options &o)
{
    // A divergence shows the request's log lines, so they are kept.
    sim::set_log_mode(o.log ? sim::LogMode::CaptureAndEcho : sim::LogMode::Capture);
    try {
        std::optional<host::StateFile> state;
        load_state(o, state);
        host::ReplayOptions r{"", o.provider, o.locale, false, o.trace, o.json};
        return host::replay(host::parse_replay({o.words.begin() + 1, o.words.end()}, r));
    } catch (const BadInput &e) {
        complain(o, 0, "replay", e.what(), kBadInput);
        return kBadInput;
    } catch (const host::LoadError &e) {
        complain(o, 0, "replay", std::string("cannot load the provider: ") + e.what(), kCannotRun);
        return kCannotRun;
    }
}

// The command's row says what it needs: the provider loaded first, the
// state saved after. An unknown command needs both until it is refused.
int run(const Options &o)
{
    setenv("LANGUAGE", "en", 1);  // the one catalogue there is
    std::setlocale(LC_ALL, "C.UTF-8");
    // Captured either way: a failure's reason quotes the provider's last line.
    sim::set_log_mode(o.log ? sim::LogMode::CaptureAndEcho : sim::LogMode::Capture);
    const host::Command *command = host::find_command(o.words[0]);
    unsigned needs = command ? command->needs : host::kProvider | host::kSavesState;
    host::FrontEnd front = command ? command->front : host::FrontEnd::None;
    if (!(needs & host::kProvider))
        return replay(o);
    std::optional<host::ProviderHost> provider;
    try {
        provider.emplace(o.record.empty() ? o.provider
                                          : host::record_through(o.provider, o.record));
    } catch (const host::LoadError &e) {
        complain(o, 0, o.words[0],
                 std::string("cannot load the provider: ") + e.what() +
                     host::where_looked(o.provider),
                 kCannotRun);
        return kCannotRun;
    }
    // The provider bound the domain to the TV's directory; the desktop's
    // catalogue is elsewhere.
    bindtextdomain(host::kTextDomain, o.locale.c_str());
    bind_textdomain_codeset(host::kTextDomain, "UTF-8");
    std::optional<host::StateFile> state;
    try {
        load_state(o, state);
    } catch (const BadInput &e) {
        complain(o, 0, o.words[0], e.what(), kBadInput);
        return kBadInput;
    }
    sim::clear_journal();
    sim::clear_log();
#ifdef PICTURE_SERVE
    if (front == host::FrontEnd::Serve)
        return host::run_serve(
            *provider, {o.words.begin() + 1, o.words.end()},
            {state ? &*state : nullptr, o.log, host::program_dir() + PICTURE_MENU_WEB_DIR});
#endif
    bool shell = front == host::FrontEnd::Shell && o.words.size() == 1;
    int status = shell ? run_shell(*provider, o) : execute(*provider, o.words, o, 0, false);
    // Without a state file the simulated TV lives as long as the process; a
    // shell's user sees the change last, one command's does not.
    if (!shell && status == 0 && !state && (needs & host::kCommits))
        std::fputs("picture-menu: note: the change ends with this run (--state FILE keeps it)\n",
                   stderr);
    // A refused command changed nothing; a refused line of the shell leaves the others'.
    if (!state || !(needs & host::kSavesState) || (status == kBadInput && !shell))
        return status;
    try {
        state->save();
    } catch (const std::exception &e) {
        complain(o, 0, o.words[0], e.what(), kCannotRun);
        return kCannotRun;
    }
    return status;
}

// --help: everything, or after a command that command's help.
int help(const Options &o)
{
    if (!o.command_given) {
        output(host::usage() + "\n" + host::command_help() + "\n" + host::exit_statuses());
        return 0;
    }
    try {
        output(host::command_usage(host::command_named(o.words[0])));
        return 0;
    } catch (const BadInput &e) {
        complain(o, 0, host::shown(o.words[0]), e.what(), kBadInput);
        return kBadInput;
    }
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

// The exit status once everything that standard output holds is written.
int finish(int status)
{
    if (std::fclose(stdout) != 0 && g_output_error == 0)
        g_output_error = errno ? errno : EIO;
    if (g_output_error == 0)
        return status;
    if (g_output_error == EPIPE) {
        // The reader has all it wanted (menu | head): end as the signal
        // would have, quietly; the state is saved by now.
        std::signal(SIGPIPE, SIG_DFL);
        std::raise(SIGPIPE);
    }
    std::fprintf(stderr, "picture-menu: cannot write the output: %s\n",
                 std::strerror(g_output_error));
    return std::max(status, kCannotRun);
}

}  // namespace

int main(int argc, char **argv)
{
    keep_standard_descriptors();
    if (argc == 3 && std::strcmp(argv[1], "--complete") == 0) {
        for (const std::string &word : host::complete_line(argv[2]))
            output(word + "\n");
        return finish(0);
    }
    // For the build: the manual page, or with "markdown" the README's table.
    if ((argc == 2 || argc == 3) && std::strcmp(argv[1], "--manual") == 0) {
        output(argc == 2 ? host::manual() : host::command_table_markdown());
        return finish(0);
    }
    // A reader that went away is noticed as a write error, so the state is
    // still saved before the program ends.
    std::signal(SIGPIPE, SIG_IGN);
    Options o;
    try {
        o = host::parse_options(argc, argv);
    } catch (const BadInput &e) {
        o.json = host::wants_json(argc, argv);
        complain(o, 0, "", e.what(), kBadInput);
        std::fputs("(picture-menu --help lists the options)\n", stderr);
        return finish(kBadInput);
    }
    if (o.help)
        return finish(help(o));
    if (o.version) {
        output(std::string("picture-menu ") + PICTURE_VERSION + "\n");
        return finish(0);
    }
    try {
        return finish(run(o));
    } catch (const std::exception &e) {
        complain(o, 0, o.words[0], e.what(), kCannotRun);
        return finish(kCannotRun);
    }
}
