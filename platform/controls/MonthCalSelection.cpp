// The selection, the range and the shown months of a month calendar, and how they move together.
#include <algorithm>

#include "controls/CalendarDates.h"
#include "controls/MonthCalLayout.h"
#include "controls/MonthCalState.h"

namespace platform::monthcal {

namespace {

// The bounds of every calendar, as on the platform: the day Britain and its colonies took up the
// Gregorian calendar, and the last day of year 9999.
constexpr SYSTEMTIME kEarliest{1752, 9, 0, 14, 0, 0, 0, 0};
constexpr SYSTEMTIME kLatest{9999, 12, 0, 31, 23, 59, 59, 999};

bool AfterMin(const State& state, const SYSTEMTIME& date) {
    if (dates::CompareDates(date, kEarliest) < 0) return false;
    return !(state.rangeFlags & GDTR_MIN) || dates::CompareDateTimes(date, state.rangeMin) >= 0;
}

bool BeforeMax(const State& state, const SYSTEMTIME& date) {
    if (dates::CompareDates(date, kLatest) > 0) return false;
    return !(state.rangeFlags & GDTR_MAX) || dates::CompareDateTimes(date, state.rangeMax) <= 0;
}

SYSTEMTIME LastMoment(SYSTEMTIME date) {
    date.wDay = static_cast<WORD>(dates::DaysInMonth(date.wYear, date.wMonth));
    date.wHour = 23;
    date.wMinute = date.wSecond = 59;
    date.wMilliseconds = 999;
    return date;
}

SYSTEMTIME FirstMoment(SYSTEMTIME date) {
    date.wDay = 1;
    date.wHour = date.wMinute = date.wSecond = date.wMilliseconds = 0;
    return date;
}

}  // namespace

SYSTEMTIME Today(const State& state) {
    if (state.todaySet) return state.today;
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return now;
}

bool InRange(const State& state, const SYSTEMTIME& date) { return AfterMin(state, date) && BeforeMax(state, date); }

bool MonthInRange(const State& state, const SYSTEMTIME& date) {
    return AfterMin(state, LastMoment(date)) && BeforeMax(state, FirstMoment(date));
}

SYSTEMTIME ClampedToRange(const State& state, const SYSTEMTIME& date) {
    if (!AfterMin(state, date))
        return dates::WithDayOfWeek((state.rangeFlags & GDTR_MIN) && AfterMin(state, state.rangeMin) ? state.rangeMin : kEarliest);
    if (!BeforeMax(state, date))
        return dates::WithDayOfWeek((state.rangeFlags & GDTR_MAX) && BeforeMax(state, state.rangeMax) ? state.rangeMax : kLatest);
    return date;
}

int ShownMonths(HWND hwnd, const State& state) { return MonthCount(LayOut(hwnd, state)); }

// The months move only as far as it takes: forward until the date is in the last month shown,
// or back until it is in the first. The day selected already keeps the time it had, as on the
// platform.
bool SelectDay(HWND hwnd, State& state, const SYSTEMTIME& given) {
    if (!dates::IsValidDate(given) || !InRange(state, given)) return false;
    const bool same = dates::CompareDates(given, state.selStart) == 0 && dates::CompareDates(given, state.selEnd) == 0;
    const SYSTEMTIME date = same ? state.selStart : given;
    const int count = ShownMonths(hwnd, state);
    int delta = dates::MonthsBetween(MonthAt(state, count - 1), date);
    if (delta <= 0) delta = std::min(0, dates::MonthsBetween(state.firstMonth, date));
    state.firstMonth = dates::AddMonths(state.firstMonth, delta);
    state.selStart = state.selEnd = dates::WithDayOfWeek(date);
    InvalidateRect(hwnd, nullptr, FALSE);
    return true;
}

bool ScrollMonths(HWND hwnd, State& state, int delta, bool moveSelection) {
    const SYSTEMTIME first = dates::AddMonths(state.firstMonth, delta);
    const SYSTEMTIME arriving = delta < 0 ? first : dates::AddMonths(first, ShownMonths(hwnd, state) - 1);
    if (!MonthInRange(state, arriving)) return false;
    state.firstMonth = first;
    if (moveSelection) {
        state.selStart = ClampedToRange(state, dates::AddMonths(state.selStart, delta));
        state.selEnd = ClampedToRange(state, dates::AddMonths(state.selEnd, delta));
    }
    InvalidateRect(hwnd, nullptr, FALSE);
    return true;
}

}  // namespace platform::monthcal
