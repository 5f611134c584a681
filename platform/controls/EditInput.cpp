// What a person does to an edit field: typing, the editing and moving keys, and the mouse.
// In a multi-line field Enter starts a new line and the moving keys also go between lines.
#include <optional>

#include "controls/EditHandlers.h"
#include "controls/EditLayout.h"
#include "controls/EditView.h"

namespace platform {

namespace {

bool IsDown(int key) { return GetKeyState(key) < 0; }

// The boundary nearest the point; in a multi-line field, on the line under it.
std::size_t BoundaryAt(HWND hwnd, EditState& state, POINT at) {
    if (!state.lines.multiLine) return MeasureEdit(hwnd, state).BoundaryNearest(at.x);
    return MeasureView(hwnd, state).IndexAt(at, state.afterWrap);
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

// Where a key that moves between or along lines takes the caret; nothing for other keys. Up
// and Down keep the caret's x, the page keys move a box's height, Home and End go along the
// line, and with Ctrl to the ends of the text.
std::optional<std::size_t> LineKeyTarget(const EditView& view, const EditState& state, UINT key, bool& afterWrap) {
    const std::size_t caret = state.text.Caret();
    const int line = view.LineOf(caret, state.afterWrap);
    const POINT at{view.X(line, caret), view.LineTop(line)};
    const int page = view.Box().bottom - view.Box().top;
    const bool control = IsDown(VK_CONTROL);
    afterWrap = false;
    switch (key) {
    case VK_UP: return view.IndexAt({at.x, at.y - view.LineHeight()}, afterWrap);
    case VK_DOWN: return view.IndexAt({at.x, at.y + view.LineHeight()}, afterWrap);
    case VK_PRIOR: return view.IndexAt({at.x, at.y - page}, afterWrap);
    case VK_NEXT: return view.IndexAt({at.x, at.y + page}, afterWrap);
    case VK_HOME: return control ? 0 : view.Line(line).start;
    case VK_END:
        if (control) return state.text.Length();
        afterWrap = view.Line(line).wrapped;
        return view.Line(line).end;
    default: return std::nullopt;
    }
}

bool MoveInLines(HWND hwnd, EditState& state, UINT key) {
    bool afterWrap = false;
    const std::optional<std::size_t> target = LineKeyTarget(MeasureView(hwnd, state), state, key, afterWrap);
    if (!target) return false;
    state.text.MoveCaret(*target, IsDown(VK_SHIFT));
    state.afterWrap = afterWrap;
    return true;
}

// Enter in a multi-line field: a line break, or in a read-only one the next line's start.
void NewLine(HWND hwnd, EditState& state) {
    if (!IsReadOnly(hwnd)) {
        state.afterWrap = false;
        return InsertText(hwnd, state, L"\r\n");
    }
    EditView view = MeasureView(hwnd, state);
    const int line = view.LineOf(state.text.Caret(), state.afterWrap);
    state.text.MoveCaret(view.Line(std::min(line + 1, view.LineCount() - 1)).start, false);
    state.afterWrap = false;
    ShowSelection(hwnd, state);
}

}  // namespace

void OnEditChar(HWND hwnd, EditState& state, WCHAR c) {
    // Ctrl+Enter types a lone LF, which starts a line too.
    if (state.lines.multiLine && (c == L'\r' || c == L'\n')) return NewLine(hwnd, state);
    if (IsReadOnly(hwnd)) return;
    state.afterWrap = false;
    if (c == L'\b') return Erase(hwnd, state, false);
    // A dialog takes Tab for itself before the field sees it: one that reaches a multi-line
    // field types a tab.
    if (state.lines.multiLine && c == L'\t') return InsertText(hwnd, state, std::wstring_view(&c, 1));
    // Other control characters (Tab and Enter in one line, Escape, Ctrl+letter) type nothing.
    if (c < L' ' || c == 0x7F) return;
    // The platform beeps at anything but a digit; the character is refused either way.
    if ((GetWindowLongW(hwnd, GWL_STYLE) & ES_NUMBER) && (c < L'0' || c > L'9')) return;
    InsertText(hwnd, state, std::wstring_view(&c, 1));
}

// The keys that move between lines start from where the caret shows, which a wrapped line's end
// decides; every other move leaves that end behind.
void OnEditKeyDown(HWND hwnd, EditState& state, UINT key) {
    if (state.lines.multiLine && MoveInLines(hwnd, state, key)) return ShowSelection(hwnd, state);
    const bool erase = key == VK_DELETE;
    if (!erase && !Move(state.text, key)) return;
    state.afterWrap = false;
    if (erase) return Erase(hwnd, state, true);
    ShowSelection(hwnd, state);
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
