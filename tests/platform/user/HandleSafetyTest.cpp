// Every call given a null, stale or destroyed window handle fails cleanly with the platform's
// error code, whatever order a program tears things down in.
#include "HeadlessTest.h"

#include <functional>

namespace {

class HandleSafetyTest : public HeadlessTest {};

struct HandleCase {
    const char* call;
    std::function<bool(HWND)> fails;  // true when the call reported failure
};

const std::vector<HandleCase>& Cases() {
    static const std::vector<HandleCase> cases{
        {"DestroyWindow", [](HWND h) { return !DestroyWindow(h); }},
        {"ShowWindow", [](HWND h) { return !ShowWindow(h, SW_SHOW); }},
        {"UpdateWindow", [](HWND h) { return !UpdateWindow(h); }},
        {"SetWindowPos", [](HWND h) { return !SetWindowPos(h, nullptr, 0, 0, 1, 1, SWP_NOZORDER); }},
        {"MoveWindow", [](HWND h) { return !MoveWindow(h, 0, 0, 1, 1, TRUE); }},
        {"GetClientRect", [](HWND h) { RECT r; return !GetClientRect(h, &r); }},
        {"GetWindowRect", [](HWND h) { RECT r; return !GetWindowRect(h, &r); }},
        {"ScreenToClient", [](HWND h) { POINT p{}; return !ScreenToClient(h, &p); }},
        {"ClientToScreen", [](HWND h) { POINT p{}; return !ClientToScreen(h, &p); }},
        {"SetWindowTextW", [](HWND h) { return !SetWindowTextW(h, L"x"); }},
        {"GetWindowTextW", [](HWND h) { wchar_t b[4] = L"abc"; return GetWindowTextW(h, b, 4) == 0; }},
        {"GetWindowTextLengthW", [](HWND h) { return GetWindowTextLengthW(h) == 0; }},
        {"GetWindowLongW", [](HWND h) { return GetWindowLongW(h, GWL_STYLE) == 0; }},
        {"SetWindowLongPtrW", [](HWND h) { return SetWindowLongPtrW(h, GWLP_USERDATA, 1) == 0; }},
        {"GetParent", [](HWND h) { return GetParent(h) == nullptr; }},
        {"EnableWindow", [](HWND h) { return !EnableWindow(h, FALSE); }},
        {"SetFocus", [](HWND h) { return SetFocus(h) == nullptr; }},
        {"SetForegroundWindow", [](HWND h) { return !SetForegroundWindow(h); }},
        {"SendMessageW", [](HWND h) { return SendMessageW(h, WM_USER, 0, 0) == 0; }},
        {"PostMessageW", [](HWND h) { return !PostMessageW(h, WM_USER, 0, 0); }},
        {"SetTimer", [](HWND h) { return SetTimer(h, 1, 10, nullptr) == 0; }},
        {"KillTimer", [](HWND h) { return !KillTimer(h, 1); }},
        {"InvalidateRect", [](HWND h) { return !RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE); }},
        {"BeginPaint", [](HWND h) { PAINTSTRUCT ps; return BeginPaint(h, &ps) == nullptr; }},
        {"RegisterHotKey", [](HWND h) { return !RegisterHotKey(h, 1, MOD_ALT, 'Z'); }},
        {"SetScrollInfo", [](HWND h) {
             SCROLLINFO info{sizeof(info), SIF_POS, 0, 0, 0, 1, 0};
             return SetScrollInfo(h, SB_VERT, &info, TRUE) == 0;
         }},
        {"GetScrollInfo", [](HWND h) {
             SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
             return !GetScrollInfo(h, SB_VERT, &info);
         }},
        {"SetScrollPos", [](HWND h) { return SetScrollPos(h, SB_VERT, 1, TRUE) == 0; }},
        {"GetScrollPos", [](HWND h) { return GetScrollPos(h, SB_VERT) == 0; }},
        {"SetScrollRange", [](HWND h) { return !SetScrollRange(h, SB_VERT, 0, 9, TRUE); }},
        {"GetScrollRange", [](HWND h) { int a, b; return !GetScrollRange(h, SB_VERT, &a, &b); }},
        {"ShowScrollBar", [](HWND h) { return !ShowScrollBar(h, SB_VERT, TRUE); }},
        {"EnableScrollBar", [](HWND h) { return !EnableScrollBar(h, SB_VERT, ESB_DISABLE_BOTH); }},
    };
    return cases;
}

TEST_F(HandleSafetyTest, CallsOnDestroyedAndForgedHandlesFailWithInvalidWindowHandle) {
    HWND destroyed = CreateWindowExW(0, RegisterLoggingClass(), L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                     nullptr, nullptr);
    ASSERT_TRUE(DestroyWindow(destroyed));
    // A new window may take the destroyed one's slot: the old handle must still not find it.
    HWND successor = CreateWindowExW(0, RegisterLoggingClass(), L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                     nullptr, nullptr);
    ASSERT_TRUE(successor);
    HWND forged = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x7FFF1234));
    for (HWND bad : {destroyed, forged}) {
        for (const HandleCase& c : Cases()) {
            SetLastError(0xdeadbeef);
            EXPECT_TRUE(c.fails(bad)) << c.call << " on " << bad;
            EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE)) << c.call << " on " << bad;
        }
    }
    EXPECT_TRUE(IsWindow(successor));
    EXPECT_FALSE(IsWindow(destroyed));
}

TEST_F(HandleSafetyTest, NullHandleNeverCrashes) {
    for (const HandleCase& c : Cases()) {
        // Some calls give null a meaning (a thread timer, focus to nobody): they only must not crash.
        c.fails(nullptr);
    }
    EXPECT_FALSE(IsWindow(nullptr));
    EXPECT_EQ(DispatchMessageW(nullptr), 0);
    EXPECT_FALSE(TranslateMessage(nullptr));
    EXPECT_EQ(GetMessageW(nullptr, nullptr, 0, 0), -1);
}

// A procedure that destroys its own window's parent while handling a message.
HWND parentToKill = nullptr;
LRESULT CALLBACK ParentKillingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER && parentToKill) DestroyWindow(parentToKill);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST_F(HandleSafetyTest, WindowDestroyedFromInsideItsOwnMessageLeavesNoDanglingState) {
    RegisterProcClass(L"ParentKilling", ParentKillingProc);
    HWND parent = CreateWindowExW(0, RegisterLoggingClass(), L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100,
                                  nullptr, nullptr, nullptr, nullptr);
    HWND child = CreateWindowExW(0, L"ParentKilling", L"", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, parent, nullptr,
                                 nullptr, nullptr);
    SetFocus(child);
    SetTimer(child, 1, 10, nullptr);
    parentToKill = parent;
    PostMessageW(child, WM_USER, 0, 0);
    Backend().RunFor(100);
    parentToKill = nullptr;
    EXPECT_FALSE(IsWindow(parent));
    EXPECT_FALSE(IsWindow(child));
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(GetActiveWindow(), nullptr);
}

}  // namespace
