// The list box's answers, each group in its own file; the window procedure (ListBox.cpp)
// routes messages to them. Each returns what the message returns.
#pragma once

#include "PlatformApi.h"
#include "controls/ListBoxState.h"

namespace platform::listbox {

// ListBoxContent.cpp: the strings, their values and searches, and the view (LB_ADDSTRING,
// LB_GETTEXT, LB_FINDSTRING, LB_SETTOPINDEX, LB_GETITEMRECT, ...).
bool IsContentMessage(UINT message);
LRESULT OnContentMessage(HWND hwnd, State& state, UINT message, WPARAM wParam, LPARAM lParam);

// ListBoxSelect.cpp: the selection, the caret and the anchor (LB_SETCURSEL, LB_SETSEL, ...).
bool IsSelectionMessage(UINT message);
LRESULT OnSelectionMessage(HWND hwnd, State& state, UINT message, WPARAM wParam, LPARAM lParam);

// ListBoxInput.cpp: a person's keys, mouse and wheel.
// The parent may be asked about a key first (LBS_WANTKEYBOARDINPUT), so these find the state
// again afterwards.
void OnKeyDown(HWND hwnd, UINT key);
void OnChar(HWND hwnd, WCHAR c);
void OnButtonDown(HWND hwnd, POINT at, WPARAM keys);
void OnMouseMove(HWND hwnd, State& state, POINT at);
void OnButtonUp(HWND hwnd, State& state, POINT at);
void OnDoubleClick(HWND hwnd);
void OnDragTimer(HWND hwnd, State& state);
void OnWheel(HWND hwnd, State& state, short delta);
void EndDrag(HWND hwnd, State& state);

// ListBoxScroll.cpp: the window's own vertical bar, for a list box made with WS_VSCROLL.
// Every change to the items, the top item or the page ends by setting the bar's numbers.
void UpdateScrollBar(HWND hwnd, const State& state);
void OnVScroll(HWND hwnd, State& state, WORD code, WORD thumb);

// ListBoxPaint.cpp
void Paint(HWND hwnd, const State& state);

}  // namespace platform::listbox
