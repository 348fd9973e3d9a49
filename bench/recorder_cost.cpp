// The recording provider's cost per get_int, counted in instructions by
// callgrind (recorder_cost.cmake): the plain provider, the recorder with
// recording off, with recording on, and on without log lines.
//   recorder-cost plain|off|on|on-nolog COUNT [FILE]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "picture_keys.h"
#include "picture_provider.h"
#include "provider_loader.h"
#include "sim/control.h"

namespace {

// The measured part: callgrind collects inside this function only.
__attribute__((noinline)) int run_get_ints(provider_get_int_fn get, const char *key, long count)
{
    int sum = 0;
    for (long i = 0; i < count; i++) {
        int v = 0;
        get(key, &v);
        sum += v;
    }
    return sum;
}

}  // namespace

int main(int argc, char **argv)
{
    std::string mode = argc > 2 ? argv[1] : "";
    if (mode != "plain" && mode != "off" && mode != "on" && mode != "on-nolog") {
        std::fprintf(stderr, "usage: recorder-cost plain|off|on|on-nolog COUNT [FILE]\n");
        return 2;
    }
    setenv("PICTURE_RECORDER_CONFIG", "/dev/null", 1);
    setenv("PICTURE_RECORDER_PROVIDER", PROVIDER_LIBRARY, 1);
    setenv("PICTURE_RECORDER_LIMIT", "1000000000000", 1);
    if (mode.rfind("on", 0) == 0)
        setenv("PICTURE_RECORDER_FILE", argc > 3 ? argv[3] : "/dev/null", 1);
    setenv("PICTURE_RECORDER_LOG", mode == "on-nolog" ? "off" : "on", 1);
    sim::set_log_mode(sim::LogMode::Discard);
    sim::set_journal(false);
    loader::Provider p =
        loader::load_provider_or_exit(mode == "plain" ? PROVIDER_LIBRARY : RECORDER_LIBRARY);
    provider_op *table = nullptr;
    if (p.create(&table) != 0 || !table) {
        std::fprintf(stderr, "cannot create the provider\n");
        return 1;
    }
    auto get = reinterpret_cast<provider_get_int_fn>(table[PROVIDER_SLOT_GET_INT]);
    const char *key = picture_setting_keys[PICTURE_KEY_FilmMode];
    run_get_ints(get, key, 1);  // first use
    std::printf("%d\n", run_get_ints(get, key, std::atol(argv[2])));
    return 0;
}
