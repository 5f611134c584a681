// The check state of the "Button" control's check boxes and radio buttons: what BM_SETCHECK
// keeps, and what a click does to it for the automatic kinds.
#pragma once

#include "PlatformApi.h"

namespace platform::button {

// Answers BM_SETCHECK: a value past what the kind can show becomes the furthest it can (a
// two-state check box is checked by 2), and kinds without a check keep none. A radio button is
// a tab stop exactly while checked. Repaints only when the state changes.
void SetCheck(HWND hwnd, WPARAM state);

// What a click does before it is told to the parent: an auto check box steps to its next
// state, an auto radio button checks itself and unchecks the radio buttons of its group.
void ApplyClick(HWND hwnd);

}  // namespace platform::button
