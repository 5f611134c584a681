// Arithmetic whose results are the same on every x86-64 machine and in every build. The C
// library's sin, cos and exp pick code paths by CPU at run time and the compiler may fold
// calls with constant arguments at compile time, either of which can move a result by one unit
// in the last place; a picture compared byte for byte must not depend on that. So these are
// written with +, -, *, / and the correctly rounded sqrt and floor only.
#pragma once

#include <algorithm>
#include <cmath>

namespace assetgen {

inline constexpr double kPi = 3.14159265358979323846;

double Sin(double x);
double Cos(double x);
double Exp(double x);

inline double Clamp01(double v) {
    return std::clamp(v, 0.0, 1.0);
}
inline double Lerp(double a, double b, double t) {
    return a + (b - a) * t;
}
inline double Smoothstep(double edge0, double edge1, double x) {
    const double t = Clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3.0 - 2.0 * t);
}
// Whole powers by repeated squaring, for highlights.
inline double IntPow(double base, int exponent) {
    double result = 1.0;
    while (exponent > 0) {
        if (exponent & 1) result *= base;
        base *= base;
        exponent >>= 1;
    }
    return result;
}

struct Vec2 {
    double x = 0, y = 0;
};
inline Vec2 operator+(Vec2 a, Vec2 b) {
    return {a.x + b.x, a.y + b.y};
}
inline Vec2 operator-(Vec2 a, Vec2 b) {
    return {a.x - b.x, a.y - b.y};
}
inline Vec2 operator*(Vec2 a, double s) {
    return {a.x * s, a.y * s};
}
inline double Dot(Vec2 a, Vec2 b) {
    return a.x * b.x + a.y * b.y;
}
inline double Length(Vec2 a) {
    return std::sqrt(Dot(a, a));
}

struct Vec3 {
    double x = 0, y = 0, z = 0;
};
inline Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator*(Vec3 a, double s) {
    return {a.x * s, a.y * s, a.z * s};
}
inline double Dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline double Length(Vec3 a) {
    return std::sqrt(Dot(a, a));
}
inline Vec3 Normalize(Vec3 a) {
    const double length = Length(a);
    return length > 0 ? a * (1.0 / length) : Vec3{0, 0, 1};
}
inline Vec3 Cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// Rotation by `angle` about the unit vector `axis` (Rodrigues' formula), as a 3x3 matrix.
struct Rotation {
    double m[3][3];
    static Rotation About(Vec3 axis, double angle);
    Vec3 Apply(Vec3 v) const;
    Vec3 ApplyInverse(Vec3 v) const;  // the transpose: a rotation's inverse
};

}  // namespace assetgen
