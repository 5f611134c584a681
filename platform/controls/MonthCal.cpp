// The month calendar ("SysMonthCal32"): a month's days, or several months side by side, from
// which a person picks a day with the mouse or the keys. The program sets and reads the
// selection, today, the range allowed and the first day of the week with MCM_* messages; the
// window named its parent at creation hears MCN_SELCHANGE when the selection moves and
// MCN_SELECT when a day is chosen.
#include "controls/CalendarDates.h"
#include "controls/MonthCalInput.h"
#include "controls/MonthCalMessages.h"
#include "controls/MonthCalPaint.h"
#include "controls/MonthCalState.h"
#include "controls/SystemClasses.h"

namespace platform {

namespace monthcal {

namespace {

constexpr int kStateSlot = 0;

// Today, as the clock says when the control is made, is selected and shown first.
State* MakeState(const CREATESTRUCTW* create) {
    auto* state = new State;
    state->notify = create ? create->hwndParent : nullptr;
    SYSTEMTIME now{};
    GetLocalTime(&now);
    state->selStart = state->selEnd = dates::WithDayOfWeek(now);
    state->firstMonth = dates::FirstOfMonth(now);
    state->firstDay = LocaleFirstDay();
    return state;
}

POINT PointOf(LPARAM lParam) { return {static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))}; }

LRESULT OnInput(HWND hwnd, State& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN: OnButtonDown(hwnd, PointOf(lParam)); return 0;
    case WM_MOUSEMOVE: OnMouseMove(hwnd, state, PointOf(lParam)); return 0;
    case WM_LBUTTONUP: OnButtonUp(hwnd, PointOf(lParam)); return 0;
    case WM_CAPTURECHANGED: OnCaptureChanged(hwnd, state); return 0;
    case WM_TIMER: OnTimer(hwnd, wParam); return 0;
    case WM_KEYDOWN: return OnKeyDown(hwnd, static_cast<UINT>(wParam));
    default: return OnCalendarMessage(hwnd, state, message, wParam, lParam);
    }
}

LRESULT OnFont(HWND hwnd, State& state, WPARAM font, LPARAM redraw) {
    state.font = reinterpret_cast<HFONT>(font);
    if (LOWORD(redraw)) InvalidateRect(hwnd, nullptr, FALSE);
    return 0;
}

void OnNcDestroy(HWND hwnd) {
    delete StateOf(hwnd);
    SetStateOf(hwnd, nullptr);
}

}  // namespace

State* StateOf(HWND hwnd) { return reinterpret_cast<State*>(GetWindowLongPtrW(hwnd, kStateSlot)); }

void SetStateOf(HWND hwnd, State* state) { SetWindowLongPtrW(hwnd, kStateSlot, reinterpret_cast<LONG_PTR>(state)); }

}  // namespace monthcal

using namespace monthcal;

LRESULT CALLBACK MonthCalProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) SetStateOf(hwnd, MakeState(reinterpret_cast<const CREATESTRUCTW*>(lParam)));
    State* state = StateOf(hwnd);
    if (!state) return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_NCDESTROY: OnNcDestroy(hwnd); return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_PAINT: Paint(hwnd, *state); return 0;
    case WM_ERASEBKGND: return 1;  // painted whole in WM_PAINT
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SIZE:
    case WM_STYLECHANGED: InvalidateRect(hwnd, nullptr, FALSE); return 0;
    case WM_SETFONT: return OnFont(hwnd, *state, wParam, lParam);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(state->font);
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    default: return OnInput(hwnd, *state, message, wParam, lParam);
    }
}

}  // namespace platform
