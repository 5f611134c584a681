#include "Noise.h"

#include <cmath>

namespace assetgen {

std::uint64_t Random::Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Random::Unit() {
    return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0);
}

int Random::Int(int low, int high) {
    const auto span = static_cast<std::uint64_t>(high - low + 1);
    return low + static_cast<int>(Next() % span);
}

double LatticeValue(std::uint32_t seed, int x, int y, int z) {
    std::uint32_t h = seed * 0x9E3779B1u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA77u;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE3Du;
    h = (h << 17) | (h >> 15);
    h ^= static_cast<std::uint32_t>(z) * 0x27D4EB2Fu;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return static_cast<double>(h >> 8) * (1.0 / 16777216.0);
}

namespace {

double Fade(double t) {
    return t * t * t * (t * (t * 6.0 - 15.0) + 10.0);
}
double Mix(double a, double b, double t) {
    return a + (b - a) * t;
}

}  // namespace

double ValueNoise2(std::uint32_t seed, double x, double y) {
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    const double tx = Fade(x - fx), ty = Fade(y - fy);
    const double a = Mix(LatticeValue(seed, ix, iy, 0), LatticeValue(seed, ix + 1, iy, 0), tx);
    const double b = Mix(LatticeValue(seed, ix, iy + 1, 0), LatticeValue(seed, ix + 1, iy + 1, 0), tx);
    return Mix(a, b, ty);
}

double ValueNoise3(std::uint32_t seed, double x, double y, double z) {
    const double fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy), iz = static_cast<int>(fz);
    const double tx = Fade(x - fx), ty = Fade(y - fy), tz = Fade(z - fz);
    double plane[2];
    for (int k = 0; k < 2; ++k) {
        const double a = Mix(LatticeValue(seed, ix, iy, iz + k), LatticeValue(seed, ix + 1, iy, iz + k), tx);
        const double b = Mix(LatticeValue(seed, ix, iy + 1, iz + k), LatticeValue(seed, ix + 1, iy + 1, iz + k), tx);
        plane[k] = Mix(a, b, ty);
    }
    return Mix(plane[0], plane[1], tz);
}

double Fractal2(std::uint32_t seed, double x, double y, int octaves) {
    double sum = 0.0, weight = 1.0, total = 0.0, frequency = 1.0;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * ValueNoise2(seed + static_cast<std::uint32_t>(i) * 101u, x * frequency, y * frequency);
        total += weight;
        weight *= 0.5;
        frequency *= 2.0;
    }
    return sum / total;
}

double Fractal3(std::uint32_t seed, double x, double y, double z, int octaves) {
    double sum = 0.0, weight = 1.0, total = 0.0, frequency = 1.0;
    for (int i = 0; i < octaves; ++i) {
        sum += weight *
               ValueNoise3(seed + static_cast<std::uint32_t>(i) * 101u, x * frequency, y * frequency, z * frequency);
        total += weight;
        weight *= 0.5;
        frequency *= 2.0;
    }
    return sum / total;
}

}  // namespace assetgen
