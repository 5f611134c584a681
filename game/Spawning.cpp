// Making the objects of play: sprites of each kind from their templates, the level's asteroids
// and UFOs, the bullets of the ship and of the UFOs, and the frame animations.
#include <algorithm>

#include "game/FieldRules.h"
#include "game/FormMain.h"
#include "game/MovementAsteroide.h"
#include "game/MovementBullet.h"
#include "game/MovementBulletNemico.h"
#include "game/MovementUfo.h"
#include "game/ProcessState.h"
#include "game/SpriteAnimazione.h"
#include "game/SpriteAsteroidi.h"
#include "game/SpriteBullet.h"
#include "game/SpriteBulletNemico.h"
#include "game/SpriteUfo.h"
#include "toolkit/drawing/RandomBetween.h"

namespace MyGame {

using OrloUtility::RandomBetween;
using OrloUtility::Sprite;
using OrloUtility::TimeStamp;

namespace {

constexpr int kTopRow = 20;
constexpr std::size_t kMostPlayerBullets = 5;
constexpr std::size_t kMostEnemyBullets = 11;
constexpr std::int64_t kCoolDownMs = 400;
constexpr int kPlayerBulletPeriodMs = 20;
constexpr int kEnemyBulletPeriodMs = 100;

std::size_t AliveCount(const SpriteList& bullets) {
    return static_cast<std::size_t>(std::count_if(bullets.begin(), bullets.end(), [](const auto& sprite) {
        auto* moving = dynamic_cast<const MovingSprite*>(sprite.get());
        return moving && moving->alive;
    }));
}

// Takes over a sprite made by CreateSprite when it has the expected class; one of another
// class (a template of the wrong kind) leaves the field again.
template <class Kind>
std::unique_ptr<Kind> As(FormMain& form, std::unique_ptr<Sprite> sprite) {
    auto* kind = dynamic_cast<Kind*>(sprite.get());
    if (!kind) {
        if (sprite) form.RemoveSpriteById(sprite->Id());
        return nullptr;
    }
    sprite.release();
    return std::unique_ptr<Kind>(kind);
}

}  // namespace

template <class Movement, class Kind>
Kind* FormMain::SetMoving(std::unique_ptr<Kind> sprite, const SpriteTemplate& kind, int periodMs, SpriteList& list) {
    auto movement = std::make_unique<Movement>(*sprite, kind, *this);
    movement->periodMs = periodMs;
    movements.push_back(std::move(movement));
    Kind* moving = sprite.get();
    list.push_back(std::move(sprite));
    return moving;
}

std::unique_ptr<Sprite> FormMain::CreateSprite(const SpriteTemplate& kind) {
    const std::string& name = kind.kindName;
    std::unique_ptr<Sprite> made;
    if (name == "player") {
        made = std::make_unique<SpritePlayer>(kind.width, kind.height, LoadCheckedBitmap(kind.imagePath), *this);
    } else if (name == "asteroide") {
        auto rock = std::make_unique<SpriteAsteroidi>(kind.width, kind.height, LoadCheckedBitmap(kind.imagePath), *this);
        rock->maxX = kind.fieldWidth - kind.width;
        rock->topY = kTopRow;
        rock->minX = 0;
        rock->maxY = kind.fieldHeight - kind.height;
        made = std::move(rock);
    } else if (name == "ufo") {
        // From fully outside the left edge until fully outside the right one.
        auto ufo = std::make_unique<SpriteUfo>(kind.width, kind.height, LoadCheckedBitmap(kind.imagePath), *this);
        ufo->maxX = kind.fieldWidth;
        ufo->maxY = kind.fieldHeight - kind.height;
        ufo->minX = -kind.width;
        ufo->topY = kTopRow;
        ufo->movingRight = true;
        made = std::move(ufo);
    } else if (name == "bullet") {
        // Never on the element list: nothing collides with the player's bullets or redraws them.
        return std::make_unique<SpriteBullet>(kind.width, kind.height, *this);
    } else if (name == "bulletNemico") {
        auto bullet =
            std::make_unique<SpriteBulletNemico>(kind.width, kind.height, LoadCheckedBitmap(kind.imagePath), *this);
        bullet->maxX = kind.fieldWidth - kind.width;
        bullet->movingRight = true;
        bullet->topY = kTopRow;
        bullet->minX = 0;
        bullet->maxY = kind.fieldHeight - kind.height;
        made = std::move(bullet);
    } else {
        return nullptr;
    }
    AddSprite(*made);
    return made;
}

void FormMain::AttachFrameAnimation(Sprite& sprite, const SpriteTemplate& kind) {
    sprite.SetFrame(kind.firstFrame);
    auto animation = std::make_unique<SpriteAnimazione>(sprite, kind, *this);
    animation->firstFrame = kind.firstFrame;
    animation->lastFrame = kind.lastFrame;
    animation->periodMs = kind.framePeriodMs;
    frameAnimations.push_back(std::move(animation));
}

// The period may fall to 0 or below at high levels: the asteroid then moves every frame. Its
// step never exceeds its own height.
SpriteAsteroidi* FormMain::SpawnAsteroid(const SpriteTemplate& kind) {
    std::unique_ptr<SpriteAsteroidi> rock = As<SpriteAsteroidi>(*this, CreateSprite(kind));
    if (!rock) return nullptr;
    rock->x = RandomBelow(rock->maxX) + 1;
    const int periodMs = RandomBetween(kind.periodSpread / 2, kind.periodSpread) + kind.periodBias - level;
    rock->stepY = std::min(RandomBetween(level + 4, level + 7), kind.height);
    rock->y = rock->topY;
    DrawSprite(*rock);
    AttachFrameAnimation(*rock, kind);
    return SetMoving<MovementAsteroide>(std::move(rock), kind, periodMs, enemies);
}

// UFOs start in the upper third of the field, 1 to 100 pixels beyond their starting limit.
SpriteUfo* FormMain::SpawnUfo(int periodMs, const SpriteTemplate& kind) {
    std::unique_ptr<SpriteUfo> ufo = As<SpriteUfo>(*this, CreateSprite(kind));
    if (!ufo) return nullptr;
    ufo->y = RandomBetween(ufo->topY, ufo->maxY / 3);
    const int beyond = RandomBelow(100) + 1;
    ufo->x = ufo->movingRight ? ufo->minX - beyond : ufo->maxX + beyond;
    DrawSprite(*ufo);
    AttachFrameAnimation(*ufo, kind);
    return SetMoving<MovementUfo>(std::move(ufo), kind, periodMs, enemies);
}

// A refused shot leaves the last accepted time as it was. The first shot of a kind in the run
// is always accepted; after it, a clock that cannot be converted refuses.
bool FormMain::TakeShot(bool& firstShot, TimeStamp& lastShot) {
    const TimeStamp now = TimeStamp::Now();
    if (!firstShot && lastShot.MillisecondsUntil(now) < kCoolDownMs) return false;
    lastShot = now;
    firstShot = false;
    return true;
}

// The bullet leaves from the middle of the ship's top edge.
SpriteBullet* FormMain::FirePlayerBullet(const SpriteTemplate& kind) {
    if (!player || AliveCount(playerBullets) >= kMostPlayerBullets) return nullptr;
    ProcessState& process = Process();
    if (!TakeShot(process.firstPlayerShot, process.lastPlayerShot)) return nullptr;
    std::unique_ptr<SpriteBullet> bullet = As<SpriteBullet>(*this, CreateSprite(kind));
    if (!bullet) return nullptr;
    bullet->x = player->x + player->width / 2;
    bullet->y = player->y;
    DrawSprite(*bullet);
    return SetMoving<MovementBullet>(std::move(bullet), kind, kPlayerBulletPeriodMs, playerBullets);
}

// The bullet starts above the middle of the ship, at the height it is given, and drifts to a
// random side as it falls.
SpriteBulletNemico* FormMain::FireEnemyBullet(int top, const SpriteTemplate& kind) {
    if (!player || AliveCount(enemyBullets) >= kMostEnemyBullets) return nullptr;
    ProcessState& process = Process();
    if (!TakeShot(process.firstEnemyShot, process.lastEnemyShot)) return nullptr;
    std::unique_ptr<SpriteBulletNemico> bullet = As<SpriteBulletNemico>(*this, CreateSprite(kind));
    if (!bullet) return nullptr;
    bullet->movingRight = CoinFlip();
    bullet->x = player->x + player->width / 2;
    bullet->y = top;
    DrawSprite(*bullet);
    return SetMoving<MovementBulletNemico>(std::move(bullet), kind, kEnemyBulletPeriodMs, enemyBullets);
}

}  // namespace MyGame
