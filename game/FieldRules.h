// The rules the movement steps share: later sprites stay drawn on top of earlier ones, a touch
// of the player's ship, and the end of a bullet's flight.
#pragma once

#include "game/FormMain.h"
#include "game/MovingSprite.h"

namespace MyGame {

// Draws again every sprite of the field made after `moved` (a greater id) that overlaps it.
void RedrawSpritesAbove(FormMain& form, const OrloUtility::Sprite& moved);
// Whether `sprite`, shrunk by `inset`, overlaps the player's ship shrunk by 10.
bool TouchesPlayer(const FormMain& form, const OrloUtility::Sprite& sprite, int inset);
// Takes the bullet off the field and out of `list`, with its movement strategy, and deletes
// it; an enemy bullet also leaves the element list. The bullet is gone when this returns.
void EndBulletFlight(FormMain& form, MovingSprite& bullet, SpriteList& list, bool enemyBullet);
// rand() modulo `bound`; 0 for a bound of 0 or less, which would have no remainder.
int RandomBelow(int bound);
// A coin flip: true when rand() draws an even number.
bool CoinFlip();

}  // namespace MyGame
