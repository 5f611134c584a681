#include "toolkit/drawing/RandomBetween.h"

#include <cstdlib>
#include <ctime>

namespace OrloUtility {

namespace {

bool seeded = false;

}  // namespace

int SeededRandom() {
    if (!seeded) SeedRandom(static_cast<unsigned>(std::time(nullptr)));
    return std::rand();
}

void SeedRandom(unsigned seed) {
    std::srand(seed);
    seeded = true;
}

int RandomBetween(int low, int high) {
    if (!seeded) SeedRandom(static_cast<unsigned>(std::time(nullptr)));
    // An empty range would reach rand() % 0 below.
    if (high < low) return low;
    if (low == 1) return std::rand() % high + 1;
    return RandomBetween(1, high - low + 1) + low - 1;
}

}  // namespace OrloUtility
