// One edit field's state, kept on the heap with its pointer in the window's extra bytes, and
// the steps every change to it ends with: telling the parent, scrolling the caret into view,
// moving the caret and repainting.
#pragma once

#include <string_view>

#include "PlatformApi.h"
#include "controls/EditText.h"
#include "controls/LetterCase.h"

namespace platform {

struct EditState {
    EditText text;
    HFONT font = nullptr;    // given with WM_SETFONT; null draws with the dialog font
    WCHAR passwordChar = 0;  // shown for each character instead of the text; 0 shows the text
    int scroll = 0;          // pixels of text scrolled out of view at the left
    bool dragging = false;   // the left button went down in the field and is still held
};

// Null once the window is gone (or before WM_NCCREATE made the state).
EditState* StateOf(HWND hwnd);
void SetStateOf(HWND hwnd, EditState* state);

bool IsReadOnly(HWND hwnd);
// The case ES_UPPERCASE or ES_LOWERCASE in `style` forces.
LetterCase CaseOf(LONG style);

// WM_COMMAND to the parent with the field's id and `code`; false when the field did not
// survive the parent's answer.
bool Notify(HWND hwnd, UINT code);
// After the caret or the selection moved (or the layout changed): scrolls the caret into
// view, moves it there and repaints.
void ShowSelection(HWND hwnd, EditState& state);
// After the text changed: EN_UPDATE, the new look, then EN_CHANGE.
void ShowChange(HWND hwnd, EditState& state);
// Replaces the selection with as much of `insert` as the field takes: in the field's case,
// within the limit and, without ES_AUTOHSCROLL, within the width of the box. Anything refused
// sends EN_MAXTEXT; a refused insertion leaves the selection alone.
void InsertText(HWND hwnd, EditState& state, std::wstring_view insert);

}  // namespace platform
