#include "provider_loader.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

namespace loader {

namespace {

// Every platform provides its log; its absence means the host was built
// without a platform library and nothing could bind.
constexpr const char *kPlatformProbe = "__dlog_print";

}  // namespace

bool load_provider(const std::string &path, Provider *provider, std::string *error)
{
    if (!dlsym(RTLD_DEFAULT, kPlatformProbe)) {
        *error = std::string("no platform in this process (") + kPlatformProbe +
                 " is not defined): the host must be linked with a platform library";
        return false;
    }
    void *handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char *reason = dlerror();
        *error = reason ? reason : path + ": cannot be loaded";
        return false;
    }
    auto create = reinterpret_cast<provider_create_fn>(dlsym(handle, "create_provider"));
    auto destroy = reinterpret_cast<provider_delete_fn>(dlsym(handle, "delete_provider"));
    if (!create || !destroy) {
        dlclose(handle);
        *error = path + ": not a provider (create_provider or delete_provider missing)";
        return false;
    }
    provider->handle = handle;
    provider->create = create;
    provider->destroy = destroy;
    return true;
}

Provider load_provider_or_exit(const std::string &path)
{
    Provider provider;
    std::string error;
    if (!load_provider(path, &provider, &error)) {
        std::fprintf(stderr, "cannot load the provider: %s\n", error.c_str());
        std::exit(3);
    }
    return provider;
}

}  // namespace loader
