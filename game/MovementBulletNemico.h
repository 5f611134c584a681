// A UFO's bullet falls diagonally, kept inside the field sideways, until the bottom limit; it
// costs the player a life on a touch.
#pragma once

#include "game/GameStrategy.h"

namespace MyGame {

class MovementBulletNemico : public MovementStrategy<MovementBulletNemico> {
public:
    using MovementStrategy::MovementStrategy;
    void Step() override;
};

}  // namespace MyGame
