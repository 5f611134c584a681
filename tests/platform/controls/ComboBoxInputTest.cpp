// A person using a combo box: opening and closing its list every way, choosing with the mouse
// and the keys, typing, and the focus coming and going. Each table row is what the real platform
// (Wine) told the parent, with the box's state at each notice and after, for the same moves; rows
// differ from it only where a comment says why.
#include <functional>

#include "ComboBoxFixture.h"

namespace combotest {
namespace {

using Lines = std::vector<std::string>;

// A window the mouse can land on beside the box; it logs what it hears.
LRESULT CALLBACK TargetProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Log().Add({hwnd, message, wParam, lParam});
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

class ComboInputTest : public ComboBoxTest {
protected:
    void SetUp() override {
        ComboBoxTest::SetUp();
        RegisterProcClass(L"Target", TargetProc);
        target_ = CreateWindowExW(0, L"Target", L"", WS_CHILD | WS_VISIBLE, 300, 300, 100, 100, panel_,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(9)), nullptr, nullptr);
    }

    // A box of `kind` with 20 items and `selected` chosen, the focus on it (or elsewhere), the
    // pointer away from it and nothing told yet.
    HWND Fresh(DWORD kind, int selected, bool focused = true) {
        HWND combo = Combo(kind, 20);
        Reset(combo, selected, focused);
        return combo;
    }
    void Reset(HWND combo, int selected, bool focused = true) {
        SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
        SetFocus(focused ? combo : target_);
        SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
        MoveTo({500, 500});
        Backend().AdvanceClock(1000);
        Settle();
    }

    static bool IsList(DWORD kind) { return kind == CBS_DROPDOWNLIST; }
    static POINT Opener(DWORD kind) { return IsList(kind) ? kOnField : kOnArrow; }
    static POINT Item(int row) { return {60, ItemY(row)}; }

    void MoveTo(POINT p) {
        Backend().MouseMove(panel_, p.x, p.y);
        Backend().PumpUntilIdle();
    }
    void Down(POINT p) {
        Backend().MouseDown(panel_, p.x, p.y);
        Backend().PumpUntilIdle();
    }
    void Up(POINT p) {
        Backend().MouseUp(panel_, p.x, p.y);
        Backend().PumpUntilIdle();
    }
    // A click long enough after the last not to make a double click.
    void ClickAt(POINT p) {
        MoveTo(p);
        Down(p);
        Up(p);
        Backend().AdvanceClock(1000);
    }
    void Press(UINT vk) {
        Backend().PressKey(vk);
        Backend().PumpUntilIdle();
    }
    void PressWithAlt(UINT vk) {
        Backend().KeyDown(VK_MENU);
        Backend().PressKey(vk);
        Backend().KeyUp(VK_MENU);
        Backend().PumpUntilIdle();
    }
    // Keys as a dialog's loop hands them out, through the dialog manager.
    void PressInDialog(UINT vk, bool shift = false) {
        if (shift) Backend().KeyDown(VK_SHIFT);
        Backend().PressKey(vk);
        if (shift) Backend().KeyUp(VK_SHIFT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            if (!IsDialogMessageW(panel_, &msg)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
    }
    std::string Focus(HWND combo) const { return NameOf(GetFocus(), combo); }
    // How the focus is named in the probes' state lines for each kind.
    static std::string FocusName(DWORD kind) { return IsList(kind) ? "combo" : "edit"; }

    HWND target_ = nullptr;
};

// ---- Opening with the mouse, choosing, cancelling ----

TEST_F(ComboInputTest, AClickOpensTheListAfterTakingTheFocusAndTheListTakesTheCaptureWhenTheButtonComesUp) {
    for (DWORD kind : {CBS_DROPDOWNLIST, CBS_DROPDOWN}) {
        SCOPED_TRACE(kind);
        HWND combo = Fresh(kind, 1, false);
        Down(Opener(kind));
        EXPECT_EQ(Told(), (Lines{"SETFOCUS sel=1 drop=0", "DROPDOWN sel=1 drop=0"}));
        // While the button is down the box holds the capture and its arrow reads as pressed.
        EXPECT_EQ(GetCapture(), combo);
        EXPECT_EQ(InfoOf(combo).stateButton, static_cast<DWORD>(STATE_SYSTEM_PRESSED));
        Up(Opener(kind));
        EXPECT_TRUE(Told().empty());
        EXPECT_EQ(StateOf(combo), "sel=1 drop=1 text='item01' focus=" + FocusName(kind) + " capture=list");
        EXPECT_EQ(InfoOf(combo).stateButton, 0u);
        DestroyWindow(combo);
    }
}

TEST_F(ComboInputTest, APressOnAnEditsFieldIsTheEdits) {
    HWND combo = Fresh(CBS_DROPDOWN, 1);
    ClickAt(kOnField);
    EXPECT_TRUE(Told().empty());
    EXPECT_EQ(StateOf(combo), "sel=1 drop=0 text='item01' focus=edit capture=none");
}

// The list opens with the selection at its top, so the fourth row shows the fifth item.
TEST_F(ComboInputTest, ThePointerMovesTheSelectionQuietlyAndAClickChoosesAndCloses) {
    for (DWORD kind : {CBS_DROPDOWNLIST, CBS_DROPDOWN}) {
        SCOPED_TRACE(kind);
        HWND combo = Fresh(kind, 1);
        const std::string focus = " focus=" + FocusName(kind);
        ClickAt(Opener(kind));
        EXPECT_EQ(Told(), Lines{"DROPDOWN sel=1 drop=0"});
        MoveTo(Item(4));
        EXPECT_EQ(StateOf(combo), std::string("sel=5 drop=1 text='") + (IsList(kind) ? "item05" : "item01") + "'" +
                                      focus + " capture=list");
        MoveTo(Item(5));
        EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 6);
        EXPECT_TRUE(Told().empty());
        ClickAt(Item(4));
        EXPECT_EQ(Told(), (Lines{"SELENDOK sel=5 drop=1", "CLOSEUP sel=5 drop=0", "SELCHANGE sel=5 drop=0"}));
        EXPECT_EQ(StateOf(combo), "sel=5 drop=0 text='item05'" + focus + " capture=none");
        // The item already chosen, chosen again, tells the same.
        ClickAt(Opener(kind));
        ClickAt(Item(0));
        EXPECT_EQ(Told(), (Lines{"DROPDOWN sel=5 drop=0", "SELENDOK sel=5 drop=1", "CLOSEUP sel=5 drop=0",
                                 "SELCHANGE sel=5 drop=0"}));
        DestroyWindow(combo);
    }
}

// Enter and Escape close the list and keep what the pointer selected: Escape puts nothing
// back, and an edit is not given the item's text (the platform's, whatever its documentation
// suggests of a cancel).
TEST_F(ComboInputTest, EnterAndEscapeCloseTheListKeepingWhatThePointerSelected) {
    struct Row {
        UINT key;
        Lines told;
    };
    const Row rows[] = {{VK_ESCAPE, {"SELENDCANCEL sel=4 drop=1", "CLOSEUP sel=4 drop=0"}},
                        {VK_RETURN, {"SELENDOK sel=4 drop=1", "CLOSEUP sel=4 drop=0"}}};
    for (DWORD kind : {CBS_DROPDOWNLIST, CBS_DROPDOWN}) {
        HWND combo = Combo(kind, 20);
        for (const Row& row : rows) {
            SCOPED_TRACE(testing::Message() << "style " << kind << ", key " << row.key);
            Reset(combo, 1);
            ClickAt(Opener(kind));
            MoveTo(Item(3));
            Told();
            Press(row.key);
            EXPECT_EQ(Told(), row.told);
            EXPECT_EQ(StateOf(combo), std::string("sel=4 drop=0 text='") + (IsList(kind) ? "item04" : "item01") +
                                          "' focus=" + FocusName(kind) + " capture=none");
        }
        DestroyWindow(combo);
    }
}

// The click is spent on closing the list: the window under it hears only the button come up.
TEST_F(ComboInputTest, AClickOutsideCancelsPutsTheSelectionBackAndIsNotPassedOn) {
    for (DWORD kind : {CBS_DROPDOWNLIST, CBS_DROPDOWN}) {
        SCOPED_TRACE(kind);
        HWND combo = Fresh(kind, 1);
        ClickAt(Opener(kind));
        MoveTo(Item(3));
        Told();
        Log().Clear();
        ClickAt({350, 350});
        EXPECT_EQ(Told(), (Lines{"SELENDCANCEL sel=1 drop=1", "CLOSEUP sel=1 drop=0"}));
        EXPECT_EQ(Log().Count(WM_LBUTTONDOWN, target_), 0);
        EXPECT_EQ(Log().Count(WM_LBUTTONUP, target_), 1);
        EXPECT_EQ(StateOf(combo), "sel=1 drop=0 text='item01' focus=" + FocusName(kind) + " capture=none");
        // A click on the box itself while the list is open is outside the list too.
        ClickAt(Opener(kind));
        Told();
        ClickAt(Opener(kind));
        EXPECT_EQ(Told(), (Lines{"SELENDCANCEL sel=1 drop=1", "CLOSEUP sel=1 drop=0"}));
        // So is a double click's second press.
        MoveTo(Opener(kind));
        Down(Opener(kind));
        Up(Opener(kind));
        Down(Opener(kind));
        Up(Opener(kind));
        EXPECT_EQ(Told(), (Lines{"DROPDOWN sel=1 drop=0", "SELENDCANCEL sel=1 drop=1", "CLOSEUP sel=1 drop=0"}));
        DestroyWindow(combo);
    }
}

// The list itself tells its box LBN_SELCANCEL for a click outside it.
WNDPROC comboProc = nullptr;
LRESULT CALLBACK ComboSpy(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) Log().Add({hwnd, message, wParam, lParam});
    return CallWindowProcW(comboProc, hwnd, message, wParam, lParam);
}

TEST_F(ComboInputTest, TheListTellsItsBoxAndNotItsOwnerWhatHappened) {
    HWND combo = Fresh(CBS_DROPDOWNLIST, 1);
    HWND list = ListOf(combo);
    comboProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(combo, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ComboSpy)));
    auto heardByBox = [&] {
        std::vector<LoggedMessage> heard;
        for (const LoggedMessage& m : Log().Messages())
            if (m.message == WM_COMMAND && (m.hwnd == combo || m.lParam == reinterpret_cast<LPARAM>(list))) heard.push_back(m);
        return heard;
    };
    ClickAt(kOnField);
    Log().Clear();
    ClickAt({600, 600});
    EXPECT_TRUE(SequenceIs(heardByBox(), {{WM_COMMAND, combo, MAKEWPARAM(0, LBN_SELCANCEL), reinterpret_cast<LPARAM>(list)}}));
    ClickAt(kOnField);
    Log().Clear();
    ClickAt(Item(2));
    EXPECT_TRUE(SequenceIs(heardByBox(), {{WM_COMMAND, combo, MAKEWPARAM(0, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list)}}));
}

// ---- Pressing and dragging ----

TEST_F(ComboInputTest, APressDraggedIntoTheListChoosesWhereTheButtonComesUp) {
    struct Row {
        const char* name;
        std::vector<POINT> path;  // where the pointer goes while the button is down
        bool entersList;
        POINT release;
        Lines told;
        int selected;
        bool open;
    };
    const std::vector<Row> rows{
        {"onto an item", {Item(1), Item(2)}, true, Item(2),
         {"DROPDOWN sel=5 drop=0", "SELENDOK sel=7 drop=1", "CLOSEUP sel=7 drop=0", "SELCHANGE sel=7 drop=0"}, 7, false},
        {"nowhere", {}, false, kOnField, {"DROPDOWN sel=5 drop=0"}, 5, true},
        // Released outside after passing over items, the list chooses what it opened with.
        {"in and out", {Item(2), Item(3), {600, 600}}, true, {600, 600},
         {"DROPDOWN sel=5 drop=0", "SELENDOK sel=5 drop=1", "CLOSEUP sel=5 drop=0", "SELCHANGE sel=5 drop=0"}, 5, false},
        {"out without the list", {{600, 600}}, false, {600, 600}, {"DROPDOWN sel=5 drop=0"}, 5, true},
    };
    for (DWORD kind : {CBS_DROPDOWNLIST, CBS_DROPDOWN}) {
        HWND combo = Combo(kind, 20);
        for (const Row& row : rows) {
            SCOPED_TRACE(testing::Message() << "style " << kind << ", " << row.name);
            Reset(combo, 5);
            const POINT start = kind == CBS_DROPDOWNLIST ? kOnField : kOnArrow;
            MoveTo(start);
            Down(start);
            for (POINT p : row.path) MoveTo(p);
            // The press passes to the list once the pointer is over it; until then it is the box's.
            EXPECT_EQ(GetCapture(), row.entersList ? ListOf(combo) : combo);
            Up(row.release);
            EXPECT_EQ(Told(), row.told);
            EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), row.selected);
            EXPECT_EQ(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0), row.open ? TRUE : FALSE);
            EXPECT_EQ(GetCapture(), row.open ? ListOf(combo) : nullptr);
            // An open list then closes on a click outside.
            Backend().AdvanceClock(1000);
            if (row.open) {
                ClickAt({600, 600});
                EXPECT_EQ(Told(), (Lines{"SELENDCANCEL sel=5 drop=1", "CLOSEUP sel=5 drop=0"}));
            }
        }
        DestroyWindow(combo);
    }
}

// ---- Keys ----

struct KeyStep {
    UINT key;
    bool alt;
    Lines told;
};

TEST_F(ComboInputTest, AltArrowsAndF4OpenAndCloseTheListAndArrowsInItMoveTheSelection) {
    const std::vector<std::vector<KeyStep>> sequences{
        {{VK_DOWN, true, {"DROPDOWN sel=1 drop=0"}},
         {VK_DOWN, false, {"SELCHANGE sel=2 drop=1"}},
         {VK_UP, true, {"SELENDCANCEL sel=2 drop=1", "CLOSEUP sel=2 drop=0"}}},
        {{VK_DOWN, true, {"DROPDOWN sel=1 drop=0"}},
         {VK_DOWN, false, {"SELCHANGE sel=2 drop=1"}},
         {VK_DOWN, true, {"SELENDCANCEL sel=2 drop=1", "CLOSEUP sel=2 drop=0"}}},
        {{VK_F4, false, {"DROPDOWN sel=1 drop=0"}},
         {VK_DOWN, false, {"SELCHANGE sel=2 drop=1"}},
         {VK_DOWN, false, {"SELCHANGE sel=3 drop=1"}},
         {VK_F4, false, {"SELENDCANCEL sel=3 drop=1", "CLOSEUP sel=3 drop=0"}}},
        {{VK_F4, false, {"DROPDOWN sel=1 drop=0"}},
         {VK_DOWN, false, {"SELCHANGE sel=2 drop=1"}},
         {VK_ESCAPE, false, {"SELENDCANCEL sel=2 drop=1", "CLOSEUP sel=2 drop=0"}}},
        {{VK_F4, false, {"DROPDOWN sel=1 drop=0"}},
         {VK_DOWN, false, {"SELCHANGE sel=2 drop=1"}},
         {VK_RETURN, false, {"SELENDOK sel=2 drop=1", "CLOSEUP sel=2 drop=0"}}},
    };
    for (DWORD kind : {CBS_DROPDOWNLIST, CBS_DROPDOWN}) {
        HWND combo = Combo(kind, 20);
        for (std::size_t s = 0; s < sequences.size(); ++s) {
            Reset(combo, 1);
            for (std::size_t i = 0; i < sequences[s].size(); ++i) {
                const KeyStep& step = sequences[s][i];
                SCOPED_TRACE(testing::Message() << "style " << kind << ", sequence " << s << ", step " << i);
                if (step.alt) PressWithAlt(step.key);
                else Press(step.key);
                EXPECT_EQ(Told(), step.told);
            }
            // A key in the open list gave the edit its item; the list closed, the focus stayed.
            EXPECT_EQ(StateOf(combo), "sel=" + std::to_string(SendMessageW(combo, CB_GETCURSEL, 0, 0)) + " drop=0 text='item0" +
                                          std::to_string(SendMessageW(combo, CB_GETCURSEL, 0, 0)) + "' focus=" +
                                          FocusName(kind) + " capture=none");
        }
        DestroyWindow(combo);
    }
}

// A closed drop-down list takes every moving key as a choice, told at once; an edit keeps
// Home, End, Left and Right for its text and hands the list Up, Down, Page Up and Page Down.
TEST_F(ComboInputTest, MovingKeysOnAClosedBoxChooseAtOnce) {
    struct Row {
        UINT key;
        int from;
        int list;  // the drop-down list's choice
        int edit;  // the edit's, -2 where the edit keeps the key
    };
    const Row rows[] = {
        {VK_DOWN, 5, 6, 6},   {VK_UP, 5, 4, 4},     {VK_HOME, 5, 0, -2},  {VK_END, 5, 19, -2},
        {VK_PRIOR, 5, 0, 0},  {VK_NEXT, 5, 11, 11}, {VK_LEFT, 5, 4, -2},  {VK_RIGHT, 5, 6, -2},
        {VK_DOWN, 19, 19, 19}, {VK_UP, 0, 0, 0},
        // With nothing selected the caret's item is chosen first.
        {VK_DOWN, -1, 5, 5},  {VK_UP, -1, 5, 5},
    };
    for (DWORD kind : {CBS_DROPDOWNLIST, CBS_DROPDOWN}) {
        HWND combo = Combo(kind, 20);
        for (const Row& row : rows) {
            SCOPED_TRACE(testing::Message() << "style " << kind << ", key " << row.key << " from " << row.from);
            Reset(combo, 5);
            SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(row.from), 0);
            Told();
            Press(row.key);
            const int chosen = IsList(kind) ? row.list : row.edit;
            const std::string n = std::to_string(chosen);
            const Lines told = chosen == -2 ? Lines{} : Lines{"SELENDOK sel=" + n + " drop=0", "SELCHANGE sel=" + n + " drop=0"};
            EXPECT_EQ(Told(), told);
            EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), chosen == -2 ? row.from : chosen);
        }
        DestroyWindow(combo);
    }
}

TEST_F(ComboInputTest, TheWheelIsAnArrowKeyEachTurn) {
    for (DWORD kind : {CBS_DROPDOWNLIST, CBS_DROPDOWN}) {
        HWND combo = Fresh(kind, 5);
        SendMessageW(combo, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
        EXPECT_EQ(Told(), (Lines{"SELENDOK sel=6 drop=0", "SELCHANGE sel=6 drop=0"}));
        SendMessageW(combo, WM_MOUSEWHEEL, MAKEWPARAM(0, 3 * WHEEL_DELTA), 0);
        EXPECT_EQ(Told(), (Lines{"SELENDOK sel=5 drop=0", "SELCHANGE sel=5 drop=0"}));
        SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
        Told();
        SendMessageW(combo, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
        EXPECT_EQ(Told(), Lines{"SELCHANGE sel=6 drop=1"});
        DestroyWindow(combo);
    }
}

// With the extended interface Up and Down open a closed list and F4 does nothing.
TEST_F(ComboInputTest, TheExtendedInterfaceOpensWithTheArrowsInsteadOfF4) {
    for (DWORD kind : {CBS_DROPDOWNLIST, CBS_DROPDOWN}) {
        for (UINT key : {VK_DOWN, VK_UP}) {
            HWND combo = Fresh(kind, 5);
            SendMessageW(combo, CB_SETEXTENDEDUI, TRUE, 0);
            Press(key);
            EXPECT_EQ(Told(), Lines{"DROPDOWN sel=5 drop=0"});
            Press(VK_F4);
            EXPECT_TRUE(Told().empty());
            EXPECT_EQ(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0), TRUE);
            Press(VK_DOWN);
            EXPECT_EQ(Told(), Lines{"SELCHANGE sel=6 drop=1"});
            SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
            Told();
            Press(VK_F4);
            EXPECT_TRUE(Told().empty());
            PressWithAlt(VK_DOWN);
            EXPECT_EQ(Told(), Lines{"DROPDOWN sel=6 drop=0"});
            DestroyWindow(combo);
        }
    }
}

TEST_F(ComboInputTest, InAnOpenListADropDownListsKeysMoveTheSelectionAndAnEditKeepsItsOwn) {
    for (DWORD kind : {CBS_DROPDOWNLIST, CBS_DROPDOWN}) {
        HWND combo = Fresh(kind, 5);
        Press(VK_F4);
        EXPECT_EQ(Told(), Lines{"DROPDOWN sel=5 drop=0"});
        Press(VK_DOWN);
        EXPECT_EQ(Told(), Lines{"SELCHANGE sel=6 drop=1"});
        Press(VK_END);
        EXPECT_EQ(Told(), IsList(kind) ? Lines{"SELCHANGE sel=19 drop=1"} : Lines{});
        Press(VK_RETURN);
        const std::string last = IsList(kind) ? "19" : "6";
        EXPECT_EQ(Told(), (Lines{"SELENDOK sel=" + last + " drop=1", "CLOSEUP sel=" + last + " drop=0"}));
        DestroyWindow(combo);
    }
}

TEST_F(ComboInputTest, ALetterChoosesTheNextItemItBeginsAndSpaceTheCaretsItem) {
    HWND combo = Fresh(CBS_DROPDOWNLIST, 5);
    SendMessageW(combo, CB_INSERTSTRING, 10, reinterpret_cast<LPARAM>(L"beta"));
    SendMessageW(combo, CB_INSERTSTRING, 12, reinterpret_cast<LPARAM>(L"bravo"));
    struct Row {
        UINT key;
        Lines told;
        const char* text;
    };
    const Row rows[] = {
        {'B', {"SELENDOK sel=10 drop=0", "SELCHANGE sel=10 drop=0"}, "beta"},
        {'B', {"SELENDOK sel=12 drop=0", "SELCHANGE sel=12 drop=0"}, "bravo"},
        {'I', {"SELENDOK sel=13 drop=0", "SELCHANGE sel=13 drop=0"}, "item11"},
        {'Z', {}, "item11"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        Press(row.key);
        EXPECT_EQ(Told(), row.told);
        EXPECT_EQ(Narrow(TextOf(combo)), row.text);
    }
    // Space chooses the caret's item when nothing is chosen, and in an open list tells nothing.
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    Told();
    Press(VK_SPACE);
    EXPECT_EQ(Told(), (Lines{"SELENDOK sel=0 drop=0", "SELCHANGE sel=0 drop=0"}));
    Press(VK_F4);
    Told();
    Press(VK_SPACE);
    EXPECT_TRUE(Told().empty());
}

// An edit's field takes the chosen item's text only after the parent has heard CBN_SELCHANGE, so
// the parent reads the old text there; a drop-down list's field is its selection at once.
TEST_F(ComboInputTest, AnEditTakesTheChosenTextAfterTheParentHearsOfTheChange) {
    WithText() = true;
    HWND list = Fresh(CBS_DROPDOWNLIST, 1);
    Press(VK_DOWN);
    EXPECT_EQ(Told(), (Lines{"SELENDOK sel=2 drop=0 text=item02", "SELCHANGE sel=2 drop=0 text=item02"}));
    DestroyWindow(list);
    HWND edit = Fresh(CBS_DROPDOWN, 1);
    Press(VK_DOWN);
    EXPECT_EQ(Told(), (Lines{"SELENDOK sel=2 drop=0 text=item01", "SELCHANGE sel=2 drop=0 text=item01"}));
    EXPECT_EQ(TextOf(edit), L"item02");
    Press(VK_F4);
    Press(VK_DOWN);
    Press(VK_RETURN);
    EXPECT_EQ(Told(), (Lines{"DROPDOWN sel=2 drop=0 text=item02", "SELCHANGE sel=3 drop=1 text=item02",
                             "SELENDOK sel=3 drop=1 text=item03", "CLOSEUP sel=3 drop=0 text=item03"}));
    // The chosen text is selected whole while the box has the focus.
    EXPECT_EQ(SendMessageW(edit, CB_GETEDITSEL, 0, 0), MAKELONG(0, 6));
}

// ---- Typing into an edit ----

TEST_F(ComboInputTest, TypingTellsEditUpdateThenEditChangeAndTheListFollowsTheText) {
    HWND combo = Fresh(CBS_DROPDOWN, 5);
    struct Row {
        std::function<void()> act;
        Lines told;
        const char* text;
    };
    const std::vector<Row> rows{
        // The whole text was selected by the first focus; typing replaces it.
        {[&] { Press('B'); }, {"EDITUPDATE sel=5 drop=0", "EDITCHANGE sel=-1 drop=0"}, "b"},
        {[&] { Press('B'); }, {"EDITUPDATE sel=-1 drop=0", "EDITCHANGE sel=-1 drop=0"}, "bb"},
        {[&] { Press(VK_BACK); }, {"EDITUPDATE sel=-1 drop=0", "EDITCHANGE sel=-1 drop=0"}, "b"},
        // The box's own changes are not told.
        {[&] { SetWindowTextW(combo, L"item1"); }, {}, "item1"},
        {[&] { SendMessageW(combo, CB_SETCURSEL, 2, 0); }, {}, "item02"},
        // In an open list the item the text begins is selected.
        {[&] { Press(VK_F4); }, {"DROPDOWN sel=2 drop=0"}, "item02"},
        {[&] { Press('X'); }, {"EDITUPDATE sel=2 drop=1", "EDITCHANGE sel=-1 drop=1"}, "x"},
        {[&] { Press(VK_BACK); Press('I'); Press('T'); Press('E'); Press('M'); Press('1'); },
         {"EDITUPDATE sel=-1 drop=1", "EDITCHANGE sel=-1 drop=1", "EDITUPDATE sel=-1 drop=1", "EDITCHANGE sel=0 drop=1",
          "EDITUPDATE sel=0 drop=1", "EDITCHANGE sel=0 drop=1", "EDITUPDATE sel=0 drop=1", "EDITCHANGE sel=0 drop=1",
          "EDITUPDATE sel=0 drop=1", "EDITCHANGE sel=0 drop=1", "EDITUPDATE sel=0 drop=1", "EDITCHANGE sel=10 drop=1"},
         "item1"},
        // Closing keeps the edit's text; nothing chose the item.
        {[&] { Press(VK_ESCAPE); }, {"SELENDCANCEL sel=10 drop=1", "CLOSEUP sel=10 drop=0"}, "item1"},
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        rows[i].act();
        EXPECT_EQ(Told(), rows[i].told);
        EXPECT_EQ(Narrow(TextOf(combo)), rows[i].text);
    }
}

// The platform's edit also tells EDITUPDATE and EDITCHANGE for the refused character, a change
// that did not happen; ours refuses it silently.
TEST_F(ComboInputTest, TypingPastTheLimitTellsErrSpace) {
    HWND combo = Fresh(CBS_DROPDOWN, 0);
    SendMessageW(combo, CB_LIMITTEXT, 3, 0);
    for (UINT key : {'A', 'B', 'C'}) Press(key);
    Told();
    Press('D');
    EXPECT_EQ(Told(), Lines{"ERRSPACE sel=-1 drop=0"});
    EXPECT_EQ(TextOf(combo), L"abc");
    // The limit holds only what is typed.
    const LRESULT longer = SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"longer"));
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(longer), 0);
    EXPECT_EQ(TextOf(combo), L"longer");
}

// ---- The focus ----

TEST_F(ComboInputTest, LosingTheFocusCancelsAndClosesTheList) {
    struct Row {
        const char* name;
        std::function<void()> open;
        std::function<void()> leave;
        Lines told;
    };
    HWND other = nullptr;
    const std::vector<Row> rows{
        {"closed", [] {}, [&] { SetFocus(target_); }, {"SELENDCANCEL sel=5 drop=0", "KILLFOCUS sel=5 drop=0"}},
        {"opened by keys", [&] { Press(VK_F4); Press(VK_DOWN); }, [&] { SetFocus(target_); },
         {"SELENDCANCEL sel=6 drop=1", "CLOSEUP sel=6 drop=0", "KILLFOCUS sel=6 drop=0"}},
        {"opened by a click", [&] { ClickAt(kOnArrow); MoveTo(Item(3)); }, [&] { SetFocus(target_); },
         {"SELENDCANCEL sel=8 drop=1", "CLOSEUP sel=8 drop=0", "KILLFOCUS sel=8 drop=0"}},
        {"another window", [&] { Press(VK_F4); Press(VK_DOWN); },
         [&] {
             other = CreateWindowExW(0, L"Target", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 100, 200, 200, nullptr,
                                     nullptr, nullptr, nullptr);
             Backend().SwitchToWindow(other);
         },
         {"SELENDCANCEL sel=6 drop=1", "CLOSEUP sel=6 drop=0", "KILLFOCUS sel=6 drop=0"}},
        {"another program", [&] { Press(VK_F4); Press(VK_DOWN); }, [&] { Backend().SwitchToAnotherProgram(); },
         {"SELENDCANCEL sel=6 drop=1", "CLOSEUP sel=6 drop=0", "KILLFOCUS sel=6 drop=0"}},
    };
    for (DWORD kind : {CBS_DROPDOWNLIST, CBS_DROPDOWN}) {
        HWND combo = Combo(kind, 20);
        for (const Row& row : rows) {
            SCOPED_TRACE(testing::Message() << "style " << kind << ", " << row.name);
            Backend().SwitchToWindow(panel_);
            Reset(combo, 5);
            row.open();
            Told();
            row.leave();
            Backend().RunFor(200);
            EXPECT_EQ(Told(), row.told);
            EXPECT_FALSE(IsWindowVisible(ListOf(combo)));
            EXPECT_EQ(GetCapture(), nullptr);
            if (other) DestroyWindow(other);
            other = nullptr;
        }
        DestroyWindow(combo);
    }
}

TEST_F(ComboInputTest, AnEditBoxGivesItsFocusToItsEditWhoseTextTheFirstFocusSelects) {
    HWND combo = Fresh(CBS_DROPDOWN, 5, false);
    HWND edit = EditOf(combo);
    SetFocus(combo);
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(Told(), Lines{"SETFOCUS sel=5 drop=0"});
    EXPECT_EQ(SendMessageW(combo, CB_GETEDITSEL, 0, 0), MAKELONG(0, 6));
    // The parent hears of the box, never of its edit.
    EXPECT_EQ(Log().Count(WM_COMMAND, panel_), 1);
    // Later focus leaves the selection as it was.
    SendMessageW(combo, CB_SETEDITSEL, 0, MAKELPARAM(1, 1));
    SetFocus(target_);
    EXPECT_EQ(Told(), (Lines{"SELENDCANCEL sel=5 drop=0", "KILLFOCUS sel=5 drop=0"}));
    SetFocus(combo);
    EXPECT_EQ(SendMessageW(combo, CB_GETEDITSEL, 0, 0), MAKELONG(1, 1));
    EXPECT_EQ(Told(), Lines{"SETFOCUS sel=5 drop=0"});
}

TEST_F(ComboInputTest, TabMovesOnFromTheBoxThroughTheDialogManager) {
    for (DWORD kind : {CBS_DROPDOWNLIST, CBS_DROPDOWN}) {
        SCOPED_TRACE(kind);
        HWND before = CreateWindowExW(0, L"Button", L"b1", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 300, 10, 60, 20, panel_,
                                      nullptr, nullptr, nullptr);
        HWND combo = Fresh(kind, 5);
        HWND after = CreateWindowExW(0, L"Button", L"b2", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 300, 50, 60, 20, panel_,
                                     nullptr, nullptr, nullptr);
        SetFocus(combo);
        PressInDialog(VK_TAB);
        EXPECT_EQ(GetFocus(), after);
        SetFocus(combo);
        PressInDialog(VK_TAB, true);
        EXPECT_EQ(GetFocus(), before);
        SendMessageW(combo, CB_SETEDITSEL, 0, MAKELPARAM(1, 1));
        PressInDialog(VK_TAB);
        EXPECT_EQ(Focus(combo), FocusName(kind));
        // Entered from the keyboard, an edit has its whole text selected.
        if (!IsList(kind)) {
            EXPECT_EQ(SendMessageW(combo, CB_GETEDITSEL, 0, 0), MAKELONG(0, 6));
        }
        DestroyWindow(before);
        DestroyWindow(combo);
        DestroyWindow(after);
    }
}

// While the list is open Escape closes it and the dialog does not hear it; closed, the dialog does.
TEST_F(ComboInputTest, EscapeInADialogClosesAnOpenListInsteadOfTheDialog) {
    for (DWORD kind : {CBS_DROPDOWNLIST, CBS_DROPDOWN}) {
        HWND combo = Fresh(kind, 5);
        SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
        Told();
        Log().Clear();
        PressInDialog(VK_ESCAPE);
        EXPECT_EQ(Told(), (Lines{"SELENDCANCEL sel=5 drop=1", "CLOSEUP sel=5 drop=0"}));
        EXPECT_EQ(Log().Count(WM_COMMAND, panel_), 2);
        Log().Clear();
        PressInDialog(VK_ESCAPE);
        EXPECT_TRUE(Told().empty());
        EXPECT_TRUE(SequenceIs(Log().Without({}), {{WM_COMMAND, panel_, MAKEWPARAM(IDCANCEL, BN_CLICKED)}}));
        DestroyWindow(combo);
    }
}

TEST_F(ComboInputTest, ADisabledBoxDisablesItsPartsAndIgnoresTheMouse) {
    for (DWORD kind : {CBS_DROPDOWNLIST, CBS_DROPDOWN}) {
        HWND combo = Fresh(kind, 5, false);
        EnableWindow(combo, FALSE);
        EXPECT_FALSE(IsWindowEnabled(ListOf(combo)));
        if (HWND edit = EditOf(combo)) {
            EXPECT_FALSE(IsWindowEnabled(edit));
        }
        ClickAt(Opener(kind));
        EXPECT_TRUE(Told().empty());
        EXPECT_EQ(StateOf(combo), "sel=5 drop=0 text='item05' focus=other capture=none");
        EnableWindow(combo, TRUE);
        EXPECT_TRUE(IsWindowEnabled(ListOf(combo)));
        if (HWND edit = EditOf(combo)) {
            EXPECT_TRUE(IsWindowEnabled(edit));
        }
        DestroyWindow(combo);
    }
}

}  // namespace
}  // namespace combotest
