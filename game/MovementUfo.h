// A UFO crosses the field the same way row after row: past its limit it reappears on the other
// side one row lower, and back in the first row after the last. It fires at the ship when it
// passes close above it.
#pragma once

#include "game/GameStrategy.h"

namespace MyGame {

class MovementUfo : public MovementStrategy<MovementUfo> {
public:
    using MovementStrategy::MovementStrategy;
    void Step() override;

private:
    // The next position, wrapping to the next row at the limits.
    POINT NextPosition(const MovingSprite& ufo) const;
};

}  // namespace MyGame
