#include "controls/DatePickerState.h"

#include "controls/DatePickerEditing.h"

namespace platform::datepick {

namespace {

constexpr int kStateSlot = 0;

bool Notify(HWND hwnd, NMHDR& header) {
    HWND parent = GetParent(hwnd);
    header.hwndFrom = hwnd;
    header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(hwnd));
    if (parent) SendMessageW(parent, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
    return StateOf(hwnd) != nullptr;
}

}  // namespace

State* StateOf(HWND hwnd) { return reinterpret_cast<State*>(GetWindowLongPtrW(hwnd, kStateSlot)); }

Range RangeOf(const State& state) {
    Range range;
    if ((state.rangeFlags & GDTR_MIN) && Compare(state.limits[0], range.min) > 0) range.min = state.limits[0];
    if ((state.rangeFlags & GDTR_MAX) && Compare(state.limits[1], range.max) < 0) range.max = state.limits[1];
    return range;
}

void ReadPicture(HWND hwnd, State& state) {
    state.fields = ParsePicture(state.customPicture.empty() ? PictureForStyle(StyleOf(hwnd)) : state.customPicture);
    state.typed.clear();
    const int count = static_cast<int>(state.fields.size());
    const bool keeps = state.selected >= 0 && state.selected < count && IsEditable(state.fields[static_cast<std::size_t>(state.selected)]);
    if (!keeps) state.selected = state.focused ? FirstEditable(state.fields) : -1;
    Redraw(hwnd);
}

void Redraw(HWND hwnd) { InvalidateRect(hwnd, nullptr, FALSE); }

bool NotifyChange(HWND hwnd) {
    const State* state = StateOf(hwnd);
    if (!state) return false;
    NMDATETIMECHANGE change{};
    change.nmhdr.code = DTN_DATETIMECHANGE;
    change.dwFlags = state->checked ? GDT_VALID : GDT_NONE;
    change.st = state->date;
    return Notify(hwnd, change.nmhdr);
}

bool NotifySimple(HWND hwnd, UINT code) {
    NMHDR header{};
    header.code = code;
    return Notify(hwnd, header);
}

}  // namespace platform::datepick
