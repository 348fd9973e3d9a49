// The recording provider: loaded by the settings host in place of the
// provider, it loads the real one and hands the host a table whose slots
// record each request and answer, while the provider's platform calls and
// log lines are recorded on their way to the platform.
#include <dlfcn.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "build_id.h"
#include "dlog.h"
#include "picture_provider.h"
#include "platform_redirect.h"
#include "record_file.h"
#include "recording_notation.h"
#include "requests.h"

namespace {

struct Provider {
    std::mutex lock;  // loading, and the tables handed out
    void *handle = nullptr;
    provider_create_fn create = nullptr;
    provider_delete_fn del = nullptr;
    std::string path;
    std::vector<std::pair<provider_op *, provider_op *>> tables;  // handed out, real
};

Provider &provider()
{
    static Provider p;
    return p;
}

void log_line(const std::string &message)
{
    __dlog_print(LOG_ID_MAIN, DLOG_WARN, "picture-recorder", "%s\n", message.c_str());
}

std::string own_dir()
{
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void *>(&log_line), &info) || !info.dli_fname)
        return "";
    std::string path = info.dli_fname;
    return path.substr(0, path.rfind('/') + 1);
}

std::string header(const Provider &p, const recorder::Settings &settings)
{
    char when[32] = "unknown";
    std::time_t now = std::time(nullptr);
    std::tm utc{};
    if (gmtime_r(&now, &utc))
        std::strftime(when, sizeof when, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return std::string(recording::kMagic) + " " + std::to_string(recording::kFormatVersion) +
           "\nprovider: " + recording::quote(p.path) + " build " + recorder::build_id(p.handle) +
           "\ntime: " + when + "\n" + (settings.log ? "" : "logs: off\n");
}

// Loads the real provider once; recording starts when a file is configured.
bool load()
{
    Provider &p = provider();
    std::lock_guard<std::mutex> hold(p.lock);
    if (p.handle)
        return true;
    recorder::Settings settings = recorder::read_settings(own_dir());
    p.path = settings.provider;
    p.handle = dlopen(p.path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!p.handle) {
        log_line("cannot load the provider: " + std::string(dlerror()));
        return false;
    }
    p.create = reinterpret_cast<provider_create_fn>(dlsym(p.handle, "create_provider"));
    p.del = reinterpret_cast<provider_delete_fn>(dlsym(p.handle, "delete_provider"));
    if (!p.create || !p.del ||
        reinterpret_cast<void *>(p.create) == reinterpret_cast<void *>(&create_provider)) {
        log_line("not a provider: " + p.path);
        dlclose(p.handle);
        p.handle = nullptr;
        return false;
    }
    if (!settings.file.empty() && recorder::start(settings, header(p, settings))) {
        std::string why;
        if (!recorder::redirect_platform_calls(p.handle, &why))
            recorder::stop(("recording stopped: " + why).c_str());
        for (const std::string &copy : recorder::unrecorded_copies(p.handle))
            log_line("calls through a copy of " + copy + " of the provider are not recorded");
    }
    return true;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int create_provider(provider_op **table)
{
    try {
        if (!load())
            return 1;
        Provider &p = provider();
        if (!table)
            return recorder::record_create(p.create, table);
        provider_op *real = nullptr;
        int status = recorder::record_create(p.create, &real);
        if (status != 0 || !real)
            return status;
        auto *mine =
            static_cast<provider_op *>(std::calloc(PROVIDER_SLOT_COUNT, sizeof(provider_op)));
        if (!mine) {
            p.del(&real);
            return 1;
        }
        recorder::fill_table(real, mine);
        std::lock_guard<std::mutex> hold(p.lock);
        p.tables.emplace_back(mine, real);
        *table = mine;
        return status;
    } catch (...) {
        return 1;
    }
}

extern "C" __attribute__((visibility("default"))) int delete_provider(provider_op **table)
{
    try {
        Provider &p = provider();
        if (!p.handle)
            return table ? 0 : 1;
        if (!table || !*table)
            return recorder::record_delete(p.del, table);
        provider_op *mine = nullptr, *real = nullptr;
        {
            std::lock_guard<std::mutex> hold(p.lock);
            for (auto it = p.tables.begin(); it != p.tables.end() && !mine; ++it) {
                if (it->first == *table) {
                    mine = it->first;
                    real = it->second;
                    p.tables.erase(it);
                    break;
                }
            }
        }
        if (!mine)
            return recorder::record_delete(p.del, table);  // not one of ours: the provider decides
        int status = recorder::record_delete(p.del, &real);
        std::free(mine);
        return status;
    } catch (...) {
        return 1;
    }
}
