// How a person uses a tab control. Every key pressed while it has the focus is told to the parent
// (TCN_KEYDOWN) first; Left and Right then move the focus a tab, which moves the selection too
// unless the tabs are buttons. Home, End, Up, Down and Ctrl+Tab do nothing here, as in the
// platform's tab control (Ctrl+Tab is the property sheet's). A press on a tab selects it; the
// release over a tab is a click (NM_CLICK, NM_RCLICK), wherever the press was.
#include "controls/TabControlLayout.h"
#include "controls/TabControlState.h"

namespace platform::tabcontrol {

namespace {

// The press takes the focus unless TCS_FOCUSNEVER; with TCS_FOCUSONBUTTONDOWN, tabs (not
// buttons) take it only from a press on a tab not yet selected, as the platform's do.
bool PressTakesFocus(HWND hwnd, const State& state, int pressed) {
    const LONG style = StyleOf(hwnd);
    if (pressed == -1 || (style & TCS_FOCUSNEVER)) return false;
    if (!(style & TCS_FOCUSONBUTTONDOWN) || (style & TCS_BUTTONS)) return true;
    return pressed != state.selected;
}

}  // namespace

LRESULT OnKeyDown(HWND hwnd, State& state, WPARAM key, LPARAM flags) {
    NotifyKey(hwnd, static_cast<WORD>(key), flags);
    if (!StateOf(hwnd) || (key != VK_LEFT && key != VK_RIGHT)) return 0;
    const int next = state.focus + (key == VK_LEFT ? -1 : 1);
    if (IsIndex(state, next)) SetCurFocus(hwnd, state, next);
    return 0;
}

void OnButtonDown(HWND hwnd, State& state, POINT at) {
    const int pressed = HitTest(hwnd, state, LayOut(hwnd, state), at);
    if (PressTakesFocus(hwnd, state, pressed)) SetFocus(hwnd);
    if (pressed != -1 && StateOf(hwnd)) SelectByMouse(hwnd, state, pressed);
}

void OnButtonUp(HWND hwnd, const State& state, POINT at, UINT code) {
    if (HitTest(hwnd, state, LayOut(hwnd, state), at) != -1) Notify(hwnd, code);
}

}  // namespace platform::tabcontrol
