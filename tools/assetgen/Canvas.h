// Where pictures are painted: a layer of premultiplied colour and coverage in doubles, so shapes
// can be laid over one another with their edges' partial coverage, and the 8-bit images the
// file writers take.
#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

struct Color {
    double r = 0, g = 0, b = 0;
};
inline Color operator+(Color a, Color b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
inline Color operator-(Color a, Color b) {
    return {a.r - b.r, a.g - b.g, a.b - b.b};
}
inline Color operator*(Color a, double s) {
    return {a.r * s, a.g * s, a.b * s};
}
inline Color operator*(Color a, Color b) {
    return {a.r * b.r, a.g * b.g, a.b * b.b};
}
inline Color Mix(Color a, Color b, double t) {
    return a + (b - a) * t;
}
// From 0-255 components, as colours are usually written down.
inline constexpr Color Rgb(int r, int g, int b) {
    return {r / 255.0, g / 255.0, b / 255.0};
}

struct Rgba8 {
    std::uint8_t r = 0, g = 0, b = 0, a = 255;
    bool operator==(const Rgba8&) const = default;
};

// Top-down rows of 8-bit pixels; pictures stored without transparency keep a = 255.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<Rgba8> pixels;

    Image() = default;
    Image(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h) {}
    Rgba8& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    const Rgba8& At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

struct Pixel {
    Color c;       // premultiplied by a
    double a = 0;  // how much of the pixel is covered, 0 to 1
};

class Layer {
public:
    Layer(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    Pixel& At(int x, int y) { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    const Pixel& At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }

    // Paints `color` over what is there, covering `coverage` of the pixel.
    void Over(int x, int y, Color color, double coverage);
    // Adds light: brightens by color * amount and covers the pixel by the light's strength, so a
    // glow counts as part of a sprite where it is bright enough to be seen.
    void Glow(int x, int y, Color color, double amount);
    // Makes every pixel `color`, fully covered.
    void Fill(Color color);
    // Lays `top` over this layer with its top-left corner at (left, top).
    void Composite(const Layer& top, int left, int topRow);

private:
    int width_;
    int height_;
    std::vector<Pixel> pixels_;
};

// An opaque picture: the colour, whatever the coverage.
Image ToOpaqueImage(const Layer& layer);
// A sprite for a black colour key. Pixels covered less than a third become pure black
// (transparent); the others are finished over `fieldTone`, the playing field's own colour, so
// their soft edges blend into the field instead of darkening towards black, and are kept at
// least `floor` bright so that no visible pixel is black or reads as a hole.
Image ToKeyedSprite(const Layer& layer, Color fieldTone, Color floor);
// A picture with real transparency (icons): the colour divided by its coverage.
Image ToTransparentImage(const Layer& layer);

std::uint8_t ToByte(double value);

}  // namespace assetgen
