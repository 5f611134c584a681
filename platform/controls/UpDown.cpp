// The up-down control ("msctls_updown32"): a pair of arrows that step a value through a range,
// usually shown in a buddy window beside them. The program sets and reads the range, the
// position, the buddy, the acceleration and the base with UDM_* messages; what a person does
// with the arrows is in UpDownInput.cpp, what the buddy does in UpDownBuddy.cpp.
#include <algorithm>
#include <utility>

#include "controls/SystemClasses.h"
#include "controls/UpDownBuddy.h"
#include "controls/UpDownGeometry.h"
#include "controls/UpDownInput.h"
#include "controls/UpDownPaint.h"
#include "controls/UpDownValue.h"

namespace platform {

namespace updown {

namespace {

constexpr int kStateSlot = 0;

void SetStateOf(HWND hwnd, State* state) { SetWindowLongPtrW(hwnd, kStateSlot, reinterpret_cast<LONG_PTR>(state)); }

// A vertical control is made the platform's width whatever width it was given; UDS_AUTOBUDDY
// takes the window just above it among its siblings as its buddy.
void OnCreate(HWND hwnd, State& state) {
    const LONG style = StyleOf(hwnd);
    if (!(style & UDS_HORZ)) {
        RECT rect{};
        GetWindowRect(hwnd, &rect);
        SetWindowPos(hwnd, nullptr, 0, 0, kWidth, rect.bottom - rect.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (style & UDS_AUTOBUDDY) SetBuddy(hwnd, state, GetWindow(hwnd, GW_HWNDPREV));
}

// The buddy's number, when it holds one, becomes the position; a position left outside a range
// set since reads as the nearer end, and as a failure.
int GetPosition(HWND hwnd, State& state, BOOL* failed) {
    bool read = ReadBuddy(hwnd, state);
    if (!InBounds(state, state.pos)) read = false;
    if (failed) *failed = !read;
    return Clamped(state, state.pos);
}

// Returns the position before, as it read in the range now.
int SetPosition(HWND hwnd, State& state, int position) {
    const int old = Clamped(state, state.pos);
    state.pos = Clamped(state, position);
    InvalidateRect(hwnd, nullptr, FALSE);
    WriteBuddy(hwnd, state);
    return old;
}

// The platform shows bases 10 and 16 only; any other is refused with 0.
LRESULT SetBase(HWND hwnd, State& state, WPARAM base) {
    if (base != 10 && base != 16) return 0;
    const int old = std::exchange(state.base, static_cast<int>(base));
    if (old != state.base) WriteBuddy(hwnd, state);
    return old;
}

LRESULT SetAccel(State& state, WPARAM count, const UDACCEL* accels) {
    if (count && !accels) return FALSE;
    state.accels.assign(accels, accels + count);
    return TRUE;
}

// With no room and no count asked for, the answer is how many entries there are.
LRESULT GetAccel(const State& state, WPARAM count, UDACCEL* out) {
    if (!count && !out) return static_cast<LRESULT>(state.accels.size());
    if (!count || !out) return 0;
    const std::size_t copied = std::min<std::size_t>(count, state.accels.size());
    std::copy_n(state.accels.begin(), copied, out);
    return static_cast<LRESULT>(copied);
}

LRESULT GetRange32(const State& state, WPARAM minOut, LPARAM maxOut) {
    if (auto* min = reinterpret_cast<int*>(minOut)) *min = state.min;
    if (auto* max = reinterpret_cast<int*>(maxOut)) *max = state.max;
    return 0;
}

LRESULT OnValueMessage(HWND hwnd, State& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    // The 16-bit range packs the maximum low and the minimum high, both signed.
    case UDM_SETRANGE:
        state.max = static_cast<SHORT>(LOWORD(lParam));
        state.min = static_cast<SHORT>(HIWORD(lParam));
        return 0;
    case UDM_GETRANGE: return static_cast<LRESULT>(MAKELONG(state.max, state.min));
    case UDM_SETRANGE32:
        state.min = static_cast<int>(wParam);
        state.max = static_cast<int>(lParam);
        return 0;
    case UDM_GETRANGE32: return GetRange32(state, wParam, lParam);
    case UDM_SETPOS: return SetPosition(hwnd, state, static_cast<SHORT>(LOWORD(lParam)));
    case UDM_SETPOS32: return SetPosition(hwnd, state, static_cast<int>(lParam));
    case UDM_GETPOS32: return GetPosition(hwnd, state, reinterpret_cast<BOOL*>(lParam));
    case UDM_GETPOS: {
        BOOL failed = FALSE;
        const int position = GetPosition(hwnd, state, &failed);
        return static_cast<LRESULT>(MAKELONG(position, failed));
    }
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

LRESULT OnSettingMessage(HWND hwnd, State& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case UDM_SETBUDDY: return reinterpret_cast<LRESULT>(SetBuddy(hwnd, state, reinterpret_cast<HWND>(wParam)));
    case UDM_GETBUDDY: return reinterpret_cast<LRESULT>(state.buddy);
    case UDM_SETACCEL: return SetAccel(state, wParam, reinterpret_cast<const UDACCEL*>(lParam));
    case UDM_GETACCEL: return GetAccel(state, wParam, reinterpret_cast<UDACCEL*>(lParam));
    case UDM_SETBASE: return SetBase(hwnd, state, wParam);
    case UDM_GETBASE: return state.base;
    default: return OnValueMessage(hwnd, state, message, wParam, lParam);
    }
}

POINT PointOf(LPARAM lParam) { return {static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))}; }

LRESULT OnInput(HWND hwnd, State& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN: OnButtonDown(hwnd, PointOf(lParam)); return 0;
    case WM_MOUSEMOVE: OnMouseMove(hwnd, state, PointOf(lParam)); return 0;
    case WM_MOUSELEAVE: OnMouseLeave(hwnd, state); return 0;
    case WM_LBUTTONUP: OnButtonUp(hwnd); return 0;
    case WM_TIMER: OnTimer(hwnd, wParam); return 0;
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE: CancelPress(hwnd, state); return 0;
    case WM_KEYDOWN:
        if ((StyleOf(hwnd) & UDS_ARROWKEYS) && IsEnabled(hwnd, state)) return OnArrowKey(hwnd, static_cast<UINT>(wParam));
        return DefWindowProcW(hwnd, message, wParam, lParam);
    default: return OnSettingMessage(hwnd, state, message, wParam, lParam);
    }
}

void OnNcDestroy(HWND hwnd) {
    delete StateOf(hwnd);
    SetStateOf(hwnd, nullptr);
}

}  // namespace

State* StateOf(HWND hwnd) { return reinterpret_cast<State*>(GetWindowLongPtrW(hwnd, kStateSlot)); }

}  // namespace updown

using namespace updown;

LRESULT CALLBACK UpDownProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) SetStateOf(hwnd, new State);
    State* state = StateOf(hwnd);
    if (!state) return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_CREATE: OnCreate(hwnd, *state); return 0;
    case WM_DESTROY: LetBuddyGo(hwnd, *state); return 0;
    case WM_NCDESTROY: OnNcDestroy(hwnd); return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_PAINT: Paint(hwnd, *state); return 0;
    case WM_ERASEBKGND: return 1;  // painted whole in WM_PAINT
    case WM_ENABLE:
        if (!wParam) CancelPress(hwnd, *state);
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_SIZE: case WM_STYLECHANGED: InvalidateRect(hwnd, nullptr, FALSE); return 0;
    default: return OnInput(hwnd, *state, message, wParam, lParam);
    }
}

}  // namespace platform
