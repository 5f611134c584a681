// What every object of one kind shares: the size of its frames, the picture holding them, the
// frames its animation runs through and how fast, and which sprite class the game makes for it.
// The strategies that move or animate a sprite take their first period and frames from it.
#pragma once

#include <string>

namespace OrloUtility {

struct SpriteTemplate {
    // The playing field the kind moves in; the game sets the window's client size.
    int fieldWidth = 400;
    int fieldHeight = 320;
    // One frame.
    int width = 64;
    int height = 63;
    // The animation runs from firstFrame to lastFrame inclusive, counted from 0.
    int firstFrame = 0;
    int lastFrame = 0;
    // The animation's period, and the first period of every strategy made for the kind.
    int framePeriodMs = 60;
    // The kind's picture, loaded through the game's checked loader.
    std::string imagePath;
    // Selects the sprite class: "player", "bullet", "asteroide", "ufo" or "bulletNemico".
    std::string kindName;
    // An asteroid's movement period is a random part up to periodSpread plus periodBias, less
    // the level.
    int periodSpread = 100;
    int periodBias = 5;
};

}  // namespace OrloUtility
