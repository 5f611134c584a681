#include "toolkit/drawing/RandomBetween.h"

#include <cstdlib>
#include <ctime>

#include "toolkit/ToolkitState.h"

namespace OrloUtility {

namespace {

// The generator is the runtime library's; whether it was seeded yet is the toolkit's to know.
bool& Seeded() { return Toolkit().randomSeeded; }

}  // namespace

int SeededRandom() {
    if (!Seeded()) SeedRandom(static_cast<unsigned>(std::time(nullptr)));
    return std::rand();
}

void SeedRandom(unsigned seed) {
    std::srand(seed);
    Seeded() = true;
}

int RandomBetween(int low, int high) {
    if (!Seeded()) SeedRandom(static_cast<unsigned>(std::time(nullptr)));
    // An empty range would reach rand() % 0 below.
    if (high < low) return low;
    if (low == 1) return std::rand() % high + 1;
    return RandomBetween(1, high - low + 1) + low - 1;
}

}  // namespace OrloUtility
