#include "ProgramEntry.h"

#include <optional>
#include <vector>

#include "user/Cursors.h"

namespace platform {

namespace {

constexpr std::size_t kDirectoryBytes = 6;
constexpr std::size_t kEntryBytes = 16;
constexpr std::size_t kInfoHeaderBytes = 40;

std::uint32_t Read16(const std::uint8_t* at) { return at[0] | (at[1] << 8); }
std::uint32_t Read32(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(at[0]) | (at[1] << 8) | (at[2] << 16) | (static_cast<std::uint32_t>(at[3]) << 24);
}

struct Picture {
    int size = 0;
    std::vector<std::uint32_t> pixels;  // top-down, 0xAARRGGBB
};

// One entry's image: a bitmap header of twice the height (colour rows, then the mask), 32 bits
// a pixel, rows bottom-up in blue, green, red, alpha order.
std::optional<Picture> ReadImage(const std::uint8_t* bytes, std::size_t size, std::uint32_t offset,
                                 std::uint32_t length) {
    if (offset > size || length > size - offset || length < kInfoHeaderBytes) return std::nullopt;
    const std::uint8_t* header = bytes + offset;
    const int width = static_cast<int>(Read32(header + 4));
    const int doubledHeight = static_cast<int>(Read32(header + 8));
    if (Read32(header) != kInfoHeaderBytes || Read16(header + 14) != 32 || width <= 0 || width > 256 ||
        doubledHeight != 2 * width)
        return std::nullopt;
    const std::size_t pixelBytes = static_cast<std::size_t>(width) * width * 4;
    if (length - kInfoHeaderBytes < pixelBytes) return std::nullopt;
    Picture picture{width, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * width)};
    const std::uint8_t* rows = header + kInfoHeaderBytes;
    for (int y = 0; y < width; ++y)
        for (int x = 0; x < width; ++x)
            picture.pixels[static_cast<std::size_t>(width - 1 - y) * width + x] =
                Read32(rows + (static_cast<std::size_t>(y) * width + x) * 4);
    return picture;
}

}  // namespace

bool RegisterIconFile(int id, const std::uint8_t* bytes, std::size_t size) {
    if (!bytes || size < kDirectoryBytes || Read16(bytes) != 0 || Read16(bytes + 2) != 1) return false;
    const std::size_t count = Read16(bytes + 4);
    if (count > (size - kDirectoryBytes) / kEntryBytes) return false;
    std::optional<Picture> largest;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* entry = bytes + kDirectoryBytes + i * kEntryBytes;
        std::optional<Picture> picture = ReadImage(bytes, size, Read32(entry + 12), Read32(entry + 8));
        if (picture && (!largest || picture->size > largest->size)) largest = std::move(picture);
    }
    if (!largest) return false;
    return RegisterIconResource(id, largest->size, std::move(largest->pixels)) != nullptr;
}

}  // namespace platform
