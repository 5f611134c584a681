// The program's messages to a combo box. Rows are what the real platform (Wine) answered to the
// same messages in the same order, on each kind of box, but where a comment says why ours
// differs. None of these messages tells the parent anything.
#include <cwchar>

#include "ComboBoxFixture.h"
#include "controls/SystemClasses.h"

namespace combotest {
namespace {

// One message of a table: what it answers and what the box shows afterwards.
struct Step {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    const wchar_t* text;  // when given, the lParam
    LRESULT result;
    std::string after;    // "sel=.. text='..'"
};

std::string Shown(HWND combo) {
    return "sel=" + std::to_string(SendMessageW(combo, CB_GETCURSEL, 0, 0)) + " text='" + Narrow(TextOf(combo)) + "'";
}

void RunSteps(HWND combo, const std::vector<Step>& steps) {
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Step& s = steps[i];
        SCOPED_TRACE(testing::Message() << "step " << i << ", message 0x" << std::hex << s.message);
        const LPARAM lParam = s.text ? reinterpret_cast<LPARAM>(s.text) : s.lParam;
        EXPECT_EQ(SendMessageW(combo, s.message, s.wParam, lParam), s.result);
        EXPECT_EQ(Shown(combo), s.after);
    }
}

constexpr WPARAM kNone = static_cast<WPARAM>(-1);

int LineHeightOf(HFONT font) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return metrics.tmHeight;
}

int HeightOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r.bottom - r.top;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    return name;
}

const platform::SystemClass* FindClass(const wchar_t* name) {
    for (const platform::SystemClass& c : platform::ControlClasses())
        if (std::wcscmp(c.name, name) == 0) return &c;
    return nullptr;
}

TEST_F(ComboBoxTest, TheClassesHaveThePlatformsStylesAndCursor) {
    const platform::SystemClass* combo = FindClass(L"ComboBox");
    const platform::SystemClass* list = FindClass(L"ComboLBox");
    ASSERT_TRUE(combo && list);
    EXPECT_EQ(combo->style, 0x8Bu);  // CS_PARENTDC | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW
    EXPECT_EQ(list->style, 0x808u);  // CS_SAVEBITS | CS_DBLCLKS
    EXPECT_EQ(combo->cursor, IDC_ARROW);
    EXPECT_EQ(list->cursor, IDC_ARROW);
    EXPECT_EQ(list->proc, platform::ListBoxProc);
}

// ---- Size and parts ----

TEST_F(ComboBoxTest, TheWindowIsAsTallAsItsFieldAndTheHeightGivenIsTheListsRoom) {
    const int line = LineHeightOf(nullptr);
    for (DWORD kind : {CBS_DROPDOWNLIST, CBS_DROPDOWN}) {
        SCOPED_TRACE(kind);
        const bool edit = kind == CBS_DROPDOWN;
        for (int given : {150, 30, 10}) {
            HWND combo = CreateWindowExW(0, L"ComboBox", L"", WS_CHILD | WS_VISIBLE | kind, 64, 83, 150, given, panel_,
                                         nullptr, nullptr, nullptr);
            // The field is a line and two pixels above and below it; the window frames it with two more.
            EXPECT_EQ(SendMessageW(combo, CB_GETITEMHEIGHT, kNone, 0), line + 4);
            EXPECT_EQ(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0), line);
            EXPECT_EQ(HeightOf(combo), line + 8);
            // The list's room begins below the field, a pixel higher for the edit's shorter field.
            RECT dropped{};
            EXPECT_EQ(SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped)), CB_OKAY);
            const int room = std::max(0, given - (line + 8) + (edit ? 1 : 0));
            EXPECT_EQ(Text(dropped), Text({64, 83, 214, 83 + room})) << "made " << given << " high";
            DestroyWindow(combo);
        }
    }
}

TEST_F(ComboBoxTest, ANewHeightIsTheListsRoomAndANewWidthTheBoxs) {
    for (DWORD kind : {CBS_DROPDOWNLIST, CBS_DROPDOWN}) {
        HWND combo = Combo(kind);
        RECT dropped{};
        MoveWindow(combo, kLeft, kTop, kWidth, 300, TRUE);
        EXPECT_EQ(HeightOf(combo), kBoxHeight);
        SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
        EXPECT_EQ(Text(dropped), "(10,10,160,286)");
        SetWindowPos(combo, nullptr, 0, 0, kWidth, 80, SWP_NOMOVE | SWP_NOZORDER);
        SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
        EXPECT_EQ(Text(dropped), "(10,10,160,66)");
        // A field set higher keeps the room.
        SendMessageW(combo, CB_SETITEMHEIGHT, kNone, 20);
        SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
        EXPECT_EQ(Text(dropped), "(10,10,160,66)");
        MoveWindow(combo, kLeft, kTop, 300, 26, TRUE);
        EXPECT_EQ(RectFrom(combo, combo), "(0,0,300,26)");
        EXPECT_EQ(Text(InfoOf(combo).rcButton), "(281,2,298,24)");
        DestroyWindow(combo);
    }
}

TEST_F(ComboBoxTest, ThePartsAreWhereThePlatformPutsThem) {
    HWND list = Combo(CBS_DROPDOWNLIST);
    // The box takes away the scroll bar it was made with: the whole window is its client area.
    EXPECT_EQ(GetWindowLongW(list, GWL_STYLE), 0x50010003);
    RECT client{};
    GetClientRect(list, &client);
    EXPECT_EQ(Text(client), "(0,0,150,24)");
    COMBOBOXINFO info = InfoOf(list);
    EXPECT_EQ(Text(info.rcItem), "(2,2,131,22)");
    EXPECT_EQ(Text(info.rcButton), "(131,2,148,22)");
    EXPECT_EQ(info.stateButton, 0u);
    EXPECT_EQ(info.hwndCombo, list);
    EXPECT_EQ(info.hwndItem, nullptr);
    EXPECT_EQ(ClassOf(info.hwndList), L"ComboLBox");

    HWND editable = Combo(CBS_DROPDOWN | CBS_AUTOHSCROLL);
    EXPECT_EQ(GetWindowLongW(editable, GWL_STYLE), 0x50010042);
    info = InfoOf(editable);
    EXPECT_EQ(Text(info.rcItem), "(3,3,130,21)");
    EXPECT_EQ(Text(info.rcButton), "(131,2,148,22)");
    EXPECT_EQ(RectFrom(info.hwndItem, editable), "(3,3,130,21)");
    EXPECT_EQ(wcscasecmp(ClassOf(info.hwndItem).c_str(), L"Edit"), 0);
    EXPECT_EQ(GetDlgCtrlID(info.hwndItem), 1001);
    // WS_CHILD | WS_VISIBLE | ES_NOHIDESEL | ES_AUTOHSCROLL and the bit that marks a combo box's edit.
    EXPECT_EQ(GetWindowLongW(info.hwndItem, GWL_STYLE), 0x50000380);

    // A small table is not worth a fresh fixture for each window.
    info = InfoOf(InfoOf(Combo(CBS_DROPDOWN)).hwndCombo);
    EXPECT_EQ(GetWindowLongW(info.hwndItem, GWL_STYLE), 0x50000300);
    EXPECT_EQ(InfoOf(list).cbSize, sizeof(COMBOBOXINFO));
    COMBOBOXINFO small{};
    small.cbSize = 4;
    EXPECT_EQ(SendMessageW(list, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&small)), FALSE);
    EXPECT_EQ(SendMessageW(list, CB_GETCOMBOBOXINFO, 0, 0), FALSE);
}

// The platform makes the list a child of the desktop with WS_CHILD | WS_BORDER; ours is a pop-up
// owned by the box's window, drawing its own border (a desktop's window manager leaves a
// pop-up's frame undrawn). Its list box styles are the platform's.
TEST_F(ComboBoxTest, TheListIsAHiddenToolWindowWithTheListBoxStylesTheBoxsStylesAsk) {
    struct Row {
        DWORD style;
        LONG listStyles;
    };
    const Row rows[] = {{CBS_DROPDOWNLIST, 0x8041},
                        {CBS_DROPDOWN, 0x8041},
                        {CBS_DROPDOWNLIST | CBS_SORT | CBS_HASSTRINGS, 0x8043},
                        {CBS_DROPDOWNLIST | CBS_NOINTEGRALHEIGHT, 0x8141}};
    for (const Row& row : rows) {
        HWND combo = Combo(row.style);
        HWND list = ListOf(combo);
        EXPECT_EQ(GetWindowLongW(list, GWL_STYLE) & 0xFFFF, row.listStyles) << std::hex << row.style;
        EXPECT_EQ(GetWindowLongW(list, GWL_EXSTYLE), WS_EX_TOOLWINDOW);
        EXPECT_FALSE(IsWindowVisible(list));
        EXPECT_EQ(GetParent(list), panel_);
        DestroyWindow(combo);
        EXPECT_FALSE(IsWindow(list));
    }
}

// ---- Heights and font ----

TEST_F(ComboBoxTest, ItemHeightsAnswerForTheFieldAndForTheList) {
    struct Row {
        WPARAM which;
        LPARAM height;
        LRESULT result;
        int boxHeight, field, items;  // afterwards
    };
    // CB_SETITEMHEIGHT with 0 sets the list's items as the platform's documentation says; Wine
    // answers CB_ERR and leaves them unless the items are owner-drawn of varying heights. A
    // negative field height is refused; Wine took -5 and left a window one pixel high.
    const Row rows[] = {
        {kNone, 20, 20, 26, 22, 16},     {kNone, 0, 0, 6, 2, 16},         {kNone, 300, 300, 306, 302, 16},
        {kNone, 32768, CB_ERR, 306, 302, 16}, {static_cast<WPARAM>(-2), 30, CB_ERR, 306, 302, 16},
        {kNone, -5, CB_ERR, 306, 302, 16}, {3, 30, CB_ERR, 306, 302, 16},   {0, 20, 0, 306, 302, 20},
        {0, 300, CB_ERR, 306, 302, 20},    {kNone, 18, 18, 24, 20, 20},
    };
    for (DWORD kind : {CBS_DROPDOWNLIST, CBS_DROPDOWN}) {
        HWND combo = Combo(kind);
        for (const Row& row : rows) {
            SCOPED_TRACE(testing::Message() << "kind " << kind << ", which " << static_cast<int>(row.which)
                                            << ", height " << row.height);
            EXPECT_EQ(SendMessageW(combo, CB_SETITEMHEIGHT, row.which, row.height), row.result);
            EXPECT_EQ(HeightOf(combo), row.boxHeight);
            EXPECT_EQ(SendMessageW(combo, CB_GETITEMHEIGHT, kNone, 0), row.field);
            EXPECT_EQ(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0), row.items);
            // Any other index asks as its sign says.
            EXPECT_EQ(SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-2), 0), row.field);
            EXPECT_EQ(SendMessageW(combo, CB_GETITEMHEIGHT, 5, 0), row.items);
        }
        EXPECT_TRUE(Told().empty());
        DestroyWindow(combo);
    }
}

TEST_F(ComboBoxTest, AFontSizesTheFieldAfreshAndGoesToTheEditAndTheList) {
    HFONT small = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, L"Sans");
    HFONT big = CreateFontW(-27, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, L"Sans");
    for (DWORD kind : {CBS_DROPDOWNLIST, CBS_DROPDOWN}) {
        HWND combo = Combo(kind);
        EXPECT_EQ(SendMessageW(combo, WM_GETFONT, 0, 0), 0);
        for (HFONT font : {small, big}) {
            // A height set before gives way to the font's, as on the platform.
            SendMessageW(combo, CB_SETITEMHEIGHT, kNone, 10);
            SendMessageW(combo, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
            const int line = LineHeightOf(font);
            EXPECT_EQ(HeightOf(combo), line + 8);
            EXPECT_EQ(SendMessageW(combo, CB_GETITEMHEIGHT, kNone, 0), line + 4);
            EXPECT_EQ(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0), line);
            EXPECT_EQ(SendMessageW(combo, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(font));
            EXPECT_EQ(SendMessageW(ListOf(combo), WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(font));
            if (HWND edit = EditOf(combo)) {
                EXPECT_EQ(SendMessageW(edit, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(font));
                EXPECT_EQ(RectFrom(edit, combo), Text({3, 3, 130, line + 5}));
            }
        }
        DestroyWindow(combo);
    }
    DeleteObject(small);
    DeleteObject(big);
}

// ---- Items and the selection ----

// The probes' sequence; the edit keeps its text when the selected item goes, a drop-down
// list's field empties.
std::vector<Step> ItemSteps(bool edit) {
    return {
        {CB_GETCOUNT, 0, 0, nullptr, 0, "sel=-1 text=''"},
        {CB_ADDSTRING, 0, 0, L"banana", 0, "sel=-1 text=''"},
        {CB_ADDSTRING, 0, 0, L"apple", 1, "sel=-1 text=''"},
        {CB_ADDSTRING, 0, 0, L"cherry", 2, "sel=-1 text=''"},
        {CB_INSERTSTRING, kNone, 0, L"date", 3, "sel=-1 text=''"},
        {CB_INSERTSTRING, 1, 0, L"elder", 1, "sel=-1 text=''"},
        {CB_INSERTSTRING, 5, 0, L"fig", 5, "sel=-1 text=''"},
        {CB_INSERTSTRING, 7, 0, L"grape", CB_ERR, "sel=-1 text=''"},
        {CB_INSERTSTRING, static_cast<WPARAM>(-2), 0, L"x", CB_ERR, "sel=-1 text=''"},
        {CB_GETCOUNT, 0, 0, nullptr, 6, "sel=-1 text=''"},
        {CB_GETLBTEXTLEN, kNone, 0, nullptr, CB_ERR, "sel=-1 text=''"},
        {CB_GETLBTEXTLEN, 0, 0, nullptr, 6, "sel=-1 text=''"},
        {CB_GETLBTEXTLEN, 6, 0, nullptr, CB_ERR, "sel=-1 text=''"},
        {CB_GETLBTEXT, 0, 0, nullptr, 6, "sel=-1 text=''"},  // no buffer: the length
        {CB_SETCURSEL, 2, 0, nullptr, 2, "sel=2 text='apple'"},
        {CB_SETCURSEL, 10, 0, nullptr, CB_ERR, "sel=2 text='apple'"},
        {CB_SETCURSEL, kNone, 0, nullptr, CB_ERR, "sel=-1 text=''"},
        {CB_SETCURSEL, static_cast<WPARAM>(-2), 0, nullptr, CB_ERR, "sel=-1 text=''"},
        {CB_SETCURSEL, 1, 0, nullptr, 1, "sel=1 text='elder'"},
        {CB_FINDSTRING, kNone, 0, L"c", 3, "sel=1 text='elder'"},
        {CB_FINDSTRING, kNone, 0, L"CH", 3, "sel=1 text='elder'"},
        {CB_FINDSTRING, 2, 0, L"c", 3, "sel=1 text='elder'"},
        {CB_FINDSTRING, kNone, 0, L"zz", CB_ERR, "sel=1 text='elder'"},
        {CB_FINDSTRING, kNone, 0, L"", CB_ERR, "sel=1 text='elder'"},
        {CB_FINDSTRING, 10, 0, L"a", 2, "sel=1 text='elder'"},
        {CB_FINDSTRING, kNone, 0, nullptr, CB_ERR, "sel=1 text='elder'"},
        {CB_FINDSTRINGEXACT, kNone, 0, L"cherry", 3, "sel=1 text='elder'"},
        {CB_FINDSTRINGEXACT, kNone, 0, L"CHERRY", 3, "sel=1 text='elder'"},
        {CB_FINDSTRINGEXACT, kNone, 0, L"cher", CB_ERR, "sel=1 text='elder'"},
        {CB_FINDSTRINGEXACT, 3, 0, L"banana", 0, "sel=1 text='elder'"},
        {CB_SELECTSTRING, kNone, 0, L"d", 4, "sel=4 text='date'"},
        {CB_SELECTSTRING, kNone, 0, L"zz", CB_ERR, "sel=4 text='date'"},
        {CB_SELECTSTRING, kNone, 0, L"", CB_ERR, "sel=4 text='date'"},
        {CB_SETITEMDATA, 1, 1234, nullptr, TRUE, "sel=4 text='date'"},
        {CB_GETITEMDATA, 1, 0, nullptr, 1234, "sel=4 text='date'"},
        {CB_GETITEMDATA, 0, 0, nullptr, 0, "sel=4 text='date'"},
        {CB_SETITEMDATA, 9, 5, nullptr, CB_ERR, "sel=4 text='date'"},
        {CB_GETITEMDATA, 9, 0, nullptr, CB_ERR, "sel=4 text='date'"},
        {CB_SETITEMDATA, kNone, 77, nullptr, CB_ERR, "sel=4 text='date'"},
        {CB_GETITEMDATA, 2, 0, nullptr, 0, "sel=4 text='date'"},
        {CB_SETCURSEL, 1, 0, nullptr, 1, "sel=1 text='elder'"},
        {CB_DELETESTRING, 1, 0, nullptr, 5, edit ? "sel=-1 text='elder'" : "sel=-1 text=''"},
        {CB_SETCURSEL, 3, 0, nullptr, 3, "sel=3 text='date'"},
        {CB_DELETESTRING, 0, 0, nullptr, 4, "sel=2 text='date'"},
        {CB_DELETESTRING, 10, 0, nullptr, CB_ERR, "sel=2 text='date'"},
        {CB_DELETESTRING, kNone, 0, nullptr, CB_ERR, "sel=2 text='date'"},
        {CB_GETCOUNT, 0, 0, nullptr, 4, "sel=2 text='date'"},
        {CB_RESETCONTENT, 0, 0, nullptr, TRUE, "sel=-1 text=''"},
        {CB_GETCOUNT, 0, 0, nullptr, 0, "sel=-1 text=''"},
    };
}

TEST_F(ComboBoxTest, TheItemMessagesAnswerAsTheListsAndTheFieldFollowsTheSelection) {
    for (DWORD kind : {CBS_DROPDOWNLIST, CBS_DROPDOWN, CBS_DROPDOWN | CBS_AUTOHSCROLL}) {
        SCOPED_TRACE(testing::Message() << "style 0x" << std::hex << kind);
        HWND combo = Combo(kind);
        RunSteps(combo, ItemSteps(kind != CBS_DROPDOWNLIST));
        EXPECT_TRUE(Told().empty());
        DestroyWindow(combo);
    }
}

TEST_F(ComboBoxTest, ASortedBoxAddsInOrderButInsertsWhereItIsTold) {
    HWND combo = Combo(CBS_DROPDOWNLIST | CBS_SORT | CBS_HASSTRINGS);
    RunSteps(combo, {
        {CB_ADDSTRING, 0, 0, L"banana", 0, "sel=-1 text=''"},
        {CB_ADDSTRING, 0, 0, L"apple", 0, "sel=-1 text=''"},
        {CB_ADDSTRING, 0, 0, L"cherry", 2, "sel=-1 text=''"},
        {CB_INSERTSTRING, kNone, 0, L"date", 3, "sel=-1 text=''"},
        {CB_INSERTSTRING, 1, 0, L"elder", 1, "sel=-1 text=''"},
        {CB_SETCURSEL, 2, 0, nullptr, 2, "sel=2 text='banana'"},
        {CB_FINDSTRING, 10, 0, L"a", 0, "sel=2 text='banana'"},
        {CB_FINDSTRINGEXACT, 3, 0, L"banana", 2, "sel=2 text='banana'"},
    });
}

// ---- The field's text ----

TEST_F(ComboBoxTest, ADropDownListsTextIsItsSelectionWhichWmSetTextCannotChange) {
    HWND combo = Combo(CBS_DROPDOWNLIST, 4);
    SendMessageW(combo, CB_SETCURSEL, 1, 0);
    RunSteps(combo, {
        {WM_SETTEXT, 0, 0, L"hello world", CB_ERR, "sel=1 text='item01'"},
        {WM_SETTEXT, 0, 0, L"item02", CB_ERR, "sel=1 text='item01'"},
        {WM_GETTEXTLENGTH, 0, 0, nullptr, 6, "sel=1 text='item01'"},
        {CB_LIMITTEXT, 5, 0, nullptr, TRUE, "sel=1 text='item01'"},
        {CB_GETEDITSEL, 0, 0, nullptr, CB_ERR, "sel=1 text='item01'"},
        {CB_SETEDITSEL, 0, MAKELPARAM(1, 3), nullptr, CB_ERR, "sel=1 text='item01'"},
    });
    // A buffer too short takes what fits and, on the platform, is answered with its size.
    wchar_t buffer[8] = {};
    EXPECT_EQ(SendMessageW(combo, WM_GETTEXT, 4, reinterpret_cast<LPARAM>(buffer)), 4);
    EXPECT_STREQ(buffer, L"ite");
    EXPECT_EQ(SendMessageW(combo, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(buffer)), 0);
    EXPECT_EQ(SendMessageW(combo, WM_GETTEXT, 7, reinterpret_cast<LPARAM>(buffer)), 6);
    EXPECT_STREQ(buffer, L"item01");
    DWORD start = 99, end = 99;
    EXPECT_EQ(SendMessageW(combo, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end)),
              CB_ERR);
    EXPECT_EQ(start + end, 198u);
    SendMessageW(combo, CB_SETCURSEL, kNone, 0);
    EXPECT_EQ(SendMessageW(combo, WM_GETTEXT, 7, reinterpret_cast<LPARAM>(buffer)), 0);
    EXPECT_STREQ(buffer, L"");
    EXPECT_EQ(SendMessageW(combo, WM_GETTEXTLENGTH, 0, 0), 0);
    EXPECT_TRUE(Told().empty());
}

TEST_F(ComboBoxTest, AnEditsTextIsItsOwnAndTheSelectionStaysWhereItWas) {
    HWND combo = Combo(CBS_DROPDOWN | CBS_AUTOHSCROLL, 5);
    SendMessageW(combo, CB_SETCURSEL, 4, 0);
    RunSteps(combo, {
        {CB_LIMITTEXT, 5, 0, nullptr, 0, "sel=4 text='item04'"},
        {CB_GETEDITSEL, 0, 0, nullptr, 0, "sel=4 text='item04'"},
        {CB_SETEDITSEL, 0, MAKELPARAM(1, 3), nullptr, TRUE, "sel=4 text='item04'"},
        {CB_GETEDITSEL, 0, 0, nullptr, MAKELONG(1, 3), "sel=4 text='item04'"},
        // A start of -1 takes the selection away and leaves the caret.
        {CB_SETEDITSEL, 0, MAKELPARAM(-1, 0), nullptr, TRUE, "sel=4 text='item04'"},
        {CB_GETEDITSEL, 0, 0, nullptr, MAKELONG(3, 3), "sel=4 text='item04'"},
        {WM_SETTEXT, 0, 0, L"hello world", TRUE, "sel=4 text='hello world'"},
        {WM_SETTEXT, 0, 0, L"item02", TRUE, "sel=4 text='item02'"},
        {WM_SETTEXT, 0, 0, L"", TRUE, "sel=4 text=''"},
        {CB_SETCURSEL, 1, 0, nullptr, 1, "sel=1 text='item01'"},
    });
    wchar_t buffer[8] = {};
    EXPECT_EQ(SendMessageW(combo, WM_GETTEXT, 4, reinterpret_cast<LPARAM>(buffer)), 3);
    EXPECT_STREQ(buffer, L"ite");
    DWORD start = 99, end = 99;
    SendMessageW(combo, CB_SETEDITSEL, 0, MAKELPARAM(1, 3));
    EXPECT_EQ(SendMessageW(combo, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end)),
              MAKELONG(1, 3));
    EXPECT_EQ(start, 1u);
    EXPECT_EQ(end, 3u);
    EXPECT_TRUE(Told().empty());
}

// ---- The list's view and the box's settings ----

TEST_F(ComboBoxTest, SettingsAnswerAsThePlatformsDo) {
    HWND combo = Combo(CBS_DROPDOWNLIST, 20);
    struct Row {
        UINT set;
        WPARAM value;
        LRESULT result;
        UINT get;
        LRESULT got;
    };
    const Row rows[] = {
        {CB_SETEXTENDEDUI, 1, CB_OKAY, CB_GETEXTENDEDUI, TRUE},
        {CB_SETEXTENDEDUI, 5, CB_OKAY, CB_GETEXTENDEDUI, TRUE},
        {CB_SETEXTENDEDUI, 0, CB_OKAY, CB_GETEXTENDEDUI, FALSE},
        // Narrower than the box is the box's width, and so is 0; from 32768 up is refused.
        {CB_SETDROPPEDWIDTH, 100, 150, CB_GETDROPPEDWIDTH, 150},
        {CB_SETDROPPEDWIDTH, 250, 250, CB_GETDROPPEDWIDTH, 250},
        {CB_SETDROPPEDWIDTH, 40000, CB_ERR, CB_GETDROPPEDWIDTH, 250},
        {CB_SETDROPPEDWIDTH, 0, 150, CB_GETDROPPEDWIDTH, 150},
        {CB_SETDROPPEDWIDTH, 149, 150, CB_GETDROPPEDWIDTH, 150},
        {CB_SETDROPPEDWIDTH, kNone, 150, CB_GETDROPPEDWIDTH, 150},
        // Wine answers 0 and moves nothing, which leaves the message undone; ours shows the item
        // at the top as the platform's documentation has it.
        {CB_SETTOPINDEX, 5, 0, CB_GETTOPINDEX, 5},
        {CB_SETTOPINDEX, 30, 0, CB_GETTOPINDEX, 13},
        // Choosing an item puts it at the top, as far as the list goes.
        {CB_SETCURSEL, 15, 15, CB_GETTOPINDEX, 13},
        {CB_SETCURSEL, 2, 2, CB_GETTOPINDEX, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "message 0x" << std::hex << row.set << std::dec << " with "
                                        << static_cast<int>(row.value));
        EXPECT_EQ(SendMessageW(combo, row.set, row.value, 0), row.result);
        EXPECT_EQ(SendMessageW(combo, row.get, 0, 0), row.got);
    }
    // A width set stays when the box grows past it; the list is then as wide as the box.
    SendMessageW(combo, CB_SETDROPPEDWIDTH, 250, 0);
    MoveWindow(combo, kLeft, kTop, 300, 150, TRUE);
    EXPECT_EQ(SendMessageW(combo, CB_GETDROPPEDWIDTH, 0, 0), 250);
    RECT dropped{};
    SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_EQ(dropped.right - dropped.left, 300);
    EXPECT_EQ(SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, 0), CB_OKAY);
    EXPECT_TRUE(Told().empty());
}

TEST_F(ComboBoxTest, EnterAndEscapeAreTheBoxsOnlyWhileItsListIsOpen) {
    for (DWORD kind : {CBS_DROPDOWNLIST, CBS_DROPDOWN}) {
        HWND combo = Combo(kind, 3);
        HWND edit = EditOf(combo);
        MSG enter{combo, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
        MSG escape{combo, WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
        MSG tab{combo, WM_KEYDOWN, VK_TAB, 0, 0, {}};
        auto code = [](HWND window, MSG* msg) {
            return SendMessageW(window, WM_GETDLGCODE, msg ? msg->wParam : 0, reinterpret_cast<LPARAM>(msg));
        };
        EXPECT_EQ(code(combo, nullptr), DLGC_WANTARROWS | DLGC_WANTCHARS);
        EXPECT_EQ(code(combo, &enter), DLGC_WANTARROWS | DLGC_WANTCHARS);
        if (edit) {
            EXPECT_EQ(code(edit, &enter), DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL);
        }
        SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
        for (MSG* msg : {&enter, &escape}) EXPECT_EQ(code(combo, msg), 0x85);
        EXPECT_EQ(code(combo, &tab), 0x81);
        if (edit) {
            EXPECT_EQ(code(edit, &enter), 0x8D);
        }
        SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
        DestroyWindow(combo);
    }
}

TEST_F(ComboBoxTest, AGoneBoxAnswersNothingAndItsListGoesWithIt) {
    HWND combo = Combo(CBS_DROPDOWN, 3);
    HWND list = ListOf(combo);
    HWND edit = EditOf(combo);
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    ASSERT_EQ(GetCapture(), list);
    DestroyWindow(combo);
    EXPECT_FALSE(IsWindow(list));
    EXPECT_FALSE(IsWindow(edit));
    EXPECT_EQ(GetCapture(), nullptr);
    for (UINT message : {CB_ADDSTRING, CB_GETCOUNT, CB_SHOWDROPDOWN, CB_GETCOMBOBOXINFO, WM_GETTEXTLENGTH})
        EXPECT_EQ(SendMessageW(combo, message, 1, 0), 0);
    EXPECT_EQ(SendMessageW(nullptr, CB_GETCOUNT, 0, 0), 0);
}

// The toolkit's combo box element makes and works its control so; each step must hold.
TEST_F(ComboBoxTest, WhatTheToolkitsElementSendsIsAnswered) {
    const DWORD styles[] = {CBS_DROPDOWNLIST, CBS_DROPDOWN | CBS_AUTOHSCROLL, CBS_DROPDOWNLIST | CBS_SORT};
    for (DWORD kind : styles) {
        HWND combo = CreateWindowExW(0, L"ComboBox", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | kind, 0, 0,
                                     160, 150, panel_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kId)), nullptr,
                                     nullptr);
        ASSERT_NE(combo, nullptr);
        EXPECT_EQ(SendMessageW(combo, CB_SETITEMHEIGHT, kNone, 22), 22);
        SendMessageW(combo, CB_SETITEMHEIGHT, 0, 22);
        EXPECT_EQ(HeightOf(combo), 28);
        EXPECT_EQ(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0), 22);
        for (const wchar_t* item : {L"Zeta", L"Alpha", L"Mu"}) SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        EXPECT_EQ(SendMessageW(combo, CB_SETCURSEL, 1, 0), 1);
        EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 1);
        EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 3);
        const std::wstring second = (kind & CBS_SORT) ? L"Mu" : L"Alpha";
        wchar_t text[8] = {};
        EXPECT_EQ(SendMessageW(combo, CB_GETLBTEXTLEN, 1, 0), static_cast<LRESULT>(second.size()));
        EXPECT_EQ(SendMessageW(combo, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(text)), static_cast<LRESULT>(second.size()));
        EXPECT_EQ(text, second);
        EXPECT_EQ(TextOf(combo), second);
        DestroyWindow(combo);
    }
}

}  // namespace
}  // namespace combotest
