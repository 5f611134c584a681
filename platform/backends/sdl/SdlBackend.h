// The real display: every top-level window is an SDL window showing the pixels the platform
// keeps for it; SDL's keyboard, text, mouse and window events become the platform's input.
#pragma once

#include <SDL.h>

#include <array>
#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "Backend.h"
#include "backends/DesktopFocus.h"
#include "backends/sdl/SdlMedia.h"

namespace platform {
namespace desktop {
struct TopLevel;
struct WindowPixels;
}

class SdlBackend : public Backend {
public:
    // Nothing when no display can be opened (sdl::LastError tells why). SDL's drivers that
    // show nothing (offscreen, dummy) count as no display unless SDL_VIDEODRIVER names them.
    static std::unique_ptr<SdlBackend> Open();
    ~SdlBackend() override;

    std::uint64_t MonotonicMs() const override;
    SYSTEMTIME LocalTimeAtStart() const override { return startLocalTime_; }
    void PollEvents() override;
    bool WaitForEvents(std::optional<std::uint64_t> deadlineMs) override;
    SIZE ScreenSize() const override;
    bool DesktopDrawsFrames() const override { return true; }

    void OnWindowCreated(HWND window) override;
    void OnWindowDestroyed(HWND window) override;
    void OnWindowShown(HWND window, bool visible) override;
    void OnWindowMoved(HWND window) override;
    void OnWindowTextChanged(HWND window) override;
    void OnWindowIconChanged(HWND window) override;
    void OnWindowActivated(HWND window) override;
    void OnCursorChanged(HCURSOR cursor) override;
    SoundOutput& Sound() override { return media_.sound; }
    JoystickSource& Joysticks() override { return media_.joysticks; }

    // Maps the windows shown since the last call, then copies the windows' changed pixels to
    // the screen.
    void Present();
    // The SDL window showing a top-level window, for tests.
    SDL_Window* SdlWindowOf(HWND window) const;

private:
    SdlBackend();
    void Handle(const SDL_Event& event);
    void HandleWindowEvent(const SDL_WindowEvent& event);
    void HandleMouse(Uint32 windowId, int x, int y, UINT message);
    void HandleWheel(const SDL_MouseWheelEvent& event);
    void OnDesktopMoved(HWND window, int x, int y);
    void DescribeToWindowManager(const desktop::TopLevel& w, SDL_Window* sdl);
    void ShowAsActive(HWND window, SDL_Window* sdl);
    void MapPendingWindows();
    HWND WindowOf(Uint32 windowId) const;
    void PresentWindow(HWND window, SDL_Window* sdl, bool whole);
    static bool CopyToSurface(const desktop::WindowPixels& w, const SDL_Rect& from, SDL_Surface* target,
                              const SDL_Rect& to);

    std::chrono::steady_clock::time_point start_;
    SYSTEMTIME startLocalTime_{};
    std::map<HWND, SDL_Window*> windows_;
    bool mirroring_ = false;  // set while we move an SDL window ourselves, to ignore its echo
    DesktopFocus focus_;
    // Where the pointer was last seen in a window: SDL's wheel events tell the point only from
    // version 2.26 on, and an older library leaves those fields unset.
    POINT pointerInWindow_{};
    // Windows shown but not yet mapped: a window is mapped when the program next looks for
    // messages, once its size, menu bar and first picture are settled, not at every step on the
    // way there.
    std::vector<HWND> pendingMaps_;
    // The system cursors made so far, one per shape, freed with the backend.
    std::array<SDL_Cursor*, SDL_NUM_SYSTEM_CURSORS> cursors_{};
    sdl::SdlMedia media_;  // sound and joysticks
};

// Replaces the backend and all platform state with a real display; false (and the headless
// backend stays) when no display can be opened.
bool InstallSdlBackend();

}  // namespace platform
