// Decodes files in the BMP file format into plain 0x00RRGGBB pixels, for the bitmaps the
// program loads from disk. The bytes come from outside the program, so every field is checked
// before it sizes a read or an allocation, and anything doubtful is refused.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "PixelBuffer.h"

namespace platform {

struct DecodedBitmap {
    int width = 0;
    int height = 0;
    bool monochrome = false;  // a 1-bit file whose palette is black (index 0), white (index 1)
    PixelBuffer pixels;  // top-down rows, width*height, each 0x00RRGGBB
};

// The image, or nothing when the file is malformed, truncated, larger than 32768 on a side or
// 64 Mi pixels, or compressed in a way we do not decode (run-length, JPEG, PNG). A palette
// index past the end of the palette gives black.
std::optional<DecodedBitmap> DecodeBmp(std::span<const std::uint8_t> file);

// Reads the file at a native path in binary and decodes it; nothing when it cannot be read.
std::optional<DecodedBitmap> DecodeBmpFile(const std::string& nativePath);

}  // namespace platform
