// Reading a recording of the recording provider: the header, and each
// request with the platform calls, log lines and answer that followed it.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "recording_notation.h"
#include "sim/control.h"

namespace recording {

// A recording that cannot be read: the message starts with "FILE:LINE: ".
struct BadRecording : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A token as read: a quoted text, or a word such as 12, #4, #4[2] or null.
struct Token {
    std::string text;
    bool quoted = false;
};

struct RecordedCall {
    int line = 0;
    sim::ReplayCall call;  // the journal's text and the answer
};

struct RecordedRequest {
    int line = 0;
    int number = 0;
    const Operation *operation = nullptr;
    std::vector<Token> args;
    std::vector<RecordedCall> calls;
    std::vector<std::string> log;  // the log lines' texts
    int answer_line = 0;
    std::vector<Token> answer;
};

struct Recording {
    std::string file;
    std::string provider;  // path and build, as the header gives them
    std::string time;
    std::vector<RecordedRequest> requests;
};

// Reads and checks a recording. Throws BadRecording with "FILE:LINE: " and what
// is wrong: a file that cannot be read, another format version, a truncated
// recording, a line that is not one of the format.
Recording read_recording(const std::string &file);

// A request or answer written back in the recording's notation.
std::string tokens_text(const std::vector<Token> &tokens);

}  // namespace recording
