// The five waves a level can bring, and which one a level brings.
#pragma once

#include <string_view>

namespace MyGame {

struct WavePattern {
    // Asteroids in spawn order: 'A' from the first asteroid template, 'B' from the second.
    std::string_view asteroids;
    // UFO movement periods in spawn order, in ms; 0 ends the list.
    int ufoPeriodsMs[3];
};

// Levels 1, 6, 11 ... bring pattern 1; levels 5, 10 ... pattern 5.
const WavePattern& PatternOfLevel(int level);
// The pattern's number, 1 to 5.
int PatternNumber(int level);

}  // namespace MyGame
