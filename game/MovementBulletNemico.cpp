#include "game/MovementBulletNemico.h"

#include <algorithm>

#include "game/FieldRules.h"

namespace MyGame {

void MovementBulletNemico::Step() {
    MovingSprite& bullet = Moving();
    const int newY = bullet.y + bullet.stepY;
    int newX = bullet.movingRight ? bullet.x + bullet.stepX : bullet.x - bullet.stepX;
    newX = std::max(std::min(newX, bullet.maxX), bullet.minX);
    if (newY >= bullet.maxY) {
        EndBulletFlight(*form, bullet, form->enemyBullets, true);
        return;
    }
    bullet.x = newX;
    bullet.y = newY;
    form->DrawSprite(bullet);
    // The bullet flies on after a touch: the hit clears the field anyway.
    if (TouchesPlayer(*form, bullet, 0)) form->PlayerHit();
}

}  // namespace MyGame
