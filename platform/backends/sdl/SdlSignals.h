// SDL turns SIGINT and SIGTERM into a quit event unless it is told not to before the first of its
// subsystems opens (the display, sound or joysticks, whichever comes first). Nothing in the
// platform acts on that event, so the program would go on running: every place that opens one of
// SDL's subsystems tells it first, and the signals keep ending the program as they end any other.
#pragma once

namespace platform::sdl {

void LeaveSignalsAlone();

}  // namespace platform::sdl
