#include "backend/DesktopInput.h"

#include <algorithm>

#include "PlatformState.h"
#include "gdi/WindowSurfaces.h"
#include "user/Activation.h"
#include "user/NonClient.h"

namespace platform::desktop {

void KeyChanged(UINT vk, bool down, bool textDriven) { State().input.QueueKey(vk, down, textDriven); }

void TextTyped(const std::wstring& text) { State().input.QueueText(text); }

void PointerEvent(UINT message, POINT screen, HWND topLevel) { State().input.QueueMouse(message, screen, topLevel); }

void WheelTurned(int delta, bool horizontal, POINT screen, HWND topLevel) {
    State().input.QueueWheel(horizontal ? WM_MOUSEHWHEEL : WM_MOUSEWHEEL, delta, screen, topLevel);
}

void KeyboardLeft() { State().input.ReleaseHeldKeys(); }

void Activated(HWND topLevel) { DesktopActivated(topLevel); }

void Deactivated() { DesktopDeactivated(); }

void CloseRequested(HWND topLevel) { PostMessageW(topLevel, WM_SYSCOMMAND, SC_CLOSE, 0); }

void MovedBy(HWND topLevel, POINT outerTopLeft) {
    SetWindowPos(topLevel, nullptr, outerTopLeft.x, outerTopLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Exposed(HWND topLevel) {
    Window* w = FindWindow(topLevel);
    if (!w || w->IsChild()) return;
    w->dirty.Clear();
    w->dirty.Add(nonclient::DesktopArea(*w));
}

void Overdrawn(HWND window, COLORREF covering) {
    const Surface surface = WindowSurface(window);
    if (!surface.Valid()) return;
    const std::uint32_t pixel = PixelOf(covering);
    for (int y = surface.clip.top; y < surface.clip.bottom; ++y)
        std::fill_n(surface.At(surface.clip.left, y), surface.clip.right - surface.clip.left, pixel);
    surface.Touch(surface.clip);
    InvalidateRect(window, nullptr, TRUE);
}

}  // namespace platform::desktop
