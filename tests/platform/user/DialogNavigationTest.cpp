// Keyboard navigation among controls: tab stops in creation order, wrapping, skipping hidden,
// disabled and non-stop controls; Enter to the default button, Escape to cancel.
#include "HeadlessTest.h"

namespace {

UINT answerCode = 0;  // what the controls answer to WM_GETDLGCODE

LRESULT CALLBACK ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Log().Add({hwnd, message, wParam, lParam});
    if (message == WM_GETDLGCODE) return answerCode;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

class DialogNavigationTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        answerCode = 0;
        RegisterProcClass(L"Control", ControlProc);
        dialog_ = CreateWindowExW(0, RegisterLoggingClass(), L"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                  nullptr, nullptr, nullptr);
        a_ = Control(1, WS_TABSTOP);
        b_ = Control(5, 0);  // not a tab stop
        c_ = Control(3, WS_TABSTOP);
        d_ = Control(4, WS_TABSTOP | WS_DISABLED);
        e_ = Control(IDCANCEL, WS_TABSTOP);
    }

    HWND Control(int id, DWORD style) {
        return CreateWindowExW(0, L"Control", L"", WS_CHILD | WS_VISIBLE | style, 0, id * 20, 50, 20, dialog_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }

    // Presses a key at the focus window through the dialog manager.
    void Press(UINT vk) {
        Backend().KeyDown(vk);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            if (!IsDialogMessageW(dialog_, &msg)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        Backend().KeyUp(vk);
        Backend().PumpUntilIdle();
    }

    HWND dialog_ = nullptr, a_ = nullptr, b_ = nullptr, c_ = nullptr, d_ = nullptr, e_ = nullptr;
};

TEST_F(DialogNavigationTest, NextTabStopSkipsWhatCannotTakeTheFocusAndWraps) {
    EXPECT_EQ(GetNextDlgTabItem(dialog_, a_, FALSE), c_);
    EXPECT_EQ(GetNextDlgTabItem(dialog_, c_, FALSE), e_);
    EXPECT_EQ(GetNextDlgTabItem(dialog_, e_, FALSE), a_);
    EXPECT_EQ(GetNextDlgTabItem(dialog_, a_, TRUE), e_);
    EXPECT_EQ(GetNextDlgTabItem(dialog_, nullptr, FALSE), a_);
    ShowWindow(c_, SW_HIDE);
    EXPECT_EQ(GetNextDlgTabItem(dialog_, a_, FALSE), e_);
}

// A visible, enabled control parent is looked into and never stops the search itself; a
// control's own children (a combo box's field) are not looked into; a search that runs out
// inside a control parent carries on after it.
TEST_F(DialogNavigationTest, ControlParentsAreLookedIntoAndOtherWindowsChildrenAreNot) {
    HWND holder = CreateWindowExW(WS_EX_CONTROLPARENT, L"Control", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 100, 0, 100,
                                  100, dialog_, nullptr, nullptr, nullptr);
    HWND inner1 = CreateWindowExW(0, L"Control", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 50, 20, holder, nullptr,
                                  nullptr, nullptr);
    HWND inner2 = CreateWindowExW(0, L"Control", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 20, 50, 20, holder, nullptr,
                                  nullptr, nullptr);
    HWND field = CreateWindowExW(0, L"Control", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 20, 20, a_, nullptr,
                                 nullptr, nullptr);
    struct Case {
        HWND from;
        BOOL previous;
        HWND expected;
    };
    const Case cases[] = {
        {e_, FALSE, inner1},      {a_, FALSE, c_},          {e_, TRUE, c_},
        {c_, FALSE, e_},          {inner1, FALSE, inner2},  {inner2, FALSE, a_},
        {inner1, TRUE, e_},       {field, FALSE, c_},       {holder, FALSE, a_},
        {nullptr, TRUE, nullptr}, {dialog_, FALSE, a_},
    };
    for (const Case& c : cases) EXPECT_EQ(GetNextDlgTabItem(dialog_, c.from, c.previous), c.expected);
    ShowWindow(holder, SW_HIDE);
    EXPECT_EQ(GetNextDlgTabItem(dialog_, e_, FALSE), a_) << "a hidden holder is passed by";
}

TEST_F(DialogNavigationTest, TabAndShiftTabMoveTheFocusUnlessTheControlWantsTab) {
    SetFocus(a_);
    Press(VK_TAB);
    EXPECT_EQ(GetFocus(), c_);
    Backend().KeyDown(VK_SHIFT);
    Press(VK_TAB);
    Backend().KeyUp(VK_SHIFT);
    Backend().PumpUntilIdle();
    EXPECT_EQ(GetFocus(), a_);
    answerCode = DLGC_WANTTAB;
    Log().Clear();
    Press(VK_TAB);
    EXPECT_EQ(GetFocus(), a_);
    EXPECT_EQ(Log().Count(WM_KEYDOWN, a_), 1) << "the control got its Tab";
}

TEST_F(DialogNavigationTest, EnterChoosesTheDefaultButtonAndEscapeCancels) {
    SetFocus(a_);
    Log().Clear();
    Press(VK_RETURN);
    auto commands = Log().Messages();
    std::erase_if(commands, [](const LoggedMessage& m) { return m.message != WM_COMMAND; });
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(LOWORD(commands[0].wParam), IDOK) << "no default button: IDOK";
    answerCode = DLGC_DEFPUSHBUTTON;  // every control now claims to be the default button
    Log().Clear();
    Press(VK_RETURN);
    commands = Log().Messages();
    std::erase_if(commands, [](const LoggedMessage& m) { return m.message != WM_COMMAND; });
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].lParam, reinterpret_cast<LPARAM>(a_));
    answerCode = 0;
    Log().Clear();
    Press(VK_ESCAPE);
    commands = Log().Messages();
    std::erase_if(commands, [](const LoggedMessage& m) { return m.message != WM_COMMAND; });
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].wParam, MAKEWPARAM(IDCANCEL, BN_CLICKED));
    EXPECT_EQ(commands[0].lParam, reinterpret_cast<LPARAM>(e_));
}

TEST_F(DialogNavigationTest, MessagesOfOtherWindowsAreNotTheDialogs) {
    HWND other = CreateWindowExW(0, RegisterLoggingClass(), L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    MSG msg{other, WM_USER, 0, 0, 0, {}};
    EXPECT_FALSE(IsDialogMessageW(dialog_, &msg));
    MSG mine{a_, WM_USER, 0, 0, 0, {}};
    EXPECT_TRUE(IsDialogMessageW(dialog_, &mine));
    EXPECT_EQ(Log().Count(WM_USER, a_), 1) << "dispatched as the loop would";
}

}  // namespace
