// Counts the heap blocks the process asks for (malloc, calloc, realloc, operator new, which all
// end in malloc here), so a benchmark can tell how many a piece of work made.
#pragma once

#include <cstdint>

namespace bench {

struct Allocations {
    std::uint64_t count = 0;
    std::uint64_t bytes = 0;
};

// Blocks and bytes asked for since the process started.
Allocations AllocationsSoFar();

}  // namespace bench
