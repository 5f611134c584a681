// The game's object templates are the toolkit's: its strategies take their first period and
// frames from them.
#pragma once

#include "toolkit/game/SpriteTemplate.h"

namespace MyGame {

using OrloUtility::SpriteTemplate;

}  // namespace MyGame
