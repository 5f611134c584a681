#include "Shapes.h"

namespace assetgen {

Vec2 Transform::ToUnits(double px, double py) const {
    const Vec2 d{(px - originX) / scale, (py - originY) / scale};
    if (angle == 0.0) return d;
    const double c = Cos(angle), s = Sin(angle);
    return {c * d.x + s * d.y, -s * d.x + c * d.y};
}

Vec2 Transform::ToPixels(Vec2 u) const {
    if (angle == 0.0) return {originX + u.x * scale, originY + u.y * scale};
    const double c = Cos(angle), s = Sin(angle);
    return {originX + (c * u.x - s * u.y) * scale, originY + (s * u.x + c * u.y) * scale};
}

double SdCircle(Vec2 p, Vec2 centre, double radius) {
    return Length(p - centre) - radius;
}

double SdEllipse(Vec2 p, Vec2 centre, double rx, double ry) {
    const Vec2 q = p - centre;
    const double k0 = std::sqrt((q.x / rx) * (q.x / rx) + (q.y / ry) * (q.y / ry));
    const double k1 = std::sqrt((q.x / (rx * rx)) * (q.x / (rx * rx)) + (q.y / (ry * ry)) * (q.y / (ry * ry)));
    if (k1 == 0.0) return -std::min(rx, ry);
    return k0 * (k0 - 1.0) / k1;
}

double DistanceToSegment(Vec2 p, Vec2 a, Vec2 b) {
    const Vec2 pa = p - a, ba = b - a;
    const double lengthSquared = Dot(ba, ba);
    const double h = lengthSquared > 0 ? Clamp01(Dot(pa, ba) / lengthSquared) : 0.0;
    return Length(pa - ba * h);
}

double SdCapsule(Vec2 p, Vec2 a, Vec2 b, double radius) {
    return DistanceToSegment(p, a, b) - radius;
}

double SdTeardrop(Vec2 p, Vec2 base, double baseRadius, double tipRadius, double length) {
    const Vec2 q{std::abs(p.x - base.x), base.y - p.y};
    const double b = (baseRadius - tipRadius) / length;
    const double a = std::sqrt(1.0 - b * b);
    const double k = q.x * -b + q.y * a;
    if (k < 0.0) return Length(q) - baseRadius;
    if (k > a * length) return Length(q - Vec2{0, length}) - tipRadius;
    return q.x * a + q.y * b - baseRadius;
}

// The nearest edge gives the distance; the crossings of a ray to the right give the sign.
double SdPolygon(Vec2 p, const std::vector<Vec2>& v) {
    double best = Dot(p - v[0], p - v[0]);
    bool inside = false;
    for (std::size_t i = 0, j = v.size() - 1; i < v.size(); j = i, ++i) {
        const Vec2 e = v[j] - v[i], w = p - v[i];
        const double h = Clamp01(Dot(w, e) / Dot(e, e));
        const Vec2 b = w - e * h;
        best = std::min(best, Dot(b, b));
        const bool c1 = p.y >= v[i].y, c2 = p.y<v[j].y, c3 = e.x * w.y> e.y * w.x;
        if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) inside = !inside;
    }
    const double distance = std::sqrt(best);
    return inside ? -distance : distance;
}

Vec3 LightDirection() {
    return Normalize({-0.5, -0.62, 0.6});
}

namespace {

// What a mirror-like surface sees: pale sky above, a bright band at the horizon, deep blue below.
Color Environment(Vec3 n) {
    const double up = -n.y;
    const Color high = Rgb(200, 218, 255), horizon = Rgb(255, 246, 232), low = Rgb(30, 38, 78);
    if (up > 0.1) return Mix(horizon, high, Smoothstep(0.1, 0.9, up));
    return Mix(low, horizon, Smoothstep(-0.6, 0.1, up));
}

}  // namespace

Color Shade(Vec3 n, const Material& m, Color albedo) {
    const Vec3 light = LightDirection();
    const double diffuse = std::max(0.0, Dot(n, light));
    const double ambient = 0.22 + 0.1 * (-n.y);
    const Vec3 half = Normalize(light + Vec3{0, 0, 1});
    const double shine = IntPow(std::max(0.0, Dot(n, half)), m.shininess) * m.gloss;
    const double rim = IntPow(1.0 - std::max(0.0, n.z), 3) * m.rim * Clamp01(0.5 + 0.7 * n.x + 0.3 * n.y);
    const Color scattered = albedo * (ambient + 0.9 * diffuse);
    const Color mirrored = albedo * Environment(n) * (0.35 + 0.65 * diffuse);
    return Mix(scattered, mirrored, m.metal) + Rgb(255, 250, 240) * shine + Rgb(120, 160, 255) * rim;
}

Vec3 BevelNormal(double d, Vec2 gradient, double bevel) {
    const double depth = -d;
    if (bevel <= 0.0 || depth >= bevel) return {0, 0, 1};
    const double u = std::max(0.0, depth / bevel);
    // The slope of a rounded edge: steep at the rim, flat where the bevel meets the face.
    const double slope = (1.0 - u) * std::sqrt(1.0 - u) * 2.2;
    return Normalize({gradient.x * slope, gradient.y * slope, 1.0});
}

void DrawGlowSpot(Layer& layer, const Transform& t, Vec2 centre, double radius, Color color, double strength) {
    const double reach = radius * 3.0;
    DrawGlow(layer, t, {centre.x - reach, centre.y - reach, centre.x + reach, centre.y + reach}, color, [&](Vec2 u) {
        const Vec2 q = u - centre;
        return strength * Exp(-Dot(q, q) / (radius * radius));
    });
}

}  // namespace assetgen
