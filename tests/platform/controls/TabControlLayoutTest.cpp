// Where the tab control's tabs lie: a row of tabs, buttons and flat buttons; TCS_MULTILINE rows
// stretched to the width (or not, with TCS_RAGGEDRIGHT), the selected tab's row moved next to
// the page and the rows between shifted; and a single line too wide for the control, scrolled a
// tab at a time by the arrow pair. Every rectangle was printed by the platform's own tab control
// (comctl32 under Wine) for the same calls: "{left, top, right, bottom}" per tab, a star where
// TCM_GETITEMRECT answers FALSE.
#include <functional>
#include <string>
#include <vector>

#include "TabControlFixture.h"

namespace {

using namespace tabtest;

int Rows() { return static_cast<int>(SendMessageW(ThePanel().tab, TCM_GETROWCOUNT, 0, 0)); }

TEST_F(TabControlTest, TabsAndButtonsLineUpAsThePlatformsDo) {
    struct Case {
        const char* name;
        DWORD style;
        int tabs;
        int width;
        int rows;
        const char* rects;
    };
    const Case cases[] = {
        {"tabs", 0, 3, 300, 1, "{2, 2, 56, 23}, {56, 2, 110, 23}, {110, 2, 164, 23}"},
        {"buttons", TCS_BUTTONS, 3, 300, 1, "{2, 0, 56, 24}, {59, 0, 113, 24}, {116, 0, 170, 24}"},
        {"flat buttons", TCS_BUTTONS | TCS_FLATBUTTONS, 3, 300, 1,
         "{2, 0, 56, 24}, {67, 0, 121, 24}, {132, 0, 186, 24}"},
        {"multiline rows stretched", TCS_MULTILINE, 8, 150, 4,
         "{2, 65, 75, 86}, {75, 65, 148, 86}, {2, 2, 75, 23}, {75, 2, 148, 23}, {2, 23, 75, 44}, "
         "{75, 23, 148, 44}, {2, 44, 75, 65}, {75, 44, 148, 65}"},
        {"multiline buttons keep their order", TCS_MULTILINE | TCS_BUTTONS, 8, 200, 3,
         "{2, 0, 66, 24}, {67, 0, 131, 24}, {132, 0, 198, 24}, {2, 27, 66, 51}, {67, 27, 131, 51}, "
         "{132, 27, 198, 51}, {2, 54, 99, 78}, {100, 54, 198, 78}"},
        {"multiline flat buttons", TCS_MULTILINE | TCS_BUTTONS | TCS_FLATBUTTONS, 8, 200, 3,
         "{2, 0, 61, 24}, {70, 0, 129, 24}, {138, 0, 198, 24}, {2, 27, 61, 51}, {70, 27, 129, 51}, "
         "{138, 27, 198, 51}, {2, 54, 95, 78}, {104, 54, 198, 78}"},
        {"rows share the tabs evenly", TCS_MULTILINE, 4, 202, 2,
         "{2, 23, 101, 44}, {101, 23, 200, 44}, {2, 2, 101, 23}, {101, 2, 200, 23}"},
        {"the first rows take the odd tabs", TCS_MULTILINE, 7, 150, 4,
         "{2, 65, 75, 86}, {75, 65, 148, 86}, {2, 2, 75, 23}, {75, 2, 148, 23}, {2, 23, 75, 44}, "
         "{75, 23, 148, 44}, {2, 44, 148, 65}"},
        {"ragged rows are filled in turn", TCS_MULTILINE | TCS_RAGGEDRIGHT, 4, 202, 2,
         "{2, 23, 56, 44}, {56, 23, 110, 44}, {110, 23, 164, 44}, {2, 2, 56, 23}"},
        {"narrower than a tab: an empty first row", TCS_MULTILINE, 3, 30, 4,
         "{2, 65, 28, 86}, {2, 2, 28, 23}, {2, 23, 28, 44}"},
        {"ragged right", TCS_MULTILINE | TCS_RAGGEDRIGHT, 5, 150, 3,
         "{2, 44, 56, 65}, {56, 44, 110, 65}, {2, 2, 56, 23}, {56, 2, 110, 23}, {2, 23, 56, 44}"},
        {"fixed width, a tab a row", TCS_MULTILINE | TCS_FIXEDWIDTH, 4, 150, 4,
         "{2, 65, 148, 86}, {2, 2, 148, 23}, {2, 23, 148, 44}, {2, 44, 148, 65}"},
        {"one row is not stretched", TCS_MULTILINE, 5, 400, 1,
         "{2, 2, 56, 23}, {56, 2, 110, 23}, {110, 2, 164, 23}, {164, 2, 218, 23}, {218, 2, 272, 23}"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Make(c.style, c.tabs, c.width);
        EXPECT_EQ(Rows(), c.rows);
        EXPECT_EQ(Rects(Tab()), c.rects);
    }
}

TEST_F(TabControlTest, TheSelectedRowMovesToThePageAndTheRowsBetweenMoveAway) {
    struct Step {
        const char* name;
        std::function<void()> act;
        const char* rects;
    };
    // Rows of two on four lines; what a step shows depends on the steps before it.
    const Step steps[] = {
        {"select in the first row", [] { Send(TCM_SETCURSEL, 2); },
         "{2, 44, 75, 65}, {75, 44, 148, 65}, {2, 65, 75, 86}, {75, 65, 148, 86}, {2, 2, 75, 23}, "
         "{75, 2, 148, 23}, {2, 23, 75, 44}, {75, 23, 148, 44}"},
        {"select in the third", [] { Send(TCM_SETCURSEL, 5); },
         "{2, 23, 75, 44}, {75, 23, 148, 44}, {2, 44, 75, 65}, {75, 44, 148, 65}, {2, 65, 75, 86}, "
         "{75, 65, 148, 86}, {2, 2, 75, 23}, {75, 2, 148, 23}"},
        {"select in the top one", [] { Send(TCM_SETCURSEL, 7); },
         "{2, 2, 75, 23}, {75, 2, 148, 23}, {2, 23, 75, 44}, {75, 23, 148, 44}, {2, 44, 75, 65}, "
         "{75, 44, 148, 65}, {2, 65, 75, 86}, {75, 65, 148, 86}"},
        {"TCM_SETCURFOCUS moves rows too", [] { Send(TCM_SETCURFOCUS, 3); },
         "{2, 2, 75, 23}, {75, 2, 148, 23}, {2, 65, 75, 86}, {75, 65, 148, 86}, {2, 23, 75, 44}, "
         "{75, 23, 148, 44}, {2, 44, 75, 65}, {75, 44, 148, 65}"},
        {"a new tab lays the rows out afresh", [] { Insert(Tab(), 8, L"I"); },
         "{2, 2, 75, 23}, {75, 2, 148, 23}, {2, 86, 75, 107}, {75, 86, 148, 107}, {2, 23, 75, 44}, "
         "{75, 23, 148, 44}, {2, 44, 75, 65}, {75, 44, 148, 65}, {2, 65, 148, 86}"},
        {"a new width too", [] { SetWindowPos(Tab(), nullptr, 0, 0, 220, 200, SWP_NOMOVE | SWP_NOZORDER); },
         "{2, 2, 74, 23}, {74, 2, 146, 23}, {146, 2, 218, 23}, {2, 44, 74, 65}, {74, 44, 146, 65}, "
         "{146, 44, 218, 65}, {2, 23, 74, 44}, {74, 23, 146, 44}, {146, 23, 218, 44}"},
    };
    Make(TCS_MULTILINE, 8, 150);
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        s.act();
        EXPECT_EQ(Rects(Tab()), s.rects);
    }
}

TEST_F(TabControlTest, TheSelectedTabsRowMovesDownWhenClickedOrReachedByKey) {
    Make(TCS_MULTILINE, 6, 150);
    Click(20, 10);  // tab 2, in the top row
    EXPECT_EQ(Sel(Tab()), 2);
    EXPECT_EQ(Rects(Tab()), "{2, 23, 75, 44}, {75, 23, 148, 44}, {2, 44, 75, 65}, {75, 44, 148, 65}, "
                            "{2, 2, 75, 23}, {75, 2, 148, 23}");
    Key(VK_RIGHT);
    Key(VK_RIGHT);
    EXPECT_EQ(Sel(Tab()), 4);
    EXPECT_EQ(Rects(Tab()), "{2, 2, 75, 23}, {75, 2, 148, 23}, {2, 23, 75, 44}, {75, 23, 148, 44}, "
                            "{2, 44, 75, 65}, {75, 44, 148, 65}");
}

// ---- A single line too wide ----

// The control's up-down child, or null.
HWND Arrows(HWND tab) {
    for (HWND child = GetWindow(tab, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[64] = {};
        GetClassNameW(child, name, 64);
        if (std::wstring(name) == UPDOWN_CLASSW) return child;
    }
    return nullptr;
}

// A child's rectangle in `to`'s client coordinates.
RECT PlacedIn(HWND child, HWND to) {
    RECT r{};
    GetWindowRect(child, &r);
    POINT corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
    for (POINT& p : corners) ScreenToClient(to, &p);
    return {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

int ArrowsPos(HWND tab) { return static_cast<int>(SendMessageW(Arrows(tab), UDM_GETPOS32, 0, 0)); }

TEST_F(TabControlTest, ALineTooWideScrollsToShowTheSelectionBesideTheArrows) {
    struct Step {
        const char* name;
        std::function<void()> act;
        const char* rects;
        int pos;
    };
    const Step steps[] = {
        {"as made", [] {},
         "{2, 2, 56, 23}, {56, 2, 110, 23}, {110, 2, 164, 23}, {164, 2, 218, 23}*, {218, 2, 272, 23}*, "
         "{272, 2, 326, 23}*", 0},
        {"selecting a tab past the arrows", [] { Send(TCM_SETCURSEL, 3); },
         "{0, 0, 0, 21}*, {0, 0, 0, 21}*, {2, 2, 56, 23}, {56, 2, 110, 23}, {110, 2, 164, 23}, "
         "{164, 2, 218, 23}*", 2},
        {"the last", [] { Send(TCM_SETCURSEL, 5); },
         "{0, 0, 0, 21}*, {0, 0, 0, 21}*, {0, 0, 0, 21}*, {0, 0, 0, 21}*, {2, 2, 56, 23}, {56, 2, 110, 23}", 4},
        {"one scrolled away to the left", [] { Send(TCM_SETCURSEL, 2); },
         "{0, 0, 0, 21}*, {0, 0, 0, 21}*, {2, 2, 56, 23}, {56, 2, 110, 23}, {110, 2, 164, 23}, "
         "{164, 2, 218, 23}*", 2},
        {"the arrows ask for the start: one tab back", [] { Send(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0)); },
         "{0, 0, 0, 21}*, {2, 2, 56, 23}, {56, 2, 110, 23}, {110, 2, 164, 23}, {164, 2, 218, 23}*, "
         "{218, 2, 272, 23}*", 1},
        {"then for the fourth: one tab on", [] { Send(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 4)); },
         "{0, 0, 0, 21}*, {0, 0, 0, 21}*, {2, 2, 56, 23}, {56, 2, 110, 23}, {110, 2, 164, 23}, "
         "{164, 2, 218, 23}*", 2},
        {"the end of a scroll changes nothing", [] { Send(WM_HSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0)); },
         "{0, 0, 0, 21}*, {0, 0, 0, 21}*, {2, 2, 56, 23}, {56, 2, 110, 23}, {110, 2, 164, 23}, "
         "{164, 2, 218, 23}*", 2},
        {"deleting the first keeps the selection shown", [] { Send(TCM_DELETEITEM, 0); },
         "{0, 0, 0, 21}*, {2, 2, 56, 23}, {56, 2, 110, 23}, {110, 2, 164, 23}, {164, 2, 218, 23}*", 1},
    };
    Make(0, 6, 150);
    HWND arrows = Arrows(Tab());
    ASSERT_NE(arrows, nullptr);
    const RECT placed = PlacedIn(arrows, Tab());
    const RECT expected{116, 4, 150, 21};
    EXPECT_TRUE(EqualRect(&placed, &expected)) << "at the row's right end, level with its bottom";
    EXPECT_TRUE(GetWindowLongW(arrows, GWL_STYLE) & UDS_HORZ);
    int low = -1, high = -1;
    SendMessageW(arrows, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 4) << "the last two tabs fit beside the arrows";
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        s.act();
        EXPECT_EQ(Rects(Tab()), s.rects);
        EXPECT_EQ(ArrowsPos(Tab()), s.pos);
    }
    TCHITTESTINFO info{{20, 10}, 0};
    EXPECT_EQ(Send(TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)), 1) << "the first tab shown";
}

TEST_F(TabControlTest, TheArrowsHideWhenTheTabsFitAndComeBackWhenTheyDoNot) {
    Make(0, 6, 150);
    HWND arrows = Arrows(Tab());
    Send(TCM_SETCURSEL, 5);
    SetWindowPos(Tab(), nullptr, 0, 0, 400, 200, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_FALSE(IsWindowVisible(arrows));
    EXPECT_EQ(Rects(Tab()), "{2, 2, 56, 23}, {56, 2, 110, 23}, {110, 2, 164, 23}, {164, 2, 218, 23}, "
                            "{218, 2, 272, 23}, {272, 2, 326, 23}");
    SetWindowPos(Tab(), nullptr, 0, 0, 150, 200, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_TRUE(IsWindowVisible(arrows));
    EXPECT_EQ(Arrows(Tab()), arrows) << "the same pair";
    EXPECT_EQ(Rects(Tab()), "{0, 0, 0, 21}*, {0, 0, 0, 21}*, {0, 0, 0, 21}*, {0, 0, 0, 21}*, {2, 2, 56, 23}, "
                            "{56, 2, 110, 23}")
        << "scrolled to the selection again";
    EXPECT_EQ(ArrowsPos(Tab()), 4);
    Make(TCS_MULTILINE, 8, 100);
    EXPECT_EQ(Arrows(Tab()), nullptr) << "rows never scroll";
}

TEST_F(TabControlTest, PressingTheArrowsScrollsTheTabs) {
    Make(TCS_BUTTONS, 6, 150);
    HWND arrows = Arrows(Tab());
    ASSERT_NE(arrows, nullptr);
    const RECT placed = PlacedIn(arrows, panel_);
    EXPECT_EQ(placed.top - kAt.y, 7) << "level with the buttons' bottom";
    const POINT right{placed.right - 4, (placed.top + placed.bottom) / 2};
    Backend().Click(panel_, right.x, right.y);
    Backend().PumpUntilIdle();
    EXPECT_EQ(Rects(Tab()), "{0, 0, 0, 24}*, {2, 0, 56, 24}, {59, 0, 113, 24}, {116, 0, 170, 24}, "
                            "{173, 0, 227, 24}*, {230, 0, 284, 24}*");
    EXPECT_EQ(Sel(Tab()), 0) << "scrolling selects nothing";
    EXPECT_EQ(ThePanel().passedOn, std::vector<UINT>{UDN_DELTAPOS}) << "the arrows' notice reaches the parent";
}

}  // namespace
