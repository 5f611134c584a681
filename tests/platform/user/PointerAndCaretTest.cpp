// Mouse capture, hover and leave tracking, cursors, icons and the caret.
#include "HeadlessTest.h"

namespace {

class PointerAndCaretTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        LPCWSTR cls = RegisterLoggingClass();
        top_ = CreateWindowExW(0, cls, L"", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
        left_ = CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 100, top_, nullptr, nullptr, nullptr);
        right_ = CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE, 100, 0, 100, 100, top_, nullptr, nullptr, nullptr);
        Backend().PumpUntilIdle();
        Log().Clear();
    }

    bool Track(HWND window, DWORD flags) {
        TRACKMOUSEEVENT request{sizeof request, flags, window, HOVER_DEFAULT};
        return TrackMouseEvent(&request);
    }

    HWND top_ = nullptr, left_ = nullptr, right_ = nullptr;
};

TEST_F(PointerAndCaretTest, CaptureSendsEveryMouseMessageToTheCapturingWindow) {
    EXPECT_EQ(SetCapture(left_), nullptr);
    Backend().Click(top_, 150, 50);
    Backend().PumpUntilIdle();
    auto messages = Log().Without(kHitTestNoise);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].hwnd, left_);
    EXPECT_EQ(messages[0].lParam, MAKELPARAM(150, 50)) << "in the capturing window's coordinates";
    Log().Clear();
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(Log().Count(WM_CAPTURECHANGED, left_), 1);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(PointerAndCaretTest, HoverComesAfterThePointerRestsAndLeaveWhenItGoes) {
    Backend().MouseMove(top_, 50, 50);
    Backend().PumpUntilIdle();
    ASSERT_TRUE(Track(left_, TME_HOVER | TME_LEAVE));
    Backend().RunFor(399);
    EXPECT_EQ(Log().Count(WM_MOUSEHOVER), 0);
    Backend().RunFor(1);
    EXPECT_EQ(Log().Count(WM_MOUSEHOVER, left_), 1);
    Backend().RunFor(1000);
    EXPECT_EQ(Log().Count(WM_MOUSEHOVER), 1) << "one notice per request";
    Backend().MouseMove(top_, 150, 50);
    Backend().PumpUntilIdle();
    EXPECT_EQ(Log().Count(WM_MOUSELEAVE, left_), 1);
    Backend().MouseMove(top_, 40, 50);
    Backend().PumpUntilIdle();
    EXPECT_EQ(Log().Count(WM_MOUSELEAVE, left_), 1) << "tracking ended with the leave";
}

TEST_F(PointerAndCaretTest, MovingTheMouseRestartsTheHoverWaitAndLeaveTrackingAwayAnswersAtOnce) {
    Backend().MouseMove(top_, 50, 50);
    Backend().PumpUntilIdle();
    Track(left_, TME_HOVER);
    Backend().RunFor(300);
    Backend().MouseMove(top_, 60, 50);
    Backend().RunFor(300);
    EXPECT_EQ(Log().Count(WM_MOUSEHOVER), 0);
    Backend().RunFor(100);
    EXPECT_EQ(Log().Count(WM_MOUSEHOVER), 1);
    Track(right_, TME_LEAVE);
    Backend().PumpUntilIdle();
    EXPECT_EQ(Log().Count(WM_MOUSELEAVE, right_), 1);
}

TEST_F(PointerAndCaretTest, SystemCursorsAndIconsAreSharedAndTheCurrentCursorIsKept) {
    HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
    ASSERT_TRUE(arrow);
    ASSERT_TRUE(hand);
    EXPECT_NE(arrow, hand);
    EXPECT_EQ(LoadCursorW(nullptr, IDC_ARROW), arrow);
    EXPECT_EQ(LoadCursorW(nullptr, MAKEINTRESOURCEW(1)), nullptr);
    SetCursor(hand);
    EXPECT_EQ(SetCursor(arrow), hand);
    EXPECT_EQ(GetCursor(), arrow);
    EXPECT_TRUE(LoadIconW(nullptr, IDI_APPLICATION));
    EXPECT_EQ(LoadIconW(reinterpret_cast<HINSTANCE>(1), MAKEINTRESOURCEW(1005)), nullptr) << "not registered";
    HICON icon = LoadIconW(nullptr, IDI_ERROR);
    EXPECT_EQ(SendMessageW(top_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon)), 0);
    EXPECT_EQ(SendMessageW(top_, WM_GETICON, ICON_SMALL, 0), reinterpret_cast<LRESULT>(icon));
}

TEST_F(PointerAndCaretTest, ClassCursorIsShownOverTheClientArea) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hCursor = LoadCursorW(nullptr, IDC_HAND);
    wc.lpszClassName = L"Handy";
    RegisterClassW(&wc);
    HWND handy = CreateWindowExW(0, L"Handy", L"", WS_POPUP | WS_VISIBLE, 300, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    SetCursor(nullptr);
    Backend().MouseMove(handy, 10, 10);
    Backend().PumpUntilIdle();
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
}

TEST_F(PointerAndCaretTest, CaretBlinksByInvertingPixelsAndStepsAsideForPainting) {
    HDC dc = GetDC(left_);
    RECT all{0, 0, 100, 100};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ReleaseDC(left_, dc);
    ASSERT_TRUE(CreateCaret(left_, nullptr, 2, 10));
    SetCaretPos(5, 5);
    EXPECT_EQ(Backend().WindowPixel(left_, 5, 5), RGB(255, 255, 255)) << "a new caret is hidden";
    ShowCaret(left_);
    EXPECT_EQ(Backend().WindowPixel(left_, 6, 14), RGB(0, 0, 0));
    EXPECT_EQ(Backend().WindowPixel(left_, 7, 5), RGB(255, 255, 255));
    Backend().RunFor(GetCaretBlinkTime());
    EXPECT_EQ(Backend().WindowPixel(left_, 5, 5), RGB(255, 255, 255)) << "blinked off";
    Backend().RunFor(GetCaretBlinkTime());
    EXPECT_EQ(Backend().WindowPixel(left_, 5, 5), RGB(0, 0, 0)) << "and on again";
    PAINTSTRUCT ps;
    BeginPaint(left_, &ps);
    EXPECT_EQ(Backend().WindowPixel(left_, 5, 5), RGB(255, 255, 255)) << "hidden while painting";
    EndPaint(left_, &ps);
    EXPECT_EQ(Backend().WindowPixel(left_, 5, 5), RGB(0, 0, 0));
    DestroyCaret();
    EXPECT_EQ(Backend().WindowPixel(left_, 5, 5), RGB(255, 255, 255));
}

}  // namespace
