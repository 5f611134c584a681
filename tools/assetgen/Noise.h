// Seeded pseudo-random numbers and smooth value noise. Our own generators rather than the
// standard library's distributions, whose algorithms the standard leaves to each library.
#pragma once

#include <cstdint>

namespace assetgen {

// SplitMix64: tiny, fast and well mixed; one stream per seed.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next();
    // Uniform in [0, 1), from the top 53 bits.
    double Unit();
    double Range(double low, double high) { return low + (high - low) * Unit(); }
    // Uniform in [low, high], both included.
    int Int(int low, int high);

private:
    std::uint64_t state_;
};

// A hash of lattice coordinates to [0, 1), the same for the same seed and point.
double LatticeValue(std::uint32_t seed, int x, int y, int z);

// Value noise in [0, 1], smooth (quintic fade) between integer lattice points.
double ValueNoise2(std::uint32_t seed, double x, double y);
double ValueNoise3(std::uint32_t seed, double x, double y, double z);

// Sums of octaves, each twice the frequency and half the weight; result in [0, 1].
double Fractal2(std::uint32_t seed, double x, double y, int octaves);
double Fractal3(std::uint32_t seed, double x, double y, double z, int octaves);

}  // namespace assetgen
