// The up-down control's buddy: the window, usually an edit field, that shows its position.
// Setting one may move the control beside it (UDS_ALIGNLEFT, UDS_ALIGNRIGHT); with
// UDS_SETBUDDYINT the position is written into the buddy's text and read back from it before
// each change. The control also listens to its buddy, as the platform's does: with
// UDS_ARROWKEYS, Up and Down pressed in the buddy step the value, and when the buddy is
// disabled or enabled the control redraws to match.
#pragma once

#include "controls/UpDownState.h"

namespace platform::updown {

// Returns the buddy before; a handle that names no window leaves the control without one.
HWND SetBuddy(HWND hwnd, State& state, HWND buddy);
// Stops listening to the buddy, when the control goes.
void LetBuddyGo(HWND hwnd, State& state);
bool IsBuddyEdit(const State& state);
// UDS_SETBUDDYINT: takes the buddy's number as the position. False, the position kept, when
// there is no such buddy or its text is not a number inside the range.
bool ReadBuddy(HWND hwnd, State& state);
// UDS_SETBUDDYINT: shows the position in the buddy, unless it shows it already.
void WriteBuddy(HWND hwnd, const State& state);

}  // namespace platform::updown
