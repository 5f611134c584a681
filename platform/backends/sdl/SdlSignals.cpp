#include "backends/sdl/SdlSignals.h"

#include <SDL.h>

namespace platform::sdl {

void LeaveSignalsAlone() { SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1"); }

}  // namespace platform::sdl
