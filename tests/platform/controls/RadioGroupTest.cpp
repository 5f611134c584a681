// Radio buttons in groups: which buttons a clicked auto radio button unchecks, and how the
// dialog manager's arrow keys and Tab move through a group of them. The groups and the expected
// results are those the reference platform showed for the same controls.
#include <functional>
#include <string>

#include "HeadlessTest.h"
#include "Screenshot.h"

namespace {

// A control of another class that calls itself a radio button, and notes the BM_SETCHECK it
// gets: the unchecking goes by what a control says it is, not by its class.
std::vector<std::pair<HWND, WPARAM>> checksToOthers;

LRESULT CALLBACK OtherRadioProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETDLGCODE) return DLGC_BUTTON | DLGC_RADIOBUTTON;
    if (message == BM_SETCHECK) {
        checksToOthers.emplace_back(hwnd, wParam);
        Log().Add({hwnd, message, wParam, lParam});
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

class RadioGroupTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        checksToOthers.clear();
        RegisterProcClass(L"OtherRadio", OtherRadioProc);
        panel_ = CreateWindowExW(0, RegisterLoggingClass(), L"", WS_POPUP | WS_VISIBLE, 0, 0, 500, 300, nullptr,
                                 nullptr, nullptr, nullptr);
        screenshot_.emplace(panel_);
    }
    void TearDown() override {
        screenshot_.reset();
        HeadlessTest::TearDown();
    }

    // Adds the next control, laid out four to a row; its id is its place, from 1.
    HWND Add(DWORD style, const wchar_t* cls = L"Button") {
        const int index = static_cast<int>(controls_.size());
        HWND control = CreateWindowExW(0, cls, L"Choice", WS_CHILD | WS_VISIBLE | style, 10 + (index % 4) * 120,
                                       10 + (index / 4) * 30, 100, 24, panel_,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(index + 1)), nullptr, nullptr);
        controls_.push_back(control);
        return control;
    }
    HWND At(int id) const { return controls_[static_cast<std::size_t>(id - 1)]; }

    // Each control's check state as a digit, "-" for controls of other classes.
    std::string Checks() const {
        std::string checks;
        for (HWND control : controls_)
            checks += IsButton(control)
                          ? static_cast<char>('0' + SendMessageW(control, BM_GETCHECK, 0, 0))
                          : '-';
        return checks;
    }

    void CheckEveryOne() const {
        for (HWND control : controls_) SendMessageW(control, BM_SETCHECK, BST_CHECKED, 0);
    }

    // Presses a key at the focus window through the dialog manager.
    void Press(UINT vk) {
        Backend().KeyDown(vk);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            if (!IsDialogMessageW(panel_, &msg)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        Backend().KeyUp(vk);
        Backend().PumpUntilIdle();
    }

    // The ids of the buttons the panel heard BN_CLICKED from.
    std::vector<int> Clicked() const {
        std::vector<int> ids;
        for (const LoggedMessage& m : Log().Messages())
            if (m.hwnd == panel_ && m.message == WM_COMMAND && HIWORD(m.wParam) == BN_CLICKED)
                ids.push_back(LOWORD(m.wParam));
        return ids;
    }

    HWND panel_ = nullptr;
    std::vector<HWND> controls_;

private:
    static bool IsButton(HWND control) {
        wchar_t name[16] = {};
        GetClassNameW(control, name, 16);
        return std::wstring(name) == L"Button";
    }

    std::optional<ScreenshotOnFailure> screenshot_;
};

// ---- Auto radio buttons ----

TEST_F(RadioGroupTest, AClickedAutoRadioButtonUnchecksTheShownEnabledRadioButtonsOfItsGroup) {
    Add(BS_AUTORADIOBUTTON | WS_GROUP);       // 1
    Add(BS_AUTORADIOBUTTON);                  // 2
    Add(BS_AUTORADIOBUTTON | WS_DISABLED);    // 3: left alone
    ShowWindow(Add(BS_AUTORADIOBUTTON), SW_HIDE);  // 4: left alone
    Add(BS_RADIOBUTTON);                      // 5: a plain radio button is unchecked too
    Add(BS_AUTOCHECKBOX);                     // 6: not a radio button
    Add(BS_AUTORADIOBUTTON);                  // 7
    Add(BS_AUTORADIOBUTTON | WS_GROUP);       // 8: the next group
    Add(BS_AUTORADIOBUTTON);                  // 9
    Add(BS_GROUPBOX | WS_GROUP);              // 10: a group box starts the third
    Add(BS_AUTORADIOBUTTON);                  // 11
    Add(BS_AUTORADIOBUTTON);                  // 12
    struct Case {
        int clicked;
        const char* checks;  // ids 1 to 12
    };
    const Case cases[] = {
        {1, "101101011011"}, {2, "011101011011"}, {7, "001101111011"},
        {8, "111111110011"}, {9, "111111101011"}, {11, "111111111010"}, {12, "111111111001"},
    };
    for (const Case& c : cases) {
        CheckEveryOne();
        Log().Clear();
        SendMessageW(At(c.clicked), BM_CLICK, 0, 0);
        EXPECT_EQ(Checks(), c.checks) << "clicked " << c.clicked;
        EXPECT_EQ(Clicked(), std::vector<int>{c.clicked});
    }
}

TEST_F(RadioGroupTest, TheRestOfTheGroupIsUncheckedOnwardsFromTheClickedButtonAndBeforeTheNotice) {
    HWND first = Add(WS_GROUP, L"OtherRadio");
    HWND second = Add(0, L"OtherRadio");
    HWND clicked = Add(BS_AUTORADIOBUTTON);
    HWND last = Add(0, L"OtherRadio");
    Add(BS_AUTORADIOBUTTON | WS_GROUP);  // another group
    Log().Clear();
    SendMessageW(clicked, BM_CLICK, 0, 0);
    const std::vector<std::pair<HWND, WPARAM>> expected{{last, 0}, {first, 0}, {second, 0}};
    EXPECT_EQ(checksToOthers, expected);
    std::vector<LoggedMessage> checksAndNotices = Log().Messages();
    std::erase_if(checksAndNotices, [](const LoggedMessage& m) { return m.message != BM_SETCHECK && m.message != WM_COMMAND; });
    EXPECT_TRUE(SequenceIs(checksAndNotices, {{BM_SETCHECK, last},
                                              {BM_SETCHECK, first},
                                              {BM_SETCHECK, second},
                                              {WM_COMMAND, panel_, MAKEWPARAM(3, BN_CLICKED)}}));
}

TEST_F(RadioGroupTest, AHiddenAutoRadioButtonClickedStillUnchecksItsGroupAndStops) {
    Add(BS_AUTORADIOBUTTON | WS_GROUP);
    HWND hidden = Add(BS_AUTORADIOBUTTON);
    Add(BS_AUTORADIOBUTTON);
    ShowWindow(hidden, SW_HIDE);
    CheckEveryOne();
    SendMessageW(hidden, BM_CLICK, 0, 0);
    EXPECT_EQ(Checks(), "010");
}

TEST_F(RadioGroupTest, BmSetCheckLeavesTheOthersAlone) {
    Add(BS_AUTORADIOBUTTON | WS_GROUP);
    Add(BS_AUTORADIOBUTTON);
    SendMessageW(At(1), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(At(2), BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(Checks(), "11");
}

TEST_F(RadioGroupTest, TheFocusAloneChoosesNothing) {
    Add(BS_AUTORADIOBUTTON | WS_GROUP);
    Add(BS_AUTORADIOBUTTON);
    Add(BS_RADIOBUTTON);
    SendMessageW(At(1), BM_SETCHECK, BST_CHECKED, 0);
    Log().Clear();
    for (int id : {2, 3}) SetFocus(At(id));
    EXPECT_EQ(Checks(), "100");
    EXPECT_TRUE(Clicked().empty());
}

// ---- The dialog manager ----

// The group of the reference platform's dialog: three auto radio buttons with a disabled one,
// a plain radio button and a check box among them, then two push buttons in a group of their own.
class RadioKeysTest : public RadioGroupTest {
protected:
    void SetUp() override {
        RadioGroupTest::SetUp();
        Add(BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP);  // 1
        Add(BS_AUTORADIOBUTTON);                           // 2
        Add(BS_AUTORADIOBUTTON | WS_DISABLED);             // 3
        Add(BS_RADIOBUTTON);                               // 4
        Add(BS_AUTOCHECKBOX);                              // 5
        Add(BS_AUTORADIOBUTTON);                           // 6
        Add(BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP);        // 7
        Add(BS_PUSHBUTTON);                                // 8
        SendMessageW(At(1), BM_SETCHECK, BST_CHECKED, 0);
    }
};

TEST_F(RadioKeysTest, ArrowsWalkTheGroupAndChooseTheAutoRadioButtonsTheyReach) {
    struct Step {
        UINT key;
        int focus;
        const char* checks;  // ids 1 to 8
        std::vector<int> clicked;
    };
    const Step steps[] = {
        {VK_DOWN, 2, "01000000", {2}},
        {VK_DOWN, 4, "01000000", {}},   // a plain radio button takes the focus only
        {VK_DOWN, 5, "01000000", {}},   // so does a check box
        {VK_DOWN, 6, "00000100", {6}},
        {VK_DOWN, 1, "10000000", {1}},  // round to the group's start, past the disabled one
        {VK_UP, 6, "00000100", {6}},
        {VK_LEFT, 5, "00000100", {}},
        {VK_RIGHT, 6, "00000100", {}},  // already checked: no second click
    };
    SetFocus(At(1));
    for (const Step& s : steps) {
        Log().Clear();
        Press(s.key);
        EXPECT_EQ(GetFocus(), At(s.focus)) << "key " << s.key << " to " << s.focus;
        EXPECT_EQ(Checks(), s.checks) << "key " << s.key << " to " << s.focus;
        EXPECT_EQ(Clicked(), s.clicked) << "key " << s.key << " to " << s.focus;
    }
}

TEST_F(RadioKeysTest, ArrowsMoveAmongPushButtonsButNotOutOfTheirGroup) {
    SetFocus(At(7));
    Press(VK_DOWN);
    EXPECT_EQ(GetFocus(), At(8));
    Press(VK_DOWN);
    EXPECT_EQ(GetFocus(), At(7));
    EXPECT_TRUE(Clicked().empty());
}

TEST_F(RadioKeysTest, TabComesToTheCheckedRadioButtonOfAGroup) {
    SendMessageW(At(2), BM_CLICK, 0, 0);  // 2 is now checked, and the group's tab stop
    SetFocus(At(7));
    Backend().KeyDown(VK_SHIFT);
    Press(VK_TAB);
    Backend().KeyUp(VK_SHIFT);
    EXPECT_EQ(GetFocus(), At(2));
    Press(VK_TAB);
    EXPECT_EQ(GetFocus(), At(7));
}

TEST_F(RadioKeysTest, ArrowsAreLeftToAControlThatWantsThemAndToTheWindowItself) {
    HWND field = Add(WS_GROUP | WS_TABSTOP, L"edit");
    Add(BS_AUTORADIOBUTTON);
    SetFocus(field);
    Press(VK_DOWN);
    EXPECT_EQ(GetFocus(), field);
    SetFocus(panel_);
    Log().Clear();
    Press(VK_DOWN);
    EXPECT_EQ(GetFocus(), panel_);
    EXPECT_EQ(Log().Count(WM_KEYDOWN, panel_), 1) << "the window had its arrow";
}

}  // namespace
