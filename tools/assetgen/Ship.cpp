// The player's ship, nose up: a silver fuselage with a glowing cockpit, swept blue wings with
// red stripes and wing-tip guns, two engine pods and their flames. Drawn on a 64 x 115 grid,
// symmetric about x = 32.
#include <vector>

#include "Pictures.h"

namespace assetgen {

namespace {

constexpr double kAxis = 32.0;

std::vector<Vec2> Mirrored(const std::vector<Vec2>& half) {
    std::vector<Vec2> all = half;
    for (auto it = half.rbegin(); it != half.rend(); ++it) all.push_back({2 * kAxis - it->x, it->y});
    return all;
}

Vec2 MirrorX(Vec2 p) {
    return {2 * kAxis - p.x, p.y};
}

// The fuselage's left outline, nose to tail.
const std::vector<Vec2>& Fuselage() {
    static const std::vector<Vec2> outline = Mirrored(
        {{32, 4}, {29.9, 10}, {27.6, 20}, {25.6, 32}, {24.2, 46}, {23.4, 60}, {23.8, 74}, {25.6, 84}, {28.6, 88.5}});
    return outline;
}

// The left wing; the right one is its mirror image.
const std::vector<Vec2>& LeftWing() {
    static const std::vector<Vec2> outline = {{26, 44}, {8.5, 69}, {3.6, 78}, {3.2, 88}, {10, 89.5}, {26, 85}};
    return outline;
}

// Where the wing's leading edge runs, for its red stripe.
constexpr Vec2 kLeadingFrom{26, 44}, kLeadingTo{8.5, 69};

// The flames light whatever faces down towards them.
Color FlameLight(Vec3 n) {
    return Rgb(255, 140, 50) * (0.55 * std::max(0.0, n.y));
}

void DrawFlame(Layer& layer, const Transform& t, Vec2 nozzle, double length, double width) {
    const Bounds bounds{nozzle.x - width * 2.2, nozzle.y - 2, nozzle.x + width * 2.2, nozzle.y + length};
    ForEachPixel(layer, t, bounds, 1.0, [&](int x, int y, Vec2 u) {
        const double along = (u.y - nozzle.y) / length;
        if (along < -0.15 || along > 1.0) return;
        const double a = std::max(0.0, along);
        // The flame narrows to a point; its white core burns out halfway, the orange body later.
        const double w = width * (1.0 - a) * (1.0 - a * 0.35) + 0.35;
        const double across = (u.x - nozzle.x) / w;
        const double body = Exp(-across * across * 1.6) * (1.0 - Smoothstep(0.55, 1.0, a));
        const double core = Exp(-across * across * 6.0) * (1.0 - Smoothstep(0.0, 0.55, a));
        const double start = Smoothstep(-0.15, 0.05, along);
        const Color outer = Mix(Rgb(255, 150, 40), Rgb(220, 40, 20), Smoothstep(0.2, 0.9, a));
        layer.Glow(x, y, outer, body * 0.95 * start);
        layer.Glow(x, y, Rgb(255, 248, 215), core * start);
    });
}

void DrawCockpit(Layer& layer, const Transform& t) {
    const Vec2 centre{32, 35};
    auto frame = [&](Vec2 p) { return SdEllipse(p, centre, 5.4, 11.6); };
    auto glass = [&](Vec2 p) { return SdEllipse(p, centre, 4.0, 10.0); };
    const Bounds box{24, 21, 40, 49};
    Material rim{Rgb(70, 76, 96), 0.6, 0.5, 30, 0.1};
    DrawSolid(layer, t, box, frame, 1.2, rim);
    DrawShaded(layer, t, box, glass, 3.0, [&](Vec2 p, Vec3 n) {
        // Lit from inside: brightest low in the canopy, like an instrument glow through tinted glass.
        const double inner = Clamp01(1.0 - Length(Vec2{(p.x - 32) / 4.0, (p.y - 38) / 8.0}));
        const Color glassColor = Mix(Rgb(12, 70, 120), Rgb(80, 235, 255), inner * inner);
        Material m{glassColor, 0.0, 0.9, 40, 0.0};
        return Shade(n, m, glassColor) * 0.55 + glassColor * 0.55;
    });
    // A streak of reflected light on the upper left of the glass.
    DrawGlow(layer, t, box, Rgb(230, 250, 255), [&](Vec2 p) {
        const double d = SdEllipse(p, {30.6, 30.5}, 1.0, 4.2);
        return 0.9 * Coverage(d * t.scale * 0.8);
    });
    DrawGlowSpot(layer, t, {32, 37}, 6.0, Rgb(40, 200, 255), 0.12);
}

}  // namespace

void DrawShip(Layer& layer, const Transform& t) {
    // Flames first: the engine pods cover where they start.
    DrawFlame(layer, t, {25.2, 92}, 21, 3.4);
    DrawFlame(layer, t, {38.8, 92}, 21, 3.4);

    const Material wing{Rgb(46, 92, 196), 0.35, 0.55, 26, 0.35};
    const Material stripe{Rgb(222, 46, 40), 0.25, 0.55, 26, 0.3};
    for (int side = 0; side < 2; ++side) {
        auto place = [&](Vec2 p) { return side == 0 ? p : MirrorX(p); };
        std::vector<Vec2> outline;
        for (Vec2 p : LeftWing()) outline.push_back(place(p));
        const Vec2 from = place(kLeadingFrom), to = place(kLeadingTo);
        const Bounds box = side == 0 ? Bounds{2, 43, 27, 91} : Bounds{37, 43, 62, 91};
        auto wingShape = [&](Vec2 p) { return SdPolygon(p, outline); };
        DrawShaded(layer, t, box, wingShape, 2.2, [&](Vec2 p, Vec3 n) {
            // A red band a few units behind the leading edge, and a darker panel seam.
            const double fromEdge = DistanceToSegment(p, from, to);
            const double band = Coverage((std::abs(fromEdge - 4.2) - 1.3) * t.scale);
            const double seam = Coverage((std::abs(p.y - 80.5) - 0.4) * t.scale) * 0.35;
            const Color lit = Mix(Shade(n, wing, wing.albedo), Shade(n, stripe, stripe.albedo), band);
            return lit * (1.0 - seam);
        });
        // Wing-tip gun with a navigation light: red on the left, green on the right.
        const Vec2 gunTop = place({5.6, 63}), gunFoot = place({5.6, 88});
        const Material gun{Rgb(150, 156, 172), 0.6, 0.6, 30, 0.3};
        auto gunShape = [&](Vec2 p) { return SdCapsule(p, gunTop, gunFoot, 1.9); };
        DrawSolid(layer, t, side == 0 ? Bounds{2, 60, 10, 91} : Bounds{54, 60, 62, 91}, gunShape, 1.9, gun);
        DrawGlowSpot(layer, t, place({5.6, 62.2}), 1.3, side == 0 ? Rgb(255, 60, 50) : Rgb(70, 255, 120), 0.9);
    }

    // Engine pods standing out on both sides of the tail; each ends in a metal nozzle ring round
    // a white-hot throat.
    const Material pod{Rgb(128, 136, 158), 0.6, 0.6, 30, 0.35};
    const Material ring{Rgb(150, 140, 136), 0.5, 0.7, 24, 0.2};
    for (double x : {25.2, 38.8}) {
        auto podShape = [&](Vec2 p) { return SdCapsule(p, {x, 70}, {x, 88.5}, 4.3); };
        auto ringShape = [&](Vec2 p) { return SdEllipse(p, {x, 91.0}, 3.9, 2.0); };
        auto throatShape = [&](Vec2 p) { return SdEllipse(p, {x, 91.3}, 2.5, 1.1); };
        auto podPaint = [&](Vec2, Vec3 n) { return Shade(n, pod, pod.albedo) + FlameLight(n); };
        auto ringPaint = [&](Vec2, Vec3 n) { return Shade(n, ring, ring.albedo) + FlameLight(n); };
        DrawShaded(layer, t, {x - 6, 64, x + 6, 96}, podShape, 3.6, podPaint);
        DrawShaded(layer, t, {x - 6, 86, x + 6, 96}, ringShape, 1.4, ringPaint);
        DrawShaded(layer, t, {x - 4, 88, x + 4, 94}, throatShape, 0.0, [](Vec2, Vec3) { return Rgb(255, 214, 130); });
        DrawGlowSpot(layer, t, {x, 92.0}, 2.4, Rgb(255, 150, 50), 0.5);
    }

    const Material hull{Rgb(206, 214, 232), 0.55, 0.65, 32, 0.3};
    const Material accent{Rgb(226, 52, 44), 0.3, 0.6, 30, 0.3};
    auto fuselageShape = [&](Vec2 p) { return SdPolygon(p, Fuselage()); };
    DrawShaded(layer, t, {22, 3, 42, 93}, fuselageShape, 7.5, [&](Vec2 p, Vec3 n) {
        // A red band behind the nose, panel seams across the hull and a darker spine plate.
        auto line = [&](double y, double halfWidth) { return Coverage((std::abs(p.y - y) - halfWidth) * t.scale); };
        const double band = line(15.5, 1.4);
        const double seams = std::max(line(54.5, 0.35), line(70.5, 0.35)) * 0.3;
        const double plate = Coverage((std::abs(p.x - kAxis) - 2.2) * t.scale) * Smoothstep(50, 53, p.y) * 0.18;
        const Color lit = Mix(Shade(n, hull, hull.albedo), Shade(n, accent, accent.albedo), band);
        return lit * (1.0 - seams - plate) + FlameLight(n);
    });
    DrawCockpit(layer, t);
}

Image ShipSprite() {
    Layer layer(kShipWidth, kShipHeight);
    DrawShip(layer, Transform{});
    return ToKeyedSprite(layer, FieldTone(), Rgb(12, 14, 30));
}

}  // namespace assetgen
