// What a date and time picker ("SysDateTimePick32") remembers between messages: the date, whether
// DTS_SHOWNONE's box is checked, the range, the format picture read into fields, the field
// selected and the digits typed into it, and the windows it made (the up-down control, the
// calendar while it drops). The state lives on the heap, its pointer in the window's extra
// bytes, so a handle that is gone reads as no state at all.
#pragma once

#include <string>
#include <vector>

#include "PlatformApi.h"
#include "controls/DatePickerDates.h"
#include "controls/DatePickerFormat.h"

namespace platform::datepick {

struct State {
    SYSTEMTIME date{};
    bool checked = true;
    DWORD rangeFlags = 0;  // GDTR_MIN and GDTR_MAX the program set
    SYSTEMTIME limits[2]{};
    std::wstring customPicture;  // DTM_SETFORMATW's; empty: the style's
    std::vector<Field> fields;
    int selected = -1;    // index into fields; -1: none
    std::wstring typed;   // digits typed into the selected field, not applied yet
    HFONT font = nullptr;
    bool focused = false;
    HWND updown = nullptr;
    HWND calendar = nullptr;
    // The input message that closed the calendar, so the same click on the button does not
    // open it again.
    DWORD closedAt = 0;
    bool closedByClick = false;
};

// Null once the window is gone (or before WM_NCCREATE made the state).
State* StateOf(HWND hwnd);
inline LONG StyleOf(HWND hwnd) { return GetWindowLongW(hwnd, GWL_STYLE); }
// The range a date may move in: the program's limits within the picker's own.
Range RangeOf(const State& state);
// The fields again after the style or the picture changed; the selection stays on the field of
// the same place where there is one.
void ReadPicture(HWND hwnd, State& state);
// Everything is drawn again.
void Redraw(HWND hwnd);
// DTN_DATETIMECHANGE with the date, or with GDT_NONE while the box is unchecked. False when the
// picker did not survive the parent's answer.
bool NotifyChange(HWND hwnd);
// A notice with nothing but its header (DTN_DROPDOWN, DTN_CLOSEUP, NM_SETFOCUS, ...).
bool NotifySimple(HWND hwnd, UINT code);

}  // namespace platform::datepick
