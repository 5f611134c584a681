// What a person does to a list box: the moving keys, Space, typing a letter to jump to an
// item, the mouse with Shift and Ctrl, dragging past the edges and the wheel. Every action
// that could change the selection tells the parent LBN_SELCHANGE, even when it changed
// nothing, as on the platform; a click tells it when the button comes up. A combo box's
// drop-down list also follows the pointer with the button up and cancels on a click outside.
#include <algorithm>
#include <optional>

#include "controls/ListBoxHandlers.h"
#include "controls/ListBoxLayout.h"
#include "controls/ListBoxSelection.h"

namespace platform::listbox {

namespace {

// While the pointer is dragged past an edge, the list moves one item this often.
constexpr UINT_PTR kDragTimer = 1;
constexpr UINT kDragStepMs = 50;
// Lines a notch of the wheel scrolls: the platform's default, never more than a page.
constexpr int kWheelLines = 3;

bool IsDown(int key) { return GetKeyState(key) < 0; }
bool Selectable(HWND hwnd) { return !HasStyle(hwnd, LBS_NOSEL); }

// With LBS_WANTKEYBOARDINPUT the parent sees the key first (WM_VKEYTOITEM, WM_CHARTOITEM) and
// answers -2 for "done", -1 for "go on", or an item to act on. Null when the key is done with.
State* AskParent(HWND hwnd, UINT message, WPARAM key) {
    State* state = StateOf(hwnd);
    if (!HasStyle(hwnd, LBS_WANTKEYBOARDINPUT) || !GetParent(hwnd)) return state;
    const LRESULT answer = SendMessageW(GetParent(hwnd), message, MAKEWPARAM(key, state->caret),
                                        reinterpret_cast<LPARAM>(hwnd));
    state = StateOf(hwnd);
    if (!state || answer == -2) return nullptr;
    if (answer >= 0 && state->items.Has(static_cast<int>(answer))) SetCaret(hwnd, *state, static_cast<int>(answer));
    return state;
}

// Where a moving key takes the caret; nothing for other keys. A single-selection box with
// nothing selected selects its caret item first.
std::optional<int> TargetOf(HWND hwnd, const State& state, UINT key) {
    const int step = std::max(1, LayoutOf(hwnd, state).Page() - 1);
    const int last = state.items.Count() - 1;
    const bool fromCaret = IsMultiple(hwnd) || state.current != -1 || !Selectable(hwnd);
    const int caret = state.caret;
    switch (key) {
    case VK_HOME: return 0;
    case VK_END: return last;
    case VK_UP: case VK_LEFT: return fromCaret ? std::max(caret - 1, 0) : caret;
    case VK_DOWN: case VK_RIGHT: return fromCaret ? std::min(caret + 1, last) : caret;
    case VK_PRIOR: return fromCaret ? std::max(caret - step, 0) : caret;
    case VK_NEXT: return fromCaret ? std::min(caret + step, last) : caret;
    default: return std::nullopt;
    }
}

// A moving key: Shift stretches an extended selection from the anchor, Ctrl moves only the
// caret, and otherwise the item reached is the selection.
void MoveByKey(HWND hwnd, State& state, int target) {
    if (!Selectable(hwnd) || (IsMultiple(hwnd) && !IsExtended(hwnd))) return SetCaret(hwnd, state, target);
    if (!IsMultiple(hwnd)) {
        SetCurrent(hwnd, state, target);
        state.anchor = target;
        return SetCaret(hwnd, state, target);
    }
    const bool shift = IsDown(VK_SHIFT), control = IsDown(VK_CONTROL);
    if (!shift && !control) state.anchor = target;
    SetCaret(hwnd, state, target);
    if (shift || !control) SelectOnlyRange(hwnd, state, state.anchor < 0 ? target : state.anchor, target);
}

// Space selects the caret item; where several may be selected it toggles it (with Ctrl in an
// extended box), and with Shift an extended box selects from the anchor to it.
void PressSpace(HWND hwnd, State& state) {
    const int caret = state.caret;
    if (!IsMultiple(hwnd)) {
        SetCurrent(hwnd, state, caret);
        state.anchor = caret;
        return;
    }
    const bool toggle = !IsExtended(hwnd) || IsDown(VK_CONTROL);
    if (toggle) {
        SetMark(hwnd, state, caret, !state.items.Selected(caret));
        if (IsExtended(hwnd)) state.anchor = caret;
        return;
    }
    if (!IsDown(VK_SHIFT) || state.anchor < 0) state.anchor = caret;
    SelectOnlyRange(hwnd, state, state.anchor, caret);
}

// The caret follows the pointer while the button is held: the item under it is selected in a
// single box, an extended box selects from the anchor to it, a multiple box moves only its caret.
void DragTo(HWND hwnd, State& state, int target) {
    SetCaret(hwnd, state, target);
    if (!Selectable(hwnd)) return;
    if (!IsMultiple(hwnd)) SetCurrent(hwnd, state, target);
    else if (IsExtended(hwnd)) SelectOnlyRange(hwnd, state, state.anchor < 0 ? target : state.anchor, target);
}

void ClickExtended(HWND hwnd, State& state, int index, WPARAM keys) {
    if (!(keys & MK_SHIFT)) state.anchor = index;
    SetCaret(hwnd, state, index);
    if (keys & MK_CONTROL) SetMark(hwnd, state, index, !state.items.Selected(index));
    else SelectOnlyRange(hwnd, state, state.anchor, index);
}

void ClickItem(HWND hwnd, State& state, int index, WPARAM keys) {
    if (IsExtended(hwnd) && Selectable(hwnd)) return ClickExtended(hwnd, state, index, keys);
    state.anchor = index;
    SetCaret(hwnd, state, index);
    if (!Selectable(hwnd)) return;
    if (IsMultiple(hwnd)) SetMark(hwnd, state, index, !state.items.Selected(index));
    else SetCurrent(hwnd, state, index);
}

bool IsInside(HWND hwnd, POINT at) {
    RECT client{};
    GetClientRect(hwnd, &client);
    return PtInRect(&client, at) != FALSE;
}

void PutBackOpeningSelection(HWND hwnd, State& state) {
    SetCurrent(hwnd, state, state.openedWith);
    SetCaret(hwnd, state, state.openedWith);
}

// A click outside a drop-down list (which holds the capture while it is open) cancels it.
void CancelDropDown(HWND hwnd) {
    State* state = StateOf(hwnd);
    if (!state) return;
    if (GetCapture() == hwnd) ReleaseCapture();
    PutBackOpeningSelection(hwnd, *state);
    Notify(hwnd, LBN_SELCANCEL);
}

// With the button up, the pointer over a drop-down list's item selects it, quietly: only a
// click or a key chooses it.
void Hover(HWND hwnd, State& state, POINT at) {
    if (!IsDropDown(hwnd)) return;
    const int index = LayoutOf(hwnd, state).ItemAt(at, state.top, state.items.Count());
    if (index >= 0 && (index != state.caret || !IsSelected(hwnd, state, index))) DragTo(hwnd, state, index);
}

}  // namespace

void OnKeyDown(HWND hwnd, UINT key) {
    State* state = AskParent(hwnd, WM_VKEYTOITEM, key);
    if (!state || state->items.Count() == 0) return;
    if (key == VK_SPACE) {
        // A single box's Space tells only when it chose an item that was not chosen.
        if (!Selectable(hwnd) || (!IsMultiple(hwnd) && state->current == state->caret)) return;
        PressSpace(hwnd, *state);
        Notify(hwnd, LBN_SELCHANGE);
        return;
    }
    const std::optional<int> target = TargetOf(hwnd, *state, key);
    if (!target) return;
    MoveByKey(hwnd, *state, *target);
    Notify(hwnd, LBN_SELCHANGE);
}

// A letter jumps to the next item that begins with it, after the caret and round again.
void OnChar(HWND hwnd, WCHAR c) {
    State* state = AskParent(hwnd, WM_CHARTOITEM, c);
    if (!state || c <= L' ') return;
    const int found = state->items.FindPrefix(state->caret, std::wstring_view(&c, 1));
    if (found < 0) return;
    if (IsMultiple(hwnd) && !IsExtended(hwnd)) SetCaret(hwnd, *state, found);
    else DragTo(hwnd, *state, found);
    Notify(hwnd, LBN_SELCHANGE);
}

void OnButtonDown(HWND hwnd, POINT at, WPARAM keys) {
    if (IsDropDown(hwnd)) {
        if (!IsInside(hwnd, at)) return CancelDropDown(hwnd);
    } else if (GetFocus() != hwnd) {
        SetFocus(hwnd);
    }
    // Whoever heard about the focus moving may have destroyed the list box.
    State* state = StateOf(hwnd);
    if (!state) return;
    const int index = LayoutOf(hwnd, *state).ItemAt(at, state->top, state->items.Count());
    if (index < 0) return;
    ClickItem(hwnd, *state, index, keys);
    state->pressed = state->tracking = true;
    state->dragPoint = at;
    SetCapture(hwnd);
}

void OnMouseMove(HWND hwnd, State& state, POINT at) {
    if (!state.tracking) return Hover(hwnd, state, at);
    state.dragPoint = at;
    const Layout layout = LayoutOf(hwnd, state);
    const int target = layout.DragTarget(at, state.top, state.items.Count());
    // Within the caret item nothing changes, so a Ctrl+click's toggle survives a small shake.
    if (target != state.caret) DragTo(hwnd, state, target);
    if (layout.IsAbove(at) || layout.IsBelow(at)) SetTimer(hwnd, kDragTimer, kDragStepMs, nullptr);
    else KillTimer(hwnd, kDragTimer);
}

void OnDragTimer(HWND hwnd, State& state) {
    if (!state.tracking) {
        KillTimer(hwnd, kDragTimer);
        return;
    }
    OnMouseMove(hwnd, state, state.dragPoint);
}

void EndDrag(HWND hwnd, State& state) {
    state.tracking = false;
    KillTimer(hwnd, kDragTimer);
}

// The capture may have gone before the button came up; the click still counts. A drop-down
// list's button coming up outside it chooses what was selected when it opened.
void OnButtonUp(HWND hwnd, State& state, POINT at) {
    if (!state.pressed) return;
    state.pressed = false;
    EndDrag(hwnd, state);
    if (IsDropDown(hwnd) && !IsInside(hwnd, at)) PutBackOpeningSelection(hwnd, state);
    if (GetCapture() == hwnd) ReleaseCapture();
    Notify(hwnd, LBN_SELCHANGE);
}

void OnDoubleClick(HWND hwnd) { Notify(hwnd, LBN_DBLCLK); }

// Turns smaller than a notch add up until they are worth a line; turning back starts afresh.
void OnWheel(HWND hwnd, State& state, short delta) {
    const int lines = std::min(kWheelLines, LayoutOf(hwnd, state).Page());
    if ((delta > 0) != (state.wheelRest > 0)) state.wheelRest = 0;
    state.wheelRest += delta;
    const int steps = state.wheelRest * lines / WHEEL_DELTA;
    if (steps == 0) return;
    state.wheelRest -= steps * WHEEL_DELTA / lines;
    SetTop(hwnd, state, state.top - steps);
}

}  // namespace platform::listbox
