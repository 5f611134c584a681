// Geometry, coordinates, window text and window longs, including subclassing.
#include "HeadlessTest.h"

namespace {

class WindowDataTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        cls_ = RegisterLoggingClass();
        top_ = CreateWindowExW(0, cls_, L"Hello", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 50, 300, 200, nullptr,
                               nullptr, nullptr, nullptr);
        child_ = CreateWindowExW(0, cls_, L"", WS_CHILD | WS_VISIBLE, 10, 20, 50, 30, top_, nullptr, nullptr, nullptr);
        Log().Clear();
    }
    LPCWSTR cls_ = nullptr;
    HWND top_ = nullptr;
    HWND child_ = nullptr;
};

TEST_F(WindowDataTest, TopLevelsUseScreenCoordinatesChildrenTheirParentsClientCoordinates) {
    RECT rect;
    GetWindowRect(child_, &rect);
    // The parent's client area starts inside its 4-pixel sizing frame, below its 19-pixel caption.
    RECT expectedScreen{114, 93, 164, 123};
    EXPECT_TRUE(EqualRect(&rect, &expectedScreen));
    GetClientRect(child_, &rect);
    RECT expectedClient{0, 0, 50, 30};
    EXPECT_TRUE(EqualRect(&rect, &expectedClient));
    POINT p{0, 0};
    ClientToScreen(child_, &p);
    EXPECT_EQ(p.x, 114);
    EXPECT_EQ(p.y, 93);
    ScreenToClient(top_, &p);
    EXPECT_EQ(p.x, 10);
    EXPECT_EQ(p.y, 20);
}

TEST_F(WindowDataTest, TheClientAreaIsInsideTheFrameAndCaption) {
    RECT outer, client;
    GetWindowRect(top_, &outer);
    GetClientRect(top_, &client);
    EXPECT_EQ(outer.right - outer.left, 300);
    EXPECT_EQ(client.right, 292);
    EXPECT_EQ(client.bottom, 173);
}

TEST_F(WindowDataTest, MovingAndSizingReportMoveThenSize) {
    EXPECT_TRUE(MoveWindow(top_, 120, 60, 400, 250, TRUE));
    EXPECT_TRUE(SequenceIs(Log().Messages(), {{WM_WINDOWPOSCHANGING, top_},
                                              {WM_GETMINMAXINFO, top_},
                                              {WM_NCCALCSIZE, top_, TRUE},
                                              {WM_WINDOWPOSCHANGED, top_},
                                              {WM_MOVE, top_, 0, MAKELPARAM(124, 83)},
                                              {WM_SIZE, top_, SIZE_RESTORED, MAKELPARAM(392, 223)}}));
    Log().Clear();
    SetWindowPos(top_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(SequenceIs(Log().Messages(), {{WM_WINDOWPOSCHANGING, top_}})) << "nothing changed: no CHANGED";
    Log().Clear();
    SetWindowPos(top_, nullptr, 5, 6, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(SequenceIs(Log().Messages(), {{WM_WINDOWPOSCHANGING, top_},
                                              {WM_WINDOWPOSCHANGED, top_},
                                              {WM_MOVE, top_, 0, MAKELPARAM(9, 29)}}));
}

TEST_F(WindowDataTest, TextIsSetAndReadThroughMessagesAndCutToTheBuffer) {
    EXPECT_TRUE(SetWindowTextW(top_, L"Astro"));
    EXPECT_EQ(Log().Count(WM_SETTEXT, top_), 1);
    wchar_t buffer[8] = L"xxxxxxx";
    EXPECT_EQ(GetWindowTextW(top_, buffer, 4), 3);
    EXPECT_STREQ(buffer, L"Ast");
    EXPECT_EQ(GetWindowTextW(top_, buffer, 0), 0);
    EXPECT_EQ(GetWindowTextLengthW(top_), 5);
    EXPECT_EQ(Log().Count(WM_GETTEXT, top_), 1) << "a zero-length buffer sends nothing";
    EXPECT_EQ(Log().Count(WM_GETTEXTLENGTH, top_), 1);
}

TEST_F(WindowDataTest, StyleChangesAreAnnouncedAndReturnThePreviousValue) {
    LONG old = GetWindowLongW(top_, GWL_STYLE);
    EXPECT_NE(old & WS_CLIPSIBLINGS, 0) << "top-level windows clip their siblings";
    EXPECT_EQ(SetWindowLongW(top_, GWL_STYLE, old | WS_CLIPCHILDREN), old);
    EXPECT_EQ(GetWindowLongW(top_, GWL_STYLE), old | WS_CLIPCHILDREN);
    EXPECT_TRUE(SequenceIs(Log().Messages(), {{WM_STYLECHANGING, top_, static_cast<WPARAM>(GWL_STYLE)},
                                              {WM_STYLECHANGED, top_, static_cast<WPARAM>(GWL_STYLE)}}));
}

TEST_F(WindowDataTest, StylesGainTheBitsThePlatformImplies) {
    struct Case {
        DWORD exStyle, style, expectedStyle, expectedExStyle;
    };
    const Case cases[] = {
        {0, WS_OVERLAPPED, WS_CLIPSIBLINGS | WS_CAPTION, WS_EX_WINDOWEDGE},
        {0, 0x00C90000, 0x04C90000, WS_EX_WINDOWEDGE},
        {0x81, 0x00C90000, 0x04C90000, 0x181},
        {0, WS_POPUP, WS_POPUP | WS_CLIPSIBLINGS, 0},
        {WS_EX_DLGMODALFRAME, WS_POPUP, WS_POPUP | WS_CLIPSIBLINGS, 0x101},
        {0, WS_POPUP | WS_THICKFRAME, WS_POPUP | WS_CLIPSIBLINGS | WS_THICKFRAME, WS_EX_WINDOWEDGE},
    };
    for (const Case& c : cases) {
        HWND hwnd = CreateWindowExW(c.exStyle, cls_, L"", c.style, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)), c.expectedStyle) << std::hex << c.style;
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE)), c.expectedExStyle) << std::hex << c.style;
        DestroyWindow(hwnd);
    }
    HWND child = CreateWindowExW(0, cls_, L"", WS_CHILD, 0, 0, 1, 1, top_, nullptr, nullptr, nullptr);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE)), static_cast<DWORD>(WS_CHILD));
    // Asking to drop an implied bit does not drop it.
    SetWindowLongW(top_, GWL_EXSTYLE, 0);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(top_, GWL_EXSTYLE)), static_cast<DWORD>(WS_EX_WINDOWEDGE));
}

int subclassCalls = 0;
WNDPROC originalProc = nullptr;
LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    ++subclassCalls;
    return CallWindowProcW(originalProc, hwnd, message, wParam, lParam);
}

TEST_F(WindowDataTest, SubclassingReplacesTheProcedureAndChainsToTheOldOne) {
    subclassCalls = 0;
    originalProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(child_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc)));
    EXPECT_EQ(originalProc, &LoggingProc);
    SendMessageW(child_, WM_USER, 0, 0);
    EXPECT_EQ(subclassCalls, 1);
    EXPECT_EQ(Log().Count(WM_USER, child_), 1);
    // A procedure does not fit in a 32-bit LONG: the narrow call refuses the index.
    SetLastError(0xdeadbeef);
    EXPECT_EQ(GetWindowLongW(child_, GWLP_WNDPROC), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_INDEX));
}

TEST_F(WindowDataTest, ExtraBytesAndUserDataHoldValues) {
    RegisterProcClass(L"WithExtra", DefWindowProcW, 8);
    HWND hwnd = CreateWindowExW(0, L"WithExtra", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(SetWindowLongW(hwnd, 4, 77), 0);
    EXPECT_EQ(GetWindowLongW(hwnd, 4), 77);
    SetLastError(0xdeadbeef);
    EXPECT_EQ(GetWindowLongW(hwnd, 6), 0) << "past the extra bytes";
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_INDEX));
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 1234);
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_USERDATA), 1234);
}

TEST_F(WindowDataTest, OwnedPopupIsDestroyedWithItsOwnerAndReportedAsParent) {
    HWND popup = CreateWindowExW(0, cls_, L"", WS_POPUP, 0, 0, 10, 10, child_, nullptr, nullptr, nullptr);
    EXPECT_EQ(GetParent(popup), top_) << "the owner is the top-level window of the given parent";
    DestroyWindow(top_);
    EXPECT_FALSE(IsWindow(popup));
}

}  // namespace
