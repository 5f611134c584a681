// Cycles a sprite through its animation frames, one frame a step.
#pragma once

#include "game/GameStrategy.h"

namespace MyGame {

class SpriteAnimazione : public GameStrategy<SpriteAnimazione> {
public:
    using GameStrategy::GameStrategy;
    void Step() override;
};

}  // namespace MyGame
