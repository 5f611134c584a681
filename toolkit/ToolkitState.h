// All the toolkit's values that live once per process rather than per element, in one place so
// that they start together, and so that tests can replace them whole (the platform's state is
// kept the same way). Used only from the window thread, so nothing is locked.
//
// Two per-process things stay outside on purpose: the block pool strategies are allocated from
// (SpriteAnim.cpp), which must outlive every object that may free a strategy, and the counter
// that names the leaderboard's temporary files (FileReplacement.cpp), which must never repeat
// within the process and belongs to the score files, which build without the rest of the
// toolkit.
#pragma once

#include <string>
#include <vector>

#include "toolkit/elements/ElementRegistry.h"
#include "toolkit/elements/WindowProcedure.h"
#include "toolkit/game/RunStrategies.h"

namespace OrloUtility {

struct ToolkitState {
    // The live elements, the id counter and the main window.
    ElementRegistry registry;
    // The window procedure's cursors, mouse tracking request and active form.
    WindowProcedureState procedure;
    // The name the name form accepted last; empty until one is.
    std::string playerName;
    // Every sprite ever made, so that sprite ids are never reused.
    int spritesMade = 0;
    // Copy lists returned after a frame's strategies ran, kept for the next frame's.
    std::vector<StrategyList> spareCopyLists;
    // Whether the runtime's random generator was seeded: the first draw seeds it from the clock.
    bool randomSeeded = false;
};

// The one instance.
ToolkitState& Toolkit();

}  // namespace OrloUtility
