// What a person does to an edit field: typing, the editing and moving keys, and the mouse.
#include "controls/EditHandlers.h"
#include "controls/EditLayout.h"

namespace platform {

namespace {

bool IsDown(int key) { return GetKeyState(key) < 0; }

std::size_t BoundaryAt(HWND hwnd, const EditState& state, POINT at) {
    return MeasureEdit(hwnd, state).BoundaryNearest(at.x);
}

void Erase(HWND hwnd, EditState& state, bool forward) {
    if (IsReadOnly(hwnd)) return;
    bool erased = forward ? state.text.EraseForward() : state.text.EraseBackward();
    if (erased) ShowChange(hwnd, state);
}

// The moving keys; false for any other key.
bool Move(EditText& text, UINT key) {
    bool shift = IsDown(VK_SHIFT), control = IsDown(VK_CONTROL);
    switch (key) {
    case VK_LEFT: text.StepLeft(shift, control); return true;
    case VK_RIGHT: text.StepRight(shift, control); return true;
    case VK_HOME: text.MoveCaret(0, shift); return true;
    case VK_END: text.MoveCaret(text.Length(), shift); return true;
    case 'A':
        if (!control) return false;
        text.SelectAll();
        return true;
    default: return false;
    }
}

}  // namespace

void OnEditChar(HWND hwnd, EditState& state, WCHAR c) {
    if (IsReadOnly(hwnd)) return;
    if (c == L'\b') return Erase(hwnd, state, false);
    // Other control characters (Tab, Enter, Escape, Ctrl+letter) type nothing in one line.
    if (c < L' ' || c == 0x7F) return;
    // The platform beeps at anything but a digit; the character is refused either way.
    if ((GetWindowLongW(hwnd, GWL_STYLE) & ES_NUMBER) && (c < L'0' || c > L'9')) return;
    InsertText(hwnd, state, std::wstring_view(&c, 1));
}

void OnEditKeyDown(HWND hwnd, EditState& state, UINT key) {
    if (key == VK_DELETE) return Erase(hwnd, state, true);
    if (Move(state.text, key)) ShowSelection(hwnd, state);
}

void OnEditButtonDown(HWND hwnd, POINT at, WPARAM keys) {
    if (GetFocus() != hwnd) SetFocus(hwnd);
    // Whoever heard about the focus moving may have destroyed the field.
    EditState* state = StateOf(hwnd);
    if (!state) return;
    state->text.MoveCaret(BoundaryAt(hwnd, *state, at), (keys & MK_SHIFT) != 0);
    state->dragging = true;
    SetCapture(hwnd);
    ShowSelection(hwnd, *state);
}

void OnEditMouseMove(HWND hwnd, EditState& state, POINT at) {
    if (!state.dragging) return;
    state.text.MoveCaret(BoundaryAt(hwnd, state, at), true);
    ShowSelection(hwnd, state);
}

void OnEditButtonUp(HWND hwnd, EditState& state) {
    if (!state.dragging) return;
    state.dragging = false;
    if (GetCapture() == hwnd) ReleaseCapture();
}

void OnEditDoubleClick(HWND hwnd, EditState& state, POINT at) {
    auto [start, end] = state.text.WordAround(BoundaryAt(hwnd, state, at));
    state.text.Select(start, end);
    ShowSelection(hwnd, state);
}

}  // namespace platform
