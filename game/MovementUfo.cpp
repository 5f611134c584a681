#include "game/MovementUfo.h"

#include <cstdlib>

#include "game/FieldRules.h"

namespace MyGame {

namespace {

constexpr int kUfoInset = 10;
// A UFO fires when its x is closer than this to the ship's.
constexpr int kFiringDistance = 30;
// Its bullet starts this far below its bottom edge.
constexpr int kBulletGap = 5;

int NextRow(const MovingSprite& ufo) {
    const int row = ufo.y + ufo.height + ufo.topY;
    return row >= ufo.maxY ? ufo.topY : row;
}

}  // namespace

POINT MovementUfo::NextPosition(const MovingSprite& ufo) const {
    if (ufo.movingRight) {
        const int x = ufo.x + ufo.stepX;
        if (x >= ufo.maxX) return {ufo.minX, NextRow(ufo)};
        return {x, ufo.y};
    }
    const int x = ufo.x - ufo.stepX;
    if (x <= ufo.minX) return {ufo.maxX, NextRow(ufo)};
    return {x, ufo.y};
}

void MovementUfo::Step() {
    MovingSprite& ufo = Moving();
    const POINT next = NextPosition(ufo);
    ufo.x = next.x;
    ufo.y = next.y;
    form->DrawSprite(ufo);
    if (form->player && std::abs(form->player->x - ufo.x) < kFiringDistance)
        form->FireEnemyBullet(ufo.y + ufo.height + kBulletGap, form->enemyBulletTemplate);
    RedrawSpritesAbove(*form, ufo);
    if (TouchesPlayer(*form, ufo, kUfoInset)) form->PlayerHit();
}

}  // namespace MyGame
