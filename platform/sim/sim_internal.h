// Shared by the stand-in's components: call entry, fault lookup, registration.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <type_traits>

#include "sim/control.h"

#define SIM_EXPORT __attribute__((visibility("default")))

namespace sim::detail {

using Forced = Answer;

// Journals one call as "function(args)" and returns the forced outcome, if any.
const Forced *call(const char *function, const char *args_format, ...)
    __attribute__((format(printf, 2, 3)));

// Why a forced outcome cannot be honoured by the function, or null when it can.
using Refusal = const char *(*)(const Forced &forced);

// Adds names to the set of functions that can be forced; force() turns down
// what `refusal` names.
struct Registrar {
    Registrar(std::initializer_list<const char *> names, Refusal refusal = nullptr);
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
