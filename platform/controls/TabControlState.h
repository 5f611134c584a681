// What a tab control ("SysTabControl32") remembers between messages: its tabs, the selected one
// and the one with the focus, the sizes the program gave, the order its rows are shown in and how
// far a single line of tabs is scrolled. The state lives on the heap, its pointer in the window's
// extra bytes, so a handle that is gone reads as no state at all.
#pragma once

#include <string>
#include <vector>

#include "PlatformApi.h"

namespace platform::tabcontrol {

struct Item {
    std::wstring text;
    LPARAM param = 0;
    DWORD state = 0;  // TCIS_*
    int image = -1;
};

struct State {
    std::vector<Item> items;
    int selected = -1;
    int focus = -1;  // the tab the keyboard moves from; with TCS_BUTTONS it may differ from `selected`
    HFONT font = nullptr;
    int fixedWidth = 0;   // TCS_FIXEDWIDTH's tab width
    int givenHeight = 0;  // 0: the font decides
    int minWidth = -1;    // negative: the default, which follows the padding
    // The padding the tabs are laid out with, and the one TCM_SETPADDING gave, which the
    // platform takes up only the next time it lays the tabs out (a new tab, size, font, ...).
    int hPadding = 6;
    int vPadding = 3;
    int givenHPadding = 6;
    int givenVPadding = 3;
    // The screen row each row of tabs is shown on, row 0 being the one of the first tabs. The
    // selected tab's row is moved next to the page, so the order depends on what was selected.
    std::vector<int> rowSlots;
    int leftmost = 0;  // a single line scrolled: the first tab shown
    HWND scroller = nullptr;  // the arrow pair scrolling a single line, made when first needed
};

// Null once the window is gone (or before WM_NCCREATE made the state).
State* StateOf(HWND hwnd);

inline LONG StyleOf(HWND hwnd) { return GetWindowLongW(hwnd, GWL_STYLE); }
inline bool IsButtons(HWND hwnd) { return (StyleOf(hwnd) & TCS_BUTTONS) != 0; }
inline int Count(const State& state) { return static_cast<int>(state.items.size()); }
inline bool IsIndex(const State& state, int index) { return index >= 0 && index < Count(state); }

// WM_NOTIFY with `code` to the parent; its answer. `alive` is false after it when the control did
// not survive the parent's handling.
LRESULT Notify(HWND hwnd, UINT code, bool* alive = nullptr);
// TCN_KEYDOWN for a key, its lParam as the flags.
void NotifyKey(HWND hwnd, WORD key, LPARAM flags);

// TabControlSelection.cpp
// TCM_SETCURSEL: no notification; the previous selection, or -1 for an index past the end.
LRESULT SetCurSel(HWND hwnd, State& state, int index);
// TCM_SETCURFOCUS, and the arrow keys: moves the focus, and with tabs (not buttons) the
// selection too, asking the parent first.
void SetCurFocus(HWND hwnd, State& state, int index);
// A press on tab `index`: the selection moves there if the parent agrees.
void SelectByMouse(HWND hwnd, State& state, int index);
// The selection (and the focus with it) moved without asking; the pressed marks follow it.
void MoveSelection(HWND hwnd, State& state, int index);

// TabControlItems.cpp
LRESULT InsertItem(HWND hwnd, State& state, int index, const TCITEMW* item);
LRESULT DeleteItem(HWND hwnd, State& state, int index);
LRESULT DeleteAllItems(HWND hwnd, State& state);
LRESULT GetItem(const State& state, int index, TCITEMW* item);
LRESULT SetItem(HWND hwnd, State& state, int index, const TCITEMW* item);

// TabControlInput.cpp
LRESULT OnKeyDown(HWND hwnd, State& state, WPARAM key, LPARAM flags);
void OnButtonDown(HWND hwnd, State& state, POINT at);
void OnButtonUp(HWND hwnd, const State& state, POINT at, UINT code);

// TabControlPaint.cpp
void Paint(HWND hwnd, const State& state);

}  // namespace platform::tabcontrol
