// The real display over Xlib: every top-level window is an X window showing the pixels the
// platform keeps for it, read by the X server in place from shared memory where it can; X's
// key, button, focus and window events become the platform's input. It starts in a few
// milliseconds and loads only Xlib, where a general toolkit would load dozens of libraries and
// settle an input method, a session bus and a second connection first.
#pragma once

#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Backend.h"
#include "backends/DesktopFocus.h"

struct _XDisplay;
union _XEvent;
struct _XImage;
struct _XGC;

namespace platform {
namespace desktop {
struct TopLevel;
struct WindowPixels;
}
namespace sdl {
struct SdlMedia;
}

class X11Backend : public Backend {
public:
    // Nothing when no X display can be opened, or its screen has no 24-bit true-colour visual
    // with the pixel layout the platform keeps; `reason` then says why.
    static std::unique_ptr<X11Backend> Open(std::string& reason);
    ~X11Backend() override;
    X11Backend(const X11Backend&) = delete;
    X11Backend& operator=(const X11Backend&) = delete;

    std::uint64_t MonotonicMs() const override;
    SYSTEMTIME LocalTimeAtStart() const override { return startLocalTime_; }
    void PollEvents() override;
    bool WaitForEvents(std::optional<std::uint64_t> deadlineMs) override;
    SIZE ScreenSize() const override;
    bool DesktopDrawsFrames() const override { return true; }
    bool SharesWindowPixels() const override { return sharedMemory_; }

    void OnWindowCreated(HWND window) override;
    void OnWindowDestroyed(HWND window) override;
    void OnWindowShown(HWND window, bool visible) override;
    void OnWindowMoved(HWND window) override;
    void OnWindowTextChanged(HWND window) override;
    void OnWindowIconChanged(HWND window) override;
    void OnWindowActivated(HWND window) override;
    void OnCursorChanged(HCURSOR cursor) override;
    SoundOutput& Sound() override;
    JoystickSource& Joysticks() override;

    // Maps the windows shown since the last call, then shows the windows' changed pixels.
    void Present();
    // For tests: the connection, and the X window showing a top-level window (0 for none).
    _XDisplay* NativeDisplay() const { return display_; }
    unsigned long NativeWindowOf(HWND window) const;

private:
    // What the backend keeps for each top-level window.
    struct Native {
        unsigned long id = 0;
        bool mapped = false;        // the X server says it is on the screen
        bool mapRequested = false;  // asked to be on the screen, and not taken off it since
        bool activateWhenMapped = false;
        // The pixels the X server reads: an image over the window's own pixels, and the shared
        // segment the server has attached (none: they are sent over the connection). The image
        // refers to the segment's description, which lives as long as it.
        _XImage* image = nullptr;
        const void* imagePixels = nullptr;
        std::shared_ptr<void> segment;
    };

    explicit X11Backend(_XDisplay* display);
    void Handle(_XEvent& event);
    void HandleKey(_XEvent& event, bool down);
    void HandleMouse(HWND window, int x, int y, UINT message);
    // Buttons 4 to 7: a notch of the wheel.
    void HandleWheel(HWND window, int x, int y, unsigned int button);
    void HandleClientMessage(HWND window, _XEvent& event);
    void HandleProperty(HWND window, _XEvent& event);
    void OnDesktopConfigured(HWND window);
    void Describe(const desktop::TopLevel& w, const Native& native);
    void SetTitle(unsigned long id, const std::wstring& text);
    void ShowAsActive(HWND window, Native& native);
    void MapPendingWindows();
    HWND WindowOf(unsigned long id) const;
    Native* NativeOf(HWND window);
    std::vector<unsigned long> ProgramWindows() const;
    void PresentWindow(HWND window, Native& native, bool whole);
    bool ImageFits(const desktop::WindowPixels& w, Native& native);
    void ReleaseImage(Native& native);
    bool AnyButtonDown() const;

    _XDisplay* display_;
    std::chrono::steady_clock::time_point start_;
    SYSTEMTIME startLocalTime_{};
    bool sharedMemory_ = false;
    _XGC* gc_ = nullptr;
    std::map<HWND, Native> windows_;
    std::map<unsigned, unsigned long> cursors_;  // the X cursor of each cursor shape, made once
    unsigned long cursor_ = 0;
    bool mirroring_ = false;  // set while we move a window ourselves, to ignore its echo
    DesktopFocus focus_;
    // Windows shown but not yet mapped: a window is mapped when the program next looks for
    // messages, once its size, menu bar and first picture are settled.
    std::vector<HWND> pendingMaps_;
    std::unique_ptr<sdl::SdlMedia> media_;  // sound and joysticks, through SDL
};

// Replaces the backend and all platform state with an X display; false (the backend in place
// stays, and `reason` says why) when none can be opened.
bool InstallX11Backend(std::string& reason);

}  // namespace platform
