// How the mouse works a toolbar, in the order the platform tells the parent. A press on an
// enabled button makes it hot, holds the mouse and draws the button pressed (TBN_BEGINDRAG,
// NM_LDOWN); the button stays pressed only while the pointer is over it (TBN_DRAGOUT when it
// leaves). The release lets the mouse go (NM_RELEASEDCAPTURE, TBN_ENDDRAG), toggles a check
// button, sends WM_COMMAND when it lands on the pressed button, and NM_CLICK always. A drop-down
// button (or the arrow part of one) asks the parent first with TBN_DROPDOWN and is pressed only
// when the answer is TBDDRET_TREATPRESSED. With TBSTYLE_FLAT the button under the pointer is
// hot until the pointer leaves the toolbar.
#include "controls/ToolbarState.h"

namespace platform::toolbar {

namespace {

// The button (not a separator) at `at`, -1 for none.
int ButtonAt(const State& state, POINT at) {
    const int index = IndexAt(state, at);
    return index >= 0 && !IsSeparator(state.buttons[static_cast<std::size_t>(index)]) ? index : -1;
}

// The button at `index` is still the one with `command`, after the parent has heard something.
bool Still(HWND hwnd, const State& state, int index, int command) {
    return Alive(hwnd, state) && index >= 0 && index < static_cast<int>(state.buttons.size()) &&
           state.buttons[static_cast<std::size_t>(index)].info.idCommand == command;
}

bool DropsDown(const State& state, const Button& b, POINT at) {
    if (b.info.fsStyle & BTNS_WHOLEDROPDOWN) return true;
    if (!(b.info.fsStyle & BTNS_DROPDOWN)) return false;
    if (!HasArrow(state, b)) return true;
    const RECT arrow = ArrowRect(state, b);
    return PtInRect(&arrow, at) != FALSE;
}

void SetPressedLook(HWND hwnd, Button& b, bool pressed) {
    if (pressed) b.info.fsState |= TBSTATE_PRESSED;
    else b.info.fsState &= ~TBSTATE_PRESSED;
    InvalidateRect(hwnd, &b.rect, FALSE);
}

void StartPress(HWND hwnd, State& state, int index, POINT at) {
    state.mouse = MouseMode::Pressing;
    state.pressed = index;
    state.pointerOnPressed = true;
    SetPressedLook(hwnd, state.buttons[static_cast<std::size_t>(index)], true);
    SetCapture(hwnd);
    NotifyButton(hwnd, TBN_BEGINDRAG, state, index);
    if (Alive(hwnd, state)) NotifyMouse(hwnd, NM_LDOWN, state, index, at);
}

void TrackPress(HWND hwnd, State& state, bool onPressed) {
    if (onPressed == state.pointerOnPressed) return;
    state.pointerOnPressed = onPressed;
    SetPressedLook(hwnd, state.buttons[static_cast<std::size_t>(state.pressed)], onPressed);
    if (!onPressed) NotifyButton(hwnd, TBN_DRAGOUT, state, state.pressed);
}

// A check button changes when a press on it ends on it; a group's checked button stays checked.
void Toggle(HWND hwnd, State& state, int index) {
    Button& b = state.buttons[static_cast<std::size_t>(index)];
    if (!(b.info.fsStyle & BTNS_CHECK)) return;
    if (b.info.fsStyle & BTNS_GROUP) CheckInGroup(hwnd, state, index);
    else b.info.fsState ^= TBSTATE_CHECKED;
}

void EndPress(HWND hwnd, State& state, POINT at) {
    const int index = state.pressed, command = state.buttons[static_cast<std::size_t>(index)].info.idCommand;
    const bool onPressed = ButtonAt(state, at) == index;
    state.mouse = MouseMode::Idle;
    state.pressed = -1;
    SetPressedLook(hwnd, state.buttons[static_cast<std::size_t>(index)], false);
    if (onPressed) Toggle(hwnd, state, index);
    ReleaseCapture();
    if (!Alive(hwnd, state)) return;
    NMHDR released{};
    Notify(hwnd, released, NM_RELEASEDCAPTURE);
    if (!Still(hwnd, state, index, command)) return;
    NotifyButton(hwnd, TBN_ENDDRAG, state, index);
    if (!Alive(hwnd, state)) return;
    if (onPressed) SendCommand(hwnd, command);
    if (Alive(hwnd, state)) NotifyMouse(hwnd, NM_CLICK, state, ButtonAt(state, at), at);
}

void TrackLeave(HWND hwnd, State& state) {
    if (state.trackingLeave) return;
    TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, hwnd, HOVER_DEFAULT};
    state.trackingLeave = TrackMouseEvent(&leave) != FALSE;
}

}  // namespace

// A disabled button takes no press: the parent hears of it and that is all.
void OnButtonDown(HWND hwnd, State& state, POINT at) {
    if (state.mouse != MouseMode::Idle) return;
    const int index = ButtonAt(state, at);
    if (index < 0 || !IsEnabled(state.buttons[static_cast<std::size_t>(index)])) {
        NotifyMouse(hwnd, NM_LDOWN, state, index, at);
        return;
    }
    const int command = state.buttons[static_cast<std::size_t>(index)].info.idCommand;
    SetHot(hwnd, state, index, HICF_MOUSE | HICF_LMOUSE);
    if (!Still(hwnd, state, index, command)) return;
    if (DropsDown(state, state.buttons[static_cast<std::size_t>(index)], at)) {
        const LRESULT answer = NotifyDropDown(hwnd, state, index);
        if (answer != TBDDRET_TREATPRESSED || !Still(hwnd, state, index, command)) return;
    }
    StartPress(hwnd, state, index, at);
}

void OnMouseMove(HWND hwnd, State& state, POINT at) {
    TrackLeave(hwnd, state);
    RECT client{};
    GetClientRect(hwnd, &client);
    const int index = PtInRect(&client, at) ? ButtonAt(state, at) : -1;
    const bool pressing = state.mouse == MouseMode::Pressing;
    if (IsFlat(hwnd)) {
        SetHot(hwnd, state, index, HICF_MOUSE);
        if (Alive(hwnd, state) && state.mouse == MouseMode::Pressing) TrackPress(hwnd, state, index == state.pressed);
        return;
    }
    // A plain toolbar follows the pointer only while a button is held, and tells of the press
    // first, the hot button with the left button's flag after.
    if (!pressing) return;
    TrackPress(hwnd, state, index == state.pressed);
    if (Alive(hwnd, state)) SetHot(hwnd, state, index, HICF_MOUSE | HICF_LMOUSE);
}

void OnButtonUp(HWND hwnd, State& state, POINT at) {
    if (state.mouse == MouseMode::Pressing) EndPress(hwnd, state, at);
    else NotifyMouse(hwnd, NM_CLICK, state, ButtonAt(state, at), at);
}

void OnMouseLeave(HWND hwnd, State& state) {
    state.trackingLeave = false;
    if (state.mouse == MouseMode::Idle) SetHot(hwnd, state, -1, HICF_MOUSE);
}

// A press whose capture another window took is over, with nothing clicked.
void OnCaptureChanged(HWND hwnd, State& state, HWND taker) {
    if (taker == hwnd || state.mouse != MouseMode::Pressing) return;
    state.mouse = MouseMode::Idle;
    SetPressedLook(hwnd, state.buttons[static_cast<std::size_t>(state.pressed)], false);
    state.pressed = -1;
}

}  // namespace platform::toolbar
