// Sound and joysticks through SDL, for both real displays (X11's and SDL's): SDL is loaded
// only when the first sound or joystick query needs it, and everything closes with the display.
#pragma once

#include "backends/sdl/SdlJoysticks.h"
#include "backends/sdl/SdlSound.h"

namespace platform::sdl {

struct SdlMedia {
    SdlSound sound;
    SdlJoysticks joysticks;
};

}  // namespace platform::sdl
