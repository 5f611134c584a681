#include "game/SpriteBulletNemico.h"

namespace MyGame {

SpriteBulletNemico::SpriteBulletNemico(int width, int height, HBITMAP picture, OrloUtility::FormGames& owner)
    : SpriteAsteroidi(width, height, picture, owner) {
    stepX = 2;
}

}  // namespace MyGame
