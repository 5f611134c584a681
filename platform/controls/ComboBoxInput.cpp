// What a person does to a combo box. The mouse opens the list from the field of a drop-down
// list or from the arrow of either kind; a press held and dragged into the list is handed to
// the list, which then chooses where the button comes up. The keys that work the list are
// handed to it (for CBS_DROPDOWN only Up, Down, Page Up and Page Down; the others are the
// edit's), and what the list then tells decides the notices: a key on a closed box chooses at
// once (CBN_SELENDOK, CBN_SELCHANGE), a key in an open list only moves the selection
// (CBN_SELCHANGE), and a click in the list chooses and closes it (CBN_SELENDOK, CBN_CLOSEUP,
// CBN_SELCHANGE). The field of CBS_DROPDOWN takes the chosen item's text after the parent has
// heard CBN_SELCHANGE, as on the platform.
#include "controls/ComboBoxHandlers.h"
#include "controls/ComboBoxLayout.h"
#include "controls/ComboDropDown.h"
#include "controls/ComboEdit.h"

namespace platform::combo {

namespace {

bool IsListKey(UINT key) { return key == VK_UP || key == VK_DOWN || key == VK_PRIOR || key == VK_NEXT; }

// What the list does with the key tells the box through LBN_SELCHANGE while `keyed` is set.
void HandToList(HWND hwnd, State& state, UINT message, WPARAM wParam) {
    state.keyed = true;
    SendMessageW(state.list, message, wParam, 0);
    if (State* after = StateOf(hwnd)) after->keyed = false;
}

bool OpensList(HWND hwnd, const State& state, POINT at) {
    const RECT arrow = LayoutOf(hwnd, state).arrow;
    return IsDropDownList(hwnd) || PtInRect(&arrow, at);
}

bool IsOverList(const State& state, POINT screen) {
    RECT list{};
    GetWindowRect(state.list, &list);
    return IsWindowVisible(state.list) && PtInRect(&list, screen);
}

// The list's selection changed: by a key in the open list, or chosen.
void OnListChange(HWND hwnd) {
    State* state = StateOf(hwnd);
    const bool keepOpen = state->keyed && state->dropped;
    if (!keepOpen && !Close(hwnd, true)) return;
    if (!Notify(hwnd, CBN_SELCHANGE)) return;
    state = StateOf(hwnd);
    if (state->edit) ShowItemInEdit(hwnd, *state, Selected(*state));
    else RepaintField(hwnd);
}

}  // namespace

void OnButtonDown(HWND hwnd, POINT at) {
    State* state = StateOf(hwnd);
    if (!state->focused) SetFocus(hwnd);
    // The focus may have gone elsewhere, or the box with it, in whoever heard of it.
    state = StateOf(hwnd);
    if (!state || !state->focused || !OpensList(hwnd, *state, at)) return;
    if (state->dropped) {
        Close(hwnd, true);
        return;
    }
    state->pressed = true;
    SetCapture(hwnd);
    Open(hwnd);
}

// A press dragged onto the list becomes the list's own press.
void OnMouseMove(HWND hwnd, POINT at, WPARAM keys) {
    State* state = StateOf(hwnd);
    POINT screen = at;
    ClientToScreen(hwnd, &screen);
    if (!state->pressed || !IsOverList(*state, screen)) return;
    state->pressed = false;
    RepaintField(hwnd);
    ReleaseCapture();
    POINT onList = screen;
    ScreenToClient(state->list, &onList);
    SendMessageW(state->list, WM_LBUTTONDOWN, keys, MAKELPARAM(onList.x, onList.y));
}

// The button came up on the field: the list stays open and takes the capture.
void OnButtonUp(HWND hwnd) {
    State* state = StateOf(hwnd);
    if (!state->pressed) return;
    state->pressed = false;
    RepaintField(hwnd);
    ReleaseCapture();
    if (state->dropped) SetCapture(state->list);
}

void OnCaptureLost(HWND hwnd) {
    State* state = StateOf(hwnd);
    if (!state || !state->pressed) return;
    state->pressed = false;
    RepaintField(hwnd);
}

bool OnKey(HWND hwnd, UINT key) {
    State* state = StateOf(hwnd);
    if (!state) return false;
    if (key == VK_RETURN || key == VK_ESCAPE) {
        if (!state->dropped) return false;
        Close(hwnd, key == VK_RETURN);
        return true;
    }
    if (key == VK_F4) {
        if (!state->extendedUI) Toggle(hwnd);
        return true;
    }
    if ((key == VK_UP || key == VK_DOWN) && state->extendedUI && !state->dropped) {
        Open(hwnd);
        return true;
    }
    if (state->edit && !IsListKey(key)) return false;
    HandToList(hwnd, *state, WM_KEYDOWN, key);
    return true;
}

bool OnSysKey(HWND hwnd, UINT key, LPARAM keyData) {
    const bool alt = (HIWORD(keyData) & KF_ALTDOWN) != 0;
    if (!alt || (key != VK_UP && key != VK_DOWN) || !StateOf(hwnd)) return false;
    Toggle(hwnd);
    return true;
}

// A drop-down list's typed letter picks the next item it begins.
void OnChar(HWND hwnd, WCHAR c) {
    if (State* state = StateOf(hwnd)) HandToList(hwnd, *state, WM_CHAR, c);
}

// Each turn of the wheel, however far, is the arrow key its way, as on the platform.
void OnWheel(HWND hwnd, short delta) {
    if (delta != 0) OnKey(hwnd, delta > 0 ? VK_UP : VK_DOWN);
}

void OnFocusGained(HWND hwnd) {
    State* state = StateOf(hwnd);
    if (!state || state->focused) return;
    RepaintField(hwnd);
    if (!Notify(hwnd, CBN_SETFOCUS)) return;
    StateOf(hwnd)->focused = true;
}

// Losing the focus cancels, whether or not the list is open.
void OnFocusLost(HWND hwnd) {
    State* state = StateOf(hwnd);
    if (!state || !state->focused) return;
    if (!Close(hwnd, false)) return;
    state = StateOf(hwnd);
    state->focused = false;
    if (GetCapture() == hwnd) ReleaseCapture();
    RepaintField(hwnd);
    Notify(hwnd, CBN_KILLFOCUS);
}

void OnListNotice(HWND hwnd, UINT code) {
    switch (code) {
    case LBN_SELCHANGE: OnListChange(hwnd); return;
    case LBN_SELCANCEL: Close(hwnd, false); return;
    case LBN_DBLCLK: Notify(hwnd, CBN_DBLCLK); return;
    default: return;  // the list never keeps the focus
    }
}

}  // namespace platform::combo
