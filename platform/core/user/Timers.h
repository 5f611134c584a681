// Window and thread timers. A timer does not queue messages: when the queue has nothing else,
// a due timer yields one WM_TIMER and is rescheduled, so at most one is ever pending.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "PlatformApi.h"

namespace platform {

// The message of the platform's own timers on a window (the real platform's WM_SYSTIMER): the
// modal loops that set them take them, and the program's SetTimer and KillTimer never meet them.
inline constexpr UINT kSystemTimerMessage = 0x0118;

class Timers {
public:
    // Creates or replaces the timer (window, id); returns the id.
    UINT_PTR Set(HWND window, UINT_PTR id, UINT elapseMs, TIMERPROC proc, std::uint64_t nowMs);
    bool Kill(HWND window, UINT_PTR id);
    // The same for the platform's own timers, which come as kSystemTimerMessage.
    void SetSystem(HWND window, UINT_PTR id, UINT elapseMs, std::uint64_t nowMs);
    void KillSystem(HWND window, UINT_PTR id);
    void KillAllOf(HWND window);
    // Whether the timer (window, id) exists with this procedure.
    bool HasProc(HWND window, UINT_PTR id, TIMERPROC proc) const;

    // The WM_TIMER of the earliest due timer that passes the filters; with `remove` the timer
    // is rescheduled a period from now.
    std::optional<MSG> TakeDue(HWND window, UINT first, UINT last, bool remove, std::uint64_t nowMs);
    // When the next timer falls due, if there is one.
    std::optional<std::uint64_t> NextDue() const;
    // How many timers exist.
    std::size_t Count() const { return timers_.size(); }

private:
    struct Timer {
        HWND window;
        UINT_PTR id;
        UINT elapseMs;
        TIMERPROC proc;
        std::uint64_t dueMs;
        UINT message;  // WM_TIMER, or kSystemTimerMessage for the platform's own
    };

    Timer* Find(HWND window, UINT_PTR id, UINT message = WM_TIMER);
    Timer& Place(HWND window, UINT_PTR id, UINT elapseMs, std::uint64_t nowMs, UINT message);
    bool Remove(HWND window, UINT_PTR id, UINT message);
    UINT_PTR FreeThreadTimerId() const;
    static void AdvancePastNow(Timer& timer, std::uint64_t nowMs);

    std::vector<Timer> timers_;
};

}  // namespace platform
