// Window geometry queries and coordinate conversion.
#include <algorithm>

#include "PlatformState.h"
#include "user/NonClient.h"
#include "user/WindowTree.h"

using namespace platform;

BOOL WINAPI IsWindow(HWND hWnd) { return FindWindow(hWnd) != nullptr; }

BOOL WINAPI IsWindowVisible(HWND hWnd) {
    Window* w = FindWindow(hWnd);
    return w && IsShownOnScreen(*w);
}

BOOL WINAPI IsChild(HWND hWndParent, HWND hWnd) {
    Window* w = FindWindow(hWnd);
    if (!hWndParent) return FALSE;
    while (w && w->IsChild()) {
        if (w->parent == hWndParent) return TRUE;
        w = FindWindow(w->parent);
    }
    return FALSE;
}

BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect) {
    Window* w = CheckWindow(hWnd);
    if (!w) return FALSE;
    if (!lpRect) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *lpRect = {0, 0, w->ClientWidth(), w->ClientHeight()};
    return TRUE;
}

BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT lpRect) {
    Window* w = CheckWindow(hWnd);
    if (!w) return FALSE;
    if (!lpRect) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *lpRect = ScreenRectOf(*w);
    return TRUE;
}

BOOL WINAPI ScreenToClient(HWND hWnd, LPPOINT lpPoint) {
    Window* w = CheckWindow(hWnd);
    if (!w || !lpPoint) return FALSE;
    POINT origin = ClientOriginOnScreen(*w);
    lpPoint->x -= origin.x;
    lpPoint->y -= origin.y;
    return TRUE;
}

BOOL WINAPI ClientToScreen(HWND hWnd, LPPOINT lpPoint) {
    Window* w = CheckWindow(hWnd);
    if (!w || !lpPoint) return FALSE;
    POINT origin = ClientOriginOnScreen(*w);
    lpPoint->x += origin.x;
    lpPoint->y += origin.y;
    return TRUE;
}

int WINAPI GetSystemMetrics(int nIndex) {
    switch (nIndex) {
    case SM_CXSCREEN: return CurrentBackend().ScreenSize().cx;
    case SM_CYSCREEN: return CurrentBackend().ScreenSize().cy;
    case SM_CXDOUBLECLK: case SM_CYDOUBLECLK: return 4;
    default: return std::max(0, nonclient::FrameMetric(nIndex));
    }
}

// The frame is measured from the styles alone, as WM_NCCALCSIZE measures a top-level window.
BOOL WINAPI AdjustWindowRectEx(LPRECT lpRect, DWORD dwStyle, BOOL bMenu, DWORD dwExStyle) {
    if (!lpRect) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *lpRect = nonclient::OuterAround(*lpRect, nonclient::FrameOf(dwStyle, dwExStyle, bMenu != FALSE));
    return TRUE;
}

BOOL WINAPI AdjustWindowRect(LPRECT lpRect, DWORD dwStyle, BOOL bMenu) {
    return AdjustWindowRectEx(lpRect, dwStyle, bMenu, 0);
}
