// The base of the game's strategies: each moves or animates one sprite of the game form, and
// its copies (taken every frame before any strategy runs) are made member by member.
#pragma once

#include <memory>

#include "game/MovingSprite.h"
#include "game/SpriteTemplate.h"
#include "toolkit/game/SpriteAnim.h"

namespace MyGame {

class FormMain;

template <class Derived>
class GameStrategy : public OrloUtility::SpriteAnim {
public:
    // The sprite, the template and the form are not owned and must outlive the strategy.
    GameStrategy(OrloUtility::Sprite& sprite, const SpriteTemplate& kind, FormMain& form)
        : SpriteAnim(sprite, kind), form(&form) {}

    std::unique_ptr<SpriteAnim> Clone() const override {
        return std::make_unique<Derived>(static_cast<const Derived&>(*this));
    }

    FormMain* form;
};

// A strategy that moves its sprite. Its copies take their frames from the template again.
template <class Derived>
class MovementStrategy : public GameStrategy<Derived> {
public:
    using GameStrategy<Derived>::GameStrategy;

    std::unique_ptr<OrloUtility::SpriteAnim> Clone() const override {
        std::unique_ptr<OrloUtility::SpriteAnim> copy = GameStrategy<Derived>::Clone();
        copy->firstFrame = this->spriteTemplate->firstFrame;
        copy->lastFrame = this->spriteTemplate->lastFrame;
        return copy;
    }

protected:
    // Every sprite moved by a movement strategy is a moving sprite.
    MovingSprite& Moving() const { return static_cast<MovingSprite&>(*this->sprite); }
};

}  // namespace MyGame
