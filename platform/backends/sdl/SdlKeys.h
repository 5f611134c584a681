// SDL's key codes as the platform's virtual keys.
#pragma once

#include <SDL.h>

#include "PlatformApi.h"

namespace platform::sdl {

// The virtual key of an SDL key event; 0 for a key the platform has no code for. Left and
// right modifiers keep their sides (VK_LSHIFT, VK_RMENU, ...).
UINT VirtualKeyOf(const SDL_Keysym& key);

}  // namespace platform::sdl
