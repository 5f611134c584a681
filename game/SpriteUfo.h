// A UFO sweeping the field row by row.
#pragma once

#include "game/MovingSprite.h"

namespace MyGame {

class SpriteUfo : public MovingSprite {
public:
    // `picture` is shared: it stays its loader's.
    SpriteUfo(int width, int height, HBITMAP picture, OrloUtility::FormGames& owner);
};

}  // namespace MyGame
