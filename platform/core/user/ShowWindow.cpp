// ShowWindow: WM_SHOWWINDOW, then the change through SetWindowPos (which activates a top-level
// window being shown), then the first WM_SIZE and WM_MOVE of an overlapped window. Hiding the
// active window activates another; hiding the focus window gives the focus to its parent.
#include "PlatformState.h"
#include "user/Activation.h"
#include "user/WindowOps.h"

using namespace platform;

namespace {

enum class Change { Hide, Show, ShowNoActivate };

Change ChangeOf(int command) {
    switch (command) {
    case SW_HIDE: return Change::Hide;
    case SW_SHOWNA: case SW_SHOWNOACTIVATE: case SW_SHOWMINNOACTIVE: case SW_MINIMIZE: case SW_SHOWMINIMIZED:
        return Change::ShowNoActivate;
    default: return Change::Show;
    }
}

void AfterHide(HWND hwnd) {
    if (hwnd == State().active) ActivateOtherWindow(hwnd);
    Window* w = FindWindow(hwnd);
    if (w && hwnd == State().focus) SetFocus(w->parent);
}

}  // namespace

BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow) {
    Window* w = CheckWindow(hWnd);
    if (!w) return FALSE;
    bool wasVisible = w->IsVisibleFlag();
    Change change = ChangeOf(nCmdShow);
    bool show = change != Change::Hide;
    if (show == wasVisible) return wasVisible;
    UINT flags = SWP_NOSIZE | SWP_NOMOVE | (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
    if (change == Change::ShowNoActivate || w->IsChild()) flags |= SWP_NOACTIVATE | SWP_NOZORDER;
    SendMessageW(hWnd, WM_SHOWWINDOW, show, 0);
    if (!IsWindow(hWnd)) return wasVisible;
    SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, flags);
    if (!(w = FindWindow(hWnd))) return wasVisible;
    if (!show) {
        AfterHide(hWnd);
        return wasVisible;
    }
    if (w->needSize) SendSizeAndMove(hWnd);
    return wasVisible;
}
