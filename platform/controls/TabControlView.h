// Which of a tab control's tabs are shown, and in which order: rows of TCS_MULTILINE tabs
// reordered so the selected tab's row touches the page, and a single line wider than the control
// scrolled a tab at a time by the platform's arrow pair (an up-down control made inside it).
#pragma once

#include "PlatformApi.h"
#include "controls/TabControlState.h"

namespace platform::tabcontrol {

// After the tabs, sizes, font or style changed: the padding last given taken up, the rows back
// in their own order with the selected one moved to the page, the arrow pair shown, placed and ranged or hidden, and the
// whole control painted again.
void Relayout(HWND hwnd, State& state);
// After the selection moved: its row moved to the page, or the line scrolled to show it.
void ShowSelection(HWND hwnd, State& state);
// WM_HSCROLL from the arrow pair: one tab toward the position it asks for.
void OnHScroll(HWND hwnd, State& state, WORD code, int position);

}  // namespace platform::tabcontrol
