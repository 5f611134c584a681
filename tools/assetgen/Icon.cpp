// The program icon: the ship climbing diagonally across a rounded dark-blue tile with a violet
// glow and a few stars. Drawn from shapes at each size rather than shrunk from one picture, so
// small sizes stay sharp.
#include "Pictures.h"

namespace assetgen {

namespace {

// The icon is designed on a 48-unit square.
constexpr double kDesign = 48.0;

double SdRoundedSquare(Vec2 p, double inset, double radius) {
    const double half = kDesign / 2 - inset;
    const Vec2 q{std::abs(p.x - kDesign / 2) - (half - radius), std::abs(p.y - kDesign / 2) - (half - radius)};
    const Vec2 outside{std::max(q.x, 0.0), std::max(q.y, 0.0)};
    return Length(outside) + std::min(std::max(q.x, q.y), 0.0) - radius;
}

}  // namespace

Image IconImage(int size) {
    Layer layer(size, size);
    const Transform t{0, 0, size / kDesign};
    const Bounds all{0, 0, kDesign, kDesign};
    const Material edge{Rgb(110, 150, 255), 0.4, 0.6, 20, 0.0};
    // A bright edge round a tile of deep blue, lit violet from a little below the middle.
    auto edgeShape = [](Vec2 p) { return SdRoundedSquare(p, 1.0, 9.0); };
    auto tileShape = [](Vec2 p) { return SdRoundedSquare(p, 2.6, 7.4); };
    auto tilePaint = [](Vec2 p, Vec3) {
        const double d = Length(p - Vec2{20, 28}) / 30.0;
        return Mix(Rgb(70, 46, 160), Rgb(8, 10, 38), Smoothstep(0.0, 1.0, d));
    };
    DrawSolid(layer, t, all, edgeShape, 0.0, edge);
    DrawShaded(layer, t, all, tileShape, 0.0, tilePaint);
    const Vec2 stars[] = {{11, 12}, {36, 9.5}, {9, 30}, {39, 36}, {17, 39}};
    for (const Vec2& star : stars) DrawGlowSpot(layer, t, star, 0.6, Rgb(220, 230, 255), 0.8);
    // The ship turned an eighth of a turn, nose to the upper right: the tile's diagonal holds it
    // half as large again as standing upright would. Its middle (32, 58) goes to the tile's centre.
    const double angle = kPi / 4, shipScale = 0.5 * t.scale;
    const Vec2 middle{32, 58};
    const Vec2 turned{Cos(angle) * middle.x - Sin(angle) * middle.y, Sin(angle) * middle.x + Cos(angle) * middle.y};
    const Vec2 centre{24.5 * t.scale, 24.5 * t.scale};
    DrawShip(layer, Transform{centre.x - turned.x * shipScale, centre.y - turned.y * shipScale, shipScale, angle});
    return ToTransparentImage(layer);
}

}  // namespace assetgen
