#include "toolkit/drawing/RandomBetween.h"

#include <cstdlib>
#include <ctime>

namespace OrloUtility {

namespace {

bool seeded = false;

}  // namespace

int RandomBetween(int low, int high) {
    if (!seeded) {
        std::srand(static_cast<unsigned>(std::time(nullptr)));
        seeded = true;
    }
    // An empty range would reach rand() % 0 below.
    if (high < low) return low;
    if (low == 1) return std::rand() % high + 1;
    return RandomBetween(1, high - low + 1) + low - 1;
}

}  // namespace OrloUtility
