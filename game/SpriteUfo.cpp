#include "game/SpriteUfo.h"

namespace MyGame {

SpriteUfo::SpriteUfo(int width, int height, HBITMAP picture, OrloUtility::FormGames& owner)
    : MovingSprite(width, height, picture, owner) {}

}  // namespace MyGame
