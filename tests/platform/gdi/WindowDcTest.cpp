// Drawing on windows: a window's context draws into what a person sees, clipped to its client
// area; painting hands out a context after the background is erased with the class brush.
#include "GdiTest.h"

namespace {

class WindowDcTest : public GdiTest {
protected:
    void SetUp() override {
        GdiTest::SetUp();
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
        wc.lpszClassName = L"Painted";
        RegisterClassW(&wc);
        top_ = CreateWindowExW(0, L"Painted", L"", WS_POPUP | WS_VISIBLE, 50, 40, 20, 10, nullptr, nullptr,
                               nullptr, nullptr);
        child_ = CreateWindowExW(0, L"Painted", L"", WS_CHILD | WS_VISIBLE, 5, 2, 30, 4, top_, nullptr, nullptr,
                                 nullptr);
    }
    void TearDown() override {
        DestroyWindow(top_);
        GdiTest::TearDown();
    }
    HWND top_ = nullptr;
    HWND child_ = nullptr;
};

TEST_F(WindowDcTest, PaintingErasesWithTheClassBrush) {
    Backend().PumpUntilIdle();
    EXPECT_EQ(Backend().WindowPixel(top_, 0, 0), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(Backend().WindowPixel(child_, 0, 0), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(Backend().WindowPixel(top_, 20, 0), CLR_INVALID) << "outside the client area";
}

TEST_F(WindowDcTest, DrawingLandsInTheWindowClippedToItsClientAreaAndItsParents) {
    HDC dc = GetDC(child_);
    ASSERT_TRUE(dc);
    EXPECT_EQ(WindowFromDC(dc), child_);
    RECT all{-5, -5, 100, 100};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dc, &all, red);
    DeleteObject(red);
    EXPECT_EQ(ReleaseDC(child_, dc), 1);
    // The child covers x 5..34 of a parent 20 wide: only x 5..19 of the parent show red.
    EXPECT_EQ(Backend().WindowPixel(top_, 5, 2), RGB(255, 0, 0));
    EXPECT_EQ(Backend().WindowPixel(top_, 19, 5), RGB(255, 0, 0));
    EXPECT_NE(Backend().WindowPixel(top_, 4, 2), RGB(255, 0, 0));
    EXPECT_NE(Backend().WindowPixel(top_, 5, 6), RGB(255, 0, 0)) << "below the child";
    EXPECT_EQ(Backend().WindowPixel(child_, 20, 0), CLR_INVALID) << "clipped away by the parent";
}

TEST_F(WindowDcTest, CopiesBetweenAWindowAndMemory) {
    HDC mem = Surface(2, 2, false, RGB(1, 2, 3));
    HDC dc = GetDC(top_);
    BitBlt(dc, 18, 8, 2, 2, mem, 0, 0, SRCCOPY);
    EXPECT_EQ(Backend().WindowPixel(top_, 19, 9), RGB(1, 2, 3));
    HDC back = Surface(2, 2);
    BitBlt(back, 0, 0, 2, 2, dc, 18, 8, SRCCOPY);
    EXPECT_EQ(GetPixel(back, 1, 1), RGB(1, 2, 3));
    ReleaseDC(top_, dc);
}

TEST_F(WindowDcTest, ContextsAreReleasedOnlyByTheirWindowAndScreenContextIsColour) {
    HDC dc = GetDC(top_);
    EXPECT_EQ(ReleaseDC(child_, dc), 0);
    EXPECT_EQ(ReleaseDC(top_, dc), 1);
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 2, 2);
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    EXPECT_EQ(info.bmBitsPixel, 32);
    DeleteObject(bitmap);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(GetDC(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x7FFF1234))), nullptr);
}

TEST_F(WindowDcTest, AContextOutlivingItsWindowDrawsNothing) {
    HWND lone = CreateWindowExW(0, L"Painted", L"", WS_POPUP, 0, 0, 4, 4, nullptr, nullptr, nullptr, nullptr);
    HDC dc = GetDC(lone);
    DestroyWindow(lone);
    EXPECT_EQ(SetPixel(dc, 0, 0, RGB(1, 1, 1)), CLR_INVALID);
    RECT r{0, 0, 4, 4};
    EXPECT_TRUE(FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOW)));
    EXPECT_EQ(ReleaseDC(lone, dc), 1);
}

}  // namespace
