// One edit field's state, kept on the heap with its pointer in the window's extra bytes, and
// the steps every change to it ends with: telling the parent, scrolling the caret into view,
// moving the caret and repainting.
#pragma once

#include <string_view>

#include "PlatformApi.h"
#include "controls/EditText.h"
#include "controls/LetterCase.h"

namespace platform {

// How a field holds its lines, fixed when it is made, as on the platform: a multi-line field
// with a bar in its style scrolls that way by itself, and one centred or aligned right wraps.
struct EditLineStyle {
    bool multiLine = false;
    bool autoVScroll = false;    // ES_AUTOVSCROLL or WS_VSCROLL: scrolls up and down
    bool autoHScroll = false;    // ES_AUTOHSCROLL or WS_HSCROLL: scrolls sideways rather than wraps
    bool verticalBar = false;    // WS_VSCROLL: the window's vertical bar follows the lines
    bool horizontalBar = false;  // WS_HSCROLL: the horizontal bar follows the widest line
};

EditLineStyle LineStyleOf(LONG style);

struct EditState {
    EditText text;
    EditLineStyle lines;
    HFONT font = nullptr;    // given with WM_SETFONT; null draws with the dialog font
    WCHAR passwordChar = 0;  // shown for each character instead of the text; 0 shows the text
    int scroll = 0;          // pixels of text scrolled out of view at the left
    int firstLine = 0;       // multi-line: the first line in view
    bool afterWrap = false;  // multi-line: a caret at a wrapped line's end stays on that line
    int wheelRest = 0;       // wheel turn not yet worth a whole line
    bool trackingV = false;  // the vertical thumb is being dragged: the bar is left to the person
    bool trackingH = false;  // the horizontal one
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
// After the caret or the selection moved: scrolls the caret into view, moves it there and
// repaints; a multi-line field's bars follow.
void ShowSelection(HWND hwnd, EditState& state);
// After the field's size or font changed: a single-line field shows its caret again; a
// multi-line one keeps its view within its lines, without chasing the caret, as the platform does.
void ShowNewLayout(HWND hwnd, EditState& state);
// After the text changed: EN_UPDATE, the new look, then EN_CHANGE.
void ShowChange(HWND hwnd, EditState& state);
// Replaces the selection with as much of `insert` as the field takes: in the field's case,
// within the limit and, for a single line without ES_AUTOHSCROLL, within the width of the box.
// Anything refused sends EN_MAXTEXT; a refused insertion leaves the selection alone.
void InsertText(HWND hwnd, EditState& state, std::wstring_view insert);

}  // namespace platform
