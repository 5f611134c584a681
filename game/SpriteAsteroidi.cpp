#include "game/SpriteAsteroidi.h"

namespace MyGame {

SpriteAsteroidi::SpriteAsteroidi(int width, int height, HBITMAP picture, OrloUtility::FormGames& owner)
    : MovingSprite(width, height, picture, owner) {}

}  // namespace MyGame
