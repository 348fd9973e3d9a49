// The recording file: where it goes, how big it may grow, and what happens
// when it cannot be written. Recording is on from start() until stop().
#pragma once

#include <string>

namespace recorder {

struct Settings {
    std::string provider;       // the real provider library
    std::string file;           // the recording; empty: no recording
    long long limit = 1 << 20;  // bytes per file
    bool rotate = false;        // at the limit: start FILE afresh, keeping FILE.1; else stop
};

// The settings from the environment (PICTURE_RECORDER_PROVIDER,
// PICTURE_RECORDER_FILE, PICTURE_RECORDER_LIMIT, PICTURE_RECORDER_WHEN_FULL)
// over the configuration file (PICTURE_RECORDER_CONFIG, by default
// /etc/picture-recorder.conf) over the defaults. `own_dir` is the recorder's
// directory, where the real provider is looked for by default.
Settings read_settings(const std::string &own_dir);

// Whether recording is on; a plain flag, read on every call.
extern bool g_recording;
inline bool recording()
{
    return g_recording;
}

// Opens the file and writes the header; on failure logs one line and
// leaves recording off.
bool start(const Settings &settings, const std::string &header);
// Appends one line; at the limit rotates or stops, on a write error stops.
void write_line(const std::string &line);
// Stops recording, logging why (nothing when `why` is null).
void stop(const char *why);

}  // namespace recorder
