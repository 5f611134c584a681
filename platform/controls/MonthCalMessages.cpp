#include "controls/MonthCalMessages.h"

#include <algorithm>

#include "controls/CalendarDates.h"
#include "controls/MonthCalHitTest.h"
#include "controls/MonthCalLayout.h"

namespace platform::monthcal {

namespace {

template <typename T>
T* Pointer(LPARAM lParam) {
    return reinterpret_cast<T*>(lParam);
}

bool MultiSelect(HWND hwnd) { return HasStyle(hwnd, MCS_MULTISELECT); }

LRESULT GetCurSel(HWND hwnd, const State& state, SYSTEMTIME* out) {
    if (!out || MultiSelect(hwnd)) return FALSE;
    *out = state.selStart;
    return TRUE;
}

// The date must exist; its time of day is kept as given, whatever it is.
LRESULT SetCurSel(HWND hwnd, State& state, const SYSTEMTIME* date) {
    if (!date || MultiSelect(hwnd)) return FALSE;
    return SelectDay(hwnd, state, *date) ? TRUE : FALSE;
}

// Answers 0 whatever happens, as the platform does; a null pointer changes nothing.
LRESULT SetToday(HWND hwnd, State& state, const SYSTEMTIME* date) {
    if (!date || !dates::IsValidDate(*date)) return 0;
    state.today = *date;
    state.todaySet = true;
    InvalidateRect(hwnd, nullptr, FALSE);
    return 0;
}

LRESULT GetToday(const State& state, SYSTEMTIME* out) {
    if (!out) return FALSE;
    *out = Today(state);
    return TRUE;
}

// An end that is not set reads as all zeros.
LRESULT GetRange(const State& state, SYSTEMTIME* out) {
    if (!out) return 0;
    out[0] = state.rangeMin;
    out[1] = state.rangeMax;
    return state.rangeFlags;
}

// An end given with an impossible time of day takes today's time.
SYSTEMTIME RangeEnd(const State& state, const SYSTEMTIME& given) {
    if (dates::IsValidTime(given)) return given;
    SYSTEMTIME end = given;
    const SYSTEMTIME today = Today(state);
    end.wHour = today.wHour;
    end.wMinute = today.wMinute;
    end.wSecond = today.wSecond;
    end.wMilliseconds = today.wMilliseconds;
    return end;
}

// Each call replaces the whole range: an end it does not name is cleared. Both ends given the
// wrong way round are swapped. Neither the selection nor the months shown move.
LRESULT SetRange(HWND hwnd, State& state, WPARAM which, const SYSTEMTIME* range) {
    if (!range) return FALSE;
    if ((which & GDTR_MIN) && !dates::IsValidDate(range[0])) return FALSE;
    if ((which & GDTR_MAX) && !dates::IsValidDate(range[1])) return FALSE;
    state.rangeFlags = static_cast<DWORD>(which & (GDTR_MIN | GDTR_MAX));
    state.rangeMin = (which & GDTR_MIN) ? RangeEnd(state, range[0]) : SYSTEMTIME{};
    state.rangeMax = (which & GDTR_MAX) ? RangeEnd(state, range[1]) : SYSTEMTIME{};
    if (state.rangeFlags == (GDTR_MIN | GDTR_MAX) && dates::CompareDateTimes(state.rangeMin, state.rangeMax) > 0)
        std::swap(state.rangeMin, state.rangeMax);
    InvalidateRect(hwnd, nullptr, FALSE);
    return TRUE;
}

// -1 goes back to the locale's day; any other day outside 0..6 is taken as Sunday (6). The
// answer is the previous setting, its high word 1 once the program has set one.
LRESULT SetFirstDay(HWND hwnd, State& state, LPARAM day) {
    const LRESULT previous = MAKELONG(state.firstDay, state.firstDaySet ? 1 : 0);
    const int asked = static_cast<int>(day);
    state.firstDaySet = asked != -1;
    state.firstDay = asked == -1 ? LocaleFirstDay() : (asked >= 0 && asked <= 6 ? asked : 6);
    InvalidateRect(hwnd, nullptr, FALSE);
    return previous;
}

SYSTEMTIME WithTimeOf(SYSTEMTIME date, const SYSTEMTIME& time) {
    date.wHour = time.wHour;
    date.wMinute = time.wMinute;
    date.wSecond = time.wSecond;
    date.wMilliseconds = time.wMilliseconds;
    return date;
}

// GMR_VISIBLE: the first and last day of the months shown (the first calendar's first day
// taken no earlier than 14 September 1752); GMR_DAYSTATE: the first and last day of the grid,
// the partly shown months counted. Either way the dates carry the time the first month keeps.
LRESULT GetMonthRange(HWND hwnd, const State& state, WPARAM which, SYSTEMTIME* out) {
    const int count = ShownMonths(hwnd, state);
    const SYSTEMTIME first = state.firstMonth, last = MonthAt(state, count - 1);
    if (which == GMR_VISIBLE) {
        if (!out) return count;
        out[0] = first;
        if (first.wYear == 1752 && first.wMonth == 9) out[0].wDay = 14;
        out[0] = dates::WithDayOfWeek(out[0]);
        out[1] = last;
        out[1].wDay = static_cast<WORD>(dates::DaysInMonth(last.wYear, last.wMonth));
        out[1] = dates::WithDayOfWeek(out[1]);
        return count;
    }
    if (which != GMR_DAYSTATE) return 0;
    if (out) {
        out[0] = WithTimeOf(CellDate(state, first, 0, 0), first);
        out[1] = WithTimeOf(CellDate(state, last, 5, 6), first);
    }
    return count + 2;
}

LRESULT GetMinReqRect(HWND hwnd, const State& state, RECT* out) {
    if (!out) return FALSE;
    *out = MinimumRect(hwnd, state);
    return TRUE;
}

// Only the fields the part under the point names are written; the larger structure's others
// keep what the caller put there. A size below the smaller one's is refused.
LRESULT HitTestMessage(HWND hwnd, const State& state, MCHITTESTINFO* info) {
    if (!info || info->cbSize < MCHITTESTINFO_V1_SIZE) return -1;
    const Hit hit = HitTest(hwnd, state, info->pt);
    info->uHit = hit.what;
    info->st = hit.date;
    if (info->cbSize != sizeof(MCHITTESTINFO)) return hit.what;
    if (hit.setsRect) info->rc = hit.rect;
    if (hit.setsMonth) info->iOffset = hit.month;
    if (hit.setsCell) {
        info->iRow = hit.row;
        info->iCol = hit.column;
    }
    return hit.what;
}

// ---- MCS_MULTISELECT ----

LRESULT SetMaxSelCount(HWND hwnd, State& state, WPARAM count) {
    if (!MultiSelect(hwnd) || static_cast<int>(count) < 1) return FALSE;
    state.maxSelCount = static_cast<DWORD>(count);
    return TRUE;
}

LRESULT GetSelRange(HWND hwnd, const State& state, SYSTEMTIME* out) {
    if (!out || !MultiSelect(hwnd)) return FALSE;
    out[0] = state.selStart;
    out[1] = state.selEnd;
    return TRUE;
}

// Both ends must exist and lie in range, and the span hold no more days than the maximum.
LRESULT SetSelRange(HWND hwnd, State& state, const SYSTEMTIME* range) {
    if (!range || !MultiSelect(hwnd)) return FALSE;
    SYSTEMTIME start = range[0], end = range[1];
    if (!dates::IsValidDate(start) || !dates::IsValidDate(end)) return FALSE;
    if (dates::CompareDates(start, end) > 0) std::swap(start, end);
    if (dates::DaysBetween(start, end) >= static_cast<long long>(state.maxSelCount)) return FALSE;
    if (!InRange(state, start) || !InRange(state, end)) return FALSE;
    if (!SelectDay(hwnd, state, start)) return FALSE;
    state.selEnd = dates::WithDayOfWeek(end);
    return TRUE;
}

LRESULT OnSelectionMessage(HWND hwnd, State& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case MCM_GETMAXSELCOUNT: return state.maxSelCount;
    case MCM_SETMAXSELCOUNT: return SetMaxSelCount(hwnd, state, wParam);
    case MCM_GETSELRANGE: return GetSelRange(hwnd, state, Pointer<SYSTEMTIME>(lParam));
    case MCM_SETSELRANGE: return SetSelRange(hwnd, state, Pointer<const SYSTEMTIME>(lParam));
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace

int LocaleFirstDay() {
    DWORD day = 6;
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_IFIRSTDAYOFWEEK | LOCALE_RETURN_NUMBER, reinterpret_cast<LPWSTR>(&day),
                   sizeof day / sizeof(WCHAR));
    return day <= 6 ? static_cast<int>(day) : 6;
}

LRESULT OnCalendarMessage(HWND hwnd, State& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case MCM_GETCURSEL: return GetCurSel(hwnd, state, Pointer<SYSTEMTIME>(lParam));
    case MCM_SETCURSEL: return SetCurSel(hwnd, state, Pointer<const SYSTEMTIME>(lParam));
    case MCM_GETTODAY: return GetToday(state, Pointer<SYSTEMTIME>(lParam));
    case MCM_SETTODAY: return SetToday(hwnd, state, Pointer<const SYSTEMTIME>(lParam));
    case MCM_GETRANGE: return GetRange(state, Pointer<SYSTEMTIME>(lParam));
    case MCM_SETRANGE: return SetRange(hwnd, state, wParam, Pointer<const SYSTEMTIME>(lParam));
    case MCM_GETFIRSTDAYOFWEEK: return MAKELONG(state.firstDay, state.firstDaySet ? 1 : 0);
    case MCM_SETFIRSTDAYOFWEEK: return SetFirstDay(hwnd, state, lParam);
    case MCM_GETMONTHRANGE: return GetMonthRange(hwnd, state, wParam, Pointer<SYSTEMTIME>(lParam));
    case MCM_GETMINREQRECT: return GetMinReqRect(hwnd, state, Pointer<RECT>(lParam));
    case MCM_HITTEST: return HitTestMessage(hwnd, state, Pointer<MCHITTESTINFO>(lParam));
    default: return OnSelectionMessage(hwnd, state, message, wParam, lParam);
    }
}

}  // namespace platform::monthcal
