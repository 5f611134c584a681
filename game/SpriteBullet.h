// The player's bullet: no picture, a small white plus sign inside its 3 by 3 square.
#pragma once

#include "game/MovingSprite.h"

namespace MyGame {

class SpriteBullet : public MovingSprite {
public:
    SpriteBullet(int width, int height, OrloUtility::FormGames& owner);

    // Five white pixels at (x, y); nothing when no longer alive or the surface is closed.
    POINT Draw(OrloUtility::Drawing& surface) override;
};

}  // namespace MyGame
