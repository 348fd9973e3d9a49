// Operations of the table are called from C: nothing may be thrown across.
#pragma once

#include <utility>

namespace picture {

// Runs body and turns any exception into the operation's failure result.
template <typename R, typename F> R guarded(R failure, F &&body) noexcept
{
    try {
        return std::forward<F>(body)();
    } catch (...) {
        return failure;
    }
}

}  // namespace picture
