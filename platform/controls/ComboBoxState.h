// One combo box's state, kept on the heap with its pointer in the window's extra bytes, the
// questions about its styles every part asks, and telling the parent. The items are not here:
// they live in the drop-down list, a "ComboLBox" the combo box hands its CB_ messages to.
#pragma once

#include <string>

#include "PlatformApi.h"

namespace platform::combo {

struct State {
    HWND list = nullptr;          // the drop-down list, which holds the items and the selection
    HWND edit = nullptr;          // CBS_DROPDOWN's field; null for a drop-down list
    HFONT font = nullptr;         // given with WM_SETFONT; null draws with the dialog font
    int fieldHeight = 1;          // the selection field's height (CB_GETITEMHEIGHT with -1)
    int droppedHeight = 0;        // the room for the list, from the height the window was given
    int droppedWidth = 0;         // CB_SETDROPPEDWIDTH; 0 while the list is as wide as the box
    bool dropped = false;
    bool focused = false;         // the combo box or its edit has the focus
    bool everFocused = false;     // the first focus selects the edit's whole text
    bool extendedUI = false;
    bool pressed = false;         // the left button went down on the field; the capture is ours
    bool keyed = false;           // a key is being handed to the list: its LBN_SELCHANGE is the key's
    bool quiet = false;           // the box itself is changing the edit's text: no notices from it
};

// Null once the window is gone (or before WM_NCCREATE made the state).
State* StateOf(HWND hwnd);
void SetStateOf(HWND hwnd, State* state);

LONG StyleOf(HWND hwnd);
// CBS_DROPDOWNLIST: the field shows the selected item and cannot be typed into.
inline bool IsDropDownList(HWND hwnd) { return (StyleOf(hwnd) & CBS_DROPDOWNLIST) == CBS_DROPDOWNLIST; }

// WM_COMMAND to the parent; false when the combo box did not survive the parent's answer.
bool Notify(HWND hwnd, UINT code);

// The list's selected item (-1 for none) and an item's text.
int Selected(const State& state);
std::wstring ItemText(const State& state, int index);

// Repaints the field (and the arrow).
void RepaintField(HWND hwnd);

}  // namespace platform::combo
