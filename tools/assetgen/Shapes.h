// Shapes as signed distances (negative inside), so a pixel's coverage comes straight from its
// centre's distance to the edge (a one-pixel ramp) instead of from many samples per pixel, and
// the same distance gives a bevel's slope for shading. Shapes are written in their own units and
// placed on a layer by a Transform, so one drawing serves a sprite and a larger copy of it.
#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

#include "Canvas.h"
#include "DetMath.h"

namespace assetgen {

// Units to pixels: pixel = origin + rotated(units) * scale, turned clockwise by `angle` radians
// on the screen (y runs down).
struct Transform {
    double originX = 0;
    double originY = 0;
    double scale = 1;
    double angle = 0;
    Vec2 ToUnits(double px, double py) const;
    Vec2 ToPixels(Vec2 units) const;
};

// A rectangle in shape units; the pixels a drawing visits are those it covers.
struct Bounds {
    double x0, y0, x1, y1;
};

double SdCircle(Vec2 p, Vec2 centre, double radius);
// Close to the true distance near the edge, which is all coverage and bevels need.
double SdEllipse(Vec2 p, Vec2 centre, double rx, double ry);
double DistanceToSegment(Vec2 p, Vec2 a, Vec2 b);
double SdCapsule(Vec2 p, Vec2 a, Vec2 b, double radius);
// A cone with round ends: radius `baseRadius` round `base`, narrowing to `tipRadius` round a
// point `length` straight above it (smaller y).
double SdTeardrop(Vec2 p, Vec2 base, double baseRadius, double tipRadius, double length);
// Any simple polygon, either winding.
double SdPolygon(Vec2 p, const std::vector<Vec2>& points);
inline double Union(double a, double b) {
    return std::min(a, b);
}
inline double Intersect(double a, double b) {
    return std::max(a, b);
}
inline double Subtract(double a, double b) {
    return std::max(a, -b);
}

// Coverage of a pixel whose centre is `d` pixels outside an edge.
inline double Coverage(double d) {
    return Clamp01(0.5 - d);
}

// Calls f(x, y, units) for every pixel whose centre falls in `bounds` grown by `padPixels`.
template <class F>
void ForEachPixel(const Layer& layer, const Transform& t, Bounds bounds, double padPixels, F f) {
    double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
    for (Vec2 corner : {Vec2{bounds.x0, bounds.y0}, Vec2{bounds.x1, bounds.y0}, Vec2{bounds.x0, bounds.y1},
                        Vec2{bounds.x1, bounds.y1}}) {
        const Vec2 p = t.ToPixels(corner);
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    const int x0 = std::max(0, static_cast<int>(std::floor(left - padPixels)));
    const int y0 = std::max(0, static_cast<int>(std::floor(top - padPixels)));
    const int x1 = std::min(layer.Width() - 1, static_cast<int>(std::ceil(right + padPixels)));
    const int y1 = std::min(layer.Height() - 1, static_cast<int>(std::ceil(bottom + padPixels)));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) f(x, y, t.ToUnits(x + 0.5, y + 0.5));
}

// How a surface answers light.
struct Material {
    Color albedo;
    double metal = 0.0;  // how much it mirrors the sky instead of scattering light
    double gloss = 0.4;  // strength of the highlight
    int shininess = 24;  // tightness of the highlight
    double rim = 0.25;   // cool back light along the silhouette, to lift it off the dark sky
};

// The one light of every picture: from the upper left, in front. x right, y down, z to the viewer.
Vec3 LightDirection();
// The colour of a surface point facing `normal`.
Color Shade(Vec3 normal, const Material& material, Color albedo);

// The normal of a bevelled edge: flat inside, turning outwards over the last `bevel` units
// towards the edge. `d` is the signed distance, `gradient` its outward direction.
Vec3 BevelNormal(double d, Vec2 gradient, double bevel);

// The outward direction of a distance function at p, by central differences.
template <class Sdf>
Vec2 Gradient(const Sdf& sdf, Vec2 p, double h) {
    const double dx = sdf({p.x + h, p.y}) - sdf({p.x - h, p.y});
    const double dy = sdf({p.x, p.y + h}) - sdf({p.x, p.y - h});
    const double length = std::sqrt(dx * dx + dy * dy);
    return length > 0 ? Vec2{dx / length, dy / length} : Vec2{0, 0};
}

// Paints a solid shape: covered where sdf < 0, lit through a bevel `bevel` units wide.
// paint(units, normal) gives the lit colour at a point.
template <class Sdf, class Paint>
void DrawShaded(Layer& layer, const Transform& t, Bounds bounds, const Sdf& sdf, double bevel, const Paint& paint) {
    const double h = 0.5 / t.scale;
    ForEachPixel(layer, t, bounds, 1.0, [&](int x, int y, Vec2 u) {
        const double d = sdf(u);
        const double coverage = Coverage(d * t.scale);
        if (coverage <= 0.0) return;
        const Vec3 normal = BevelNormal(d, Gradient(sdf, u, h), bevel);
        layer.Over(x, y, paint(u, normal), coverage);
    });
}

// Paints a shape in one material.
template <class Sdf>
void DrawSolid(Layer& layer, const Transform& t, Bounds bounds, const Sdf& sdf, double bevel, const Material& m) {
    DrawShaded(layer, t, bounds, sdf, bevel, [&](Vec2, Vec3 n) { return Shade(n, m, m.albedo); });
}

// Adds light: amount(units) gives the strength at a point, 0 where there is none.
template <class Amount>
void DrawGlow(Layer& layer, const Transform& t, Bounds bounds, Color color, const Amount& amount) {
    ForEachPixel(layer, t, bounds, 1.0, [&](int x, int y, Vec2 u) { layer.Glow(x, y, color, amount(u)); });
}

// A round glow: full at the centre, fading as a Gaussian of width `radius`.
void DrawGlowSpot(Layer& layer, const Transform& t, Vec2 centre, double radius, Color color, double strength);

}  // namespace assetgen
