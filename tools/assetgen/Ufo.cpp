// The UFO: a silver-violet saucer seen a little from above, a green glass dome, a darker belly
// with a tractor glow, and twelve lights round the rim of which every fourth is lit; the lit set
// moves on by one light each frame, so the lights run round the rim.
#include "Pictures.h"

namespace assetgen {

namespace {

constexpr double kCx = 20.0;
constexpr double kRimY = 21.5;
constexpr int kLights = 12;

}  // namespace

void DrawUfo(Layer& layer, const Transform& t, int frame) {
    // The tractor glow under the belly, behind everything else.
    DrawGlow(layer, t, {8, 24, 32, 36}, Rgb(90, 255, 170), [&](Vec2 p) {
        return 0.5 * Exp(-std::max(0.0, SdEllipse(p, {kCx, 28.6}, 6.5, 2.6)) * 0.8);
    });

    const Material belly{Rgb(86, 78, 120), 0.55, 0.5, 24, 0.3};
    auto bellyShape = [](Vec2 p) { return SdEllipse(p, {kCx, 24.8}, 11.5, 4.6); };
    DrawSolid(layer, t, {7, 18, 33, 31}, bellyShape, 2.5, belly);

    const Material disc{Rgb(196, 188, 224), 0.6, 0.7, 30, 0.35};
    auto discShape = [](Vec2 p) { return SdEllipse(p, {kCx, kRimY}, 18.6, 5.6); };
    DrawShaded(layer, t, {0, 14, 40, 29}, discShape, 3.2, [&](Vec2 p, Vec3 n) {
        // A darker band round the rim where the lights sit, and a panel line on top.
        const double ring = Length(Vec2{(p.x - kCx) / 18.6, (p.y - kRimY) / 5.6});
        const double band = Smoothstep(0.72, 0.8, ring) * (p.y > kRimY - 1.0 ? 1.0 : 0.6);
        const double seam = Exp(-((ring - 0.55) / 0.035) * ((ring - 0.55) / 0.035)) * 0.25;
        const Color base = Mix(disc.albedo, Rgb(96, 70, 150), band * 0.75);
        return Shade(n, disc, base) * (1.0 - seam);
    });

    // The dome: the top of an ellipse standing on the disc, glass lit from within.
    auto domeShape = [](Vec2 p) { return Intersect(SdEllipse(p, {kCx, 18.5}, 8.2, 9.6), p.y - 19.0); };
    DrawShaded(layer, t, {10, 7, 30, 20}, domeShape, 4.0, [&](Vec2 p, Vec3 n) {
        const double inner = Clamp01(1.0 - Length(Vec2{(p.x - kCx) / 8.0, (p.y - 17.5) / 8.0}));
        const Color glass = Mix(Rgb(20, 90, 80), Rgb(120, 255, 190), inner);
        const Material m{glass, 0.0, 0.9, 36, 0.2};
        return Shade(n, m, glass) * 0.6 + glass * 0.45;
    });
    DrawGlow(layer, t, {10, 7, 30, 20}, Rgb(235, 255, 245), [&](Vec2 p) {
        return 0.85 * Coverage(SdEllipse(p, {16.8, 13.2}, 1.6, 2.6) * t.scale);
    });

    // The lights round the rim; those on the far side are hidden by the disc.
    for (int i = 0; i < kLights; ++i) {
        const double angle = 2.0 * kPi * (i + 0.5) / kLights;
        const double depth = Sin(angle);  // 1 nearest the viewer
        if (depth < -0.05) continue;
        const Vec2 at{kCx + 16.2 * Cos(angle), kRimY + 1.8 + 3.2 * depth};
        const double size = 0.9 + 0.4 * depth;
        const bool lit = (i % kUfoFrames) == frame;
        const Material lamp{lit ? Rgb(255, 226, 110) : Rgb(120, 64, 52), 0.0, 0.8, 20, 0.0};
        auto lampShape = [&](Vec2 p) { return SdCircle(p, at, size); };
        DrawSolid(layer, t, {at.x - 3, at.y - 3, at.x + 3, at.y + 3}, lampShape, size, lamp);
        if (lit) {
            DrawGlowSpot(layer, t, at, 2.2 + 0.6 * depth, Rgb(255, 190, 70), 0.9);
            DrawGlowSpot(layer, t, at, 0.9, Rgb(255, 255, 235), 1.0);
        }
    }
}

Image UfoSprite() {
    Layer layer(kUfoSize, kUfoSize * kUfoFrames);
    for (int frame = 0; frame < kUfoFrames; ++frame)
        DrawUfo(layer, Transform{0, static_cast<double>(kUfoSize * frame), 1}, frame);
    return ToKeyedSprite(layer, FieldTone(), Rgb(16, 14, 30));
}

}  // namespace assetgen
