// A field object that moves by itself: the steps and limits its movement strategy reads, and
// the alive flag that ends a bullet's flight. A sprite that is no longer alive draws nothing.
#pragma once

#include "game/FieldSprite.h"

namespace MyGame {

class MovingSprite : public FieldSprite {
public:
    using FieldSprite::FieldSprite;

    // Nothing at all when the sprite is no longer alive.
    POINT Draw(OrloUtility::Drawing& surface) override;

    // Horizontal and vertical move per step, in pixels.
    int stepX = 4;
    int minX = 0;
    int maxX = 0;
    int stepY = 4;
    // Where sprites start and restart, the upper limit of bullets, and the gap a UFO drops.
    int topY = 20;
    int maxY = 0;
    bool movingRight = false;
    bool alive = true;
};

}  // namespace MyGame
