// The mouse on a window's scroll bar: what the default window procedure tells the window, in
// which order, at which moments of the virtual clock, and what it leaves of the mouse's own
// messages. The orders, the codes, the positions and the reach of a dragged thumb are what the
// reference platform printed for the same presses made with SendInput (probed under Wine); its
// delays are 200 ms before an arrow or the trough first repeats and 50 ms between repeats.
#include <cstdint>
#include <optional>
#include <sstream>

#include "HeadlessTest.h"

namespace {

// What the window heard: the message, its wParam and lParam, when, the track position the
// window could read then, and whether it held the capture.
struct Heard {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    std::uint64_t atMs;
    int trackPos;
    bool captured;
};

std::vector<Heard>& Journal() {
    static std::vector<Heard> journal;
    return journal;
}
std::uint64_t startMs = 0;
std::optional<UINT> leftInQueue;  // the first message still queued once the tracking returned

bool IsRecorded(UINT message) {
    switch (message) {
    case WM_NCLBUTTONDOWN: case WM_NCLBUTTONDBLCLK: case WM_NCLBUTTONUP: case WM_LBUTTONUP: case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE: case WM_SYSCOMMAND: case WM_VSCROLL: case WM_HSCROLL: case WM_CAPTURECHANGED: case WM_TIMER:
        return true;
    default: return false;
    }
}

LRESULT CALLBACK TrackingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsRecorded(message)) {
        SCROLLINFO info{sizeof(info), SIF_TRACKPOS, 0, 0, 0, 0, -1};
        if (message == WM_VSCROLL || message == WM_HSCROLL)
            GetScrollInfo(hwnd, message == WM_VSCROLL ? SB_VERT : SB_HORZ, &info);
        Journal().push_back({message, wParam, lParam, GetTickCount64() - startMs, info.nTrackPos,
                             GetCapture() == hwnd});
    }
    const LRESULT answer = DefWindowProcW(hwnd, message, wParam, lParam);
    if (message != WM_NCLBUTTONDOWN && message != WM_NCLBUTTONDBLCLK) return answer;
    MSG left;
    if (PeekMessageW(&left, nullptr, 0, 0, PM_NOREMOVE) && left.message != WM_PAINT) leftInQueue = left.message;
    return answer;
}

// One message expected: its wParam, and when given, its moment, track position and capture.
struct Expect {
    UINT message;
    WPARAM wParam;
    std::optional<std::uint64_t> atMs = std::nullopt;
    std::optional<int> trackPos = std::nullopt;
    std::optional<bool> captured = std::nullopt;
};

::testing::AssertionResult JournalIs(const std::vector<Expect>& expected) {
    const std::vector<Heard>& heard = Journal();
    auto describe = [&] {
        std::ostringstream out;
        for (const Heard& h : heard)
            out << "\n    " << MessageName(h.message) << " w=0x" << std::hex << h.wParam << std::dec << " at "
                << h.atMs << " track " << h.trackPos << (h.captured ? " captured" : "");
        return out.str();
    };
    if (heard.size() != expected.size())
        return ::testing::AssertionFailure() << expected.size() << " messages expected, heard:" << describe();
    for (std::size_t i = 0; i < heard.size(); ++i) {
        const Heard& h = heard[i];
        const Expect& e = expected[i];
        const bool scroll = h.message == WM_VSCROLL || h.message == WM_HSCROLL;
        if (h.message != e.message || h.wParam != e.wParam || (scroll && h.lParam != 0) ||
            (e.atMs && h.atMs != *e.atMs) || (e.trackPos && h.trackPos != *e.trackPos) ||
            (e.captured && h.captured != *e.captured))
            return ::testing::AssertionFailure() << "message " << i << " differs; heard:" << describe();
    }
    return ::testing::AssertionSuccess();
}

WPARAM Scroll(WORD code, int pos = 0) { return MAKEWPARAM(code, static_cast<WORD>(pos)); }

// A pointer movement or the release, at a moment after the press, in the window's client
// coordinates.
struct Move {
    std::uint64_t atMs;
    int x, y;
};

class ScrollBarTrackingTest : public HeadlessTest {
protected:

    void SetUp() override {
        HeadlessTest::SetUp();
        Journal().clear();
        leftInQueue.reset();
        RegisterProcClass(L"ScrollBarTrackingTest", TrackingProc);
    }

    // The reference platform's probe window: 300 by 250 overlapped, both bars, each 0..100 with
    // a page of 10 at 50. Its client area is 275 by 206; the vertical thumb spans rows 102..119.
    HWND ProbeWindow() {
        HWND hwnd = Make(WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL, 300, 250);
        SCROLLINFO info{sizeof(info), SIF_ALL, 0, 100, 10, 50, 0};
        SetScrollInfo(hwnd, SB_VERT, &info, TRUE);
        SetScrollInfo(hwnd, SB_HORZ, &info, TRUE);
        return hwnd;
    }

    HWND Make(DWORD style, int width, int height, HWND parent = nullptr) {
        HWND hwnd = CreateWindowExW(0, L"ScrollBarTrackingTest", L"", style | WS_VISIBLE, parent ? 10 : 100,
                                    parent ? 10 : 100, width, height, parent, nullptr, nullptr, nullptr);
        Backend().PumpUntilIdle();
        return hwnd;
    }

    // Presses at `press`, moves as told and lets go at `release`, then runs the program until
    // the clock has passed it all.
    void Drag(HWND hwnd, POINT press, const std::vector<Move>& moves, const Move& release) {
        Pause();
        Press(hwnd, press, moves, release);
    }
    // A pause between uses, so that no press makes a double click with the one before.
    void Pause() { Backend().RunFor(1000); }
    void Press(HWND hwnd, POINT press, const std::vector<Move>& moves, const Move& release) {
        Journal().clear();
        startMs = GetTickCount64();
        Backend().MouseDown(hwnd, press.x, press.y);
        for (const Move& m : moves) Backend().At(startMs + m.atMs, [=, this] { Backend().MouseMove(hwnd, m.x, m.y); });
        Backend().At(startMs + release.atMs, [=, this] { Backend().MouseUp(hwnd, release.x, release.y); });
        Backend().RunFor(release.atMs + 100);
    }
    void Click(HWND hwnd, POINT at) { Drag(hwnd, at, {}, {30, at.x, at.y}); }
};

constexpr POINT kDownArrow{283, 198}, kUpArrow{283, 8}, kThumb{283, 106};
constexpr WPARAM kVerticalCommand = SC_VSCROLL + HTVSCROLL, kHorizontalCommand = SC_HSCROLL + HTHSCROLL;

TEST_F(ScrollBarTrackingTest, AnArrowOrTheTroughStepsAtOnceThenRepeatsWhileHeldAndTheReleaseIsTakenByTheLoop) {
    struct Case {
        const char* name;
        POINT press;
        std::uint64_t releaseMs;
        WORD code;
        std::vector<std::uint64_t> steps;
    };
    const Case cases[] = {
        {"down arrow clicked", kDownArrow, 30, SB_LINEDOWN, {0}},
        {"up arrow clicked", kUpArrow, 30, SB_LINEUP, {0}},
        {"down arrow held", kDownArrow, 330, SB_LINEDOWN, {0, 200, 250, 300}},
        {"trough below the thumb held", {283, 139}, 330, SB_PAGEDOWN, {0, 200, 250, 300}},
        {"trough above the thumb clicked", {283, 25}, 30, SB_PAGEUP, {0}},
    };
    HWND hwnd = ProbeWindow();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Drag(hwnd, c.press, {}, {c.releaseMs, c.press.x, c.press.y});
        std::vector<Expect> expected{{WM_NCLBUTTONDOWN, HTVSCROLL}, {WM_SYSCOMMAND, kVerticalCommand}};
        for (std::uint64_t at : c.steps) expected.push_back({WM_VSCROLL, Scroll(c.code), at, 50, true});
        expected.push_back({WM_CAPTURECHANGED, 0, c.releaseMs});
        expected.push_back({WM_VSCROLL, Scroll(SB_ENDSCROLL), c.releaseMs, 50, false});
        EXPECT_TRUE(JournalIs(expected));
        EXPECT_FALSE(leftInQueue) << MessageName(*leftInQueue);
    }
}

TEST_F(ScrollBarTrackingTest, TheDraggedThumbReportsWhereItIsWithinReachOfTheBarAndWhereItWasLetGo) {
    struct Case {
        const char* name;
        std::vector<Move> moves;
        std::vector<int> tracked;  // after the press's own report of 50
    };
    const Case cases[] = {
        {"down 10, then 30", {{100, 283, 116}, {200, 283, 136}}, {56, 68}},
        {"away to the left and back", {{100, 283, 116}, {200, 83, 116}, {300, 283, 126}}, {56, 50, 62}},
        {"past the bar's end, within two thicknesses", {{100, 283, 116}, {200, 283, 206 + 33}}, {56, 91}},
        {"past the bar's end, farther", {{100, 283, 116}, {200, 283, 206 + 35}}, {56, 50}},
        {"right, within eight thicknesses", {{100, 283, 116}, {200, 292 + 135, 116}}, {56}},
        {"right, farther", {{100, 283, 116}, {200, 292 + 137, 116}}, {56, 50}},
        {"above the top", {{100, 283, 5}, {200, 283, -20}}, {0, 0}},
        {"across only, never along", {{100, 280, 106}}, {}},
        {"not at all", {}, {}},
    };
    HWND hwnd = ProbeWindow();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Drag(hwnd, kThumb, c.moves, {400, 283, 300});
        std::vector<Expect> expected{{WM_NCLBUTTONDOWN, HTVSCROLL},
                                     {WM_SYSCOMMAND, kVerticalCommand},
                                     {WM_VSCROLL, Scroll(SB_THUMBTRACK, 50), 0, 50, true}};
        for (std::size_t i = 0; i < c.tracked.size(); ++i)
            expected.push_back({WM_VSCROLL, Scroll(SB_THUMBTRACK, c.tracked[i]), c.moves[i].atMs, c.tracked[i]});
        const int last = c.tracked.empty() ? 50 : c.tracked.back();
        expected.push_back({WM_CAPTURECHANGED, 0, 400});
        expected.push_back({WM_VSCROLL, Scroll(SB_THUMBPOSITION, last), 400, last, false});
        expected.push_back({WM_VSCROLL, Scroll(SB_ENDSCROLL), 400, last, false});
        EXPECT_TRUE(JournalIs(expected));
        EXPECT_EQ(GetScrollPos(hwnd, SB_VERT), 50) << "the window sets the position itself";
        SCROLLINFO info{sizeof(info), SIF_TRACKPOS, 0, 0, 0, 0, 0};
        GetScrollInfo(hwnd, SB_VERT, &info);
        EXPECT_EQ(info.nTrackPos, 50) << "no track position once the thumb is let go";
    }
}

TEST_F(ScrollBarTrackingTest, AThumbAtEachPixelStandsForThePositionTheReferencePlatformReports) {
    struct Case {
        const char* name;
        DWORD style;
        int min, max;
        UINT page;
        int pos;
        int thumbStart;  // the thumb is picked up a pixel into it
        std::vector<std::pair<int, int>> pointerToValue;  // along the bar
    };
    const Case cases[] = {
        {"vertical, 0..100, page 10", WS_VSCROLL, 0, 100, 10, 0, 17,
         {{25, 3}, {32, 7}, {46, 13}, {60, 20}, {116, 46}, {200, 85}, {214, 91}, {256, 91}}},
        {"vertical, -30..70, page 25 at 10", WS_VSCROLL, -30, 70, 25, 10, 103,
         {{111, 13}, {139, 26}, {167, 39}, {181, 46}, {251, 46}}},
        {"horizontal, 0..100, no page", WS_HSCROLL, 0, 100, 0, 0, 17,
         {{25, 3}, {39, 8}, {151, 53}, {263, 98}, {270, 100}, {305, 100}}},
        {"vertical, 0..20, no page", WS_VSCROLL, 0, 20, 0, 0, 17,
         {{25, 1}, {32, 1}, {39, 2}, {53, 4}, {116, 10}, {207, 19}, {214, 20}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND hwnd = Make(WS_POPUP | c.style, 300, 250);
        SCROLLINFO info{sizeof(info), SIF_ALL, c.min, c.max, c.page, c.pos, 0};
        SetScrollInfo(hwnd, c.style == WS_VSCROLL ? SB_VERT : SB_HORZ, &info, TRUE);
        const bool vertical = c.style == WS_VSCROLL;
        // The bar's middle is x = 291 (vertical) or y = 241 (horizontal) in client coordinates.
        auto at = [&](int along) { return vertical ? POINT{291, along} : POINT{along, 241}; };
        std::vector<Move> moves;
        std::uint64_t t = 0;
        for (const auto& [along, value] : c.pointerToValue) moves.push_back({t += 10, at(along).x, at(along).y});
        const POINT last = at(c.pointerToValue.back().first);
        Drag(hwnd, at(c.thumbStart + 1), moves, {t + 10, last.x, last.y});
        std::vector<int> tracked;
        for (const Heard& h : Journal())
            if ((h.message == WM_VSCROLL || h.message == WM_HSCROLL) && LOWORD(h.wParam) == SB_THUMBTRACK)
                tracked.push_back(static_cast<short>(HIWORD(h.wParam)));
        ASSERT_EQ(tracked.size(), c.pointerToValue.size() + 1);
        EXPECT_EQ(tracked[0], c.pos) << "picked up where the position put it";
        for (std::size_t i = 0; i < c.pointerToValue.size(); ++i)
            EXPECT_EQ(tracked[i + 1], c.pointerToValue[i].second) << "pointer at " << c.pointerToValue[i].first;
        DestroyWindow(hwnd);
    }
}

TEST_F(ScrollBarTrackingTest, AnArrowStopsRepeatingWhileThePointerIsOffItAndResumesWhenItComesBack) {
    HWND hwnd = ProbeWindow();
    Drag(hwnd, kDownArrow, {{410, 283, 146}, {810, 283, 198}}, {1110, 283, 198});
    std::vector<Expect> expected{{WM_NCLBUTTONDOWN, HTVSCROLL}, {WM_SYSCOMMAND, kVerticalCommand}};
    for (std::uint64_t at : {0, 200, 250, 300, 350, 400, 860, 910, 960, 1010, 1060})
        expected.push_back({WM_VSCROLL, Scroll(SB_LINEDOWN), at});
    expected.push_back({WM_CAPTURECHANGED, 0, 1110});
    expected.push_back({WM_VSCROLL, Scroll(SB_ENDSCROLL), 1110});
    EXPECT_TRUE(JournalIs(expected));

    // Dragged from one arrow onto the other: only the arrow first pressed ever steps.
    Drag(hwnd, kDownArrow, {{50, 283, 8}}, {400, 283, 8});
    EXPECT_TRUE(JournalIs({{WM_NCLBUTTONDOWN, HTVSCROLL},
                           {WM_SYSCOMMAND, kVerticalCommand},
                           {WM_VSCROLL, Scroll(SB_LINEDOWN), 0},
                           {WM_CAPTURECHANGED, 0, 400},
                           {WM_VSCROLL, Scroll(SB_ENDSCROLL), 400}}));
}

TEST_F(ScrollBarTrackingTest, TheHorizontalBarAndAChildsBarTellTheirOwnWindow) {
    HWND hwnd = ProbeWindow();
    Click(hwnd, {8, 214});
    EXPECT_TRUE(JournalIs({{WM_NCLBUTTONDOWN, HTHSCROLL},
                           {WM_SYSCOMMAND, kHorizontalCommand},
                           {WM_HSCROLL, Scroll(SB_LINELEFT), 0, 50, true},
                           {WM_CAPTURECHANGED, 0},
                           {WM_HSCROLL, Scroll(SB_ENDSCROLL), 30, 50, false}}));

    HWND child = Make(WS_CHILD | WS_VSCROLL, 100, 80, hwnd);
    Click(child, {83 + 8, 80 - 8});
    EXPECT_TRUE(JournalIs({{WM_NCLBUTTONDOWN, HTVSCROLL},
                           {WM_SYSCOMMAND, kVerticalCommand},
                           {WM_VSCROLL, Scroll(SB_LINEDOWN), 0, 0, true},
                           {WM_CAPTURECHANGED, 0},
                           {WM_VSCROLL, Scroll(SB_ENDSCROLL), 30, 0, false}}));
}

TEST_F(ScrollBarTrackingTest, AQuickSecondPressOnAnArrowComesAsADoubleClickAndStepsAgain) {
    HWND hwnd = ProbeWindow();
    Backend().PumpUntilIdle();
    Journal().clear();
    startMs = GetTickCount64();
    Backend().Click(hwnd, kDownArrow.x, kDownArrow.y);
    Backend().Click(hwnd, kDownArrow.x, kDownArrow.y);
    Backend().PumpUntilIdle();
    EXPECT_TRUE(JournalIs({{WM_NCLBUTTONDOWN, HTVSCROLL},
                           {WM_SYSCOMMAND, kVerticalCommand},
                           {WM_VSCROLL, Scroll(SB_LINEDOWN)},
                           {WM_CAPTURECHANGED, 0},
                           {WM_VSCROLL, Scroll(SB_ENDSCROLL)},
                           {WM_NCLBUTTONDBLCLK, HTVSCROLL},
                           {WM_SYSCOMMAND, kVerticalCommand},
                           {WM_VSCROLL, Scroll(SB_LINEDOWN)},
                           {WM_CAPTURECHANGED, 0},
                           {WM_VSCROLL, Scroll(SB_ENDSCROLL)}}));
}

// The reference platform's arrows keep scrolling when disabled; here a grey arrow, and a bar
// with both arrows disabled, ignore the mouse, as they look.
TEST_F(ScrollBarTrackingTest, ADisabledArrowOrBarIgnoresThePressAndTheReleaseReachesTheWindow) {
    struct Case {
        const char* name;
        UINT disabled;
        POINT press;
    };
    const Case cases[] = {
        {"the down arrow disabled", ESB_DISABLE_DOWN, kDownArrow},
        {"both disabled, the trough", ESB_DISABLE_BOTH, {283, 139}},
        {"both disabled, where the thumb was", ESB_DISABLE_BOTH, kThumb},
    };
    HWND hwnd = ProbeWindow();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EnableScrollBar(hwnd, SB_VERT, ESB_ENABLE_BOTH);
        EnableScrollBar(hwnd, SB_VERT, c.disabled);
        Click(hwnd, c.press);
        EXPECT_TRUE(JournalIs({{WM_NCLBUTTONDOWN, HTVSCROLL},
                               {WM_SYSCOMMAND, kVerticalCommand},
                               {WM_NCLBUTTONUP, HTVSCROLL}}));
        EXPECT_EQ(GetCapture(), nullptr);
    }
    EnableScrollBar(hwnd, SB_VERT, ESB_DISABLE_DOWN);
    Click(hwnd, kUpArrow);
    EXPECT_EQ(Journal().at(2).wParam, Scroll(SB_LINEUP)) << "the other arrow still works";
}

TEST_F(ScrollBarTrackingTest, OtherMessagesAreServedWhileTheArrowIsHeld) {
    HWND hwnd = ProbeWindow();
    HWND other = Make(WS_POPUP, 50, 50);
    Backend().PumpUntilIdle();
    Pause();
    SetTimer(other, 7, 120, nullptr);
    Press(hwnd, kDownArrow, {}, {260, 283, 198});
    KillTimer(other, 7);
    std::vector<Expect> expected{{WM_NCLBUTTONDOWN, HTVSCROLL},
                                 {WM_SYSCOMMAND, kVerticalCommand},
                                 {WM_VSCROLL, Scroll(SB_LINEDOWN), 0},
                                 {WM_TIMER, 7, 120},
                                 {WM_VSCROLL, Scroll(SB_LINEDOWN), 200},
                                 {WM_TIMER, 7, 240},
                                 {WM_VSCROLL, Scroll(SB_LINEDOWN), 250},
                                 {WM_CAPTURECHANGED, 0, 260},
                                 {WM_VSCROLL, Scroll(SB_ENDSCROLL), 260},
                                 {WM_TIMER, 7, 360}};  // by the program's own loop again
    EXPECT_TRUE(JournalIs(expected));
}

// A window that goes away, or a program that quits, in the middle of a use of the bar.
LRESULT CALLBACK EndingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_VSCROLL && LOWORD(wParam) == SB_LINEDOWN) {
        if (GetWindowLongPtrW(hwnd, GWLP_USERDATA) == 1) DestroyWindow(hwnd);
        else PostQuitMessage(3);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST_F(ScrollBarTrackingTest, TheLoopEndsCleanlyWhenTheWindowGoesOrTheProgramQuits) {
    RegisterProcClass(L"ScrollBarEnding", EndingProc);
    for (LONG_PTR destroy : {1, 0}) {
        SCOPED_TRACE(destroy ? "destroyed" : "quit");
        HWND hwnd = CreateWindowExW(0, L"ScrollBarEnding", L"", WS_POPUP | WS_VISIBLE | WS_VSCROLL, 100, 100, 300,
                                    250, nullptr, nullptr, nullptr, nullptr);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, destroy);
        Backend().PumpUntilIdle();
        Backend().MouseDown(hwnd, 291, 240);
        Backend().PumpUntilIdle();
        EXPECT_EQ(GetCapture(), nullptr);
        EXPECT_EQ(IsWindow(hwnd) != FALSE, !destroy);
        EXPECT_EQ(Backend().QuitReceived(), !destroy) << "the quit reaches the program's own loop";
        Backend().MouseUp(hwnd, 291, 240);
        Backend().PumpUntilIdle();
        if (IsWindow(hwnd)) DestroyWindow(hwnd);
    }
}

}  // namespace
