// The desktop changes the active window behind the program's back (another program comes to the
// front, the person switches back with the taskbar or clicks a window): the program hears it in
// the platform's order. And the program's own activation reaches the desktop.
#include "HeadlessTest.h"

namespace {

class DesktopActivationTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        main_ = CreateWindowExW(0, RegisterLoggingClass(), L"Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400,
                                300, nullptr, nullptr, nullptr, nullptr);
        edit_ = CreateWindowExW(0, L"edit", L"", WS_CHILD | WS_VISIBLE, 10, 10, 100, 20, main_, nullptr, nullptr,
                                nullptr);
        SetFocus(edit_);
        Backend().PumpUntilIdle();
        Log().Clear();
    }
    HWND main_ = nullptr;
    HWND edit_ = nullptr;
};

TEST_F(DesktopActivationTest, AnotherProgramInFrontDeactivatesTheWindowThenTheApplicationThenTheFocus) {
    Backend().SwitchToAnotherProgram();
    std::vector<LoggedMessage> seen = Log().Messages();
    ASSERT_GE(seen.size(), 3u);
    EXPECT_TRUE(SequenceIs({seen.begin(), seen.begin() + 3}, {{WM_NCACTIVATE, main_, FALSE, 0},
                                                             {WM_ACTIVATE, main_, WA_INACTIVE, 0},
                                                             {WM_ACTIVATEAPP, main_, FALSE}}));
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    bool editToldItsParent = false;
    for (const LoggedMessage& m : seen) editToldItsParent |= m.message == WM_COMMAND && HIWORD(m.wParam) == EN_KILLFOCUS;
    EXPECT_TRUE(editToldItsParent) << "the edit box lost the focus (and with it its caret)";

    Log().Clear();
    Backend().SwitchToWindow(main_);
    EXPECT_TRUE(SequenceIs(Log().Messages(), {{WM_ACTIVATEAPP, main_, TRUE},
                                              {WM_NCACTIVATE, main_, TRUE},
                                              {WM_ACTIVATE, main_, WA_ACTIVE, 0},
                                              {WM_SETFOCUS, main_, 0}}));
    EXPECT_EQ(GetActiveWindow(), main_);
}

TEST_F(DesktopActivationTest, ADisabledOwnerHandsTheActivationToTheWindowItWaitsOn) {
    HWND form = CreateWindowExW(WS_EX_TOOLWINDOW, RegisterLoggingClass(), L"Form", WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
                                150, 150, 250, 150, main_, nullptr, nullptr, nullptr);
    EnableWindow(main_, FALSE);
    EXPECT_EQ(Backend().DesktopActiveWindow(), form) << "the program's activation reached the desktop";
    Backend().SwitchToAnotherProgram();
    Backend().SwitchToWindow(main_);
    EXPECT_EQ(GetActiveWindow(), form);
    EnableWindow(main_, TRUE);
    DestroyWindow(form);
    EXPECT_EQ(GetActiveWindow(), main_);
    EXPECT_EQ(Backend().DesktopActiveWindow(), main_) << "the owner comes back to the front on the desktop too";
}

TEST_F(DesktopActivationTest, AClickOnAnInactiveWindowActivatesItByTheMouseAndStillArrives) {
    HWND other = CreateWindowExW(0, RegisterLoggingClass(), L"Other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 100, 300,
                                 200, nullptr, nullptr, nullptr, nullptr);
    Backend().PumpUntilIdle();
    Log().Clear();
    Backend().Click(main_, 200, 200);
    Backend().PumpUntilIdle();
    EXPECT_EQ(GetActiveWindow(), main_);
    EXPECT_EQ(Log().Count(WM_MOUSEACTIVATE, main_), 1);
    bool byMouse = false;
    for (const auto& m : Log().Messages())
        if (m.hwnd == main_ && m.message == WM_ACTIVATE) byMouse = LOWORD(m.wParam) == WA_CLICKACTIVE;
    EXPECT_TRUE(byMouse);
    EXPECT_EQ(Log().Count(WM_LBUTTONDOWN, main_), 1) << "the activating click is not swallowed";
    DestroyWindow(other);
}

}  // namespace
