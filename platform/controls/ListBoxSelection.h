// Changes to what a list box has selected and where its caret is, each repainting only the
// items whose look changed. Shared by the program's messages and a person's keys and mouse.
#pragma once

#include "PlatformApi.h"
#include "controls/ListBoxState.h"

namespace platform::listbox {

// Single selection: `index` becomes the selected item (-1: none).
void SetCurrent(HWND hwnd, State& state, int index);
// Multiple selection: one item's mark, or every item's.
void SetMark(HWND hwnd, State& state, int index, bool on);
void SetAllMarks(HWND hwnd, State& state, bool on);
// Multiple selection: [first, last] in either order marked as `on`, kept within the list.
void MarkRange(HWND hwnd, State& state, int first, int last, bool on);
// Multiple selection: exactly the items from `from` to `to`, in either order, are selected.
void SelectOnlyRange(HWND hwnd, State& state, int from, int to);
// The item that carries the focus rectangle; scrolled into view.
void SetCaret(HWND hwnd, State& state, int index);

}  // namespace platform::listbox
