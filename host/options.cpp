// The command line's options, the help and manual page around the command
// table, and the command line's completion for the bash script.
#include "options.h"

#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstring>
#include <filesystem>

#include "commands.h"
#include "completion.h"
#include "manual.h"
#include "words.h"

#ifndef PICTURE_VERSION
#define PICTURE_VERSION "unknown"
#endif

namespace host {
namespace {

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

struct ExitRow {
    const char *status;
    const char *what;  // a line break where --help breaks it
};

const ExitRow kExitStatuses[] = {
    {"0", "the operation succeeded"},
    {"1", "the operation failed; the output says why"},
    {"2", "bad input: unknown command, option or key, a bad number, a missing argument,\n"
          "a bad state file or locale directory; nothing was changed"},
    {"3", "the provider cannot be loaded or the state cannot be written"},
};
const char kWorstLine[] = "The shell's status is the worst of its lines'.";

std::string option_head(const OptionRow &o)
{
    return std::string(o.name) + (o.arg ? std::string(" ") + o.arg : "");
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

}  // namespace

// Where picture-menu looked when no provider was named and none is there:
// a tools install without the provider ends here.
std::string where_looked(const std::string &provider)
{
    if (provider != default_provider() || access(provider.c_str(), F_OK) == 0)
        return "";
    const auto installed = std::filesystem::path(program_dir() + PICTURE_MENU_PROVIDER_DIR "/");
    return " (looked in " + program_dir() + " and " + installed.lexically_normal().string() +
           "; install the provider, or name one with --provider PATH)";
}

namespace {

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
        throw BadInput("unknown option: " + shown(word.substr(0, eq)));
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

// The completion script's cue to offer file names.
constexpr const char kFileNames[] = "//files";

// A file name stands at words[at]: after an option whose argument is a file
// or a path, or as the recording that replay reads.
bool wants_file(const std::vector<std::string> &words, std::size_t at)
{
    const OptionRow *before = at > 1 ? find_option(words[at - 1]) : nullptr;
    for (const char *name : {"FILE", "PATH", "DIR"})
        if (before && before->arg && std::strcmp(before->arg, name) == 0)
            return true;
    std::size_t first = 1;  // the command: the first word that is not an option
    while (first < at && words[first][0] == '-')
        first += find_option(words[first]) && find_option(words[first])->text ? 2 : 1;
    const Command *command = first < at ? find_command(words[first]) : nullptr;
    return command && command->front == FrontEnd::Replay && at == first + 1;
}

}  // namespace

std::string exit_statuses()
{
    std::string out = "exit status:\n";
    for (const ExitRow &e : kExitStatuses) {
        std::string what = e.what;
        for (std::size_t at = what.find('\n'); at != std::string::npos; at = what.find('\n', at))
            what.insert(++at, "     ");
        out += std::string("  ") + e.status + "  " + what + "\n";
    }
    return out + kWorstLine + "\n";
}

// picture-menu(1), from the tables --help prints.
std::string manual()
{
    std::vector<ManualEntry> options, statuses;
    for (const OptionRow &o : kOptions)
        options.push_back({option_head(o), o.what});
    for (const ExitRow &e : kExitStatuses)
        statuses.push_back({e.status, e.what});
    return manual_page(options, statuses, PICTURE_VERSION);
}

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
        std::string head = "  " + option_head(o);
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
    o.command_given = !o.words.empty();
    if (o.words.empty())
        o.words = {"menu"};
    if (o.provider.empty())
        o.provider = default_provider();
    try {
        if (!o.wait.empty())
            o.wait_seconds = static_cast<int>(parse_number(o.wait, 0, 86400));
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

// --json among the options, for an error in the options themselves.
bool wants_json(int argc, char **argv)
{
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i)
        if (std::strcmp(argv[i], "--json") == 0)
            return true;
    return false;
}

// For the bash completion script: the words that may stand where the last
// word of `line` (a command line from the program name on) is being typed.
std::vector<std::string> complete_line(const std::string &line)
{
    std::vector<std::string> words;
    try {
        words = split_words(line);
    } catch (const BadInput &) {
        return {};
    }
    std::string typed =
        line.empty() || std::isspace(static_cast<unsigned char>(line.back())) ? "" : words.back();
    std::string rest;  // the line without the program and the options
    for (std::size_t i = 1; i + (typed.empty() ? 0 : 1) < words.size(); ++i) {
        const OptionRow *option = find_option(words[i].substr(0, words[i].find('=')));
        if (option && option->text && words[i].find('=') == std::string::npos)
            ++i;  // its argument
        else if (!option)
            rest += quote(words[i]) + " ";
    }
    if (wants_file(words, typed.empty() ? words.size() : words.size() - 1))
        return {kFileNames};
    std::vector<std::string> out;
    if (typed.rfind('-', 0) == 0) {
        for (const OptionRow &o : kOptions)
            if (std::string(o.name).rfind(typed, 0) == 0)
                out.push_back(o.name);
        std::vector<std::string> command = split_words(rest);
        const Command *row = command.empty() ? nullptr : find_command(command[0]);
        if (row && row->flag && std::string(row->flag).rfind(typed, 0) == 0)
            out.push_back(row->flag);
    } else {
        out = completions(rest + typed, false);
    }
    for (std::string &word : out)
        word += ' ';  // a whole word: the cursor moves on
    return out;
}

}  // namespace host
