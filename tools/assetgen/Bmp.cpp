#include <fstream>

#include "FileFormats.h"

namespace assetgen {

void Put16(Bytes& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(Bytes& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

Bytes EncodeBmp(const Image& image) {
    constexpr std::uint32_t kHeaders = 14 + 40;
    constexpr std::uint32_t kPixelsPerMetre = 2835;  // 72 dots per inch
    const std::uint32_t stride = (static_cast<std::uint32_t>(image.width) * 3 + 3) & ~3u;
    const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(image.height);
    Bytes out;
    out.reserve(kHeaders + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    Put32(out, kHeaders + pixelBytes);
    Put32(out, 0);  // two reserved words
    Put32(out, kHeaders);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(image.width));
    Put32(out, static_cast<std::uint32_t>(image.height));  // positive: rows stored bottom-up
    Put16(out, 1);                                         // planes
    Put16(out, 24);
    Put32(out, 0);  // BI_RGB, uncompressed
    Put32(out, pixelBytes);
    Put32(out, kPixelsPerMetre);
    Put32(out, kPixelsPerMetre);
    Put32(out, 0);  // no palette
    Put32(out, 0);
    out.resize(kHeaders + pixelBytes, 0);  // the row padding stays zero
    std::uint8_t* row = out.data() + kHeaders;
    for (int y = image.height - 1; y >= 0; --y, row += stride) {
        const Rgba8* pixel = &image.At(0, y);
        for (int x = 0; x < image.width; ++x, ++pixel) {
            row[3 * x] = pixel->b;
            row[3 * x + 1] = pixel->g;
            row[3 * x + 2] = pixel->r;
        }
    }
    return out;
}

bool WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return !file.fail();
}

}  // namespace assetgen
