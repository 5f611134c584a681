// The player's ship. It is always drawn: it has no alive flag.
#pragma once

#include "game/FieldSprite.h"

namespace MyGame {

class SpritePlayer : public FieldSprite {
public:
    // `picture` is shared: it stays its loader's.
    SpritePlayer(int width, int height, HBITMAP picture, OrloUtility::FormGames& owner);

    POINT Draw(OrloUtility::Drawing& surface) override;
};

}  // namespace MyGame
