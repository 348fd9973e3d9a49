// The state file of --state: the simulated TV as sim commands, read before a
// run and written after it.
#pragma once

#include <string>

namespace host {

// One run's hold on a state file. The file is locked from before it is read
// until this is destroyed, so that runs on the same file follow one another
// and none loses another's changes. A symbolic link is followed: the file it
// names is read and replaced, the link stays.
class StateFile {
public:
    // Takes the lock, waiting for another run to finish. Throws BadInput when
    // the file is not a regular file or cannot be read or created.
    explicit StateFile(const std::string &path);
    ~StateFile();
    StateFile(const StateFile &) = delete;
    StateFile &operator=(const StateFile &) = delete;

    // Applies every sim command of the file. Throws BadInput with
    // "FILE:LINE: " for a line that is not one.
    void load() const;

    // Writes the state to a temporary file beside the file, with the file's
    // mode and owner, and renames it over the file. Throws std::runtime_error
    // with the cause when it cannot.
    void save();

private:
    void open_and_lock();

    std::string path_;      // as given, for messages
    std::string target_;    // the file itself, symbolic links followed
    int fd_ = -1;           // open on the file, holding the lock
    bool created_ = false;  // made empty by this run and not written yet
};

}  // namespace host
