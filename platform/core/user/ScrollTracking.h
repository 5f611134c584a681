// A person using a window's scroll bar with the mouse: the modal loop that runs from the press
// to the release, as the default window procedure runs it for WM_SYSCOMMAND's SC_VSCROLL and
// SC_HSCROLL. The window hears WM_VSCROLL or WM_HSCROLL with lParam 0: an arrow scrolls a line
// at once and again while held, the trough a page, the thumb reports where it is dragged and
// where it is let go; SB_ENDSCROLL closes every use. Other windows keep receiving their
// messages meanwhile; the release is taken by the loop and never reaches the window.
#pragma once

#include "PlatformApi.h"

namespace platform::scrolltracking {

// The mouse went down at `screen` on the window's bar `bar` (SB_HORZ or SB_VERT). A disabled
// arrow, or a bar with both arrows disabled, does nothing.
void Track(HWND window, int bar, POINT screen);

}  // namespace platform::scrolltracking
