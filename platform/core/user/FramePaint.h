// Draws a top-level window's frame into its pixels: the border and the caption with the title,
// in the active or inactive colours. On a desktop the window manager draws its own frame and
// these pixels are never shown; they keep a screenshot of the window whole.
#pragma once

#include "PlatformApi.h"

namespace platform {

// `active`: drawn in the colours of the active window.
void PaintFrame(HWND window, bool active);

}  // namespace platform
