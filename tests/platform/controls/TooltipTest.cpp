// The tooltip control: its tip appears once the pointer has rested over a tool and goes when
// the pointer leaves; the text and the tool's area can change afterwards.
#include "HeadlessTest.h"

namespace {

class TooltipTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES};
        ASSERT_TRUE(InitCommonControlsEx(&init));
        LPCWSTR cls = RegisterLoggingClass();
        form_ = CreateWindowExW(0, cls, L"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
        button_ = CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE, 10, 10, 80, 30, form_, nullptr, nullptr, nullptr);
        tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, 0, 0, 0,
                               0, button_, nullptr, nullptr, nullptr);
        ASSERT_TRUE(tip_);
        info_ = TTTOOLINFOW{};
        info_.cbSize = sizeof info_;
        info_.uFlags = TTF_SUBCLASS;
        info_.hwnd = button_;
        GetClientRect(button_, &info_.rect);
        info_.lpszText = const_cast<LPWSTR>(L"Avvia la partita");
        ASSERT_TRUE(SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info_)));
    }

    HWND form_ = nullptr, button_ = nullptr, tip_ = nullptr;
    TTTOOLINFOW info_{};
};

TEST_F(TooltipTest, AppearsAfterThePointerRestsAndGoesWhenItLeaves) {
    Backend().MouseMove(form_, 30, 20);
    Backend().RunFor(300);
    EXPECT_FALSE(IsWindowVisible(tip_)) << "not before the delay";
    Backend().RunFor(300);
    ASSERT_TRUE(IsWindowVisible(tip_));
    RECT tipRect;
    GetWindowRect(tip_, &tipRect);
    EXPECT_GT(tipRect.right - tipRect.left, 40) << "sized to its text";
    bool ink = false;
    for (int x = 0; x < tipRect.right - tipRect.left && !ink; ++x)
        for (int y = 2; y < tipRect.bottom - tipRect.top - 2; ++y)
            ink |= Backend().WindowPixel(tip_, x, y) == RGB(87, 87, 87);
    EXPECT_TRUE(ink) << "the text is drawn";
    Backend().MouseMove(form_, 200, 150);
    Backend().PumpUntilIdle();
    EXPECT_FALSE(IsWindowVisible(tip_));
    EXPECT_GT(Log().Count(WM_MOUSEMOVE, button_), 0) << "the tool window still gets its messages";
}

TEST_F(TooltipTest, ANewToolRectangleAndTextTakeEffect) {
    info_.rect = {0, 0, 10, 10};
    SendMessageW(tip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info_));
    Backend().MouseMove(form_, 60, 30);  // inside the button, outside the new tool area
    Backend().RunFor(800);
    EXPECT_FALSE(IsWindowVisible(tip_));
    info_.lpszText = const_cast<LPWSTR>(L"Altro");
    SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info_));
    Backend().MouseMove(form_, 13, 13);
    Backend().RunFor(800);
    EXPECT_TRUE(IsWindowVisible(tip_));
}

}  // namespace
