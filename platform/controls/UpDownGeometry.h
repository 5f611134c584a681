// Where the up-down control's arrows lie, and where the control goes beside its buddy.
#pragma once

#include "controls/UpDownState.h"

namespace platform::updown {

// The width the platform gives a vertical control when it is made and when it is put beside
// its buddy.
constexpr int kWidth = 16;

// Aligned beside an edit buddy, the control continues the buddy's border.
bool BesideEditBuddy(HWND hwnd, const State& state);
// The arrow's half of the control. Beside an edit buddy the control continues the buddy's
// border, a pixel along its top, bottom and outer side, which belongs to neither arrow.
RECT ArrowRect(HWND hwnd, const State& state, Arrow arrow);
Arrow ArrowAt(HWND hwnd, const State& state, POINT at);
// UDS_ALIGNLEFT or UDS_ALIGNRIGHT: narrows the buddy by the control's width and puts the
// control in the room made, as tall as the buddy, overlapping an edit buddy's border.
void PlaceBesideBuddy(HWND hwnd, const State& state);

}  // namespace platform::updown
