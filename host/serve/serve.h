// picture-menu serve: the Picture menu in a browser, over HTTP on loopback.
#pragma once

#include <string>
#include <vector>

namespace host {

class ProviderHost;
class StateFile;

struct ServeOptions {
    StateFile *state = nullptr;  // saved after each change, held locked while serving
    bool echo_log = false;       // the platform log also on standard error
    std::string web_dir;         // the page's files
};

// Serves until SIGINT or SIGTERM; `args` are the words after "serve".
// Returns the exit status: 0 when stopped, 2 for bad arguments, 3 when the
// address cannot be bound.
int run_serve(const ProviderHost &provider, const std::vector<std::string> &args,
              const ServeOptions &options);

}  // namespace host
