// Hover and leave notifications asked for with TrackMouseEvent: WM_MOUSEHOVER once the pointer
// has rested over the window for the hover time, WM_MOUSELEAVE when it goes to another window.
// Each request is answered once; the program asks again to hear again.
#pragma once

#include <cstdint>
#include <optional>

#include "PlatformApi.h"

namespace platform {

class MouseTracking {
public:
    BOOL Track(TRACKMOUSEEVENT& request, HWND windowUnderPointer, POINT pointer, std::uint64_t nowMs);
    // A mouse message was taken for `target` with the pointer at `screen`.
    void OnPointer(HWND target, POINT screen, std::uint64_t nowMs);
    // Posts WM_MOUSEHOVER when the pointer has rested long enough.
    void CheckHover(std::uint64_t nowMs);
    std::optional<std::uint64_t> HoverDeadline() const;
    void Forget(HWND window);

private:
    static constexpr DWORD kDefaultHoverMs = 400;
    static constexpr int kHoverSlop = 2;  // pixels the pointer may wander and still rest

    HWND window_ = nullptr;
    DWORD flags_ = 0;
    DWORD hoverMs_ = kDefaultHoverMs;
    std::uint64_t restingSinceMs_ = 0;
    POINT restingAt_{};
};

}  // namespace platform
