#include "gdi/PixelBuffer.h"

#include <sys/ipc.h>
#include <sys/mman.h>
#include <sys/shm.h>

#include <cstdlib>
#include <utility>

namespace platform {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;
#ifdef MADV_POPULATE_WRITE
constexpr int kPopulateWrite = MADV_POPULATE_WRITE;
#else
constexpr int kPopulateWrite = 23;  // older headers; a kernel before 5.14 refuses it harmlessly
#endif

// A block worth a huge page: at least half of one, and rounding up to whole ones wastes at most
// an eighth.
bool WorthHugePages(std::size_t bytes) {
    const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    return bytes >= kHugePage / 2 && rounded - bytes <= rounded / 8;
}

// Whole huge pages, aligned to one, offered to the system for huge pages; null when the
// mapping cannot be made.
void* MapHugePages(std::size_t bytes) {
    // Mapped with a huge page to spare, then trimmed to an aligned run.
    const std::size_t spare = bytes + kHugePage;
    void* mapped = mmap(nullptr, spare, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) return nullptr;
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = (start + kHugePage - 1) & ~(kHugePage - 1);
    if (aligned > start) munmap(mapped, aligned - start);
    const std::uintptr_t end = start + spare;
    if (end > aligned + bytes) munmap(reinterpret_cast<void*>(aligned + bytes), end - (aligned + bytes));
    madvise(reinterpret_cast<void*>(aligned), bytes, MADV_HUGEPAGE);
    return reinterpret_cast<void*>(aligned);
}

}  // namespace

PixelBuffer::PixelBuffer(std::size_t count) {
    if (count == 0 || count > SIZE_MAX / sizeof(std::uint32_t)) return;
    const std::size_t bytes = count * sizeof(std::uint32_t);
    if (WorthHugePages(bytes)) {
        const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
        if (void* block = MapHugePages(rounded)) {
            pixels_ = static_cast<std::uint32_t*>(block);
            mappedBytes_ = rounded;
        }
    }
    if (!pixels_) pixels_ = static_cast<std::uint32_t*>(std::calloc(count, sizeof(std::uint32_t)));
    size_ = pixels_ ? count : 0;
}

PixelBuffer PixelBuffer::Shared(std::size_t count) {
    PixelBuffer buffer;
    if (count == 0 || count > SIZE_MAX / sizeof(std::uint32_t)) return buffer;
    const int id = shmget(IPC_PRIVATE, count * sizeof(std::uint32_t), IPC_CREAT | 0600);
    if (id < 0) return buffer;
    void* block = shmat(id, nullptr, 0);
    shmctl(id, IPC_RMID, nullptr);
    if (block == reinterpret_cast<void*>(-1)) return buffer;
    // A window's pixels are all written as soon as it paints: the pages are made in one go
    // rather than one fault at a time, which on a virtual machine costs twice as much.
    madvise(block, count * sizeof(std::uint32_t), kPopulateWrite);
    buffer.pixels_ = static_cast<std::uint32_t*>(block);
    buffer.size_ = count;
    buffer.sharedId_ = id;
    return buffer;
}

PixelBuffer::~PixelBuffer() { Release(); }

PixelBuffer::PixelBuffer(PixelBuffer&& other) noexcept
    : pixels_(std::exchange(other.pixels_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      mappedBytes_(std::exchange(other.mappedBytes_, 0)),
      sharedId_(std::exchange(other.sharedId_, -1)) {}

PixelBuffer& PixelBuffer::operator=(PixelBuffer&& other) noexcept {
    if (this != &other) {
        Release();
        pixels_ = std::exchange(other.pixels_, nullptr);
        size_ = std::exchange(other.size_, 0);
        mappedBytes_ = std::exchange(other.mappedBytes_, 0);
        sharedId_ = std::exchange(other.sharedId_, -1);
    }
    return *this;
}

void PixelBuffer::Release() {
    if (sharedId_ >= 0) shmdt(pixels_);
    else if (mappedBytes_) munmap(pixels_, mappedBytes_);
    else std::free(pixels_);
    pixels_ = nullptr;
    size_ = 0;
    mappedBytes_ = 0;
    sharedId_ = -1;
}

}  // namespace platform
