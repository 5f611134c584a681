// The tumbling asteroid: a lumpy, cratered potato of rock, ray-cast in 3D. Each frame turns the
// rock's own coordinates a tenth of a turn about a nearly horizontal axis while the light stays
// where it is, so the craters and texture tumble but the lit side stays upper left.
#include <vector>

#include "Noise.h"
#include "Pictures.h"

namespace assetgen {

namespace {

constexpr std::uint32_t kSeed = 11;
constexpr double kPixelsPerUnit = 19.5;
constexpr Vec3 kSemiAxes{0.92, 1.4, 0.84};
constexpr double kMaxBump = 0.15;  // the lumps' amplitudes added up
constexpr Vec2 kCentre{22.5, 31.5};

struct Lump {
    Vec3 direction;
    double frequency, phase, amplitude;
};

struct Crater {
    Vec3 centre;  // on the unit sphere of the rock's normalised coordinates
    double radius, depth;
};

struct RockShape {
    std::vector<Lump> lumps;
    std::vector<Crater> craters;
};

const RockShape& Shape() {
    static const RockShape shape = [] {
        RockShape s;
        Random random(kSeed);
        auto direction = [&] { return Normalize({random.Range(-1, 1), random.Range(-1, 1), random.Range(-1, 1)}); };
        const double amplitudes[] = {0.045, 0.035, 0.025, 0.02, 0.015, 0.01};
        const double frequencies[] = {2.1, 2.9, 3.7, 5.0, 6.3, 8.1};
        for (int i = 0; i < 6; ++i)
            s.lumps.push_back({direction(), frequencies[i], random.Range(0, 2 * kPi), amplitudes[i]});
        for (int i = 0; i < 9; ++i)
            s.craters.push_back({direction(), random.Range(0.16, 0.42), random.Range(0.5, 1.0)});
        return s;
    }();
    return shape;
}

// Negative inside the rock, roughly the distance to its surface in rock units.
double RockField(Vec3 p) {
    const Vec3 q{p.x / kSemiAxes.x, p.y / kSemiAxes.y, p.z / kSemiAxes.z};
    const double e = Length(q);
    if (e < 1e-9) return -1.0;
    const Vec3 dir = q * (1.0 / e);
    double bump = 0.0;
    for (const Lump& lump : Shape().lumps)
        bump += lump.amplitude * Sin(lump.frequency * Dot(dir, lump.direction) + lump.phase);
    return (e - 1.0 - bump) * 0.78;
}

Vec3 FieldNormal(Vec3 p) {
    constexpr double h = 0.004;
    return Normalize({RockField({p.x + h, p.y, p.z}) - RockField({p.x - h, p.y, p.z}),
                      RockField({p.x, p.y + h, p.z}) - RockField({p.x, p.y - h, p.z}),
                      RockField({p.x, p.y, p.z + h}) - RockField({p.x, p.y, p.z - h})});
}

// Where a ray along `dir` enters and leaves the ellipsoid that bounds every lump; false if it misses.
bool BoundingSpan(Vec3 origin, Vec3 dir, double& enter, double& leave) {
    const double grow = 1.0 + kMaxBump + 0.02;
    const Vec3 axes = kSemiAxes * grow;
    const Vec3 o{origin.x / axes.x, origin.y / axes.y, origin.z / axes.z};
    const Vec3 d{dir.x / axes.x, dir.y / axes.y, dir.z / axes.z};
    const double a = Dot(d, d), b = 2.0 * Dot(o, d), c = Dot(o, o) - 1.0;
    const double disc = b * b - 4.0 * a * c;
    if (disc < 0.0) return false;
    const double root = std::sqrt(disc);
    enter = (-b - root) / (2.0 * a);
    leave = (-b + root) / (2.0 * a);
    return true;
}

// The surface colour at a point of the rock. `n` comes in as the shape's normal and leaves tilted
// by the craters and the grit; both in the rock's coordinates.
Color RockAlbedo(Vec3 p, Vec3& n) {
    const Vec3 q = Normalize({p.x / kSemiAxes.x, p.y / kSemiAxes.y, p.z / kSemiAxes.z});
    double shade = 1.0;
    for (const Crater& crater : Shape().craters) {
        const Vec3 off = q - crater.centre;
        const double s = Length(off) / crater.radius;
        if (s > 1.6) continue;
        // A bowl, depth * (s^2 - 1), with a raised rim, rimHeight * exp(-((s - 1) / rimWidth)^2): the
        // profile's slope tilts the normal, the floor is darker and the rim lighter.
        const double rimWidth = 0.24, rimHeight = 0.5 * crater.depth;
        const double rim = Exp(-((s - 1.0) / rimWidth) * ((s - 1.0) / rimWidth));
        const double bowlSlope = s < 1.0 ? 2.0 * crater.depth * s : 0.0;
        const double slope = bowlSlope - rimHeight * rim * 2.0 * (s - 1.0) / (rimWidth * rimWidth);
        Vec3 across = off - n * Dot(off, n);
        if (Length(across) > 1e-9) {
            across = Normalize(across);
            n = Normalize(n - across * (slope * 0.11 / crater.radius));
        }
        if (s < 1.0) shade *= 1.0 - 0.3 * crater.depth * (1.0 - s * s);
        shade *= 1.0 + 0.12 * rim;
    }
    // Grit: a fine noise roughens the colour, and its gradient (by differences) the normal.
    const double g = 9.0, h = 0.02;
    const double n0 = Fractal3(kSeed + 3, q.x * g, q.y * g, q.z * g, 3);
    const Vec3 grit{Fractal3(kSeed + 3, (q.x + h) * g, q.y * g, q.z * g, 3) - n0,
                    Fractal3(kSeed + 3, q.x * g, (q.y + h) * g, q.z * g, 3) - n0,
                    Fractal3(kSeed + 3, q.x * g, q.y * g, (q.z + h) * g, 3) - n0};
    n = Normalize(n - grit * (0.03 / h));
    const double tone = Fractal3(kSeed + 5, q.x * 2.6, q.y * 2.6, q.z * 2.6, 4);
    const Color rock = Mix(Rgb(100, 89, 87), Rgb(152, 132, 112), Smoothstep(0.3, 0.72, tone));
    return rock * (shade * (0.9 + 0.2 * n0));
}

Color LightRock(Vec3 n, Color albedo) {
    // The same light as every sprite, without wrap-around, so the far side falls into shadow.
    const Vec3 light = LightDirection();
    const double diffuse = std::max(0.0, Dot(n, light));
    const Color night = Rgb(30, 28, 52);
    const double rim = IntPow(1.0 - std::max(0.0, n.z), 3) * Clamp01(0.3 + 0.6 * n.x + 0.5 * n.y);
    return albedo * (Rgb(255, 240, 222) * (diffuse * 1.3) + night) + Rgb(90, 130, 255) * (rim * 0.4);
}

}  // namespace

void DrawRock(Layer& layer, const Transform& t, int frame) {
    const Rotation pose = Rotation::About({0.1, 1.0, 0.2}, 1.3);
    const Rotation tumble = Rotation::About({1.0, 0.18, 0.3}, 2.0 * kPi * frame / kRockFrames);
    // Rock coordinates to view: the fixed pose, then the frame's turn; view to rock is the reverse.
    auto toRock = [&](Vec3 v) { return pose.ApplyInverse(tumble.ApplyInverse(v)); };
    auto toView = [&](Vec3 v) { return tumble.Apply(pose.Apply(v)); };
    const double reach = (kSemiAxes.y * (1.0 + kMaxBump) + 0.05) * kPixelsPerUnit;
    const Bounds bounds{kCentre.x - reach, kCentre.y - reach, kCentre.x + reach, kCentre.y + reach};
    const double pixel = 1.0 / (kPixelsPerUnit * t.scale);  // a layer pixel in rock units
    ForEachPixel(layer, t, bounds, 0.0, [&](int x, int y, Vec2 u) {
        const Vec3 origin = toRock({(u.x - kCentre.x) / kPixelsPerUnit, (u.y - kCentre.y) / kPixelsPerUnit, 3.0});
        const Vec3 dir = toRock({0, 0, -1});
        double enter = 0, leave = 0;
        if (!BoundingSpan(origin, dir, enter, leave)) return;
        // March towards the surface, remembering the closest pass for the edge's coverage.
        double along = enter, nearest = 1e9, nearestAt = enter;
        bool hit = false;
        for (int step = 0; step < 48 && along <= leave; ++step) {
            const double f = RockField(origin + dir * along);
            if (f < nearest) {
                nearest = f;
                nearestAt = along;
            }
            if (f < 0.0005) {
                hit = true;
                break;
            }
            along += std::max(f * 0.9, 0.002);
        }
        const double coverage = hit ? 1.0 : Coverage(nearest / pixel);
        if (coverage <= 0.0) return;
        const Vec3 p = origin + dir * (hit ? along : nearestAt);
        Vec3 n = FieldNormal(p);
        const Color albedo = RockAlbedo(p, n);
        layer.Over(x, y, LightRock(toView(n), albedo), coverage);
    });
}

Image RockSprite() {
    Layer layer(kRockWidth, kRockHeight * kRockFrames);
    for (int frame = 0; frame < kRockFrames; ++frame)
        DrawRock(layer, Transform{0, static_cast<double>(kRockHeight * frame), 1}, frame);
    return ToKeyedSprite(layer, FieldTone(), Rgb(14, 13, 26));
}

}  // namespace assetgen
