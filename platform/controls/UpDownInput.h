// How a person works an up-down control: a press on an arrow steps the value at once, again
// after half a second and then on, faster as the acceleration table says, while held over the
// arrow; Up and Down step it from the keyboard (UDS_ARROWKEYS). Each step asks the parent first
// (UDN_DELTAPOS, which may refuse it or change its size) and tells it after (WM_VSCROLL, or
// WM_HSCROLL with UDS_HORZ, with SB_THUMBPOSITION and the position); the release of the mouse
// over an arrow ends with SB_ENDSCROLL.
#pragma once

#include "controls/UpDownState.h"

namespace platform::updown {

void OnButtonDown(HWND hwnd, POINT at);
void OnMouseMove(HWND hwnd, State& state, POINT at);
void OnMouseLeave(HWND hwnd, State& state);
void OnButtonUp(HWND hwnd);
void OnTimer(HWND hwnd, WPARAM id);
// An arrow key pressed in the control or its buddy. Answers 1, doing nothing, for any other key.
LRESULT OnArrowKey(HWND hwnd, UINT key);
// Lets go of a held arrow without telling the parent: the capture went, the control was
// disabled, or the system cancelled the mode.
void CancelPress(HWND hwnd, State& state);

}  // namespace platform::updown
