// The program's run: it checks that the game's pictures can be found, shows the main window
// and runs the message loop until the window is gone.
#pragma once

#include "PlatformApi.h"

namespace MyGame {

// 0 after a normal run; 1 (after telling the user) when the picture folder is missing.
int RunGame(HINSTANCE instance);

}  // namespace MyGame
