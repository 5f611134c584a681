// The list dropping from a combo box: where it goes and how tall and wide it is, what it shows
// first, and what the parent hears when the program opens and closes it. Rows are what the real
// platform (Wine) printed for boxes of the same measures, but where a comment says why ours
// differs.
#include "ComboBoxFixture.h"

namespace combotest {
namespace {

struct Placement {
    const char* name;
    int items;
    std::optional<int> room;  // the kind's usual room unless given
    POINT at{kLeft, kTop};
    DWORD style = 0;
    int droppedWidth = 0;
    const char* listRect;  // relative to the box's top-left corner
};

class ComboDropDownTest : public ComboBoxTest {
protected:
    void CheckPlacements(DWORD kind, const std::vector<Placement>& rows) {
        for (const Placement& row : rows) {
            SCOPED_TRACE(row.name);
            HWND combo = Combo(kind | row.style, row.items, row.room, row.at.x, row.at.y);
            if (row.droppedWidth) SendMessageW(combo, CB_SETDROPPEDWIDTH, static_cast<WPARAM>(row.droppedWidth), 0);
            SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
            EXPECT_EQ(RectFrom(ListOf(combo), combo), row.listRect);
            DestroyWindow(combo);
        }
    }
};

// The list hangs below the box, as wide as the box or the width set, as tall as its items or
// its room, whichever is less, then shortened to whole items from the top; where the screen
// ends first it goes above the box, shortened the same way, which leaves a gap above the box.
TEST_F(ComboDropDownTest, TheListHangsBelowTheBoxOrAboveWhereTheScreenEnds) {
    CheckPlacements(CBS_DROPDOWNLIST, {
        {"empty", 0, {}, {kLeft, kTop}, 0, 0, "(0,24,150,138)"},
        {"one item", 1, {}, {kLeft, kTop}, 0, 0, "(0,24,150,42)"},
        {"three items", 3, {}, {kLeft, kTop}, 0, 0, "(0,24,150,74)"},
        {"a roomful", 7, {}, {kLeft, kTop}, 0, 0, "(0,24,150,138)"},
        {"one more", 8, {}, {kLeft, kTop}, 0, 0, "(0,24,150,138)"},
        {"many", 20, {}, {kLeft, kTop}, 0, 0, "(0,24,150,138)"},
        {"many, not whole", 20, {}, {kLeft, kTop}, CBS_NOINTEGRALHEIGHT, 0, "(0,24,150,150)"},
        {"few, not whole", 3, {}, {kLeft, kTop}, CBS_NOINTEGRALHEIGHT, 0, "(0,24,150,74)"},
        {"a little room", 5, 6, {kLeft, kTop}, 0, 0, "(0,24,150,30)"},
        {"no room", 5, 0, {kLeft, kTop}, 0, 0, "(0,24,150,24)"},
        {"low, many", 20, {}, {kLeft, 650}, 0, 0, "(0,-126,150,-12)"},
        {"low, few", 3, {}, {kLeft, 650}, 0, 0, "(0,24,150,74)"},
        {"lower, few", 3, {}, {kLeft, 700}, 0, 0, "(0,-50,150,0)"},
        {"just fits", 20, {}, {kLeft, 600}, 0, 0, "(0,24,150,138)"},
        {"wider, at the right edge", 3, {}, {950, kTop}, 0, 250, "(0,24,250,74)"},
    });
}

TEST_F(ComboDropDownTest, AnEditsListHasAPixelMoreRoom) {
    CheckPlacements(CBS_DROPDOWN, {
        {"empty", 0, {}, {kLeft, kTop}, 0, 0, "(0,24,150,138)"},
        {"three items", 3, {}, {kLeft, kTop}, 0, 0, "(0,24,150,74)"},
        {"many", 20, {}, {kLeft, kTop}, 0, 0, "(0,24,150,138)"},
        {"many, not whole", 20, {}, {kLeft, kTop}, CBS_NOINTEGRALHEIGHT, 0, "(0,24,150,151)"},
        {"a little room", 5, 7, {kLeft, kTop}, 0, 0, "(0,24,150,31)"},
        {"low, many", 20, {}, {kLeft, 650}, 0, 0, "(0,-127,150,-13)"},
        {"lower, few", 3, {}, {kLeft, 700}, 0, 0, "(0,-50,150,0)"},
    });
}

TEST_F(ComboDropDownTest, AWidthSetNarrowerThanTheBoxLeavesTheListAsWideAsTheBox) {
    HWND combo = Combo(CBS_DROPDOWNLIST, 3);
    SendMessageW(combo, CB_SETDROPPEDWIDTH, 250, 0);
    MoveWindow(combo, kLeft, kTop, 300, kBoxHeight + kListRoom, TRUE);
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    EXPECT_EQ(RectFrom(ListOf(combo), combo), "(0,24,300,74)");
}

// The platform's list is a topmost tool window while it shows; the box keeps the focus and its
// window stays active, and the list holds the capture until it closes.
TEST_F(ComboDropDownTest, TheOpenListIsATopmostToolWindowHoldingTheCapture) {
    for (DWORD kind : {CBS_DROPDOWNLIST, CBS_DROPDOWN}) {
        HWND combo = Combo(kind, 3);
        HWND list = ListOf(combo);
        SetFocus(combo);
        HWND focus = GetFocus();
        SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
        EXPECT_TRUE(IsWindowVisible(list));
        EXPECT_EQ(GetWindowLongW(list, GWL_EXSTYLE), WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
        EXPECT_EQ(GetCapture(), list);
        EXPECT_EQ(GetFocus(), focus);
        EXPECT_EQ(GetActiveWindow(), panel_);
        SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
        EXPECT_FALSE(IsWindowVisible(list));
        EXPECT_EQ(GetCapture(), nullptr);
        EXPECT_EQ(GetFocus(), focus);
        DestroyWindow(combo);
    }
}

TEST_F(ComboDropDownTest, TheProgramOpeningAndClosingTheListIsTold) {
    struct Step {
        BOOL show;
        std::vector<std::string> told;
    };
    const std::vector<Step> steps{
        {TRUE, {"DROPDOWN sel=2 drop=0"}},
        {TRUE, {}},
        {FALSE, {"SELENDCANCEL sel=2 drop=1", "CLOSEUP sel=2 drop=0"}},
        {FALSE, {}},
    };
    for (DWORD kind : {CBS_DROPDOWNLIST, CBS_DROPDOWN, CBS_DROPDOWNLIST | CBS_SORT}) {
        HWND combo = Combo(kind, 4);
        SendMessageW(combo, CB_SETCURSEL, 2, 0);
        for (std::size_t i = 0; i < steps.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "style " << kind << ", step " << i);
            EXPECT_EQ(SendMessageW(combo, CB_SHOWDROPDOWN, steps[i].show, 0), TRUE);
            EXPECT_EQ(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0), steps[i].show);
            EXPECT_EQ(Told(), steps[i].told);
        }
        DestroyWindow(combo);
    }
}

// The parent may fill the list when it hears CBN_DROPDOWN; the list is measured after.
TEST_F(ComboDropDownTest, TheListIsMeasuredAfterTheParentHeardItOpen) {
    HWND combo = Combo(CBS_DROPDOWNLIST);
    struct Filler {
        static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
            if (message == WM_COMMAND && HIWORD(wParam) == CBN_DROPDOWN) Fill(reinterpret_cast<HWND>(lParam), 2);
            return CallWindowProcW(PanelProc, hwnd, message, wParam, lParam);
        }
    };
    SetWindowLongPtrW(panel_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Filler::Proc));
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    EXPECT_EQ(RectFrom(ListOf(combo), combo), "(0,24,150,58)");
}

// The list opens with the selection at its top, as far as the list goes, or the first item when
// nothing is selected; a drop-down list's caret stays where it was, an edit's goes to the top.
TEST_F(ComboDropDownTest, TheListOpensWithTheSelectionAtItsTop) {
    struct Row {
        int selected;
        int topBefore;
        int top;
        int listCaret, editCaret;
    };
    const Row rows[] = {{15, 0, 13, 15, 15}, {-1, 4, 0, 15, 0}, {2, 10, 2, 2, 2}};
    for (DWORD kind : {CBS_DROPDOWNLIST, CBS_DROPDOWN}) {
        HWND combo = Combo(kind, 20);
        for (const Row& row : rows) {
            SCOPED_TRACE(testing::Message() << "style " << kind << ", selected " << row.selected);
            SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(row.selected), 0);
            SendMessageW(combo, CB_SETTOPINDEX, static_cast<WPARAM>(row.topBefore), 0);
            SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
            EXPECT_EQ(SendMessageW(combo, CB_GETTOPINDEX, 0, 0), row.top);
            EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), row.selected);
            EXPECT_EQ(SendMessageW(ListOf(combo), LB_GETCARETINDEX, 0, 0), kind == CBS_DROPDOWN ? row.editCaret : row.listCaret);
            SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
        }
        DestroyWindow(combo);
    }
}

// An edit's list opens on the first item its text begins, which then fills the edit; text no
// item begins leaves the edit alone and the list with nothing selected.
TEST_F(ComboDropDownTest, AnEditsListOpensOnTheItemItsTextBegins) {
    struct Row {
        const wchar_t* text;
        int selected;
        int chosen;
        const wchar_t* textAfter;
        DWORD editSelection;
    };
    const Row rows[] = {
        {L"item1", -1, 10, L"item10", MAKELONG(0, 6)},
        {L"ITEM0", 4, 0, L"item00", MAKELONG(0, 6)},
        {L"zzz", 3, -1, L"zzz", MAKELONG(1, 1)},
        {L"", 3, -1, L"", 0},
    };
    HWND combo = Combo(CBS_DROPDOWN, 20);
    SetFocus(combo);
    for (const Row& row : rows) {
        SCOPED_TRACE(Narrow(row.text));
        SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(row.selected), 0);
        SetWindowTextW(combo, row.text);
        SendMessageW(combo, CB_SETEDITSEL, 0, MAKELPARAM(1, 1));
        Told();
        SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
        EXPECT_EQ(Told(), std::vector<std::string>{"DROPDOWN sel=" + std::to_string(row.selected) + " drop=0"});
        EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), row.chosen);
        EXPECT_EQ(TextOf(combo), row.textAfter);
        EXPECT_EQ(static_cast<DWORD>(SendMessageW(combo, CB_GETEDITSEL, 0, 0)), row.editSelection);
        SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    }
}

}  // namespace
}  // namespace combotest
