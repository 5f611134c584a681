// What a list box shows: the box shortened to whole items, the items' rectangles and the item
// under a point, the top item kept in range and following the caret, the wheel, and the
// pixels: the field, the selection, the parent's colours, grey text when disabled.
#include <algorithm>
#include <utility>

#include "ListBoxFixture.h"
#include "controls/Look.h"

namespace listboxtest {
namespace {

int WindowHeight(HWND box) {
    RECT r{};
    GetWindowRect(box, &r);
    return r.bottom - r.top;
}

TEST_F(ListBoxTest, WithoutNoIntegralHeightTheBoxShrinksToWholeItems) {
    struct Case {
        DWORD style;
        DWORD exStyle;
        int asked;
        int height;  // the platform's, with items 15 high
    };
    const Case cases[] = {
        {0, 0, 107, 105}, {WS_BORDER, 0, 107, 107}, {0, WS_EX_CLIENTEDGE, 107, 94}, {LBS_NOINTEGRALHEIGHT, 0, 107, 107},
        {0, 0, 17, 15}, {WS_BORDER, 0, 12, 12}, {0, 0, 7, 7}, {0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        HWND box = Box(c.style, 100, c.exStyle);
        SendMessageW(box, LB_SETITEMHEIGHT, 0, 15);
        MoveWindow(box, 10, 10, 150, c.asked, FALSE);
        EXPECT_EQ(WindowHeight(box), c.height) << "style " << c.style << ", ex " << c.exStyle << ", asked " << c.asked;
        DestroyWindow(box);
    }
}

TEST_F(ListBoxTest, ItemRectanglesAndTheItemUnderAPoint) {
    HWND box = Box(0, 96);
    RECT r{-7, -7, -7, -7};
    EXPECT_EQ(SendMessageW(box, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r)), 1) << "an empty box answers for item 0";
    Fill(box, 20);
    struct RectCase {
        int index;
        LRESULT result;
        RECT rect;
    };
    for (const RectCase& c : {RectCase{0, 1, {0, 0, 150, 16}}, RectCase{5, 1, {0, 80, 150, 96}},
                              RectCase{19, 0, {0, 304, 150, 320}}, RectCase{-1, 0, {0, -16, 150, 0}},
                              RectCase{20, LB_ERR, {0, 0, 0, 0}}}) {
        RECT got{-7, -7, -7, -7};
        EXPECT_EQ(SendMessageW(box, LB_GETITEMRECT, static_cast<WPARAM>(c.index), reinterpret_cast<LPARAM>(&got)), c.result);
        EXPECT_TRUE(EqualRect(&got, &c.rect)) << "item " << c.index << ": " << got.left << "," << got.top << ","
                                             << got.right << "," << got.bottom;
    }
    struct PointCase {
        int top;
        POINT at;
        LRESULT answer;
    };
    for (const PointCase& c : {PointCase{0, {5, 0}, 0}, PointCase{0, {5, 16}, 1}, PointCase{0, {5, 49}, 3},
                               PointCase{0, {5, 95}, 5}, PointCase{0, {5, 300}, 0x10005}, PointCase{0, {500, 5}, 0x10000},
                               PointCase{0, {-5, 5}, 0x10000}, PointCase{0, {5, -5}, 0x10000}, PointCase{3, {5, 0}, 3},
                               PointCase{3, {5, -5}, 0x10003}}) {
        SendMessageW(box, LB_SETTOPINDEX, c.top, 0);
        EXPECT_EQ(SendMessageW(box, LB_ITEMFROMPOINT, 0, MAKELPARAM(c.at.x, c.at.y)), c.answer)
            << "top " << c.top << ", (" << c.at.x << ", " << c.at.y << ")";
    }
    HWND tall = Box(LBS_NOINTEGRALHEIGHT, 100, 0, 20);
    SendMessageW(tall, LB_SETTOPINDEX, 19, 0);
    EXPECT_EQ(SendMessageW(tall, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 99)), 0x10013) << "past the last item";
}

// Our child windows have no frame of their own, so a bordered box draws its border inside its
// client area and its items start inside it: one pixel in here, where the platform's start at 0.
TEST_F(ListBoxTest, ABorderedBoxKeepsItsItemsInsideTheBorder) {
    HWND box = Box(WS_BORDER, 98, 0, 3);
    RECT r{};
    SendMessageW(box, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
    EXPECT_EQ(r.left, 1);
    EXPECT_EQ(r.top, 1);
    EXPECT_EQ(r.right, 149);
    EXPECT_EQ(WindowHeight(box), 98) << "96 of items, as on the platform";
}

TEST_F(ListBoxTest, TheTopItemStaysInRangeAndFollowsTheCaret) {
    HWND box = Box(0, 96, 0, 20);
    RunSteps(box, {
        {LB_SETTOPINDEX, 3, 0, 0, "cur=-1 caret=0 anchor=-1 top=3 sel=[00000000000000000000]"},
        {LB_SETTOPINDEX, 18, 0, 0, "cur=-1 caret=0 anchor=-1 top=14 sel=[00000000000000000000]"},
        {LB_SETTOPINDEX, 20, 0, 0, "cur=-1 caret=0 anchor=-1 top=14 sel=[00000000000000000000]"},
        {LB_SETTOPINDEX, static_cast<WPARAM>(-1), 0, 0, "cur=-1 caret=0 anchor=-1 top=0 sel=[00000000000000000000]"},
        {LB_SETCURSEL, 10, 0, 10, "cur=10 caret=10 anchor=-1 top=5 sel=[00000000001000000000]"},
        {LB_SETCURSEL, 2, 0, 2, "cur=2 caret=2 anchor=-1 top=2 sel=[00100000000000000000]"},
        {LB_SETCURSEL, 19, 0, 19, "cur=19 caret=19 anchor=-1 top=14 sel=[00000000000000000001]"},
        {LB_SETCURSEL, static_cast<WPARAM>(-1), 0, LB_ERR, "cur=-1 caret=19 anchor=-1 top=14 sel=[00000000000000000000]"},
        {LB_SETTOPINDEX, 0, 0, 0, "cur=-1 caret=19 anchor=-1 top=0 sel=[00000000000000000000]"},
        {LB_SETCARETINDEX, 15, FALSE, 0, "cur=-1 caret=15 anchor=-1 top=10 sel=[00000000000000000000]"},
        {LB_SETCARETINDEX, 0, FALSE, 0, "cur=-1 caret=0 anchor=-1 top=0 sel=[00000000000000000000]"},
        {LB_SETCARETINDEX, 15, TRUE, 0, "cur=-1 caret=15 anchor=-1 top=10 sel=[00000000000000000000]"},
        {LB_SETTOPINDEX, 0, 0, 0, "cur=-1 caret=15 anchor=-1 top=0 sel=[00000000000000000000]"},
        {LB_SETSEL, TRUE, 12, 0, "cur=12 caret=12 anchor=12 top=7 sel=[00000000000010000000]"},
        {LB_SELECTSTRING, static_cast<WPARAM>(-1), 0, 17, "cur=17 caret=17 anchor=12 top=12 sel=[00000000000000000100]",
         L"item17"},
        {LB_SETTOPINDEX, 5, 0, 0, "cur=17 caret=17 anchor=12 top=5 sel=[00000000000000000100]"},
        {LB_DELETESTRING, 0, 0, 19, "cur=16 caret=17 anchor=12 top=5 sel=[0000000000000000100]"},
        {LB_INSERTSTRING, 0, 0, 0, "cur=17 caret=17 anchor=12 top=5 sel=[00000000000000000100]", L"x"},
        {LB_DELETESTRING, 18, 0, 19, "cur=17 caret=17 anchor=12 top=5 sel=[0000000000000000010]"},
    });
}

TEST_F(ListBoxTest, TheWheelScrollsThreeLinesANotchAndNoMoreThanAPage) {
    HWND box = Box(LBS_NOTIFY, 96, 0, 30);
    for (auto [delta, top] : {std::pair{-120, 3}, {-120, 6}, {120, 3}, {-240, 9}, {-60, 10}, {-60, 12}, {-60, 13},
                              {-1200, 24}, {-1200, 24}, {2400, 0}, {-40, 1}, {-40, 2}, {-40, 3}}) {
        EXPECT_EQ(SendMessageW(box, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(20, 20)), 0);
        EXPECT_EQ(SendMessageW(box, LB_GETTOPINDEX, 0, 0), top) << "after " << delta;
    }
    SendMessageW(box, LB_SETCURSEL, 2, 0);
    SendMessageW(box, WM_MOUSEWHEEL, MAKEWPARAM(0, -120), 0);
    EXPECT_EQ(Dump(box), "cur=2 caret=2 anchor=-1 top=5 sel=[001" + std::string(27, '0') + "]") << "the selection stays";
    EXPECT_TRUE(Notices().empty());
    struct Small {
        DWORD style;
        int height;
        int top;
    };
    for (Small s : {Small{0, 48, 3}, Small{0, 32, 2}, Small{LBS_NOINTEGRALHEIGHT, 40, 2}}) {
        HWND small = Box(s.style, s.height, 0, 30);
        SendMessageW(small, WM_MOUSEWHEEL, MAKEWPARAM(0, -120), 0);
        EXPECT_EQ(SendMessageW(small, LB_GETTOPINDEX, 0, 0), s.top) << "height " << s.height;
        DestroyWindow(small);
    }
}

// ---- Pixels ----

int DarkestGreen(platform::HeadlessBackend& backend, HWND box, RECT r) {
    int darkest = 255;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) darkest = std::min<int>(darkest, GetGValue(backend.WindowPixel(box, x, y)));
    return darkest;
}

TEST_F(ListBoxTest, ItemsShowOnTheFieldWithTheSelectionInTheLooksColours) {
    HWND box = Box(WS_BORDER, 98, 0, 4);
    SendMessageW(box, LB_SETCURSEL, 1, 0);
    Backend().PumpUntilIdle();
    EXPECT_EQ(Backend().WindowPixel(box, 140, 8), GetSysColor(COLOR_WINDOW)) << "an item's field";
    EXPECT_EQ(Backend().WindowPixel(box, 140, 24), platform::look::kSelection) << "the selected item";
    EXPECT_EQ(Backend().WindowPixel(box, 140, 90), GetSysColor(COLOR_WINDOW)) << "below the items";
    EXPECT_EQ(Backend().WindowPixel(box, 0, 50), platform::look::kBorder);
    EXPECT_LT(DarkestGreen(Backend(), box, {3, 1, 60, 17}), 0x60) << "item 0's text";
    int lightest = 0;  // the selection has no red in it; the white text has
    for (int y = 17; y < 33; ++y)
        for (int x = 3; x < 60; ++x) lightest = std::max<int>(lightest, GetRValue(Backend().WindowPixel(box, x, y)));
    EXPECT_GT(lightest, 0xC0) << "the selected text is light";
    // The program moving the selection repaints the two items.
    SendMessageW(box, LB_SETCURSEL, 2, 0);
    Backend().PumpUntilIdle();
    EXPECT_EQ(Backend().WindowPixel(box, 140, 24), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(Backend().WindowPixel(box, 140, 40), platform::look::kSelection);
}

TEST_F(ListBoxTest, TheParentsBrushFillsTheFieldAndADisabledBoxWritesGrey) {
    PanelBrush() = CreateSolidBrush(RGB(200, 230, 200));
    HWND box = Box(0, 96, 0, 3);
    Backend().PumpUntilIdle();
    EXPECT_EQ(Backend().WindowPixel(box, 140, 8), RGB(200, 230, 200));
    EnableWindow(box, FALSE);
    Backend().PumpUntilIdle();
    EXPECT_GT(Log().Count(WM_CTLCOLORLISTBOX, panel_), 0);
    EXPECT_GE(DarkestGreen(Backend(), box, {2, 0, 60, 16}), GetGValue(platform::look::kDisabledText) - 8);
}

TEST_F(ListBoxTest, TheFocusRectangleMarksTheCaretItemOnlyWhileFocused) {
    HWND box = Box(0, 96, 0, 4);
    SendMessageW(box, LB_SETCARETINDEX, 2, 0);
    Backend().PumpUntilIdle();
    auto marked = [&] {
        for (int x = 100; x < 140; ++x)
            if (Backend().WindowPixel(box, x, 32) != GetSysColor(COLOR_WINDOW)) return true;
        return false;
    };
    EXPECT_FALSE(marked());
    SetFocus(box);
    Backend().PumpUntilIdle();
    EXPECT_TRUE(marked());
    SetFocus(panel_);
    Backend().PumpUntilIdle();
    EXPECT_FALSE(marked());
}

}  // namespace
}  // namespace listboxtest
