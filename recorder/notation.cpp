// Operation rows of the recording's line format.
#include "notation.h"

namespace recording {

const Operation *operation_of_slot(int slot)
{
    for (const Operation &op : kOperations)
        if (op.slot == slot)
            return &op;
    return nullptr;
}

const Operation *operation_named(std::string_view name)
{
    for (const Operation &op : kOperations)
        if (name == op.name)
            return &op;
    return nullptr;
}

}  // namespace recording
