// The tab control ("SysTabControl32"): a row (or rows) of tabs over a page, one of them
// selected, that the program fills with TCM_* messages and that tells its parent through
// WM_NOTIFY (TCN_SELCHANGING, TCN_SELCHANGE, TCN_KEYDOWN, TCN_FOCUSCHANGE, NM_CLICK). The page
// itself is the program's: TCM_ADJUSTRECT says where it lies.
#include "controls/SystemClasses.h"
#include "controls/TabControlLayout.h"
#include "controls/TabControlState.h"
#include "controls/TabControlView.h"

namespace platform {

namespace tabcontrol {

namespace {

constexpr int kStateSlot = 0;
constexpr int kFixedWidth = 96;  // TCS_FIXEDWIDTH's tabs until the program sizes them

void SetStateOf(HWND hwnd, State* state) { SetWindowLongPtrW(hwnd, kStateSlot, reinterpret_cast<LONG_PTR>(state)); }

}  // namespace

State* StateOf(HWND hwnd) { return reinterpret_cast<State*>(GetWindowLongPtrW(hwnd, kStateSlot)); }

LRESULT Notify(HWND hwnd, UINT code, bool* alive) {
    const int id = GetDlgCtrlID(hwnd);
    NMHDR header{hwnd, static_cast<UINT_PTR>(id), code};
    const LRESULT answer =
        SendMessageW(GetParent(hwnd), WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&header));
    if (alive) *alive = StateOf(hwnd) != nullptr;
    return answer;
}

void NotifyKey(HWND hwnd, WORD key, LPARAM flags) {
    const int id = GetDlgCtrlID(hwnd);
    NMTCKEYDOWN note{{hwnd, static_cast<UINT_PTR>(id), TCN_KEYDOWN}, key, static_cast<UINT>(flags)};
    SendMessageW(GetParent(hwnd), WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&note));
}

namespace {

POINT PointOf(LPARAM lParam) { return {static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))}; }

LRESULT GetItemRect(HWND hwnd, const State& state, int index, LPARAM out) {
    RECT rect;
    const bool shown = TabRect(hwnd, state, LayOut(hwnd, state), index, rect);
    if (auto* target = reinterpret_cast<RECT*>(out)) *target = rect;
    return shown;
}

LRESULT HitTestMessage(HWND hwnd, const State& state, LPARAM lParam) {
    auto* info = reinterpret_cast<TCHITTESTINFO*>(lParam);
    if (!info) return -1;
    const int index = HitTest(hwnd, state, LayOut(hwnd, state), info->pt);
    info->flags = index == -1 ? TCHT_NOWHERE : TCHT_ONITEM;
    return index;
}

LRESULT AdjustRectMessage(HWND hwnd, const State& state, WPARAM larger, LPARAM lParam) {
    if (auto* rect = reinterpret_cast<RECT*>(lParam)) AdjustRect(hwnd, LayOut(hwnd, state), larger != 0, *rect);
    return 0;
}

// The width is the fixed-width tabs' alone; the height, 0 for the font's, counts for every style.
LRESULT SetItemSize(HWND hwnd, State& state, LPARAM size) {
    const LRESULT old = MAKELONG(state.fixedWidth, LayOut(hwnd, state).tabHeight);
    if (StyleOf(hwnd) & TCS_FIXEDWIDTH) state.fixedWidth = LOWORD(size);
    state.givenHeight = HIWORD(size);
    Relayout(hwnd, state);
    return old;
}

LRESULT SetMinTabWidth(HWND hwnd, State& state, LPARAM width) {
    const int old = ReportedMinWidth(state.minWidth);
    state.minWidth = static_cast<int>(width);
    Relayout(hwnd, state);
    return old;
}

LRESULT SetPadding(State& state, LPARAM padding) {
    state.givenHPadding = LOWORD(padding);
    state.givenVPadding = HIWORD(padding);
    return 0;
}

LRESULT SetFont(HWND hwnd, State& state, WPARAM font, LPARAM redraw) {
    state.font = reinterpret_cast<HFONT>(font);
    Relayout(hwnd, state);
    if (!LOWORD(redraw)) ValidateRect(hwnd, nullptr);
    return 0;
}

LRESULT OnSizeMessage(HWND hwnd, State& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case TCM_GETITEMRECT: return GetItemRect(hwnd, state, static_cast<int>(wParam), lParam);
    case TCM_HITTEST: return HitTestMessage(hwnd, state, lParam);
    case TCM_ADJUSTRECT: return AdjustRectMessage(hwnd, state, wParam, lParam);
    case TCM_SETITEMSIZE: return SetItemSize(hwnd, state, lParam);
    case TCM_SETPADDING: return SetPadding(state, lParam);
    case TCM_GETROWCOUNT: return LayOut(hwnd, state).rows;
    case TCM_SETMINTABWIDTH: return SetMinTabWidth(hwnd, state, lParam);
    case WM_SETFONT: return SetFont(hwnd, state, wParam, lParam);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(state.font);
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

LRESULT OnItemMessage(HWND hwnd, State& state, UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(wParam);
    switch (message) {
    case TCM_INSERTITEMW: return InsertItem(hwnd, state, index, reinterpret_cast<const TCITEMW*>(lParam));
    case TCM_DELETEITEM: return DeleteItem(hwnd, state, index);
    case TCM_DELETEALLITEMS: return DeleteAllItems(hwnd, state);
    case TCM_GETITEMW: return GetItem(state, index, reinterpret_cast<TCITEMW*>(lParam));
    case TCM_SETITEMW: return SetItem(hwnd, state, index, reinterpret_cast<const TCITEMW*>(lParam));
    case TCM_GETITEMCOUNT: return Count(state);
    case TCM_GETCURSEL: return state.selected;
    case TCM_SETCURSEL: return SetCurSel(hwnd, state, index);
    case TCM_GETCURFOCUS: return state.focus;
    case TCM_SETCURFOCUS: SetCurFocus(hwnd, state, index); return 0;
    default: return OnSizeMessage(hwnd, state, message, wParam, lParam);
    }
}

LRESULT OnInput(HWND hwnd, State& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN: return OnKeyDown(hwnd, state, wParam, lParam);
    case WM_LBUTTONDOWN: OnButtonDown(hwnd, state, PointOf(lParam)); return 0;
    case WM_LBUTTONUP: OnButtonUp(hwnd, state, PointOf(lParam), NM_CLICK); return 0;
    case WM_RBUTTONUP: OnButtonUp(hwnd, state, PointOf(lParam), NM_RCLICK); return 0;
    case WM_HSCROLL: OnHScroll(hwnd, state, LOWORD(wParam), static_cast<SHORT>(HIWORD(wParam))); return 0;
    default: return OnItemMessage(hwnd, state, message, wParam, lParam);
    }
}

void OnNcCreate(HWND hwnd, const CREATESTRUCTW* create) {
    auto* state = new State;
    if (create && (create->style & TCS_FIXEDWIDTH)) state->fixedWidth = kFixedWidth;
    SetStateOf(hwnd, state);
}

void OnNcDestroy(HWND hwnd) {
    delete StateOf(hwnd);
    SetStateOf(hwnd, nullptr);
}

}  // namespace

}  // namespace tabcontrol

using namespace tabcontrol;

LRESULT CALLBACK TabControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) OnNcCreate(hwnd, reinterpret_cast<const CREATESTRUCTW*>(lParam));
    State* state = StateOf(hwnd);
    if (!state) return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_NCDESTROY: OnNcDestroy(hwnd); return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_PAINT: Paint(hwnd, *state); return 0;
    case WM_ERASEBKGND: return 1;  // painted whole in WM_PAINT
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, FALSE); return 0;
    case WM_SIZE:
    case WM_STYLECHANGED: Relayout(hwnd, *state); return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_NOTIFY: return SendMessageW(GetParent(hwnd), WM_NOTIFY, wParam, lParam);  // the arrows', passed on
    default: return OnInput(hwnd, *state, message, wParam, lParam);
    }
}

}  // namespace platform
