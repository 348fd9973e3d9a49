// Shared by the stand-in's components: call entry, fault lookup, registration.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <type_traits>

#include "platform_calls.h"
#include "sim/control.h"

#define SIM_EXPORT __attribute__((visibility("default")))

namespace sim::detail {

using Forced = Answer;

bool journal_on();
// Journals one call's entry and returns the forced (or replayed) outcome, if any.
const Forced *journaled(const char *function, std::string entry);
// The forced outcome of a call that is not journaled.
const Forced *forced_of(const char *function);

// Journals a call of the platform function F in the call notation and
// returns the forced outcome, if any.
template <auto F, typename... A> const Forced *call(A &&...args)
{
    const char *name = calls::Row<F>::kName;
    if (journal_on())
        return journaled(name, calls::call_text<F>(args...));
    return forced_of(name);
}

// What the stand-in does when the function F is called, after the journal:
// a specialisation's static run(forced, args...) with forced the forced
// outcome or null. The output control library's is the primary template,
// in sim_avoc.cpp; the other components specialise it.
template <auto F> struct Work;

// Every setting of the output control library's rows, each at 0.
std::map<std::string, int> avoc_settings();

// Defines a C function of the platform rows (platform_rows.h) that journals
// its call and does its work.
#define SIM_C_FUNCTION(ret, name, ...)                                                             \
    extern "C" SIM_EXPORT ret name(PLATFORM_PARAMS(__VA_ARGS__))                                   \
    {                                                                                              \
        constexpr auto F = PLATFORM_C_POINTER(ret, name, ##__VA_ARGS__);                           \
        return ::sim::detail::Work<F>::run(::sim::detail::call<F>(PLATFORM_ARGS(__VA_ARGS__))      \
                                               SIM_ARGS_AFTER(__VA_ARGS__));                       \
    }
#define SIM_ARG_AFTER_(shape, type, name) , name
#define SIM_ARGS_AFTER(...) PLATFORM_EACH(SIM_ARG_AFTER_, PLATFORM_NOTHING, ##__VA_ARGS__)

// Why a forced outcome cannot be honoured by the function, or null when it can.
using Refusal = const char *(*)(const Forced &forced);

// Has force() turn down what `refusal` names for the function.
struct Registrar {
    Registrar(const char *function, Refusal refusal);
};

// Writes the forced out value, if any, and returns the forced result.
template <typename T> int forced_result(const Forced &forced, T *out)
{
    if (forced.out && out)
        *out = static_cast<T>(*forced.out);
    return forced.result;
}

// Writes the forced out values, if any, in parameter order.
template <typename... T> void forced_values(const Forced &forced, T *...outs)
{
    std::size_t i = 0;
    auto put = [&](auto *out) {
        const long long *v = i == 0                       ? (forced.out ? &*forced.out : nullptr)
                             : i - 1 < forced.more.size() ? &forced.more[i - 1]
                                                          : nullptr;
        if (v && out)
            *out = static_cast<std::remove_pointer_t<decltype(out)>>(*v);
        i++;
    };
    (put(outs), ...);
}

// The TV service part of the defaults (a channel line-up and the like).
TvState default_tv_state();

// Releases objects that the stand-in handed out, at reset.
void reset_tv_objects();

[[noreturn]] void unexpected(const char *function, const char *what);

}  // namespace sim::detail

// The stand-in stops the process on a call that no caller of the real
// platform may make (a null out-parameter, an argument outside the calling
// contract), so a test sees the fault where it happens. Values that the
// stand-in itself hands out, forced ones included, are answered as the real
// platform answers them, never stopped.
#define SIM_EXPECT(cond, what)                                                                     \
    do {                                                                                           \
        if (!(cond))                                                                               \
            ::sim::detail::unexpected(__func__, what);                                             \
    } while (0)
