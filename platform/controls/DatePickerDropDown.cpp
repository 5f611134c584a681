#include "controls/DatePickerDropDown.h"

#include <algorithm>

#include "controls/DatePickerLayout.h"
#include "controls/DatePickerState.h"

namespace platform::datepick {

namespace {

// The calendar knows its picker, and its own procedure, by these properties, set while the
// picker's procedure stands in front of the calendar's own.
constexpr wchar_t kPickerProperty[] = L"DatePickerOwner";
constexpr wchar_t kProcProperty[] = L"DatePickerCalendarProc";

WNDPROC OwnProcOf(HWND calendar) {
    return reinterpret_cast<WNDPROC>(reinterpret_cast<LONG_PTR>(GetPropW(calendar, kProcProperty)));
}

// The picker whose open calendar this is; null once the picker has let it go.
HWND OpenPickerOf(HWND calendar) {
    HWND picker = static_cast<HWND>(GetPropW(calendar, kPickerProperty));
    State* state = picker ? StateOf(picker) : nullptr;
    return state && state->calendar == calendar ? picker : nullptr;
}

bool IsClosingKey(UINT message, WPARAM key) {
    if (message == WM_SYSKEYDOWN) return key == VK_DOWN || key == VK_UP;
    return message == WM_KEYDOWN && (key == VK_ESCAPE || key == VK_F4);
}

// The calendar keeps its own behaviour; the picker only watches for the keys that close it
// and for the focus leaving it, which a click anywhere else does.
LRESULT CALLBACK CalendarHook(HWND calendar, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC own = OwnProcOf(calendar);
    if (!own) return DefWindowProcW(calendar, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        RemovePropW(calendar, kPickerProperty);
        RemovePropW(calendar, kProcProperty);
        return CallWindowProcW(own, calendar, message, wParam, lParam);
    }
    HWND picker = OpenPickerOf(calendar);
    if (picker && IsClosingKey(message, wParam)) {
        CloseCalendar(picker);
        return 0;
    }
    const LRESULT result = CallWindowProcW(own, calendar, message, wParam, lParam);
    if (picker && message == WM_KILLFOCUS && (picker = OpenPickerOf(calendar))) {
        State* state = StateOf(picker);
        state->closedByClick = true;
        state->closedAt = GetMessageTime();
        CloseCalendar(picker);
    }
    return result;
}

// Below the picker from its inner corner, or above it where the screen ends first.
RECT CalendarRect(HWND hwnd, HWND calendar) {
    RECT picker{}, wanted{};
    GetWindowRect(hwnd, &picker);
    SendMessageW(calendar, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&wanted));
    const int width = std::max(0, static_cast<int>(wanted.right - wanted.left));
    const int height = std::max(0, static_cast<int>(wanted.bottom - wanted.top));
    int left = picker.left + kEdge;
    if (StyleOf(hwnd) & DTS_RIGHTALIGN) left = picker.right - kEdge - width;
    int top = picker.bottom - kEdge;
    if (top + height > GetSystemMetrics(SM_CYSCREEN)) top = std::max(0, static_cast<int>(picker.top) + kEdge - height);
    return {left, top, left + width, top + height};
}

HWND MakeCalendar(HWND hwnd, State& state) {
    HWND calendar = CreateWindowExW(0, MONTHCAL_CLASSW, L"", WS_POPUP | WS_BORDER | WS_CLIPSIBLINGS, 0, 0, 0, 0, hwnd,
                                    nullptr, nullptr, nullptr);
    if (!calendar) return nullptr;
    const Range range = RangeOf(state);
    SYSTEMTIME limits[2] = {range.min, range.max};
    SendMessageW(calendar, MCM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(limits));
    SYSTEMTIME shown = state.date;
    SendMessageW(calendar, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&shown));
    SetPropW(calendar, kPickerProperty, hwnd);
    const LONG_PTR own = SetWindowLongPtrW(calendar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CalendarHook));
    SetPropW(calendar, kProcProperty, reinterpret_cast<HANDLE>(own));
    return calendar;
}

}  // namespace

void OpenCalendar(HWND hwnd) {
    State* state = StateOf(hwnd);
    if (!state || state->calendar || !IsWindowEnabled(hwnd)) return;
    HWND calendar = MakeCalendar(hwnd, *state);
    if (!calendar) return;
    state->calendar = calendar;
    state->closedByClick = false;
    Redraw(hwnd);
    if (!NotifySimple(hwnd, DTN_DROPDOWN) || !(state = StateOf(hwnd)) || state->calendar != calendar) return;
    const RECT rect = CalendarRect(hwnd, calendar);
    SetWindowPos(calendar, HWND_TOPMOST, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, 0);
    ShowWindow(calendar, SW_SHOW);
    SetFocus(calendar);
}

void CloseCalendar(HWND hwnd) {
    State* state = StateOf(hwnd);
    if (!state || !state->calendar) return;
    HWND calendar = state->calendar;
    // Forgotten first, so the focus leaving the calendar as it goes closes nothing twice.
    state->calendar = nullptr;
    const bool focused = GetFocus() == calendar;
    ShowWindow(calendar, SW_HIDE);
    Redraw(hwnd);
    const bool alive = NotifySimple(hwnd, DTN_CLOSEUP);
    if (alive && focused) SetFocus(hwnd);
    DestroyWindow(calendar);
}

void ToggleCalendar(HWND hwnd) {
    State* state = StateOf(hwnd);
    if (!state) return;
    if (state->calendar) CloseCalendar(hwnd);
    else OpenCalendar(hwnd);
}

void OnCalendarSelect(HWND hwnd, const NMSELCHANGE& chosen) {
    State* state = StateOf(hwnd);
    if (!state || !state->calendar) return;
    SYSTEMTIME date = state->date;
    date.wYear = chosen.stSelStart.wYear;
    date.wMonth = chosen.stSelStart.wMonth;
    date.wDay = chosen.stSelStart.wDay;
    if (IsValid(date)) {
        state->date = WithWeekday(RangeOf(*state).Clamp(date));
        state->checked = true;
        state->typed.clear();
        Redraw(hwnd);
        if (!NotifyChange(hwnd)) return;
    }
    CloseCalendar(hwnd);
}

bool ClosedByThisClick(HWND hwnd) {
    State* state = StateOf(hwnd);
    if (!state) return false;
    const bool closed = state->closedByClick && state->closedAt == static_cast<DWORD>(GetMessageTime());
    state->closedByClick = false;
    return closed;
}

}  // namespace platform::datepick
