// Time and heap allocations per operation, one benchmark per operation
// family, with the provider loaded as the host loads it and a quiet stand-in
// (log lines discarded, no call journal).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "alloc_count.h"
#include "picture_keys.h"
#include "picture_provider.h"
#include "provider_loader.h"
#include "sim/control.h"

namespace {

const char *const kFirstKey = picture_setting_keys[0];
const char *const kLastKey = picture_setting_keys[PICTURE_SETTING_KEY_COUNT - 1];

// The keys get_list_items knows.
const char *const kListKeys[] = {
    picture_setting_keys[PICTURE_KEY_PictureSize43],
    picture_setting_keys[PICTURE_KEY_PictureSizeMode],
    picture_setting_keys[PICTURE_KEY_PictureSizeVideoPlayer],
    picture_setting_keys[PICTURE_KEY_WideMode219],
    picture_setting_keys[PICTURE_KEY_WideMode219Photo],
    picture_setting_keys[PICTURE_KEY_PictureSizeEntry],
    picture_setting_keys[PICTURE_KEY_PipAntenna],
    PICTURE_PIP_CHANNEL_KEY,
    picture_setting_keys[PICTURE_KEY_PipSource],
    picture_setting_keys[PICTURE_KEY_DynamicContrast],
    picture_setting_keys[PICTURE_KEY_ColorTone],
};

provider_op *table()
{
    static provider_op *t = [] {
        loader::Provider provider = loader::load_provider_or_exit(PROVIDER_LIBRARY);
        bench::count_allocations_of(reinterpret_cast<void *>(provider.create));
        provider_op *ops = nullptr;
        provider.create(&ops);
        sim::set_log_mode(sim::LogMode::Discard);
        sim::set_journal(false);
        sim::reset();
        return ops;
    }();
    return t;
}

template <typename F> F op(provider_slot slot)
{
    return reinterpret_cast<F>(table()[slot]);
}

// Runs `body` once per iteration and reports its allocations per operation.
template <typename F> void measure(benchmark::State &state, F body)
{
    body();  // first use: lazily built tables and the like are not counted
    bench::AllocCounts before = bench::alloc_counts();
    for (auto _ : state)
        body();
    bench::AllocCounts after = bench::alloc_counts();
    auto per_op = [&](std::uint64_t n) {
        return benchmark::Counter(static_cast<double>(n), benchmark::Counter::kAvgIterations);
    };
    state.counters["provider_allocs"] = per_op(after.provider - before.provider);
    state.counters["all_allocs"] = per_op(after.all - before.all);
}

void get_int(benchmark::State &state, const char *key)
{
    auto get = op<provider_get_int_fn>(PROVIDER_SLOT_GET_INT);
    measure(state, [&] {
        int v = 0;
        benchmark::DoNotOptimize(get(key, &v));
    });
}

void set_int(benchmark::State &state, const char *key, provider_slot slot)
{
    auto set = op<provider_set_int_fn>(slot);
    measure(state, [&] { benchmark::DoNotOptimize(set(key, 0)); });
}

void list(benchmark::State &state)
{
    const char *key = kListKeys[state.range(0)];
    state.SetLabel(key);
    auto get = op<provider_get_list_items_fn>(PROVIDER_SLOT_GET_LIST_ITEMS);
    auto release = op<provider_free_list_items_fn>(PROVIDER_SLOT_FREE_LIST_ITEMS);
    measure(state, [&] {
        int count = 0;
        void **items = get(key, &count);
        if (items)
            release(items, count);
    });
}

void string(benchmark::State &state, provider_slot slot, const char *key)
{
    auto get = op<provider_get_string_fn>(slot);
    auto release = op<provider_release_string_fn>(PROVIDER_SLOT_RELEASE_STRING);
    measure(state, [&] {
        char *text = nullptr;
        get(key, &text);
        if (text)
            release(text);
    });
}

void pip_channel_step(benchmark::State &state)
{
    auto set = op<provider_set_string_fn>(PROVIDER_SLOT_SET_STRING);
    measure(state, [&] { benchmark::DoNotOptimize(set(PICTURE_PIP_CHANNEL_KEY, "Up")); });
}

}  // namespace

BENCHMARK_CAPTURE(get_int, first_key, kFirstKey);
BENCHMARK_CAPTURE(get_int, last_key, kLastKey);
BENCHMARK_CAPTURE(set_int, first_key, kFirstKey, PROVIDER_SLOT_SET_INT);
BENCHMARK_CAPTURE(set_int, last_key, kLastKey, PROVIDER_SLOT_SET_INT);
BENCHMARK_CAPTURE(set_int, preview_first_key, kFirstKey, PROVIDER_SLOT_SET_INT_PRE);
BENCHMARK_CAPTURE(set_int, preview_last_key, kLastKey, PROVIDER_SLOT_SET_INT_PRE);
BENCHMARK(list)->DenseRange(0, static_cast<int>(std::size(kListKeys)) - 1);
BENCHMARK_CAPTURE(string, label_first_key, PROVIDER_SLOT_GET_DISPLAY_NAME, kFirstKey);
BENCHMARK_CAPTURE(string, label_last_key, PROVIDER_SLOT_GET_DISPLAY_NAME, kLastKey);
BENCHMARK_CAPTURE(string, help_text, PROVIDER_SLOT_GET_HELP_TEXT,
                  picture_setting_keys[PICTURE_KEY_PictureReset]);
BENCHMARK(pip_channel_step);

BENCHMARK_MAIN();
