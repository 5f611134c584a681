// The player's bullet flies up until it reaches the top row, hits a UFO (which is shot down and
// reappears at the top; the bullet flies on) or meets an asteroid or an enemy bullet (which
// ends its flight).
#pragma once

#include "game/GameStrategy.h"

namespace MyGame {

class MovementBullet : public MovementStrategy<MovementBullet> {
public:
    using MovementStrategy::MovementStrategy;
    void Step() override;

private:
    void ShootDown(MovingSprite& ufo);
};

}  // namespace MyGame
