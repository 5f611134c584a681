// Making and describing the X windows that show top-level windows: their kind, their fixed
// size, their title, icon and cursor, as an X11 window manager reads them.
#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <string>

#include "DesktopWindows.h"
#include "PlatformApi.h"

namespace platform::x11 {

// What kind of X window stands for a window of these styles.
struct NativeKind {
    bool framed = false;   // the window manager frames it (a caption)
    bool popup = false;    // a drop-down or tooltip: placed by the program, never managed
    bool borderless = false;  // a program's own window without a frame: managed, undecorated
    bool utility = false;  // a tool window
    bool dialog = false;
    bool topmost = false;
};
NativeKind KindOf(const desktop::TopLevel& window);

// An unmapped window at `rect` (screen coordinates), with the properties its kind needs and the
// events the backend handles selected; 0 when the server refuses it.
::Window CreateNativeWindow(Display* display, const RECT& rect, const NativeKind& kind);

// Tells the window manager the window keeps exactly this size and goes exactly there.
void FixSize(Display* display, ::Window window, const RECT& rect);

void SetTitle(Display* display, ::Window window, const std::wstring& text);

// `pixels` are size x size 0xAARRGGBB values.
void SetIcon(Display* display, ::Window window, const std::uint32_t* pixels, int size);

// Asks the server for every atom the backend uses in one round trip; Xlib remembers them, so
// naming one later costs none.
void InternAtomsUsed(Display* display);

// The X cursor font's shape for a system cursor id (IDC_ARROW, IDC_IBEAM, ...).
unsigned CursorShapeOf(int systemCursorId);

}  // namespace platform::x11
