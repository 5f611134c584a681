// Mouse capture: while a window holds it, every mouse message goes to that window, wherever
// the pointer is.
#include "PlatformState.h"

using namespace platform;

HWND WINAPI SetCapture(HWND hWnd) {
    PlatformState& state = State();
    HWND previous = state.capture;
    if (hWnd && !CheckWindow(hWnd)) return nullptr;
    if (previous == hWnd) return previous;
    state.capture = hWnd;
    if (previous && IsWindow(previous)) SendMessageW(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hWnd));
    return previous;
}

BOOL WINAPI ReleaseCapture(void) {
    PlatformState& state = State();
    HWND previous = state.capture;
    state.capture = nullptr;
    if (previous && IsWindow(previous)) SendMessageW(previous, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND WINAPI GetCapture(void) { return State().capture; }
