// PNG previews and the desktop icon, through the shared PNG writer.
#include "FileFormats.h"
#include "PngEncoder.h"

namespace assetgen {

Bytes EncodePng(const Image& image, bool withAlpha) {
    const int channels = withAlpha ? 4 : 3;
    Bytes samples;
    samples.reserve(static_cast<std::size_t>(channels) * image.width * image.height);
    for (int y = 0; y < image.height; ++y) {
        const Rgba8* pixel = &image.At(0, y);
        for (int x = 0; x < image.width; ++x, ++pixel) {
            samples.insert(samples.end(), {pixel->r, pixel->g, pixel->b});
            if (withAlpha) samples.push_back(pixel->a);
        }
    }
    return pngfile::EncodePng(image.width, image.height, channels, samples);
}

}  // namespace assetgen
