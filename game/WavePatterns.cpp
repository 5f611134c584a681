#include "game/WavePatterns.h"

namespace MyGame {

namespace {

constexpr WavePattern kPatterns[5] = {
    {"ABA", {30, 60, 0}},
    {"ABAABAABBABA", {30, 0, 0}},
    {"ABAABABABABA", {30, 60, 0}},
    {"ABAABABAABBA", {30, 30, 60}},
    {"ABAABABABABBA", {30, 30, 60}},
};

}  // namespace

int PatternNumber(int level) {
    const int pattern = level % 5;
    return pattern <= 0 ? pattern + 5 : pattern;
}

const WavePattern& PatternOfLevel(int level) { return kPatterns[PatternNumber(level) - 1]; }

}  // namespace MyGame
