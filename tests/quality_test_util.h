// Helpers of the quality settings' tests.
#pragma once

#include <string>
#include <vector>

#include "sim/control.h"

namespace test {

// Fills the %d fields of a row's text in order.
inline std::string format(std::string text, int a, int b = 0)
{
    for (int v : {a, b})
        if (auto at = text.find("%d"); at != std::string::npos)
            text.replace(at, 2, std::to_string(v));
    return text;
}

// The last n log message parts.
inline std::vector<std::string> tail(std::size_t n)
{
    std::vector<std::string> m = sim::log_messages();
    return {m.end() - static_cast<long>(n), m.end()};
}

inline std::string picture_key(const char *suffix)
{
    return std::string("menu/picture/") + suffix;
}

}  // namespace test
