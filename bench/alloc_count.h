// Counts heap allocations in the benchmark process, and among them those made
// by the provider's own code (told apart by the caller's address).
#pragma once

#include <cstdint>

namespace bench {

struct AllocCounts {
    std::uint64_t all = 0;       // malloc, calloc, realloc and operator new, by anyone
    std::uint64_t provider = 0;  // of these, called from the provider library
};

AllocCounts alloc_counts();

// Attributes later allocations called from the library that holds `symbol`.
void count_allocations_of(const void *symbol);

}  // namespace bench
