#include "game/MovementAsteroide.h"

#include "game/FieldRules.h"

namespace MyGame {

namespace {

constexpr int kAsteroidInset = 10;

}  // namespace

void MovementAsteroide::Step() {
    MovingSprite& rock = Moving();
    int newX = rock.x;
    int newY = rock.y + rock.stepY;
    // Exactly at the bottom limit it keeps going; only past it does it start over.
    if (newY > rock.maxY) {
        newY = rock.topY;
        newX = RandomBelow(rock.maxX) + 1;
    }
    rock.x = newX;
    rock.y = newY;
    form->DrawSprite(rock);
    RedrawSpritesAbove(*form, rock);
    if (TouchesPlayer(*form, rock, kAsteroidInset)) form->PlayerHit();
}

}  // namespace MyGame
