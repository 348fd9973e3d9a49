// Line input for the shell.
#include "line_editor.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <vector>

#ifdef HAVE_READLINE
#include <readline/history.h>
#include <readline/readline.h>
#endif

#include "completion.h"

namespace host {
namespace {

#ifdef HAVE_READLINE
constexpr int kHistoryLines = 1000;

// Creates each missing folder of `path` up to its last slash.
void make_parents(const std::string &path)
{
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1))
        mkdir(path.substr(0, slash).c_str(), 0700);
}

std::vector<std::string> g_matches;

char *next_match(const char *, int state)
{
    static std::size_t next;
    if (state == 0) {
        g_matches =
            completions(std::string(rl_line_buffer, static_cast<std::size_t>(rl_point)), true);
        next = 0;
    }
    return next < g_matches.size() ? strdup(g_matches[next++].c_str()) : nullptr;
}

char **complete(const char *text, int, int)
{
    rl_attempted_completion_over = 1;  // never file names
    return rl_completion_matches(text, next_match);
}

// Ctrl-C drops the line being edited and prompts again; the session stays.
void on_interrupt(int)
{
    rl_replace_line("", 0);
    rl_crlf();
    rl_on_new_line();
    rl_redisplay();
}
#endif

}  // namespace

std::string history_path()
{
    const char *state = std::getenv("XDG_STATE_HOME");
    if (state && *state == '/')
        return std::string(state) + "/picture-menu/history";
    const char *home = std::getenv("HOME");
    if (home && *home == '/')
        return std::string(home) + "/.local/state/picture-menu/history";
    return {};
}

LineEditor::LineEditor(bool interactive) : interactive_(interactive)
{
#ifdef HAVE_READLINE
    if (!interactive_)
        return;
    rl_readline_name = "picture-menu";
    rl_attempted_completion_function = complete;
    rl_basic_word_break_characters = const_cast<char *>(" \t");
    struct sigaction action {};
    action.sa_handler = on_interrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    history_ = history_path();
    if (!history_.empty())
        read_history(history_.c_str());
#endif
}

LineEditor::~LineEditor()
{
#ifdef HAVE_READLINE
    if (history_.empty())
        return;
    make_parents(history_);
    if (write_history(history_.c_str()) == 0)
        history_truncate_file(history_.c_str(), kHistoryLines);
#endif
}

bool LineEditor::read(std::string *line) const
{
#ifdef HAVE_READLINE
    if (interactive_) {
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
    if (interactive_) {
        std::fputs("picture> ", stdout);
        std::fflush(stdout);
    }
    return static_cast<bool>(std::getline(std::cin, *line));
}

}  // namespace host
