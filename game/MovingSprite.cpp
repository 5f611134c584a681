#include "game/MovingSprite.h"

namespace MyGame {

POINT MovingSprite::Draw(OrloUtility::Drawing& surface) {
    if (!alive) return {LastX(), LastY()};
    return DrawFrame(surface);
}

}  // namespace MyGame
