// What a display backend tells the core of the person and the desktop. This is the one way
// input comes in: the core turns it into window messages when the program looks for them.
#pragma once

#include <string>

#include "PlatformApi.h"

namespace platform::desktop {

// A key went down or up, named by its virtual-key code (the sided modifiers VK_LSHIFT, ...
// allowed). With `textDriven`, the backend reports what keys type itself (TextTyped) and the
// keyboard layout is not asked.
void KeyChanged(UINT vk, bool down, bool textDriven = false);
// Text the person typed: it belongs to the last key pressed when that key has none yet, else
// it arrives on its own.
void TextTyped(const std::wstring& text);
// A pointer event over the top-level window `topLevel`: a client-area message (WM_MOUSEMOVE,
// WM_LBUTTONDOWN, ...) at a point on the screen.
void PointerEvent(UINT message, POINT screen, HWND topLevel);
// The mouse wheel turned, the pointer at a point on the screen over the top-level window
// `topLevel`: `delta` in WHEEL_DELTA units (one notch each), positive away from the person, or
// to the right for the horizontal wheel.
void WheelTurned(int delta, bool horizontal, POINT screen, HWND topLevel);
// The keyboard went to another window of the desktop: keys still held are released, since
// their release will be told to whoever has the keyboard now.
void KeyboardLeft();

// The desktop gave the keyboard to `topLevel`, a window of the program: it becomes the active
// window (or the modal window that keeps it disabled does).
void Activated(HWND topLevel);
// Another program took the keyboard: the program is deactivated.
void Deactivated();
// The person asked the desktop to close a window (its close button, the window manager's menu).
void CloseRequested(HWND topLevel);
// The desktop moved a window: its outer top-left corner is now at `outerTopLeft` on the screen.
void MovedBy(HWND topLevel, POINT outerTopLeft);
// The desktop lost what it showed of a window: all of it is to be shown again.
void Exposed(HWND topLevel);
// Another window passed over `window` and went away again, on a desktop that keeps no copy of
// what it covered: the client area shows `covering` and is invalidated with erasing.
void Overdrawn(HWND window, COLORREF covering);

}  // namespace platform::desktop
