// Reading shell lines: with readline on a terminal (completion, history kept
// between sessions, Ctrl-C dropping the line being edited), plain lines
// otherwise.
#pragma once

#include <string>

namespace host {

class LineEditor {
public:
    // `interactive`: standard input is a terminal.
    explicit LineEditor(bool interactive);
    ~LineEditor();
    LineEditor(const LineEditor &) = delete;
    LineEditor &operator=(const LineEditor &) = delete;

    // The next line; false at the end of input.
    bool read(std::string *line) const;

private:
    bool interactive_;
    std::string history_;  // the history file, empty when there is none
};

// $XDG_STATE_HOME/picture-menu/history, or under ~/.local/state.
std::string history_path();

}  // namespace host
