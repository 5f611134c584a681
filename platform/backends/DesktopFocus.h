// What a display backend keeps of the desktop's keyboard focus, and what the program learns from
// it. The desktop tells a backend which of its windows has the keyboard; the platform's own
// activation follows: a gain activates the window (unless a click is about to), and a loss that
// no gain elsewhere in the program follows within a moment deactivates the program.
#pragma once

#include <cstdint>
#include <optional>

#include "PlatformApi.h"

namespace platform {

class DesktopFocus {
public:
    // The desktop gave `window` the keyboard. With a mouse button down the click that is arriving
    // activates the window itself, so the window learns it was activated by the mouse; a window
    // a modal one disables hands the activation on to that one, as the classic platform does.
    void Gained(HWND window, bool buttonDown);
    // The desktop took the keyboard from `window` at `nowMs`.
    void Lost(HWND window, std::uint64_t nowMs);
    // `window` is gone.
    void Forget(HWND window);
    // Deactivates the program once the keyboard has been away from it for the moment a move
    // between two of its windows takes; called whenever the backend has handled its events.
    void DeactivateIfLeft(std::uint64_t nowMs);

    // The program's window that has the keyboard; null while another program has it.
    HWND Window() const { return window_; }
    // When DeactivateIfLeft has something to do, for a backend that sleeps until then.
    std::optional<std::uint64_t> DueAt() const { return deactivateAtMs_; }

private:
    HWND window_ = nullptr;
    std::optional<std::uint64_t> deactivateAtMs_;
};

// How long a wait for events may sleep, in milliseconds, to wake at the earlier of two times
// (none: no limit, -1); 0 when that time has come.
int WaitTimeoutMs(std::optional<std::uint64_t> first, std::optional<std::uint64_t> second, std::uint64_t nowMs);

}  // namespace platform
