// picture-menu: a desktop settings host. It loads the picture provider the
// way the TV's settings host does and drives it against the simulated TV.
#include <fcntl.h>
#include <libintl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "commands.h"
#include "completion.h"
#include "line_editor.h"
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

// Exit statuses beyond 0 (success) and 1 (the operation failed).
constexpr int kBadInput = 2;
constexpr int kCannotRun = 3;

// Why standard output could not be written (an errno), 0 while it can.
int g_output_error = 0;

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
    int wait_seconds = 5;  // a few: long enough for another command-line run
    std::vector<std::string> words;
};

// The options: a flag or a text with its argument's name.
struct OptionRow {
    const char *name;
    bool Options::*flag;
    std::string Options::*text;
    const char *arg;
    const char *what;
};

const OptionRow kOptions[] = {
    {"--json", &Options::json, nullptr, nullptr, "one JSON object per command (docs/json.md)"},
    {"--log", &Options::log, nullptr, nullptr, "the provider's log lines on standard error"},
    {"--trace", &Options::trace, nullptr, nullptr,
     "the platform calls of each command on standard error"},
    {"--state", nullptr, &Options::state, "FILE",
     "load the simulated TV from FILE and save it back"},
    {"--wait", nullptr, &Options::wait, "SECONDS",
     "wait at most SECONDS for another run on the state file (default 5)"},
    {"--provider", nullptr, &Options::provider, "PATH", "the provider library to load"},
    {"--locale", nullptr, &Options::locale, "DIR", "the catalogue directory"},
    {"--record", nullptr, &Options::record, "FILE",
     "record the provider's platform calls and answers in FILE"},
    {"--any-key", &Options::any_key, nullptr, nullptr,
     "pass keys picture-menu does not know to the provider"},
    {"--help", &Options::help, nullptr, nullptr, "this text (also -h)"},
    {"--version", &Options::version, nullptr, nullptr, "the version (also -V)"},
};

const char kExitStatuses[] =
    "exit status:\n"
    "  0  the operation succeeded\n"
    "  1  the operation failed; the output says why\n"
    "  2  bad input: unknown command, option or key, a bad number, a missing argument,\n"
    "     a bad state file or locale directory; nothing was changed\n"
    "  3  the provider cannot be loaded or the state cannot be written\n"
    "The shell's status is the worst of its lines'.\n";

std::string usage()
{
    std::string out = "usage: picture-menu [OPTION...] [COMMAND [ARGS...]]\n"
                      "       picture-menu [--log] [--trace] replay FILE [--provider PATH] "
                      "[--continue]\n"
#ifdef PICTURE_SERVE
                      "       picture-menu [--log] [--state FILE] serve [--listen ADDR:PORT]\n"
#endif
                      "Drives the picture provider against a simulated TV. Options may also\n"
                      "follow the command; after -- every word is an argument.\n"
#ifdef PICTURE_SERVE
                      "serve shows the Picture menu in a browser (default 127.0.0.1:8080).\n"
#endif
                      "\noptions:\n";
    for (const OptionRow &o : kOptions) {
        std::string head = std::string("  ") + o.name + (o.arg ? std::string(" ") + o.arg : "");
        out += head + std::string(head.size() < 22 ? 22 - head.size() : 1, ' ') + o.what + "\n";
    }
    return out;
}

std::string program_dir()
{
    char path[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return "./";
    std::string dir(path, static_cast<std::size_t>(n));
    return dir.substr(0, dir.rfind('/') + 1);
}

// The provider beside this program in the build tree, in the provider
// directory when installed.
std::string default_provider()
{
    std::string beside = program_dir() + "libpicture-provider.so";
    return access(beside.c_str(), F_OK) == 0
               ? beside
               : program_dir() + PICTURE_MENU_PROVIDER_DIR "/libpicture-provider.so";
}

const OptionRow *find_option(const std::string &name)
{
    if (name == "-h")
        return find_option("--help");
    if (name == "-V")
        return find_option("--version");
    for (const OptionRow &o : kOptions)
        if (name == o.name)
            return &o;
    return nullptr;
}

// Takes option argv[*i] (as --name, --name=value or --name value).
void take_option(Options &o, int argc, char **argv, int *i)
{
    std::string word = argv[*i];
    std::size_t eq = word.find('=');
    const OptionRow *row = find_option(word.substr(0, eq));
    if (!row)
        throw BadInput("unknown option: " + host::shown(word.substr(0, eq)));
    if (row->flag) {
        if (eq != std::string::npos)
            throw BadInput(std::string(row->name) + ": takes no value");
        o.*row->flag = true;
        return;
    }
    if (eq != std::string::npos)
        o.*row->text = word.substr(eq + 1);
    else if (*i + 1 < argc)
        o.*row->text = argv[++*i];
    else
        throw BadInput(std::string(row->name) + ": missing argument");
    if ((o.*row->text).empty())
        throw BadInput(std::string(row->name) + ": empty argument");
}

// Options come before or after the command. After the command a word that
// is not one of ours stays the command's ("sim show --changed", "set K -1").
Options parse_options(int argc, char **argv)
{
    Options o;
    bool plain = false;  // after "--"
    for (int i = 1; i < argc; ++i) {
        std::string word = argv[i];
        bool option_like = word.size() > 1 && word[0] == '-' && !std::isdigit(word[1]);
        if (!plain && word == "--")
            plain = true;
        else if (!plain && option_like &&
                 (o.words.empty() || find_option(word.substr(0, word.find('=')))))
            take_option(o, argc, argv, &i);
        else
            o.words.push_back(word);
    }
    if (o.words.empty())
        o.words = {"menu"};
    if (o.provider.empty())
        o.provider = default_provider();
    try {
        if (!o.wait.empty())
            o.wait_seconds = static_cast<int>(host::parse_number(o.wait, 0, 86400));
    } catch (const BadInput &e) {
        throw BadInput(std::string("--wait: ") + e.what());
    }
    struct stat info {};
    if (!o.locale.empty() && (stat(o.locale.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)))
        throw BadInput("--locale: not a directory: " + o.locale);
    if (o.locale.empty())
        o.locale = program_dir() + PICTURE_MENU_LOCALE_DIR;
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
        host::Outcome out = host::run_command(provider, words, {o.any_key});
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
        if (command && command->scope == host::Scope::Shell)
            break;  // quit, exit
        if (command && command->scope == host::Scope::CommandLine) {
            std::string what = words[0] == "shell" ? "already in the shell"
                                                   : "not here (on the command line only)";
            complain(o, where, words[0], words[0] + ": " + what, kBadInput);
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
            state.emplace(o.state, o.wait_seconds);
            state->load();
        }
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

int run(const Options &o)
{
    setenv("LANGUAGE", "en", 1);  // the one catalogue there is
    std::setlocale(LC_ALL, "C.UTF-8");
    // Captured either way: a failure's reason quotes the provider's last line.
    sim::set_log_mode(o.log ? sim::LogMode::CaptureAndEcho : sim::LogMode::Capture);
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
            state.emplace(o.state, o.wait_seconds);
            state->load();
        } catch (const BadInput &e) {
            complain(o, 0, o.words[0], e.what(), kBadInput);
            return kBadInput;
        }
    }
    sim::clear_journal();
    sim::clear_log();
#ifdef PICTURE_SERVE
    // The server keeps the state file locked and saves it after each change.
    if (o.words[0] == "serve")
        return host::run_serve(
            *provider, {o.words.begin() + 1, o.words.end()},
            {state ? &*state : nullptr, o.log, program_dir() + PICTURE_MENU_WEB_DIR});
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
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i)
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

// For the bash completion script: the words that may stand where the last
// word of `line` (a command line from the program name on) is being typed.
int complete(const std::string &line)
{
    std::vector<std::string> words;
    try {
        words = host::split_words(line);
    } catch (const BadInput &) {
        return 0;
    }
    std::string typed =
        line.empty() || std::isspace(static_cast<unsigned char>(line.back())) ? "" : words.back();
    std::string rest;  // the line without the program and the options
    for (std::size_t i = 1; i + (typed.empty() ? 0 : 1) < words.size(); ++i) {
        const OptionRow *option = find_option(words[i].substr(0, words[i].find('=')));
        if (option && option->text && words[i].find('=') == std::string::npos)
            ++i;  // its argument
        else if (!option)
            rest += host::quote(words[i]) + " ";
    }
    std::vector<std::string> out;
    if (typed.rfind('-', 0) == 0) {
        for (const OptionRow &o : kOptions)
            if (std::string(o.name).rfind(typed, 0) == 0)
                out.push_back(o.name);
    } else {
        out = host::completions(rest + typed, false);
    }
    for (const std::string &word : out)
        output(word + " \n");
    return 0;
}

int main(int argc, char **argv)
{
    keep_standard_descriptors();
    if (argc == 3 && std::strcmp(argv[1], "--complete") == 0)
        return finish(complete(argv[2]));
    // A reader that went away is a write error like any other: the state is
    // still saved and the exit status tells.
    std::signal(SIGPIPE, SIG_IGN);
    Options o;
    try {
        o = parse_options(argc, argv);
    } catch (const BadInput &e) {
        o.json = wants_json(argc, argv);
        complain(o, 0, "", e.what(), kBadInput);
        std::fputs("(picture-menu --help lists the options)\n", stderr);
        return finish(kBadInput);
    }
    if (o.help) {
        output(usage() + "\n" + host::command_help() + "\n" + kExitStatuses);
        return finish(0);
    }
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
