// The files the generator writes, encoded byte by byte: the formats are small and fixed, and
// writing them here keeps the output free of any library's version or options.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "Canvas.h"

namespace assetgen {

using Bytes = std::vector<std::uint8_t>;

// Windows bitmap: BITMAPFILEHEADER, a 40-byte BITMAPINFOHEADER, 24-bit BGR rows bottom-up, each
// padded to a multiple of 4 bytes.
Bytes EncodeBmp(const Image& image);
// PNG, 8 bits per channel, RGB or RGBA, in stored (uncompressed) deflate blocks.
Bytes EncodePng(const Image& image, bool withAlpha);
// RIFF/WAVE, 16-bit PCM, mono.
Bytes EncodeWav(const std::vector<std::int16_t>& samples, int sampleRate);
// An icon file holding each image as a 32-bit BGRA bitmap with its 1-bit AND mask.
Bytes EncodeIco(const std::vector<Image>& images);

// False when the file cannot be written whole.
bool WriteFile(const std::filesystem::path& path, const Bytes& bytes);

// Little-endian integers appended to a byte buffer.
void Put16(Bytes& out, std::uint32_t value);
void Put32(Bytes& out, std::uint32_t value);

}  // namespace assetgen
