#include "game/SpriteBullet.h"

#include "toolkit/drawing/Drawing.h"

namespace MyGame {

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
// The plus sign, in drawing order.
constexpr POINT kPlusSign[] = {{1, 0}, {0, 1}, {1, 1}, {2, 1}, {1, 2}};

}  // namespace

SpriteBullet::SpriteBullet(int width, int height, OrloUtility::FormGames& owner) : MovingSprite(width, height, owner) {}

POINT SpriteBullet::Draw(OrloUtility::Drawing& surface) {
    const POINT previous{LastX(), LastY()};
    if (!alive) return previous;
    EraseIfMoved(surface);
    if (surface.IsOpen())
        for (const POINT& offset : kPlusSign) SetPixel(surface.Context(), x + offset.x, y + offset.y, kWhite);
    RecordDrawn();
    return previous;
}

}  // namespace MyGame
