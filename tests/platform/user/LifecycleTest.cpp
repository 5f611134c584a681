// Which messages creating, showing, closing and destroying windows send, in which order.
#include "HeadlessTest.h"

namespace {

class LifecycleTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        className_ = RegisterLoggingClass();
    }

    HWND Overlapped(DWORD extraStyle = 0, LPVOID param = nullptr) {
        return CreateWindowExW(0, className_, L"Top", WS_OVERLAPPEDWINDOW | extraStyle, 100, 100, 300, 200, nullptr,
                               nullptr, nullptr, param);
    }
    HWND Child(HWND parent, int id = 7) {
        return CreateWindowExW(0, className_, L"Child", WS_CHILD | WS_VISIBLE, 10, 20, 50, 30, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }

    LPCWSTR className_ = nullptr;
};

LPARAM AsParam(HWND hwnd) { return reinterpret_cast<LPARAM>(hwnd); }

TEST_F(LifecycleTest, HiddenOverlappedWindowIsCreatedWithoutSizeMessages) {
    HWND hwnd = Overlapped();
    ASSERT_TRUE(hwnd);
    EXPECT_TRUE(SequenceIs(Log().Messages(), {{WM_GETMINMAXINFO, hwnd},
                                              {WM_NCCREATE, hwnd},
                                              {WM_NCCALCSIZE, hwnd, FALSE},
                                              {WM_CREATE, hwnd}}));
    EXPECT_FALSE(IsWindowVisible(hwnd));
}

// The create parameters, as the procedure sees them during WM_CREATE.
struct SeenCreate {
    void* params = nullptr;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::wstring name;
};
SeenCreate seenCreate;

LRESULT CALLBACK CreateRecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
        seenCreate = {cs->lpCreateParams, cs->x, cs->y, cs->cx, cs->cy, cs->lpszName};
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST_F(LifecycleTest, CreateCarriesTheCreateParameters) {
    RegisterProcClass(L"Recording", CreateRecordingProc);
    int params = 0;
    HWND hwnd = CreateWindowExW(0, L"recording", L"Title", WS_POPUP, 1, 2, 3, 4, nullptr, nullptr, nullptr, &params);
    ASSERT_TRUE(hwnd);
    EXPECT_EQ(seenCreate.params, &params);
    EXPECT_EQ(seenCreate.x, 1);
    EXPECT_EQ(seenCreate.y, 2);
    EXPECT_EQ(seenCreate.cx, 3);
    EXPECT_EQ(seenCreate.cy, 4);
    EXPECT_EQ(seenCreate.name, L"Title");
}

TEST_F(LifecycleTest, ShowingAnOverlappedWindowActivatesItThenSendsItsFirstSizeAndMove) {
    HWND hwnd = Overlapped();
    Log().Clear();
    EXPECT_FALSE(ShowWindow(hwnd, SW_SHOW));
    EXPECT_TRUE(SequenceIs(Log().Messages(), {{WM_SHOWWINDOW, hwnd, TRUE, 0},
                                              {WM_WINDOWPOSCHANGING, hwnd},
                                              {WM_ACTIVATEAPP, hwnd, TRUE},
                                              {WM_NCACTIVATE, hwnd, TRUE},
                                              {WM_ACTIVATE, hwnd, WA_ACTIVE, 0},
                                              {WM_SETFOCUS, hwnd, 0},
                                              {WM_WINDOWPOSCHANGED, hwnd},
                                              {WM_SIZE, hwnd, SIZE_RESTORED, MAKELPARAM(292, 173)},
                                              {WM_MOVE, hwnd, 0, MAKELPARAM(104, 123)}}));
    EXPECT_EQ(GetActiveWindow(), hwnd);
    EXPECT_EQ(GetForegroundWindow(), hwnd);
    EXPECT_EQ(GetFocus(), hwnd);
    EXPECT_TRUE(ShowWindow(hwnd, SW_SHOW)) << "returns whether it was visible before";
}

TEST_F(LifecycleTest, ChildIsSizedAtCreationAndNotifiesItsParent) {
    HWND parent = Overlapped(WS_VISIBLE);
    Log().Clear();
    HWND child = Child(parent);
    ASSERT_TRUE(child);
    EXPECT_TRUE(SequenceIs(Log().Messages(), {{WM_NCCREATE, child},
                                              {WM_NCCALCSIZE, child},
                                              {WM_CREATE, child},
                                              {WM_SIZE, child, SIZE_RESTORED, MAKELPARAM(50, 30)},
                                              {WM_MOVE, child, 0, MAKELPARAM(10, 20)},
                                              {WM_PARENTNOTIFY, parent, MAKEWPARAM(WM_CREATE, 7), AsParam(child)},
                                              {WM_SHOWWINDOW, child, TRUE},
                                              {WM_WINDOWPOSCHANGING, child},
                                              {WM_WINDOWPOSCHANGED, child}}));
    EXPECT_EQ(GetParent(child), parent);
    EXPECT_EQ(GetWindowLongW(child, GWL_ID), 7);
}

TEST_F(LifecycleTest, CloseDestroysTheWindowThenItsChildrenLastOfAllNcDestroy) {
    HWND parent = Overlapped(WS_VISIBLE);
    HWND child = Child(parent);
    Log().Clear();
    SendMessageW(parent, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(parent));
    EXPECT_FALSE(IsWindow(child));
    EXPECT_TRUE(SequenceIs(Log().Messages(), {{WM_CLOSE, parent},
                                              {WM_WINDOWPOSCHANGING, parent},
                                              {WM_WINDOWPOSCHANGED, parent},
                                              {WM_NCACTIVATE, parent, FALSE},
                                              {WM_ACTIVATE, parent, WA_INACTIVE},
                                              {WM_ACTIVATEAPP, parent, FALSE},
                                              {WM_KILLFOCUS, parent, 0},
                                              {WM_DESTROY, parent},
                                              {WM_DESTROY, child},
                                              {WM_NCDESTROY, child},
                                              {WM_NCDESTROY, parent}}));
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(LifecycleTest, DestroyingTheActiveWindowActivatesTheNextOne) {
    HWND first = Overlapped(WS_VISIBLE);
    HWND second = Overlapped(WS_VISIBLE);
    ASSERT_EQ(GetActiveWindow(), second);
    DestroyWindow(second);
    EXPECT_EQ(GetActiveWindow(), first);
    EXPECT_EQ(GetFocus(), first);
}

LRESULT CALLBACK RefusingCreateProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Log().Add({hwnd, message, wParam, lParam});
    if (message == WM_CREATE) return -1;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST_F(LifecycleTest, CreateReturningMinusOneFailsAndDestroysTheWindow) {
    RegisterProcClass(L"Refusing", RefusingCreateProc);
    HWND hwnd = CreateWindowExW(0, L"Refusing", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(hwnd, nullptr);
    auto messages = Log().Messages();
    ASSERT_GE(messages.size(), 2u);
    EXPECT_EQ(messages[messages.size() - 2].message, static_cast<UINT>(WM_DESTROY));
    EXPECT_EQ(messages.back().message, static_cast<UINT>(WM_NCDESTROY));
    EXPECT_FALSE(IsWindow(messages.back().hwnd));
}

TEST_F(LifecycleTest, CreationFailuresReportTheirCause) {
    SetLastError(0xdeadbeef);
    EXPECT_EQ(CreateWindowExW(0, L"NoSuchClass", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CANNOT_FIND_WND_CLASS));
    SetLastError(0xdeadbeef);
    EXPECT_EQ(CreateWindowExW(0, className_, L"", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_TLW_WITH_WSCHILD));
    WNDCLASSW wc{};
    wc.lpfnWndProc = LoggingProc;
    wc.lpszClassName = className_;
    EXPECT_EQ(RegisterClassW(&wc), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS));
}

// A procedure that destroys its window while handling WM_CREATE must not bring down the
// platform: creation simply fails.
LRESULT CALLBACK SelfDestroyingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) DestroyWindow(hwnd);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST_F(LifecycleTest, WindowDestroyedDuringCreationYieldsNull) {
    RegisterProcClass(L"SelfDestroying", SelfDestroyingProc);
    EXPECT_EQ(CreateWindowExW(0, L"SelfDestroying", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 10, 10, nullptr,
                              nullptr, nullptr, nullptr),
              nullptr);
}

TEST_F(LifecycleTest, TitleComesFromTheDefaultHandlingOfNcCreate) {
    HWND hwnd = Overlapped();
    wchar_t buffer[16];
    EXPECT_EQ(GetWindowTextW(hwnd, buffer, 16), 3);
    EXPECT_STREQ(buffer, L"Top");
    EXPECT_EQ(GetWindowTextLengthW(hwnd), 3);
}

}  // namespace
