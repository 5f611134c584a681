#include "backends/DesktopFocus.h"

#include <algorithm>

#include "DesktopInput.h"

namespace platform {

namespace {

// How long a focus loss waits for a gain elsewhere in the program before it deactivates it.
constexpr std::uint64_t kFocusMoveGraceMs = 100;

}  // namespace

void DesktopFocus::Gained(HWND window, bool buttonDown) {
    window_ = window;
    deactivateAtMs_.reset();
    if (buttonDown && IsWindowEnabled(window)) return;
    desktop::Activated(window);
}

void DesktopFocus::Lost(HWND window, std::uint64_t nowMs) {
    if (window_ != window) return;
    window_ = nullptr;
    deactivateAtMs_ = nowMs + kFocusMoveGraceMs;
}

void DesktopFocus::Forget(HWND window) {
    if (window_ == window) window_ = nullptr;
}

// Another program has the keyboard: the program's active window becomes inactive, its focus
// window loses the focus, and the application hears it was deactivated.
void DesktopFocus::DeactivateIfLeft(std::uint64_t nowMs) {
    if (!deactivateAtMs_ || nowMs < *deactivateAtMs_) return;
    deactivateAtMs_.reset();
    if (!window_) desktop::Deactivated();
}

int WaitTimeoutMs(std::optional<std::uint64_t> first, std::optional<std::uint64_t> second, std::uint64_t nowMs) {
    std::optional<std::uint64_t> wakeAt = first;
    if (second && (!wakeAt || *second < *wakeAt)) wakeAt = second;
    if (!wakeAt) return -1;
    return *wakeAt > nowMs ? static_cast<int>(std::min<std::uint64_t>(*wakeAt - nowMs, 1000000)) : 0;
}

}  // namespace platform
