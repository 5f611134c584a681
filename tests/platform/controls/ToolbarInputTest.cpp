// The mouse on a toolbar: what the parent hears and in which order, the capture, the pressed,
// checked and hot states, drop-down buttons and the answers to TBN_DROPDOWN, as the platform's
// toolbar does them.
#include "ToolbarFixture.h"

namespace {

using namespace toolbar_test;

constexpr DWORD kMouse = HICF_MOUSE;
constexpr DWORD kEntering = HICF_ENTERING | HICF_MOUSE;
constexpr DWORD kLeaving = HICF_LEAVING | HICF_MOUSE;
constexpr DWORD kPressHot = HICF_ENTERING | HICF_MOUSE | HICF_LMOUSE;

// What the parent hears while a press on `command` begins and when it ends on the button.
std::vector<Expect> PressHeard(int command) {
    return {Note(TBN_BEGINDRAG, command, true), Note(NM_LDOWN, command, true)};
}
std::vector<Expect> ReleaseHeard(int command, bool clicked, int under) {
    std::vector<Expect> all{Note(NM_RELEASEDCAPTURE, 0, false), Note(TBN_ENDDRAG, command, false)};
    if (clicked) all.push_back(Command(command));
    all.push_back(Note(NM_CLICK, under, false));
    return all;
}

TEST_F(ToolbarTest, AClickPressesTheButtonWhileHeldAndSendsTheCommandWhenReleasedOnIt) {
    MakeToolbar(TBSTYLE_FLAT);
    Move(Middle(0));
    EXPECT_TRUE(HeardExactly({Hot(0, 101, kEntering)}));
    heard.clear();
    Down(Middle(0));
    EXPECT_TRUE(HeardExactly(PressHeard(101)));
    EXPECT_EQ(StateOf(101), TBSTATE_ENABLED | TBSTATE_PRESSED);
    EXPECT_EQ(GetCapture(), toolbar);
    heard.clear();
    Up(Middle(0));
    EXPECT_TRUE(HeardExactly(ReleaseHeard(101, true, 101)));
    EXPECT_EQ(StateOf(101), TBSTATE_ENABLED);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Send(TB_GETHOTITEM), 0) << "the button stays hot";
}

TEST_F(ToolbarTest, APressFollowsThePointerAndOnlyAReleaseOnThePressedButtonClicks) {
    struct Case {
        const char* name;
        std::vector<POINT> path;  // where the pointer goes between press and release
        std::vector<Expect> onPath;
        bool clicked;
        int under;
    };
    MakeToolbar(TBSTYLE_FLAT);
    const POINT onFirst = Middle(0), onSecond = Middle(1), outside{200, 200};
    const Case cases[] = {
        {"away and back", {onSecond, onFirst},
         {Hot(101, 102, kMouse), Note(TBN_DRAGOUT, 101), Hot(102, 101, kMouse)}, true, 101},
        {"released on another button", {onSecond}, {Hot(101, 102, kMouse), Note(TBN_DRAGOUT, 101)}, false, 102},
        {"released outside the toolbar", {outside}, {Hot(101, 0, kLeaving), Note(TBN_DRAGOUT, 101)}, false, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Move(onFirst);
        Down(onFirst);
        heard.clear();
        for (POINT p : c.path) Move(p);
        EXPECT_TRUE(HeardExactly(c.onPath));
        EXPECT_EQ(StateOf(101), c.clicked ? TBSTATE_ENABLED | TBSTATE_PRESSED : TBSTATE_ENABLED)
            << "pressed only while the pointer is on it";
        heard.clear();
        Up(c.path.back());
        EXPECT_TRUE(HeardExactly(ReleaseHeard(101, c.clicked, c.under)));
        EXPECT_EQ(StateOf(101), TBSTATE_ENABLED);
    }
}

TEST_F(ToolbarTest, CheckButtonsToggleAndAGroupKeepsOneChecked) {
    struct Step {
        int index;
        int command;
        LRESULT stateAfter;
        int other;
        LRESULT otherAfter;
    };
    const Step steps[] = {
        {1, 102, TBSTATE_ENABLED | TBSTATE_CHECKED, 101, TBSTATE_ENABLED},
        {1, 102, TBSTATE_ENABLED, 101, TBSTATE_ENABLED},
        {3, 103, TBSTATE_ENABLED | TBSTATE_CHECKED, 104, TBSTATE_ENABLED},
        {3, 103, TBSTATE_ENABLED | TBSTATE_CHECKED, 104, TBSTATE_ENABLED},
        {4, 104, TBSTATE_ENABLED | TBSTATE_CHECKED, 103, TBSTATE_ENABLED},
    };
    MakeToolbar(0);
    for (const Step& s : steps) {
        SCOPED_TRACE(s.command);
        Down(Middle(s.index));
        EXPECT_TRUE(StateOf(s.command) & TBSTATE_PRESSED);
        heard.clear();
        Up(Middle(s.index));
        EXPECT_EQ(StateOf(s.command), s.stateAfter);
        EXPECT_EQ(StateOf(s.other), s.otherAfter);
        EXPECT_EQ(std::count_if(heard.begin(), heard.end(), [](const Heard& h) { return h.message == WM_COMMAND; }), 1)
            << "every click is a command, a checked group member's too";
    }
}

TEST_F(ToolbarTest, PressesBesideTheButtonsOrOnADisabledOneAreOnlyTold) {
    MakeToolbar(TBSTYLE_FLAT);
    const struct {
        POINT at;
        int named;
    } cases[] = {{Middle(2), -1}, {POINT{300, 10}, -1}, {Middle(6), 106}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.at.x);
        heard.clear();
        Down(c.at);
        EXPECT_EQ(GetCapture(), nullptr);
        Up(c.at);
        EXPECT_TRUE(HeardExactly({Note(NM_LDOWN, c.named, false), Note(NM_CLICK, c.named, false)}));
    }
    EXPECT_EQ(StateOf(106), 0) << "a disabled button is never pressed";
}

TEST_F(ToolbarTest, DropDownButtonsAskTheParentAndArePressedOnlyWhenItSaysSo) {
    struct Case {
        const char* name;
        DWORD extended;
        int index;
        int fromRight;  // where the press lands: this far left of the button's right edge
        LRESULT answer;
        std::vector<Expect> onPress;
        bool pressed;
    };
    const std::vector<Expect> dropped{Hot(0, 105, kPressHot), Note(TBN_DROPDOWN, 105, false)};
    const std::vector<Expect> droppedAndPressed{Hot(0, 105, kPressHot), Note(TBN_DROPDOWN, 105, false),
                                                Note(TBN_BEGINDRAG, 105, true), Note(NM_LDOWN, 105, true)};
    const Case cases[] = {
        {"handled", 0, 5, 10, TBDDRET_DEFAULT, dropped, false},
        {"not handled", 0, 5, 10, TBDDRET_NODEFAULT, dropped, false},
        {"treated as pressed", 0, 5, 10, TBDDRET_TREATPRESSED, droppedAndPressed, true},
        {"arrows drawn: the button's own part", TBSTYLE_EX_DRAWDDARROWS, 5, 12,
         TBDDRET_DEFAULT, {Hot(0, 105, kPressHot), Note(TBN_BEGINDRAG, 105, true), Note(NM_LDOWN, 105, true)}, true},
        {"arrows drawn: the arrow", TBSTYLE_EX_DRAWDDARROWS, 5, 11, TBDDRET_DEFAULT, dropped, false},
        {"arrows drawn: the arrow, treated as pressed", TBSTYLE_EX_DRAWDDARROWS, 5, 1, TBDDRET_TREATPRESSED,
         droppedAndPressed, true},
        {"a whole drop-down button", 0, 7, 20, TBDDRET_DEFAULT, {Hot(0, 107, kPressHot), Note(TBN_DROPDOWN, 107, false)},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MakeToolbar(0);
        Send(TB_SETEXTENDEDSTYLE, 0, static_cast<LPARAM>(c.extended));
        answers.dropDown = c.answer;
        const RECT r = ItemRect(c.index);
        const POINT at{r.right - c.fromRight, 10};
        Down(at);
        EXPECT_TRUE(HeardExactly(c.onPress));
        const int command = kButtons[c.index].idCommand;
        EXPECT_EQ((StateOf(command) & TBSTATE_PRESSED) != 0, c.pressed);
        heard.clear();
        Up(at);
        if (c.pressed) EXPECT_TRUE(HeardExactly(ReleaseHeard(command, true, command)));
        else EXPECT_TRUE(HeardExactly({Note(NM_CLICK, command, false)}));
        DestroyWindow(toolbar);
    }
}

TEST_F(ToolbarTest, AFlatToolbarTracksTheHotButtonUntilThePointerLeaves) {
    MakeToolbar(TBSTYLE_FLAT);
    Move(Middle(0));
    Move(Middle(1));
    Move(Middle(6));  // disabled: told, not kept
    MoveOnForm(300, 200);
    EXPECT_TRUE(HeardExactly({Hot(0, 101, kEntering), Hot(101, 102, kMouse), Hot(102, 106, kMouse)}));
    EXPECT_EQ(Send(TB_GETHOTITEM), -1);
    heard.clear();
    Move(Middle(0));
    MoveOnForm(300, 200);
    EXPECT_TRUE(HeardExactly({Hot(0, 101, kEntering), Hot(101, 0, kLeaving)}));
    EXPECT_EQ(Send(TB_GETHOTITEM), -1);
}

TEST_F(ToolbarTest, APlainToolbarMakesButtonsHotOnlyWhileOneIsHeld) {
    MakeToolbar(0);
    Move(Middle(0));
    EXPECT_TRUE(heard.empty());
    EXPECT_EQ(Send(TB_GETHOTITEM), -1);
    Down(Middle(0));
    EXPECT_TRUE(HeardExactly({Hot(0, 101, kPressHot), Note(TBN_BEGINDRAG, 101), Note(NM_LDOWN, 101)}));
    heard.clear();
    Move(Middle(1));
    EXPECT_TRUE(HeardExactly({Note(TBN_DRAGOUT, 101), Hot(101, 102, HICF_MOUSE | HICF_LMOUSE)}))
        << "while held, the press is told first and the hot button carries the left button's flag";
    Up(Middle(1));
}

TEST_F(ToolbarTest, APressEndsWithoutACommandWhenItsCaptureOrItsButtonGoes) {
    MakeToolbar(0);
    Down(Middle(0));
    SetCapture(form_);
    EXPECT_EQ(StateOf(101), TBSTATE_ENABLED);
    ReleaseCapture();
    heard.clear();
    Up(Middle(0));
    EXPECT_TRUE(HeardExactly({Note(NM_CLICK, 101)}));

    Down(Middle(0));
    heard.clear();
    EXPECT_TRUE(Send(TB_DELETEBUTTON, 0));
    EXPECT_EQ(GetCapture(), nullptr) << "the press went with its button";
    Up(Middle(0));
    EXPECT_TRUE(HeardExactly({Note(TBN_DELETINGBUTTON, 101), Note(NM_CLICK, 102)}));
}

TEST_F(ToolbarTest, AParentThatDestroysTheToolbarWhileToldEndsTheClickCleanly) {
    struct Case {
        int code;  // -1: WM_COMMAND
        int index;
        LRESULT dropDown;
    };
    const Case cases[] = {
        {static_cast<int>(TBN_HOTITEMCHANGE), 0, 0}, {static_cast<int>(TBN_BEGINDRAG), 0, 0},
        {static_cast<int>(NM_LDOWN), 0, 0},           {static_cast<int>(NM_RELEASEDCAPTURE), 0, 0},
        {static_cast<int>(TBN_ENDDRAG), 0, 0},        {-1, 0, 0},
        {static_cast<int>(NM_CLICK), 0, 0},           {static_cast<int>(TBN_DROPDOWN), 5, TBDDRET_TREATPRESSED},
        {static_cast<int>(TBN_DROPDOWN), 5, TBDDRET_DEFAULT},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        MakeToolbar(TBSTYLE_FLAT | TBSTYLE_TOOLTIPS);
        answers.destroyOnCode = c.code;
        answers.dropDown = c.dropDown;
        const POINT at = Middle(c.index);
        Move(at);
        Down(at);
        Up(at);
        EXPECT_FALSE(IsWindow(toolbar));
        EXPECT_EQ(GetCapture(), nullptr);
    }
    answers.destroyOnCode = 0;
}

TEST_F(ToolbarTest, AParentThatDestroysTheToolbarWhenAskedForATipOrToldOfADeletionIsSafe) {
    for (int code : {static_cast<int>(TBN_GETINFOTIPW), static_cast<int>(TTN_GETDISPINFOW)}) {
        SCOPED_TRACE(code);
        MakeToolbar(TBSTYLE_TOOLTIPS);
        answers.destroyOnCode = code;
        const POINT at = Middle(0);
        Backend().MouseMove(toolbar, at.x, at.y);
        Backend().RunFor(800);
        EXPECT_FALSE(IsWindow(toolbar));
    }
    MakeToolbar(0);
    answers.destroyOnCode = static_cast<int>(TBN_DELETINGBUTTON);
    EXPECT_FALSE(Send(TB_DELETEBUTTON, 0));
    EXPECT_FALSE(IsWindow(toolbar));
    answers.destroyOnCode = 0;
}

}  // namespace
