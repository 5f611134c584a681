// One list box's state, kept on the heap with its pointer in the window's extra bytes, the
// questions about its styles every part asks, and the steps every change ends with: keeping
// the caret in view, repainting what changed and telling the parent.
#pragma once

#include "PlatformApi.h"
#include "controls/ListBoxItems.h"

namespace platform::listbox {

struct State {
    ListItems items;
    HFONT font = nullptr;   // given with WM_SETFONT; null draws with the dialog font
    int itemHeight = 1;
    int top = 0;            // the first item in view
    int caret = 0;          // the item with the focus rectangle
    int anchor = -1;        // where a range selection starts
    int current = -1;       // the selected item of a single-selection list box
    int wheelRest = 0;      // wheel turn not yet worth a whole line
    bool keepsBar = false;  // made with WS_VSCROLL: the vertical bar follows the view
    bool pressed = false;   // the left button went down on an item and has not come up
    bool tracking = false;  // while pressed and the capture is ours, the pointer moves the caret
    POINT dragPoint{};      // where the pointer was last seen while pressed
    HWND combo = nullptr;   // with LBS_COMBOBOX: the combo box this list drops down from
    int openedWith = -1;    // with LBS_COMBOBOX: the selection when the list was last shown
};

// Null once the window is gone (or before WM_NCCREATE made the state).
State* StateOf(HWND hwnd);
void SetStateOf(HWND hwnd, State* state);

LONG StyleOf(HWND hwnd);
inline bool HasStyle(HWND hwnd, LONG bits) { return (StyleOf(hwnd) & bits) != 0; }
// LBS_MULTIPLESEL or LBS_EXTENDEDSEL: each item is selected or not on its own.
inline bool IsMultiple(HWND hwnd) { return HasStyle(hwnd, LBS_MULTIPLESEL | LBS_EXTENDEDSEL); }
inline bool IsExtended(HWND hwnd) { return HasStyle(hwnd, LBS_EXTENDEDSEL); }
// A combo box's drop-down list: it never takes the focus, tracks the pointer with the button
// up, and a click outside it cancels.
inline bool IsDropDown(HWND hwnd) { return HasStyle(hwnd, LBS_COMBOBOX); }
// The window the list box tells and asks for colours: its combo box, else its parent.
HWND OwnerOf(HWND hwnd);

bool IsSelected(HWND hwnd, const State& state, int index);
// The item LB_GETCURSEL reports: the selected one, or the caret where several may be selected.
int CurrentOf(HWND hwnd, const State& state);

// WM_COMMAND to the owner; the selection notices go only with LBS_NOTIFY. False when the list
// box did not survive the owner's answer.
bool Notify(HWND hwnd, UINT code);

// The height of a line of the font the list box draws with.
int FontHeight(HWND hwnd, HFONT font);

// Repaints one item, or all of them.
void RepaintItem(HWND hwnd, const State& state, int index);
void RepaintAll(HWND hwnd);
// Scrolls as little as needed to show the item whole; returns whether the top moved.
bool ScrollToShow(HWND hwnd, State& state, int index);
// Sets the first item in view, kept within the list, and the scroll bar with it.
void SetTop(HWND hwnd, State& state, int top);

}  // namespace platform::listbox
