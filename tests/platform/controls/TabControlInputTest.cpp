// The tab control under the mouse and the keys: what a press and a release do and what the
// parent hears, who takes the focus under each style, the keys that move the selection (or, with
// buttons, the focus) and the many that only tell TCN_KEYDOWN, and a parent that destroys the
// control while hearing of it. Every expected line was printed by the platform's own tab control
// (comctl32 under Wine) for the same input, except where a test says otherwise.
#include <functional>
#include <string>
#include <vector>

#include "TabControlFixture.h"

namespace {

using namespace tabtest;

using Lines = std::vector<std::string>;

TEST_F(TabControlTest, APressSelectsAndTheReleaseOverATabClicks) {
    struct Case {
        const char* name;
        DWORD style;
        POINT press, release;
        Lines atPress, atRelease;
        bool focused;  // whether the control has the focus afterwards
        LRESULT refuse = 0;
    };
    const POINT first{20, 10}, second{70, 10}, beside{250, 10}, page{100, 100};
    const Lines selects{"SELCHANGING 0/0", "SELCHANGE 1/1"};
    const Case cases[] = {
        {"another tab", 0, second, second, selects, {"CLICK 1/1"}, true},
        {"the selected tab", 0, first, first, {}, {"CLICK 0/0"}, true},
        {"beside the tabs", 0, beside, beside, {}, {}, false},
        {"on the page", 0, page, page, {}, {}, false},
        {"released beside the tabs", 0, second, beside, selects, {}, true},
        {"pressed beside, released on a tab", 0, beside, second, {}, {"CLICK 0/0"}, false},
        {"refused", 0, second, second, {"SELCHANGING 0/0"}, {"CLICK 0/0"}, true, 1},
        {"focus on press: another tab", TCS_FOCUSONBUTTONDOWN, second, second, selects, {"CLICK 1/1"}, true},
        {"focus on press: refused", TCS_FOCUSONBUTTONDOWN, second, second, {"SELCHANGING 0/0"}, {"CLICK 0/0"},
         true, 1},
        {"focus on press: the selected tab", TCS_FOCUSONBUTTONDOWN, first, first, {}, {"CLICK 0/0"}, false},
        {"focus on press: beside", TCS_FOCUSONBUTTONDOWN, beside, beside, {}, {}, false},
        {"focus never", TCS_FOCUSNEVER, second, second, selects, {"CLICK 1/1"}, false},
        {"focus never wins", TCS_FOCUSNEVER | TCS_FOCUSONBUTTONDOWN, second, second, selects, {"CLICK 1/1"},
         false},
        {"buttons: another", TCS_BUTTONS, second, second, selects, {"CLICK 1/1"}, true},
        {"buttons: the selected one", TCS_BUTTONS, first, first, {}, {"CLICK 0/0"}, true},
        {"buttons, focus on press: the selected one", TCS_BUTTONS | TCS_FOCUSONBUTTONDOWN, first, first, {},
         {"CLICK 0/0"}, true},
        {"buttons: beside", TCS_BUTTONS, beside, beside, {}, {}, false},
        {"disabled", WS_DISABLED, second, second, {}, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Make(c.style, 3);
        SetFocus(panel_);
        ThePanel().refuse = c.refuse;
        Down(c.press.x, c.press.y);
        EXPECT_EQ(Heard(), c.atPress);
        Heard().clear();
        Up(c.release.x, c.release.y);
        EXPECT_EQ(Heard(), c.atRelease);
        EXPECT_EQ(GetFocus() == Tab(), c.focused);
        EXPECT_EQ(GetCapture(), nullptr) << "the control never holds the mouse";
    }
}

TEST_F(TabControlTest, TheFocusIsTakenBeforeTheParentIsAsked) {
    Make(0, 3);
    SetFocus(panel_);
    Down(70, 10);
    EXPECT_EQ(ThePanel().focused, (std::vector<bool>{true, true}));
}

TEST_F(TabControlTest, APressComparesWithTheSelectionNotTheFocus) {
    struct Case {
        const char* name;
        DWORD style;
        std::function<void()> before;
        POINT at;
        Lines heard;
    };
    const Case cases[] = {
        {"no selection, the focus on the tab pressed", 0,
         [] { Send(TCM_SETCURSEL, static_cast<WPARAM>(-1)), Send(TCM_SETCURFOCUS, 2); }, {120, 10},
         {"SELCHANGING -1/2", "SELCHANGE 2/2", "CLICK 2/2"}},
        {"buttons, the focus elsewhere", TCS_BUTTONS, [] { Send(TCM_SETCURFOCUS, 2); }, {70, 10},
         {"SELCHANGING 0/2", "SELCHANGE 1/1", "CLICK 1/1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Make(c.style, 3);
        c.before();
        Heard().clear();
        Click(c.at.x, c.at.y);
        EXPECT_EQ(Heard(), c.heard);
    }
}

TEST_F(TabControlTest, ADoubleClickIsTwoClicksAndTheRightButtonClicksToo) {
    Make(0, 3);
    Click(70, 10);
    Click(70, 10);
    EXPECT_EQ(Heard(), (Lines{"SELCHANGING 0/0", "SELCHANGE 1/1", "CLICK 1/1", "CLICK 1/1"}));
    SetFocus(panel_);
    for (POINT at : {POINT{120, 10}, POINT{250, 10}}) {
        Heard().clear();
        Backend().MouseDown(panel_, kAt.x + at.x, kAt.y + at.y, platform::MouseButton::Right);
        Backend().MouseUp(panel_, kAt.x + at.x, kAt.y + at.y, platform::MouseButton::Right);
        Backend().PumpUntilIdle();
        EXPECT_EQ(Heard(), at.x == 120 ? Lines{"RCLICK 1/1"} : Lines{}) << "told over a tab only, never selected";
        EXPECT_EQ(GetFocus(), panel_) << "the right button takes no focus";
    }
}

// ---- Keys ----

struct KeyStep {
    const char* name;
    std::vector<UINT> held;  // modifiers down around the key
    UINT key;
    Lines heard;
    int selected;
    LRESULT refuse = 0;
};

class TabControlKeysTest : public TabControlTest {
protected:
    void Press(const std::vector<KeyStep>& steps) {
        for (const KeyStep& s : steps) {
            SCOPED_TRACE(s.name);
            Heard().clear();
            ThePanel().refuse = s.refuse;
            for (UINT vk : s.held) Backend().KeyDown(vk);
            Key(s.key);
            for (UINT vk : s.held) Backend().KeyUp(vk);
            Backend().PumpUntilIdle();
            EXPECT_EQ(Heard(), s.heard);
            EXPECT_EQ(Sel(Tab()), s.selected);
        }
    }
};

// The platform lets a refused arrow key select the next tab anyway; here the refusal holds.
TEST_F(TabControlKeysTest, OnlyLeftAndRightMoveTheSelectionAndEveryKeyIsTold) {
    Make(0, 4);
    SetFocus(Tab());
    Press({
        {"Right", {}, VK_RIGHT, {"KEYDOWN 0/0 vk=39", "SELCHANGING 0/1", "SELCHANGE 1/1"}, 1},
        {"Right", {}, VK_RIGHT, {"KEYDOWN 1/1 vk=39", "SELCHANGING 1/2", "SELCHANGE 2/2"}, 2},
        {"Left", {}, VK_LEFT, {"KEYDOWN 2/2 vk=37", "SELCHANGING 2/1", "SELCHANGE 1/1"}, 1},
        {"End", {}, VK_END, {"KEYDOWN 1/1 vk=35"}, 1},
        {"Home", {}, VK_HOME, {"KEYDOWN 1/1 vk=36"}, 1},
        {"Down", {}, VK_DOWN, {"KEYDOWN 1/1 vk=40"}, 1},
        {"Up", {}, VK_UP, {"KEYDOWN 1/1 vk=38"}, 1},
        {"Page Down", {}, VK_NEXT, {"KEYDOWN 1/1 vk=34"}, 1},
        {"Page Up", {}, VK_PRIOR, {"KEYDOWN 1/1 vk=33"}, 1},
        {"Space", {}, VK_SPACE, {"KEYDOWN 1/1 vk=32"}, 1},
        {"a letter", {}, 'A', {"KEYDOWN 1/1 vk=65"}, 1},
        {"Tab", {}, VK_TAB, {"KEYDOWN 1/1 vk=9"}, 1},
        {"Ctrl+Tab", {VK_CONTROL}, VK_TAB, {"KEYDOWN 1/1 vk=17", "KEYDOWN 1/1 vk=9"}, 1},
        {"Ctrl+Shift+Tab", {VK_CONTROL, VK_SHIFT}, VK_TAB,
         {"KEYDOWN 1/1 vk=17", "KEYDOWN 1/1 vk=16", "KEYDOWN 1/1 vk=9"}, 1},
        {"Ctrl+Right", {VK_CONTROL}, VK_RIGHT,
         {"KEYDOWN 1/1 vk=17", "KEYDOWN 1/1 vk=39", "SELCHANGING 1/2", "SELCHANGE 2/2"}, 2},
        {"Right refused", {}, VK_RIGHT, {"KEYDOWN 2/2 vk=39", "SELCHANGING 2/3"}, 2, 1},
        {"Right", {}, VK_RIGHT, {"KEYDOWN 2/2 vk=39", "SELCHANGING 2/3", "SELCHANGE 3/3"}, 3},
        {"Right at the last tab", {}, VK_RIGHT, {"KEYDOWN 3/3 vk=39"}, 3},
    });
}

TEST_F(TabControlKeysTest, ButtonsMoveOnlyTheFocusAndNoKeyPressesThem) {
    Make(TCS_BUTTONS, 4);
    SetFocus(Tab());
    Press({
        {"Right", {}, VK_RIGHT, {"KEYDOWN 0/0 vk=39", "FOCUSCHANGE 0/1"}, 0},
        {"Right", {}, VK_RIGHT, {"KEYDOWN 0/1 vk=39", "FOCUSCHANGE 0/2"}, 0},
        {"End", {}, VK_END, {"KEYDOWN 0/2 vk=35"}, 0},
        {"Space", {}, VK_SPACE, {"KEYDOWN 0/2 vk=32"}, 0},
        {"Enter", {}, VK_RETURN, {"KEYDOWN 0/2 vk=13"}, 0},
    });
}

TEST_F(TabControlKeysTest, WithNoSelectionTheFirstRightOnlyFocusesAndNoTabsMeansNothing) {
    Make(0, 3);
    Send(TCM_SETCURSEL, static_cast<WPARAM>(-1));
    SetFocus(Tab());
    Press({
        {"Right focuses the first tab", {}, VK_RIGHT, {"KEYDOWN -1/-1 vk=39"}, -1},
        {"Right then selects", {}, VK_RIGHT, {"KEYDOWN -1/0 vk=39", "SELCHANGING -1/1", "SELCHANGE 1/1"}, 1},
    });
    Make(0);
    SetFocus(Tab());
    Press({{"no tabs", {}, VK_RIGHT, {"KEYDOWN -1/-1 vk=39"}, -1}});
}

TEST_F(TabControlTest, TheKeysFlagsAreItsLParamAndKeyDownAnswersZero) {
    Make(0, 3);
    EXPECT_EQ(Send(WM_KEYDOWN, VK_RIGHT, 0x00150001), 0);
    EXPECT_EQ(ThePanel().keyFlags, 0x00150001u);
    EXPECT_EQ(Sel(Tab()), 1) << "sent to a control without the focus, still obeyed";
}

// ---- A parent that destroys the control ----

TEST_F(TabControlTest, AParentThatDestroysTheControlWhileHearingOfItIsSafe) {
    struct Case {
        const char* name;
        DWORD style;
        UINT code;
        std::function<void()> act;
    };
    const Case cases[] = {
        {"asked by a press", 0, TCN_SELCHANGING, [this] { Click(70, 10); }},
        {"told by a press", 0, TCN_SELCHANGE, [this] { Click(70, 10); }},
        {"a click", 0, NM_CLICK, [this] { Click(70, 10); }},
        {"a key", 0, TCN_KEYDOWN, [this] { SetFocus(Tab()), Key(VK_RIGHT); }},
        {"asked by a key", 0, TCN_SELCHANGING, [this] { SetFocus(Tab()), Key(VK_RIGHT); }},
        {"told by a key", 0, TCN_SELCHANGE, [this] { SetFocus(Tab()), Key(VK_RIGHT); }},
        {"a button's focus", TCS_BUTTONS, TCN_FOCUSCHANGE, [this] { SetFocus(Tab()), Key(VK_RIGHT); }},
        {"cleared by SETCURFOCUS", 0, TCN_SELCHANGE, [] { Send(TCM_SETCURFOCUS, static_cast<WPARAM>(-1)); }},
        {"asked by SETCURFOCUS", 0, TCN_SELCHANGING, [] { Send(TCM_SETCURFOCUS, 2); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND tab = Make(c.style, 3);
        ThePanel().destroyOn = c.code;
        c.act();
        EXPECT_FALSE(IsWindow(tab));
        EXPECT_EQ(SendMessageW(tab, TCM_GETCURSEL, 0, 0), 0) << "a destroyed control answers nothing";
        ThePanel() = {};
    }
}

}  // namespace
