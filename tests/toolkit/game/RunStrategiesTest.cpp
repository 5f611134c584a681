// Stepping a frame's strategies: each steps when its gathered time reaches its period, the
// frame-animation list before the movement list, on copies taken before any step runs.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "toolkit/game/RunStrategies.h"
#include "toolkit/game/Sprite.h"

namespace OrloUtility {
namespace {

// Writes its name into a shared log at every step and runs an optional action then.
class LoggingStrategy : public SpriteAnim {
public:
    LoggingStrategy(Sprite& sprite, const SpriteTemplate& kind, std::string name, std::vector<std::string>& log)
        : SpriteAnim(sprite, kind), name(std::move(name)), log(&log) {}

    void Step() override {
        log->push_back(name);
        if (onStep) onStep();
    }
    std::unique_ptr<SpriteAnim> Clone() const override { return std::make_unique<LoggingStrategy>(*this); }

    std::string name;
    std::vector<std::string>* log;
    std::function<void()> onStep;
};

class RunStrategiesTest : public ::testing::Test {
protected:
    LoggingStrategy& Add(StrategyList& list, const std::string& name, int periodMs) {
        auto strategy = std::make_unique<LoggingStrategy>(sprite_, kind_, name, log_);
        strategy->periodMs = periodMs;
        LoggingStrategy& added = *strategy;
        list.push_back(std::move(strategy));
        return added;
    }
    // Runs `frames` frames of `elapsedMs`; returns the frames (from 1) in which `name` stepped.
    std::vector<int> StepFrames(const std::string& name, int frames, int elapsedMs) {
        std::vector<int> stepped;
        for (int frame = 1; frame <= frames; ++frame) {
            log_.clear();
            RunStrategies({&animations_, &movements_}, elapsedMs, [] { return true; });
            for (const std::string& entry : log_)
                if (entry == name) stepped.push_back(frame);
        }
        return stepped;
    }

    Sprite sprite_{10, 10};
    SpriteTemplate kind_;
    std::vector<std::string> log_;
    StrategyList animations_;
    StrategyList movements_;
};

TEST_F(RunStrategiesTest, AStrategyStepsWhenItsGatheredTimeReachesItsPeriod) {
    const struct {
        int periodMs;
        int frameMs;
        std::vector<int> steppedFrames;
    } cases[] = {
        {100, 20, {5, 10}},      // every fifth frame
        {30, 20, {2, 4, 6}},     // 20, 40: step and restart from 0; the remainder is dropped
        {20, 20, {1, 2, 3, 4, 5, 6}},
        {0, 20, {1, 2, 3, 4, 5, 6}},   // a period of 0 or less: every frame
        {-5, 20, {1, 2, 3}},
        {10, 30, {1, 2, 3}},     // shorter than a frame: once a frame, no catching up
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "period " << c.periodMs << " on frames of " << c.frameMs);
        movements_.clear();
        Add(movements_, "s", c.periodMs);
        const int frames = c.steppedFrames.empty() ? 10 : c.steppedFrames.back();
        EXPECT_EQ(StepFrames("s", frames, c.frameMs), c.steppedFrames);
    }
}

TEST_F(RunStrategiesTest, ACopyAndItsListedStrategyKeepTheSameTime) {
    LoggingStrategy& listed = Add(movements_, "s", 30);
    RunStrategies({&movements_}, 20, [] { return true; });
    EXPECT_EQ(listed.accumulatedMs, 20);
    RunStrategies({&movements_}, 20, [] { return true; });
    EXPECT_EQ(listed.accumulatedMs, 0) << "restarts when it steps";
    EXPECT_EQ(log_, (std::vector<std::string>{"s"}));
}

TEST_F(RunStrategiesTest, FrameAnimationsStepBeforeMovementsEachInListOrder) {
    Add(movements_, "move 1", 0);
    Add(animations_, "frame 1", 0);
    Add(movements_, "move 2", 0);
    Add(animations_, "frame 2", 0);
    RunStrategies({&animations_, &movements_}, 20, [] { return true; });
    EXPECT_EQ(log_, (std::vector<std::string>{"frame 1", "frame 2", "move 1", "move 2"}));
}

TEST_F(RunStrategiesTest, AStepThatDeletesStrategiesDoesNotDisturbTheFrame) {
    LoggingStrategy& first = Add(movements_, "first", 0);
    Add(movements_, "second", 0);
    Add(movements_, "third", 0);
    first.onStep = [this] { movements_.clear(); };
    RunStrategies({&movements_}, 20, [] { return true; });
    EXPECT_EQ(log_, (std::vector<std::string>{"first", "second", "third"}));
    EXPECT_TRUE(movements_.empty());

    log_.clear();
    RunStrategies({&movements_}, 20, [] { return true; });
    EXPECT_TRUE(log_.empty()) << "deleted strategies are gone from the next frame";
}

TEST_F(RunStrategiesTest, AStrategyAddedDuringAStepFirstRunsInTheNextFrame) {
    LoggingStrategy& spawner = Add(movements_, "spawner", 0);
    spawner.onStep = [this] { Add(movements_, "spawned", 0); };
    RunStrategies({&movements_}, 20, [] { return true; });
    EXPECT_EQ(log_, (std::vector<std::string>{"spawner"}));

    static_cast<LoggingStrategy&>(*movements_[0]).onStep = nullptr;
    log_.clear();
    RunStrategies({&movements_}, 20, [] { return true; });
    EXPECT_EQ(log_, (std::vector<std::string>{"spawner", "spawned"}));
}

TEST_F(RunStrategiesTest, NoFurtherStepRunsOnceTheGameStopsPlaying) {
    bool playing = true;
    LoggingStrategy& ender = Add(movements_, "ender", 0);
    Add(movements_, "after", 0);
    ender.onStep = [&playing] { playing = false; };
    RunStrategies({&movements_}, 20, [&playing] { return playing; });
    EXPECT_EQ(log_, (std::vector<std::string>{"ender"}));
    EXPECT_EQ(movements_.size(), 2u) << "the listed strategies stay";
}

TEST_F(RunStrategiesTest, ANewStrategyTakesItsPeriodAndFramesFromTheTemplate) {
    kind_.framePeriodMs = 200;
    kind_.firstFrame = 6;
    kind_.lastFrame = 9;
    LoggingStrategy made(sprite_, kind_, "s", log_);
    EXPECT_EQ(made.accumulatedMs, 0);
    EXPECT_EQ(made.periodMs, 200);
    EXPECT_EQ(made.firstFrame, 6);
    EXPECT_EQ(made.lastFrame, 9);
    EXPECT_EQ(made.spriteTemplate, &kind_);
    EXPECT_EQ(made.sprite, &sprite_);
}

}  // namespace
}  // namespace OrloUtility
