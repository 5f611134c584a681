#include "user/Timers.h"

#include "PlatformState.h"

#include <algorithm>

#include "user/MessageQueue.h"

namespace platform {

namespace {
// The platform's bounds on a timer period: shorter periods are raised, longer ones cut.
constexpr UINT kMinimumElapseMs = 10;
constexpr UINT kMaximumElapseMs = 0x7FFFFFFF;
}  // namespace

UINT_PTR Timers::Set(HWND window, UINT_PTR id, UINT elapseMs, TIMERPROC proc, std::uint64_t nowMs) {
    // A thread timer with an id we did not hand out gets a new id.
    if (!window && !Find(nullptr, id)) id = FreeThreadTimerId();
    Place(window, id, elapseMs, nowMs, WM_TIMER).proc = proc;
    return id;
}

bool Timers::Kill(HWND window, UINT_PTR id) { return Remove(window, id, WM_TIMER); }

void Timers::SetSystem(HWND window, UINT_PTR id, UINT elapseMs, std::uint64_t nowMs) {
    Place(window, id, elapseMs, nowMs, kSystemTimerMessage).proc = nullptr;
}

void Timers::KillSystem(HWND window, UINT_PTR id) { Remove(window, id, kSystemTimerMessage); }

Timers::Timer& Timers::Place(HWND window, UINT_PTR id, UINT elapseMs, std::uint64_t nowMs, UINT message) {
    elapseMs = std::clamp(elapseMs, kMinimumElapseMs, kMaximumElapseMs);
    Timer* timer = Find(window, id, message);
    if (!timer) {
        timers_.push_back({window, id, elapseMs, nullptr, 0, message});
        timer = &timers_.back();
    }
    timer->elapseMs = elapseMs;
    timer->dueMs = nowMs + elapseMs;
    return *timer;
}

bool Timers::Remove(HWND window, UINT_PTR id, UINT message) {
    auto it = std::find_if(timers_.begin(), timers_.end(), [&](const Timer& t) {
        return t.window == window && t.id == id && t.message == message;
    });
    if (it == timers_.end()) return false;
    timers_.erase(it);
    return true;
}

void Timers::KillAllOf(HWND window) {
    std::erase_if(timers_, [&](const Timer& t) { return t.window == window; });
}

bool Timers::HasProc(HWND window, UINT_PTR id, TIMERPROC proc) const {
    return std::any_of(timers_.begin(), timers_.end(), [&](const Timer& t) {
        return t.window == window && t.id == id && t.proc == proc && t.message == WM_TIMER;
    });
}

// The next due time keeps the timer's beat: whole periods on from the last due time, the ones
// missed while the program was busy skipped, so a timer served late does not drift later.
void Timers::AdvancePastNow(Timer& timer, std::uint64_t nowMs) {
    const std::uint64_t period = std::max<std::uint64_t>(1, timer.elapseMs);
    timer.dueMs += (nowMs - timer.dueMs) / period * period + period;
}

std::optional<MSG> Timers::TakeDue(HWND window, UINT first, UINT last, bool remove,
                                   std::uint64_t nowMs) {
    Timer* earliest = nullptr;
    for (Timer& timer : timers_) {
        if (timer.dueMs > nowMs) continue;
        MSG probe{timer.window, timer.message, timer.id, 0, 0, {}};
        if (!PassesFilter(probe, window, first, last)) continue;
        if (!earliest || timer.dueMs < earliest->dueMs) earliest = &timer;
    }
    if (!earliest) return std::nullopt;
    MSG msg{earliest->window, earliest->message, earliest->id, reinterpret_cast<LPARAM>(earliest->proc),
            static_cast<DWORD>(nowMs), {}};
    if (remove) AdvancePastNow(*earliest, nowMs);
    return msg;
}

std::optional<std::uint64_t> Timers::NextDue() const {
    std::optional<std::uint64_t> next;
    for (const Timer& timer : timers_)
        if (!next || timer.dueMs < *next) next = timer.dueMs;
    return next;
}

Timers::Timer* Timers::Find(HWND window, UINT_PTR id, UINT message) {
    for (Timer& timer : timers_)
        if (timer.window == window && timer.id == id && timer.message == message) return &timer;
    return nullptr;
}

UINT_PTR Timers::FreeThreadTimerId() const {
    UINT_PTR id = 1;
    while (std::any_of(timers_.begin(), timers_.end(),
                       [&](const Timer& t) { return !t.window && t.id == id && t.message == WM_TIMER; }))
        ++id;
    return id;
}

}  // namespace platform

using namespace platform;


UINT_PTR WINAPI SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc) {
    if (hWnd && !CheckWindow(hWnd)) return 0;
    UINT_PTR id = State().timers.Set(hWnd, nIDEvent, uElapse, lpTimerFunc, CurrentBackend().MonotonicMs());
    // A window timer may have id 0; success is still reported as non-zero.
    return id ? id : 1;
}

BOOL WINAPI KillTimer(HWND hWnd, UINT_PTR uIDEvent) {
    if (hWnd && !CheckWindow(hWnd)) return FALSE;
    if (State().timers.Kill(hWnd, uIDEvent)) return TRUE;
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
}
