// The calendar a date picker drops: a "SysMonthCal32" pop-up made when it opens and destroyed
// when it closes, told the date and the range with MCM_* messages, heard through MCN_SELECT.
#pragma once

#include "PlatformApi.h"

namespace platform::datepick {

// Makes the calendar, tells the parent DTN_DROPDOWN (DTM_GETMONTHCAL answers the calendar by
// then), and shows it below the picker with the keyboard focus: at its left edge, or at its
// right one with DTS_RIGHTALIGN. Nothing happens when the calendar's class cannot be made.
void OpenCalendar(HWND hwnd);
// Destroys the calendar and tells the parent DTN_CLOSEUP; nothing when it is not open.
void CloseCalendar(HWND hwnd);
// F4 and Alt+Down: opens a closed calendar, closes an open one.
void ToggleCalendar(HWND hwnd);
// A day chosen: the picker takes its date (keeping its own time of day), the parent hears
// DTN_DATETIMECHANGE, then the calendar closes with DTN_CLOSEUP, as on the platform.
void OnCalendarSelect(HWND hwnd, const NMSELCHANGE& chosen);
// The click that took the focus from the calendar, and so closed it, does not open it again.
bool ClosedByThisClick(HWND hwnd);

}  // namespace platform::datepick
