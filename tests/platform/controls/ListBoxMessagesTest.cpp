// The "ListBox" control's messages from a program: what each answers for good and bad indexes
// in single- and multiple-selection boxes, and what it does to the selection, the caret, the
// anchor and the top item. Every row is what the real platform (Wine) printed for the same
// steps, but where a comment says why ours differs.
#include <vector>

#include "ListBoxFixture.h"

namespace listboxtest {
namespace {

const LPARAM kNone = 0;

TEST_F(ListBoxTest, ASingleSelectionBoxAnswersAsThePlatformDoes) {
    HWND box = Box(LBS_NOINTEGRALHEIGHT, 100, 0, 6);
    ASSERT_EQ(Dump(box), "cur=-1 caret=0 anchor=-1 top=0 sel=[000000]");
    RunSteps(box, {
        {LB_SETCARETINDEX, 2, 0, 0, "cur=-1 caret=2 anchor=-1 top=0 sel=[000000]"},
        {LB_INSERTSTRING, 0, kNone, 0, "cur=-1 caret=2 anchor=-1 top=0 sel=[0000000]", L"a"},
        {LB_INSERTSTRING, 5, kNone, 5, "cur=-1 caret=2 anchor=-1 top=0 sel=[00000000]", L"b"},
        {LB_DELETESTRING, 0, 0, 7, "cur=-1 caret=2 anchor=-1 top=0 sel=[0000000]"},
        {LB_DELETESTRING, 4, 0, 6, "cur=-1 caret=2 anchor=-1 top=0 sel=[000000]"},
        {LB_SETSEL, TRUE, 4, 0, "cur=4 caret=4 anchor=4 top=0 sel=[000010]"},
        {LB_SETSEL, TRUE, 2, 0, "cur=2 caret=2 anchor=2 top=0 sel=[001000]"},
        // Wine keeps item 2 selected here, and the next row selects item 4: a request to
        // deselect that selects. Ours deselects the selected item and leaves others alone.
        {LB_SETSEL, FALSE, 2, 0, "cur=-1 caret=2 anchor=2 top=0 sel=[000000]"},
        {LB_SETSEL, FALSE, 4, 0, "cur=-1 caret=2 anchor=2 top=0 sel=[000000]"},
        {LB_SETSEL, TRUE, 1, 0, "cur=1 caret=1 anchor=1 top=0 sel=[010000]"},
        {LB_SETSEL, FALSE, -1, 0, "cur=-1 caret=1 anchor=1 top=0 sel=[000000]"},
        {LB_SETSEL, TRUE, 3, 0, "cur=3 caret=3 anchor=3 top=0 sel=[000100]"},
        {LB_SETSEL, TRUE, -1, 0, "cur=-1 caret=3 anchor=-1 top=0 sel=[000000]"},
        {LB_INSERTSTRING, 0, kNone, 0, "cur=-1 caret=3 anchor=-1 top=0 sel=[0000000]", L"c"},
        {LB_INSERTSTRING, 4, kNone, 4, "cur=-1 caret=3 anchor=-1 top=0 sel=[00000000]", L"d"},
        {LB_DELETESTRING, 4, 0, 7, "cur=-1 caret=3 anchor=-1 top=0 sel=[0000000]"},
        {LB_DELETESTRING, 0, 0, 6, "cur=-1 caret=3 anchor=-1 top=0 sel=[000000]"},
        {LB_SETCURSEL, 5, 0, 5, "cur=5 caret=5 anchor=-1 top=0 sel=[000001]"},
        {LB_DELETESTRING, 5, 0, 5, "cur=-1 caret=4 anchor=-1 top=0 sel=[00000]"},
        {LB_SETCURSEL, 2, 0, 2, "cur=2 caret=2 anchor=-1 top=0 sel=[00100]"},
        {LB_INSERTSTRING, 2, kNone, 2, "cur=3 caret=2 anchor=-1 top=0 sel=[000100]", L"e"},
        {LB_ADDSTRING, 0, kNone, 6, "cur=3 caret=2 anchor=-1 top=0 sel=[0001000]", L"f"},
        {LB_SETANCHORINDEX, 1, 0, 0, "cur=3 caret=2 anchor=1 top=0 sel=[0001000]"},
        {LB_SETCARETINDEX, 4, 0, LB_ERR, "cur=3 caret=2 anchor=1 top=0 sel=[0001000]"},
        {LB_SELITEMRANGE, TRUE, MAKELPARAM(0, 1), LB_ERR, "cur=3 caret=2 anchor=1 top=0 sel=[0001000]"},
        {LB_SELITEMRANGEEX, 4, 5, LB_ERR, "cur=3 caret=2 anchor=1 top=0 sel=[0001000]"},
        {LB_SETCURSEL, static_cast<WPARAM>(-1), 0, LB_ERR, "cur=-1 caret=2 anchor=1 top=0 sel=[0000000]"},
    });
}

TEST_F(ListBoxTest, MultipleAndExtendedSelectionBoxesAnswerAsThePlatformDoes) {
    for (DWORD kind : {LBS_MULTIPLESEL, LBS_EXTENDEDSEL}) {
        SCOPED_TRACE(kind == LBS_MULTIPLESEL ? "multiple" : "extended");
        HWND box = Box(kind | LBS_NOINTEGRALHEIGHT, 100, 0, 6);
        ASSERT_EQ(Dump(box), "cur=0 caret=0 anchor=-1 top=0 sel=[000000]");
        RunSteps(box, {
            {LB_SETCARETINDEX, 2, 0, 0, "cur=2 caret=2 anchor=-1 top=0 sel=[000000]"},
            {LB_INSERTSTRING, 0, kNone, 0, "cur=2 caret=2 anchor=-1 top=0 sel=[0000000]", L"a"},
            {LB_DELETESTRING, 0, 0, 6, "cur=2 caret=2 anchor=-1 top=0 sel=[000000]"},
            {LB_SETSEL, TRUE, 4, 0, "cur=4 caret=4 anchor=4 top=0 sel=[000010]"},
            {LB_SETSEL, TRUE, 2, 0, "cur=2 caret=2 anchor=2 top=0 sel=[001010]"},
            {LB_SETSEL, FALSE, 2, 0, "cur=2 caret=2 anchor=2 top=0 sel=[000010]"},
            {LB_SETSEL, FALSE, 4, 0, "cur=2 caret=2 anchor=2 top=0 sel=[000000]"},
            {LB_SETSEL, TRUE, 1, 0, "cur=1 caret=1 anchor=1 top=0 sel=[010000]"},
            {LB_SETSEL, FALSE, -1, 0, "cur=1 caret=1 anchor=1 top=0 sel=[000000]"},
            {LB_SETSEL, TRUE, 3, 0, "cur=3 caret=3 anchor=3 top=0 sel=[000100]"},
            {LB_SETSEL, TRUE, -1, 0, "cur=3 caret=3 anchor=-1 top=0 sel=[111111]"},
            {LB_INSERTSTRING, 0, kNone, 0, "cur=3 caret=3 anchor=-1 top=0 sel=[0111111]", L"c"},
            {LB_INSERTSTRING, 4, kNone, 4, "cur=3 caret=3 anchor=-1 top=0 sel=[01110111]", L"d"},
            {LB_DELETESTRING, 4, 0, 7, "cur=3 caret=3 anchor=-1 top=0 sel=[0111111]"},
            {LB_DELETESTRING, 0, 0, 6, "cur=3 caret=3 anchor=-1 top=0 sel=[111111]"},
            {LB_SETCURSEL, 5, 0, LB_ERR, "cur=3 caret=3 anchor=-1 top=0 sel=[111111]"},
            {LB_DELETESTRING, 5, 0, 5, "cur=3 caret=3 anchor=-1 top=0 sel=[11111]"},
            {LB_INSERTSTRING, 2, kNone, 2, "cur=3 caret=3 anchor=-1 top=0 sel=[110111]", L"e"},
            {LB_ADDSTRING, 0, kNone, 6, "cur=3 caret=3 anchor=-1 top=0 sel=[1101110]", L"f"},
            {LB_SETANCHORINDEX, 1, 0, 0, "cur=3 caret=3 anchor=1 top=0 sel=[1101110]"},
            {LB_SETCARETINDEX, 4, 0, 0, "cur=4 caret=4 anchor=1 top=0 sel=[1101110]"},
            {LB_SELITEMRANGEEX, 4, 5, 0, "cur=4 caret=4 anchor=1 top=0 sel=[1101110]"},
            {LB_SELITEMRANGEEX, 5, 4, 0, "cur=4 caret=4 anchor=1 top=0 sel=[1101000]"},
            {LB_SETCURSEL, static_cast<WPARAM>(-1), 0, LB_ERR, "cur=4 caret=4 anchor=1 top=0 sel=[1101000]"},
            {LB_SETSEL, FALSE, 3, 0, "cur=4 caret=4 anchor=1 top=0 sel=[1100000]"},
            {LB_SELITEMRANGE, TRUE, MAKELPARAM(3, 1), 0, "cur=4 caret=4 anchor=1 top=0 sel=[1111000]"},
            {LB_SELITEMRANGE, TRUE, MAKELPARAM(5, 99), 0, "cur=4 caret=4 anchor=1 top=0 sel=[1111011]"},
            {LB_SELITEMRANGE, TRUE, MAKELPARAM(50, 99), 0, "cur=4 caret=4 anchor=1 top=0 sel=[1111011]"},
            {LB_SELITEMRANGEEX, static_cast<WPARAM>(-1), 1, 0, "cur=4 caret=4 anchor=1 top=0 sel=[1111011]"},
            {LB_SELITEMRANGEEX, 99, 0, 0, "cur=4 caret=4 anchor=1 top=0 sel=[0000000]"},
            {LB_RESETCONTENT, 0, 0, 0, "cur=-1 caret=0 anchor=-1 top=0 sel=[]"},
        });
        DestroyWindow(box);
    }
}

// Answers that need no history: an empty box, and indexes outside a full one.
TEST_F(ListBoxTest, BadIndexesAreRefusedWithLbErr) {
    struct Case {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        LRESULT single;
        LRESULT multiple;
    };
    wchar_t buffer[32];
    const LPARAM text = reinterpret_cast<LPARAM>(L"a");
    const LPARAM out = reinterpret_cast<LPARAM>(buffer);
    const Case empty[] = {
        {LB_GETCOUNT, 0, 0, 0, 0}, {LB_GETCURSEL, 0, 0, LB_ERR, LB_ERR}, {LB_GETCARETINDEX, 0, 0, 0, 0},
        {LB_GETANCHORINDEX, 0, 0, LB_ERR, LB_ERR}, {LB_GETTOPINDEX, 0, 0, 0, 0},
        {LB_GETSELCOUNT, 0, 0, LB_ERR, 0}, {LB_SETCURSEL, 0, 0, LB_ERR, LB_ERR},
        {LB_SETSEL, TRUE, -1, 0, 0}, {LB_SETSEL, TRUE, 0, LB_ERR, LB_ERR}, {LB_GETSEL, 0, 0, LB_ERR, LB_ERR},
        {LB_GETTEXT, 0, out, LB_ERR, LB_ERR}, {LB_GETTEXTLEN, 0, 0, LB_ERR, LB_ERR},
        {LB_GETITEMDATA, 0, 0, LB_ERR, LB_ERR}, {LB_SETITEMDATA, 0, 5, LB_ERR, LB_ERR},
        {LB_DELETESTRING, 0, 0, LB_ERR, LB_ERR}, {LB_SETCARETINDEX, 0, 0, LB_ERR, LB_ERR},
        {LB_SETANCHORINDEX, 0, 0, LB_ERR, LB_ERR}, {LB_SETTOPINDEX, 1, 0, 0, 0},
        {LB_FINDSTRING, static_cast<WPARAM>(-1), text, LB_ERR, LB_ERR},
        {LB_SELECTSTRING, static_cast<WPARAM>(-1), text, LB_ERR, LB_ERR},
        {LB_INSERTSTRING, 1, text, LB_ERR, LB_ERR}, {LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 5), 0x1FFFF, 0x1FFFF},
    };
    const Case full[] = {
        {LB_INSERTSTRING, 7, text, LB_ERR, LB_ERR}, {LB_INSERTSTRING, static_cast<WPARAM>(-2), text, LB_ERR, LB_ERR},
        {LB_GETTEXTLEN, 1, 0, 6, 6}, {LB_GETTEXTLEN, 99, 0, LB_ERR, LB_ERR},
        {LB_GETTEXTLEN, static_cast<WPARAM>(-1), 0, LB_ERR, LB_ERR}, {LB_GETTEXT, 99, out, LB_ERR, LB_ERR},
        {LB_SETITEMDATA, 99, 1, LB_ERR, LB_ERR}, {LB_GETITEMDATA, 99, 0, LB_ERR, LB_ERR},
        {LB_SETITEMDATA, static_cast<WPARAM>(-1), 77, LB_ERR, LB_ERR}, {LB_GETSEL, 99, 0, LB_ERR, LB_ERR},
        {LB_GETSEL, static_cast<WPARAM>(-1), 0, LB_ERR, LB_ERR}, {LB_SETSEL, TRUE, 99, LB_ERR, LB_ERR},
        {LB_SETCURSEL, 99, 0, LB_ERR, LB_ERR}, {LB_DELETESTRING, 99, 0, LB_ERR, LB_ERR},
        {LB_DELETESTRING, static_cast<WPARAM>(-1), 0, LB_ERR, LB_ERR}, {LB_SETCARETINDEX, 99, 0, LB_ERR, LB_ERR},
        {LB_SETCARETINDEX, static_cast<WPARAM>(-1), 0, LB_ERR, LB_ERR}, {LB_SETANCHORINDEX, 99, 0, LB_ERR, LB_ERR},
        {LB_SETANCHORINDEX, static_cast<WPARAM>(-1), 0, 0, 0}, {LB_GETSELITEMS, 10, out, LB_ERR, 0},
        {LB_SELITEMRANGE, TRUE, MAKELPARAM(1, 3), LB_ERR, 0}, {LB_SELITEMRANGEEX, 1, 3, LB_ERR, 0},
    };
    for (DWORD kind : {0L, LBS_MULTIPLESEL, LBS_EXTENDEDSEL}) {
        const bool multiple = kind != 0;
        HWND box = Box(kind | LBS_NOINTEGRALHEIGHT, 100);
        for (const Case& c : empty)
            EXPECT_EQ(SendMessageW(box, c.message, c.wParam, c.lParam), multiple ? c.multiple : c.single)
                << "empty, kind " << kind << ", message 0x" << std::hex << c.message;
        Fill(box, 6);
        for (const Case& c : full)
            EXPECT_EQ(SendMessageW(box, c.message, c.wParam, c.lParam), multiple ? c.multiple : c.single)
                << "full, kind " << kind << ", message 0x" << std::hex << c.message;
        DestroyWindow(box);
    }
}

TEST_F(ListBoxTest, ItemsKeepTheirTextAndTheirValue) {
    HWND box = Box(LBS_NOINTEGRALHEIGHT, 100);
    EXPECT_EQ(SendMessageW(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"one")), 0);
    EXPECT_EQ(SendMessageW(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"two")), 1);
    EXPECT_EQ(SendMessageW(box, LB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"three")), 2);
    EXPECT_EQ(SendMessageW(box, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(L"zero")), 0);
    EXPECT_EQ(TextOf(box, 0), L"zero");
    EXPECT_EQ(TextOf(box, 3), L"three");
    EXPECT_EQ(SendMessageW(box, LB_SETITEMDATA, 1, 1234), TRUE);
    SendMessageW(box, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(L"new"));
    EXPECT_EQ(SendMessageW(box, LB_GETITEMDATA, 2, 0), 1234) << "the value moves with its string";
    EXPECT_EQ(SendMessageW(box, LB_GETITEMDATA, 1, 0), 0);
    // The window's own text is a separate thing, kept as any window keeps it.
    EXPECT_EQ(SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"hello")), TRUE);
    wchar_t text[16] = {};
    EXPECT_EQ(SendMessageW(box, WM_GETTEXT, 16, reinterpret_cast<LPARAM>(text)), 5);
    EXPECT_STREQ(text, L"hello");
    EXPECT_EQ(SendMessageW(box, LB_GETCOUNT, 0, 0), 5);
    EXPECT_EQ(SendMessageW(box, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTCHARS);
}

}  // namespace
}  // namespace listboxtest
