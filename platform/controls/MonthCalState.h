// What a month calendar ("SysMonthCal32") remembers between messages: the selection, the first
// month it shows, today, the range the program allows, the first day of the week, its font,
// and what the mouse is holding. The state lives on the heap, its pointer in the window's extra
// bytes, so a handle that is gone reads as no state at all.
#pragma once

#include "PlatformApi.h"

namespace platform::monthcal {

enum class Press { None, Day, Prev, Next };

struct State {
    // A single selection keeps both ends equal; the time of day is kept as it was given.
    SYSTEMTIME selStart{};
    SYSTEMTIME selEnd{};
    // The first shown month: its first day, with the time of day the control was made at, which
    // MCM_GETMONTHRANGE hands back.
    SYSTEMTIME firstMonth{};
    SYSTEMTIME today{};
    bool todaySet = false;  // until MCM_SETTODAY, today is the local date whenever it is asked
    SYSTEMTIME rangeMin{};
    SYSTEMTIME rangeMax{};
    DWORD rangeFlags = 0;  // GDTR_MIN, GDTR_MAX
    int firstDay = 6;      // as the locale numbers days: 0 Monday .. 6 Sunday
    bool firstDaySet = false;
    DWORD maxSelCount = 7;
    HFONT font = nullptr;
    HWND notify = nullptr;  // the parent (or owner) named at creation, who hears the notifications
    Press press = Press::None;
    SYSTEMTIME pressedDay{};  // while a day is held: the one under the pointer
    bool pressedOnDay = false;
};

// Null once the window is gone (or before WM_NCCREATE made the state).
State* StateOf(HWND hwnd);
void SetStateOf(HWND hwnd, State* state);

inline LONG StyleOf(HWND hwnd) { return GetWindowLongW(hwnd, GWL_STYLE); }
inline bool HasStyle(HWND hwnd, LONG style) { return (StyleOf(hwnd) & style) != 0; }

// Today as the control sees it: the date set with MCM_SETTODAY, else the local date now.
SYSTEMTIME Today(const State& state);
// The weekday of the first column, 0 Sunday .. 6 Saturday.
inline int FirstColumnWeekday(const State& state) { return (state.firstDay + 1) % 7; }

// MonthCalSelection.cpp
// Inside the bounds every calendar has (14 September 1752 to 31 December 9999) and the range the
// program set; the time of day counts against the program's ends, as on the platform.
bool InRange(const State& state, const SYSTEMTIME& date);
// Whether any day of the month `date` lies in is in range.
bool MonthInRange(const State& state, const SYSTEMTIME& date);
// `date` moved into the range when it lies outside (its time of day kept).
SYSTEMTIME ClampedToRange(const State& state, const SYSTEMTIME& date);
// The selection set to one day, the months moved just enough to show it, the window repainted.
// False, and nothing changed, for a date that does not exist or lies out of range.
bool SelectDay(HWND hwnd, State& state, const SYSTEMTIME& date);
// Moves the shown months by `delta`; with `moveSelection`, the selection by as many months too,
// kept in range. False when the months it would show lie wholly out of range.
bool ScrollMonths(HWND hwnd, State& state, int delta, bool moveSelection);
// How many months the control shows, from its layout.
int ShownMonths(HWND hwnd, const State& state);

// MonthCalNotify.cpp: each false when the control did not survive the parent's answer.
bool NotifySelChange(HWND hwnd);
bool NotifySelect(HWND hwnd);
bool NotifyReleasedCapture(HWND hwnd);

}  // namespace platform::monthcal
