// The UFOs' plasma shot, falling: a white-hot head low in the picture inside a pink teardrop that
// trails upwards along the way it came, darkening to magenta at its tip, in a magenta glow.
#include "Pictures.h"

namespace assetgen {

void DrawPlasma(Layer& layer, const Transform& t) {
    const Vec2 head{6.5, 16.2};
    const double radius = 3.9, tipRadius = 0.7, length = 13.0;
    const Bounds box{0, 0, 13, 24};
    auto drop = [&](Vec2 p) { return SdTeardrop(p, head, radius, tipRadius, length); };
    DrawGlow(layer, t, box, Rgb(255, 40, 180), [&](Vec2 p) {
        const double d = drop(p);
        return d > 0.0 ? 0.7 * Exp(-d / 1.4) : 0.0;
    });
    DrawShaded(layer, t, box, drop, 0.0, [&](Vec2 p, Vec3) {
        const double along = Clamp01((head.y - p.y) / length);  // 0 at the head, 1 at the tip
        const double width = radius + (tipRadius - radius) * along;
        const double centre = Clamp01(1.0 - std::abs(p.x - head.x) / width);
        const Color body = Mix(Rgb(255, 110, 220), Rgb(160, 24, 140), Smoothstep(0.1, 1.0, along));
        return Mix(body, Rgb(255, 225, 250), centre * centre * (1.0 - along));
    });
    DrawGlowSpot(layer, t, {head.x, head.y + 0.4}, 2.0, Rgb(255, 255, 255), 0.9);
}

Image PlasmaSprite() {
    Layer layer(kPlasmaWidth, kPlasmaHeight);
    DrawPlasma(layer, Transform{});
    return ToKeyedSprite(layer, FieldTone(), Rgb(30, 8, 30));
}

}  // namespace assetgen
