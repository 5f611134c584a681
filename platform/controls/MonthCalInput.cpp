#include "controls/MonthCalInput.h"

#include "controls/CalendarDates.h"
#include "controls/MonthCalHitTest.h"

namespace platform::monthcal {

namespace {

constexpr UINT_PTR kRepeatTimer = 1;
constexpr UINT kRepeatMs = 350;  // held on an arrow, the months move on this often

bool IsDate(UINT what) { return (what & MCHT_CALENDARDATE) == MCHT_CALENDARDATE; }

// By as many months as are shown; the selection moves with them unless MCS_NOSELCHANGEONNAV.
void Navigate(HWND hwnd, int direction) {
    State* state = StateOf(hwnd);
    if (!state) return;
    const bool keepSelection = HasStyle(hwnd, MCS_NOSELCHANGEONNAV);
    if (!ScrollMonths(hwnd, *state, direction * ShownMonths(hwnd, *state), !keepSelection)) return;
    if (!keepSelection) NotifySelChange(hwnd);
}

// Today is chosen at the press, told as a change and a choice even when it was selected already.
void ChooseToday(HWND hwnd, State& state) {
    if (!SelectDay(hwnd, state, Today(state))) return;
    if (NotifySelChange(hwnd)) NotifySelect(hwnd);
}

void PressArrow(HWND hwnd, State& state, Press which) {
    state.press = which;
    SetTimer(hwnd, kRepeatTimer, kRepeatMs, nullptr);
    InvalidateRect(hwnd, nullptr, FALSE);
    Navigate(hwnd, which == Press::Next ? 1 : -1);
}

// A day is chosen at the release, where the pointer is then: a change is told only when the
// day differs from the one selected, the choice always.
void ChooseDay(HWND hwnd, POINT at) {
    State* state = StateOf(hwnd);
    if (!state) return;
    const Hit hit = HitTest(hwnd, *state, at);
    if (!IsDate(hit.what)) return;
    const SYSTEMTIME before = state->selStart;
    if (!SelectDay(hwnd, *state, hit.date)) return;
    if (dates::CompareDates(before, hit.date) != 0 && !NotifySelChange(hwnd)) return;
    NotifySelect(hwnd);
}

// Where a key sends the selection: a day, a week, a month (a year with Ctrl), or the month's
// first or last day. False for a key that does not move it.
bool KeyTarget(const SYSTEMTIME& from, UINT key, bool control, SYSTEMTIME& to) {
    switch (key) {
    case VK_LEFT: to = dates::AddDays(from, -1); return true;
    case VK_RIGHT: to = dates::AddDays(from, 1); return true;
    case VK_UP: to = dates::AddDays(from, -7); return true;
    case VK_DOWN: to = dates::AddDays(from, 7); return true;
    case VK_PRIOR: to = dates::AddMonths(from, control ? -12 : -1); return true;
    case VK_NEXT: to = dates::AddMonths(from, control ? 12 : 1); return true;
    case VK_HOME: to = dates::FirstOfMonth(from); return true;
    case VK_END:
        to = from;
        to.wDay = static_cast<WORD>(dates::DaysInMonth(from.wYear, from.wMonth));
        to = dates::WithDayOfWeek(to);
        return true;
    default: return false;
    }
}

}  // namespace

void OnButtonDown(HWND hwnd, POINT at) {
    State* state = StateOf(hwnd);
    if (!state) return;
    SetCapture(hwnd);
    const Hit hit = HitTest(hwnd, *state, at);
    if (hit.what == MCHT_TITLEBTNNEXT || hit.what == MCHT_TITLEBTNPREV) {
        PressArrow(hwnd, *state, hit.what == MCHT_TITLEBTNNEXT ? Press::Next : Press::Prev);
    } else if (hit.what == MCHT_TODAYLINK) {
        ChooseToday(hwnd, *state);
    } else if (IsDate(hit.what)) {
        state->press = Press::Day;
        state->pressedDay = hit.date;
        InvalidateRect(hwnd, nullptr, FALSE);
    }
}

// While a day is held, the day under the pointer is the one marked.
void OnMouseMove(HWND hwnd, State& state, POINT at) {
    if (state.press != Press::Day) return;
    const Hit hit = HitTest(hwnd, state, at);
    if (!IsDate(hit.what) || dates::CompareDates(hit.date, state.pressedDay) == 0) return;
    state.pressedDay = hit.date;
    InvalidateRect(hwnd, nullptr, FALSE);
}

// The parent hears NM_RELEASEDCAPTURE at every release, before any choice.
void OnButtonUp(HWND hwnd, POINT at) {
    State* state = StateOf(hwnd);
    if (!state) return;
    const Press released = state->press;
    OnCaptureChanged(hwnd, *state);
    if (GetCapture() == hwnd) ReleaseCapture();
    if (!NotifyReleasedCapture(hwnd)) return;
    if (released == Press::Day) ChooseDay(hwnd, at);
}

void OnCaptureChanged(HWND hwnd, State& state) {
    if (state.press == Press::None) return;
    state.press = Press::None;
    KillTimer(hwnd, kRepeatTimer);
    InvalidateRect(hwnd, nullptr, FALSE);
}

void OnTimer(HWND hwnd, WPARAM id) {
    State* state = StateOf(hwnd);
    if (!state || id != kRepeatTimer) return;
    if (state->press == Press::Next) Navigate(hwnd, 1);
    if (state->press == Press::Prev) Navigate(hwnd, -1);
}

// Each move is told as a change of selection; a move out of range stops at the range's end.
LRESULT OnKeyDown(HWND hwnd, UINT key) {
    State* state = StateOf(hwnd);
    if (!state) return 0;
    SYSTEMTIME target{};
    if (!KeyTarget(state->selStart, key, GetKeyState(VK_CONTROL) < 0, target)) return 0;
    target = ClampedToRange(*state, target);
    if (dates::CompareDates(target, state->selStart) == 0) return 0;
    if (SelectDay(hwnd, *state, target)) NotifySelChange(hwnd);
    return 0;
}

}  // namespace platform::monthcal
