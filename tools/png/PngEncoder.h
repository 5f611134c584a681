// PNG files written by hand: the signature, an IHDR for 8-bit RGB or RGBA, one IDAT holding a
// zlib stream of stored (uncompressed) deflate blocks, and IEND. The pictures written this way
// (asset previews, the desktop icon, screenshots of test windows) are small, so compression is
// not worth a library, and the bytes depend on no library's version.
#pragma once

#include <cstdint>
#include <vector>

namespace pngfile {

// `samples` holds the rows top-down, each pixel's red, green, blue (and alpha when `channels`
// is 4) bytes in that order; `channels` is 3 or 4.
std::vector<std::uint8_t> EncodePng(int width, int height, int channels, const std::vector<std::uint8_t>& samples);

}  // namespace pngfile
