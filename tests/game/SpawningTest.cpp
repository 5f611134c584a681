// Making the objects of play: where asteroids and UFOs start and how fast they go, and the
// limits and cool-downs of both kinds of bullet.
#include "game/GameScenario.h"
#include "game/SpriteAsteroidi.h"
#include "game/SpriteBullet.h"
#include "game/SpriteBulletNemico.h"
#include "game/SpriteUfo.h"

namespace MyGame {
namespace {

class SpawningTest : public GameScenario {
protected:
    FormMain& Field() {
        FormMain& game = Play();
        game.BeginFrame(false);
        return game;
    }
    void TearDown() override {
        if (game_ && game_->IsFrameOpen()) game_->EndFrame();
        GameScenario::TearDown();
    }
public:
    bool FirePlayer() { return game_->FirePlayerBullet(game_->playerBulletTemplate) != nullptr; }
    bool FireEnemy() { return game_->FireEnemyBullet(100, game_->enemyBulletTemplate) != nullptr; }

protected:

    FormMain* game_ = nullptr;
};

TEST_F(SpawningTest, AtMostFivePlayerBulletsAndElevenEnemyBulletsFly) {
    game_ = &Field();
    for (int shot = 1; shot <= 5; ++shot) {
        EXPECT_TRUE(FirePlayer()) << "shot " << shot;
        Backend().AdvanceClock(400);
    }
    EXPECT_FALSE(FirePlayer()) << "a sixth while five fly";
    for (int shot = 1; shot <= 11; ++shot) {
        EXPECT_TRUE(FireEnemy()) << "enemy shot " << shot;
        Backend().AdvanceClock(400);
    }
    EXPECT_FALSE(FireEnemy()) << "a twelfth while eleven fly";

    // A bullet whose flight is over no longer counts.
    static_cast<MovingSprite&>(*game_->playerBullets[0]).alive = false;
    EXPECT_TRUE(FirePlayer());
}

TEST_F(SpawningTest, ShotsNeedFourHundredMillisecondsSinceTheLastAcceptedOne) {
    game_ = &Field();
    const struct {
        const char* kind;
        bool (SpawningTest::*fire)();
    } kinds[] = {{"player", &SpawningTest::FirePlayer}, {"enemy", &SpawningTest::FireEnemy}};
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.kind);
        EXPECT_TRUE((this->*kind.fire)()) << "the first shot of the run goes at once";
        Backend().AdvanceClock(399);
        EXPECT_FALSE((this->*kind.fire)()) << "at 399 ms";
        Backend().AdvanceClock(1);
        EXPECT_TRUE((this->*kind.fire)()) << "at 400 ms: the refused shot did not restart the wait";
        EXPECT_FALSE((this->*kind.fire)());
    }
}

TEST_F(SpawningTest, AsteroidStepsGrowWithTheLevelUpToTheirOwnHeight) {
    game_ = &Field();
    const struct {
        int level;
        int lowest, highest;
    } cases[] = {{1, 5, 8}, {20, 24, 27}, {60, 63, 63}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.level);
        game_->level = c.level;
        for (int i = 0; i < 40; ++i) {
            SpriteAsteroidi* rock = game_->SpawnAsteroid(game_->asteroidATemplate);
            ASSERT_TRUE(rock);
            EXPECT_GE(rock->stepY, c.lowest);
            EXPECT_LE(rock->stepY, c.highest);
            EXPECT_EQ(rock->y, 20);
            EXPECT_GE(rock->x, 1);
            EXPECT_LE(rock->x, 800 - 45);
            const int period = game_->movements.back()->periodMs;
            EXPECT_GE(period, 50 + 5 - c.level);
            EXPECT_LE(period, 100 + 5 - c.level);
        }
    }
}

TEST_F(SpawningTest, UfosStartOutOfSightInTheUpperThirdOfTheField) {
    game_ = &Field();
    int lowestX = 1000, highestX = -1000, lowestY = 1000, highestY = -1000;
    for (int i = 0; i < 300; ++i) {
        SpriteUfo* ufo = game_->SpawnUfo(30, game_->ufoTemplate);
        ASSERT_TRUE(ufo);
        lowestX = std::min(lowestX, ufo->x);
        highestX = std::max(highestX, ufo->x);
        lowestY = std::min(lowestY, ufo->y);
        highestY = std::max(highestY, ufo->y);
        EXPECT_TRUE(ufo->movingRight);
        EXPECT_EQ(game_->movements.back()->periodMs, 30);
    }
    EXPECT_GE(lowestX, -140);
    EXPECT_LE(highestX, -41);
    EXPECT_GE(lowestY, 20);
    EXPECT_LE(highestY, (600 - 40) / 3);
    EXPECT_LT(lowestX, -120) << "the whole range is used";
    EXPECT_GT(highestY, 150);
}

TEST_F(SpawningTest, PlayerBulletsStayOffTheFieldsListAndEnemyBulletsJoinIt) {
    game_ = &Field();
    const std::size_t before = game_->elements.size();
    SpriteBullet* mine = game_->FirePlayerBullet(game_->playerBulletTemplate);
    ASSERT_TRUE(mine);
    EXPECT_EQ(game_->elements.size(), before);
    EXPECT_EQ(mine->x, game_->player->x + 32) << "from the middle of the ship's top edge";
    EXPECT_EQ(mine->y, game_->player->y);
    EXPECT_EQ(game_->movements.back()->periodMs, 20);
    SpriteBulletNemico* theirs = game_->FireEnemyBullet(77, game_->enemyBulletTemplate);
    ASSERT_TRUE(theirs);
    EXPECT_EQ(game_->elements.back(), theirs);
    EXPECT_EQ(theirs->y, 77);
    EXPECT_EQ(game_->movements.back()->periodMs, 100);
}

TEST_F(SpawningTest, AnUnknownKindMakesNoSprite) {
    game_ = &Field();
    SpriteTemplate unknown;
    unknown.kindName = "cometa";
    const std::size_t before = game_->elements.size();
    EXPECT_EQ(game_->CreateSprite(unknown), nullptr);
    EXPECT_EQ(game_->SpawnAsteroid(unknown), nullptr);
    EXPECT_EQ(game_->elements.size(), before);
}

}  // namespace
}  // namespace MyGame
