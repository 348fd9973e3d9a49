// The operations of the table, defined in their units and declared here from
// the public list of operations, with the signature of their slot.
#pragma once

#include <type_traits>

#include "picture_provider.h"

namespace picture {

#define DECLARE_OPERATION(name, NAME, slot, signature) std::remove_pointer_t<signature> name;
PROVIDER_OPERATIONS(DECLARE_OPERATION)
#undef DECLARE_OPERATION

}  // namespace picture
