#include "game/SpritePlayer.h"

namespace MyGame {

SpritePlayer::SpritePlayer(int width, int height, HBITMAP picture, OrloUtility::FormGames& owner)
    : FieldSprite(width, height, picture, owner) {}

POINT SpritePlayer::Draw(OrloUtility::Drawing& surface) { return DrawFrame(surface); }

}  // namespace MyGame
