// Window operations the API functions share.
#pragma once

#include <optional>

#include "Window.h"

namespace platform {

// The extended style a window gets for its style: WS_EX_WINDOWEDGE when it has a frame.
DWORD WithImpliedExStyle(DWORD style, DWORD exStyle);
// WM_SIZE with the client size, then WM_MOVE with the client origin.
void SendSizeAndMove(HWND hwnd);
// The last stage of destruction: children first, then WM_NCDESTROY, then the handle goes.
void FreeWindow(HWND hwnd);

// Adds a rectangle (client coordinates; null for the whole client area) to a window's update
// region, following RedrawWindow's flags for erasing, internal paint and children.
void InvalidateWindow(HWND hwnd, const RECT* rect, UINT flags);
// The next window that needs WM_PAINT, parents before children, in z-order.
std::optional<MSG> TakePaint(HWND filter, UINT first, UINT last);

}  // namespace platform
