// DestroyWindow: hide, destroy owned windows, WM_DESTROY from the window down to its children,
// then WM_NCDESTROY from the deepest children up to the window, and the handles go stale.
#include "PlatformState.h"
#include "user/Activation.h"
#include "user/WindowOps.h"
#include "user/WindowTree.h"

namespace platform {

namespace {

void HideForDestruction(HWND hwnd, bool child) {
    if (!IsWindowVisible(hwnd)) return;
    if (child) {
        ShowWindow(hwnd, SW_HIDE);
    } else {
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void DestroyOwnedWindows(HWND owner) {
    std::vector<HWND> tops = State().topLevels;
    for (HWND top : tops) {
        Window* w = FindWindow(top);
        if (w && w->owner == owner) DestroyWindow(top);
    }
}

void SendDestroyMessages(HWND hwnd) {
    if (hwnd == State().active) ActivateOtherWindow(hwnd);
    if (!IsWindow(hwnd)) return;
    SendMessageW(hwnd, WM_DESTROY, 0, 0);
    Window* w = FindWindow(hwnd);
    if (!w) return;
    std::vector<HWND> children = w->children;
    for (HWND child : children)
        if (IsWindow(child)) SendDestroyMessages(child);
}

}  // namespace

void FreeWindow(HWND hwnd) {
    Window* w = FindWindow(hwnd);
    if (!w) return;
    w->destroying = true;
    std::vector<HWND> children = w->children;
    for (HWND child : children) FreeWindow(child);
    SendMessageW(hwnd, WM_NCDESTROY, 0, 0);
    if (!(w = FindWindow(hwnd))) return;
    PlatformState& state = State();
    state.timers.KillAllOf(hwnd);
    state.hotKeys.UnregisterAllOf(hwnd);
    state.tracking.Forget(hwnd);
    if (state.caret.Owner() == hwnd) state.caret.Destroy();
    if (state.capture == hwnd) state.capture = nullptr;
    // A window that goes takes the focus and the activation with it, without messages.
    if (state.focus == hwnd) state.focus = nullptr;
    if (state.active == hwnd) state.active = nullptr;
    // A window's menu bar goes with it.
    if (!w->IsChild() && w->menu) state.menus.Destroy(w->menu);
    UnlinkWindow(*w);
    if (!w->parent) state.backend->OnWindowDestroyed(hwnd);
    --w->windowClass->windowCount;
    state.windows.Remove(reinterpret_cast<std::uintptr_t>(hwnd));
}

}  // namespace platform

using namespace platform;

BOOL WINAPI DestroyWindow(HWND hWnd) {
    Window* w = CheckWindow(hWnd);
    if (!w) return FALSE;
    // Asked again while already going (from its own WM_DESTROY, say): it is on its way.
    if (w->destroying) return TRUE;
    w->destroying = true;
    bool child = w->IsChild();
    if (child && !(w->exStyle & WS_EX_NOPARENTNOTIFY))
        SendMessageW(w->parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_DESTROY, w->id), reinterpret_cast<LPARAM>(hWnd));
    if (!IsWindow(hWnd)) return TRUE;
    HideForDestruction(hWnd, child);
    if (!IsWindow(hWnd)) return TRUE;
    if (!child) DestroyOwnedWindows(hWnd);
    SendDestroyMessages(hWnd);
    FreeWindow(hWnd);
    return TRUE;
}
