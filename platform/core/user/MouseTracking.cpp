#include "user/MouseTracking.h"

#include <cstdlib>

#include "PlatformState.h"

namespace platform {

namespace {

LPARAM ClientParam(HWND window, POINT screen) {
    ScreenToClient(window, &screen);
    return MAKELPARAM(screen.x, screen.y);
}

}  // namespace

BOOL MouseTracking::Track(TRACKMOUSEEVENT& request, HWND windowUnderPointer, POINT pointer, std::uint64_t nowMs) {
    if (request.cbSize != sizeof(TRACKMOUSEEVENT)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (request.dwFlags & TME_QUERY) {
        request.dwFlags = window_ ? flags_ : 0;
        request.hwndTrack = window_;
        request.dwHoverTime = hoverMs_;
        return TRUE;
    }
    if (!CheckWindow(request.hwndTrack)) return FALSE;
    DWORD asked = request.dwFlags & (TME_HOVER | TME_LEAVE);
    if (request.dwFlags & TME_CANCEL) {
        if (window_ == request.hwndTrack) flags_ &= ~asked;
        if (!flags_) window_ = nullptr;
        return TRUE;
    }
    // Leave tracking of a window the pointer is not over answers at once.
    if ((asked & TME_LEAVE) && windowUnderPointer != request.hwndTrack) {
        PostMessageW(request.hwndTrack, WM_MOUSELEAVE, 0, 0);
        asked &= ~TME_LEAVE;
    }
    if (window_ != request.hwndTrack) flags_ = 0;
    window_ = asked ? request.hwndTrack : nullptr;
    flags_ |= asked;
    hoverMs_ = request.dwHoverTime == HOVER_DEFAULT ? kDefaultHoverMs : request.dwHoverTime;
    restingSinceMs_ = nowMs;
    restingAt_ = pointer;
    return TRUE;
}

void MouseTracking::OnPointer(HWND target, POINT screen, std::uint64_t nowMs) {
    if (!window_) return;
    if (target != window_) {
        if (flags_ & TME_LEAVE) PostMessageW(window_, WM_MOUSELEAVE, 0, 0);
        window_ = nullptr;
        flags_ = 0;
        return;
    }
    if (std::abs(screen.x - restingAt_.x) > kHoverSlop || std::abs(screen.y - restingAt_.y) > kHoverSlop) {
        restingAt_ = screen;
        restingSinceMs_ = nowMs;
    }
}

void MouseTracking::CheckHover(std::uint64_t nowMs) {
    std::optional<std::uint64_t> deadline = HoverDeadline();
    if (!deadline || nowMs < *deadline) return;
    flags_ &= ~TME_HOVER;
    PostMessageW(window_, WM_MOUSEHOVER, 0, ClientParam(window_, restingAt_));
    if (!flags_) window_ = nullptr;
}

std::optional<std::uint64_t> MouseTracking::HoverDeadline() const {
    if (!window_ || !(flags_ & TME_HOVER)) return std::nullopt;
    return restingSinceMs_ + hoverMs_;
}

void MouseTracking::Forget(HWND window) {
    if (window_ != window) return;
    window_ = nullptr;
    flags_ = 0;
}

}  // namespace platform

using namespace platform;

BOOL WINAPI TrackMouseEvent(LPTRACKMOUSEEVENT lpEventTrack) {
    if (!lpEventTrack) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    PlatformState& state = State();
    return state.tracking.Track(*lpEventTrack, state.input.WindowUnderPointer(), state.input.CursorPos(),
                                CurrentBackend().MonotonicMs());
}

BOOL WINAPI GetCursorPos(LPPOINT lpPoint) {
    if (!lpPoint) return FALSE;
    *lpPoint = State().input.CursorPos();
    return TRUE;
}
