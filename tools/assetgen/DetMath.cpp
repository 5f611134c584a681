#include "DetMath.h"

#include <array>

namespace assetgen {

namespace {

// pi/2 in two parts, so x - q*pi/2 keeps its precision for the few turns pictures use.
constexpr double kHalfPiHigh = 1.57079632673412561417;
constexpr double kHalfPiLow = 6.07710050650619224932e-11;
// ln 2 likewise in two parts.
constexpr double kLn2 = 0.69314718055994530942;
constexpr double kLn2High = 6.93147180369123816490e-01;
constexpr double kLn2Low = 1.90821492927058770002e-10;

// 1/n! for n = 0..17, worked out by the compiler (in IEEE arithmetic, as at run time).
constexpr std::array<double, 18> kInverseFactorial = [] {
    std::array<double, 18> table{};
    double factorial = 1.0;
    for (int n = 0; n < 18; ++n) {
        if (n > 0) factorial *= n;
        table[static_cast<std::size_t>(n)] = 1.0 / factorial;
    }
    return table;
}();

// Taylor series on |r| <= pi/4 in Horner form; the first omitted terms are below 1e-16.
double SinKernel(double r) {
    const double r2 = r * r;
    double sum = 0.0;
    for (int n = 15; n >= 1; n -= 2) sum = sum * r2 + ((n % 4 == 1) ? 1.0 : -1.0) * kInverseFactorial[n];
    return sum * r;
}

double CosKernel(double r) {
    const double r2 = r * r;
    double sum = 0.0;
    for (int n = 16; n >= 0; n -= 2) sum = sum * r2 + ((n % 4 == 0) ? 1.0 : -1.0) * kInverseFactorial[n];
    return sum;
}

// x = q*pi/2 + r with |r| <= pi/4; returns r and the quadrant q mod 4.
double Reduce(double x, int& quadrant) {
    const double q = std::floor(x * (2.0 / kPi) + 0.5);
    const double r = (x - q * kHalfPiHigh) - q * kHalfPiLow;
    const double turns = q - 4.0 * std::floor(q / 4.0);
    quadrant = static_cast<int>(turns);
    return r;
}

}  // namespace

double Sin(double x) {
    int quadrant = 0;
    const double r = Reduce(x, quadrant);
    switch (quadrant) {
    case 0:
        return SinKernel(r);
    case 1:
        return CosKernel(r);
    case 2:
        return -SinKernel(r);
    default:
        return -CosKernel(r);
    }
}

double Cos(double x) {
    int quadrant = 0;
    const double r = Reduce(x, quadrant);
    switch (quadrant) {
    case 0:
        return CosKernel(r);
    case 1:
        return -SinKernel(r);
    case 2:
        return -CosKernel(r);
    default:
        return SinKernel(r);
    }
}

// e^x = 2^k * (e^(r/16))^16 with |r| <= ln2/2: the series for e^(r/16) needs only eight terms,
// and four squarings bring it back.
double Exp(double x) {
    if (x < -700.0) return 0.0;
    if (x > 700.0) x = 700.0;
    const double k = std::floor(x / kLn2 + 0.5);
    const double r = ((x - k * kLn2High) - k * kLn2Low) * (1.0 / 16.0);
    double sum = 0.0;
    for (int n = 7; n >= 0; --n) sum = sum * r + kInverseFactorial[static_cast<std::size_t>(n)];
    for (int i = 0; i < 4; ++i) sum *= sum;
    return std::ldexp(sum, static_cast<int>(k));
}

Rotation Rotation::About(Vec3 axis, double angle) {
    const Vec3 a = Normalize(axis);
    const double c = Cos(angle), s = Sin(angle), t = 1.0 - c;
    Rotation r{};
    r.m[0][0] = t * a.x * a.x + c;
    r.m[0][1] = t * a.x * a.y - s * a.z;
    r.m[0][2] = t * a.x * a.z + s * a.y;
    r.m[1][0] = t * a.x * a.y + s * a.z;
    r.m[1][1] = t * a.y * a.y + c;
    r.m[1][2] = t * a.y * a.z - s * a.x;
    r.m[2][0] = t * a.x * a.z - s * a.y;
    r.m[2][1] = t * a.y * a.z + s * a.x;
    r.m[2][2] = t * a.z * a.z + c;
    return r;
}

Vec3 Rotation::Apply(Vec3 v) const {
    return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z, m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
            m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
}

Vec3 Rotation::ApplyInverse(Vec3 v) const {
    return {m[0][0] * v.x + m[1][0] * v.y + m[2][0] * v.z, m[0][1] * v.x + m[1][1] * v.y + m[2][1] * v.z,
            m[0][2] * v.x + m[1][2] * v.y + m[2][2] * v.z};
}

}  // namespace assetgen
