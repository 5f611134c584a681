// Where a month calendar's parts lie, measured from its font as the platform measures them: a
// cell as wide as the widest abbreviated day name or two pairs of digits, as tall as a line;
// each month a title one and a half lines tall, a line of day names and six weeks; the "today"
// line below the bottom-left month; as many months side by side and above each other as the
// client area holds, six pixels apart, the whole centred.
#pragma once

#include "controls/MonthCalState.h"

namespace platform::monthcal {

struct Layout {
    int cellWidth = 0;
    int cellHeight = 0;
    int weekColumn = 0;   // the week numbers' width, 0 without MCS_WEEKNUMBERS
    int titleHeight = 0;
    SIZE month{};         // one month's block, title to last week
    int across = 1;
    int down = 1;
    POINT origin{};       // the first month's top left
    RECT prev{}, next{}, todayLine{};
};

Layout LayOut(HWND hwnd, const State& state);
// The smallest size that shows one month whole, as MCM_GETMINREQRECT reports it (from 0, 0).
RECT MinimumRect(HWND hwnd, const State& state);

inline int MonthCount(const Layout& layout) { return layout.across * layout.down; }
// Month `index` (0 the first, left to right, then down): its whole block and its parts.
RECT MonthRect(const Layout& layout, int index);
RECT TitleRect(const Layout& layout, int index);
RECT DayNamesRect(const Layout& layout, int index);
RECT DaysRect(const Layout& layout, int index);
RECT WeekNumbersRect(const Layout& layout, int index);
RECT CellRect(const Layout& layout, int index, int row, int column);

// The month shown at `index`: its first day.
SYSTEMTIME MonthAt(const State& state, int index);
// How many days of the month before fill the first week: 1 to 7, never 0, so a month that
// starts on the first column still shows a whole week before it.
int LeadingDays(const State& state, const SYSTEMTIME& month);
// The date in a month's grid at `row` (0..5), `column` (0..6), trailing days included.
SYSTEMTIME CellDate(const State& state, const SYSTEMTIME& month, int row, int column);

}  // namespace platform::monthcal
