// The toolbar's TB_* messages: their answers, what they change, where they lay the buttons and
// the toolbar out, and how they fail on buttons, handles and pointers that are not there.
#include "ToolbarFixture.h"

namespace {

using namespace toolbar_test;

struct Call {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

TEST_F(ToolbarTest, StateMessagesAnswerAndChangeAsThePlatformDoes) {
    struct Step {
        const char* name;
        Call call;
        LRESULT answer;
        int command = 0;  // whose state to read afterwards (0: none)
        LRESULT state = 0;
    };
    const Step steps[] = {
        {"count", {TB_BUTTONCOUNT, 0, 0}, 8},
        {"index of 103", {TB_COMMANDTOINDEX, 103, 0}, 3},
        {"index of an unknown command", {TB_COMMANDTOINDEX, 999, 0}, -1},
        {"a separator's command is 0", {TB_COMMANDTOINDEX, 0, 0}, 2},
        {"state of an unknown command", {TB_GETSTATE, 999, 0}, -1},
        {"checked group member", {TB_ISBUTTONCHECKED, 104, 0}, 1, 104, TBSTATE_ENABLED | TBSTATE_CHECKED},
        {"checked answers -1 for an unknown command", {TB_ISBUTTONCHECKED, 999, 0}, -1},
        {"enabled answers the state bit", {TB_ISBUTTONENABLED, 101, 0}, TBSTATE_ENABLED},
        {"disabled", {TB_ISBUTTONENABLED, 106, 0}, 0, 106, 0},
        {"enabled of an unknown command", {TB_ISBUTTONENABLED, 999, 0}, -1},
        {"checking a group member unchecks the others", {TB_CHECKBUTTON, 103, TRUE}, TRUE, 104, TBSTATE_ENABLED},
        {"  and checks it", {TB_GETSTATE, 103, 0}, TBSTATE_ENABLED | TBSTATE_CHECKED},
        {"checking the group's checked member again", {TB_CHECKBUTTON, 103, TRUE}, FALSE, 103, TBSTATE_ENABLED | TBSTATE_CHECKED},
        {"a plain button can be checked", {TB_CHECKBUTTON, 101, TRUE}, TRUE, 101, TBSTATE_ENABLED | TBSTATE_CHECKED},
        {"  and reads as checked", {TB_ISBUTTONCHECKED, 101, 0}, 1},
        {"unchecking", {TB_CHECKBUTTON, 101, FALSE}, TRUE, 101, TBSTATE_ENABLED},
        {"checking an unknown command", {TB_CHECKBUTTON, 999, TRUE}, FALSE},
        {"disabling", {TB_ENABLEBUTTON, 101, FALSE}, TRUE, 101, 0},
        {"enabling", {TB_ENABLEBUTTON, 101, TRUE}, TRUE, 101, TBSTATE_ENABLED},
        {"only the low word enables", {TB_ENABLEBUTTON, 101, 0x10000}, TRUE, 101, 0},
        {"enabling an unknown command", {TB_ENABLEBUTTON, 999, TRUE}, FALSE},
        {"pressing", {TB_PRESSBUTTON, 106, TRUE}, TRUE, 106, TBSTATE_PRESSED},
        {"pressed answers the state bit", {TB_ISBUTTONPRESSED, 106, 0}, TBSTATE_PRESSED},
        {"hiding", {TB_HIDEBUTTON, 102, TRUE}, TRUE, 102, TBSTATE_ENABLED | TBSTATE_HIDDEN},
        {"hidden answers the state bit", {TB_ISBUTTONHIDDEN, 102, 0}, TBSTATE_HIDDEN},
        {"setting a state whole", {TB_SETSTATE, 106, TBSTATE_ENABLED | TBSTATE_CHECKED}, TRUE, 106, TBSTATE_ENABLED | TBSTATE_CHECKED},
        {"setting an unknown command's state", {TB_SETSTATE, 999, TBSTATE_ENABLED}, FALSE},
        {"the structure size answers 0", {TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0}, 0},
    };
    MakeToolbar(0);
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        EXPECT_EQ(Send(s.call.message, s.call.wParam, s.call.lParam), s.answer);
        if (s.command) {
            EXPECT_EQ(StateOf(s.command), s.state);
        }
    }
}

TEST_F(ToolbarTest, ButtonsLieInOneRowAndSizesFollowTheImagesAsThePlatformLaysThemOut) {
    MakeToolbar(0);
    const RECT expected[] = {{0, 2, 23, 24}, {23, 2, 46, 24}, {46, 2, 54, 24}, {54, 2, 77, 24},
                             {77, 2, 100, 24}, {100, 2, 123, 24}, {123, 2, 146, 24}, {146, 2, 180, 24}};
    for (int i = 0; i < 8; ++i) {
        const RECT item = ItemRect(i);
        EXPECT_TRUE(EqualRect(&expected[i], &item)) << "item " << i;
    }
    RECT byCommand{};
    EXPECT_TRUE(Send(TB_GETRECT, 103, reinterpret_cast<LPARAM>(&byCommand)));
    EXPECT_TRUE(EqualRect(&byCommand, &expected[3]));
    EXPECT_FALSE(Send(TB_GETRECT, 999, reinterpret_cast<LPARAM>(&byCommand)));
    EXPECT_FALSE(Send(TB_GETITEMRECT, 8, reinterpret_cast<LPARAM>(&byCommand)));

    Send(TB_HIDEBUTTON, 102, TRUE);
    RECT hidden{};
    EXPECT_FALSE(Send(TB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&hidden))) << "a hidden button has no place";
    hidden = {1, 2, 3, 4};
    EXPECT_TRUE(Send(TB_GETRECT, 102, reinterpret_cast<LPARAM>(&hidden))) << "but by command an empty one";
    EXPECT_TRUE(IsRectEmpty(&hidden) && hidden.left == 0 && hidden.top == 0);
    EXPECT_EQ(ItemRect(2).left, 23) << "the next one moves up";
    Send(TB_HIDEBUTTON, 102, FALSE);

    Send(TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    EXPECT_EQ(ItemRect(5).right - ItemRect(5).left, 34) << "a drop-down button gains its arrow";
}

TEST_F(ToolbarTest, ButtonSizeIsAtLeastTheImageAndItsPadding) {
    struct Step {
        const char* name;
        UINT message;
        int cx, cy;
        int wantX, wantY;
    };
    const Step steps[] = {
        {"the default", TB_GETBUTTONSIZE, 0, 0, 23, 22},
        {"a larger image", TB_SETBITMAPSIZE, 24, 20, 31, 26},
        {"16x16 images", TB_SETBITMAPSIZE, 16, 16, 23, 22},
        {"a larger button", TB_SETBUTTONSIZE, 40, 30, 40, 30},
        {"a button smaller than its image", TB_SETBUTTONSIZE, 10, 10, 23, 22},
        {"zero asks for 24x22", TB_SETBUTTONSIZE, 0, 0, 24, 22},
    };
    MakeToolbar(0);
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        if (s.message != TB_GETBUTTONSIZE) {
            EXPECT_TRUE(Send(s.message, 0, MAKELONG(s.cx, s.cy)));
        }
        const LRESULT size = Send(TB_GETBUTTONSIZE);
        EXPECT_EQ(LOWORD(size), s.wantX);
        EXPECT_EQ(HIWORD(size), s.wantY);
        EXPECT_EQ(ItemRect(0).right, s.wantX);
        EXPECT_EQ(ItemRect(0).bottom, 2 + s.wantY);
    }
}

TEST_F(ToolbarTest, SeparatorsAreEightWideUnlessTheirImageIndexGivesAWidth) {
    const TBBUTTON buttons[] = {Make(0, 0, 0, BTNS_SEP), Make(20, 0, 0, BTNS_SEP), Make(0, 5, kOn, 0)};
    MakeToolbar(TBSTYLE_FLAT, buttons, 3);
    EXPECT_EQ(ItemRect(0).right, 8);
    EXPECT_EQ(ItemRect(1).right, 28);
    EXPECT_EQ(ItemRect(2).right, 51);
}

RECT PlaceOf(HWND window, HWND parent) {
    RECT r{};
    GetWindowRect(window, &r);
    POINT corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
    for (POINT& p : corners) ScreenToClient(parent, &p);
    return {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

TEST_F(ToolbarTest, TheToolbarSpansItsParentAtTheTopOrBottomAsItsStylesSay) {
    struct Case {
        const char* name;
        DWORD style;
        RECT place;
    };
    const Case cases[] = {
        {"top, with the divider above the client area", 0, {0, 0, 400, 28}},
        {"no divider", CCS_NODIVIDER, {0, 0, 400, 26}},
        {"bottom", CCS_BOTTOM, {0, 272, 400, 300}},
        {"neither moved nor sized", CCS_NORESIZE | CCS_NOPARENTALIGN, {5, 5, 55, 55}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | c.style, 5, 5, 50, 50, form_,
                                  nullptr, nullptr, nullptr);
        Send(TB_ADDBUTTONSW, 2, reinterpret_cast<LPARAM>(kButtons));
        Send(TB_AUTOSIZE);
        const RECT place = PlaceOf(toolbar, form_);
        EXPECT_TRUE(EqualRect(&place, &c.place)) << place.left << "," << place.top << "," << place.right << "," << place.bottom;
        RECT client{};
        GetClientRect(toolbar, &client);
        EXPECT_EQ(client.bottom, c.style & CCS_NORESIZE ? 48 : 26) << "the divider lies outside the client area";
        DestroyWindow(toolbar);
    }
}

TEST_F(ToolbarTest, AParentResizedIsFollowedOnlyWhenTheProgramSaysSo) {
    MakeToolbar(CCS_BOTTOM);
    SetWindowPos(form_, nullptr, 0, 0, 300, 250, SWP_NOMOVE | SWP_NOZORDER);
    RECT place = PlaceOf(toolbar, form_);
    EXPECT_EQ(place.top, 272) << "the toolbar does not watch its parent";
    SendMessageW(toolbar, WM_SIZE, 0, 0);
    place = PlaceOf(toolbar, form_);
    const RECT expected{0, 222, 300, 250};
    EXPECT_TRUE(EqualRect(&place, &expected));
    SetWindowPos(form_, nullptr, 0, 0, 320, 200, SWP_NOMOVE | SWP_NOZORDER);
    Send(TB_AUTOSIZE);
    place = PlaceOf(toolbar, form_);
    EXPECT_EQ(place.top, 172);
    EXPECT_EQ(place.right, 320);
}

TEST_F(ToolbarTest, AddBitmapAnswersTheFirstNewImageAndKnowsABitmapAddedBefore) {
    MakeToolbar(0);  // its strip of three holds images 0..2
    const HBITMAP other = Strip(), third = Strip(), fourth = Strip();
    TBADDBITMAP add{nullptr, reinterpret_cast<UINT_PTR>(other)};
    EXPECT_EQ(Send(TB_ADDBITMAP, 2, reinterpret_cast<LPARAM>(&add)), 3);
    EXPECT_EQ(Send(TB_ADDBITMAP, 2, reinterpret_cast<LPARAM>(&add)), 3) << "the same bitmap again";
    add.nID = reinterpret_cast<UINT_PTR>(third);
    EXPECT_EQ(Send(TB_ADDBITMAP, 0, reinterpret_cast<LPARAM>(&add)), 5) << "no images";
    add.nID = reinterpret_cast<UINT_PTR>(fourth);
    EXPECT_EQ(Send(TB_ADDBITMAP, 1, reinterpret_cast<LPARAM>(&add)), 5);
    EXPECT_EQ(Send(TB_ADDBITMAP, 1, 0), -1);
    add.nID = 0;
    EXPECT_EQ(Send(TB_ADDBITMAP, 1, reinterpret_cast<LPARAM>(&add)), -1);
}

TEST_F(ToolbarTest, TheStandardImagesComeOnceAndTheLargeOnesEnlargeTheButtons) {
    MakeToolbar(0);  // its strip holds images 0..2
    TBADDBITMAP standard{HINST_COMMCTRL, IDB_STD_SMALL_COLOR};
    EXPECT_EQ(Send(TB_ADDBITMAP, 0, reinterpret_cast<LPARAM>(&standard)), 3);
    EXPECT_EQ(Send(TB_ADDBITMAP, 0, reinterpret_cast<LPARAM>(&standard)), 3) << "once";
    EXPECT_EQ(Send(TB_GETBUTTONSIZE), MAKELONG(23, 22));
    TBADDBITMAP view{HINST_COMMCTRL, 4};  // IDB_VIEW_SMALL_COLOR
    EXPECT_EQ(Send(TB_ADDBITMAP, 0, reinterpret_cast<LPARAM>(&view)), -1) << "the view images are not kept";

    TBBUTTON save = Make(3 + STD_FILESAVE, 301, kOn, 0);
    Send(TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&save));
    Backend().PumpUntilIdle();
    const POINT middle = Middle(8);
    EXPECT_EQ(Pixel(middle.x, middle.y + 5), RGB(192, 192, 192)) << "the disk's shutter";
    EXPECT_EQ(Pixel(middle.x - 5, middle.y), RGB(0, 0, 170)) << "the disk";

    standard.nID = IDB_STD_LARGE_COLOR;
    EXPECT_EQ(Send(TB_ADDBITMAP, 0, reinterpret_cast<LPARAM>(&standard)), 18);
    EXPECT_EQ(Send(TB_GETBUTTONSIZE), MAKELONG(31, 30)) << "24x24 images";
}

TEST_F(ToolbarTest, InsertingAndDeletingKeepTheOrderAndTellTheParent) {
    MakeToolbar(0);
    TBBUTTON added = Make(0, 201, kOn, 0);
    EXPECT_TRUE(Send(TB_INSERTBUTTONW, 1, reinterpret_cast<LPARAM>(&added)));
    EXPECT_EQ(Send(TB_COMMANDTOINDEX, 201), 1);
    added.idCommand = 202;
    EXPECT_TRUE(Send(TB_INSERTBUTTONW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&added)));
    EXPECT_EQ(Send(TB_COMMANDTOINDEX, 202), 9) << "-1 appends";
    added.idCommand = 203;
    EXPECT_TRUE(Send(TB_INSERTBUTTONW, 99, reinterpret_cast<LPARAM>(&added)));
    EXPECT_EQ(Send(TB_COMMANDTOINDEX, 203), 10) << "past the end appends";
    EXPECT_FALSE(Send(TB_INSERTBUTTONW, 0, 0));
    EXPECT_EQ(ItemRect(2).left, 46) << "the buttons after it moved right";

    TBBUTTON got{};
    EXPECT_TRUE(Send(TB_GETBUTTON, 4, reinterpret_cast<LPARAM>(&got)));
    EXPECT_EQ(got.idCommand, 103);
    EXPECT_EQ(got.iBitmap, 2);
    EXPECT_EQ(got.fsStyle, BTNS_CHECKGROUP);
    EXPECT_EQ(got.dwData, 1030u);
    EXPECT_FALSE(Send(TB_GETBUTTON, 99, reinterpret_cast<LPARAM>(&got)));
    EXPECT_FALSE(Send(TB_GETBUTTON, 0, 0));

    heard.clear();
    EXPECT_TRUE(Send(TB_DELETEBUTTON, 1));
    EXPECT_TRUE(HeardExactly({Note(TBN_DELETINGBUTTON, 201)}));
    EXPECT_FALSE(Send(TB_DELETEBUTTON, 99));
    EXPECT_FALSE(Send(TB_DELETEBUTTON, static_cast<WPARAM>(-1)));
    EXPECT_EQ(Send(TB_BUTTONCOUNT), 10);
    EXPECT_EQ(ItemRect(1).left, 23);
    EXPECT_TRUE(Send(TB_ADDBUTTONSW, 0, reinterpret_cast<LPARAM>(kButtons)));
    EXPECT_FALSE(Send(TB_ADDBUTTONSW, 1, 0)) << "no list";
}

TEST_F(ToolbarTest, SetHotItemTellsTheParentAndKeepsOnlyAnEnabledButtonHot) {
    struct Step {
        const char* name;
        int index;
        LRESULT answer;
        int hotAfter;
        std::vector<Expect> heardThen;
    };
    const Step steps[] = {
        {"a button", 0, -1, 0, {Hot(0, 101, HICF_ENTERING)}},
        {"a separator", 2, 0, -1, {Hot(101, 0, HICF_OTHER)}},
        {"a disabled button is told of but not hot", 6, -1, -1, {Hot(0, 106, HICF_ENTERING)}},
        {"past the buttons changes nothing", 99, -1, -1, {}},
        {"another", 1, -1, 1, {Hot(0, 102, HICF_ENTERING)}},
        {"none", -1, 1, -1, {Hot(102, 0, HICF_LEAVING)}},
    };
    MakeToolbar(TBSTYLE_FLAT);
    EXPECT_EQ(Send(TB_GETHOTITEM), -1);
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        heard.clear();
        EXPECT_EQ(Send(TB_SETHOTITEM, static_cast<WPARAM>(s.index)), s.answer);
        EXPECT_EQ(Send(TB_GETHOTITEM), s.hotAfter);
        EXPECT_TRUE(HeardExactly(s.heardThen));
    }
}

TEST_F(ToolbarTest, TheParentMayRefuseAHotButton) {
    MakeToolbar(TBSTYLE_FLAT);
    answers.refuseHot = true;
    EXPECT_EQ(Send(TB_SETHOTITEM, 0), -1);
    EXPECT_EQ(Send(TB_GETHOTITEM), -1);
    answers.refuseHot = false;
    Send(TB_SETHOTITEM, 0);
    answers.refuseHot = true;
    EXPECT_EQ(Send(TB_SETHOTITEM, 1), 0);
    EXPECT_EQ(Send(TB_GETHOTITEM), 0) << "the hot button stays";
    answers.refuseHot = false;
}

TEST_F(ToolbarTest, ExtendedStyleAnswersTheOldOne) {
    MakeToolbar(0);
    EXPECT_EQ(Send(TB_GETEXTENDEDSTYLE), 0);
    EXPECT_EQ(Send(TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS), 0);
    EXPECT_EQ(Send(TB_GETEXTENDEDSTYLE), TBSTYLE_EX_DRAWDDARROWS);
    EXPECT_EQ(Send(TB_SETEXTENDEDSTYLE, 0, 0), TBSTYLE_EX_DRAWDDARROWS);
}

TEST_F(ToolbarTest, MessagesToAToolbarThatIsGoneFailQuietly) {
    EXPECT_EQ(SendMessageW(nullptr, TB_BUTTONCOUNT, 0, 0), 0);
    MakeToolbar(TBSTYLE_TOOLTIPS);
    const HWND gone = toolbar;
    DestroyWindow(gone);
    for (UINT message : {TB_BUTTONCOUNT, TB_ADDBUTTONSW, TB_GETTOOLTIPS, TB_AUTOSIZE, TB_GETITEMRECT})
        EXPECT_EQ(SendMessageW(gone, message, 1, 0), 0) << message;
}

}  // namespace

namespace {

using namespace toolbar_test;

int TextWidth(const wchar_t* text) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE size{};
    GetTextExtentPoint32W(dc, text, static_cast<int>(wcslen(text)), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size.cx;
}

TEST_F(ToolbarTest, LabelsMakeEveryButtonAsWideAsTheWidestAndALineTaller) {
    wchar_t open[] = L"Apri";
    TBBUTTON buttons[] = {Make(0, 101, kOn, 0), Make(1, 102, kOn, 0), Make(2, 103, 0, 0), Make(0, 0, 0, BTNS_SEP),
                          Make(1, 104, kOn, 0), Make(1, 105, kOn, 0)};
    buttons[0].iString = reinterpret_cast<INT_PTR>(open);
    buttons[1].iString = reinterpret_cast<INT_PTR>(L"Salva il file");
    buttons[2].iString = reinterpret_cast<INT_PTR>(L"X");
    buttons[4].iString = 2;  // an index into a list of strings, not a label
    buttons[5].iString = -1;  // no string
    MakeToolbar(0, buttons, 6);
    open[0] = L'?';  // the toolbar keeps its own copy

    const LRESULT size = Send(TB_GETBUTTONSIZE);
    EXPECT_EQ(LOWORD(size), TextWidth(L"Salva il file") + 6);
    EXPECT_GT(HIWORD(size), 22 + 8);
    for (int i : {0, 1, 2, 4}) EXPECT_EQ(ItemRect(i).right - ItemRect(i).left, LOWORD(size)) << i;
    RECT window{};
    GetWindowRect(toolbar, &window);
    EXPECT_EQ(window.bottom - window.top, HIWORD(size) + 6) << "the toolbar grows with its buttons";

    wchar_t text[32]{};
    EXPECT_EQ(Send(TB_GETBUTTONTEXTW, 101, reinterpret_cast<LPARAM>(text)), 4);
    EXPECT_STREQ(text, L"Apri");
    EXPECT_EQ(Send(TB_GETBUTTONTEXTW, 102), 13);
    EXPECT_EQ(Send(TB_GETBUTTONTEXTW, 104), 0);
    EXPECT_EQ(Send(TB_GETBUTTONTEXTW, 105), 0);
    EXPECT_EQ(Send(TB_GETBUTTONTEXTW, 999), -1);

    Backend().PumpUntilIdle();
    const RECT first = ItemRect(0);
    int ink = 0, inkAbove = 0;
    for (int y = first.top + 2; y < first.bottom - 2; ++y)
        for (int x = first.left + 2; x < first.right - 2; ++x)
            if (Pixel(x, y) == GetSysColor(COLOR_BTNTEXT)) ++(y > first.top + 3 + 15 ? ink : inkAbove);
    EXPECT_GT(ink, 5) << "the label is written below the image";
    EXPECT_EQ(inkAbove, 0);
}

}  // namespace
