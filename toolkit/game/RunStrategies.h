// Steps a frame's strategies. Each strategy is copied before any of them runs, and the copies
// run: a step may then delete strategies and sprites from the game's lists (its own strategy
// included) or end the level, and the frame's iteration is not disturbed. A strategy added by
// a step first runs in the next frame.
#pragma once

#include <initializer_list>
#include <memory>
#include <vector>

#include "toolkit/game/SpriteAnim.h"

namespace OrloUtility {

using StrategyList = std::vector<std::unique_ptr<SpriteAnim>>;

// Adds `elapsedMs` to every strategy of `lists` (in list order) and steps each whose gathered
// time reaches its period; its time then restarts from 0 and the remainder is dropped. Before
// each step `keepRunning` is asked whether the game still plays; once it says no, no further
// step runs this frame.
template <class KeepRunning>
void RunStrategies(std::initializer_list<StrategyList*> lists, int elapsedMs, KeepRunning keepRunning);

// Appends to `copies` the copies taken before any step runs, each already charged with the
// frame's time on its listed original.
void SnapshotStrategies(std::initializer_list<StrategyList*> lists, int elapsedMs, StrategyList& copies);
// An empty list to gather a frame's copies in, and its return once they have run: the lists keep
// their room from one frame to the next. A step that runs strategies itself takes another one.
StrategyList TakeCopyList();
void ReturnCopyList(StrategyList&& copies);
// Whether a copy is due this frame; adds the time to it.
bool ChargeAndCheck(SpriteAnim& strategy, int elapsedMs);

template <class KeepRunning>
void RunStrategies(std::initializer_list<StrategyList*> lists, int elapsedMs, KeepRunning keepRunning) {
    StrategyList copies = TakeCopyList();
    SnapshotStrategies(lists, elapsedMs, copies);
    for (std::unique_ptr<SpriteAnim>& copy : copies) {
        if (!keepRunning()) break;
        if (ChargeAndCheck(*copy, elapsedMs)) copy->Step();
        copy.reset();
    }
    ReturnCopyList(std::move(copies));
}

}  // namespace OrloUtility
