// The non-client area of a top-level window: the border, the caption and the menu bar the
// platform puts around the client area, measured from the window's styles as the real platform
// measures them, and the system metrics those measures come from.
//
// Child windows keep their whole rectangle as client area but for their scroll bars: the
// standard controls draw their own borders inside it.
#pragma once

#include "PlatformApi.h"
#include "Window.h"

namespace platform::nonclient {

// The widths of each part of a frame, from the outside in.
struct Frame {
    int border = 0;      // each side: the outer edge, any sizing border and the inner line
    int caption = 0;     // the title bar, above the client area
    int menu = 0;        // the menu bar, below the caption
    int clientEdge = 0;  // the sunken edge of WS_EX_CLIENTEDGE, each side, inside the menu bar
};

// The frame a window of these styles has; `hasMenu` when it has a menu bar.
Frame FrameOf(DWORD style, DWORD exStyle, bool hasMenu);
// The frame of one window as it is now (no frame for a child window).
Frame FrameOf(const Window& window);
// The client area inside an outer rectangle; never inside out.
RECT ClientInside(const RECT& outer, const Frame& frame);
// The client area left once the scroll bars the style asks for take their strips: the vertical
// bar when the area is at least as wide as it, the horizontal one when the area is taller.
RECT WithoutScrollBars(const RECT& client, DWORD style);
// The outer rectangle around a client rectangle (the scroll bars not counted, as the real
// platform does not count them).
RECT OuterAround(const RECT& client, const Frame& frame);

// In coordinates from the window's outer top-left corner: the caption, the menu bar (empty
// without one), and the part a desktop's window manager leaves to the program: everything
// inside the border and below the caption, which the window manager draws itself.
RECT CaptionRect(const Window& window);
RECT MenuBarRect(const Window& window);
RECT DesktopArea(const Window& window);

// GetSystemMetrics for the frame's measures; -1 for an index that is not one of them.
int FrameMetric(int index);

}  // namespace platform::nonclient
