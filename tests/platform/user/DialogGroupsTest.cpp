// Groups of controls: GetNextDlgGroupItem within the WS_GROUP bounds, past what cannot take the
// focus, round to the group's start; and Tab onto a label or group box that is a tab stop,
// which hands the focus to the first control of its group.
#include "HeadlessTest.h"

namespace {

UINT staticCode = 0;  // what the "Labelled" controls answer to WM_GETDLGCODE

LRESULT CALLBACK LabelledProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETDLGCODE) return staticCode;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

class DialogGroupsTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        staticCode = 0;
        RegisterProcClass(L"Labelled", LabelledProc);
        dialog_ = CreateWindowExW(0, RegisterLoggingClass(), L"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300, nullptr,
                                  nullptr, nullptr, nullptr);
    }

    // The next control, its id its place from 1.
    HWND Add(DWORD style) {
        const int id = static_cast<int>(controls_.size()) + 1;
        HWND control = CreateWindowExW(0, L"Labelled", L"", WS_CHILD | WS_VISIBLE | style, 0, id * 20, 50, 20, dialog_,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
        controls_.push_back(control);
        return control;
    }

    static int IdOf(HWND control) { return control ? GetDlgCtrlID(control) : 0; }

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

    HWND dialog_ = nullptr;
    std::vector<HWND> controls_;
};

TEST_F(DialogGroupsTest, TheNextAndPreviousOfEachControlStayInItsGroup) {
    Add(WS_GROUP);                // 1
    Add(0);                       // 2
    Add(WS_DISABLED);             // 3: skipped, though it has neighbours of its own
    Add(0);                       // 4
    Add(0);                       // 5
    Add(0);                       // 6
    Add(WS_GROUP);                // 7
    Add(0);                       // 8
    ShowWindow(Add(WS_GROUP), SW_HIDE);  // 9: a group of a hidden control and one other
    Add(0);                       // 10
    struct Case {
        int id, next, previous;
    };
    const Case cases[] = {
        {1, 2, 6}, {2, 4, 1}, {3, 4, 2}, {4, 5, 2}, {5, 6, 4}, {6, 1, 5}, {7, 8, 8}, {8, 7, 7}, {9, 10, 10}, {10, 10, 10},
    };
    for (const Case& c : cases) {
        HWND control = controls_[static_cast<std::size_t>(c.id - 1)];
        EXPECT_EQ(IdOf(GetNextDlgGroupItem(dialog_, control, FALSE)), c.next) << c.id;
        EXPECT_EQ(IdOf(GetNextDlgGroupItem(dialog_, control, TRUE)), c.previous) << c.id;
    }
    EXPECT_EQ(IdOf(GetNextDlgGroupItem(dialog_, nullptr, FALSE)), 1) << "no control: the first";
    EXPECT_EQ(GetNextDlgGroupItem(dialog_, nullptr, TRUE), nullptr);
}

TEST_F(DialogGroupsTest, NoControlIsFoundForAWindowThatIsGoneOrNotTheDialogs) {
    HWND control = Add(WS_GROUP);
    HWND stranger = CreateWindowExW(0, L"Labelled", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(GetNextDlgGroupItem(dialog_, stranger, FALSE), nullptr);
    EXPECT_EQ(GetNextDlgGroupItem(nullptr, control, FALSE), nullptr);
    DestroyWindow(stranger);
    EXPECT_EQ(GetNextDlgGroupItem(stranger, nullptr, FALSE), nullptr);
    DestroyWindow(dialog_);
    EXPECT_EQ(GetNextDlgGroupItem(dialog_, control, FALSE), nullptr);
}

TEST_F(DialogGroupsTest, TabOntoALabelThatIsATabStopGoesOnToTheFirstControlOfItsGroup) {
    HWND before = Add(WS_GROUP | WS_TABSTOP);
    HWND label = Add(WS_GROUP | WS_TABSTOP);
    HWND inside = Add(0);  // the group's first control, not a tab stop itself
    Add(WS_GROUP | WS_TABSTOP);  // ends the label's group
    struct Case {
        UINT labelCode;
        HWND focus;  // after Tab from `before`
    };
    for (Case c : {Case{0, label}, Case{DLGC_STATIC, inside}}) {
        staticCode = c.labelCode;
        SetFocus(before);
        Press(VK_TAB);
        EXPECT_EQ(GetFocus(), c.focus) << "code " << c.labelCode;
    }
    ShowWindow(inside, SW_HIDE);  // nothing in the label's group can take it
    SetFocus(before);
    Press(VK_TAB);
    EXPECT_EQ(GetFocus(), before) << "the focus stays";
}

}  // namespace
