// What the window manager knows of one window class and one window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "PlatformApi.h"
#include "gdi/DirtyRegion.h"
#include "gdi/PixelBuffer.h"
#include "user/ScrollInfo.h"

namespace platform {

struct WindowClass {
    ATOM atom = 0;
    std::wstring name;
    UINT style = 0;
    WNDPROC proc = nullptr;
    int classExtra = 0;
    int windowExtra = 0;
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    bool global = false;  // a system class, found whatever instance asks for it
    int windowCount = 0;
};

struct Window {
    HWND handle = nullptr;
    WindowClass* windowClass = nullptr;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND parent = nullptr;  // the parent of a child window; null for a top-level window
    HWND owner = nullptr;   // the owner of a top-level window
    std::vector<HWND> children;  // in z-order, topmost first
    // Outer and client rectangles, in the parent's client coordinates (screen coordinates
    // for a top-level window).
    RECT rect{};
    RECT client{};
    std::wstring text;
    HINSTANCE instance = nullptr;
    LONG_PTR id = 0;
    LONG_PTR userData = 0;
    std::vector<BYTE> extraBytes;
    // Overlapped windows learn their size and position (WM_SIZE, WM_MOVE) when first shown.
    bool needSize = false;
    HMENU menu = nullptr;  // a top-level window's menu bar
    std::vector<std::pair<std::wstring, HANDLE>> properties;
    HICON iconSmall = nullptr;
    HICON iconBig = nullptr;
    bool destroying = false;
    std::optional<WindowScrollBars> scrollBars;

    // A top-level window's pixels, its whole outer area, rows top-down, 0x00RRGGBB.
    PixelBuffer pixels;
    int pixelsWidth = 0;
    int pixelsHeight = 0;
    DirtyRegion dirty;  // what changed in the pixels since a display last showed them

    // Painting: the bounding box of what needs repainting, in client coordinates.
    RECT update{};
    bool eraseNeeded = false;
    bool internalPaint = false;

    bool IsChild() const { return (style & WS_CHILD) != 0; }
    bool IsVisibleFlag() const { return (style & WS_VISIBLE) != 0; }
    int ClientWidth() const { return client.right - client.left; }
    int ClientHeight() const { return client.bottom - client.top; }
};

}  // namespace platform
