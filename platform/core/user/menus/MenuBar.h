// A window's menu bar: the row of drop-down titles the platform draws along the top of the
// window, inside its outer rectangle and above its client area.
#pragma once

#include <vector>

#include "PlatformApi.h"

namespace platform::menubar {

// The height the bar takes from the window; 0 for a window without one.
int Height(HWND window);
// Each title's rectangle, in coordinates from the window's outer top-left corner.
std::vector<RECT> TitleRects(HWND window);
// The title under a point on the screen; -1 when none.
int TitleAt(HWND window, POINT screen);
// Draws the bar, with title `hot` highlighted (-1: none) and drawn open when `open`.
void Paint(HWND window, int hot = -1, bool open = false);

}  // namespace platform::menubar
