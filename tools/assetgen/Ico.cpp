// An icon file: a directory of entries, then per image a BITMAPINFOHEADER whose height counts
// the colour rows and the mask rows together, the BGRA rows bottom-up, and the AND mask (one bit
// per pixel, rows padded to 32 bits, set where the image is transparent) for programs that
// ignore the alpha channel.
#include "FileFormats.h"

namespace assetgen {

namespace {

Bytes IconImage(const Image& image) {
    const auto w = static_cast<std::uint32_t>(image.width), h = static_cast<std::uint32_t>(image.height);
    const std::uint32_t maskStride = ((w + 31) / 32) * 4;
    Bytes out;
    Put32(out, 40);
    Put32(out, w);
    Put32(out, h * 2);
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, 0);
    Put32(out, w * h * 4 + maskStride * h);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = image.height - 1; y >= 0; --y)
        for (int x = 0; x < image.width; ++x) {
            const Rgba8& p = image.At(x, y);
            out.insert(out.end(), {p.b, p.g, p.r, p.a});
        }
    for (int y = image.height - 1; y >= 0; --y) {
        Bytes row(maskStride, 0);
        for (int x = 0; x < image.width; ++x)
            if (image.At(x, y).a < 128)
                row[static_cast<std::size_t>(x) / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace

Bytes EncodeIco(const std::vector<Image>& images) {
    Bytes out;
    Put16(out, 0);
    Put16(out, 1);  // an icon, not a cursor
    Put16(out, static_cast<std::uint32_t>(images.size()));
    std::vector<Bytes> bodies;
    for (const Image& image : images) bodies.push_back(IconImage(image));
    auto offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        // Width and height 0 would mean 256.
        out.push_back(static_cast<std::uint8_t>(images[i].width));
        out.push_back(static_cast<std::uint8_t>(images[i].height));
        out.push_back(0);  // not a palette image
        out.push_back(0);
        Put16(out, 1);   // planes
        Put16(out, 32);  // bits per pixel
        Put32(out, static_cast<std::uint32_t>(bodies[i].size()));
        Put32(out, offset);
        offset += static_cast<std::uint32_t>(bodies[i].size());
    }
    for (const Bytes& body : bodies) out.insert(out.end(), body.begin(), body.end());
    return out;
}

}  // namespace assetgen
