// A multi-line edit field's own scroll bars and the view they move: the bars after each change
// to the text, the box and the caret; each WM_VSCROLL and WM_HSCROLL code; EM_SCROLL,
// EM_LINESCROLL and EM_SCROLLCARET; the wheel; presses on the bar; and what a single-line field
// does with bars in its style. Every row is what the reference platform printed for the same
// steps (probed under Wine), in lines, or for sideways steps in its rules counted with our font.
#include <functional>
#include <vector>

#include "MultiLineEditFixture.h"

namespace multilinetest {
namespace {

// One thing done to a field and what it shows afterwards.
struct Step {
    const char* name;
    std::function<void(HWND)> act;
    int lines;
    int first;
    Bar vertical;
    std::optional<int> scrollNotices = std::nullopt;  // EN_VSCROLL, where the platform's count is ours
};

std::function<void(HWND)> Send(UINT message, WPARAM wParam, LPARAM lParam = 0) {
    return [=](HWND field) { SendMessageW(field, message, wParam, lParam); };
}
std::function<void(HWND)> SetText(const std::wstring& text) {
    return [=](HWND field) { SetWindowTextW(field, text.c_str()); };
}

class EditScrollTest : public MultiLineEditTest {
protected:
    void Run(HWND field, const std::vector<Step>& steps) {
        for (const Step& s : steps) {
            SCOPED_TRACE(s.name);
            Log().Clear();
            s.act(field);
            EXPECT_EQ(LineCount(field), s.lines);
            EXPECT_EQ(FirstLine(field), s.first);
            EXPECT_TRUE(BarIs(field, SB_VERT, s.vertical));
            if (s.scrollNotices) {
                EXPECT_EQ(Notices(EN_VSCROLL), *s.scrollNotices);
            }
        }
    }
    std::function<void(HWND)> Keys(std::vector<UINT> keys) {
        return [this, keys](HWND) {
            for (UINT key : keys) Backend().PressKey(key);
            Backend().PumpUntilIdle();
        };
    }
    std::function<void(HWND)> Height(int lines) {
        return [this, lines](HWND field) { SetHeight(field, lines); };
    }
};

TEST_F(EditScrollTest, TheVerticalBarFollowsTheLinesTheBoxAndTheCaret) {
    HWND field = Field(kBothBars, L"");
    EXPECT_EQ(LineCount(field), 1);
    EXPECT_TRUE(BarIs(field, SB_VERT, {0, 1, 0, true})) << "made empty: kept, disabled";
    EXPECT_TRUE(BarIs(field, SB_HORZ, {0, 1, 0, true}));
    SetFocus(field);
    Run(field, {
        {"three lines", SetText(L"a\r\nb\r\nc"), 3, 0, {2, 3, 0, true}},
        {"twenty lines", SetText(NumberedLines(20)), 20, 0, {19, 5, 0}},
        {"the caret put at the end", Send(EM_SETSEL, 200, 200), 20, 15, {19, 5, 15}, 1},
        {"and at the start", Send(EM_SETSEL, 0, 0), 20, 0, {19, 5, 0}, 1},
        {"a box of two lines", Height(2), 20, 0, {19, 2, 0}, 0},
        {"scrolled to the bottom", Send(WM_VSCROLL, SB_BOTTOM), 20, 18, {19, 2, 18}, 1},
        {"a box of eight: the view pulled up, the caret left out of it", Height(8), 20, 12, {19, 8, 12}, 0},
        {"a box for all the lines", Height(25), 20, 0, {19, 20, 0, true}, 0},
        {"five lines again", Height(5), 20, 0, {19, 5, 0}, 0},
        {"Down seven times: the view follows from the sixth", Keys({VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN,
                                                                    VK_DOWN, VK_DOWN}), 20, 3, {19, 5, 3}, 3},
        {"Page Down: a box further", Keys({VK_NEXT}), 20, 8, {19, 5, 8}, 1},
        {"End", Keys({VK_END}), 20, 8, {19, 5, 8}, 0},
        {"typed at the end of the line", Send(WM_CHAR, 'x'), 20, 8, {19, 5, 8}, 0},
        {"Enter: a line more, shown", Send(WM_CHAR, '\r'), 21, 9, {20, 5, 9}, 1},
        {"Enter again", Send(WM_CHAR, '\r'), 22, 10, {21, 5, 10}, 1},
        {"Backspace: a line less, the view stays", Send(WM_CHAR, '\b'), 21, 10, {20, 5, 10}, 0},
        {"a line inserted at the start", [](HWND f) {
             SendMessageW(f, EM_SETSEL, 0, 0);
             SendMessageW(f, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"new\r\n"));
         }, 22, 0, {21, 5, 0}},
    });
    EXPECT_EQ(Caret(field), 5u);
}

TEST_F(EditScrollTest, EachVerticalCodeMovesTheViewAndTheBarFollowsWhenTheThumbIsLetGo) {
    HWND field = Field(kBothBars, NumberedLines(20));
    struct Case {
        const char* name;
        WORD code;
        WORD thumb;
        int first;
        int barPos;
        int notices;
    };
    const Case cases[] = {
        {"a line down", SB_LINEDOWN, 0, 1, 1, 1},
        {"another", SB_LINEDOWN, 0, 2, 2, 1},
        {"a line up", SB_LINEUP, 0, 1, 1, 1},
        {"a page down", SB_PAGEDOWN, 0, 6, 6, 1},
        {"another", SB_PAGEDOWN, 0, 11, 11, 1},
        {"a page down, cut to the last page", SB_PAGEDOWN, 0, 15, 15, 1},
        {"a page down at the end", SB_PAGEDOWN, 0, 15, 15, 0},
        {"a line down at the end", SB_LINEDOWN, 0, 15, 15, 0},
        {"a page up", SB_PAGEUP, 0, 10, 10, 1},
        {"the top", SB_TOP, 0, 0, 0, 1},
        {"a line up at the top", SB_LINEUP, 0, 0, 0, 0},
        {"the bottom", SB_BOTTOM, 0, 15, 15, 1},
        {"the thumb dragged: the view follows, the bar is left alone", SB_THUMBTRACK, 3, 3, 15, 0},
        {"dragged on", SB_THUMBTRACK, 5, 5, 15, 0},
        {"let go where the view is: the bar set, the parent told", SB_THUMBPOSITION, 5, 5, 5, 1},
        {"let go past the end", SB_THUMBPOSITION, 40, 15, 15, 1},
        {"let go at 65535, read as -1", SB_THUMBPOSITION, 0xFFFF, 0, 0, 1},
        {"let go at 2", SB_THUMBPOSITION, 2, 2, 2, 1},
        {"the end of a use", SB_ENDSCROLL, 0, 2, 2, 0},
        {"a code of no meaning", 99, 0, 2, 2, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Log().Clear();
        EXPECT_EQ(SendMessageW(field, WM_VSCROLL, MAKEWPARAM(c.code, c.thumb), 0), 0);
        EXPECT_EQ(FirstLine(field), c.first);
        EXPECT_TRUE(BarIs(field, SB_VERT, {19, 5, c.barPos}));
        EXPECT_EQ(Notices(EN_VSCROLL), c.notices);
    }
}

TEST_F(EditScrollTest, EmScrollAndEmLineScrollAnswerAsThePlatformDoes) {
    HWND field = Field(kBothBars, NumberedLines(20));
    SendMessageW(field, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 2), 0);
    struct Case {
        const char* name;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        LRESULT answer;
        int first;
    };
    const Case cases[] = {
        {"EM_SCROLL a line down: one line, done", EM_SCROLL, SB_LINEDOWN, 0, 0x10001, 3},
        {"a page down", EM_SCROLL, SB_PAGEDOWN, 0, 0x10005, 8},
        {"another", EM_SCROLL, SB_PAGEDOWN, 0, 0x10005, 13},
        {"a page down cut to the end", EM_SCROLL, SB_PAGEDOWN, 0, 0x10002, 15},
        {"a line down at the end: FALSE", EM_SCROLL, SB_LINEDOWN, 0, 0, 15},
        {"a page up: minus five", EM_SCROLL, SB_PAGEUP, 0, 0x1FFFB, 10},
        {"a line up", EM_SCROLL, SB_LINEUP, 0, 0x1FFFF, 9},
        {"the top is not EM_SCROLL's", EM_SCROLL, SB_TOP, 0, 0, 9},
        {"nor the bottom", EM_SCROLL, SB_BOTTOM, 0, 0, 9},
        {"EM_LINESCROLL far up", EM_LINESCROLL, 0, -100, TRUE, 0},
        {"three lines down", EM_LINESCROLL, 0, 3, TRUE, 3},
        {"far down", EM_LINESCROLL, 0, 100, TRUE, 15},
        {"two up", EM_LINESCROLL, 0, -2, TRUE, 13},
        {"nowhere", EM_LINESCROLL, 0, 0, TRUE, 13},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SendMessageW(field, c.message, c.wParam, c.lParam), c.answer);
        EXPECT_EQ(FirstLine(field), c.first);
        EXPECT_TRUE(BarIs(field, SB_VERT, {19, 5, c.first}));
    }
    // The caret put on line 1 brings it to the top; scrolled away, EM_SCROLLCARET brings it back.
    SendMessageW(field, EM_SETSEL, 10, 10);
    EXPECT_EQ(FirstLine(field), 1);
    SendMessageW(field, EM_LINESCROLL, 0, 10);
    EXPECT_EQ(FirstLine(field), 11);
    EXPECT_EQ(SendMessageW(field, EM_SCROLLCARET, 0, 0), TRUE);
    EXPECT_EQ(FirstLine(field), 1);
}

// The probe's long line, with lines above and below it.
const std::wstring kLongLine = L"This is a much longer line of text that goes past the box's right edge";

TEST_F(EditScrollTest, TheHorizontalBarCountsPixelsAndEachCodeMovesTheViewByCharactersOrThirds) {
    HWND field = Field(kBothBars, L"short\r\n" + kLongLine + L"\r\nmid");
    SetFocus(field);
    SendMessageW(field, EM_SETSEL, 0, 0);
    const int widest = WidthOf(kLongLine), box = kFieldWidth - kBarWidth - 2 * kMargin;
    const int cw = charWidth_, page = box / 3 / cw * cw, end = widest - box;
    ASSERT_GT(end, 3 * page) << "the line must reach well past the box";
    EXPECT_TRUE(BarIs(field, SB_HORZ, {widest - 1, static_cast<UINT>(box), 0}));
    EXPECT_TRUE(BarIs(field, SB_VERT, {2, 3, 0, true}));
    struct Case {
        const char* name;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        int view;    // pixels scrolled out at the left
        int barPos;
        int notices;  // EN_HSCROLL
    };
    const Case cases[] = {
        {"a character right", WM_HSCROLL, SB_LINERIGHT, 0, cw, cw, 1},
        {"another", WM_HSCROLL, SB_LINERIGHT, 0, 2 * cw, 2 * cw, 1},
        {"a character left", WM_HSCROLL, SB_LINELEFT, 0, cw, cw, 1},
        {"a third of the box right, in whole characters", WM_HSCROLL, SB_PAGERIGHT, 0, cw + page, cw + page, 1},
        {"another", WM_HSCROLL, SB_PAGERIGHT, 0, cw + 2 * page, cw + 2 * page, 1},
        {"a third left", WM_HSCROLL, SB_PAGELEFT, 0, cw + page, cw + page, 1},
        {"the right end: the widest line's end at the box's", WM_HSCROLL, SB_RIGHT, 0, end, end, 1},
        {"a character right at the end", WM_HSCROLL, SB_LINERIGHT, 0, end, end, 0},
        {"a third right at the end", WM_HSCROLL, SB_PAGERIGHT, 0, end, end, 0},
        {"the left end", WM_HSCROLL, SB_LEFT, 0, 0, 0, 1},
        {"the thumb dragged", WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 50), 0, 50, 0, 0},
        {"let go", WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 30), 0, 30, 30, 1},
        {"let go past the end", WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 1000), 0, end, end, 1},
        {"the end of a use", WM_HSCROLL, SB_ENDSCROLL, 0, end, end, 0},
        {"EM_LINESCROLL far left", EM_LINESCROLL, static_cast<WPARAM>(-100), 0, 0, 0, 1},
        {"three characters right", EM_LINESCROLL, 3, 0, 3 * cw, 3 * cw, 1},
        // EM_LINESCROLL stops only at the widest line's end, leaving the box blank; the bar
        // cannot go past its last page.
        {"far right", EM_LINESCROLL, 1000, 0, widest, end, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Log().Clear();
        SendMessageW(field, c.message, c.wParam, c.lParam);
        EXPECT_EQ(CaretPoint().x, kMargin - c.view) << "the caret, at the text's start, moves with the view";
        EXPECT_TRUE(BarIs(field, SB_HORZ, {widest - 1, static_cast<UINT>(box), c.barPos}));
        EXPECT_EQ(Notices(EN_HSCROLL), c.notices);
    }
}

TEST_F(EditScrollTest, ACaretLeavingTheBoxSidewaysLandsAThirdFromTheEdgeItCameInBy) {
    HWND field = Field(kBothBars, L"short\r\n" + kLongLine + L"\r\nmid");
    SetFocus(field);
    const int box = kFieldWidth - kBarWidth - 2 * kMargin;
    const int twoThirds = 2 * box / 3 / charWidth_ * charWidth_;
    SendMessageW(field, EM_SETSEL, 40, 40);  // 33 characters into the long line, past the box
    EXPECT_EQ(CaretPoint().x, kMargin + twoThirds);
    SCROLLINFO info{sizeof(info), SIF_POS, 0, 0, 0, 0, 0};
    GetScrollInfo(field, SB_HORZ, &info);
    EXPECT_EQ(info.nPos, WidthOf(kLongLine.substr(0, 33)) - twoThirds);
    SendMessageW(field, EM_SETSEL, 79, 79);  // the start of the last line
    EXPECT_EQ(CaretPoint().x, kMargin) << "a third back would be past the start: the view stops there";
    GetScrollInfo(field, SB_HORZ, &info);
    EXPECT_EQ(info.nPos, 0);
}

TEST_F(EditScrollTest, TheWheelScrollsThreeLinesANotchKeepingPartsOfANotch) {
    HWND field = Field(kBothBars, NumberedLines(20));
    struct Case {
        int delta;
        WORD keys;
        LRESULT answer;
        int first;
        bool parentHears;
    };
    const Case cases[] = {
        {-60, 0, TRUE, 1, false},   {-60, 0, TRUE, 3, false},  {-40, 0, TRUE, 4, false},
        {-30, 0, TRUE, 4, false},   {-30, 0, TRUE, 5, false},  {-30, 0, TRUE, 6, false},
        {20, 0, TRUE, 6, false},    {30, 0, TRUE, 5, false},   {120, 0, TRUE, 2, false},
        {0, 0, FALSE, 2, false},    {-120, MK_SHIFT, 0, 2, true}, {-120, MK_CONTROL, 0, 2, true},
        {-120, MK_LBUTTON, TRUE, 5, false}, {-1200, 0, TRUE, 15, false}, {2400, 0, TRUE, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "turn " << c.delta << " keys " << c.keys);
        Log().Clear();
        const WPARAM turn = MAKEWPARAM(c.keys, static_cast<WORD>(static_cast<SHORT>(c.delta)));
        EXPECT_EQ(SendMessageW(field, WM_MOUSEWHEEL, turn, 0), c.answer);
        EXPECT_EQ(FirstLine(field), c.first);
        EXPECT_TRUE(BarIs(field, SB_VERT, {19, 5, c.first}));
        EXPECT_EQ(Log().Count(WM_MOUSEWHEEL, form_) > 0, c.parentHears);
    }
    // The person's wheel reaches the field under the pointer.
    Backend().MouseWheel(field, 20, 20, -WHEEL_DELTA);
    Backend().PumpUntilIdle();
    EXPECT_EQ(FirstLine(field), 3);
}

TEST_F(EditScrollTest, PressingTheBarMovesTheViewAndTheParentHearsOnceTheThumbIsLetGo) {
    HWND field = Field(kBothBars, NumberedLines(20));
    const int x = kFieldWidth - kBarWidth / 2, bar = 5 * lineHeight_ + 3;  // the vertical bar's length
    auto click = [&](int y) {
        Backend().RunFor(1000);  // no double click with the press before
        Log().Clear();
        Backend().Click(field, x, y);
        Backend().RunFor(100);
    };
    struct Case {
        const char* name;
        int y;
        int first;
    };
    const Case cases[] = {
        {"the down arrow", bar - 8, 1},
        {"the trough below the thumb", bar - kBarWidth - 2, 6},
        {"the up arrow", 8, 5},
        {"the trough above the thumb", kBarWidth + 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        click(c.y);
        EXPECT_EQ(FirstLine(field), c.first);
        EXPECT_TRUE(BarIs(field, SB_VERT, {19, 5, c.first}));
        EXPECT_EQ(Notices(EN_VSCROLL), 1);
    }
    // The thumb dragged to the bottom: the view follows at once, the bar and the parent when
    // it is let go.
    Backend().RunFor(1000);
    Log().Clear();
    const std::uint64_t now = GetTickCount64();
    int followed = -1, noticesMeanwhile = -1;
    Backend().MouseDown(field, x, kBarWidth + 2);
    Backend().At(now + 50, [&] { Backend().MouseMove(field, x, bar); });
    Backend().At(now + 60, [&] {
        followed = FirstLine(field);
        noticesMeanwhile = Notices(EN_VSCROLL);
    });
    Backend().At(now + 100, [&] { Backend().MouseUp(field, x, bar); });
    Backend().RunFor(200);
    EXPECT_EQ(followed, 15);
    EXPECT_EQ(noticesMeanwhile, 0);
    EXPECT_EQ(FirstLine(field), 15);
    EXPECT_TRUE(BarIs(field, SB_VERT, {19, 5, 15}));
    EXPECT_EQ(Notices(EN_VSCROLL), 1);
}

TEST_F(EditScrollTest, TheBoxShowsTheLinesFromTheFirstInView) {
    HWND scrolled = Field(kBothBars, NumberedLines(20));
    SendMessageW(scrolled, WM_VSCROLL, SB_LINEDOWN, 0);
    HWND from1 = Field(kBothBars, NumberedLines(20).substr(8), 5, kFieldWidth, 150);  // "line 1\r\n..."
    RECT client{};
    GetClientRect(scrolled, &client);
    int differing = 0, inked = 0;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x) {
            const COLORREF pixel = Backend().WindowPixel(scrolled, x, y);
            differing += pixel != Backend().WindowPixel(from1, x, y);
            inked += pixel != GetSysColor(COLOR_WINDOW);
        }
    EXPECT_EQ(differing, 0);
    EXPECT_GT(inked, 0);
}

// How the bars a field was made with behave with the other styles, as the probes found.
TEST_F(EditScrollTest, OtherStylesKeepTheirBarsAsThePlatformDoes) {
    const std::wstring twenty = NumberedLines(20);
    // A vertical bar alone: the field wraps, so the sideways codes do nothing.
    HWND vertical = Field(ES_MULTILINE | WS_VSCROLL, L"one\r\ntwo", 6);
    EXPECT_TRUE(BarIs(vertical, SB_VERT, {1, 2, 0, true}));
    EXPECT_FALSE(GetWindowLongW(vertical, GWL_STYLE) & WS_HSCROLL);
    SetWindowTextW(vertical, twenty.c_str());
    EXPECT_TRUE(BarIs(vertical, SB_VERT, {19, 6, 0}));
    SendMessageW(vertical, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(FirstLine(vertical), 1) << "WS_VSCROLL scrolls without ES_AUTOVSCROLL";
    SendMessageW(vertical, WM_HSCROLL, SB_LINERIGHT, 0);
    EXPECT_TRUE(BarIs(vertical, SB_VERT, {19, 6, 1}));
    DestroyWindow(vertical);

    // No bars: the thumb codes read a share of 0..100 of the lines there are to scroll.
    HWND plain = Field(ES_MULTILINE | ES_AUTOVSCROLL, twenty, 6);
    SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    EXPECT_FALSE(GetScrollInfo(plain, SB_VERT, &info)) << "the field never sets a bar it was not made with";
    SendMessageW(plain, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(FirstLine(plain), 1);
    SendMessageW(plain, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 50), 0);
    EXPECT_EQ(FirstLine(plain), 7) << "50 of 100 of 14 lines";
    EXPECT_EQ(SendMessageW(plain, EM_LINESCROLL, 0, 2), TRUE);
    EXPECT_EQ(FirstLine(plain), 9);
    EXPECT_FALSE(GetScrollInfo(plain, SB_VERT, &info));
    DestroyWindow(plain);

    // Without ES_AUTOVSCROLL or a bar the bar's codes do nothing; the program's messages still scroll.
    HWND fixed = Field(ES_MULTILINE, twenty, 6);
    SendMessageW(fixed, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(FirstLine(fixed), 0);
    EXPECT_EQ(SendMessageW(fixed, EM_SCROLL, SB_LINEDOWN, 0), 0x10001);
    EXPECT_EQ(SendMessageW(fixed, EM_LINESCROLL, 0, 2), TRUE);
    EXPECT_EQ(FirstLine(fixed), 3);
    DestroyWindow(fixed);

    // Both bars without the ES_AUTO styles: they are implied; an empty field keeps both disabled.
    HWND implied = Field(ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, L"");
    EXPECT_TRUE(BarIs(implied, SB_VERT, {0, 1, 0, true}));
    EXPECT_TRUE(BarIs(implied, SB_HORZ, {0, 1, 0, true}));
}

TEST_F(EditScrollTest, ASingleLineFieldLeavesItsBarsAloneAndScrollsOnlyItsOwnWay) {
    const std::wstring text = L"a single line of text that is long enough to scroll sideways";
    HWND field = CreateWindowExW(0, L"edit", text.c_str(), WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | WS_VSCROLL |
                                 WS_HSCROLL, 10, 10, kFieldWidth, 30, form_, nullptr, nullptr, nullptr);
    Backend().PumpUntilIdle();
    RECT client{};
    GetClientRect(field, &client);
    EXPECT_EQ(client.right, kFieldWidth - kBarWidth);
    EXPECT_EQ(client.bottom, 30 - kBarWidth);
    EXPECT_TRUE(BarIs(field, SB_HORZ, {100, 0, 0})) << "the window manager's defaults, never set";
    SendMessageW(field, EM_SETSEL, 60, 60);
    // The first character in view, in part at least: what follows it fits the box, it does not.
    const int first = FirstLine(field);
    const int box = client.right - 2 * kMargin;
    ASSERT_GT(first, 0);
    EXPECT_LT(WidthOf(text.substr(static_cast<std::size_t>(first) + 1)), box);
    EXPECT_GE(WidthOf(text.substr(static_cast<std::size_t>(first))), box - 1);
    struct Case {
        const char* name;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    const Case cases[] = {
        {"a line down", WM_VSCROLL, SB_LINEDOWN, 0}, {"a character left", WM_HSCROLL, SB_LINELEFT, 0},
        {"the left end", WM_HSCROLL, SB_LEFT, 0},    {"EM_SCROLL", EM_SCROLL, SB_LINEDOWN, 0},
        {"EM_LINESCROLL down", EM_LINESCROLL, 0, 1}, {"EM_LINESCROLL left", EM_LINESCROLL, static_cast<WPARAM>(-3), 0},
        {"the wheel", WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Log().Clear();
        EXPECT_EQ(SendMessageW(field, c.message, c.wParam, c.lParam), 0);
        EXPECT_EQ(FirstLine(field), first);
        EXPECT_EQ(Log().Count(WM_MOUSEWHEEL, form_), 0) << "the wheel is the field's";
    }
    EXPECT_TRUE(BarIs(field, SB_HORZ, {100, 0, 0}));
    EXPECT_EQ(LineCount(field), 1);
    SetWindowTextW(field, L"a\r\nb");
    EXPECT_EQ(LineCount(field), 1);
    SendMessageW(field, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, static_cast<WORD>(-WHEEL_DELTA)), 0);
    EXPECT_EQ(Log().Count(WM_MOUSEWHEEL, form_), 1) << "with Ctrl the parent hears it";
}

TEST_F(EditScrollTest, ABadHandleIsRefusedCleanly) {
    for (UINT message : {EM_SCROLL, EM_LINESCROLL, EM_SCROLLCARET, EM_GETFIRSTVISIBLELINE, EM_GETLINECOUNT}) {
        EXPECT_EQ(SendMessageW(nullptr, message, 0, 0), 0);
    }
    HWND field = Field(kBothBars, NumberedLines(20));
    DestroyWindow(field);
    EXPECT_EQ(SendMessageW(field, WM_VSCROLL, SB_LINEDOWN, 0), 0);
    EXPECT_EQ(SendMessageW(field, EM_GETLINECOUNT, 0, 0), 0);
}

}  // namespace
}  // namespace multilinetest
