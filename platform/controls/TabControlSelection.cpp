// Which tab is selected and which has the focus, and what the parent hears when they move. The
// program's TCM_SETCURSEL moves them silently; a press on a tab, an arrow key or TCM_SETCURFOCUS
// asks the parent first (TCN_SELCHANGING, a non-zero answer refusing) and tells it afterwards
// (TCN_SELCHANGE). Buttons (TCS_BUTTONS) let the focus wander from the selection, and tell of it
// with TCN_FOCUSCHANGE.
#include <utility>

#include "controls/TabControlState.h"
#include "controls/TabControlView.h"

namespace platform::tabcontrol {

namespace {

void SetPressed(State& state, int index, bool pressed) {
    if (!IsIndex(state, index)) return;
    DWORD& flags = state.items[static_cast<std::size_t>(index)].state;
    flags = pressed ? flags | TCIS_BUTTONPRESSED : flags & ~static_cast<DWORD>(TCIS_BUTTONPRESSED);
}

// Whether the parent lets the selection move: not when it refuses, nor when it destroys the control.
bool ParentAgrees(HWND hwnd) {
    bool alive = true;
    const LRESULT refused = Notify(hwnd, TCN_SELCHANGING, &alive);
    return alive && !refused;
}

void ClearSelection(HWND hwnd, State& state) {
    state.focus = -1;
    if (state.selected == -1) return;
    SetPressed(state, state.selected, false);
    state.selected = -1;
    InvalidateRect(hwnd, nullptr, TRUE);
    Notify(hwnd, TCN_SELCHANGE);
}

void MoveButtonFocus(HWND hwnd, State& state, int index) {
    if (state.focus == index) return;
    state.focus = index;
    InvalidateRect(hwnd, nullptr, TRUE);
    Notify(hwnd, TCN_FOCUSCHANGE);
}

}  // namespace

void MoveSelection(HWND hwnd, State& state, int index) {
    SetPressed(state, state.selected, false);
    state.selected = IsIndex(state, index) ? index : -1;
    state.focus = state.selected;
    SetPressed(state, state.selected, true);
    ShowSelection(hwnd, state);
    InvalidateRect(hwnd, nullptr, TRUE);
}

LRESULT SetCurSel(HWND hwnd, State& state, int index) {
    if (index >= Count(state)) return -1;
    const int previous = state.selected;
    if (index != previous) MoveSelection(hwnd, state, index);
    return previous;
}

// A focus given where there was none moves the selection nowhere and asks nothing.
void SetCurFocus(HWND hwnd, State& state, int index) {
    if (index < 0) return ClearSelection(hwnd, state);
    if (!IsIndex(state, index)) return;
    if (IsButtons(hwnd)) return MoveButtonFocus(hwnd, state, index);
    if (state.selected == index && state.focus != -1) return;
    const int previous = std::exchange(state.focus, index);
    if (previous == -1) {
        InvalidateRect(hwnd, nullptr, TRUE);
        return;
    }
    if (!ParentAgrees(hwnd)) {
        if (StateOf(hwnd)) state.focus = previous;
        return;
    }
    MoveSelection(hwnd, state, index);
    Notify(hwnd, TCN_SELCHANGE);
}

void SelectByMouse(HWND hwnd, State& state, int index) {
    if (index == state.selected || !ParentAgrees(hwnd)) return;
    MoveSelection(hwnd, state, index);
    Notify(hwnd, TCN_SELCHANGE);
}

}  // namespace platform::tabcontrol
