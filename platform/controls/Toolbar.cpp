// The toolbar ("ToolbarWindow32"): a row of buttons with images along the top (or bottom) of its
// parent. A click on a button is told to the parent as WM_COMMAND with the button's command id,
// and as WM_NOTIFY codes around it; check buttons and groups of them stay down; drop-down
// buttons ask the parent what to do. The program describes the buttons and images with TB_*
// messages.
#include <algorithm>
#include <utility>

#include "controls/Look.h"
#include "controls/SystemClasses.h"
#include "controls/ToolbarStandardImages.h"
#include "controls/ToolbarState.h"

namespace platform {

namespace toolbar {

namespace {

constexpr int kStateSlot = 0;

void SetStateOf(HWND hwnd, State* state) { SetWindowLongPtrW(hwnd, kStateSlot, reinterpret_cast<LONG_PTR>(state)); }

POINT PointOf(LPARAM lParam) { return {static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))}; }

// The standard images, once per toolbar; the large ones make the images 24 square.
LRESULT AddStandard(HWND hwnd, State& state, UINT_PTR id) {
    if (id != IDB_STD_SMALL_COLOR && id != IDB_STD_LARGE_COLOR) return -1;
    int& first = state.standardFirst[id];
    if (first >= 0) return first;
    const int side = id == IDB_STD_LARGE_COLOR ? kLargeStandardSide : kSmallStandardSide;
    if (id == IDB_STD_LARGE_COLOR) {
        state.bitmapSize = {side, side};
        LayOut(hwnd, state);
    }
    HBITMAP strip = MakeStandardStrip(side);
    first = state.images.Add(strip, kStandardImageCount, true);
    DeleteObject(strip);
    InvalidateRect(hwnd, nullptr, FALSE);
    return first;
}

// A bitmap handle the program gives (hInst null), or the platform's standard images; a
// program's resources are not image sources here.
LRESULT AddBitmap(HWND hwnd, State& state, WPARAM count, LPARAM lParam) {
    const auto* add = reinterpret_cast<const TBADDBITMAP*>(lParam);
    if (add && add->hInst == HINST_COMMCTRL) return AddStandard(hwnd, state, add->nID);
    if (!add || add->hInst) return -1;
    const int first = state.images.Add(reinterpret_cast<HBITMAP>(add->nID), static_cast<int>(std::min<WPARAM>(count, 0x10000)));
    InvalidateRect(hwnd, nullptr, FALSE);
    return first;
}

LRESULT SetBitmapSize(HWND hwnd, State& state, LPARAM size) {
    state.bitmapSize = {LOWORD(size), HIWORD(size)};
    LayOut(hwnd, state);
    return TRUE;
}

LRESULT SetButtonSize(HWND hwnd, State& state, LPARAM size) {
    const LONG cx = LOWORD(size), cy = HIWORD(size);
    state.buttonSize = {cx ? cx : kZeroButtonSize.cx, cy ? cy : kZeroButtonSize.cy};
    LayOut(hwnd, state);
    return TRUE;
}

// An index past the buttons changes nothing and answers the hot button; the answer is the
// button that was hot.
LRESULT SetHotItem(HWND hwnd, State& state, WPARAM wParam) {
    const int index = static_cast<int>(wParam);
    if (index >= static_cast<int>(state.buttons.size())) return state.hot;
    const int old = state.hot;
    SetHot(hwnd, state, std::max(index, -1), HICF_OTHER);
    return old;
}

LRESULT SetExtendedStyle(HWND hwnd, State& state, LPARAM style) {
    const DWORD old = std::exchange(state.extendedStyle, static_cast<DWORD>(style));
    LayOut(hwnd, state);
    return old;
}

LRESULT OnLookMessage(HWND hwnd, State& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case TB_BUTTONSTRUCTSIZE: return 0;
    case TB_ADDBITMAP: return AddBitmap(hwnd, state, wParam, lParam);
    case TB_SETBITMAPSIZE: return SetBitmapSize(hwnd, state, lParam);
    case TB_SETBUTTONSIZE: return SetButtonSize(hwnd, state, lParam);
    case TB_GETBUTTONSIZE: {
        const SIZE size = ButtonSize(state);
        return MAKELONG(size.cx, size.cy);
    }
    case TB_AUTOSIZE: AutoSize(hwnd, state); return 0;
    case TB_GETHOTITEM: return state.hot;
    case TB_SETHOTITEM: return SetHotItem(hwnd, state, wParam);
    case TB_SETEXTENDEDSTYLE: return SetExtendedStyle(hwnd, state, lParam);
    case TB_GETEXTENDEDSTYLE: return state.extendedStyle;
    case TB_GETTOOLTIPS: return reinterpret_cast<LRESULT>(state.tooltip);
    case TB_SETTOOLTIPS: return SetTooltip(hwnd, state, reinterpret_cast<HWND>(wParam));
    default: return OnButtonMessage(hwnd, state, message, wParam, lParam);
    }
}

LRESULT OnInput(HWND hwnd, State& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: OnButtonDown(hwnd, state, PointOf(lParam)); return 0;
    case WM_MOUSEMOVE: OnMouseMove(hwnd, state, PointOf(lParam)); return 0;
    case WM_LBUTTONUP: OnButtonUp(hwnd, state, PointOf(lParam)); return 0;
    case WM_MOUSELEAVE: OnMouseLeave(hwnd, state); return 0;
    case WM_CAPTURECHANGED: OnCaptureChanged(hwnd, state, reinterpret_cast<HWND>(lParam)); return 0;
    default: return OnLookMessage(hwnd, state, message, wParam, lParam);
    }
}

bool IsMouseMessage(UINT message) {
    return message == WM_MOUSEMOVE || message == WM_LBUTTONDOWN || message == WM_LBUTTONUP ||
           message == WM_MOUSELEAVE;
}

// The divider's lines lie above the client area, as the platform's toolbar measures itself.
LRESULT OnNcCalcSize(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    RECT* r = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
    if (r && !(StyleOf(hwnd) & CCS_NODIVIDER)) r->top = std::min(r->top + kDividerHeight, r->bottom);
    return 0;
}

void OnDestroy(HWND hwnd, State& state) {
    if (state.tooltip) DestroyWindow(state.tooltip);
    state.tooltip = nullptr;
    if (GetCapture() == hwnd) ReleaseCapture();
}

void OnNcDestroy(HWND hwnd) {
    delete StateOf(hwnd);
    SetStateOf(hwnd, nullptr);
}

}  // namespace

State* StateOf(HWND hwnd) { return reinterpret_cast<State*>(GetWindowLongPtrW(hwnd, kStateSlot)); }

int IndexOfCommand(const State& state, int command) {
    for (std::size_t i = 0; i < state.buttons.size(); ++i)
        if (state.buttons[i].info.idCommand == command) return static_cast<int>(i);
    return -1;
}

int IndexAt(const State& state, POINT at) {
    for (std::size_t i = 0; i < state.buttons.size(); ++i) {
        const Button& b = state.buttons[i];
        if (!IsHidden(b) && PtInRect(&b.rect, at)) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace toolbar

using namespace toolbar;

LRESULT CALLBACK ToolbarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) SetStateOf(hwnd, new State);
    State* state = StateOf(hwnd);
    if (!state) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (state->tooltip && IsMouseMessage(message)) RelayToTooltip(hwnd, *state, message, wParam, lParam);
    if (!(state = StateOf(hwnd))) return 0;
    switch (message) {
    case WM_CREATE: CreateTooltip(hwnd, *state); return 0;
    case WM_NCCALCSIZE: return OnNcCalcSize(hwnd, wParam, lParam);
    case WM_SIZE: AutoSize(hwnd, *state); return 0;
    case WM_DESTROY: OnDestroy(hwnd, *state); return 0;
    case WM_NCDESTROY: OnNcDestroy(hwnd); return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_PAINT: Paint(hwnd, *state); return 0;
    case WM_ERASEBKGND: return 1;  // painted whole in WM_PAINT
    case WM_NOTIFY: return OnNotify(hwnd, *state, wParam, reinterpret_cast<NMHDR*>(lParam));
    case WM_SETFONT:
        state->font = reinterpret_cast<HFONT>(wParam);
        LayOut(hwnd, *state);
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(look::FontOf(hwnd, state->font));
    case WM_ENABLE:
    case WM_STYLECHANGED: InvalidateRect(hwnd, nullptr, FALSE); return 0;
    default: return OnInput(hwnd, *state, message, wParam, lParam);
    }
}

}  // namespace platform
