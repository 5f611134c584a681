// The seam between the platform core and a display: time, native input, real windows, sound
// and joysticks.
//
// The window manager and the message queue know nothing of any display library; they ask the
// backend what time it is, let it deliver input, and tell it about top-level windows. The
// headless backend (virtual clock, injected input) serves the tests; a real display serves
// the program.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "JoystickSource.h"
#include "PlatformApi.h"
#include "SoundOutput.h"

namespace platform {

// The exit code GetMessageW reports when a program waits for input that can never come (a
// headless run with no timer and no scripted input): the run ends instead of hanging.
inline constexpr int kStarvedExitCode = 0x5EED;

class Backend {
public:
    virtual ~Backend() = default;

    // Milliseconds since the backend started. Never goes backwards.
    virtual std::uint64_t MonotonicMs() const = 0;
    // The local wall-clock time read when the backend started. The platform's local time is
    // this plus the monotonic time elapsed since, so it never jumps with the system clock.
    virtual SYSTEMTIME LocalTimeAtStart() const = 0;
    // A shift applied to the wall clock only (a person setting the clock); 0 in production.
    virtual std::int64_t WallClockShiftMs() const { return 0; }

    // Delivers pending native input to the core without blocking.
    virtual void PollEvents() = 0;
    // Blocks until input has been delivered or the monotonic clock reaches `deadlineMs`
    // (no deadline: until input). Returns false when nothing can ever arrive.
    virtual bool WaitForEvents(std::optional<std::uint64_t> deadlineMs) = 0;

    virtual SIZE ScreenSize() const = 0;
    // Whether the desktop draws the frames (border, caption) of top-level windows itself, so that
    // frames painted into the windows' pixels would never be seen.
    virtual bool DesktopDrawsFrames() const { return false; }
    // Whether top-level windows keep their pixels in shared memory, which the display reads in
    // place instead of from a copy of its own.
    virtual bool SharesWindowPixels() const { return false; }

    // Top-level window notifications, for a backend that mirrors windows on a real display.
    virtual void OnWindowCreated(HWND) {}
    virtual void OnWindowDestroyed(HWND) {}
    virtual void OnWindowShown(HWND, bool /*visible*/) {}
    virtual void OnWindowMoved(HWND) {}
    virtual void OnWindowTextChanged(HWND) {}
    virtual void OnWindowIconChanged(HWND) {}
    // The program made a top-level window the active one (the desktop should show it so).
    virtual void OnWindowActivated(HWND) {}
    // The cursor the pointer shows changed.
    virtual void OnCursorChanged(HCURSOR) {}

    // The sound device and the joysticks, which belong to the backend that serves them (a real
    // display's are the machine's, the headless one's virtual) and go with it.
    virtual SoundOutput& Sound() = 0;
    virtual JoystickSource& Joysticks() = 0;
};

// The backend a program gets when none was installed.
std::unique_ptr<Backend> MakeDefaultBackend();

// Puts `backend` in place, with a fresh platform state: every window, timer and drawing object
// of the one before is gone.
void InstallBackend(std::unique_ptr<Backend> backend);

// The backend in use. Until one is installed, a headless backend whose virtual clock starts at
// the real local time is created on first use.
Backend& CurrentBackend();

}  // namespace platform
