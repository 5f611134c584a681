// A window's own scroll bars, the data side: the range, page and position each call keeps and
// answers, the bar shown, hidden or disabled, and the client area that follows. Every expected
// value here is what the reference platform printed for the same calls (probed under Wine).
#include <climits>
#include <functional>

#include "HeadlessTest.h"
#include "PlatformState.h"

namespace {

// Logs each message with the flags of a WINDOWPOS in place of its pointer.
LRESULT CALLBACK PositionLoggingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    LPARAM logged = lParam;
    if (message == WM_WINDOWPOSCHANGING || message == WM_WINDOWPOSCHANGED)
        logged = static_cast<LPARAM>(reinterpret_cast<const WINDOWPOS*>(lParam)->flags);
    Log().Add({hwnd, message, wParam, logged});
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

struct Numbers {
    int min;
    int max;
    UINT page;
    int pos;
};

class ScrollBarTest : public HeadlessTest {
protected:
    // A 300 by 200 overlapped window: its client area is 292 by 173 without bars.
    HWND Overlapped(DWORD style = 0, bool visible = true) {
        return CreateWindowExW(0, RegisterProcClass(L"ScrollBarTest", PositionLoggingProc), L"",
                               WS_OVERLAPPEDWINDOW | style | (visible ? WS_VISIBLE : 0), 100, 100, 300, 200,
                               nullptr, nullptr, nullptr, nullptr);
    }

    static int Set(HWND hwnd, UINT mask, int min, int max, UINT page, int pos, int bar = SB_VERT) {
        SCROLLINFO info{sizeof(info), mask, min, max, page, pos, 0};
        return SetScrollInfo(hwnd, bar, &info, TRUE);
    }

    static ::testing::AssertionResult Holds(HWND hwnd, const Numbers& expected, int bar = SB_VERT) {
        SCROLLINFO info{sizeof(info), SIF_ALL, -1, -1, 1, -1, -1};
        if (!GetScrollInfo(hwnd, bar, &info)) return ::testing::AssertionFailure() << "GetScrollInfo failed";
        if (info.nMin == expected.min && info.nMax == expected.max && info.nPage == expected.page &&
            info.nPos == expected.pos && info.nTrackPos == expected.pos)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "holds " << info.nMin << ".." << info.nMax << " page " << info.nPage
                                             << " pos " << info.nPos << " track " << info.nTrackPos;
    }

    static bool Shows(HWND hwnd, DWORD bar = WS_VSCROLL) {
        return (static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)) & bar) != 0;
    }

    static SIZE ClientSize(HWND hwnd) {
        RECT client{};
        GetClientRect(hwnd, &client);
        return {client.right, client.bottom};
    }

    static UINT DisabledArrows(HWND hwnd, int bar = SB_VERT) {
        platform::Window* w = platform::FindWindow(hwnd);
        return w && w->scrollBars ? w->scrollBars->Of(bar).disabledArrows : 0xFFu;
    }
};

TEST_F(ScrollBarTest, SetScrollInfoCutsThePageToTheRangeAndThePositionToWhatThePageLeaves) {
    struct Case {
        Numbers given;
        int answer;
        Numbers kept;
    };
    const Case cases[] = {
        {{0, 100, 10, 50}, 50, {0, 100, 10, 50}},
        {{0, 100, 10, 95}, 91, {0, 100, 10, 91}},
        {{0, 100, 10, 200}, 91, {0, 100, 10, 91}},
        {{0, 100, 10, -7}, 0, {0, 100, 10, 0}},
        {{0, 100, 0, 101}, 100, {0, 100, 0, 100}},
        {{0, 100, 101, 5}, 0, {0, 100, 101, 0}},
        {{0, 100, 200, 5}, 0, {0, 100, 101, 0}},
        {{0, 100, 100, 5}, 1, {0, 100, 100, 1}},
        {{10, 20, 5, 30}, 16, {10, 20, 5, 16}},
        {{20, 10, 5, 15}, 0, {0, 0, 1, 0}},  // upside down: no range at all
        {{-50, 50, 10, -60}, -50, {-50, 50, 10, -50}},
        {{5, 5, 1, 3}, 5, {5, 5, 1, 5}},
        // The reference platform's 32-bit arithmetic, wrapping where the range is wider than it.
        {{INT_MIN, INT_MAX, 0, 0}, 0, {INT_MIN, INT_MAX, 0, 0}},
        {{-1, INT_MAX, 0, 0}, 0, {-1, INT_MAX, 2147483649u, 0}},
        {{0, INT_MAX, 0, 0}, 0, {0, INT_MAX, 2147483648u, 0}},
        {{0, 100, 0x80000000u, 5}, 5, {0, 100, 0, 5}},
        {{0, 100, 0xFFFFFFFFu, 5}, 5, {0, 100, 0, 5}},
    };
    HWND hwnd = Overlapped(WS_VSCROLL);
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.given.min << ".." << c.given.max << " page " << c.given.page
                                          << " pos " << c.given.pos);
        Set(hwnd, SIF_ALL | SIF_DISABLENOSCROLL, 0, 100, 0, 0);
        const Numbers& g = c.given;
        EXPECT_EQ(Set(hwnd, SIF_ALL | SIF_DISABLENOSCROLL, g.min, g.max, g.page, g.pos), c.answer);
        EXPECT_TRUE(Holds(hwnd, c.kept));
    }
}

TEST_F(ScrollBarTest, EachMaskChangesOnlyWhatItNamesAndTheRestIsCutAgain) {
    struct Case {
        const char* name;
        UINT mask;
        Numbers given;
        int answer;
        Numbers kept;
    };
    const Case cases[] = {
        {"position past the last", SIF_POS, {0, 0, 0, 95}, 91, {0, 100, 10, 91}},
        {"a larger page", SIF_PAGE, {0, 0, 60, 0}, 41, {0, 100, 60, 41}},
        {"a page nearly the range", SIF_PAGE, {0, 0, 95, 0}, 6, {0, 100, 95, 6}},
        {"a shorter range", SIF_RANGE, {0, 40, 0, 0}, 31, {0, 40, 10, 31}},
        {"a range upside down", SIF_RANGE, {60, 40, 0, 0}, 0, {0, 0, 1, 0}},
        {"the track position is not set", SIF_TRACKPOS, {0, 0, 0, 7}, 50, {0, 100, 10, 50}},
        {"no mask", 0, {0, 0, 0, 7}, 50, {0, 100, 10, 50}},
        {"an unknown bit", 0x100, {0, 0, 0, 7}, 0, {0, 100, 10, 50}},
        {"an unknown bit with the position", SIF_POS | 0x100, {0, 0, 0, 7}, 0, {0, 100, 10, 50}},
    };
    HWND hwnd = Overlapped(WS_VSCROLL);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Set(hwnd, SIF_ALL, 0, 100, 10, 50);
        EXPECT_EQ(Set(hwnd, c.mask | SIF_DISABLENOSCROLL, c.given.min, c.given.max, c.given.page, c.given.pos),
                  c.answer);
        EXPECT_TRUE(Holds(hwnd, c.kept));
    }
}

TEST_F(ScrollBarTest, SetScrollPosAnswersTheOldPositionAndSetScrollRangeCutsThePosition) {
    HWND hwnd = Overlapped(WS_VSCROLL);
    Set(hwnd, SIF_ALL, 0, 100, 10, 50);
    struct Step {
        int pos;
        int answer;
        int kept;
    };
    for (const Step& s : {Step{30, 50, 30}, Step{500, 30, 91}, Step{-5, 91, 0}, Step{80, 0, 80}}) {
        EXPECT_EQ(SetScrollPos(hwnd, SB_VERT, s.pos, TRUE), s.answer) << s.pos;
        EXPECT_EQ(GetScrollPos(hwnd, SB_VERT), s.kept) << s.pos;
    }
    EXPECT_TRUE(SetScrollRange(hwnd, SB_VERT, 0, 50, TRUE));
    EXPECT_TRUE(Holds(hwnd, {0, 50, 10, 41}));
    EXPECT_TRUE(SetScrollRange(hwnd, SB_VERT, 0, INT_MAX, TRUE));
    EXPECT_TRUE(Holds(hwnd, {0, INT_MAX, 2147483648u, 0}));
    EXPECT_TRUE(SetScrollRange(hwnd, SB_VERT, -10, INT_MAX, TRUE));
    EXPECT_TRUE(Holds(hwnd, {-10, INT_MAX, 0, 0}));
    Set(hwnd, SIF_ALL, 3, 77, 10, 50);
    int min = -1, max = -1;
    EXPECT_TRUE(GetScrollRange(hwnd, SB_VERT, &min, &max));
    EXPECT_EQ(min, 3);
    EXPECT_EQ(max, 77);
    EXPECT_TRUE(GetScrollRange(hwnd, SB_VERT, nullptr, nullptr));
}

TEST_F(ScrollBarTest, AWindowHasBarsFromItsCreationStyleOrFromTheFirstCallThatSetsSomething) {
    struct Case {
        const char* name;
        DWORD style;
        std::function<void(HWND)> call;
        bool hasBars;
    };
    const Case cases[] = {
        {"no bar style, no call", 0, [](HWND) {}, false},
        {"GetScrollPos", 0, [](HWND h) { GetScrollPos(h, SB_VERT); }, false},
        {"GetScrollRange", 0, [](HWND h) { int a, b; GetScrollRange(h, SB_VERT, &a, &b); }, false},
        {"ShowScrollBar hiding", 0, [](HWND h) { ShowScrollBar(h, SB_VERT, FALSE); }, false},
        {"the style added later", 0,
         [](HWND h) { SetWindowLongW(h, GWL_STYLE, GetWindowLongW(h, GWL_STYLE) | WS_VSCROLL); }, false},
        {"the style added later, the bar drawn", 0, [](HWND h) {
             SetWindowLongW(h, GWL_STYLE, GetWindowLongW(h, GWL_STYLE) | WS_VSCROLL);
             SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
             UpdateWindow(h);
         }, false},
        {"SetScrollPos", 0, [](HWND h) { SetScrollPos(h, SB_VERT, 0, TRUE); }, true},
        {"SetScrollInfo without a mask", 0, [](HWND h) { Set(h, 0, 0, 0, 0, 0); }, true},
        {"EnableScrollBar changing nothing", 0, [](HWND h) { EnableScrollBar(h, SB_VERT, ESB_ENABLE_BOTH); }, true},
        {"the other bar shown", 0, [](HWND h) { ShowScrollBar(h, SB_HORZ, TRUE); }, true},
        {"the other bar's position", 0, [](HWND h) { SetScrollPos(h, SB_HORZ, 3, TRUE); }, true},
        {"the other bar's style at creation", WS_HSCROLL, [](HWND) {}, true},
        {"the style taken away after creation", WS_VSCROLL,
         [](HWND h) { SetWindowLongW(h, GWL_STYLE, GetWindowLongW(h, GWL_STYLE) & ~WS_VSCROLL); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND hwnd = Overlapped(c.style);
        c.call(hwnd);
        SCROLLINFO info{sizeof(info), SIF_ALL, -1, -1, 1, -1, -1};
        EXPECT_EQ(GetScrollInfo(hwnd, SB_VERT, &info) != FALSE, c.hasBars);
        if (c.hasBars) {
            EXPECT_TRUE(Holds(hwnd, {0, 100, 0, 0}));  // the defaults
        }
        EXPECT_EQ(GetScrollPos(hwnd, SB_VERT), 0);
        int min = -1, max = -1;
        EXPECT_TRUE(GetScrollRange(hwnd, SB_VERT, &min, &max));
        EXPECT_EQ(max, c.hasBars ? 100 : 0);
        DestroyWindow(hwnd);
    }
    HWND plain = Overlapped();
    EXPECT_EQ(SetScrollPos(plain, SB_VERT, 500, TRUE), 0);
    EXPECT_EQ(GetScrollPos(plain, SB_VERT), 100);
    EXPECT_FALSE(Shows(plain));
}

TEST_F(ScrollBarTest, OnlyTheWindowsOwnBarsAnswerAndTheStructureSizeIsChecked) {
    HWND hwnd = Overlapped(WS_VSCROLL);
    Set(hwnd, SIF_ALL, 0, 100, 10, 50);
    for (int bar : {SB_CTL, SB_BOTH, 4, 5}) {
        SCOPED_TRACE(bar);
        SCROLLINFO info{sizeof(info), SIF_ALL, 0, 10, 1, 3, 0};
        EXPECT_EQ(SetScrollInfo(hwnd, bar, &info, TRUE), 0);
        EXPECT_FALSE(GetScrollInfo(hwnd, bar, &info));
        EXPECT_EQ(SetScrollPos(hwnd, bar, 2, TRUE), 0);
        EXPECT_EQ(GetScrollPos(hwnd, bar), 0);
        EXPECT_TRUE(SetScrollRange(hwnd, bar, 0, 5, TRUE));
        int min = -1, max = -1;
        EXPECT_TRUE(GetScrollRange(hwnd, bar, &min, &max));
        EXPECT_EQ(min, 0);
        EXPECT_EQ(max, 0);
    }
    EXPECT_TRUE(Holds(hwnd, {0, 100, 10, 50}));

    struct Size {
        UINT cbSize;
        bool accepted;
    };
    for (const Size& s : {Size{0, false}, Size{sizeof(SCROLLINFO) - sizeof(int), true},
                          Size{sizeof(SCROLLINFO), true}, Size{sizeof(SCROLLINFO) + sizeof(int), false}}) {
        SCOPED_TRACE(s.cbSize);
        SetScrollPos(hwnd, SB_VERT, 50, FALSE);
        SCROLLINFO info{s.cbSize, SIF_POS, 0, 0, 0, 20, 0};
        EXPECT_EQ(SetScrollInfo(hwnd, SB_VERT, &info, TRUE), s.accepted ? 20 : 0);
        EXPECT_EQ(GetScrollPos(hwnd, SB_VERT), s.accepted ? 20 : 50);
        info.fMask = SIF_ALL;
        info.nTrackPos = 1234;
        EXPECT_EQ(GetScrollInfo(hwnd, SB_VERT, &info) != FALSE, s.accepted);
        // A structure without the track position does not have it written.
        if (s.accepted) {
            EXPECT_EQ(info.nTrackPos, s.cbSize == sizeof(SCROLLINFO) ? 20 : 1234);
        }
    }
    EXPECT_EQ(SetScrollInfo(hwnd, SB_VERT, nullptr, TRUE), 0);
    EXPECT_FALSE(GetScrollInfo(hwnd, SB_VERT, nullptr));
}

TEST_F(ScrollBarTest, ANullWindowHasNoBarsAndEveryCallSaysSo) {
    SCROLLINFO info{sizeof(info), SIF_ALL, 0, 10, 1, 3, 0};
    int min = -1, max = -1;
    EXPECT_EQ(SetScrollInfo(nullptr, SB_VERT, &info, TRUE), 0);
    EXPECT_FALSE(GetScrollInfo(nullptr, SB_VERT, &info));
    EXPECT_EQ(SetScrollPos(nullptr, SB_VERT, 2, TRUE), 0);
    EXPECT_EQ(GetScrollPos(nullptr, SB_VERT), 0);
    // The reference platform reports success for these two; a window that is not there has no
    // range to set or read.
    EXPECT_FALSE(SetScrollRange(nullptr, SB_VERT, 0, 5, TRUE));
    EXPECT_FALSE(GetScrollRange(nullptr, SB_VERT, &min, &max));
    EXPECT_EQ(min, 0);
    EXPECT_EQ(max, 0);
    EXPECT_FALSE(ShowScrollBar(nullptr, SB_VERT, TRUE));
    EXPECT_FALSE(EnableScrollBar(nullptr, SB_VERT, ESB_DISABLE_BOTH));
}

TEST_F(ScrollBarTest, GetScrollInfoFillsOnlyTheFieldsTheMaskNames) {
    HWND hwnd = Overlapped(WS_VSCROLL);
    Set(hwnd, SIF_ALL, 0, 100, 10, 20);
    SCROLLINFO info{sizeof(info), 0, 1234, 1234, 1234, 1234, 1234};
    EXPECT_FALSE(GetScrollInfo(hwnd, SB_VERT, &info));
    info.fMask = SIF_DISABLENOSCROLL;
    EXPECT_FALSE(GetScrollInfo(hwnd, SB_VERT, &info));
    info.fMask = SIF_POS;
    EXPECT_TRUE(GetScrollInfo(hwnd, SB_VERT, &info));
    EXPECT_EQ(info.nPos, 20);
    EXPECT_EQ(info.nMin, 1234);
    EXPECT_EQ(info.nMax, 1234);
    EXPECT_EQ(info.nPage, 1234u);
    EXPECT_EQ(info.nTrackPos, 1234);
}

// One call of a script run on one window, and what the window shows after it.
struct Step {
    const char* name;
    std::function<int(HWND)> call;
    int answer;
    bool shown;
    UINT disabledArrows;
};

class ScrollBarScriptTest : public ScrollBarTest {
protected:
    void Run(HWND hwnd, const std::vector<Step>& steps) {
        for (const Step& s : steps) {
            SCOPED_TRACE(s.name);
            EXPECT_EQ(s.call(hwnd), s.answer);
            EXPECT_EQ(Shows(hwnd), s.shown);
            EXPECT_EQ(ClientSize(hwnd).cx, s.shown ? 275 : 292);
            EXPECT_EQ(DisabledArrows(hwnd), s.disabledArrows);
        }
    }
    static std::function<int(HWND)> Info(UINT mask, int min, int max, UINT page, int pos) {
        return [=](HWND h) { return Set(h, mask, min, max, page, pos); };
    }
};

TEST_F(ScrollBarScriptTest, ARangeOrPageThatChangesShowsHidesOrDisablesTheBar) {
    constexpr UINT kNone = ESB_ENABLE_BOTH, kBoth = ESB_DISABLE_BOTH;
    HWND hwnd = Overlapped();
    Run(hwnd, {
        {"a range and page on a window without bars", Info(SIF_RANGE | SIF_PAGE, 0, 100, 10, 0), 0, true, kNone},
        {"the position alone", Info(SIF_POS, 0, 0, 0, 30), 30, true, kNone},
        {"a page as large as the range", Info(SIF_PAGE, 0, 0, 101, 0), 0, false, kNone},
        {"a range the page covers", Info(SIF_RANGE, 0, 5, 0, 0), 0, false, kNone},
        {"a range to scroll again", Info(SIF_RANGE, 0, 100, 0, 0), 0, true, kNone},
        {"nothing to scroll, kept disabled", Info(SIF_PAGE | SIF_DISABLENOSCROLL, 0, 0, 200, 0), 0, true, kBoth},
        {"a page alone does not enable", Info(SIF_PAGE, 0, 0, 10, 0), 0, true, kBoth},
        {"the position alone does not enable", Info(SIF_POS, 0, 0, 0, 5), 5, true, kBoth},
        {"the same range enables", Info(SIF_RANGE, 0, 100, 0, 0), 5, true, kNone},
        {"an empty range, without redrawing", [](HWND h) {
             SCROLLINFO info{sizeof(info), SIF_RANGE, 0, 0, 0, 0, 0};
             return SetScrollInfo(h, SB_VERT, &info, FALSE);
         }, 0, false, kNone},
        {"the position of a hidden bar", Info(SIF_POS, 0, 0, 0, 5), 0, false, kNone},
        {"disabling alone changes nothing", Info(SIF_DISABLENOSCROLL, 0, 0, 0, 0), 0, false, kNone},
        {"ShowScrollBar with nothing to scroll", [](HWND h) { return ShowScrollBar(h, SB_VERT, TRUE); }, 1, true,
         kNone},
        {"a range to scroll", [](HWND h) { return SetScrollRange(h, SB_VERT, 0, 50, TRUE); }, 1, true, kNone},
        {"EnableScrollBar both", [](HWND h) { return EnableScrollBar(h, SB_VERT, ESB_DISABLE_BOTH); }, 1, true, kBoth},
        {"EnableScrollBar both again", [](HWND h) { return EnableScrollBar(h, SB_VERT, ESB_DISABLE_BOTH); }, 0, true,
         kBoth},
        {"EnableScrollBar the up arrow", [](HWND h) { return EnableScrollBar(h, SB_VERT, ESB_DISABLE_UP); }, 1, true,
         ESB_DISABLE_UP},
        {"EnableScrollBar unknown bits", [](HWND h) { return EnableScrollBar(h, SB_VERT, 7); }, 1, true, kBoth},
        {"EnableScrollBar none", [](HWND h) { return EnableScrollBar(h, SB_VERT, ESB_ENABLE_BOTH); }, 1, true, kNone},
        {"EnableScrollBar none again", [](HWND h) { return EnableScrollBar(h, SB_VERT, ESB_ENABLE_BOTH); }, 0, true,
         kNone},
        {"EnableScrollBar the down arrow", [](HWND h) { return EnableScrollBar(h, SB_VERT, ESB_DISABLE_DOWN); }, 1,
         true, ESB_DISABLE_DOWN},
        {"SetScrollPos keeps the arrows", [](HWND h) { return SetScrollPos(h, SB_VERT, 10, TRUE); }, 0, true,
         ESB_DISABLE_DOWN},
        {"a range enables both arrows", Info(SIF_RANGE, 0, 60, 0, 0), 10, true, kNone},
        {"the position with disabling enables", [](HWND h) {
             EnableScrollBar(h, SB_VERT, ESB_DISABLE_BOTH);
             return Set(h, SIF_POS | SIF_DISABLENOSCROLL, 0, 0, 0, 3);
         }, 3, true, kNone},
        {"EnableScrollBar of a bar that is not the window's", [](HWND h) { return EnableScrollBar(h, 5, 3); }, 0,
         true, kNone},
        {"ShowScrollBar hiding", [](HWND h) { return ShowScrollBar(h, SB_BOTH, FALSE); }, 1, false, kNone},
        {"SetScrollPos on a hidden bar", [](HWND h) { return SetScrollPos(h, SB_VERT, 7, TRUE); }, 3, false, kNone},
        {"SetScrollRange on a hidden bar", [](HWND h) { return SetScrollRange(h, SB_VERT, 0, 10, TRUE); }, 1, true,
         kNone},
    });
    EXPECT_EQ(GetScrollPos(hwnd, SB_VERT), 7);
}

TEST_F(ScrollBarScriptTest, ABarIsShownOrHiddenOnlyByARangeOrPageThatChanged) {
    constexpr UINT kNone = ESB_ENABLE_BOTH;
    HWND hwnd = Overlapped(WS_VSCROLL);
    Set(hwnd, SIF_ALL, 0, 50, 10, 7);
    ShowScrollBar(hwnd, SB_VERT, FALSE);
    const auto hide = [](HWND h) { return ShowScrollBar(h, SB_VERT, FALSE); };
    Run(hwnd, {
        {"the same range", Info(SIF_RANGE, 0, 50, 0, 0), 7, false, kNone},
        {"the same page", Info(SIF_PAGE, 0, 0, 10, 0), 7, false, kNone},
        {"all the same", Info(SIF_ALL, 0, 50, 10, 7), 7, false, kNone},
        {"a new page alone", Info(SIF_PAGE, 0, 0, 11, 0), 7, false, kNone},
        {"SetScrollRange to the same", [](HWND h) { return SetScrollRange(h, SB_VERT, 0, 50, TRUE); }, 1, false,
         kNone},
        {"a new range", Info(SIF_RANGE, 0, 60, 0, 0), 7, true, kNone},
        {"hidden", hide, 1, false, kNone},
        {"a new page and a position", Info(SIF_PAGE | SIF_POS, 0, 0, 12, 9), 9, true, kNone},
        {"hidden", hide, 1, false, kNone},
        {"a new page, kept when empty", Info(SIF_PAGE | SIF_DISABLENOSCROLL, 0, 0, 13, 0), 9, true, kNone},
        {"shown with nothing to scroll", [](HWND h) {
             Set(h, SIF_ALL | SIF_DISABLENOSCROLL, 0, 0, 0, 0);
             EnableScrollBar(h, SB_VERT, ESB_ENABLE_BOTH);
             return ShowScrollBar(h, SB_VERT, TRUE);
         }, 1, true, kNone},
        {"the same empty range", Info(SIF_RANGE, 0, 0, 0, 0), 0, true, kNone},
        {"the same page", Info(SIF_PAGE, 0, 0, 0, 0), 0, true, kNone},
        {"a new page, still empty", Info(SIF_PAGE, 0, 0, 1, 0), 0, false, kNone},
        {"shown again", [](HWND h) { return ShowScrollBar(h, SB_VERT, TRUE); }, 1, true, kNone},
        {"SetScrollRange to the same", [](HWND h) { return SetScrollRange(h, SB_VERT, 0, 0, TRUE); }, 1, true, kNone},
        {"SetScrollRange to a new empty one", [](HWND h) { return SetScrollRange(h, SB_VERT, 1, 1, TRUE); }, 1,
         false, kNone},
    });
}

// A list box sets its range, page and position together each time its top item moves, and the
// reference platform shows its bar again when only the position is new.
TEST_F(ScrollBarScriptTest, ANewPositionGivenWithTheRangeOrPageShowsOrHidesTheBarAsAChangeWould) {
    constexpr UINT kNone = ESB_ENABLE_BOTH;
    HWND hwnd = Overlapped(WS_VSCROLL);
    Set(hwnd, SIF_ALL, 0, 100, 10, 20);
    const auto hide = [](HWND h) { return ShowScrollBar(h, SB_VERT, FALSE); };
    const auto show = [](HWND h) { return ShowScrollBar(h, SB_VERT, TRUE); };
    Run(hwnd, {
        {"hidden", hide, 1, false, kNone},
        {"the range and the same position", Info(SIF_RANGE | SIF_POS, 0, 100, 0, 20), 20, false, kNone},
        {"all the same", Info(SIF_ALL, 0, 100, 10, 20), 20, false, kNone},
        {"the range and a new position", Info(SIF_RANGE | SIF_POS, 0, 100, 0, 30), 30, true, kNone},
        {"hidden", hide, 1, false, kNone},
        {"the page and a new position", Info(SIF_PAGE | SIF_POS, 0, 0, 10, 31), 31, true, kNone},
        {"hidden", hide, 1, false, kNone},
        {"a position past what the page leaves", Info(SIF_RANGE | SIF_POS, 0, 100, 0, 95), 91, true, kNone},
        {"hidden", hide, 1, false, kNone},
        {"the same position again, which was cut", Info(SIF_RANGE | SIF_POS, 0, 100, 0, 95), 91, true, kNone},
        {"hidden", hide, 1, false, kNone},
        {"the position it was cut to", Info(SIF_RANGE | SIF_POS, 0, 100, 0, 91), 91, false, kNone},
        {"a new position alone", Info(SIF_POS, 0, 0, 0, 5), 5, false, kNone},
        {"shown", show, 1, true, kNone},
        {"an empty range", Info(SIF_RANGE, 0, 0, 0, 0), 0, false, kNone},
        {"shown with nothing to scroll", show, 1, true, kNone},
        {"the empty range and the same position", Info(SIF_RANGE | SIF_POS, 0, 0, 0, 0), 0, true, kNone},
        {"the empty range and a new position", Info(SIF_RANGE | SIF_POS, 0, 0, 0, 3), 0, false, kNone},
    });
}

TEST_F(ScrollBarTest, SetScrollInfoAnswersThePositionItLeftWhetherTheBarIsShownOrHidden) {
    struct Case {
        UINT mask;
        Numbers given;
        int answer;
        bool shown;
    };
    const Case cases[] = {
        {SIF_ALL, {-10, -5, 10, -7}, -10, false},
        {SIF_ALL, {-10, 30, 10, 12}, 12, true},
        {SIF_ALL | SIF_DISABLENOSCROLL, {-10, -5, 10, -7}, -10, true},
        {SIF_RANGE, {-10, -9, 0, 0}, -10, false},
        {SIF_RANGE, {5, 40, 0, 0}, 5, true},
        {SIF_POS, {0, 0, 0, 9}, 9, true},
        {SIF_RANGE, {9, 9, 0, 0}, 9, false},
        {SIF_RANGE, {20, 40, 0, 0}, 20, true},
    };
    HWND hwnd = Overlapped(WS_VSCROLL);
    Set(hwnd, SIF_ALL, -20, 50, 0, -7);
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.given.min << ".." << c.given.max << " pos " << c.given.pos);
        EXPECT_EQ(Set(hwnd, c.mask, c.given.min, c.given.max, c.given.page, c.given.pos), c.answer);
        EXPECT_EQ(Shows(hwnd), c.shown);
    }
}

TEST_F(ScrollBarTest, EnableScrollBarOnBothBarsAnswersWhetherEitherChanged) {
    HWND hwnd = Overlapped(WS_VSCROLL | WS_HSCROLL);
    struct Case {
        int bar;
        UINT arrows;
        BOOL answer;
    };
    const Case cases[] = {
        {SB_BOTH, ESB_DISABLE_BOTH, TRUE}, {SB_BOTH, ESB_DISABLE_BOTH, FALSE}, {SB_VERT, ESB_ENABLE_BOTH, TRUE},
        {SB_BOTH, ESB_DISABLE_BOTH, TRUE}, {SB_HORZ, ESB_ENABLE_BOTH, TRUE},   {SB_BOTH, ESB_DISABLE_BOTH, TRUE},
        {SB_CTL, ESB_DISABLE_BOTH, FALSE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EnableScrollBar(hwnd, static_cast<UINT>(c.bar), c.arrows), c.answer) << c.bar << " " << c.arrows;
    EXPECT_EQ(EnableScrollBar(hwnd, SB_BOTH, ESB_DISABLE_LEFT), TRUE);
    EXPECT_EQ(DisabledArrows(hwnd, SB_HORZ), static_cast<UINT>(ESB_DISABLE_LEFT));
    EXPECT_EQ(DisabledArrows(hwnd, SB_VERT), static_cast<UINT>(ESB_DISABLE_UP));
    EXPECT_TRUE(ShowScrollBar(hwnd, SB_CTL, TRUE));
    EXPECT_TRUE(ShowScrollBar(hwnd, 7, TRUE));
}

TEST_F(ScrollBarTest, ShowingOrHidingABarMeasuresTheFrameAgainAndResizesTheClientArea) {
    struct Case {
        const char* name;
        bool visible;
        int which;
        BOOL show;
        SIZE client;
        UINT changedFlags;  // WM_WINDOWPOSCHANGED's; WM_WINDOWPOSCHANGING's are always 0x37
    };
    constexpr UINT kAsked = SWP_FRAMECHANGED | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    const Case cases[] = {
        {"vertical", true, SB_VERT, TRUE, {275, 173}, kAsked | SWP_NOCLIENTMOVE},
        {"both", true, SB_BOTH, TRUE, {275, 156}, kAsked | SWP_NOCLIENTMOVE},
        {"horizontal", true, SB_HORZ, TRUE, {292, 156}, kAsked | SWP_NOCLIENTMOVE},
        {"on a hidden window", false, SB_HORZ, TRUE, {292, 156}, kAsked | SWP_NOCLIENTMOVE | SWP_NOREDRAW},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND hwnd = Overlapped(0, c.visible);
        Backend().PumpUntilIdle();
        Log().Clear();
        EXPECT_TRUE(ShowScrollBar(hwnd, c.which, c.show));
        const LPARAM size = MAKELPARAM(c.client.cx, c.client.cy);
        EXPECT_TRUE(SequenceIs(Log().Messages(), {{WM_WINDOWPOSCHANGING, hwnd, 0, static_cast<LPARAM>(kAsked)},
                                                  {WM_NCCALCSIZE, hwnd, TRUE},
                                                  {WM_WINDOWPOSCHANGED, hwnd, 0, static_cast<LPARAM>(c.changedFlags)},
                                                  {WM_SIZE, hwnd, SIZE_RESTORED, size}}));
        Log().Clear();
        EXPECT_TRUE(ShowScrollBar(hwnd, c.which, c.show));
        EXPECT_TRUE(Log().Messages().empty()) << "nothing to change, nothing said";
        EXPECT_TRUE(ShowScrollBar(hwnd, c.which, !c.show));
        EXPECT_EQ(ClientSize(hwnd).cx, 292);
        EXPECT_EQ(ClientSize(hwnd).cy, 173);
        DestroyWindow(hwnd);
    }
}

TEST_F(ScrollBarTest, ScrollBarsTakeTheirStripsInsideTheFrameWhenThereIsRoomForThem) {
    struct Case {
        const char* name;
        DWORD style;
        DWORD exStyle;
        SIZE window;
        SIZE client;
        POINT origin;
    };
    const Case cases[] = {
        {"overlapped, vertical", WS_OVERLAPPEDWINDOW | WS_VSCROLL, 0, {300, 200}, {275, 173}, {4, 23}},
        {"overlapped, horizontal", WS_OVERLAPPEDWINDOW | WS_HSCROLL, 0, {300, 200}, {292, 156}, {4, 23}},
        {"overlapped, both", WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL, 0, {300, 200}, {275, 156}, {4, 23}},
        {"inside the client edge", WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL, WS_EX_CLIENTEDGE, {300, 200},
         {271, 152}, {6, 25}},
        {"pop-up, both", WS_POPUP | WS_VSCROLL | WS_HSCROLL, 0, {300, 200}, {283, 183}, {0, 0}},
        {"exactly one bar wide and high", WS_POPUP | WS_VSCROLL | WS_HSCROLL, 0, {17, 17}, {0, 17}, {0, 0}},
        {"narrower than a bar", WS_POPUP | WS_VSCROLL | WS_HSCROLL, 0, {16, 16}, {16, 16}, {0, 0}},
        {"a pixel more than a bar", WS_POPUP | WS_VSCROLL | WS_HSCROLL, 0, {18, 18}, {1, 1}, {0, 0}},
        {"vertical, short", WS_POPUP | WS_VSCROLL, 0, {17, 5}, {0, 5}, {0, 0}},
        {"horizontal, exactly a bar high", WS_POPUP | WS_HSCROLL, 0, {5, 17}, {5, 17}, {0, 0}},
        {"horizontal, a pixel higher", WS_POPUP | WS_HSCROLL, 0, {5, 18}, {5, 1}, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND hwnd = CreateWindowExW(c.exStyle, RegisterLoggingClass(), L"", c.style, 100, 100, c.window.cx,
                                    c.window.cy, nullptr, nullptr, nullptr, nullptr);
        POINT origin{0, 0};
        ClientToScreen(hwnd, &origin);
        EXPECT_EQ(ClientSize(hwnd).cx, c.client.cx);
        EXPECT_EQ(ClientSize(hwnd).cy, c.client.cy);
        EXPECT_EQ(origin.x - 100, c.origin.x);
        EXPECT_EQ(origin.y - 100, c.origin.y);
        DestroyWindow(hwnd);
    }
}

TEST_F(ScrollBarTest, AChildWindowsBarsComeOutOfItsClientAreaAndChangingThemResizesIt) {
    HWND parent = Overlapped();
    HWND child = CreateWindowExW(0, RegisterProcClass(L"ScrollBarTest", PositionLoggingProc), L"",
                                 WS_CHILD | WS_VISIBLE | WS_VSCROLL, 10, 10, 100, 80, parent, nullptr, nullptr,
                                 nullptr);
    EXPECT_EQ(ClientSize(child).cx, 83);
    EXPECT_EQ(ClientSize(child).cy, 80);
    Backend().PumpUntilIdle();
    Log().Clear();
    EXPECT_EQ(Set(child, SIF_RANGE, 0, 0, 0, 0), 0);
    EXPECT_TRUE(SequenceIs(Log().Messages(), {{WM_WINDOWPOSCHANGING, child, 0, 0x37},
                                              {WM_NCCALCSIZE, child, TRUE},
                                              {WM_WINDOWPOSCHANGED, child, 0, 0x1037},
                                              {WM_SIZE, child, SIZE_RESTORED, MAKELPARAM(100, 80)}}));
    Log().Clear();
    EXPECT_EQ(Set(child, SIF_RANGE, 0, 10, 0, 0), 0);
    EXPECT_EQ(Log().Count(WM_SIZE, child), 1);
    EXPECT_EQ(ClientSize(child).cx, 83);
}

}  // namespace
