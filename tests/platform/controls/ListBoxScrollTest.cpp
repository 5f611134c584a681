// A list box's own vertical scroll bar: its numbers after every change to the items, the top
// item and the page; the bar shown, hidden or kept disabled; WM_VSCROLL's codes moving the top
// item; and a person pressing the bar's arrows, trough and thumb. Every row is what the
// reference platform printed for the same steps (probed under Wine) on a box 150 wide with
// items 16 high, its thumbs included.
#include <functional>
#include <optional>
#include <sstream>
#include <utility>

#include "ListBoxFixture.h"
#include "PlatformState.h"
#include "controls/Look.h"

namespace listboxtest {
namespace {

constexpr int kBoxWidth = 150;
constexpr int kBarWidth = 17;

// What the bar holds (its range starts at 0) and the list box's top item.
struct Bar {
    int top;
    int max;
    UINT page;
    int pos;
    bool shown;
    bool disabled = false;
};

::testing::AssertionResult BarIs(HWND box, const Bar& expected) {
    SCROLLINFO info{sizeof(info), SIF_ALL, -1, -1, 0, -1, 0};
    const bool read = GetScrollInfo(box, SB_VERT, &info) != FALSE;
    const int top = static_cast<int>(SendMessageW(box, LB_GETTOPINDEX, 0, 0));
    const bool shown = (GetWindowLongW(box, GWL_STYLE) & WS_VSCROLL) != 0;
    const platform::Window* window = platform::FindWindow(box);
    const bool disabled = window && window->scrollBars && window->scrollBars->vert.disabledArrows == ESB_DISABLE_BOTH;
    RECT client{};
    GetClientRect(box, &client);
    const int width = kBoxWidth - (expected.shown ? kBarWidth : 0);
    if (read && top == expected.top && info.nMin == 0 && info.nMax == expected.max && info.nPage == expected.page &&
        info.nPos == expected.pos && shown == expected.shown && disabled == expected.disabled && client.right == width)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "top=" << top << (read ? "" : " (no bar)") << " range=" << info.nMin
                                         << ".." << info.nMax << " page=" << info.nPage << " pos=" << info.nPos
                                         << (shown ? " shown" : " hidden") << (disabled ? " disabled" : "")
                                         << " client width " << client.right;
}

// One thing done to a list box and what its bar holds afterwards.
struct Step {
    const char* name;
    std::function<void(HWND)> act;
    Bar after;
};

void RunSteps(HWND box, const std::vector<Step>& steps) {
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        s.act(box);
        EXPECT_TRUE(BarIs(box, s.after));
    }
}

std::function<void(HWND)> Send(UINT message, WPARAM wParam, LPARAM lParam = 0) {
    return [=](HWND box) { SendMessageW(box, message, wParam, lParam); };
}
std::function<void(HWND)> Insert(int index) {
    return [=](HWND box) { SendMessageW(box, LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(L"x")); };
}
std::function<void(HWND)> Add(int count) {
    return [=](HWND box) { Fill(box, count); };
}
std::function<void(HWND)> DeleteDownTo(int count) {
    return [=](HWND box) {
        while (SendMessageW(box, LB_GETCOUNT, 0, 0) > count) SendMessageW(box, LB_DELETESTRING, 0, 0);
    };
}
std::function<void(HWND)> Height(int height) {
    return [=](HWND box) { MoveWindow(box, 10, 10, kBoxWidth, height, TRUE); };
}
std::function<void(HWND)> Scroll(WORD code, WORD thumb = 0) { return Send(WM_VSCROLL, MAKEWPARAM(code, thumb)); }

TEST_F(ListBoxTest, TheBarFollowsTheItemsAndTheTopItem) {
    HWND box = Box(WS_VSCROLL);
    EXPECT_TRUE(BarIs(box, {0, 0, 1, 0, false})) << "made empty: nothing to scroll";
    RunSteps(box, {
        {"five items", Add(5), {0, 4, 5, 0, false}},
        {"six: the page holds them all", Add(1), {0, 5, 6, 0, false}},
        {"seven: one to scroll", Add(1), {0, 6, 6, 0, true}},
        {"twenty", Add(13), {0, 19, 6, 0, true}},
        {"LB_SETTOPINDEX", Send(LB_SETTOPINDEX, 3), {3, 19, 6, 3, true}},
        {"LB_SETTOPINDEX past the end", Send(LB_SETTOPINDEX, 18), {14, 19, 6, 14, true}},
        {"the selection scrolled into view", Send(LB_SETCURSEL, 2), {2, 19, 6, 2, true}},
        {"an item inserted", Insert(0), {2, 20, 6, 2, true}},
        {"an item deleted", Send(LB_DELETESTRING, 0), {2, 19, 6, 2, true}},
        {"scrolled to the end", Send(LB_SETTOPINDEX, 14), {14, 19, 6, 14, true}},
        // The platform leaves its top item at 14 past what the shorter list fills and cuts only
        // the bar's position; here the top item is kept within the list as every other change
        // keeps it, so the two agree.
        {"the last item deleted", Send(LB_DELETESTRING, 19), {13, 18, 6, 13, true}},
        {"deleted down to seven", DeleteDownTo(7), {1, 6, 6, 1, true}},
        {"six: nothing to scroll", DeleteDownTo(6), {0, 5, 6, 0, false}},
        {"twenty again", Add(14), {0, 19, 6, 0, true}},
        {"emptied", [](HWND b) {
             SendMessageW(b, LB_SETTOPINDEX, 5, 0);
             SendMessageW(b, LB_RESETCONTENT, 0, 0);
         }, {0, 0, 1, 0, false}},
        {"the wheel, a notch down", [](HWND b) {
             Fill(b, 20);
             SendMessageW(b, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
         }, {3, 19, 6, 3, true}},
    });
}

TEST_F(ListBoxTest, ThePageIsTheWholeItemsTheBoxShows) {
    HWND box = Box(WS_VSCROLL, 96, 0, 20);
    SendMessageW(box, LB_SETTOPINDEX, 10, 0);
    RunSteps(box, {
        {"made shorter", Height(64), {10, 19, 4, 10, true}},
        {"made taller: cut to 192, the top item pulled up", Height(200), {8, 19, 12, 8, true}},
        {"tall enough for all", Height(400), {0, 19, 20, 0, false}},
        {"back to six", Height(96), {0, 19, 6, 0, true}},
        {"taller items", [](HWND b) {
             SendMessageW(b, LB_SETTOPINDEX, 10, 0);
             SendMessageW(b, LB_SETITEMHEIGHT, 0, 20);
         }, {10, 19, 4, 10, true}},
        {"shorter items", Send(LB_SETITEMHEIGHT, 0, 8), {8, 19, 12, 8, true}},
        {"the first height again", Send(LB_SETITEMHEIGHT, 0, 16), {8, 19, 6, 8, true}},
    });
    struct Case {
        const char* name;
        DWORD style;
        int height;
        Bar bar;  // scrolled as far down as it goes
    };
    const Case cases[] = {
        {"no integral height, 100 high", LBS_NOINTEGRALHEIGHT, 100, {14, 19, 6, 14, true}},
        {"a border inside the box", WS_BORDER, 98, {14, 19, 6, 14, true}},
        {"lower than an item", 0, 10, {19, 19, 1, 19, true}},
    };
    for (const Case& c : cases) {
        HWND other = Box(WS_VSCROLL | c.style, c.height, 0, 20);
        SendMessageW(other, LB_SETTOPINDEX, 30, 0);
        EXPECT_TRUE(BarIs(other, c.bar)) << c.name;
        DestroyWindow(other);
    }
}

TEST_F(ListBoxTest, WithDisableNoScrollTheBarStaysDisabledWhenThereIsNothingToScroll) {
    HWND box = Box(WS_VSCROLL | LBS_DISABLENOSCROLL);
    EXPECT_TRUE(BarIs(box, {0, 0, 1, 0, true, true})) << "made empty";
    RunSteps(box, {
        {"three items", Add(3), {0, 2, 3, 0, true, true}},
        {"seven", Add(4), {0, 6, 6, 0, true, false}},
        {"six", Send(LB_DELETESTRING, 0), {0, 5, 6, 0, true, true}},
        {"emptied", Send(LB_RESETCONTENT, 0), {0, 0, 1, 0, true, true}},
        {"a line down on nothing", Scroll(SB_LINEDOWN), {0, 0, 1, 0, true, true}},
    });
}

TEST_F(ListBoxTest, OnlyABoxMadeWithTheBarKeepsItAndAProgramThatHidesItSeesItAgainAtTheNextMove) {
    HWND plain = Box(0, 96, 0, 20);
    SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    EXPECT_FALSE(GetScrollInfo(plain, SB_VERT, &info)) << "a box made without WS_VSCROLL never sets a bar";
    SendMessageW(plain, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(SendMessageW(plain, LB_GETTOPINDEX, 0, 0), 6) << "but answers WM_VSCROLL all the same";
    EXPECT_FALSE(GetScrollInfo(plain, SB_VERT, &info));

    HWND box = Box(WS_VSCROLL, 96, 0, 20);
    RunSteps(box, {
        {"hidden by the program", [](HWND b) { ShowScrollBar(b, SB_VERT, FALSE); }, {0, 19, 6, 0, false}},
        {"the top item moved", Send(LB_SETTOPINDEX, 4), {4, 19, 6, 4, true}},
        {"hidden again, then an item added", [](HWND b) {
             ShowScrollBar(b, SB_VERT, FALSE);
             Fill(b, 1);
         }, {4, 20, 6, 4, true}},
    });
}

TEST_F(ListBoxTest, EachScrollCodeMovesTheTopItemAndTheBarWithIt) {
    HWND box = Box(WS_VSCROLL | LBS_NOTIFY, 96, 0, 20);
    SendMessageW(box, LB_SETCURSEL, 9, 0);
    SendMessageW(box, LB_SETTOPINDEX, 5, 0);
    Log().Clear();
    struct Case {
        const char* name;
        WORD code;
        WORD thumb;
        int top;
    };
    const Case cases[] = {
        {"a line down", SB_LINEDOWN, 0, 6},
        {"a line up", SB_LINEUP, 0, 5},
        {"a page down", SB_PAGEDOWN, 0, 11},
        {"a page down, cut to the last page", SB_PAGEDOWN, 0, 14},
        {"a page down at the end", SB_PAGEDOWN, 0, 14},
        {"a line down at the end", SB_LINEDOWN, 0, 14},
        {"a page up", SB_PAGEUP, 0, 8},
        {"the top", SB_TOP, 0, 0},
        {"a line up at the top", SB_LINEUP, 0, 0},
        {"the bottom", SB_BOTTOM, 0, 14},
        {"the thumb let go", SB_THUMBPOSITION, 3, 3},
        {"the thumb let go past the end", SB_THUMBPOSITION, 30, 14},
        {"the thumb let go at 65535, read unsigned", SB_THUMBPOSITION, 0xFFFF, 14},
        {"the thumb let go again", SB_THUMBPOSITION, 7, 7},
        {"the thumb dragged, told by a program: the bar says it is where it was", SB_THUMBTRACK, 2, 7},
        {"the end of a use", SB_ENDSCROLL, 2, 7},
        {"a code of no meaning", 99, 2, 7},
        {"the top, whatever the thumb says", SB_TOP, 9, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SendMessageW(box, WM_VSCROLL, MAKEWPARAM(c.code, c.thumb), 0), 0);
        EXPECT_TRUE(BarIs(box, {c.top, 19, 6, c.top, true}));
    }
    EXPECT_EQ(SendMessageW(box, LB_GETCURSEL, 0, 0), 9) << "scrolling leaves the selection";
    EXPECT_TRUE(Notices().empty());
}

// ---- The mouse on the bar ----

constexpr std::uint32_t kThumbColour = 0xCDCDCD;

class ListBoxBarTest : public ListBoxTest {
protected:
    // The rows of the box's bar the thumb covers, [first, last + 1) from the box's top, as the
    // screen shows them.
    std::optional<std::pair<int, int>> ThumbRows(HWND box) {
        int width = 0, height = 0;
        std::vector<std::uint32_t> pixels;
        RECT outer{}, top{};
        GetWindowRect(box, &outer);
        GetWindowRect(panel_, &top);
        if (!Backend().WindowImage(panel_, width, height, pixels)) return std::nullopt;
        const int x = outer.right - kBarWidth / 2 - top.left;
        std::optional<std::pair<int, int>> rows;
        for (int y = 0; y < outer.bottom - outer.top; ++y) {
            if (pixels[static_cast<std::size_t>(outer.top - top.top + y) * width + x] != kThumbColour) continue;
            if (!rows) rows = {y, y + 1};
            else rows->second = y + 1;
        }
        return rows;
    }

    // A press and release at `y` on the bar, in the box's coordinates, after a pause long enough
    // that it makes no double click with the one before.
    void ClickBar(HWND box, int y) {
        Backend().RunFor(1000);
        Backend().Click(box, kBoxWidth - kBarWidth / 2, y);
        Backend().RunFor(100);
    }
};

TEST_F(ListBoxBarTest, PressingTheArrowsAndTheTroughMovesTheListAndTheThumbFollows) {
    HWND box = Box(WS_VSCROLL | LBS_NOTIFY, 96, 0, 20);
    EXPECT_EQ(ThumbRows(box), std::make_pair(17, 36));
    struct Case {
        const char* name;
        int y;
        int top;
        std::pair<int, int> thumb;
    };
    const Case cases[] = {
        {"the down arrow", 88, 1, {20, 39}},
        {"the down arrow again", 88, 2, {23, 42}},
        {"the trough below the thumb", 70, 8, {42, 61}},
        {"the trough below, to the end", 74, 14, {60, 79}},
        {"the up arrow", 8, 13, {57, 76}},
        {"the trough above the thumb", 20, 7, {39, 58}},
        {"the trough above again", 20, 1, {20, 39}},
        {"the thumb itself, let go where it was taken", 20, 1, {20, 39}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClickBar(box, c.y);
        EXPECT_TRUE(BarIs(box, {c.top, 19, 6, c.top, true}));
        EXPECT_EQ(ThumbRows(box), c.thumb);
    }
    EXPECT_TRUE(Notices().empty()) << "the bar tells the parent nothing";
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ListBoxBarTest, DraggingTheThumbScrollsTheListAsItGoes) {
    HWND box = Box(WS_VSCROLL, 96, 0, 20);
    SendMessageW(box, LB_SETTOPINDEX, 1, 0);
    Backend().RunFor(1000);
    const int x = kBoxWidth - kBarWidth / 2, start = 29;
    const std::uint64_t now = GetTickCount64();
    std::vector<int> seen;  // the top item at each step of the drag
    Backend().MouseDown(box, x, start);
    Backend().At(now + 50, [&] { Backend().MouseMove(box, x, start + 20); });
    Backend().At(now + 60, [&] { seen.push_back(static_cast<int>(SendMessageW(box, LB_GETTOPINDEX, 0, 0))); });
    Backend().At(now + 100, [&] { Backend().MouseMove(box, x, start + 40); });
    Backend().At(now + 110, [&] { seen.push_back(static_cast<int>(SendMessageW(box, LB_GETTOPINDEX, 0, 0))); });
    Backend().At(now + 150, [&] { Backend().MouseUp(box, x, start + 40); });
    Backend().RunFor(300);
    EXPECT_EQ(seen, (std::vector<int>{7, 14}));
    EXPECT_TRUE(BarIs(box, {14, 19, 6, 14, true}));
    EXPECT_EQ(ThumbRows(box), std::make_pair(60, 79));
}

// Our child windows have no frame of their own: a bordered box draws its border inside its
// client area, and the bars, which the window manager puts outside the client area, lie beside
// that border rather than inside it as on the platform.
TEST_F(ListBoxBarTest, ABorderedBoxDrawsItsBorderBesideItsBars) {
    HWND box = Box(WS_VSCROLL | WS_BORDER, 98, 0, 20);
    RECT client{}, item{};
    GetClientRect(box, &client);
    SendMessageW(box, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(client.right, kBoxWidth - kBarWidth);
    EXPECT_EQ(item.right, client.right - 1) << "the items end inside the border";
    EXPECT_EQ(Backend().WindowPixel(box, client.right - 1, 50), platform::look::kBorder);
    EXPECT_TRUE(ThumbRows(box).has_value()) << "the bar is drawn beside it";

    // A horizontal bar's strip is no frame: the border stays, above it.
    HWND wide = Box(WS_HSCROLL | WS_BORDER | LBS_NOINTEGRALHEIGHT, 98, 0, 3);
    GetClientRect(wide, &client);
    SendMessageW(wide, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(client.bottom, 98 - kBarWidth);
    EXPECT_EQ(item.left, 1);
    EXPECT_EQ(Backend().WindowPixel(wide, 0, 40), platform::look::kBorder);
    EXPECT_EQ(Backend().WindowPixel(wide, 40, client.bottom - 1), platform::look::kBorder);
}

}  // namespace
}  // namespace listboxtest
