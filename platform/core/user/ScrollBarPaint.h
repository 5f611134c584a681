// Draws a window's scroll bars into its non-client area: the arrows, the trough, the thumb and,
// with both bars, the box between them. The window manager calls it whenever the bars may have
// been drawn over or changed: a new frame, a paint, a call that changes a bar, the mouse on it.
#pragma once

#include <optional>

#include "PlatformApi.h"
#include "user/ScrollBarGeometry.h"

namespace platform::scrollpaint {

// What the mouse is doing to a bar while it is held down on it.
struct Pressed {
    scrollgeometry::Part part = scrollgeometry::Part::None;  // held on an arrow or the trough
    std::optional<int> thumbAt;  // the dragged thumb's start, in pixels from the bar's start
};

// Both bars and the box between them, as they are; nothing for a window not on the screen.
void PaintBars(HWND window);
// One bar (SB_HORZ or SB_VERT), with what the mouse does to it.
void PaintBar(HWND window, int bar, const Pressed& pressed = {});

}  // namespace platform::scrollpaint
