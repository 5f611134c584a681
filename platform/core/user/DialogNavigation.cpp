// Keyboard navigation among a window's controls: tab stops in z-order (the order controls were
// created), Tab and Shift+Tab between them, the arrow keys within a group, Enter to the default
// button, Escape to cancel.
#include <algorithm>
#include <vector>

#include "PlatformState.h"
#include "user/WindowTree.h"

namespace platform {

namespace {

bool IsOpenControlParent(const Window& w) {
    return (w.exStyle & WS_EX_CONTROLPARENT) && (w.style & WS_VISIBLE) && !(w.style & WS_DISABLED);
}

bool IsTabStop(const Window& w) { return (w.style & WS_TABSTOP) && (w.style & WS_VISIBLE) && !(w.style & WS_DISABLED); }

HWND NextTabItem(HWND main, HWND dialog, HWND control, bool previous);

// Where a search starts: after the control among its siblings; past the last of a nested
// control parent's children, after that parent; past the last of the dialog's, round to its
// first (the last, backwards).
HWND FirstCandidate(HWND main, HWND dialog, HWND control, bool previous) {
    const UINT search = previous ? GW_HWNDPREV : GW_HWNDNEXT;
    if (!control) {
        HWND first = GetWindow(dialog, GW_CHILD);
        return previous && first ? GetWindow(first, GW_HWNDLAST) : first;
    }
    if (!IsChild(main, control)) return nullptr;
    if (HWND next = GetWindow(control, search)) return next;
    HWND parent = GetParent(control);
    return parent != main ? GetWindow(parent, search) : GetWindow(control, previous ? GW_HWNDLAST : GW_HWNDFIRST);
}

// A visible, enabled control parent is looked into and is never a stop itself; a search that
// runs out inside nested control parents carries on after them, then round the whole dialog.
HWND NextTabItem(HWND main, HWND dialog, HWND control, bool previous) {
    const UINT search = previous ? GW_HWNDPREV : GW_HWNDNEXT;
    for (HWND child = FirstCandidate(main, dialog, control, previous); child; child = GetWindow(child, search)) {
        Window* w = FindWindow(child);
        if (!w) break;
        if (IsOpenControlParent(*w)) {
            if (HWND found = NextTabItem(main, child, nullptr, previous)) return found;
        } else if (IsTabStop(*w)) {
            return child;
        }
    }
    if (!control) return nullptr;
    HWND found = nullptr;
    for (HWND parent = GetParent(control); parent && parent != main && !found; parent = GetParent(parent))
        found = NextTabItem(main, GetParent(parent), parent, previous);
    if (!found) found = NextTabItem(main, main, nullptr, previous);
    return found ? found : control;
}

// The dialog's controls in order: children, and the children of children that hold controls.
std::vector<HWND> ControlsOf(HWND dialog) {
    Window* w = FindWindow(dialog);
    return w ? DescendantsOf(*w) : std::vector<HWND>{};
}

UINT DialogCodeOf(HWND control, const MSG* msg) {
    return static_cast<UINT>(SendMessageW(control, WM_GETDLGCODE, msg ? msg->wParam : 0, reinterpret_cast<LPARAM>(msg)));
}

// The id of the default button: the dialog's own answer to DM_GETDEFID, else the control that
// calls itself the default push button, else IDOK.
int DefaultIdOf(HWND dialog) {
    LRESULT defId = SendMessageW(dialog, DM_GETDEFID, 0, 0);
    if (HIWORD(defId) == DC_HASDEFID) return LOWORD(defId);
    for (HWND control : ControlsOf(dialog))
        if (IsWindowVisible(control) && (DialogCodeOf(control, nullptr) & DLGC_DEFPUSHBUTTON)) return GetDlgCtrlID(control);
    return IDOK;
}

void FocusControl(HWND control) {
    SetFocus(control);
    // An edit field entered from the keyboard has its whole text selected; the focus may have
    // gone on to a child, as a combo box gives it to its edit.
    HWND focus = GetFocus();
    if (focus && (focus == control || IsChild(control, focus)) && (DialogCodeOf(focus, nullptr) & DLGC_HASSETSEL))
        SendMessageW(focus, EM_SETSEL, 0, -1);
}

// A label or a group box that is a tab stop hands the focus on to the first control of its
// group, as the system's dialogs do; null when its group holds no other.
HWND TakerOfTheFocus(HWND dialog, HWND stop) {
    if (!(DialogCodeOf(stop, nullptr) & DLGC_STATIC)) return stop;
    HWND inside = GetNextDlgGroupItem(dialog, stop, FALSE);
    return inside != stop ? inside : nullptr;
}

void MoveFocus(HWND dialog, bool backwards) {
    HWND next = GetNextDlgTabItem(dialog, GetFocus(), backwards);
    if (next) next = TakerOfTheFocus(dialog, next);
    if (next) FocusControl(next);
}

bool IsUncheckedAutoRadio(HWND control) {
    const LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_AUTORADIOBUTTON && SendMessageW(control, BM_GETCHECK, 0, 0) != BST_CHECKED;
}

// An arrow moves the focus to the next control of the group; an auto radio button reached so
// is also chosen, as if clicked.
void MoveWithinGroup(HWND dialog, HWND from, bool backwards) {
    HWND next = GetNextDlgGroupItem(dialog, from, backwards);
    if (!next || next == from) return;
    if (!(DialogCodeOf(next, nullptr) & DLGC_RADIOBUTTON)) {
        FocusControl(next);
        return;
    }
    SetFocus(next);
    if (IsUncheckedAutoRadio(next)) SendMessageW(next, BM_CLICK, TRUE, 0);
}

bool IsArrow(WPARAM key) { return key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN; }

void SendCommand(HWND dialog, HWND button, int id) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

// Handles a key the dialog manager acts on; false when the key is the control's own.
bool HandleKey(HWND dialog, const MSG& msg) {
    UINT code = msg.hwnd ? DialogCodeOf(msg.hwnd, &msg) : 0;
    if (code & DLGC_WANTALLKEYS) return false;
    if (IsArrow(msg.wParam)) {
        // The dialog's own window keeps its arrows: a form that draws a game reads them.
        if ((code & DLGC_WANTARROWS) || msg.hwnd == dialog) return false;
        MoveWithinGroup(dialog, msg.hwnd, msg.wParam == VK_LEFT || msg.wParam == VK_UP);
        return true;
    }
    switch (msg.wParam) {
    case VK_TAB:
        if (code & DLGC_WANTTAB) return false;
        MoveFocus(dialog, (GetKeyState(VK_SHIFT) & 0x8000) != 0);
        return true;
    case VK_RETURN: {
        // A focused push button is the one Enter presses; otherwise the default button.
        bool focusedButton = (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
        int id = focusedButton ? GetDlgCtrlID(msg.hwnd) : DefaultIdOf(dialog);
        HWND button = GetDlgItem(dialog, id);
        if (button && !IsWindowEnabled(button)) return true;
        SendCommand(dialog, button, id);
        return true;
    }
    case VK_ESCAPE:
        SendCommand(dialog, GetDlgItem(dialog, IDCANCEL), IDCANCEL);
        return true;
    default:
        return false;
    }
}

}  // namespace

}  // namespace platform

using namespace platform;

int WINAPI GetDlgCtrlID(HWND hWnd) {
    Window* w = CheckWindow(hWnd);
    return w && w->IsChild() ? static_cast<int>(w->id) : 0;
}

HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem) {
    Window* w = CheckWindow(hDlg);
    if (!w) return nullptr;
    for (HWND child : w->children)
        if (Window* c = FindWindow(child); c && c->id == nIDDlgItem) return child;
    return nullptr;
}

HWND WINAPI GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
    if (!CheckWindow(hDlg)) return nullptr;
    if (hCtl == hDlg) hCtl = nullptr;
    // The platform finds no previous stop without a control to start from.
    if (!hCtl && bPrevious) return nullptr;
    return NextTabItem(hDlg, hDlg, hCtl, bPrevious != FALSE);
}

BOOL WINAPI IsDialogMessageW(HWND hDlg, LPMSG lpMsg) {
    if (!lpMsg || !FindWindow(hDlg)) return FALSE;
    if (lpMsg->hwnd != hDlg && !IsChild(hDlg, lpMsg->hwnd)) return FALSE;
    if (lpMsg->message == WM_KEYDOWN && HandleKey(hDlg, *lpMsg)) return TRUE;
    // Everything else reaches its window as through the ordinary loop.
    TranslateMessage(lpMsg);
    DispatchMessageW(lpMsg);
    return TRUE;
}
