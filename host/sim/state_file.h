// The state file of --state: the simulated TV as sim commands, read before a
// run and written after it.
#pragma once

#include <string>

namespace host {

// One run's hold on a state file. The file is locked from before it is read
// until this is destroyed, so that runs on the same file follow one another
// and none loses another's changes; a save locks the new file before it takes
// the old one's place, so the hold survives any number of saves. A symbolic
// link is followed: the file it names is read and replaced, the link stays.
class StateFile {
public:
    // Takes the lock, waiting at most `wait_seconds` for the process that
    // holds it (saying so on standard error). Throws BadInput naming that
    // process when the wait ends, and when the file is not a regular file or
    // cannot be read or created.
    StateFile(const std::string &path, int wait_seconds);
    ~StateFile();
    StateFile(const StateFile &) = delete;
    StateFile &operator=(const StateFile &) = delete;

    // Applies every sim command of the file. Throws BadInput with
    // "FILE:LINE: " for a line that is not one.
    void load();

    // When the state differs from what was loaded or last saved, writes it to
    // a temporary file beside the file, with the file's mode and owner, and
    // renames it over the file; otherwise leaves the file alone. Throws
    // std::runtime_error with the cause when it cannot.
    void save();

private:
    void open_and_lock(int wait_seconds);

    std::string path_;      // as given, for messages
    std::string target_;    // the file itself, symbolic links followed
    int fd_ = -1;           // open on the file, holding the lock
    bool created_ = false;  // made empty by this run and not written yet
    std::string saved_;     // the state as the file holds it
};

}  // namespace host
