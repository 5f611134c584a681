// The window manager hints of backends/x11/WindowHints.h for SDL's windows, which SDL cannot
// give itself. Each call does nothing on any other display (Wayland, SDL's dummy driver).
#pragma once

#include <SDL.h>

#include <vector>

#include "backends/x11/FrameFunctions.h"

namespace platform::x11 {

// Kept above `owner`, minimized and restored with it, never listed on its own.
void SetTransientFor(SDL_Window* window, SDL_Window* owner);

void SetFrameFunctions(SDL_Window* window, FrameFunctions functions);

// Marks the window as a dialog box.
void SetDialogType(SDL_Window* window);

// Asks the window manager to activate the window, as a request of the program stamped with the
// time of the person's last input to any of `programWindows`, which a manager that prevents
// focus stealing honours.
void RequestActivation(SDL_Window* window, const std::vector<SDL_Window*>& programWindows);

}  // namespace platform::x11
