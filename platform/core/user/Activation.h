// Activation of top-level windows and the keyboard focus, with the messages the real
// platform sends for each change, in its order.
#pragma once

#include "PlatformApi.h"

namespace platform {

// Makes `hwnd` (a top-level window, or null) the active window: the previous one gets
// WM_NCACTIVATE and WM_ACTIVATE (inactive); WM_ACTIVATEAPP goes to every top-level window when
// the application gains or loses activation; the new one gets WM_NCACTIVATE and WM_ACTIVATE.
// With `changeFocus`, the focus then moves into the new active window unless it is already
// there. Returns false when the window went away on the way.
bool SetActive(HWND hwnd, bool byMouse, bool changeFocus);
// Moves the focus: WM_KILLFOCUS to the previous focus window, then WM_SETFOCUS to the new one.
// Returns the previous focus window.
HWND SetFocusWindow(HWND hwnd);
// When `hwnd` stops being able to be active (hidden or destroyed), activates the next window in
// z-order that can be, or none.
void ActivateOtherWindow(HWND hwnd);
// Visible, enabled and top-level.
bool CanActivate(HWND hwnd);

// What a display backend reports of the desktop. The desktop gave the keyboard to `hwnd`, a
// top-level window of the program: it becomes the active window, or, while a modal window
// keeps it disabled, that window does, as a click on a disabled owner does on the real platform.
void DesktopActivated(HWND hwnd);
// Another program took the keyboard: the active window becomes inactive, the focus window loses
// the focus and the application hears it was deactivated.
void DesktopDeactivated();

}  // namespace platform
