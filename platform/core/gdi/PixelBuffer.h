// The pixels of a bitmap or a window: a fixed number of 0x00RRGGBB values, zero when made.
//
// They come from calloc rather than a vector filled with zeros: a large block is then fresh
// zeroed pages from the system, so making a bitmap costs no time writing zeros that its first
// drawing overwrites, and rows never drawn on never take memory. A buffer that cannot be had
// is empty rather than an exception, so the call that wanted it can fail as the API says.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace platform {

class PixelBuffer {
public:
    PixelBuffer() = default;
    explicit PixelBuffer(std::size_t count)
        : pixels_(count ? static_cast<std::uint32_t*>(std::calloc(count, sizeof(std::uint32_t))) : nullptr),
          size_(pixels_ ? count : 0) {}

    std::uint32_t* data() { return pixels_.get(); }
    const std::uint32_t* data() const { return pixels_.get(); }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::uint32_t* begin() { return data(); }
    std::uint32_t* end() { return data() + size_; }
    const std::uint32_t* begin() const { return data(); }
    const std::uint32_t* end() const { return data() + size_; }
    std::uint32_t& operator[](std::size_t i) { return pixels_.get()[i]; }
    const std::uint32_t& operator[](std::size_t i) const { return pixels_.get()[i]; }

private:
    struct Free {
        void operator()(std::uint32_t* p) const { std::free(p); }
    };
    std::unique_ptr<std::uint32_t, Free> pixels_;
    std::size_t size_ = 0;
};

}  // namespace platform
