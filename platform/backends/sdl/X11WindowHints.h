// What SDL cannot tell an X11 window manager about a window: whom it belongs to, which of the
// frame's buttons it may have, that it is a dialog, and that the program wants it active. Each
// call does nothing on any other display (Wayland, SDL's dummy driver).
#pragma once

#include <SDL.h>

#include <vector>

namespace platform::x11 {

// Kept above `owner`, minimized and restored with it, never listed on its own.
void SetTransientFor(SDL_Window* window, SDL_Window* owner);

// The frame's functions and buttons: moving and closing always; minimizing, maximizing and
// resizing only as allowed. A window without the resize function also keeps a fixed size.
struct FrameFunctions {
    bool minimize = false;
    bool maximize = false;
    bool resize = false;
};
void SetFrameFunctions(SDL_Window* window, FrameFunctions functions);

// Marks the window as a dialog box.
void SetDialogType(SDL_Window* window);

// Asks the window manager to activate the window, as a request of the program stamped with the
// time of the person's last input to any of `programWindows`, which a manager that prevents
// focus stealing honours.
void RequestActivation(SDL_Window* window, const std::vector<SDL_Window*>& programWindows);

}  // namespace platform::x11
