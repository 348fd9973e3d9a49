// Reading a recording of the recording provider: the header, and each
// request with the platform calls, log lines and answer that followed it.
#pragma once

#include <memory>
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
    int profile = 0;       // the TV service profile of the object called, 0 for none
    sim::ReplayCall call;  // the journal's text and the answer
};

// A log line of the provider's, as the platform log got it.
struct RecordedLog {
    int line = 0;
    int priority = 0;
    std::string tag;
    std::string text;
};

struct RecordedRequest {
    int line = 0;
    int number = 0;
    int thread = 1;  // the host's thread that made it, numbered from 1
    const Operation *operation = nullptr;
    std::vector<Token> args;
    std::vector<RecordedCall> calls;
    std::vector<RecordedLog> log;
    int answer_line = 0;
    std::vector<Token> answer;
};

struct RecordingHeader {
    std::string provider;  // path and build, as the header gives them
    std::string time;
    bool logs = true;  // whether the provider's log lines were recorded
};

// Reads a recording request by request, so that one of any length takes
// the memory of one request. Throws BadRecording with "FILE:LINE: " and what
// is wrong: a file that cannot be read, another format version, a line that
// is not one of the format. A recording that stops in the middle of a
// request (the host ended, the disk filled) is not wrong: its complete
// requests are read, and cut() says where it stops.
class RecordingReader {
public:
    explicit RecordingReader(const std::string &file);  // reads the header
    ~RecordingReader();
    RecordingReader(const RecordingReader &) = delete;
    RecordingReader &operator=(const RecordingReader &) = delete;

    const RecordingHeader &header() const { return header_; }
    // The next complete request; false at the end.
    bool next(RecordedRequest &q);
    // At the end: the end line's reason ("exit", "full"), empty without one.
    const std::string &end() const { return end_; }
    // At the end: what is unfinished ("request 49 has no answer") and its
    // line, empty when the recording is whole.
    const std::string &cut() const { return cut_; }
    int cut_line() const { return cut_line_; }

private:
    struct Lines;
    bool line(std::string &text);
    void read_header();

    std::unique_ptr<Lines> lines_;
    RecordingHeader header_;
    int number_ = 0;  // the last request's
    std::string end_;
    std::string cut_;
    int cut_line_ = 0;
};

// A request or answer written back in the recording's notation.
std::string tokens_text(const std::vector<Token> &tokens);

}  // namespace recording
