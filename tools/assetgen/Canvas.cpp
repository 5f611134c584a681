#include "Canvas.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

Layer::Layer(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height) {}

void Layer::Over(int x, int y, Color color, double coverage) {
    if (!Contains(x, y) || coverage <= 0.0) return;
    coverage = std::min(coverage, 1.0);
    Pixel& p = At(x, y);
    p.c = color * coverage + p.c * (1.0 - coverage);
    p.a = coverage + p.a * (1.0 - coverage);
}

void Layer::Glow(int x, int y, Color color, double amount) {
    if (!Contains(x, y) || amount <= 0.0) return;
    Pixel& p = At(x, y);
    p.c = p.c + color * amount;
    const double strength = std::max({color.r, color.g, color.b}) * amount;
    p.a = std::min(1.0, p.a + strength * (1.0 - p.a));
}

void Layer::Fill(Color color) {
    for (Pixel& p : pixels_) p = {color, 1.0};
}

void Layer::Composite(const Layer& top, int left, int topRow) {
    for (int y = 0; y < top.Height(); ++y)
        for (int x = 0; x < top.Width(); ++x) {
            if (!Contains(left + x, topRow + y)) continue;
            const Pixel& src = top.At(x, y);
            if (src.a <= 0.0 && src.c.r <= 0.0 && src.c.g <= 0.0 && src.c.b <= 0.0) continue;
            Pixel& dst = At(left + x, topRow + y);
            const double keep = 1.0 - std::min(src.a, 1.0);
            dst.c = src.c + dst.c * keep;
            dst.a = std::min(1.0, src.a + dst.a * keep);
        }
}

std::uint8_t ToByte(double value) {
    return static_cast<std::uint8_t>(std::floor(std::clamp(value, 0.0, 1.0) * 255.0 + 0.5));
}

Image ToOpaqueImage(const Layer& layer) {
    Image image(layer.Width(), layer.Height());
    for (int y = 0; y < layer.Height(); ++y)
        for (int x = 0; x < layer.Width(); ++x) {
            const Color c = layer.At(x, y).c;
            image.At(x, y) = {ToByte(c.r), ToByte(c.g), ToByte(c.b), 255};
        }
    return image;
}

Image ToKeyedSprite(const Layer& layer, Color fieldTone, Color floor) {
    constexpr double kVisible = 1.0 / 3.0;
    Image image(layer.Width(), layer.Height());
    for (int y = 0; y < layer.Height(); ++y)
        for (int x = 0; x < layer.Width(); ++x) {
            const Pixel& p = layer.At(x, y);
            if (p.a < kVisible) {
                image.At(x, y) = {0, 0, 0, 255};
                continue;
            }
            const double behind = 1.0 - std::min(p.a, 1.0);
            const Color c = p.c + fieldTone * behind;
            image.At(x, y) = {ToByte(std::max(c.r, floor.r)), ToByte(std::max(c.g, floor.g)),
                              ToByte(std::max(c.b, floor.b)), 255};
        }
    return image;
}

Image ToTransparentImage(const Layer& layer) {
    Image image(layer.Width(), layer.Height());
    for (int y = 0; y < layer.Height(); ++y)
        for (int x = 0; x < layer.Width(); ++x) {
            const Pixel& p = layer.At(x, y);
            const std::uint8_t alpha = ToByte(p.a);
            if (alpha == 0) {
                image.At(x, y) = {0, 0, 0, 0};
                continue;
            }
            const double a = std::min(p.a, 1.0);
            image.At(x, y) = {ToByte(p.c.r / a), ToByte(p.c.g / a), ToByte(p.c.b / a), alpha};
        }
    return image;
}

}  // namespace assetgen
