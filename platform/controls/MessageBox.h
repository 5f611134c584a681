// Message boxes: a modal window with a caption, an icon, a text and a row of buttons, run by
// its own message loop until a button answers. Other windows keep receiving their messages
// (timers included) meanwhile, but a task-modal box keeps the program's other windows from
// taking input.
#pragma once

#include "PlatformApi.h"

namespace platform::messagebox {

// The message box window's procedure (class "#32770").
LRESULT CALLBACK BoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// The id of the static control that holds the box's text, so a reader can find it.
inline constexpr int kTextId = 0xFFFF;

}  // namespace platform::messagebox
