// What an X11 window manager needs to know about a window beyond its size and title: whom it
// belongs to, which of the frame's buttons it may have, that it is a dialog, and that the
// program wants it active.
#pragma once

#include <X11/Xlib.h>

#include <vector>

#include "backends/x11/FrameFunctions.h"

namespace platform::x11 {

// Kept above `owner`, minimized and restored with it, never listed on its own.
void SetTransientFor(Display* display, ::Window window, ::Window owner);

void SetFrameFunctions(Display* display, ::Window window, FrameFunctions functions);
// Asks the window manager to draw nothing around the window: no title bar, no border.
void SetUndecorated(Display* display, ::Window window);

// Sets _NET_WM_WINDOW_TYPE to the named type ("_NET_WM_WINDOW_TYPE_DIALOG", ...).
void SetWindowType(Display* display, ::Window window, const char* type);

// Asks the window manager to activate the window, as a request of the program stamped with the
// time of the person's last input to any of `programWindows`, which a manager that prevents
// focus stealing honours.
void RequestActivation(Display* display, ::Window window, const std::vector<::Window>& programWindows);

// Records on the window when the person last pressed a key or a button in it, for the request
// above and for the window manager's focus stealing prevention.
void SetUserTime(Display* display, ::Window window, Time time);

}  // namespace platform::x11
