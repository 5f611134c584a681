// A person using a list box: what reaches the parent and in which order against the focus and
// the mouse messages, the moving keys, Space and letters in each kind of box, the mouse with
// Shift and Ctrl, dragging past an edge on the virtual clock. Rows are the platform's (Wine's)
// lines but where a comment says why ours differs.
#include <functional>
#include <vector>

#include "ListBoxFixture.h"

namespace listboxtest {
namespace {

WNDPROC originalProc = nullptr;

// Logs what the list box itself receives, so its messages and the panel's notices interleave.
LRESULT CALLBACK Spy(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Log().Add({hwnd, message, wParam, lParam});
    return CallWindowProcW(originalProc, hwnd, message, wParam, lParam);
}

void Watch(HWND box) {
    originalProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Spy)));
}

std::vector<LoggedMessage> Watched() {
    std::vector<LoggedMessage> kept;
    for (const LoggedMessage& m : Log().Messages())
        switch (m.message) {
        case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: case WM_SETFOCUS: case WM_KILLFOCUS:
        case WM_CAPTURECHANGED: case WM_COMMAND: kept.push_back(m); break;
        default: break;
        }
    return kept;
}

WPARAM Code(UINT code, int id = kId) { return MAKEWPARAM(id, code); }

constexpr int kX = 5;
int YOf(int item) { return item * kItemHeight + 2; }

class ListBoxInputTest : public ListBoxTest {
protected:
    // Every box here sits at (10, 10) on the panel.
    static POINT OnPanel(HWND, int item) { return {10 + kX, 10 + YOf(item)}; }
    // A click on an item with the modifiers held, long enough after the last not to be a
    // double click.
    void ClickItem(HWND box, int item, bool shift = false, bool control = false) {
        if (shift) Backend().KeyDown(VK_SHIFT);
        if (control) Backend().KeyDown(VK_CONTROL);
        const POINT p = OnPanel(box, item);
        Backend().Click(panel_, p.x, p.y);
        if (control) Backend().KeyUp(VK_CONTROL);
        if (shift) Backend().KeyUp(VK_SHIFT);
        Backend().PumpUntilIdle();
        Backend().AdvanceClock(1000);
    }
    void Press(UINT vk, bool shift = false, bool control = false) {
        if (shift) Backend().KeyDown(VK_SHIFT);
        if (control) Backend().KeyDown(VK_CONTROL);
        Backend().PressKey(vk);
        if (control) Backend().KeyUp(VK_CONTROL);
        if (shift) Backend().KeyUp(VK_SHIFT);
        Backend().PumpUntilIdle();
    }
};

// ---- Notices against the focus and the mouse ----

TEST_F(ListBoxInputTest, AClickTakesTheFocusThenSelectsAndTellsWhenTheButtonComesUp) {
    for (bool notify : {true, false}) {
        HWND box = Box(notify ? LBS_NOTIFY : 0, 96, 0, 20);
        Watch(box);
        Log().Clear();
        ClickItem(box, 2);
        std::vector<Expected> expected{
            {WM_LBUTTONDOWN, box}, {WM_KILLFOCUS, panel_}, {WM_SETFOCUS, box}, {WM_COMMAND, panel_, Code(LBN_SETFOCUS)},
            {WM_LBUTTONUP, box},   {WM_CAPTURECHANGED, box}};
        if (notify) expected.push_back({WM_COMMAND, panel_, Code(LBN_SELCHANGE), reinterpret_cast<LPARAM>(box)});
        EXPECT_TRUE(SequenceIs(Watched(), expected)) << (notify ? "LBS_NOTIFY" : "without LBS_NOTIFY");
        EXPECT_EQ(Dump(box).substr(0, 29), "cur=2 caret=2 anchor=2 top=0 ");
        EXPECT_EQ(GetCapture(), nullptr);
        // The same item again still tells, the selection unchanged.
        Log().Clear();
        ClickItem(box, 2);
        EXPECT_EQ(Notices(), notify ? std::vector<int>{LBN_SELCHANGE} : std::vector<int>{});
        SetFocus(panel_);
        DestroyWindow(box);
    }
}

TEST_F(ListBoxInputTest, ADoubleClickTellsLbnDblclkAndNoSecondSelChange) {
    HWND box = Box(LBS_NOTIFY, 96, 0, 5);
    Watch(box);
    const POINT p = OnPanel(box, 1);
    Backend().Click(panel_, p.x, p.y);
    Backend().PumpUntilIdle();
    Log().Clear();
    Backend().Click(panel_, p.x, p.y);
    Backend().PumpUntilIdle();
    EXPECT_TRUE(SequenceIs(Watched(), {{WM_LBUTTONDBLCLK, box}, {WM_COMMAND, panel_, Code(LBN_DBLCLK)}, {WM_LBUTTONUP, box}}));
    EXPECT_EQ(SendMessageW(box, LB_GETCURSEL, 0, 0), 1);
}

TEST_F(ListBoxInputTest, TheFocusNoticesGoWithoutLbsNotifyAndTheLoserTellsFirst) {
    HWND first = Box(0, 96, 0, 5);
    HWND second = CreateWindowExW(0, L"ListBox", L"", WS_CHILD | WS_VISIBLE, 200, 10, 100, 96, panel_,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(8)), nullptr, nullptr);
    SetFocus(first);
    Log().Clear();
    SetFocus(second);
    EXPECT_EQ(Notices(), (std::vector<int>{LBN_KILLFOCUS, LBN_SETFOCUS}));
    EXPECT_TRUE(SequenceIs(Watched(), {{WM_COMMAND, panel_, Code(LBN_KILLFOCUS)}, {WM_COMMAND, panel_, Code(LBN_SETFOCUS, 8)}}));
    // Nothing the program does to the selection tells the parent.
    Log().Clear();
    SendMessageW(second, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"x"));
    SendMessageW(second, LB_SETCURSEL, 0, 0);
    SendMessageW(second, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SendMessageW(second, LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"x"));
    EXPECT_TRUE(Notices().empty());
}

// ---- Keys ----

struct KeyRow {
    UINT vk;
    bool shift;
    bool control;
    const char* after;
    bool tells;  // LBN_SELCHANGE
};

void PressRows(ListBoxInputTest& test, HWND box, const std::vector<KeyRow>& rows,
               const std::function<void(UINT, bool, bool)>& press) {
    for (const KeyRow& r : rows) {
        SCOPED_TRACE(testing::Message() << "key 0x" << std::hex << r.vk << (r.shift ? " +Shift" : "")
                                        << (r.control ? " +Ctrl" : ""));
        Log().Clear();
        press(r.vk, r.shift, r.control);
        EXPECT_EQ(Dump(box), r.after);
        EXPECT_EQ(Log().Count(WM_COMMAND), r.tells ? 1 : 0);
    }
    (void)test;
}

TEST_F(ListBoxInputTest, TheMovingKeysInASingleSelectionBox) {
    HWND box = Box(LBS_NOTIFY, 96, 0, 20);
    SetFocus(box);
    SendMessageW(box, LB_SETCURSEL, 5, 0);
    SendMessageW(box, LB_SETTOPINDEX, 3, 0);
    const std::string z = "0000000000000000000";  // nineteen unselected
    auto sel = [&](int i) { return "sel=[" + z.substr(0, i) + "1" + z.substr(i) + "]"; };
    const std::vector<std::string> states{
        "cur=6 caret=6 anchor=6 top=3 " + sel(6),    "cur=5 caret=5 anchor=5 top=3 " + sel(5),
        "cur=10 caret=10 anchor=10 top=5 " + sel(10), "cur=15 caret=15 anchor=15 top=10 " + sel(15),
        "cur=19 caret=19 anchor=19 top=14 " + sel(19), "cur=14 caret=14 anchor=14 top=14 " + sel(14),
        "cur=19 caret=19 anchor=19 top=14 " + sel(19), "cur=0 caret=0 anchor=0 top=0 " + sel(0),
        "cur=1 caret=1 anchor=1 top=0 " + sel(1),    "cur=0 caret=0 anchor=0 top=0 " + sel(0)};
    PressRows(*this, box,
              {{VK_DOWN, false, false, states[0].c_str(), true}, {VK_UP, false, false, states[1].c_str(), true},
               {VK_NEXT, false, false, states[2].c_str(), true}, {VK_NEXT, false, false, states[3].c_str(), true},
               {VK_NEXT, false, false, states[4].c_str(), true}, {VK_PRIOR, false, false, states[5].c_str(), true},
               {VK_END, false, false, states[6].c_str(), true}, {VK_HOME, false, false, states[7].c_str(), true},
               {VK_UP, false, false, states[7].c_str(), true}, {VK_HOME, false, false, states[7].c_str(), true},
               {VK_RIGHT, false, false, states[8].c_str(), true}, {VK_LEFT, false, false, states[9].c_str(), true},
               {VK_SPACE, false, false, states[9].c_str(), false}, {VK_ESCAPE, false, false, states[9].c_str(), false},
               {VK_RETURN, false, false, states[9].c_str(), false}, {VK_DOWN, true, false, states[8].c_str(), true},
               {VK_UP, false, true, states[9].c_str(), true}},
              [&](UINT vk, bool shift, bool control) { Press(vk, shift, control); });
    // With nothing selected, a moving key selects the caret item where it is.
    SendMessageW(box, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SendMessageW(box, LB_SETCARETINDEX, 4, 0);
    SendMessageW(box, LB_SETTOPINDEX, 10, 0);
    Press(VK_UP);
    EXPECT_EQ(Dump(box), "cur=4 caret=4 anchor=4 top=4 " + sel(4));
    SendMessageW(box, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    Press(VK_SPACE);
    EXPECT_EQ(Dump(box), "cur=4 caret=4 anchor=4 top=4 " + sel(4));
}

TEST_F(ListBoxInputTest, ALetterJumpsToTheNextItemBeginningWithIt) {
    HWND box = Box(LBS_NOTIFY, 96);
    for (const wchar_t* text : {L"apple", L"banana", L"blueberry", L"cherry", L"Banana2", L"berry", L"date",
                                L"apricot", L"bb", L"zzz"})
        SendMessageW(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    SetFocus(box);
    struct Row {
        wchar_t typed;
        const char* after;
        bool tells;
    };
    const Row rows[] = {
        {L'b', "cur=1 caret=1 anchor=-1 top=0 sel=[0100000000]", true},
        {L'b', "cur=2 caret=2 anchor=-1 top=0 sel=[0010000000]", true},
        {L'b', "cur=4 caret=4 anchor=-1 top=0 sel=[0000100000]", true},
        {L'a', "cur=7 caret=7 anchor=-1 top=2 sel=[0000000100]", true},
        {L'A', "cur=0 caret=0 anchor=-1 top=0 sel=[1000000000]", true},
        {L'c', "cur=3 caret=3 anchor=-1 top=0 sel=[0001000000]", true},
        {L'z', "cur=9 caret=9 anchor=-1 top=4 sel=[0000000001]", true},
        {L'b', "cur=1 caret=1 anchor=-1 top=1 sel=[0100000000]", true},
        // One letter at a time: "bl" does not go on to "blueberry".
        {L'l', "cur=1 caret=1 anchor=-1 top=1 sel=[0100000000]", false},
        {L'q', "cur=1 caret=1 anchor=-1 top=1 sel=[0100000000]", false},
    };
    for (const Row& r : rows) {
        Log().Clear();
        Backend().TypeText(std::wstring(1, r.typed));
        Backend().PumpUntilIdle();
        EXPECT_EQ(Dump(box), r.after) << "typed " << static_cast<char>(r.typed);
        EXPECT_EQ(Log().Count(WM_COMMAND), r.tells ? 1 : 0);
    }
}

TEST_F(ListBoxInputTest, ShiftAndCtrlWithTheKeysInAnExtendedSelectionBox) {
    HWND box = Box(LBS_EXTENDEDSEL | LBS_NOTIFY, 96, 0, 20);
    SetFocus(box);
    SendMessageW(box, LB_SETSEL, TRUE, 3);
    SendMessageW(box, LB_SETCARETINDEX, 5, 0);
    SendMessageW(box, LB_SETANCHORINDEX, 5, 0);
    ASSERT_EQ(Dump(box), "cur=5 caret=5 anchor=5 top=0 sel=[00010000000000000000]");
    PressRows(*this, box,
              {// Wine ignores Ctrl here and selects item 6 alone; the platform moves the focus
               // rectangle without touching the selection, which is what Ctrl is for.
               {VK_DOWN, false, true, "cur=6 caret=6 anchor=5 top=1 sel=[00010000000000000000]", true},
               // Wine: as plain Space; the platform toggles the caret item.
               {VK_SPACE, false, true, "cur=6 caret=6 anchor=6 top=1 sel=[00010010000000000000]", true},
               {VK_DOWN, true, false, "cur=7 caret=7 anchor=6 top=2 sel=[00000011000000000000]", true},
               {VK_DOWN, true, false, "cur=8 caret=8 anchor=6 top=3 sel=[00000011100000000000]", true},
               {VK_SPACE, false, false, "cur=8 caret=8 anchor=8 top=3 sel=[00000000100000000000]", true},
               {VK_HOME, true, false, "cur=0 caret=0 anchor=8 top=0 sel=[11111111100000000000]", true},
               {VK_DOWN, false, false, "cur=1 caret=1 anchor=1 top=0 sel=[01000000000000000000]", true},
               {VK_F8, true, false, "cur=1 caret=1 anchor=1 top=0 sel=[01000000000000000000]", false},
               {VK_END, true, false, "cur=19 caret=19 anchor=1 top=14 sel=[01111111111111111111]", true},
               {VK_PRIOR, true, false, "cur=14 caret=14 anchor=1 top=14 sel=[01111111111111100000]", true},
               {VK_DOWN, true, true, "cur=15 caret=15 anchor=1 top=14 sel=[01111111111111110000]", true}},
              [&](UINT vk, bool shift, bool control) { Press(vk, shift, control); });
}

TEST_F(ListBoxInputTest, TheKeysInAMultipleSelectionBoxMoveOnlyTheCaretAndSpaceToggles) {
    HWND box = Box(LBS_MULTIPLESEL | LBS_NOTIFY, 96, 0, 20);
    SetFocus(box);
    SendMessageW(box, LB_SETSEL, TRUE, 3);
    SendMessageW(box, LB_SETCARETINDEX, 5, 0);
    SendMessageW(box, LB_SETANCHORINDEX, 5, 0);
    PressRows(*this, box,
              {{VK_DOWN, false, false, "cur=6 caret=6 anchor=5 top=1 sel=[00010000000000000000]", true},
               // Wine toggles without a notice here, though a click that toggles tells; ours
               // tells for both.
               {VK_SPACE, false, false, "cur=6 caret=6 anchor=5 top=1 sel=[00010010000000000000]", true},
               {VK_SPACE, false, false, "cur=6 caret=6 anchor=5 top=1 sel=[00010000000000000000]", true},
               {VK_DOWN, true, false, "cur=7 caret=7 anchor=5 top=2 sel=[00010000000000000000]", true},
               {VK_DOWN, false, true, "cur=8 caret=8 anchor=5 top=3 sel=[00010000000000000000]", true},
               {VK_END, true, false, "cur=19 caret=19 anchor=5 top=14 sel=[00010000000000000000]", true},
               {VK_HOME, false, false, "cur=0 caret=0 anchor=5 top=0 sel=[00010000000000000000]", true},
               {VK_NEXT, false, false, "cur=5 caret=5 anchor=5 top=0 sel=[00010000000000000000]", true}},
              [&](UINT vk, bool shift, bool control) { Press(vk, shift, control); });
}

TEST_F(ListBoxInputTest, TheParentSeesEachKeyFirstWithLbsWantKeyboardInput) {
    HWND box = Box(LBS_WANTKEYBOARDINPUT | LBS_NOTIFY, 96, 0, 20);
    SetFocus(box);
    Log().Clear();
    Press(VK_DOWN);
    ASSERT_EQ(Log().Count(WM_VKEYTOITEM, panel_), 1);
    for (const LoggedMessage& m : Log().Messages()) {
        if (m.message != WM_VKEYTOITEM) continue;
        EXPECT_EQ(m.wParam, MAKEWPARAM(VK_DOWN, 0)) << "the key and the caret";
    }
    EXPECT_EQ(Dump(box).substr(0, 13), "cur=0 caret=0") << "the key went on (the parent said -1)";
    KeyAnswer() = -2;
    Press(VK_DOWN);
    Backend().TypeText(L"i");
    Backend().PumpUntilIdle();
    EXPECT_EQ(Dump(box).substr(0, 13), "cur=0 caret=0") << "the parent took the keys";
    EXPECT_EQ(Log().Count(WM_CHARTOITEM, panel_), 1);
}

// ---- The mouse ----

TEST_F(ListBoxInputTest, ShiftAndCtrlClicksInAnExtendedSelectionBox) {
    HWND box = Box(LBS_EXTENDEDSEL | LBS_NOTIFY, 96, 0, 20);
    struct Row {
        int item;
        bool shift;
        bool control;
        const char* after;
    };
    const Row rows[] = {
        {2, false, false, "cur=2 caret=2 anchor=2 top=0 sel=[00100000000000000000]"},
        {5, true, false, "cur=5 caret=5 anchor=2 top=0 sel=[00111100000000000000]"},
        {1, false, true, "cur=1 caret=1 anchor=1 top=0 sel=[01111100000000000000]"},
        {1, false, true, "cur=1 caret=1 anchor=1 top=0 sel=[00111100000000000000]"},
        {3, false, true, "cur=3 caret=3 anchor=3 top=0 sel=[00101100000000000000]"},
        {0, true, false, "cur=0 caret=0 anchor=3 top=0 sel=[11110000000000000000]"},
        {4, true, true, "cur=4 caret=4 anchor=3 top=0 sel=[11111000000000000000]"},
        {2, false, true, "cur=2 caret=2 anchor=2 top=0 sel=[11011000000000000000]"},
        {5, true, true, "cur=5 caret=5 anchor=2 top=0 sel=[11011100000000000000]"},
    };
    SetFocus(box);
    for (const Row& r : rows) {
        Log().Clear();
        ClickItem(box, r.item, r.shift, r.control);
        EXPECT_EQ(Dump(box), r.after) << "item " << r.item << (r.shift ? " +Shift" : "") << (r.control ? " +Ctrl" : "");
        EXPECT_EQ(Notices(), std::vector<int>{LBN_SELCHANGE});
    }
}

TEST_F(ListBoxInputTest, AClickTogglesInAMultipleSelectionBox) {
    HWND box = Box(LBS_MULTIPLESEL | LBS_NOTIFY, 96, 0, 20);
    ClickItem(box, 2);
    ClickItem(box, 4);
    EXPECT_EQ(Dump(box), "cur=4 caret=4 anchor=4 top=0 sel=[00101000000000000000]");
    ClickItem(box, 2);
    EXPECT_EQ(Dump(box), "cur=2 caret=2 anchor=2 top=0 sel=[00001000000000000000]");
}

TEST_F(ListBoxInputTest, DraggingMovesTheSelectionAndPastTheEdgeScrollsOnTheClock) {
    HWND box = Box(LBS_NOTIFY, 96, 0, 20);
    const POINT down = OnPanel(box, 3);
    Backend().MouseDown(panel_, down.x, down.y);
    Backend().PumpUntilIdle();
    EXPECT_EQ(GetCapture(), box);
    Backend().MouseMove(panel_, down.x, down.y + 2 * kItemHeight);
    Backend().PumpUntilIdle();
    EXPECT_EQ(Dump(box).substr(0, 30), "cur=5 caret=5 anchor=3 top=0 s");
    Log().Clear();
    Backend().MouseMove(panel_, down.x, 10 + 126);  // 126 in the box: below its last row
    Backend().PumpUntilIdle();
    EXPECT_EQ(Dump(box).substr(0, 30), "cur=6 caret=6 anchor=3 top=1 s");
    Backend().RunFor(250);
    EXPECT_EQ(Dump(box).substr(0, 32), "cur=11 caret=11 anchor=3 top=6 s") << "one item every 50 ms";
    EXPECT_TRUE(Notices().empty()) << "nothing is told until the button comes up";
    Backend().MouseUp(panel_, down.x, 10 + 126);
    Backend().PumpUntilIdle();
    EXPECT_EQ(Notices(), std::vector<int>{LBN_SELCHANGE});
    Backend().RunFor(200);
    EXPECT_EQ(SendMessageW(box, LB_GETCURSEL, 0, 0), 11) << "the scrolling stops with the drag";
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ListBoxInputTest, DraggingInAnExtendedBoxSelectsFromTheAnchorAndInAMultipleBoxMovesTheCaret) {
    struct Case {
        DWORD kind;
        const char* atThree;
        const char* backAtOne;
    };
    for (const Case& c : {Case{LBS_EXTENDEDSEL, "cur=3 caret=3 anchor=0 top=0 sel=[11110]",
                               "cur=1 caret=1 anchor=0 top=0 sel=[11000]"},
                          Case{LBS_MULTIPLESEL, "cur=3 caret=3 anchor=0 top=0 sel=[10000]",
                               "cur=1 caret=1 anchor=0 top=0 sel=[10000]"}}) {
        HWND box = Box(c.kind, 96, 0, 5);
        const POINT p = OnPanel(box, 0);
        Backend().MouseDown(panel_, p.x, p.y);
        Backend().MouseMove(panel_, p.x, p.y + 3 * kItemHeight);
        Backend().PumpUntilIdle();
        EXPECT_EQ(Dump(box), c.atThree);
        Backend().MouseMove(panel_, p.x, p.y + kItemHeight);
        Backend().PumpUntilIdle();
        EXPECT_EQ(Dump(box), c.backAtOne);
        Backend().MouseUp(panel_, p.x, p.y + kItemHeight);
        Backend().PumpUntilIdle();
        DestroyWindow(box);
        Backend().AdvanceClock(1000);
    }
}

TEST_F(ListBoxInputTest, AClickBelowTheLastItemDoesNothing) {
    HWND box = Box(LBS_NOTIFY, 96, 0, 3);
    SendMessageW(box, LB_SETCURSEL, 1, 0);
    SetFocus(box);
    Log().Clear();
    ClickItem(box, 5);
    EXPECT_EQ(SendMessageW(box, LB_GETCURSEL, 0, 0), 1);
    EXPECT_TRUE(Notices().empty());
    EXPECT_EQ(GetCapture(), nullptr);
}

// Only a combo box's drop-down list follows the pointer while the button is up.
TEST_F(ListBoxInputTest, APlainListBoxIgnoresThePointerWithTheButtonUp) {
    HWND box = Box(LBS_NOTIFY, 96, 0, 5);
    SendMessageW(box, LB_SETCURSEL, 1, 0);
    const POINT p = OnPanel(box, 3);
    Backend().MouseMove(panel_, p.x, p.y);
    Backend().PumpUntilIdle();
    EXPECT_EQ(Dump(box), "cur=1 caret=1 anchor=-1 top=0 sel=[01000]");
    EXPECT_TRUE(Notices().empty());
}

}  // namespace
}  // namespace listboxtest
