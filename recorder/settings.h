// The recorder's settings: the real provider, the recording's file, its
// limit and what happens there, and whether log lines are kept.
#pragma once

#include <string>

namespace recorder {

struct Settings {
    std::string provider;       // the real provider library
    std::string file;           // the recording; empty: no recording
    long long limit = 1 << 20;  // bytes per file
    bool rotate = false;        // at the limit: start FILE afresh, keeping FILE.1; else stop
    bool log = true;            // the provider's log lines in the recording
};

// The settings from the environment (PICTURE_RECORDER_PROVIDER,
// PICTURE_RECORDER_FILE, PICTURE_RECORDER_LIMIT, PICTURE_RECORDER_WHEN_FULL,
// PICTURE_RECORDER_LOG) over the configuration file (PICTURE_RECORDER_CONFIG,
// by default /etc/picture-recorder.conf) over the defaults. `own_dir` is the
// recorder's directory, where the real provider is looked for by default. A
// value that is not one of the setting's is refused with a log line.
Settings read_settings(const std::string &own_dir);

// Sets one setting from its text; false, with the reason, for a value the
// setting does not take (`s` is then unchanged).
bool apply_setting(Settings &s, const std::string &name, const std::string &value,
                   std::string *why);

}  // namespace recorder
