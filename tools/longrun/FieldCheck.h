// Whether every object in play stays where the game's rules keep it: inside the field, or,
// for a UFO waiting to come in, at most 100 pixels beyond its side edge.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "game/FormMain.h"

namespace LongRun {

// The first object in play found outside the field; none when all are inside. Objects no
// longer alive are left out: they are on their way off the lists.
std::optional<std::string> SpriteOutsideField(const MyGame::FormMain& game);
// Where the objects in play stand now: the field's elements and the player's bullets.
std::vector<RECT> RectanglesInPlay(const MyGame::FormMain& game);

}  // namespace LongRun
