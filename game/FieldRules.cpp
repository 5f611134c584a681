#include "game/FieldRules.h"

#include <algorithm>

#include "toolkit/drawing/RandomBetween.h"
#include "toolkit/game/SpritesOverlap.h"

namespace MyGame {

using OrloUtility::Sprite;

namespace {

constexpr int kPlayerInset = 10;

template <class List>
void EraseFirstWithSpriteId(List& list, int spriteId, Sprite* (*spriteOf)(typename List::value_type&)) {
    auto found = std::find_if(list.begin(), list.end(), [&](auto& entry) { return spriteOf(entry)->Id() == spriteId; });
    if (found != list.end()) list.erase(found);
}

}  // namespace

// Drawing does not change the list, so walking it by index is safe.
void RedrawSpritesAbove(FormMain& form, const Sprite& moved) {
    for (std::size_t i = 0; i < form.elements.size(); ++i) {
        auto* other = dynamic_cast<Sprite*>(form.elements[i]);
        if (other && other->Id() > moved.Id() && OrloUtility::SpritesOverlap(moved, 0, *other, 0))
            form.DrawSprite(*other);
    }
}

bool TouchesPlayer(const FormMain& form, const Sprite& sprite, int inset) {
    return form.player && OrloUtility::SpritesOverlap(sprite, inset, *form.player, kPlayerInset);
}

void EndBulletFlight(FormMain& form, MovingSprite& bullet, SpriteList& list, bool enemyBullet) {
    const int bulletId = bullet.Id();
    form.EraseSprite(bullet);
    EraseFirstWithSpriteId(form.movements, bulletId, +[](std::unique_ptr<OrloUtility::SpriteAnim>& strategy) {
        return strategy->sprite;
    });
    bullet.alive = false;
    if (enemyBullet) form.RemoveSpriteById(bulletId);
    EraseFirstWithSpriteId(list, bulletId, +[](std::unique_ptr<Sprite>& sprite) { return sprite.get(); });
}

int RandomBelow(int bound) { return bound > 0 ? OrloUtility::SeededRandom() % bound : 0; }

bool CoinFlip() { return OrloUtility::SeededRandom() % 2 == 0; }

}  // namespace MyGame
