#include "game/MovementBullet.h"

#include "game/FieldRules.h"
#include "game/SpriteAsteroidi.h"
#include "game/SpriteUfo.h"
#include "toolkit/game/SpritesOverlap.h"

namespace MyGame {

using OrloUtility::SpritesOverlap;

// The first entry of the field the bullet meets decides: after a hit the bullet is either gone
// or has done its work for this step.
void MovementBullet::Step() {
    MovingSprite& bullet = Moving();
    const int newY = bullet.y - bullet.stepY;
    if (newY <= bullet.topY) {
        EndBulletFlight(*form, bullet, form->playerBullets, false);
        return;
    }
    bullet.y = newY;
    form->DrawSprite(bullet);
    for (std::size_t i = 0; i < form->elements.size(); ++i) {
        OrloUtility::GameElement* entry = form->elements[i];
        if (auto* ufo = dynamic_cast<SpriteUfo*>(entry)) {
            if (!SpritesOverlap(bullet, 0, *ufo, 0)) continue;
            ShootDown(*ufo);
            return;
        }
        auto* rock = dynamic_cast<SpriteAsteroidi*>(entry);
        if (rock && SpritesOverlap(bullet, 0, *rock, 0)) {
            EndBulletFlight(*form, bullet, form->playerBullets, false);
            return;
        }
    }
}

// The UFO comes back at once in the first row, from a random side.
void MovementBullet::ShootDown(MovingSprite& ufo) {
    form->EraseSprite(ufo);
    form->PlayExplosion();
    ufo.movingRight = CoinFlip();
    ufo.x = ufo.movingRight ? ufo.minX : ufo.maxX;
    ufo.y = ufo.topY;
    form->UfoShotDown();
}

}  // namespace MyGame
