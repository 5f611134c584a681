// The "ComboBox" control: a selection field with a list that drops down from it. With
// CBS_DROPDOWNLIST the field shows the selected item and a click anywhere on it opens the list;
// with CBS_DROPDOWN the field is an edit a person can type into, and the arrow at its right
// opens the list. The box holds no items of its own: its list, a "ComboLBox" pop-up made with
// LBS_COMBOBOX, holds them, and the box hands it the CB_ messages as the matching LB_ ones.
// What a person does is told to the parent with the CBN_ notices, in the platform's order.
//
// The height the window is made with covers the dropped list; the window itself is made as tall
// as its field, and a later change of height gives the list its room instead. CBS_SIMPLE, whose
// list never drops, is made as CBS_DROPDOWN is.
#include <algorithm>

#include "controls/ComboBoxHandlers.h"
#include "controls/ComboBoxLayout.h"
#include "controls/ComboDropDown.h"
#include "controls/ComboEdit.h"
#include "controls/SystemClasses.h"

namespace platform {

namespace combo {

namespace {

POINT PointOf(LPARAM lParam) { return {static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))}; }

DWORD ListStyleOf(HWND hwnd) {
    const LONG style = StyleOf(hwnd);
    DWORD list = WS_POPUP | WS_CLIPSIBLINGS | LBS_COMBOBOX | LBS_HASSTRINGS | LBS_NOTIFY;
    if (style & CBS_SORT) list |= LBS_SORT;
    if (style & CBS_NOINTEGRALHEIGHT) list |= LBS_NOINTEGRALHEIGHT;
    if (style & WS_DISABLED) list |= WS_DISABLED;
    return list;
}

// The list waits hidden where it will drop, so that its page is the dropped one even while it
// is closed; it knows its combo box from the creation parameter.
HWND CreateList(HWND hwnd, const State& state) {
    RECT box{};
    GetWindowRect(hwnd, &box);
    return CreateWindowExW(WS_EX_TOOLWINDOW, L"ComboLBox", L"", ListStyleOf(hwnd), box.left, box.top + WindowHeight(state),
                           box.right - box.left, state.droppedHeight, hwnd, nullptr, nullptr, hwnd);
}

// The box has no scroll bars of its own, as on the platform, where WS_VSCROLL is for its list.
LRESULT OnNcCreate(HWND hwnd, LPARAM lParam) {
    SetStateOf(hwnd, new State);
    SetWindowLongW(hwnd, GWL_STYLE, StyleOf(hwnd) & ~(WS_VSCROLL | WS_HSCROLL));
    return DefWindowProcW(hwnd, WM_NCCREATE, 0, lParam);
}

LRESULT OnCreate(HWND hwnd, State& state, const CREATESTRUCTW* create) {
    state.fieldHeight = FieldHeightFor(hwnd, nullptr);
    state.droppedHeight = std::max(0, create->cy - DroppedTop(hwnd, state));
    state.list = CreateList(hwnd, state);
    if (!state.list) return -1;
    if (!IsDropDownList(hwnd) && !(state.edit = CreateEdit(hwnd))) return -1;
    FitToField(hwnd, state);
    return 0;
}

void OnDestroy(State& state) {
    if (state.list) DestroyWindow(state.list);
    state.list = nullptr;
}

void OnNcDestroy(HWND hwnd) {
    delete StateOf(hwnd);
    SetStateOf(hwnd, nullptr);
}

// A new height from the program is the room for the list; the window keeps its field's. A
// closed list takes the room at once, so that its page is the dropped one.
void OnPositionChanging(State& state, WINDOWPOS& pos) {
    if ((pos.flags & SWP_NOSIZE) || pos.cy == WindowHeight(state)) return;
    state.droppedHeight = std::max(0, pos.cy - WindowHeight(state));
    pos.cy = WindowHeight(state);
    if (!state.dropped)
        SetWindowPos(state.list, nullptr, 0, 0, pos.cx, state.droppedHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A new font measures the field afresh, a height set before included, and goes to the edit
// and the list, which measure their lines by it.
void OnSetFont(HWND hwnd, State& state, HFONT font, bool redraw) {
    state.font = font;
    state.fieldHeight = FieldHeightFor(hwnd, font);
    if (state.edit) SendMessageW(state.edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(state.list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    FitToField(hwnd, state);
    if (redraw) RepaintField(hwnd);
}

void OnEnable(HWND hwnd, const State& state, bool enabled) {
    if (state.edit) EnableWindow(state.edit, enabled);
    EnableWindow(state.list, enabled);
    RepaintField(hwnd);
}

// CBS_DROPDOWN hands its focus to the edit, whose whole text the first focus selects.
void OnSetFocus(HWND hwnd, State& state) {
    if (!state.edit) return OnFocusGained(hwnd);
    HWND edit = state.edit;
    const bool first = !state.everFocused;
    state.everFocused = true;
    SetFocus(edit);
    if (first && StateOf(hwnd)) SendMessageW(edit, EM_SETSEL, 0, -1);
}

void OnKillFocus(HWND hwnd, const State& state) {
    if (!state.edit) OnFocusLost(hwnd);  // the edit tells when it loses the focus
}

void OnCommand(HWND hwnd, const State& state, WPARAM wParam, LPARAM lParam) {
    HWND from = reinterpret_cast<HWND>(lParam);
    if (from && from == state.list) OnListNotice(hwnd, HIWORD(wParam));
    else if (from && from == state.edit) OnEditNotice(hwnd, HIWORD(wParam));
}

// The edit's and the list's colours are the parent's to choose, as the box's own are.
LRESULT PassColoursOn(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND parent = GetParent(hwnd);
    return parent ? SendMessageW(parent, message, wParam, lParam) : DefWindowProcW(hwnd, message, wParam, lParam);
}

// While the list is open, Enter and Escape close it rather than the dialog.
LRESULT DialogCode(const State& state, LPARAM lParam) {
    LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    const bool enterOrEscape = msg && msg->message == WM_KEYDOWN && (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE);
    if (state.dropped && enterOrEscape) code |= DLGC_WANTMESSAGE;
    return code;
}

LRESULT OnInput(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: OnButtonDown(hwnd, PointOf(lParam)); return 0;
    case WM_MOUSEMOVE: OnMouseMove(hwnd, PointOf(lParam), wParam); return 0;
    case WM_LBUTTONUP: OnButtonUp(hwnd); return 0;
    case WM_CAPTURECHANGED: OnCaptureLost(hwnd); return 0;
    case WM_KEYDOWN:
        if (OnKey(hwnd, static_cast<UINT>(wParam))) return 0;
        break;
    case WM_SYSKEYDOWN:
        if (OnSysKey(hwnd, static_cast<UINT>(wParam), lParam)) return 0;
        break;
    case WM_CHAR: OnChar(hwnd, static_cast<WCHAR>(wParam)); return 0;
    case WM_MOUSEWHEEL: OnWheel(hwnd, GET_WHEEL_DELTA_WPARAM(wParam)); return 0;
    default: break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT OnMessage(HWND hwnd, State& state, UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsComboMessage(message)) return OnComboMessage(hwnd, state, message, wParam, lParam);
    switch (message) {
    case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORSTATIC: case WM_CTLCOLORBTN:
        return PassColoursOn(hwnd, message, wParam, lParam);
    case WM_COMMAND: OnCommand(hwnd, state, wParam, lParam); return 0;
    case WM_GETDLGCODE: return DialogCode(state, lParam);
    default: return OnInput(hwnd, message, wParam, lParam);
    }
}

}  // namespace

}  // namespace combo

using namespace combo;

LRESULT CALLBACK ComboBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) return OnNcCreate(hwnd, lParam);
    State* state = StateOf(hwnd);
    if (!state) return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_CREATE: return OnCreate(hwnd, *state, reinterpret_cast<const CREATESTRUCTW*>(lParam));
    case WM_DESTROY: OnDestroy(*state); return 0;
    case WM_NCDESTROY: OnNcDestroy(hwnd); return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_PAINT: Paint(hwnd, *state); return 0;
    case WM_ERASEBKGND: return 1;  // painted whole in WM_PAINT
    case WM_WINDOWPOSCHANGING:
        OnPositionChanging(*state, *reinterpret_cast<WINDOWPOS*>(lParam));
        return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_SIZE: PlaceEdit(hwnd, *state); RepaintField(hwnd); return 0;
    case WM_SETFONT: OnSetFont(hwnd, *state, reinterpret_cast<HFONT>(wParam), LOWORD(lParam) != 0); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(state->font);
    case WM_ENABLE: OnEnable(hwnd, *state, wParam != 0); return 0;
    case WM_SETFOCUS: OnSetFocus(hwnd, *state); return 0;
    case WM_KILLFOCUS: OnKillFocus(hwnd, *state); return 0;
    default: return OnMessage(hwnd, *state, message, wParam, lParam);
    }
}

}  // namespace platform
