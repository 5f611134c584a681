// The trackbar ("msctls_trackbar32"): a thumb a person slides along a channel to pick a value
// in a range, with the mouse or the keys. Every move is told to the parent as WM_HSCROLL (or
// WM_VSCROLL with TBS_VERT) carrying a TB_* code; the program sets and reads the range, the
// position, the steps and the tick marks with TBM_* messages.
#include <algorithm>
#include <utility>

#include "controls/SystemClasses.h"
#include "controls/TrackbarGeometry.h"
#include "controls/TrackbarState.h"

namespace platform {

namespace trackbar {

namespace {

constexpr int kStateSlot = 0;

}  // namespace

State* StateOf(HWND hwnd) { return reinterpret_cast<State*>(GetWindowLongPtrW(hwnd, kStateSlot)); }

void SetStateOf(HWND hwnd, State* state) { SetWindowLongPtrW(hwnd, kStateSlot, reinterpret_cast<LONG_PTR>(state)); }

bool NotifyScroll(HWND hwnd, WORD code, WORD position) {
    const UINT message = IsVertical(hwnd) ? WM_VSCROLL : WM_HSCROLL;
    SendMessageW(GetParent(hwnd), message, MAKEWPARAM(code, position), reinterpret_cast<LPARAM>(hwnd));
    return StateOf(hwnd) != nullptr;
}

void NotifyReleasedCapture(HWND hwnd) {
    const int id = GetDlgCtrlID(hwnd);
    NMHDR header{hwnd, static_cast<UINT_PTR>(id), NM_RELEASEDCAPTURE};
    SendMessageW(GetParent(hwnd), WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&header));
}

namespace {

constexpr LONG kDefaultPageSize = 20;
// TBS_AUTOTICKS with a frequency far below the range's size asks for more marks than anyone can
// see, up to billions; past this many the trackbar keeps only the ends rather than fill memory.
constexpr long long kMostAutoTics = 1 << 20;

// Up to the minimum first, then down to the maximum, so a range whose ends are crossed leaves
// the position at its maximum.
LONG Clamped(const State& state, LONG position) {
    if (position < state.min) position = state.min;
    if (position > state.max) position = state.max;
    return position;
}

// TBS_AUTOTICKS: a mark every `ticFrequency` from the minimum, none on the maximum.
void LayOutTics(State& state) {
    state.tics.clear();
    if (state.ticFrequency == 0 || state.max < state.min) return;
    const long long span = static_cast<long long>(state.max) - state.min;
    long long count = span / state.ticFrequency;
    if (count && span % state.ticFrequency == 0) --count;
    if (count > kMostAutoTics) return;
    for (long long i = 1; i <= count; ++i) state.tics.push_back(static_cast<LONG>(state.min + i * state.ticFrequency));
}

// After the range was set: the page size picked again unless the program gave one, and, with
// TBS_AUTOTICKS, the marks laid out again when the range changed.
void AfterRangeChange(HWND hwnd, State& state, bool rangeChanged) {
    if (!state.pageSizeGiven) {
        state.pageSize = static_cast<LONG>((static_cast<long long>(state.max) - state.min) / 5);
        if (state.pageSize == 0) state.pageSize = 1;
    }
    if (rangeChanged && (StyleOf(hwnd) & TBS_AUTOTICKS)) LayOutTics(state);
}

void Redraw(HWND hwnd, WPARAM redraw) {
    if (redraw) InvalidateRect(hwnd, nullptr, FALSE);
}

// Each way of changing the range pulls the position in its own way: TBM_SETRANGE into the
// whole range, TBM_SETRANGEMIN up to the new minimum only, TBM_SETRANGEMAX down to the new
// maximum only, or to the minimum when that lies above it.
enum class RangeEnd { Both, Min, Max };

void SetRange(HWND hwnd, State& state, RangeEnd which, LONG min, LONG max, WPARAM redraw) {
    const bool changed = min != state.min || max != state.max;
    state.min = min;
    state.max = max;
    if (which == RangeEnd::Both) state.pos = Clamped(state, state.pos);
    if (which == RangeEnd::Min && state.pos < min) state.pos = min;
    if (which == RangeEnd::Max && state.pos > std::max(max, min)) state.pos = std::max(max, min);
    AfterRangeChange(hwnd, state, changed);
    Redraw(hwnd, redraw);
}

LRESULT SetPageSize(State& state, LPARAM size) {
    const LONG old = state.pageSize;
    state.pageSizeGiven = size != -1;
    state.pageSize = state.pageSizeGiven ? static_cast<LONG>(size) : kDefaultPageSize;
    return old;
}

// A mark anywhere in the range is kept, the same value as often as it is given.
LRESULT SetTic(HWND hwnd, State& state, LONG value) {
    if (value < state.min || value > state.max) return FALSE;
    state.tics.insert(std::upper_bound(state.tics.begin(), state.tics.end(), value), value);
    InvalidateRect(hwnd, nullptr, FALSE);
    return TRUE;
}

LRESULT CountTics(HWND hwnd, const State& state) {
    if (StyleOf(hwnd) & TBS_NOTICKS) return 0;
    return static_cast<LRESULT>(state.tics.size() + 2);
}

LRESULT SetTicFrequency(HWND hwnd, State& state, WPARAM frequency) {
    state.ticFrequency = static_cast<UINT>(frequency);
    if (StyleOf(hwnd) & TBS_AUTOTICKS) LayOutTics(state);
    InvalidateRect(hwnd, nullptr, FALSE);
    return 0;
}

LRESULT CopyRect(const RECT& rect, LPARAM out) {
    if (auto* target = reinterpret_cast<RECT*>(out)) *target = rect;
    return 0;
}

LRESULT OnRangeMessage(HWND hwnd, State& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case TBM_GETRANGEMIN: return state.min;
    case TBM_GETRANGEMAX: return state.max;
    case TBM_SETRANGE:
        // Both ends in one value, as signed 16-bit halves.
        SetRange(hwnd, state, RangeEnd::Both, static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam)),
                 wParam);
        return 0;
    case TBM_SETRANGEMIN:
        SetRange(hwnd, state, RangeEnd::Min, static_cast<LONG>(lParam), state.max, wParam);
        return 0;
    case TBM_SETRANGEMAX:
        SetRange(hwnd, state, RangeEnd::Max, state.min, static_cast<LONG>(lParam), wParam);
        return 0;
    case TBM_SETPOS:
        state.pos = Clamped(state, static_cast<LONG>(lParam));
        Redraw(hwnd, wParam);
        return 0;
    case TBM_GETPOS: return state.pos;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

LRESULT OnStepsMessage(HWND hwnd, State& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case TBM_SETPAGESIZE: return SetPageSize(state, lParam);
    case TBM_GETPAGESIZE: return state.pageSize;
    case TBM_SETLINESIZE: return std::exchange(state.lineSize, static_cast<LONG>(lParam));
    case TBM_GETLINESIZE: return state.lineSize;
    case TBM_SETTIC: return SetTic(hwnd, state, static_cast<LONG>(lParam));
    case TBM_GETTIC: return wParam < state.tics.size() ? state.tics[wParam] : -1;
    case TBM_GETNUMTICS: return CountTics(hwnd, state);
    case TBM_CLEARTICS:
        state.tics.clear();
        Redraw(hwnd, wParam);
        return 0;
    case TBM_SETTICFREQ: return SetTicFrequency(hwnd, state, wParam);
    case TBM_GETTHUMBRECT: return CopyRect(ThumbRect(hwnd, state), lParam);
    case TBM_GETCHANNELRECT: return CopyRect(ChannelRect(hwnd), lParam);
    default: return OnRangeMessage(hwnd, state, message, wParam, lParam);
    }
}

POINT PointOf(LPARAM lParam) { return {static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))}; }

LRESULT OnInput(HWND hwnd, State& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN: return OnKeyDown(hwnd, state, static_cast<UINT>(wParam));
    case WM_KEYUP: return OnKeyUp(hwnd, static_cast<UINT>(wParam));
    case WM_LBUTTONDOWN: OnButtonDown(hwnd, state, PointOf(lParam)); return 0;
    case WM_MOUSEMOVE: OnMouseMove(hwnd, state, PointOf(lParam)); return 0;
    case WM_LBUTTONUP: OnButtonUp(hwnd, state); return 0;
    case WM_CAPTURECHANGED: OnCaptureChanged(hwnd, state, reinterpret_cast<HWND>(lParam)); return 0;
    case WM_TIMER: OnTimer(hwnd, state, wParam); return 0;
    default: return OnStepsMessage(hwnd, state, message, wParam, lParam);
    }
}

void OnNcDestroy(HWND hwnd) {
    delete StateOf(hwnd);
    SetStateOf(hwnd, nullptr);
}

}  // namespace

}  // namespace trackbar

using namespace trackbar;

LRESULT CALLBACK TrackbarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) SetStateOf(hwnd, new State);
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
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    default: return OnInput(hwnd, *state, message, wParam, lParam);
    }
}

}  // namespace platform
