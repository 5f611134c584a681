// How a person works the "Button" control: the left mouse button, Space on the focused button,
// and BM_CLICK, which acts as a mouse click. A click changes an automatic button's check state
// first and then tells the parent (WM_COMMAND with BN_CLICKED).
#pragma once

#include "PlatformApi.h"

namespace platform::button {

// Sends the parent WM_COMMAND with the button's id and `code`.
void Notify(HWND hwnd, WORD code);

// Answers the mouse messages, WM_MOUSELEAVE and WM_CAPTURECHANGED included.
LRESULT OnMouse(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Answers WM_KEYDOWN and WM_KEYUP: Space presses and releases the button.
LRESULT OnKey(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Answers WM_SETFOCUS and WM_KILLFOCUS; with BS_NOTIFY the parent hears of them.
void OnFocus(HWND hwnd, bool gained);
// A press that ends some other way than by its release lets the button up without a click.
void CancelPress(HWND hwnd);
// Answers BM_CLICK.
void Click(HWND hwnd);

}  // namespace platform::button
