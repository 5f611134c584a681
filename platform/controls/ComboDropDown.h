// Opening and closing a combo box's list, where the list goes, and how wide it is.
#pragma once

#include "PlatformApi.h"
#include "controls/ComboBoxState.h"

namespace platform::combo {

// CBN_DROPDOWN, then the list shows the selection (for CBS_DROPDOWN, the first item the edit's
// text begins) just below the field, or above it when the screen has no room below, and takes
// the capture, unless the button that opened it is still down on the field.
void Open(HWND hwnd);
// CBN_SELENDOK (chosen) or CBN_SELENDCANCEL, then, if the list was open, the list hidden and
// CBN_CLOSEUP. False when the combo box did not survive its parent's answers.
bool Close(HWND hwnd, bool chosen);
// F4 and Alt+Up or Alt+Down: opens a closed list, cancels an open one.
void Toggle(HWND hwnd);

// CB_GETDROPPEDWIDTH: the width set, else the box's own.
int DroppedWidth(HWND hwnd, const State& state);
// CB_SETDROPPEDWIDTH: a width narrower than the box (a negative one too) goes back to the
// box's own; one of 32768 or more is refused.
LRESULT SetDroppedWidth(HWND hwnd, State& state, WPARAM wParam);
// CB_GETDROPPEDCONTROLRECT: from the box's top-left corner to the end of the list's room, on
// the screen.
RECT DroppedControlRect(HWND hwnd, const State& state);

}  // namespace platform::combo
