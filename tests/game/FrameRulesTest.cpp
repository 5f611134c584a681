// The game's heartbeat: how ticks measure time, pausing, the typed commands, and the levels
// with their waves.
#include "FreshState.h"
#include "game/GameScenario.h"
#include "game/GameStrategy.h"
#include "game/ProcessState.h"
#include "game/SpriteAsteroidi.h"
#include "game/SpriteUfo.h"

namespace MyGame {
namespace {

// Counts its steps; moves nothing.
class CountingStrategy : public GameStrategy<CountingStrategy> {
public:
    CountingStrategy(OrloUtility::Sprite& sprite, const SpriteTemplate& kind, FormMain& form, int& steps)
        : GameStrategy(sprite, kind, form), steps(&steps) {}
    void Step() override { ++*steps; }
    int* steps;
};

class FrameRulesTest : public GameScenario {
protected:
    // A strategy of `periodMs` on the player, alone in the movement list.
    CountingStrategy& OnlyStrategy(FormMain& game, int periodMs) {
        game.ClearAnimations();
        auto strategy = std::make_unique<CountingStrategy>(*game.player, game.playerTemplate, game, steps_);
        strategy->periodMs = periodMs;
        CountingStrategy& made = *strategy;
        game.movements.push_back(std::move(strategy));
        return made;
    }
    static int CountOf(const FormMain& game, bool ufos) {
        int count = 0;
        for (const auto& sprite : game.enemies)
            count += (dynamic_cast<const SpriteUfo*>(sprite.get()) != nullptr) == ufos;
        return count;
    }
    // Positions of every enemy, to tell whether anything moved.
    static std::vector<POINT> Positions(const FormMain& game) {
        std::vector<POINT> at;
        for (const auto& sprite : game.enemies) at.push_back({sprite->x, sprite->y});
        return at;
    }
    static bool Same(const std::vector<POINT>& a, const std::vector<POINT>& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                          [](POINT p, POINT q) { return p.x == q.x && p.y == q.y; });
    }

    int steps_ = 0;
};

TEST_F(FrameRulesTest, TheFirstTickOnlyStartsTheClock) {
    FormMain& game = Play();
    ReplaceWithFresh(Process());
    OnlyStrategy(game, 0);
    game.OnTick();
    EXPECT_EQ(steps_, 0) << "no time has passed yet";
    TickAfter(game, 20);
    EXPECT_EQ(steps_, 1);
}

TEST_F(FrameRulesTest, ATickInTheSameMillisecondLeavesItsTimeToTheNext) {
    FormMain& game = Play();
    CountingStrategy& strategy = OnlyStrategy(game, 100);
    game.OnTick();  // starts the clock
    TickAfter(game, 20);
    EXPECT_EQ(strategy.accumulatedMs, 20);
    TickAfter(game, 0);
    EXPECT_EQ(strategy.accumulatedMs, 20);
    TickAfter(game, 30);
    EXPECT_EQ(strategy.accumulatedMs, 50);
}

TEST_F(FrameRulesTest, AStrategyStepsWhenItsTimeReachesItsPeriodAndDropsTheRest) {
    FormMain& game = Play();
    CountingStrategy& strategy = OnlyStrategy(game, 100);
    game.OnTick();  // starts the clock
    for (int tick = 1; tick <= 3; ++tick) TickAfter(game, 30);
    EXPECT_EQ(steps_, 0);
    TickAfter(game, 30);
    EXPECT_EQ(steps_, 1) << "the fourth tick gathers 120";
    EXPECT_EQ(strategy.accumulatedMs, 0) << "the 20 over the period are dropped";
}

TEST_F(FrameRulesTest, AClockSetBackIsAppliedUnchanged) {
    FormMain& game = Play();
    CountingStrategy& strategy = OnlyStrategy(game, 100);
    game.OnTick();  // starts the clock
    strategy.accumulatedMs = 50;
    Backend().ShiftWallClock(-1000);
    TickAfter(game, 20);
    EXPECT_EQ(strategy.accumulatedMs, 50 - 980);
    EXPECT_EQ(steps_, 0);
}

TEST_F(FrameRulesTest, APausedGameFreezesAndResumesWithoutAJump) {
    FormMain& game = Play();
    Frames(10);
    Type('P');
    EXPECT_EQ(game.state, GameState::Paused);
    const std::vector<POINT> before = Positions(game);
    Backend().RunFor(60'000);
    EXPECT_TRUE(Same(Positions(game), before)) << "nothing moves while paused";

    Type('p');
    EXPECT_EQ(game.state, GameState::Playing);
    Frames(1);
    const std::vector<POINT> after = Positions(game);
    for (std::size_t i = 0; i < after.size(); ++i) {
        EXPECT_LE(std::abs(after[i].x - before[i].x), 8) << "sprite " << i << " jumped";
        EXPECT_LE(std::abs(after[i].y - before[i].y), 63) << "sprite " << i << " jumped";
    }
}

TEST_F(FrameRulesTest, NEndsTheLevelAtOnceAndTheNextIsBuiltAfterTheLevelPicture) {
    FormMain& game = Play();
    game.score = 150;
    Type('N');
    EXPECT_EQ(game.state, GameState::Interlude);
    EXPECT_EQ(game.level, 2);
    EXPECT_EQ(game.score, 150);
    EXPECT_TRUE(game.elements.empty());
    EXPECT_TRUE(game.movements.empty());
    EXPECT_TRUE(SamePixels(WindowBlock(game, 100, 200, 600, 200), PictureBlock(game, "livello.bmp", 100, 200, 600, 200)))
        << "the level picture is on the window at once";

    Frames(70);  // 1.4 s
    EXPECT_EQ(game.state, GameState::Interlude);
    Frames(10);
    EXPECT_EQ(game.state, GameState::Playing);
    EXPECT_EQ(game.ufoHitsLeft, 20);
    EXPECT_EQ(CountOf(game, false), 12) << "level 2 brings pattern 2";
    EXPECT_EQ(CountOf(game, true), 1);
}

TEST_F(FrameRulesTest, LevelsCycleThroughTheFivePatterns) {
    const struct {
        int level;
        int asteroids;
        int ufos;
    } cases[] = {{1, 3, 2}, {2, 12, 1}, {3, 12, 2}, {4, 12, 3}, {5, 13, 3}, {6, 3, 2}, {10, 13, 3}};
    FormMain& game = Play();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.level);
        game.level = c.level;
        game.StartLevel();
        EXPECT_EQ(CountOf(game, false), c.asteroids);
        EXPECT_EQ(CountOf(game, true), c.ufos);
        EXPECT_EQ(game.elements.size(), static_cast<std::size_t>(c.asteroids + c.ufos + 1)) << "with the ship";
        EXPECT_EQ(game.movements.size(), static_cast<std::size_t>(c.asteroids + c.ufos));
        EXPECT_EQ(game.frameAnimations.size(), static_cast<std::size_t>(c.asteroids + c.ufos));
    }
}

TEST_F(FrameRulesTest, GStartsAGameOnlyFromTheTitleAndPPausesOnlyDuringPlay) {
    FormMain& game = Open();
    ASSERT_EQ(game.state, GameState::Title);
    Type('P');
    EXPECT_EQ(game.state, GameState::Title);
    Type('G');
    EXPECT_EQ(game.state, GameState::Playing);
    game.score = 300;
    const std::vector<POINT> enemies = Positions(game);
    Type('G');
    EXPECT_EQ(game.score, 300);
    EXPECT_TRUE(Same(Positions(game), enemies)) << "no new level was built";
    Type('P');
    Type('G');
    EXPECT_EQ(game.state, GameState::Paused);
    Type('P');
    Type('N');
    Type('G');
    EXPECT_EQ(game.state, GameState::Interlude);
}

TEST_F(FrameRulesTest, TheTwentiethUfoHitStopsTheRestOfItsTick) {
    FormMain& game = Play();
    game.ufoHitsLeft = 1;
    CountingStrategy& counter = OnlyStrategy(game, 0);
    (void)counter;
    // A strategy ahead of the counter that shoots a UFO down.
    class ShootsDown : public GameStrategy<ShootsDown> {
    public:
        using GameStrategy::GameStrategy;
        void Step() override { form->UfoShotDown(); }
    };
    auto shooter = std::make_unique<ShootsDown>(*game.player, game.playerTemplate, game);
    shooter->periodMs = 0;
    game.movements.insert(game.movements.begin(), std::move(shooter));
    game.OnTick();  // starts the clock
    TickAfter(game, 20);
    EXPECT_EQ(game.state, GameState::Interlude);
    EXPECT_EQ(game.score, 50);
    EXPECT_EQ(steps_, 0) << "the steps after the level's end did not run";
}

}  // namespace
}  // namespace MyGame
