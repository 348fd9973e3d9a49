// Operation rows of the recording's line format.
#include "recording_notation.h"

#include <cstdio>
#include <string>

namespace recording {

const Operation *operation_of_slot(int slot)
{
    return operation_at(slot);
}

const Operation *operation_named(std::string_view name)
{
    for (const Operation &op : kOperations)
        if (name == op.name)
            return &op;
    return nullptr;
}

std::string value_text(int value)
{
    return std::to_string(value);
}

std::string value_text(bool value)
{
    return value ? "1" : "0";
}

std::string value_text(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::string_view log_message(std::string_view text)
{
    if (!text.empty() && text.back() == '\n')
        text.remove_suffix(1);
    std::size_t arrow = text.find(") > [");
    std::size_t close = arrow == std::string_view::npos ? arrow : text.find("] ", arrow);
    std::size_t open = arrow == std::string_view::npos ? arrow : text.rfind('(', arrow);
    if (close == std::string_view::npos || open == std::string_view::npos || text.find(": ") > open)
        return text;
    return text.substr(close + 2);
}

}  // namespace recording
