// The window manager's side of a window's two standard scroll bars: finding a bar's numbers,
// and showing or hiding bars, which changes the window's style and its client area.
#pragma once

#include "Window.h"

namespace platform::scrollbars {

// The window's bars, made with their defaults when `create` asks for them; null when the window
// never had any and `create` is false.
WindowScrollBars* Of(Window& window, bool create);
// Shows or hides the bars `which` names (SB_HORZ, SB_VERT or SB_BOTH): the style follows, and
// the frame is measured again (WM_NCCALCSIZE, then WM_SIZE) and drawn when it changed, which
// the answer tells.
bool Show(HWND window, int which, bool show);

}  // namespace platform::scrollbars
