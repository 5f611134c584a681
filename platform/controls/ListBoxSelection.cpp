#include "controls/ListBoxSelection.h"

#include <algorithm>

namespace platform::listbox {

void SetCurrent(HWND hwnd, State& state, int index) {
    if (index == state.current) return;
    RepaintItem(hwnd, state, state.current);
    state.current = index;
    RepaintItem(hwnd, state, index);
}

void SetMark(HWND hwnd, State& state, int index, bool on) {
    if (!state.items.Has(index) || state.items.Selected(index) == on) return;
    state.items.Select(index, on);
    RepaintItem(hwnd, state, index);
}

void SetAllMarks(HWND hwnd, State& state, bool on) {
    for (int i = 0; i < state.items.Count(); ++i) SetMark(hwnd, state, i, on);
}

void MarkRange(HWND hwnd, State& state, int first, int last, bool on) {
    if (first > last) std::swap(first, last);
    first = std::max(first, 0);
    last = std::min(last, state.items.Count() - 1);
    for (int i = first; i <= last; ++i) SetMark(hwnd, state, i, on);
}

void SelectOnlyRange(HWND hwnd, State& state, int from, int to) {
    const int first = std::min(from, to), last = std::max(from, to);
    for (int i = 0; i < state.items.Count(); ++i) SetMark(hwnd, state, i, i >= first && i <= last);
}

void SetCaret(HWND hwnd, State& state, int index) {
    if (!state.items.Has(index)) return;
    if (index != state.caret) {
        RepaintItem(hwnd, state, state.caret);
        state.caret = index;
        RepaintItem(hwnd, state, index);
    }
    ScrollToShow(hwnd, state, index);
}

}  // namespace platform::listbox
