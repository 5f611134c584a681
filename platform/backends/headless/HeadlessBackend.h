// A complete, silent display for tests: a virtual screen, a virtual clock that only moves
// when told to, injected keyboard and mouse input, a script of inputs at virtual times, and
// pumps that run the message loop until idle or for a stretch of virtual time.
//
// GetMessageW with nothing queued moves the virtual clock on to the next timer or scripted
// input, so a whole program runs deterministically from its entry point to its exit.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "Backend.h"
#include "backends/headless/VirtualJoysticks.h"
#include "backends/headless/VirtualSound.h"

namespace platform {

struct HeadlessOptions {
    // The local time the virtual clock starts at.
    SYSTEMTIME startLocalTime{2026, 3, 1, 2, 10, 0, 0, 0};
    SIZE screen{1280, 1024};
    // A wait that would take the virtual clock past this ends the loop as starved, as a wait
    // with nothing to wait for does: a test that leaves a modal box unanswered while a timer
    // runs then fails instead of running forever.
    std::uint64_t waitLimitMs = 10 * 60 * 1000;
};

enum class MouseButton { Left, Right, Middle };
enum class WheelAxis { Vertical, Horizontal };

class HeadlessBackend : public Backend {
public:
    explicit HeadlessBackend(HeadlessOptions options = {});

    std::uint64_t MonotonicMs() const override { return nowMs_; }
    SYSTEMTIME LocalTimeAtStart() const override { return options_.startLocalTime; }
    std::int64_t WallClockShiftMs() const override { return wallShiftMs_; }
    void PollEvents() override;
    bool WaitForEvents(std::optional<std::uint64_t> deadlineMs) override;
    SIZE ScreenSize() const override { return options_.screen; }

    // ---- Clock ----
    // Moves virtual time on without processing messages; scripted inputs now due run.
    void AdvanceClock(std::uint64_t ms);
    // A person setting the clock: the local time jumps by `ms` (may be negative), the
    // monotonic time does not.
    void ShiftWallClock(std::int64_t ms) { wallShiftMs_ += ms; }

    // ---- Input, delivered as hardware input ----
    // Keys go to the focus window (or the active window when nothing has the focus).
    void KeyDown(UINT vk);
    void KeyUp(UINT vk);
    void PressKey(UINT vk);  // down then up
    // Text typed without keys of its own, as another keyboard layout or an input method
    // delivers it: each character reaches the focus window (or the active window) as WM_CHAR.
    void TypeText(const std::wstring& text);
    // Mouse positions are client coordinates of `window`; the deepest visible child under the
    // point receives the message, in its own client coordinates.
    void MouseMove(HWND window, int x, int y);
    void MouseDown(HWND window, int x, int y, MouseButton button = MouseButton::Left);
    void MouseUp(HWND window, int x, int y, MouseButton button = MouseButton::Left);
    void Click(HWND window, int x, int y, MouseButton button = MouseButton::Left);
    // The wheel turned with the pointer at (x, y): `delta` in WHEEL_DELTA units a notch,
    // positive away from the person (or to the right).
    void MouseWheel(HWND window, int x, int y, int delta, WheelAxis axis = WheelAxis::Vertical);
    // The close button of a top-level window's frame.
    void PressCloseButton(HWND window);

    // ---- The desktop ----
    // The person switches to a window of the program (Alt+Tab, the taskbar) or to another
    // program; the program hears it as activation and deactivation.
    void SwitchToWindow(HWND window);
    void SwitchToAnotherProgram();
    // The window the desktop shows as active: the one the program last activated or the person
    // switched to; null while another program is in front.
    HWND DesktopActiveWindow() const { return desktopActive_; }
    void OnWindowActivated(HWND window) override { desktopActive_ = window; }
    void OnWindowDestroyed(HWND window) override;

    // ---- Script ----
    // Runs `action` when virtual time reaches `atMs` (absolute monotonic milliseconds).
    void At(std::uint64_t atMs, std::function<void()> action);

    // ---- Pumps ----
    // Retrieves, translates and dispatches messages until none is ready at the current
    // virtual time, or WM_QUIT arrives. Returns the number of messages dispatched.
    int PumpUntilIdle();
    // Runs the loop for `ms` of virtual time: pumps, then moves the clock to the next timer
    // or scripted input within the stretch, and so on; ends at now + ms, or when WM_QUIT
    // is retrieved.
    void RunFor(std::uint64_t ms);

    // ---- The screen ----
    // Another window passing over `window` and going away again: the client area loses what
    // it showed (it shows `covering` instead) and is invalidated with erasing, as the system
    // does for an uncovered window.
    void CoverAndUncover(HWND window, COLORREF covering = RGB(90, 90, 90));
    // A pixel of a window's own client area; CLR_INVALID outside it.
    COLORREF WindowPixel(HWND window, int x, int y) const;
    // What the screen shows over the top-level window holding `window` (its whole outer area,
    // with any window above it, such as an open menu), rows top-down, 0x00RRGGBB; false when
    // there is no such window or it has no pixels yet.
    bool WindowImage(HWND window, int& width, int& height, std::vector<std::uint32_t>& pixels) const;

    // ---- Sound and joysticks ----
    VirtualSound& Sound() override { return sound_; }
    VirtualJoysticks& Joysticks() override { return joysticks_; }

    bool QuitReceived() const { return quitCode_.has_value(); }
    int ExitCode() const { return quitCode_.value_or(0); }
    bool Starved() const { return starved_; }

private:
    void RunScriptDueBy(std::uint64_t ms);
    std::optional<std::uint64_t> NextScriptTime() const;

    HeadlessOptions options_;
    std::uint64_t nowMs_ = 0;
    std::int64_t wallShiftMs_ = 0;
    std::multimap<std::uint64_t, std::function<void()>> script_;
    std::optional<int> quitCode_;
    int quitCount_ = 0;
    bool starved_ = false;
    HWND desktopActive_ = nullptr;
    VirtualSound sound_{[this] { return nowMs_; }, [this](std::uint64_t ms) { AdvanceClock(ms); }};
    VirtualJoysticks joysticks_;
};

// Replaces the backend and all platform state (windows, classes, queue, timers) with a fresh
// headless one. Tests call it through their fixture; it returns the new backend.
HeadlessBackend& InstallHeadlessBackend(HeadlessOptions options = {});

}  // namespace platform
