// A falling asteroid; it cannot be destroyed.
#pragma once

#include "game/MovingSprite.h"

namespace MyGame {

class SpriteAsteroidi : public MovingSprite {
public:
    // `picture` is shared: it stays its loader's.
    SpriteAsteroidi(int width, int height, HBITMAP picture, OrloUtility::FormGames& owner);
};

}  // namespace MyGame
