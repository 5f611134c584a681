#include "controls/ButtonCheck.h"

#include <algorithm>

#include "controls/ButtonState.h"

namespace platform::button {

namespace {

WPARAM MostCheckedOf(UINT type) {
    switch (type) {
    case BS_3STATE:
    case BS_AUTO3STATE: return BST_INDETERMINATE;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return BST_CHECKED;
    default: return BST_UNCHECKED;
    }
}

// The dialog manager keeps the Tab key on a group's chosen radio button.
void TabStopWhileChecked(HWND hwnd, bool checked) {
    const LONG style = StyleOf(hwnd);
    const LONG wanted = checked ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
    if (wanted != style) SetWindowLongW(hwnd, GWL_STYLE, wanted);
}

bool IsRadio(HWND hwnd) { return (SendMessageW(hwnd, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0; }

// Walks the group from the button on, the way the dialog manager's arrows do: shown, enabled
// controls only. A hidden or disabled button is not on that round itself, so the walk also
// ends where it began.
void UncheckTheRestOfTheGroup(HWND hwnd) {
    HWND parent = GetParent(hwnd);
    if (!parent || !(StyleOf(hwnd) & WS_CHILD)) return;
    HWND first = GetNextDlgGroupItem(parent, hwnd, FALSE);
    for (HWND sibling = first; sibling && sibling != hwnd;) {
        if (IsRadio(sibling)) SendMessageW(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
        sibling = GetNextDlgGroupItem(parent, sibling, FALSE);
        if (sibling == first) break;
    }
}

}  // namespace

void SetCheck(HWND hwnd, WPARAM state) {
    const UINT type = TypeOf(hwnd);
    const LONG_PTR check = static_cast<LONG_PTR>(std::min(state, MostCheckedOf(type)));
    if (FamilyOf(type) == Family::Radio) TabStopWhileChecked(hwnd, check != BST_UNCHECKED);
    const LONG_PTR flags = Flags(hwnd);
    if ((flags & kCheckBits) == check) return;
    SetWindowLongPtrW(hwnd, kFlagsSlot, (flags & ~kCheckBits) | check);
    InvalidateRect(hwnd, nullptr, FALSE);
}

void ApplyClick(HWND hwnd) {
    const LRESULT check = CheckOf(hwnd);
    switch (TypeOf(hwnd)) {
    case BS_AUTOCHECKBOX:
        SendMessageW(hwnd, BM_SETCHECK, (check & BST_CHECKED) ? BST_UNCHECKED : BST_CHECKED, 0);
        return;
    case BS_AUTO3STATE:
        SendMessageW(hwnd, BM_SETCHECK, static_cast<WPARAM>((check + 1) % 3), 0);
        return;
    case BS_AUTORADIOBUTTON:
        SendMessageW(hwnd, BM_SETCHECK, BST_CHECKED, 0);
        UncheckTheRestOfTheGroup(hwnd);
        return;
    default: return;
    }
}

}  // namespace platform::button
