// What the mouse and the keyboard do to a date picker: a click selects the field under it,
// checks DTS_SHOWNONE's box or drops the calendar; the arrows move between fields and step
// them; digits set them.
#pragma once

#include "controls/DatePickerEditing.h"
#include "controls/DatePickerState.h"

namespace platform::datepick {

void OnButtonDown(HWND hwnd, POINT at);
void OnKeyDown(HWND hwnd, WPARAM key);
// Alt+Down or Alt+Up drops the calendar; false for a system key the picker leaves alone.
bool OnSysKeyDown(HWND hwnd, WPARAM key);
void OnChar(HWND hwnd, wchar_t typed);
void OnSetFocus(HWND hwnd);
void OnKillFocus(HWND hwnd);
// The selected field stepped (by the keys or the up-down control) and the parent told.
void StepSelected(HWND hwnd, Step step);

}  // namespace platform::datepick
