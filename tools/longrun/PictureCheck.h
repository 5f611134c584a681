// Whether the game window shows what the game's scene holds: everything the game draws goes to
// the scene first and to the window second, so between frames the two must agree pixel for
// pixel over the whole client area.
#pragma once

#include <optional>
#include <string>

#include "backends/headless/HeadlessBackend.h"
#include "toolkit/game/FormGames.h"

namespace LongRun {

// Where the first difference lies; none when they agree or there is no scene yet. Only
// meaningful while no other window covers the game's.
std::optional<std::string> PictureDifference(const platform::HeadlessBackend& backend, OrloUtility::FormGames& game);

}  // namespace LongRun
