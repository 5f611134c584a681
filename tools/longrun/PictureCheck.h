// Whether the game window shows what the game's scene holds: everything the game draws goes to
// the scene first and to the window second, so between frames the two must agree pixel for
// pixel wherever no object stands. Where objects overlap they may not: a sprite's repaint draws
// its neighbours again on the scene only, whole, and not in the order they were drawn, so the
// window shows the old stacking there until one of them moves.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "backends/headless/HeadlessBackend.h"
#include "toolkit/game/FormGames.h"

namespace LongRun {

// Where the first difference outside `objects` (client coordinates) lies; none when they agree
// or there is no scene yet. Only meaningful while no other window covers the game's.
std::optional<std::string> PictureDifference(const platform::HeadlessBackend& backend, OrloUtility::FormGames& game,
                                             const std::vector<RECT>& objects);

}  // namespace LongRun
