// A person using a menu: the modal loop that runs while a drop-down is open or the bar is
// selected from the keyboard. Other windows keep receiving their messages (paint, timers)
// meanwhile; the chosen command reaches the window as WM_COMMAND once the menu has closed.
#pragma once

#include "PlatformApi.h"

namespace platform::menutracking {

// Opens title `title` of the window's menu bar, as a click on it does.
void TrackFromClick(HWND window, int title);
// Selects the bar from the keyboard: with an access key, opens the title it marks; without,
// highlights the first title (Alt or F10 alone).
void TrackFromKeyboard(HWND window, wchar_t accessKey);
// The drop-down window's procedure.
LRESULT CALLBACK DropDownProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace platform::menutracking
