// The steps of the five strategies: falling asteroids, UFOs crossing row after row and firing,
// the player's bullets hitting what they meet first, enemy bullets, and the collision insets.
#include "FreshState.h"
#include "game/GameScenario.h"
#include "game/MovementAsteroide.h"
#include "game/MovementBullet.h"
#include "game/MovementBulletNemico.h"
#include "game/MovementUfo.h"
#include "game/ProcessState.h"
#include "game/SpriteAsteroidi.h"
#include "game/SpriteBullet.h"
#include "game/SpriteBulletNemico.h"
#include "game/SpriteUfo.h"

namespace MyGame {
namespace {

class MovementsTest : public GameScenario {
protected:
    // A level 1 in play with no strategy running, inside an open frame.
    FormMain& Field() {
        FormMain& game = Play();
        game.ClearAnimations();
        game.BeginFrame(false);
        return game;
    }
    void TearDown() override {
        for (FormMain* game : open_)
            if (game->IsFrameOpen()) game->EndFrame();
        GameScenario::TearDown();
    }
    template <class Strategy>
    void StepOnce(FormMain& game, OrloUtility::Sprite& sprite, const SpriteTemplate& kind) {
        Strategy strategy(sprite, kind, game);
        strategy.Step();
    }
    template <class Kind>
    Kind& First(FormMain& game) {
        for (const auto& sprite : game.enemies)
            if (auto* kind = dynamic_cast<Kind*>(sprite.get())) return *kind;
        throw std::logic_error("no sprite of that kind");
    }
    std::vector<FormMain*> open_;
};

TEST_F(MovementsTest, AnAsteroidAtTheBottomLimitGoesOnAndPastItStartsOverAtTheTop) {
    FormMain& game = Field();
    open_.push_back(&game);
    auto& rock = First<SpriteAsteroidi>(game);
    rock.y = rock.maxY - rock.stepY;
    const int x = rock.x;
    StepOnce<MovementAsteroide>(game, rock, game.asteroidATemplate);
    EXPECT_EQ(rock.y, rock.maxY);
    EXPECT_EQ(rock.x, x);

    StepOnce<MovementAsteroide>(game, rock, game.asteroidATemplate);
    EXPECT_EQ(rock.y, rock.topY);
    EXPECT_GE(rock.x, 1);
    EXPECT_LE(rock.x, rock.maxX);
}

TEST_F(MovementsTest, AUfoWrapsToTheOtherSideOneRowLowerAndBackToTheFirstRow) {
    FormMain& game = Field();
    open_.push_back(&game);
    auto& ufo = First<SpriteUfo>(game);
    game.player->x = 0;  // far away, so it does not fire
    const struct {
        bool movingRight;
        int x, y;
        int expectedX, expectedY;
    } cases[] = {
        {true, 800 - 4, 20, -40, 80},     // x = maxX is not kept
        {true, 100, 20, 104, 20},
        {false, -40 + 4, 80, 800, 140},   // x = minX is not kept either
        {false, 100, 80, 96, 80},
        {true, 796, 560 - 40 - 20, -40, 20},  // the next row would start at maxY: first row
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.movingRight ? "right from " : "left from ") << c.x << ", " << c.y);
        ufo.movingRight = c.movingRight;
        ufo.x = c.x;
        ufo.y = c.y;
        StepOnce<MovementUfo>(game, ufo, game.ufoTemplate);
        EXPECT_EQ(ufo.x, c.expectedX);
        EXPECT_EQ(ufo.y, c.expectedY);
        EXPECT_EQ(ufo.movingRight, c.movingRight) << "a UFO never turns";
    }
}

TEST_F(MovementsTest, AUfoFiresWhenCloserThanThirtyPixelsToTheShip) {
    const struct {
        int distance;
        bool fires;
    } cases[] = {{29, true}, {-29, true}, {30, false}, {-30, false}, {0, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.distance);
        ReplaceWithFresh(Process());
        FormMain& game = Field();
        auto& ufo = First<SpriteUfo>(game);
        ufo.movingRight = true;
        ufo.y = 100;
        ufo.x = game.player->x + c.distance - ufo.stepX;
        StepOnce<MovementUfo>(game, ufo, game.ufoTemplate);
        ASSERT_EQ(game.enemyBullets.size(), c.fires ? 1u : 0u);
        if (c.fires) {
            EXPECT_EQ(game.enemyBullets[0]->y, 100 + 40 + 5) << "below the UFO's bottom edge";
            EXPECT_EQ(game.enemyBullets[0]->x, game.player->x + 32) << "above the middle of the ship";
        }
        game.EndFrame();
        DestroyGame(game);
    }
}

TEST_F(MovementsTest, APlayerBulletHitsWhatComesFirstInTheList) {
    const struct {
        bool ufoFirst;
    } cases[] = {{true}, {false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ufoFirst ? "UFO first" : "asteroid first");
        ReplaceWithFresh(Process());
        FormMain& game = Field();
        auto& ufo = First<SpriteUfo>(game);
        auto& rock = First<SpriteAsteroidi>(game);
        // Both over the bullet's next place.
        ufo.x = 400;
        ufo.y = 300;
        rock.x = 390;
        rock.y = 290;
        game.elements = c.ufoFirst ? std::vector<OrloUtility::GameElement*>{&ufo, &rock}
                                   : std::vector<OrloUtility::GameElement*>{&rock, &ufo};
        SpriteBullet* bullet = game.FirePlayerBullet(game.playerBulletTemplate);
        ASSERT_TRUE(bullet);
        bullet->x = 410;
        bullet->y = 320;
        StepOnce<MovementBullet>(game, *bullet, game.playerBulletTemplate);
        if (c.ufoFirst) {
            EXPECT_EQ(game.score, 50);
            EXPECT_EQ(game.ufoHitsLeft, 19);
            EXPECT_EQ(ufo.y, ufo.topY) << "the UFO starts again in the first row";
            EXPECT_TRUE(ufo.x == ufo.minX || ufo.x == ufo.maxX);
            EXPECT_EQ(game.playerBullets.size(), 1u) << "the bullet flies on";
        } else {
            EXPECT_EQ(game.score, 0);
            EXPECT_TRUE(game.playerBullets.empty()) << "the asteroid ended its flight";
            EXPECT_TRUE(game.movements.empty()) << "with its strategy";
        }
        game.EndFrame();
        DestroyGame(game);
    }
}

TEST_F(MovementsTest, APlayerBulletReachingTheTopRowEndsWithoutBeingDrawnThere) {
    FormMain& game = Field();
    open_.push_back(&game);
    SpriteBullet* bullet = game.FirePlayerBullet(game.playerBulletTemplate);
    ASSERT_TRUE(bullet);
    bullet->y = bullet->topY + bullet->stepY + 1;
    StepOnce<MovementBullet>(game, *bullet, game.playerBulletTemplate);
    ASSERT_EQ(game.playerBullets.size(), 1u);
    EXPECT_EQ(bullet->y, bullet->topY + 1);
    StepOnce<MovementBullet>(game, *bullet, game.playerBulletTemplate);
    EXPECT_TRUE(game.playerBullets.empty());
}

TEST_F(MovementsTest, AnEnemyBulletStaysInsideTheFieldAndEndsAtTheBottom) {
    FormMain& game = Field();
    open_.push_back(&game);
    game.player->x = 0;
    SpriteBulletNemico* bullet = game.FireEnemyBullet(100, game.enemyBulletTemplate);
    ASSERT_TRUE(bullet);
    bullet->movingRight = true;
    bullet->x = bullet->maxX;
    StepOnce<MovementBulletNemico>(game, *bullet, game.enemyBulletTemplate);
    EXPECT_EQ(bullet->x, bullet->maxX);
    EXPECT_EQ(bullet->y, 104);
    EXPECT_EQ(game.elements.back(), bullet) << "on the field's list while in flight";

    bullet->y = bullet->maxY - bullet->stepY;
    const OrloUtility::GameElement* flown = bullet;
    StepOnce<MovementBulletNemico>(game, *bullet, game.enemyBulletTemplate);
    EXPECT_TRUE(game.enemyBullets.empty());
    EXPECT_EQ(std::count(game.elements.begin(), game.elements.end(), flown), 0) << "it left the field's list";
}

// The ship's and the other sprite's rectangles are both shrunk before the test, so the
// overlap must exceed the two insets together.
TEST_F(MovementsTest, TouchesCountOnlyBeyondTheInsets) {
    const struct {
        const char* kind;
        int overlap;
        bool hit;
    } cases[] = {{"asteroid", 20, false}, {"asteroid", 21, true}, {"ufo", 20, false},
                 {"ufo", 21, true},       {"enemy bullet", 10, false}, {"enemy bullet", 11, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.kind << " overlapping by " << c.overlap);
        ReplaceWithFresh(Process());
        FormMain& game = Field();
        const OrloUtility::Sprite& ship = *game.player;
        auto placeBefore = [&](MovingSprite& sprite, int dx, int dy) {
            // Where it will be after its step: overlapping the ship's top-left corner.
            sprite.x = ship.x - sprite.width + c.overlap - dx;
            sprite.y = ship.y - sprite.height + c.overlap - dy;
        };
        if (std::string(c.kind) == "asteroid") {
            auto& rock = First<SpriteAsteroidi>(game);
            placeBefore(rock, 0, rock.stepY);
            StepOnce<MovementAsteroide>(game, rock, game.asteroidATemplate);
        } else if (std::string(c.kind) == "ufo") {
            auto& ufo = First<SpriteUfo>(game);
            ufo.movingRight = true;
            placeBefore(ufo, ufo.stepX, 0);
            StepOnce<MovementUfo>(game, ufo, game.ufoTemplate);
        } else {
            SpriteBulletNemico* bullet = game.FireEnemyBullet(100, game.enemyBulletTemplate);
            ASSERT_TRUE(bullet);
            bullet->movingRight = true;
            placeBefore(*bullet, bullet->stepX, bullet->stepY);
            StepOnce<MovementBulletNemico>(game, *bullet, game.enemyBulletTemplate);
        }
        EXPECT_EQ(game.lives, c.hit ? 2 : 3);
        if (game.IsFrameOpen()) game.EndFrame();
        DestroyGame(game);
    }
}

}  // namespace
}  // namespace MyGame
