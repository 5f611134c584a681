// The window tree: parents, children, z-order and coordinates.
#pragma once

#include <vector>

#include "Window.h"

namespace platform {

// The list a window lives in: its parent's children, or the top-level windows.
std::vector<HWND>& SiblingsOf(const Window& window);
// Puts the window in its sibling list: at the top (front) or the bottom (back). Top-level
// windows without WS_EX_TOPMOST never go above topmost ones.
void LinkWindow(Window& window, bool atTop);
void UnlinkWindow(const Window& window);

// The top-left corner of the window's client area, in screen coordinates.
POINT ClientOriginOnScreen(const Window& window);
// The window's outer rectangle in screen coordinates.
RECT ScreenRectOf(const Window& window);
// The top-level window a window belongs to.
HWND RootOf(HWND hwnd);
// The window and all its ancestors are visible.
bool IsShownOnScreen(const Window& window);
// The deepest visible window under a screen point, starting from a top-level window; the
// top-level window itself when no child is there, null when the point is outside it.
HWND DeepestChildAt(HWND topLevel, POINT screen);
// Where a point goes when the child window under it lets the mouse through (HTTRANSPARENT):
// the deepest window under it among the siblings beneath, else the parent; null for a
// top-level window.
HWND WindowBeneath(HWND window, POINT screen);
// The window's descendants, parents before their children, each list in z-order.
std::vector<HWND> DescendantsOf(const Window& window);

}  // namespace platform
