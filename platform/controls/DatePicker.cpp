// The date and time picker ("SysDateTimePick32"): a date shown in a format picture's fields,
// edited field by field, with a calendar to drop (or an up-down control with DTS_UPDOWN). The
// program sets and reads the date, the range and the picture with DTM_* messages; what a person
// does is in DatePickerInput.cpp, the calendar in DatePickerDropDown.cpp.
#include <algorithm>
#include <utility>

#include "controls/DatePickerDropDown.h"
#include "controls/DatePickerInput.h"
#include "controls/DatePickerLayout.h"
#include "controls/DatePickerPaint.h"
#include "controls/Look.h"
#include "controls/SystemClasses.h"

namespace platform {

namespace datepick {

namespace {

constexpr int kStateSlot = 0;
constexpr int kUpDownId = 1;

void SetStateOf(HWND hwnd, State* state) { SetWindowLongPtrW(hwnd, kStateSlot, reinterpret_cast<LONG_PTR>(state)); }

// The up-down control steps the selected field; its own position never moves, so it never
// reaches an end of its range.
HWND MakeUpDown(HWND hwnd) {
    RegisterCommonClasses(ICC_UPDOWN_CLASS);
    const RECT room = LayoutOf(hwnd).button;
    HWND updown = CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE, room.left, room.top,
                                  room.right - room.left, room.bottom - room.top, hwnd,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kUpDownId)), nullptr, nullptr);
    if (updown) SendMessageW(updown, UDM_SETRANGE32, 0, 2);
    return updown;
}

void PlaceUpDown(HWND hwnd, const State& state) {
    if (!state.updown) return;
    const RECT room = LayoutOf(hwnd).button;
    SetWindowPos(state.updown, nullptr, room.left, room.top, room.right - room.left, room.bottom - room.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// A fresh picker shows the local time, and with DTS_SHOWNONE starts unchecked, as the
// platform's does.
void OnCreate(HWND hwnd, State& state) {
    GetLocalTime(&state.date);
    state.date = WithWeekday(state.date);
    state.checked = !(StyleOf(hwnd) & DTS_SHOWNONE);
    ReadPicture(hwnd, state);
    if (HasUpDown(StyleOf(hwnd))) state.updown = MakeUpDown(hwnd);
}

// A null pointer reads as GDT_NONE, as on the platform.
LRESULT GetSystemTime(const State& state, SYSTEMTIME* out) {
    if (!out || !state.checked) return GDT_NONE;
    *out = state.date;
    return GDT_VALID;
}

// A real date outside the range is answered TRUE and not kept, as the platform does.
LRESULT SetSystemTime(HWND hwnd, State& state, WPARAM flag, const SYSTEMTIME* time) {
    if (!time) return FALSE;
    if (flag == GDT_NONE) {
        if (!(StyleOf(hwnd) & DTS_SHOWNONE)) return FALSE;
        state.checked = false;
    } else if (flag == GDT_VALID) {
        if (!IsValid(*time)) return FALSE;
        if (!RangeOf(state).Holds(*time)) return TRUE;
        state.date = WithWeekday(*time);
        state.checked = true;
        if (state.calendar) SendMessageW(state.calendar, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&state.date));
    } else {
        return FALSE;
    }
    state.typed.clear();
    Redraw(hwnd);
    return TRUE;
}

LRESULT GetRange(const State& state, SYSTEMTIME* out) {
    if (!out) return 0;
    for (int i = 0; i < 2; ++i) out[i] = (state.rangeFlags & (i ? GDTR_MAX : GDTR_MIN)) ? state.limits[i] : SYSTEMTIME{};
    return static_cast<LRESULT>(state.rangeFlags);
}

// Limits given the wrong way round are swapped, as the platform swaps them; an impossible
// date among those given refuses the whole call.
LRESULT SetRange(State& state, WPARAM flags, const SYSTEMTIME* limits) {
    if (!limits) return FALSE;
    flags &= GDTR_MIN | GDTR_MAX;
    if (((flags & GDTR_MIN) && !IsValid(limits[0])) || ((flags & GDTR_MAX) && !IsValid(limits[1]))) return FALSE;
    state.rangeFlags = static_cast<DWORD>(flags);
    for (int i = 0; i < 2; ++i) state.limits[i] = (flags & (i ? GDTR_MAX : GDTR_MIN)) ? limits[i] : SYSTEMTIME{};
    if (flags == (GDTR_MIN | GDTR_MAX) && Compare(state.limits[0], state.limits[1]) > 0) std::swap(state.limits[0], state.limits[1]);
    if (state.calendar) {
        const Range range = RangeOf(state);
        SYSTEMTIME bounds[2] = {range.min, range.max};
        SendMessageW(state.calendar, MCM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(bounds));
    }
    return TRUE;
}

LRESULT SetPicture(HWND hwnd, State& state, const wchar_t* picture) {
    state.customPicture = picture ? picture : L"";
    ReadPicture(hwnd, state);
    return TRUE;
}

LRESULT GetText(const State& state, WPARAM size, wchar_t* out) {
    const std::wstring text = Text(state.fields, state.date);
    if (!out || size == 0) return 0;
    const std::size_t copied = std::min<std::size_t>(text.size(), size - 1);
    text.copy(out, copied);
    out[copied] = L'\0';
    return static_cast<LRESULT>(copied);
}

LRESULT OnNotify(HWND hwnd, const State& state, const NMHDR* header) {
    if (!header) return 0;
    if (header->hwndFrom == state.updown && state.updown && header->code == UDN_DELTAPOS) {
        StepSelected(hwnd, reinterpret_cast<const NMUPDOWN*>(header)->iDelta > 0 ? Step::Up : Step::Down);
        return 1;
    }
    if (header->hwndFrom == state.calendar && state.calendar && header->code == MCN_SELECT)
        OnCalendarSelect(hwnd, *reinterpret_cast<const NMSELCHANGE*>(header));
    return 0;
}

LRESULT OnPickerMessage(HWND hwnd, State& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case DTM_GETSYSTEMTIME: return GetSystemTime(state, reinterpret_cast<SYSTEMTIME*>(lParam));
    case DTM_SETSYSTEMTIME: return SetSystemTime(hwnd, state, wParam, reinterpret_cast<const SYSTEMTIME*>(lParam));
    case DTM_GETRANGE: return GetRange(state, reinterpret_cast<SYSTEMTIME*>(lParam));
    case DTM_SETRANGE: return SetRange(state, wParam, reinterpret_cast<const SYSTEMTIME*>(lParam));
    case DTM_SETFORMATW: return SetPicture(hwnd, state, reinterpret_cast<const wchar_t*>(lParam));
    case DTM_GETMONTHCAL: return reinterpret_cast<LRESULT>(state.calendar);
    case DTM_CLOSEMONTHCAL: CloseCalendar(hwnd); return 0;
    case WM_GETTEXT: return GetText(state, wParam, reinterpret_cast<wchar_t*>(lParam));
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(Text(state.fields, state.date).size());
    case WM_SETTEXT: return FALSE;
    case WM_SETFONT:
        state.font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam)) Redraw(hwnd);
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(look::FontOf(hwnd, state.font));
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_NOTIFY: return OnNotify(hwnd, state, reinterpret_cast<const NMHDR*>(lParam));
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

POINT PointOf(LPARAM lParam) { return {static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))}; }

LRESULT OnInput(HWND hwnd, State& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: OnButtonDown(hwnd, PointOf(lParam)); return 0;
    case WM_KEYDOWN: OnKeyDown(hwnd, wParam); return 0;
    case WM_SYSKEYDOWN:
        if ((lParam & (1 << 29)) && OnSysKeyDown(hwnd, wParam)) return 0;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_CHAR: OnChar(hwnd, static_cast<wchar_t>(wParam)); return 0;
    case WM_SETFOCUS: OnSetFocus(hwnd); return 0;
    case WM_KILLFOCUS: OnKillFocus(hwnd); return 0;
    default: return OnPickerMessage(hwnd, state, message, wParam, lParam);
    }
}

void OnEnable(HWND hwnd, bool enabled) {
    if (!enabled) CloseCalendar(hwnd);
    if (State* alive = StateOf(hwnd); alive && alive->updown) EnableWindow(alive->updown, enabled);
    Redraw(hwnd);
}

// The calendar is a pop-up, not a child, so it goes first; the state goes last.
void OnDestroy(State& state) {
    if (HWND calendar = std::exchange(state.calendar, nullptr)) DestroyWindow(calendar);
}

void OnNcDestroy(HWND hwnd) {
    delete StateOf(hwnd);
    SetStateOf(hwnd, nullptr);
}

}  // namespace

}  // namespace datepick

using namespace datepick;

LRESULT CALLBACK DatePickerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) SetStateOf(hwnd, new State);
    State* state = StateOf(hwnd);
    if (!state) return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_CREATE: OnCreate(hwnd, *state); return 0;
    case WM_DESTROY: OnDestroy(*state); return 0;
    case WM_NCDESTROY: OnNcDestroy(hwnd); return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_PAINT: Paint(hwnd, *state); return 0;
    case WM_ERASEBKGND: return 1;  // painted whole in WM_PAINT
    case WM_ENABLE: OnEnable(hwnd, wParam != 0); return 0;
    case WM_SIZE: PlaceUpDown(hwnd, *state); Redraw(hwnd); return 0;
    case WM_STYLECHANGED: ReadPicture(hwnd, *state); return 0;
    default: return OnInput(hwnd, *state, message, wParam, lParam);
    }
}

}  // namespace platform
