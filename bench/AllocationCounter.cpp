// The C allocator's entry points, wrapped: each passes straight to glibc's own after counting.
// Everything else in the process (operator new, SDL, fontconfig) goes through them.
#include "AllocationCounter.h"

#include <atomic>
#include <cstddef>

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
}

namespace {

std::atomic<std::uint64_t> blocks{0};
std::atomic<std::uint64_t> bytes{0};

void Count(std::size_t size) {
    blocks.fetch_add(1, std::memory_order_relaxed);
    bytes.fetch_add(size, std::memory_order_relaxed);
}

}  // namespace

extern "C" {

void* malloc(std::size_t size) {
    Count(size);
    return __libc_malloc(size);
}

void* calloc(std::size_t count, std::size_t size) {
    Count(count * size);
    return __libc_calloc(count, size);
}

void* realloc(void* block, std::size_t size) {
    Count(size);
    return __libc_realloc(block, size);
}

}  // extern "C"

namespace bench {

Allocations AllocationsSoFar() { return {blocks.load(), bytes.load()}; }

}  // namespace bench
