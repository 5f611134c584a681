// The pixels of windows. Each top-level window keeps the pixels of its whole area, menu bar
// included; a child window draws into its top-level window's pixels, clipped to its own client
// area and to those of its ancestors.
#pragma once

#include <optional>

#include "Window.h"
#include "gdi/GdiObjects.h"

namespace platform {

// Sizes a top-level window's pixels to its outer size, keeping what still fits. Pixels not made
// yet are only sized: a window is often made and resized (its menu bar, its final size) before
// anything is drawn in it, and each full-size block made for nothing costs its page faults.
void ResizeWindowPixels(Window& window);
// Makes a top-level window's pixels at their size if they are not made yet: the first drawing,
// presenting or reading calls it. False when the window has no pixels (no area, no memory).
bool MakeWindowPixels(Window& window);
// The surface a window's device context draws on; not valid for a window that is gone.
Surface WindowSurface(HWND hwnd);
// The surface of a window's whole area, non-client part included, from its outer top-left
// corner; a child window's is clipped to its ancestors' client areas.
Surface WholeWindowSurface(HWND hwnd);
// A pixel of a window's client area, as a person would see it.
std::optional<COLORREF> WindowPixel(HWND hwnd, int x, int y);

}  // namespace platform
