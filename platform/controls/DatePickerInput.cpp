// Typing follows the platform: digits gather in the selected field until it is full (two
// digits, a whole year, or one digit no second could follow), and the field keeps the
// selection afterwards; a partial entry is applied when the selection moves or the focus
// leaves. A typed value that does not fit is dropped, while a step that leaves the range stops
// at its end. Each step, and each typed value applied, tells the parent DTN_DATETIMECHANGE.
#include "controls/DatePickerInput.h"

#include "controls/DatePickerDropDown.h"
#include "controls/DatePickerLayout.h"

namespace platform::datepick {

namespace {

bool PtIn(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

const Field* SelectedField(const State& state) {
    if (state.selected < 0 || state.selected >= static_cast<int>(state.fields.size())) return nullptr;
    return &state.fields[static_cast<std::size_t>(state.selected)];
}

// The digits typed so far applied to the field; false when the picker did not survive.
bool ApplyTyped(HWND hwnd, State& state) {
    const Field* field = SelectedField(state);
    if (state.typed.empty() || !field) {
        state.typed.clear();
        return true;
    }
    int value = 0;
    for (wchar_t digit : state.typed) value = value * 10 + (digit - L'0');
    state.typed.clear();
    Redraw(hwnd);
    const auto changed = WithTypedValue(state.date, *field, value, RangeOf(state));
    if (!changed) return true;
    state.date = *changed;
    return NotifyChange(hwnd);
}

void Select(HWND hwnd, State& state, int index) {
    if (!ApplyTyped(hwnd, state)) return;
    if (State* alive = StateOf(hwnd)) {
        alive->selected = index;
        Redraw(hwnd);
    }
}

void ToggleChecked(HWND hwnd, State& state) {
    state.checked = !state.checked;
    state.typed.clear();
    Redraw(hwnd);
    NotifyChange(hwnd);
}

bool Live(HWND hwnd, const State& state) { return IsWindowEnabled(hwnd) && state.checked; }

}  // namespace

void StepSelected(HWND hwnd, Step step) {
    State* state = StateOf(hwnd);
    const Field* field = state ? SelectedField(*state) : nullptr;
    if (!field || !Live(hwnd, *state)) return;
    state->typed.clear();
    state->date = Stepped(state->date, field->kind, step, RangeOf(*state));
    Redraw(hwnd);
    NotifyChange(hwnd);
}

void OnButtonDown(HWND hwnd, POINT at) {
    State* state = StateOf(hwnd);
    if (!state || !IsWindowEnabled(hwnd)) return;
    if (GetFocus() != hwnd) SetFocus(hwnd);
    if (!(state = StateOf(hwnd))) return;
    const Layout layout = LayoutOf(hwnd);
    if ((StyleOf(hwnd) & DTS_SHOWNONE) && PtIn(layout.check, at)) return ToggleChecked(hwnd, *state);
    if (!HasUpDown(StyleOf(hwnd)) && PtIn(layout.button, at)) {
        if (!ClosedByThisClick(hwnd)) OpenCalendar(hwnd);
        return;
    }
    if (!state->checked) return;
    const int field = FieldAt(hwnd, *state, at);
    if (field >= 0) Select(hwnd, *state, field);
}

void OnKeyDown(HWND hwnd, WPARAM key) {
    State* state = StateOf(hwnd);
    if (!state || !IsWindowEnabled(hwnd)) return;
    if (key == VK_F4 && !HasUpDown(StyleOf(hwnd))) return ToggleCalendar(hwnd);
    if (key == VK_SPACE && (StyleOf(hwnd) & DTS_SHOWNONE)) return ToggleChecked(hwnd, *state);
    if (!state->checked) return;
    switch (key) {
    case VK_LEFT:
    case VK_RIGHT: return Select(hwnd, *state, NextEditable(state->fields, state->selected, key == VK_RIGHT ? 1 : -1));
    case VK_UP: case VK_ADD: return StepSelected(hwnd, Step::Up);
    case VK_DOWN: case VK_SUBTRACT: return StepSelected(hwnd, Step::Down);
    case VK_HOME: return StepSelected(hwnd, Step::First);
    case VK_END: return StepSelected(hwnd, Step::Last);
    default: return;
    }
}

bool OnSysKeyDown(HWND hwnd, WPARAM key) {
    if (key != VK_DOWN && key != VK_UP) return false;
    if (!HasUpDown(StyleOf(hwnd)) && IsWindowEnabled(hwnd)) ToggleCalendar(hwnd);
    return true;
}

void OnChar(HWND hwnd, wchar_t typed) {
    State* state = StateOf(hwnd);
    const Field* field = state ? SelectedField(*state) : nullptr;
    if (!field || !Live(hwnd, *state) || typed < L'0' || typed > L'9' || !TakesDigits(*field)) return;
    state->typed += typed;
    if (TypingComplete(*field, state->typed, state->date)) ApplyTyped(hwnd, *state);
    else Redraw(hwnd);
}

void OnSetFocus(HWND hwnd) {
    State* state = StateOf(hwnd);
    if (!state) return;
    state->focused = true;
    if (state->selected < 0) state->selected = FirstEditable(state->fields);
    Redraw(hwnd);
    NotifySimple(hwnd, NM_SETFOCUS);
}

void OnKillFocus(HWND hwnd) {
    State* state = StateOf(hwnd);
    if (!state) return;
    state->focused = false;
    Redraw(hwnd);
    // The platform tells of the focus leaving before it applies what was typed.
    if (!NotifySimple(hwnd, NM_KILLFOCUS) || !(state = StateOf(hwnd))) return;
    ApplyTyped(hwnd, *state);
}

}  // namespace platform::datepick
