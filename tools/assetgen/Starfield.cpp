// The night sky every screen is built on: a deep blue-black gradient, a nebula too faint to
// compete with the sprites, and a few hundred stars, most of them dim.
#include <algorithm>
#include <vector>

#include "Noise.h"
#include "Pictures.h"

namespace assetgen {

namespace {

constexpr Color kSkyTop = Rgb(6, 8, 24);
constexpr Color kSkyBottom = Rgb(3, 5, 15);

// The nebula is smooth, so it is worked out on a coarse grid and interpolated, which keeps a
// full screen of fractal noise cheap even in a sanitizer build.
constexpr int kNebulaCell = 8;

Color NebulaAt(std::uint32_t seed, double x, double y) {
    const double density = Fractal2(seed, x / 240.0, y / 240.0, 5);
    const double hue = Fractal2(seed + 17, x / 170.0 + 3.1, y / 170.0, 3);
    const double wisps = Smoothstep(0.45, 0.82, density);
    const Color violet = Rgb(96, 46, 150), teal = Rgb(30, 110, 150);
    return Mix(violet, teal, Smoothstep(0.35, 0.65, hue)) * (wisps * wisps);
}

void AddNebula(Layer& layer, const StarfieldStyle& style) {
    const int columns = layer.Width() / kNebulaCell + 2, rows = layer.Height() / kNebulaCell + 2;
    std::vector<Color> grid(static_cast<std::size_t>(columns) * rows);
    for (int j = 0; j < rows; ++j)
        for (int i = 0; i < columns; ++i)
            grid[static_cast<std::size_t>(j) * columns + i] = NebulaAt(style.seed, i * kNebulaCell, j * kNebulaCell);
    // Down first, into one row of cell columns; then across within the row.
    std::vector<Color> row(static_cast<std::size_t>(columns));
    for (int y = 0; y < layer.Height(); ++y) {
        const int j = y / kNebulaCell;
        const double fy = (y % kNebulaCell) / static_cast<double>(kNebulaCell);
        for (int i = 0; i < columns; ++i) {
            const Color& above = grid[static_cast<std::size_t>(j) * columns + i];
            const Color& below = grid[static_cast<std::size_t>(j + 1) * columns + i];
            row[static_cast<std::size_t>(i)] = {above.r + (below.r - above.r) * fy, above.g + (below.g - above.g) * fy,
                                                above.b + (below.b - above.b) * fy};
        }
        for (int x = 0; x < layer.Width(); ++x) {
            const Color& left = row[static_cast<std::size_t>(x / kNebulaCell)];
            const Color& right = row[static_cast<std::size_t>(x / kNebulaCell + 1)];
            const double fx = (x % kNebulaCell) / static_cast<double>(kNebulaCell);
            const double amount = style.nebula * (style.quiet ? style.quiet(x + 0.5, y + 0.5) : 1.0);
            Pixel& p = layer.At(x, y);
            p.c.r += (left.r + (right.r - left.r) * fx) * amount;
            p.c.g += (left.g + (right.g - left.g) * fx) * amount;
            p.c.b += (left.b + (right.b - left.b) * fx) * amount;
        }
    }
}

Color StarTint(double pick) {
    // Faint tints: most stars white or blue-white, a few warm.
    if (pick < 0.45) return Rgb(205, 220, 255);
    if (pick < 0.80) return Rgb(255, 255, 255);
    if (pick < 0.93) return Rgb(255, 240, 212);
    return Rgb(255, 212, 178);
}

void AddStars(Layer& layer, const StarfieldStyle& style) {
    Random random(style.seed * 7919ull + 13);
    const Transform identity;
    for (int i = 0; i < style.stars; ++i) {
        const double x = random.Range(2, layer.Width() - 2);
        const double y = random.Range(2, layer.Height() - 2);
        const double magnitude = random.Unit();
        const Color tint = StarTint(random.Unit());
        const double quiet = style.quiet ? style.quiet(x, y) : 1.0;
        if (quiet <= 0.0) continue;
        const double m4 = IntPow(magnitude, 4);
        const double brightness = (0.16 + 0.84 * m4) * quiet;
        const double radius = 0.55 + 0.75 * m4;
        DrawGlowSpot(layer, identity, {x, y}, radius, tint, brightness);
        if (magnitude > 0.985) {
            // The brightest few get a soft halo and a thin cross of light.
            DrawGlowSpot(layer, identity, {x, y}, 3.5, tint, 0.12 * quiet);
            const double arm = 7.0;
            DrawGlow(layer, identity, {x - arm, y - arm, x + arm, y + arm}, tint, [&](Vec2 u) {
                const double dx = std::abs(u.x - x), dy = std::abs(u.y - y);
                const double across = std::min(dx, dy), along = std::max(dx, dy);
                return 0.55 * quiet * Exp(-across * across / 0.18) * Exp(-along / 2.2);
            });
        }
    }
}

}  // namespace

Color FieldTone() {
    return Mix(kSkyTop, kSkyBottom, 0.5);
}

Layer Starfield(const StarfieldStyle& style) {
    Layer layer(kScreenWidth, kScreenHeight);
    for (int y = 0; y < layer.Height(); ++y) {
        const Color sky = Mix(kSkyTop, kSkyBottom, (y + 0.5) / layer.Height());
        for (int x = 0; x < layer.Width(); ++x) layer.At(x, y) = {sky, 1.0};
    }
    if (style.nebula > 0) AddNebula(layer, style);
    AddStars(layer, style);
    return layer;
}

void PlainTop(Layer& layer, int rows) {
    for (int y = 0; y < rows && y < layer.Height(); ++y)
        for (int x = 0; x < layer.Width(); ++x) layer.At(x, y) = {kSkyTop, 1.0};
}

Image FieldPicture() {
    StarfieldStyle style;
    style.seed = 1;
    style.stars = 340;
    style.nebula = 0.11;
    return ToOpaqueImage(Starfield(style));
}

}  // namespace assetgen
