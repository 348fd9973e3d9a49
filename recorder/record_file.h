// The recording file: where it goes, how big it may grow, and what happens
// when it cannot be written. Recording is on from start() until stop().
// Each request's lines gather in the thread that makes it and reach the file
// together, in one write, when the request is answered.
#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <string_view>

#include "settings.h"

namespace recorder {

// Whether recording is on; read on every call.
extern std::atomic<bool> g_recording;
inline bool recording()
{
    return g_recording.load(std::memory_order_relaxed);
}
// Whether log lines are recorded.
bool recording_log();

// Opens and locks the file and writes the header; on failure logs one line
// and leaves recording off.
bool start(const Settings &settings, const std::string &header);

// Opens the calling thread's request with the operation's name; returns its
// lines, for the arguments and the request line's newline.
std::string &begin_request(std::string_view name);
// The lines of the calling thread's open request, for a call or log line to
// be appended to (each ending in a newline); null outside a request.
std::string *request_lines();
// A call or log line: part of the calling thread's open request, or written
// alone outside one.
void write_line(const std::string &line);
// Answers the thread's open request: numbers it, calls `numbered` with the
// number and the answer (which it may complete with the number) while no
// other request can be numbered, and writes the request's lines.
using Numbered = std::function<void(int number, std::string &answer)>;
void end_request(std::string answer, const Numbered &numbered = {});

// Whether the host holds strings or lists handed out by earlier requests. A
// rotating recording starts its next file at a request that leaves none
// held once the file is half full, so that each file replays on its own.
void set_handles_held(bool held);

// Stops recording, logging why (nothing when `why` is null).
void stop(const char *why);

}  // namespace recorder
