// A month calendar under the mouse and the keys: the arrow buttons (repeating while held), a day
// chosen by a press and release, the "today" line, and the keys that move the selection.
#pragma once

#include "controls/MonthCalState.h"

namespace platform::monthcal {

void OnButtonDown(HWND hwnd, POINT at);
void OnMouseMove(HWND hwnd, State& state, POINT at);
void OnButtonUp(HWND hwnd, POINT at);
void OnCaptureChanged(HWND hwnd, State& state);
void OnTimer(HWND hwnd, WPARAM id);
LRESULT OnKeyDown(HWND hwnd, UINT key);

}  // namespace platform::monthcal
