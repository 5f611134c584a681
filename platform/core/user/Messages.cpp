// Sending, posting, retrieving and dispatching messages.
//
// Retrieval follows the platform's priorities: posted messages, then hardware input, then the
// quit message, then WM_PAINT, then WM_TIMER; the last three are made when they are retrieved
// rather than queued, so a window never has more than one of each pending.
#include "IdleTidying.h"
#include "PlatformState.h"
#include "user/WindowOps.h"

using namespace platform;

namespace {

DWORD Now() { return static_cast<DWORD>(CurrentBackend().MonotonicMs()); }

std::optional<MSG> Fetch(HWND window, UINT first, UINT last, bool remove) {
    RunSystemEvents();
    PlatformState& state = State();
    if (auto msg = state.queue.TakePosted(window, first, last, remove)) return msg;
    if (auto msg = state.input.Take(window, first, last, remove)) return msg;
    // A pending quit is retrieved whatever the filters ask for.
    if (auto code = state.queue.QuitCode()) {
        if (remove) state.queue.ClearQuit();
        return MSG{nullptr, WM_QUIT, static_cast<WPARAM>(*code), 0, Now(), state.input.CursorPos()};
    }
    if (auto msg = TakePaint(window, first, last)) return msg;
    return state.timers.TakeDue(window, first, last, remove, CurrentBackend().MonotonicMs());
}

// Fills what the retrieval paths leave out and remembers the message time. Only the messages
// made at retrieval get the time now: a key or click keeps the time it happened at, even when
// that was the clock's very first millisecond, so it still matches what TranslateMessage
// remembers of it.
void Deliver(MSG& out, MSG msg) {
    if (msg.message == WM_PAINT || msg.message == WM_TIMER) {
        if (msg.time == 0) msg.time = Now();
    }
    if (msg.message == WM_PAINT || msg.message == WM_TIMER) msg.pt = State().input.CursorPos();
    State().queue.lastMessageTime = msg.time;
    out = msg;
}

// The earliest of the next timer and the platform's own timed work.
std::optional<std::uint64_t> NextWakeUp() {
    std::optional<std::uint64_t> next = State().timers.NextDue();
    std::optional<std::uint64_t> system = RunSystemEvents();
    if (system && (!next || *system < *next)) next = system;
    return next;
}

bool FilterWindowValid(HWND window) {
    return !window || window == reinterpret_cast<HWND>(-1) || CheckWindow(window);
}

}  // namespace

LRESULT WINAPI CallWindowProcW(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    if (!lpPrevWndFunc) return 0;
    return lpPrevWndFunc(hWnd, Msg, wParam, lParam);
}

LRESULT WINAPI SendMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    if (hWnd == HWND_BROADCAST) {
        std::vector<HWND> tops = State().topLevels;
        for (HWND top : tops) SendMessageW(top, Msg, wParam, lParam);
        return 0;
    }
    Window* w = CheckWindow(hWnd);
    if (!w || !w->proc) return 0;
    return w->proc(hWnd, Msg, wParam, lParam);
}

BOOL WINAPI PostMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    PlatformState& state = State();
    if (hWnd == HWND_BROADCAST) {
        for (HWND top : state.topLevels) state.queue.Post({top, Msg, wParam, lParam, Now(), state.input.CursorPos()});
        return TRUE;
    }
    if (hWnd && !CheckWindow(hWnd)) return FALSE;
    state.queue.Post({hWnd, Msg, wParam, lParam, Now(), state.input.CursorPos()});
    return TRUE;
}

void WINAPI PostQuitMessage(int nExitCode) { State().queue.SetQuit(nExitCode); }

BOOL WINAPI GetMessageW(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax) {
    if (!lpMsg) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return -1;
    }
    if (!FilterWindowValid(hWnd)) return -1;
    for (;;) {
        CurrentBackend().PollEvents();
        if (auto msg = Fetch(hWnd, wMsgFilterMin, wMsgFilterMax, true)) {
            Deliver(*lpMsg, *msg);
            return msg->message != WM_QUIT;
        }
        TidyBeforeWaiting(CurrentBackend().MonotonicMs());
        if (!CurrentBackend().WaitForEvents(NextWakeUp())) State().queue.SetQuit(kStarvedExitCode);
    }
}

BOOL WINAPI PeekMessageW(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg) {
    if (!lpMsg) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (!FilterWindowValid(hWnd)) return FALSE;
    CurrentBackend().PollEvents();
    auto msg = Fetch(hWnd, wMsgFilterMin, wMsgFilterMax, (wRemoveMsg & PM_REMOVE) != 0);
    if (!msg) return FALSE;
    Deliver(*lpMsg, *msg);
    return TRUE;
}

BOOL WINAPI TranslateMessage(const MSG* lpMsg) {
    if (!lpMsg) return FALSE;
    UINT message = lpMsg->message;
    if (message == WM_KEYUP || message == WM_SYSKEYUP) return TRUE;
    if (message != WM_KEYDOWN && message != WM_SYSKEYDOWN) return FALSE;
    UINT charMessage = message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
    for (wchar_t character : State().input.CharactersFor(*lpMsg))
        State().queue.Post({lpMsg->hwnd, charMessage, static_cast<WPARAM>(character), lpMsg->lParam, lpMsg->time,
                            lpMsg->pt});
    return TRUE;
}

LRESULT WINAPI DispatchMessageW(const MSG* lpMsg) {
    if (!lpMsg) return 0;
    if (lpMsg->message == WM_TIMER && lpMsg->lParam) {
        // Only a procedure a live timer was given is called: a posted WM_TIMER cannot make
        // the program jump to an address of the sender's choosing.
        auto proc = reinterpret_cast<TIMERPROC>(lpMsg->lParam);
        if (!State().timers.HasProc(lpMsg->hwnd, lpMsg->wParam, proc)) return 0;
        proc(lpMsg->hwnd, WM_TIMER, lpMsg->wParam, GetTickCount());
        return 0;
    }
    if (!lpMsg->hwnd) return 0;
    return SendMessageW(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}

SHORT WINAPI GetKeyState(int nVirtKey) { return State().input.KeyState(nVirtKey); }

SHORT WINAPI GetAsyncKeyState(int vKey) { return State().input.AsyncKeyState(vKey); }

DWORD WINAPI GetMessageTime(void) { return State().queue.lastMessageTime; }
