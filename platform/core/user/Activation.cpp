#include "user/Activation.h"

#include "PlatformState.h"
#include "user/WindowTree.h"

namespace platform {

namespace {

bool IsMinimized(HWND hwnd) {
    Window* w = FindWindow(hwnd);
    return w && (w->style & WS_MINIMIZE);
}

// The window a disabled window waits on: the frontmost visible, enabled window it owns.
HWND EnabledPopupOf(HWND owner) {
    for (HWND top : State().topLevels) {
        Window* w = FindWindow(top);
        if (w && w->owner && RootOf(w->owner) == owner && CanActivate(top)) return top;
    }
    return nullptr;
}

void SendActivateApp(bool active) {
    std::vector<HWND> tops = State().topLevels;  // a copy: windows may go while we send
    for (HWND top : tops)
        if (IsWindow(top)) SendMessageW(top, WM_ACTIVATEAPP, active, 0);
}

}  // namespace

bool CanActivate(HWND hwnd) {
    Window* w = FindWindow(hwnd);
    if (!w || !w->IsVisibleFlag() || w->IsChild()) return false;
    return (w->style & WS_DISABLED) == 0;
}

bool SetActive(HWND hwnd, bool byMouse, bool changeFocus) {
    PlatformState& state = State();
    HWND previous = state.active;
    if (previous == hwnd) return true;
    state.active = hwnd;
    if (IsWindow(previous)) {
        SendMessageW(previous, WM_NCACTIVATE, FALSE, reinterpret_cast<LPARAM>(hwnd));
        SendMessageW(previous, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, IsMinimized(previous)),
                     reinterpret_cast<LPARAM>(hwnd));
    }
    // The application as a whole gains or loses activation.
    if (!previous != !hwnd) SendActivateApp(hwnd != nullptr);
    if (IsWindow(hwnd)) {
        SendMessageW(hwnd, WM_NCACTIVATE, TRUE, reinterpret_cast<LPARAM>(previous));
        SendMessageW(hwnd, WM_ACTIVATE, MAKEWPARAM(byMouse ? WA_CLICKACTIVE : WA_ACTIVE, IsMinimized(hwnd)),
                     reinterpret_cast<LPARAM>(previous));
    }
    if (hwnd && state.active == hwnd) CurrentBackend().OnWindowActivated(hwnd);
    if (changeFocus && state.active == hwnd) {
        HWND focus = state.focus;
        if (!focus || !hwnd || RootOf(focus) != hwnd) SetFocusWindow(hwnd);
    }
    return hwnd == nullptr || IsWindow(hwnd);
}

HWND SetFocusWindow(HWND hwnd) {
    PlatformState& state = State();
    HWND previous = state.focus;
    if (previous == hwnd) return previous;
    state.focus = hwnd;
    if (previous && IsWindow(previous)) SendMessageW(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    // The focus may have moved again while the old window heard it was leaving.
    if (State().focus != hwnd) return previous;
    if (hwnd) SendMessageW(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    return previous;
}

void ActivateOtherWindow(HWND hwnd) {
    HWND next = nullptr;
    Window* w = FindWindow(hwnd);
    if (w && (w->style & WS_POPUP) && CanActivate(RootOf(w->owner))) {
        next = RootOf(w->owner);
    } else {
        for (HWND top : State().topLevels) {
            if (top != hwnd && CanActivate(top)) {
                next = top;
                break;
            }
        }
    }
    SetActive(next, false, true);
}

void DesktopActivated(HWND hwnd) {
    Window* w = FindWindow(hwnd);
    if (!w || w->IsChild()) return;
    HWND target = (w->style & WS_DISABLED) ? EnabledPopupOf(hwnd) : hwnd;
    if (target && State().active != target) SetActive(target, false, true);
}

void DesktopDeactivated() {
    if (State().active) SetActive(nullptr, false, true);
}

}  // namespace platform

using namespace platform;

HWND WINAPI GetFocus(void) { return State().focus; }

HWND WINAPI GetActiveWindow(void) { return State().active; }

// One application on one thread: the foreground window is the active one.
HWND WINAPI GetForegroundWindow(void) { return State().active; }

BOOL WINAPI SetForegroundWindow(HWND hWnd) {
    if (!CheckWindow(hWnd)) return FALSE;
    HWND top = RootOf(hWnd);
    return SetActive(top, false, true) && State().active == top;
}

HWND WINAPI SetActiveWindow(HWND hWnd) {
    HWND previous = State().active;
    if (hWnd) {
        Window* w = CheckWindow(hWnd);
        if (!w) return nullptr;
        if (w->IsChild()) return nullptr;
    }
    if (!SetActive(hWnd, false, true)) return nullptr;
    return previous;
}

HWND WINAPI SetFocus(HWND hWnd) {
    PlatformState& state = State();
    HWND previous = state.focus;
    if (!hWnd) {
        if (!previous) return nullptr;
        return SetFocusWindow(nullptr);
    }
    if (!CheckWindow(hWnd)) return nullptr;
    if (hWnd == previous) return previous;
    // Neither the window nor any of its ancestors may be disabled or minimized.
    HWND top = hWnd;
    for (Window* w = FindWindow(hWnd); w; w = FindWindow(w->parent)) {
        if (w->style & (WS_MINIMIZE | WS_DISABLED)) return nullptr;
        top = w->handle;
        if (!w->IsChild()) break;
    }
    if (top != state.active) {
        if (!SetActive(top, false, false) || !IsWindow(hWnd)) return nullptr;
        if (State().active != top) return nullptr;
    }
    return SetFocusWindow(hWnd);
}
