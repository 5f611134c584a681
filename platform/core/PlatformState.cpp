#include "PlatformState.h"

#include <algorithm>


namespace platform {

namespace {
std::unique_ptr<PlatformState>& StatePointer() {
    static std::unique_ptr<PlatformState> state;
    return state;
}
}  // namespace

PlatformState& State() {
    auto& state = StatePointer();
    if (!state) {
        // No backend chosen: a headless one whose clock starts at the real local time.
        ResetState(MakeDefaultBackend());
    }
    return *state;
}

void ResetState(std::unique_ptr<Backend> backend) {
    auto fresh = std::make_unique<PlatformState>();
    fresh->backend = std::move(backend);
    // The old state goes after the new one is in place, so nothing can observe a gap.
    std::unique_ptr<PlatformState> old = std::move(StatePointer());
    StatePointer() = std::move(fresh);
}

void InstallBackend(std::unique_ptr<Backend> backend) { ResetState(std::move(backend)); }

Backend& CurrentBackend() { return *State().backend; }

std::optional<std::uint64_t> RunSystemEvents() {
    PlatformState& state = State();
    std::uint64_t now = state.backend->MonotonicMs();
    state.tracking.CheckHover(now);
    state.caret.Tick(now);
    std::optional<std::uint64_t> hover = state.tracking.HoverDeadline();
    std::optional<std::uint64_t> blink = state.caret.NextBlink();
    if (hover && blink) return std::min(*hover, *blink);
    return hover ? hover : blink;
}

Window* FindWindow(HWND hwnd) {
    return State().windows.Get(reinterpret_cast<std::uintptr_t>(hwnd));
}

Window* CheckWindow(HWND hwnd) {
    Window* window = FindWindow(hwnd);
    if (!window) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return window;
}

}  // namespace platform
