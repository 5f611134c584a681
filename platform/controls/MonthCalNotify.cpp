// What a month calendar tells the window named its parent at creation (for a pop-up, its owner),
// through WM_NOTIFY: the selection's changes, an explicit choice of a day, the mouse let go.
#include "controls/MonthCalState.h"

namespace platform::monthcal {

namespace {

UINT_PTR IdOf(HWND hwnd) { return static_cast<UINT_PTR>(GetWindowLongPtrW(hwnd, GWLP_ID)); }

// The dates go out with a day of the week of 0, as the platform sends them.
bool SendSelection(HWND hwnd, UINT code) {
    State* state = StateOf(hwnd);
    if (!state) return false;
    NMSELCHANGE change{{hwnd, IdOf(hwnd), code}, state->selStart, state->selEnd};
    change.stSelStart.wDayOfWeek = change.stSelEnd.wDayOfWeek = 0;
    SendMessageW(state->notify, WM_NOTIFY, change.nmhdr.idFrom, reinterpret_cast<LPARAM>(&change));
    return StateOf(hwnd) != nullptr;
}

}  // namespace

bool NotifySelChange(HWND hwnd) { return SendSelection(hwnd, MCN_SELCHANGE); }

bool NotifySelect(HWND hwnd) { return SendSelection(hwnd, MCN_SELECT); }

bool NotifyReleasedCapture(HWND hwnd) {
    State* state = StateOf(hwnd);
    if (!state) return false;
    NMHDR header{hwnd, IdOf(hwnd), static_cast<UINT>(NM_RELEASEDCAPTURE)};
    SendMessageW(state->notify, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
    return StateOf(hwnd) != nullptr;
}

}  // namespace platform::monthcal
