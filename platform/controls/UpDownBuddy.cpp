#include "controls/UpDownBuddy.h"

#include "controls/LetterCase.h"
#include "controls/UpDownGeometry.h"
#include "controls/UpDownInput.h"
#include "controls/UpDownValue.h"

namespace platform::updown {

namespace {

// What the control hangs on its buddy to listen to it: the control, and the buddy's procedure
// before ours.
constexpr wchar_t kControlProperty[] = L"UpDownOfBuddy";
constexpr wchar_t kProcProperty[] = L"UpDownBuddyProc";
// The platform reads at most this many characters of the buddy's text.
constexpr int kMostTextRead = 19;

std::wstring TextOf(HWND window) {
    wchar_t text[kMostTextRead + 1] = {};
    GetWindowTextW(window, text, kMostTextRead + 1);
    return text;
}

bool HoldsBuddyInt(HWND hwnd, const State& state) {
    return (StyleOf(hwnd) & UDS_SETBUDDYINT) && state.buddy && IsWindow(state.buddy);
}

void StopListening(HWND buddy);

LRESULT CALLBACK BuddyProc(HWND buddy, UINT message, WPARAM wParam, LPARAM lParam) {
    auto original = reinterpret_cast<WNDPROC>(GetPropW(buddy, kProcProperty));
    auto control = static_cast<HWND>(GetPropW(buddy, kControlProperty));
    if (message == WM_KEYDOWN && control && (StyleOf(control) & UDS_ARROWKEYS) && StateOf(control)) {
        const bool arrow = wParam == VK_UP || wParam == VK_DOWN;
        OnArrowKey(control, static_cast<UINT>(wParam));
        if (arrow) return 0;
    }
    if (message == WM_ENABLE && control) InvalidateRect(control, nullptr, FALSE);
    if (message == WM_NCDESTROY) StopListening(buddy);
    return original ? CallWindowProcW(original, buddy, message, wParam, lParam)
                    : DefWindowProcW(buddy, message, wParam, lParam);
}

void Listen(HWND buddy, HWND control) {
    SetPropW(buddy, kControlProperty, control);
    if (GetPropW(buddy, kProcProperty)) return;  // our procedure is in the buddy's chain already
    const LONG_PTR original = SetWindowLongPtrW(buddy, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&BuddyProc));
    SetPropW(buddy, kProcProperty, reinterpret_cast<HANDLE>(original));
}

// Our procedure leaves the chain only when it is on top; under someone else's it stays, passing
// everything on, so their chain is never cut.
void StopListening(HWND buddy) {
    RemovePropW(buddy, kControlProperty);
    if (GetWindowLongPtrW(buddy, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&BuddyProc)) return;
    SetWindowLongPtrW(buddy, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GetPropW(buddy, kProcProperty)));
    RemovePropW(buddy, kProcProperty);
}

}  // namespace

HWND SetBuddy(HWND hwnd, State& state, HWND buddy) {
    const HWND old = state.buddy;
    LetBuddyGo(hwnd, state);
    state.buddy = IsWindow(buddy) ? buddy : nullptr;
    if (state.buddy) {
        Listen(state.buddy, hwnd);
        PlaceBesideBuddy(hwnd, state);
    } else if (old && !(StyleOf(hwnd) & UDS_HORZ)) {
        RECT rect{};
        GetClientRect(hwnd, &rect);
        SetWindowPos(hwnd, nullptr, 0, 0, kWidth, rect.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(hwnd, nullptr, FALSE);
    return old;
}

void LetBuddyGo(HWND hwnd, State& state) {
    if (state.buddy && IsWindow(state.buddy) && GetPropW(state.buddy, kControlProperty) == hwnd)
        StopListening(state.buddy);
}

bool IsBuddyEdit(const State& state) {
    wchar_t name[8] = {};
    if (!state.buddy || !GetClassNameW(state.buddy, name, static_cast<int>(std::size(name)))) return false;
    return WithCase(name, LetterCase::Lower) == L"edit";
}

bool ReadBuddy(HWND hwnd, State& state) {
    if (!HoldsBuddyInt(hwnd, state)) return false;
    const std::optional<long long> number = ParsePosition(TextOf(state.buddy), state.base);
    if (!number || !InBounds(state, *number)) return false;
    state.pos = static_cast<int>(*number);
    return true;
}

// Text the buddy shows already, in any case, is left alone, so the buddy hears no change.
void WriteBuddy(HWND hwnd, const State& state) {
    if (!HoldsBuddyInt(hwnd, state)) return;
    const std::wstring text = FormatPosition(state.pos, state.base, !(StyleOf(hwnd) & UDS_NOTHOUSANDS));
    if (WithCase(TextOf(state.buddy), LetterCase::Lower) == WithCase(text, LetterCase::Lower)) return;
    SetWindowTextW(state.buddy, text.c_str());
}

}  // namespace platform::updown
