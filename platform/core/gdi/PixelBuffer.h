// The pixels of a bitmap or a window: a fixed number of 0x00RRGGBB values, zero when made.
//
// They are never a vector filled with zeros: a block is fresh zeroed memory from the system,
// so making a bitmap costs no time writing zeros that its first drawing overwrites. A block
// about the size of a whole window is asked for in huge pages where the system offers them:
// filling such a block page by page takes hundreds of page faults, a few milliseconds of every
// picture shown and every start, where one huge page takes one. A buffer that cannot be had is
// empty rather than an exception, so the call that wanted it can fail as the API says.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

class PixelBuffer {
public:
    PixelBuffer() = default;
    explicit PixelBuffer(std::size_t count);
    // Pixels in a System V shared memory segment, which a local display server can read in
    // place; empty when no segment can be had. The segment is marked for removal at once, so it
    // goes when the last process attached to it lets go, however the program ends.
    static PixelBuffer Shared(std::size_t count);
    ~PixelBuffer();
    PixelBuffer(PixelBuffer&& other) noexcept;
    PixelBuffer& operator=(PixelBuffer&& other) noexcept;
    PixelBuffer(const PixelBuffer&) = delete;
    PixelBuffer& operator=(const PixelBuffer&) = delete;

    std::uint32_t* data() { return pixels_; }
    const std::uint32_t* data() const { return pixels_; }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::uint32_t* begin() { return pixels_; }
    std::uint32_t* end() { return pixels_ + size_; }
    const std::uint32_t* begin() const { return pixels_; }
    const std::uint32_t* end() const { return pixels_ + size_; }
    std::uint32_t& operator[](std::size_t i) { return pixels_[i]; }
    const std::uint32_t& operator[](std::size_t i) const { return pixels_[i]; }
    // The shared segment's id, or -1 for private memory.
    int SharedId() const { return sharedId_; }

private:
    void Release();

    std::uint32_t* pixels_ = nullptr;
    std::size_t size_ = 0;
    std::size_t mappedBytes_ = 0;  // non-zero: a mapping of its own, not a heap block
    int sharedId_ = -1;            // not -1: an attached shared segment
};

}  // namespace platform
