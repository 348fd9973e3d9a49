// Loading the provider into a host process, the one way every desktop host
// does it (picture-menu, the tests, the benchmarks, the fuzz target).
//
// As on the TV, the platform is part of the host process before the provider
// arrives: each host links its platform library (the stand-in, or another one
// in the tests), so the provider's undefined platform symbols bind to it
// through the global scope. The provider itself names no platform library.
#pragma once

#include <string>

#include "picture_provider.h"

namespace loader {

// The provider's two entry points. The library stays loaded for the life of
// the process: its log and PIP state outlive any table.
struct Provider {
    void *handle = nullptr;
    provider_create_fn create = nullptr;
    provider_delete_fn destroy = nullptr;
};

// Loads the provider library at `path` with every symbol bound at once.
// Returns false, with the reason in *error, when the process holds no
// platform, the library cannot be loaded (a platform function is missing,
// say) or it lacks an entry point.
bool load_provider(const std::string &path, Provider *provider, std::string *error);

// For the test programs: the provider, or the process ends with the reason.
Provider load_provider_or_exit(const std::string &path);

}  // namespace loader
