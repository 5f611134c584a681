// A UFO's bullet: it falls like an asteroid, drifting sideways half as fast.
#pragma once

#include "game/SpriteAsteroidi.h"

namespace MyGame {

class SpriteBulletNemico : public SpriteAsteroidi {
public:
    // `picture` is shared: it stays its loader's.
    SpriteBulletNemico(int width, int height, HBITMAP picture, OrloUtility::FormGames& owner);
};

}  // namespace MyGame
