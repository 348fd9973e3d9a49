// Words of a command line: splitting with quotes, quoting back, numbers.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace host {

// Input that the host refuses: the message names what is wrong.
struct BadInput : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Splits a line at blanks; "double quotes" keep blanks and a backslash
// escapes the next character, except that \n, \t, \r and \xHH stand for a
// newline, a tab, a carriage return and the byte HH. Throws BadInput on an
// unterminated quote and on a NUL byte, which no C string past the host
// could carry.
std::vector<std::string> split_words(const std::string &line);

// The word as split_words reads it back, on one line: quoted when it has to
// be, control characters escaped.
std::string quote(const std::string &word);

// Decimal, or hexadecimal after 0x. Throws BadInput naming the text.
long long parse_number(const std::string &text, long long min, long long max);
int parse_int(const std::string &text);

// User text as a message shows it: cut with an ellipsis when it is long, so a
// runaway line does not flood the terminal.
std::string shown(const std::string &text);

// The number of one-character edits from one text to the other.
std::size_t edit_distance(const std::string &a, const std::string &b);

// " (did you mean A, B or C?)" for the words nearest to a misspelt one, ""
// for none.
std::string did_you_mean(const std::vector<std::string> &near);

}  // namespace host
