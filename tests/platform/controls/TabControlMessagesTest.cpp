// The tab control's messages: tabs inserted, deleted, read and changed; the selection and the
// focus, what moves them and what the parent hears; the sizes the program gives; TCM_ADJUSTRECT
// and TCM_HITTEST; and handles that are null or gone. Every expected value was printed by the
// platform's own tab control (comctl32 under Wine) for the same calls, except where a test says
// otherwise.
#include <functional>
#include <string>
#include <vector>

#include "TabControlFixture.h"

namespace {

using namespace tabtest;

// "count selection focus", as the probes printed them.
std::string Counts(HWND tab) {
    return std::to_string(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0)) + " " + std::to_string(Sel(tab)) + " " +
           std::to_string(FocusItem(tab));
}

struct Step {
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;  // for TCM_INSERTITEMW: unused, the step inserts a tab named after its name
    LRESULT result;
    const char* after;
    std::vector<std::string> heard = {};
    LRESULT refuse = 0;
};

void RunSteps(HWND tab, const std::vector<Step>& steps) {
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        ThePanel().heard.clear();
        ThePanel().refuse = s.refuse;
        const LRESULT result = s.message == TCM_INSERTITEMW ? Insert(tab, static_cast<int>(s.wParam), L"x")
                                                            : SendMessageW(tab, s.message, s.wParam, s.lParam);
        EXPECT_EQ(result, s.result);
        EXPECT_EQ(Counts(tab), s.after);
        EXPECT_EQ(ThePanel().heard, s.heard);
    }
}

TEST_F(TabControlTest, InsertingSelectingAndFocusingFollowThePlatform) {
    Make(0);
    EXPECT_EQ(Counts(Tab()), "0 -1 -1");
    RunSteps(Tab(), {
        {"the first tab is selected and focused", TCM_INSERTITEMW, 0, 0, 0, "1 0 0"},
        {"past the end appends", TCM_INSERTITEMW, 5, 0, 1, "2 0 0"},
        {"a negative index is refused", TCM_INSERTITEMW, static_cast<WPARAM>(-1), 0, -1, "2 0 0"},
        {"SETCURSEL answers the old selection, silently", TCM_SETCURSEL, 1, 0, 0, "2 1 1"},
        {"inserting at the selection moves it on; the focus keeps its number", TCM_INSERTITEMW, 1, 0, 1, "3 2 1"},
        {"inserting after it leaves it", TCM_INSERTITEMW, 3, 0, 3, "4 2 1"},
        {"inserting before it moves it on", TCM_INSERTITEMW, 0, 0, 0, "5 3 1"},
        {"SETCURSEL past the end", TCM_SETCURSEL, 9, 0, -1, "5 3 1"},
        {"SETCURSEL(-1) clears both", TCM_SETCURSEL, static_cast<WPARAM>(-1), 0, 3, "5 -1 -1"},
        {"SETCURSEL(-1) again", TCM_SETCURSEL, static_cast<WPARAM>(-1), 0, -1, "5 -1 -1"},
        {"SETCURSEL(2)", TCM_SETCURSEL, 2, 0, -1, "5 2 2"},
        {"SETCURSEL on the selection", TCM_SETCURSEL, 2, 0, 2, "5 2 2"},
        {"SETCURFOCUS asks, then selects", TCM_SETCURFOCUS, 3, 0, 0, "5 3 3",
         {"SELCHANGING 2/3", "SELCHANGE 3/3"}},
        {"SETCURFOCUS past the end", TCM_SETCURFOCUS, 9, 0, 0, "5 3 3"},
        {"SETCURFOCUS on the selection", TCM_SETCURFOCUS, 3, 0, 0, "5 3 3"},
        {"SETCURFOCUS(-1) clears both and tells", TCM_SETCURFOCUS, static_cast<WPARAM>(-1), 0, 0, "5 -1 -1",
         {"SELCHANGE -1/-1"}},
        {"a focus where there was none selects nothing", TCM_SETCURFOCUS, 2, 0, 0, "5 -1 2"},
        {"then SETCURSEL", TCM_SETCURSEL, 3, 0, -1, "5 3 3"},
    });
}

// The platform lets a refused TCM_SETCURFOCUS select the tab anyway, only leaving out
// TCN_SELCHANGE; here a refusal keeps the selection and the focus where they were.
TEST_F(TabControlTest, ARefusedFocusChangeKeepsTheSelection) {
    Make(0, 3);
    RunSteps(Tab(), {
        {"refused", TCM_SETCURFOCUS, 2, 0, 0, "3 0 0", {"SELCHANGING 0/2"}, 1},
        {"agreed", TCM_SETCURFOCUS, 2, 0, 0, "3 2 2", {"SELCHANGING 0/2", "SELCHANGE 2/2"}},
    });
}

// The platform leaves the focus on a number past the last tab when tabs go; here such a focus
// becomes -1, and a later first tab gets it as on a fresh control.
TEST_F(TabControlTest, DeletingMovesTheSelectionWithItsTabAndClearsItWithIt) {
    Make(0, 5);
    Send(TCM_SETCURSEL, 3);
    RunSteps(Tab(), {
        {"past the end", TCM_DELETEITEM, 5, 0, FALSE, "5 3 3"},
        {"negative", TCM_DELETEITEM, static_cast<WPARAM>(-1), 0, FALSE, "5 3 3"},
        {"before the selection", TCM_DELETEITEM, 0, 0, TRUE, "4 2 3"},
        {"the selection itself", TCM_DELETEITEM, 2, 0, TRUE, "3 -1 -1"},
        {"select the last", TCM_SETCURSEL, 2, 0, -1, "3 2 2"},
        {"the last, selected", TCM_DELETEITEM, 2, 0, TRUE, "2 -1 -1"},
        {"after the selection", TCM_SETCURSEL, 0, 0, -1, "2 0 0"},
        {"", TCM_DELETEITEM, 1, 0, TRUE, "1 0 0"},
        {"all", TCM_DELETEALLITEMS, 0, 0, TRUE, "0 -1 -1"},
        {"all of none", TCM_DELETEALLITEMS, 0, 0, TRUE, "0 -1 -1"},
        {"a first tab again", TCM_INSERTITEMW, 0, 0, 0, "1 0 0"},
    });
    EXPECT_EQ(TextOf(Tab(), 0), L"x");
}

TEST_F(TabControlTest, ATabInsertedWithNoFocusTakesItWithoutBeingSelected) {
    Make(0, 2);
    Send(TCM_SETCURSEL, static_cast<WPARAM>(-1));
    RunSteps(Tab(), {{"", TCM_INSERTITEMW, 1, 0, 1, "3 -1 1"}});
}

TEST_F(TabControlTest, ButtonsMoveTheFocusAloneAndTellIt) {
    Make(TCS_BUTTONS);
    RunSteps(Tab(), {
        {"the first button", TCM_INSERTITEMW, 0, 0, 0, "1 0 0", {"FOCUSCHANGE 0/0"}},
        {"", TCM_INSERTITEMW, 1, 0, 1, "2 0 0"},
        {"", TCM_INSERTITEMW, 2, 0, 2, "3 0 0"},
        {"SETCURFOCUS leaves the selection", TCM_SETCURFOCUS, 2, 0, 0, "3 0 2", {"FOCUSCHANGE 0/2"}},
        {"on the focus already", TCM_SETCURFOCUS, 2, 0, 0, "3 0 2"},
        {"SETCURSEL brings the focus along", TCM_SETCURSEL, 1, 0, 0, "3 1 1"},
        {"SETCURFOCUS(-1) clears both", TCM_SETCURFOCUS, static_cast<WPARAM>(-1), 0, 0, "3 -1 -1",
         {"SELCHANGE -1/-1"}},
    });
}

// ---- A tab's text, value and state ----

TEST_F(TabControlTest, ItemsGiveBackTheirTextValueAndStateAsAsked) {
    Make(0);
    Insert(Tab(), 0, L"Alpha", 42);
    Insert(Tab(), 1, L"Beta", 43);
    struct Case {
        int cchTextMax;
        const wchar_t* text;
    };
    const Case cases[] = {{64, L"Alpha"}, {3, L"Al"}, {1, L""}, {0, L"XXXX"}};
    for (const Case& c : cases) {
        wchar_t buffer[64] = L"XXXX";
        TCITEMW item{};
        item.mask = TCIF_TEXT | TCIF_PARAM;
        item.pszText = buffer;
        item.cchTextMax = c.cchTextMax;
        EXPECT_EQ(Send(TCM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)), TRUE);
        EXPECT_STREQ(buffer, c.text) << "room for " << c.cchTextMax;
        EXPECT_EQ(item.lParam, 42);
    }
    TCITEMW state{};
    state.mask = TCIF_STATE;
    state.dwState = TCIS_BUTTONPRESSED | TCIS_HIGHLIGHTED;
    state.dwStateMask = TCIS_HIGHLIGHTED;
    EXPECT_EQ(Send(TCM_SETITEMW, 1, reinterpret_cast<LPARAM>(&state)), TRUE);
    struct Read {
        int index;
        DWORD mask;
        DWORD state;
    };
    const Read reads[] = {{1, 0xFF, TCIS_HIGHLIGHTED}, {1, TCIS_BUTTONPRESSED, 0}, {0, 0xFF, TCIS_BUTTONPRESSED}};
    for (const Read& r : reads) {
        TCITEMW item{};
        item.mask = TCIF_STATE;
        item.dwState = 0x77;
        item.dwStateMask = r.mask;
        Send(TCM_GETITEMW, r.index, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(item.dwState, r.state) << "tab " << r.index << " mask " << r.mask;
    }
}

TEST_F(TabControlTest, SetItemChangesOnlyWhatItsMaskNames) {
    Make(0);
    Insert(Tab(), 0, L"Alpha", 42);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<LPWSTR>(L"New");
    item.lParam = 7;
    EXPECT_EQ(Send(TCM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item)), TRUE);
    EXPECT_EQ(TextOf(Tab(), 0), L"New");
    item.mask = TCIF_PARAM;
    item.pszText = const_cast<LPWSTR>(L"Unused");
    EXPECT_EQ(Send(TCM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item)), TRUE);
    TCITEMW read{};
    read.mask = TCIF_PARAM;
    Send(TCM_GETITEMW, 0, reinterpret_cast<LPARAM>(&read));
    EXPECT_EQ(read.lParam, 7);
    EXPECT_EQ(TextOf(Tab(), 0), L"New");
    item.mask = TCIF_TEXT;
    item.pszText = nullptr;
    EXPECT_EQ(Send(TCM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item)), TRUE);
    EXPECT_EQ(TextOf(Tab(), 0), L"") << "no text is an empty one";
}

TEST_F(TabControlTest, ItemMessagesRefuseBadIndexesAndMissingStructures) {
    Make(0, 2);
    TCITEMW item{};
    item.mask = TCIF_PARAM;
    for (int index : {-1, 2, 9}) {
        EXPECT_EQ(Send(TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)), FALSE);
        EXPECT_EQ(Send(TCM_SETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)), FALSE);
    }
    EXPECT_EQ(Send(TCM_GETITEMW, 0, 0), FALSE);
    EXPECT_EQ(Send(TCM_SETITEMW, 0, 0), FALSE);
    // The platform's control crashes on these two; here they fail.
    EXPECT_EQ(Send(TCM_INSERTITEMW, 0, 0), -1);
    EXPECT_EQ(Send(TCM_HITTEST, 0, 0), -1);
    EXPECT_EQ(Send(TCM_ADJUSTRECT, TRUE, 0), 0);
    EXPECT_EQ(Send(TCM_GETITEMCOUNT), 2);
}

// The platform marks a tab pressed only when TCM_SETCURSEL selects it and leaves the mark behind
// when the mouse, a key or TCM_SETCURFOCUS moves the selection; here the mark always follows.
TEST_F(TabControlTest, ThePressedMarkFollowsTheSelectionHoweverItMoves) {
    Make(0, 3);
    Send(TCM_SETCURFOCUS, 2);
    for (int i = 0; i < 3; ++i) {
        TCITEMW item{};
        item.mask = TCIF_STATE;
        item.dwStateMask = TCIS_BUTTONPRESSED;
        Send(TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(item.dwState, i == 2 ? DWORD{TCIS_BUTTONPRESSED} : 0u) << "tab " << i;
    }
}

// ---- Sizes ----

TEST_F(TabControlTest, SizeMessagesAnswerTheOldValuesAndResizeTheTabs) {
    struct Case {
        const char* name;
        DWORD style;
        UINT message;
        LPARAM lParam;
        LRESULT result;
        const char* rects;
    };
    // Each row acts on the control the previous rows left.
    const Case cases[] = {
        {"the font's height", 0, TCM_SETITEMSIZE, MAKELPARAM(80, 30), MAKELONG(0, 21),
         "{2, 2, 56, 32}, {56, 2, 110, 32}"},
        {"a height of 0 is the font's again", 0, TCM_SETITEMSIZE, MAKELPARAM(0, 0), MAKELONG(0, 30),
         "{2, 2, 56, 23}, {56, 2, 110, 23}"},
        {"fixed width starts at 96", TCS_FIXEDWIDTH, TCM_SETITEMSIZE, MAKELPARAM(80, 25), MAKELONG(96, 21),
         "{2, 2, 82, 27}, {82, 2, 162, 27}"},
        {"a width of 0 is taken", TCS_FIXEDWIDTH, TCM_SETITEMSIZE, MAKELPARAM(0, 0), MAKELONG(80, 25),
         "{2, 2, 2, 23}, {2, 2, 2, 23}"},
        {"the default minimum reads 54", 0, TCM_SETMINTABWIDTH, 100, 54, "{2, 2, 102, 23}, {102, 2, 202, 23}"},
        {"a given minimum reads as given", 0, TCM_SETMINTABWIDTH, 30, 100, "{2, 2, 32, 23}, {32, 2, 62, 23}"},
        {"a padding waits for the tabs to be laid out again", 0, TCM_SETPADDING, MAKELPARAM(10, 5), 0,
         "{2, 2, 32, 23}, {32, 2, 62, 23}"},
        {"which a new minimum does; the minimum follows the padding", 0, TCM_SETMINTABWIDTH, -1, 30,
         "{2, 2, 64, 25}, {64, 2, 126, 25}"},
        {"a default minimum reads 54 whatever the padding", 0, TCM_SETMINTABWIDTH, -1, 54,
         "{2, 2, 64, 25}, {64, 2, 126, 25}"},
    };
    DWORD made = ~0u;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.style != made) Make(c.style, 2), made = c.style;
        EXPECT_EQ(Send(c.message, 0, c.lParam), c.result);
        EXPECT_EQ(Rects(Tab()), c.rects);
    }
}

TEST_F(TabControlTest, AGivenPaddingCountsFromTheNextLayoutOn) {
    struct Case {
        const char* name;
        LPARAM padding;
        std::function<void()> layOut;
        const char* rects;
    };
    const Case cases[] = {
        {"a selection lays nothing out", MAKELPARAM(0, 0), [] { Send(TCM_SETCURSEL, 1); },
         "{2, 2, 56, 23}, {56, 2, 110, 23}"},
        {"a new size does", MAKELPARAM(0, 0), [] { Send(WM_SIZE, 0, MAKELPARAM(300, 200)); },
         "{2, 2, 44, 20}, {44, 2, 86, 20}"},
        {"a deleted tab", MAKELPARAM(3, 3), [] { Insert(Tab(), 2, L"C"), Send(TCM_DELETEITEM, 2); },
         "{2, 2, 50, 23}, {50, 2, 98, 23}"},
        {"a changed tab, even its value", MAKELPARAM(6, 3), [] {
             TCITEMW item{};
             item.mask = TCIF_PARAM;
             Send(TCM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
         }, "{2, 2, 56, 23}, {56, 2, 110, 23}"},
        {"a new item size", MAKELPARAM(0, 3), [] { Send(TCM_SETITEMSIZE); }, "{2, 2, 44, 23}, {44, 2, 86, 23}"},
        {"a new font", MAKELPARAM(6, 3), [] { Send(WM_SETFONT); }, "{2, 2, 56, 23}, {56, 2, 110, 23}"},
    };
    Make(0, 2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string before = Rects(Tab());
        EXPECT_EQ(Send(TCM_SETPADDING, 0, c.padding), 0);
        EXPECT_EQ(Rects(Tab()), before);
        c.layOut();
        EXPECT_EQ(Rects(Tab()), c.rects);
    }
}

TEST_F(TabControlTest, TheFontIsKeptAndMeasuresTheTabs) {
    Make(0, 1);
    EXPECT_EQ(Send(WM_GETFONT), 0) << "none until given";
    LOGFONTW big{};
    big.lfHeight = -30;
    HFONT font = CreateFontIndirectW(&big);
    EXPECT_EQ(Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE), 0);
    EXPECT_EQ(Send(WM_GETFONT), reinterpret_cast<LRESULT>(font));
    TEXTMETRICW metrics{};
    HDC dc = GetDC(Tab());
    HGDIOBJ old = SelectObject(dc, font);
    GetTextMetricsW(dc, &metrics);
    SIZE text{};
    GetTextExtentPoint32W(dc, L"A long name", 11, &text);
    SelectObject(dc, old);
    ReleaseDC(Tab(), dc);
    EXPECT_EQ(Send(TCM_SETITEMSIZE) >> 16, metrics.tmHeight + 5) << "the text, 2 pixels and the padding";
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<LPWSTR>(L"A long name");
    Send(TCM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    RECT r{};
    Send(TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
    EXPECT_EQ(r.right - r.left, text.cx + 12) << "a long text and the padding each side";
    DestroyWindow(Tab());
    DeleteObject(font);
}

TEST_F(TabControlTest, AdjustRectTurnsThePageIntoTheControlAndBack) {
    struct Case {
        const char* name;
        DWORD style;
        int tabs;
        int width;
        RECT page;        // TCM_ADJUSTRECT(FALSE) of the client rectangle
        RECT fromPage;    // TCM_ADJUSTRECT(TRUE) of {50, 60, 150, 160}
    };
    const Case cases[] = {
        {"no tabs", 0, 0, 300, {4, 4, 296, 196}, {46, 56, 154, 164}},
        {"a row of tabs", 0, 3, 300, {4, 25, 296, 196}, {46, 35, 154, 164}},
        {"no buttons: the row gap taken away once", TCS_BUTTONS, 0, 300, {4, 1, 296, 196}, {46, 59, 154, 164}},
        {"a row of buttons", TCS_BUTTONS, 3, 300, {4, 28, 296, 196}, {46, 32, 154, 164}},
        {"three rows of tabs", TCS_MULTILINE, 6, 150, {4, 67, 146, 196}, {46, -7, 154, 164}},
        {"three rows of buttons", TCS_MULTILINE | TCS_BUTTONS, 6, 150, {4, 82, 146, 196}, {46, -22, 154, 164}},
        {"flat tabs are tabs", TCS_FLATBUTTONS, 3, 300, {4, 25, 296, 196}, {46, 35, 154, 164}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Make(c.style, c.tabs, c.width);
        RECT page{0, 0, c.width, 200}, back{50, 60, 150, 160};
        EXPECT_EQ(Send(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page)), 0);
        EXPECT_EQ(Send(TCM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&back)), 0);
        EXPECT_TRUE(EqualRect(&page, &c.page));
        EXPECT_TRUE(EqualRect(&back, &c.fromPage));
    }
}

TEST_F(TabControlTest, HitTestFindsTheTabUnderAPointAtItsUsualSize) {
    struct Case {
        POINT at;
        int tab;
    };
    // Tabs at {2, 2, 56, 23}, {56, 2, 110, 23}, {110, 2, 164, 23}; the second selected, which
    // is drawn larger than that but hit only there.
    const Case cases[] = {{{2, 2}, 0},    {{55, 10}, 0},  {{56, 10}, 1},  {{110, 10}, 2}, {{163, 22}, 2},
                          {{200, 10}, -1}, {{20, 1}, -1}, {{20, 23}, -1}, {{-3, 5}, -1},  {{55, 1}, -1}};
    Make(0, 3);
    Send(TCM_SETCURSEL, 1);
    for (const Case& c : cases) {
        TCHITTESTINFO info{c.at, 0xDEAD};
        EXPECT_EQ(Send(TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)), c.tab) << c.at.x << "," << c.at.y;
        EXPECT_EQ(info.flags, c.tab == -1 ? UINT{TCHT_NOWHERE} : UINT{TCHT_ONITEM});
    }
}

TEST_F(TabControlTest, AnItemRectOfNoTabIsRefusedAndStillSized) {
    Make(TCS_FIXEDWIDTH, 2);
    for (int index : {-1, 2}) {
        RECT r{-9, -9, -9, -9};
        EXPECT_EQ(Send(TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r)), FALSE);
        const RECT sized{0, 0, 0, 21};
        EXPECT_TRUE(EqualRect(&r, &sized));
    }
    EXPECT_EQ(Send(TCM_GETITEMRECT, 0, 0), TRUE) << "no rectangle to fill";
    EXPECT_EQ(Send(WM_GETDLGCODE), DLGC_WANTARROWS | DLGC_WANTCHARS);
}

// ---- Handles ----

TEST_F(TabControlTest, MessagesToANullOrDestroyedHandleAnswerNothing) {
    HWND gone = Make(0, 3);
    DestroyWindow(gone);
    ThePanel().tab = nullptr;
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<LPWSTR>(L"x");
    RECT r{};
    for (HWND target : {HWND{nullptr}, gone}) {
        EXPECT_EQ(SendMessageW(target, TCM_GETITEMCOUNT, 0, 0), 0);
        EXPECT_EQ(SendMessageW(target, TCM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)), 0);
        EXPECT_EQ(SendMessageW(target, TCM_SETCURSEL, 1, 0), 0);
        EXPECT_EQ(SendMessageW(target, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r)), 0);
        EXPECT_EQ(SendMessageW(target, TCM_DELETEALLITEMS, 0, 0), 0);
    }
    EXPECT_FALSE(IsWindow(gone));
}

}  // namespace
