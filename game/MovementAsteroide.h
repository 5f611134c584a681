// An asteroid falls by its step; past the bottom limit it starts over at the top at a random x.
// It cannot be shot down, and it costs the player a life on a touch.
#pragma once

#include "game/GameStrategy.h"

namespace MyGame {

class MovementAsteroide : public MovementStrategy<MovementAsteroide> {
public:
    using MovementStrategy::MovementStrategy;
    void Step() override;
};

}  // namespace MyGame
