// Device contexts of windows (GetDC, the one BeginPaint hands out) and of the screen.
#include "PlatformState.h"
#include "gdi/WindowSurfaces.h"

namespace platform {

HDC CreateDisplayDc(HWND window) { return NewContext(window, window == nullptr); }

}  // namespace platform

using namespace platform;

HDC WINAPI GetDC(HWND hWnd) {
    if (hWnd && !CheckWindow(hWnd)) return nullptr;
    return CreateDisplayDc(hWnd);
}

int WINAPI ReleaseDC(HWND hWnd, HDC hDC) {
    DeviceContext* dc = FindDc(hDC);
    // Only a window's own context is released this way; memory contexts go with DeleteDC.
    if (!dc || (!dc->window && !dc->screen) || dc->window != hWnd) return 0;
    return DeleteDC(hDC);
}

HDC WINAPI GetWindowDC(HWND hWnd) {
    if (!CheckWindow(hWnd)) return nullptr;
    return NewContext(hWnd, false, true);
}

HWND WINAPI WindowFromDC(HDC hDC) {
    DeviceContext* dc = FindDc(hDC);
    return dc ? dc->window : nullptr;
}
