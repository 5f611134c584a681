// The trackbar ("msctls_trackbar32"): each TBM_* message's answer and effect, the parts'
// geometry, the keys and the mouse, what the parent hears and when, and how it looks. Every
// expected value was printed by the platform's own trackbar (comctl32 under Wine) for the same
// calls.
#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

#include "HeadlessTest.h"
#include "Screenshot.h"
#include "controls/Look.h"
#include "core/gdi/GdiObjects.h"

namespace {

namespace look = platform::look;

constexpr int kId = 7;
constexpr POINT kAt{10, 10};  // the trackbar's place in the panel

// What the parent heard: the scroll messages with their code and position word, and the
// notifications with their code; with whether the trackbar held the capture and the position
// it reported at that moment.
struct Heard {
    UINT message;
    UINT code;
    int position;  // the high word of a scroll message's wParam, as the platform sends it
    HWND from;
    bool captured;
    LONG positionNow;
};
std::vector<Heard> heard;
HWND trackbar = nullptr;
HBRUSH backgroundBrush = nullptr;
// The parent destroys the trackbar when it hears this scroll code (-1: never).
int destroyOnCode = -1;

LRESULT CALLBACK PanelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Log().Add({hwnd, message, wParam, lParam});
    if (message == WM_HSCROLL || message == WM_VSCROLL) {
        auto from = reinterpret_cast<HWND>(lParam);
        heard.push_back({message, LOWORD(wParam), static_cast<SHORT>(HIWORD(wParam)), from, GetCapture() == from,
                         static_cast<LONG>(SendMessageW(from, TBM_GETPOS, 0, 0))});
        if (static_cast<int>(LOWORD(wParam)) == destroyOnCode) DestroyWindow(from);
        return 0;
    }
    if (message == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        heard.push_back({message, header->code, static_cast<int>(header->idFrom), header->hwndFrom,
                         GetCapture() == header->hwndFrom, 0});
        return 0;
    }
    if (message == WM_CTLCOLORSTATIC && backgroundBrush) return reinterpret_cast<LRESULT>(backgroundBrush);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// One thing the parent should hear. Scroll codes are TB_*; a WM_NOTIFY names its code.
struct Expect {
    UINT message;
    UINT code;
    std::optional<int> position = std::nullopt;
    std::optional<bool> captured = std::nullopt;
    std::optional<LONG> positionNow = std::nullopt;
};

::testing::AssertionResult HeardExactly(const std::vector<Expect>& expected) {
    if (heard.size() != expected.size())
        return ::testing::AssertionFailure() << "heard " << heard.size() << " messages, expected " << expected.size();
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Heard& h = heard[i];
        const Expect& e = expected[i];
        auto fail = [&](const char* what) {
            return ::testing::AssertionFailure() << "message " << i << " (" << MessageName(h.message) << " code "
                                                 << static_cast<int>(h.code) << "): " << what << " differs";
        };
        if (h.message != e.message || h.code != e.code) return fail("message or code");
        if (e.position && h.position != *e.position) return fail("position word");
        if (e.captured && h.captured != *e.captured) return fail("capture");
        if (e.positionNow && h.positionNow != *e.positionNow) return fail("TBM_GETPOS");
    }
    return ::testing::AssertionSuccess();
}

constexpr UINT kReleased = static_cast<UINT>(NM_RELEASEDCAPTURE);

class TrackbarTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        heard.clear();
        backgroundBrush = nullptr;
        destroyOnCode = -1;
        INITCOMMONCONTROLSEX init{sizeof init, ICC_BAR_CLASSES};
        ASSERT_TRUE(InitCommonControlsEx(&init));
        RegisterProcClass(L"Panel", PanelProc);
        panel_ = CreateWindowExW(0, L"Panel", L"", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr, nullptr,
                                 nullptr);
        screenshot_.emplace(panel_);
        objects_ = platform::CountGdiObjects();
    }
    void TearDown() override {
        Backend().PumpUntilIdle();
        EXPECT_EQ(platform::CountGdiObjects(), objects_) << "a drawing object leaked";
        screenshot_.reset();
        DestroyWindow(panel_);
        HeadlessTest::TearDown();
    }

    HWND Make(DWORD style, int width = 200, int height = 30) {
        trackbar = CreateWindowExW(0, TRACKBAR_CLASSW, L"", WS_CHILD | WS_VISIBLE | style, kAt.x, kAt.y, width, height,
                                   panel_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kId)), nullptr, nullptr);
        return trackbar;
    }
    static LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendMessageW(trackbar, message, wParam, lParam);
    }
    static LONG Pos() { return static_cast<LONG>(Send(TBM_GETPOS)); }
    static RECT Thumb() {
        RECT r{};
        Send(TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&r));
        return r;
    }
    static RECT Channel() {
        RECT r{};
        Send(TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&r));
        return r;
    }
    // Mouse actions at a point of the trackbar's client area.
    void Down(int x, int y) { Backend().MouseDown(panel_, kAt.x + x, kAt.y + y); Backend().PumpUntilIdle(); }
    void Move(int x, int y) { Backend().MouseMove(panel_, kAt.x + x, kAt.y + y); Backend().PumpUntilIdle(); }
    void Up(int x, int y) { Backend().MouseUp(panel_, kAt.x + x, kAt.y + y); Backend().PumpUntilIdle(); }
    void Key(UINT vk, bool down) {
        if (down) Backend().KeyDown(vk);
        else Backend().KeyUp(vk);
        Backend().PumpUntilIdle();
    }

    HWND panel_ = nullptr;

private:
    std::optional<ScreenshotOnFailure> screenshot_;
    platform::GdiCounts objects_;
};

bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

// ---- Range, position and steps ----

struct Call {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

TEST_F(TrackbarTest, TheRangeAndPositionMessagesAnswerAndClampAsThePlatformDoes) {
    struct Step {
        const char* name;
        Call call;
        LONG pos, min, max;
    };
    const Step steps[] = {
        {"the defaults", {TBM_GETPOS, 0, 0}, 0, 0, 100},
        {"SETRANGE(10,50) pulls the position up", {TBM_SETRANGE, TRUE, MAKELONG(10, 50)}, 10, 10, 50},
        {"SETPOS(30)", {TBM_SETPOS, TRUE, 30}, 30, 10, 50},
        {"SETPOS above the range", {TBM_SETPOS, TRUE, 99}, 50, 10, 50},
        {"SETPOS below the range", {TBM_SETPOS, TRUE, -5}, 10, 10, 50},
        {"SETPOS without redrawing", {TBM_SETPOS, FALSE, 40}, 40, 10, 50},
        {"SETRANGEMAX below the position", {TBM_SETRANGEMAX, TRUE, 20}, 20, 10, 20},
        {"SETPOS(10)", {TBM_SETPOS, TRUE, 10}, 10, 10, 20},
        {"SETRANGEMIN above the position", {TBM_SETRANGEMIN, TRUE, 15}, 15, 15, 20},
        {"SETRANGE(0,100) keeps a position inside", {TBM_SETRANGE, TRUE, MAKELONG(0, 100)}, 15, 0, 100},
        {"SETPOS(80)", {TBM_SETPOS, TRUE, 80}, 80, 0, 100},
        {"SETRANGE shrinking below the position", {TBM_SETRANGE, TRUE, MAKELONG(0, 50)}, 50, 0, 50},
        {"SETRANGE(20,100)", {TBM_SETRANGE, TRUE, MAKELONG(20, 100)}, 50, 20, 100},
        {"SETRANGEMIN past the maximum pulls only up", {TBM_SETRANGEMIN, TRUE, 200}, 200, 200, 100},
        {"SETRANGEMAX below the minimum stops at the minimum", {TBM_SETRANGEMAX, TRUE, 150}, 200, 200, 150},
        {"SETPOS in a crossed range ends at the maximum", {TBM_SETPOS, TRUE, 170}, 150, 200, 150},
        {"SETRANGE(50,10) crossed", {TBM_SETRANGE, TRUE, MAKELONG(50, 10)}, 10, 50, 10},
        {"SETPOS(30) in a crossed range", {TBM_SETPOS, TRUE, 30}, 10, 50, 10},
        {"SETRANGE's halves are signed", {TBM_SETRANGE, TRUE, MAKELONG(-10, 10)}, 10, -10, 10},
        {"SETRANGE(0,65535) is 0..-1", {TBM_SETRANGE, TRUE, MAKELONG(0, 65535)}, -1, 0, -1},
        {"SETRANGEMIN takes a full long", {TBM_SETRANGEMIN, TRUE, -10}, -1, -10, -1},
        {"SETRANGEMAX takes a full long", {TBM_SETRANGEMAX, TRUE, 100000}, -1, -10, 100000},
        {"SETPOS takes a full long", {TBM_SETPOS, TRUE, 99999}, 99999, -10, 100000},
        {"SETRANGE(0,100)", {TBM_SETRANGE, TRUE, MAKELONG(0, 100)}, 100, 0, 100},
    };
    Make(0);
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        EXPECT_EQ(Send(s.call.message, s.call.wParam, s.call.lParam), 0);
        EXPECT_EQ(Pos(), s.pos);
        EXPECT_EQ(Send(TBM_GETRANGEMIN), s.min);
        EXPECT_EQ(Send(TBM_GETRANGEMAX), s.max);
    }
}

TEST_F(TrackbarTest, SizeMessagesReturnTheOldSizeAndThePageFollowsTheRangeUntilGiven) {
    struct Step {
        const char* name;
        Call call;
        LRESULT result;
        LONG page, line;
    };
    const Step steps[] = {
        {"the defaults", {TBM_GETPAGESIZE, 0, 0}, 20, 20, 1},
        {"a new range picks a fifth of it", {TBM_SETRANGE, TRUE, MAKELONG(0, 50)}, 0, 10, 1},
        {"never less than one", {TBM_SETRANGE, TRUE, MAKELONG(0, 3)}, 0, 1, 1},
        {"SETRANGEMAX too", {TBM_SETRANGEMAX, TRUE, 1000}, 0, 200, 1},
        {"SETRANGEMIN too", {TBM_SETRANGEMIN, TRUE, 10}, 0, 198, 1},
        {"a crossed range gives a negative page", {TBM_SETRANGE, TRUE, MAKELONG(50, 10)}, 0, -8, 1},
        {"SETPAGESIZE returns the old size", {TBM_SETPAGESIZE, 0, 7}, -8, 7, 1},
        {"a given page stays with a new range", {TBM_SETRANGE, TRUE, MAKELONG(0, 100)}, 0, 7, 1},
        {"SETPAGESIZE(-1) goes back to 20", {TBM_SETPAGESIZE, 0, -1}, 7, 20, 1},
        {"and the range picks it again", {TBM_SETRANGE, TRUE, MAKELONG(0, 60)}, 0, 12, 1},
        {"SETPAGESIZE(0) is taken", {TBM_SETPAGESIZE, 0, 0}, 12, 0, 1},
        {"SETLINESIZE returns the old size", {TBM_SETLINESIZE, 0, 3}, 1, 0, 3},
        {"a negative line is taken", {TBM_SETLINESIZE, 0, -2}, 3, 0, -2},
        {"SETLINESIZE(-1) is taken too", {TBM_SETLINESIZE, 0, -1}, -2, 0, -1},
    };
    Make(0);
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        EXPECT_EQ(Send(s.call.message, s.call.wParam, s.call.lParam), s.result);
        EXPECT_EQ(Send(TBM_GETPAGESIZE), s.page);
        EXPECT_EQ(Send(TBM_GETLINESIZE), s.line);
    }
}

// ---- Tick marks ----

TEST_F(TrackbarTest, MarksAreCountedWithBothEndsAndKeptSorted) {
    struct Step {
        const char* name;
        Call call;
        LRESULT result;
        LRESULT count;
    };
    const Step steps[] = {
        {"the ends alone", {TBM_GETNUMTICS, 0, 0}, 2, 2},
        {"SETTIC inside the range", {TBM_SETTIC, 0, 10}, TRUE, 3},
        {"the same value again", {TBM_SETTIC, 0, 10}, TRUE, 4},
        {"on the minimum", {TBM_SETTIC, 0, 0}, TRUE, 5},
        {"on the maximum", {TBM_SETTIC, 0, 100}, TRUE, 6},
        {"past the maximum", {TBM_SETTIC, 0, 150}, FALSE, 6},
        {"below the minimum", {TBM_SETTIC, 0, -1}, FALSE, 6},
        {"between", {TBM_SETTIC, 0, 5}, TRUE, 7},
        {"a new range keeps the marks", {TBM_SETRANGE, TRUE, MAKELONG(0, 50)}, 0, 7},
        {"SETTICFREQ without TBS_AUTOTICKS", {TBM_SETTICFREQ, 10, 0}, 0, 7},
    };
    Make(0);
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        EXPECT_EQ(Send(s.call.message, s.call.wParam, s.call.lParam), s.result);
        EXPECT_EQ(Send(TBM_GETNUMTICS), s.count);
    }
    const LONG sorted[] = {0, 5, 10, 10, 100, -1, -1};
    for (WPARAM i = 0; i < std::size(sorted); ++i) EXPECT_EQ(Send(TBM_GETTIC, i), sorted[i]) << "mark " << i;
    EXPECT_EQ(Send(TBM_CLEARTICS, TRUE), 0);
    EXPECT_EQ(Send(TBM_GETNUMTICS), 2);
}

TEST_F(TrackbarTest, AutomaticMarksFollowTheFrequencyAndTheRange) {
    struct Step {
        const char* name;
        Call call;
        LRESULT count;
        std::vector<LONG> marks;  // the first ones TBM_GETTIC gives
    };
    const Step steps[] = {
        {"none until a frequency is set", {TBM_GETNUMTICS, 0, 0}, 2, {}},
        {"every 10: none on the maximum", {TBM_SETTICFREQ, 10, 0}, 11, {10, 20, 30, 40, 50, 60, 70, 80, 90}},
        {"every 30", {TBM_SETTICFREQ, 30, 0}, 5, {30, 60, 90}},
        {"frequency 0: the ends alone", {TBM_SETTICFREQ, 0, 0}, 2, {}},
        {"a frequency past the range", {TBM_SETTICFREQ, 200, 0}, 2, {}},
        {"every value", {TBM_SETTICFREQ, 1, 0}, 101, {1, 2, 3}},
        {"every 10 again", {TBM_SETTICFREQ, 10, 0}, 11, {10, 20}},
        {"a mark of the program's own joins them", {TBM_SETTIC, 0, 5}, 12, {5, 10, 20}},
        {"a new frequency lays them all out again", {TBM_SETTICFREQ, 20, 0}, 6, {20, 40, 60, 80}},
        {"a new range lays them out from its minimum", {TBM_SETRANGE, TRUE, MAKELONG(5, 35)}, 3, {25}},
        {"SETRANGEMAX too", {TBM_SETRANGEMAX, TRUE, 50}, 4, {25, 45}},
        {"SETRANGEMIN too", {TBM_SETRANGEMIN, TRUE, 0}, 4, {20, 40}},
        {"CLEARTICS clears the automatic ones", {TBM_CLEARTICS, TRUE, 0}, 2, {}},
    };
    Make(TBS_AUTOTICKS);
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        Send(s.call.message, s.call.wParam, s.call.lParam);
        EXPECT_EQ(Send(TBM_GETNUMTICS), s.count);
        for (std::size_t i = 0; i < s.marks.size(); ++i) EXPECT_EQ(Send(TBM_GETTIC, i), s.marks[i]) << "mark " << i;
        EXPECT_EQ(Send(TBM_GETTIC, s.count - 2), -1) << "no more marks than counted";
    }
}

// Asked for billions of automatic marks, the platform's trackbar (under Wine) crashes; this one
// keeps only the ends once more than a million marks are asked for.
TEST_F(TrackbarTest, AutomaticMarksBeyondAMillionLeaveOnlyTheEnds) {
    Make(TBS_AUTOTICKS);
    Send(TBM_SETRANGEMAX, TRUE, 100000);
    Send(TBM_SETTICFREQ, 1);
    EXPECT_EQ(Send(TBM_GETNUMTICS), 100001);
    Backend().PumpUntilIdle();
    EXPECT_NE(Backend().WindowPixel(trackbar, 100, Thumb().bottom + 3), GetSysColor(COLOR_BTNFACE))
        << "drawn, one mark a pixel";
    Send(TBM_SETRANGEMIN, TRUE, -2000000000);
    Send(TBM_SETRANGEMAX, TRUE, 2000000000);
    EXPECT_EQ(Send(TBM_GETNUMTICS), 2);
}

TEST_F(TrackbarTest, WithoutTicksNoMarkIsCountedThoughOneIsTaken) {
    for (DWORD style : {DWORD{TBS_NOTICKS}, DWORD{TBS_NOTICKS | TBS_AUTOTICKS}}) {
        Make(style);
        EXPECT_EQ(Send(TBM_SETTIC, 0, 10), TRUE);
        Send(TBM_SETTICFREQ, 10);
        EXPECT_EQ(Send(TBM_GETNUMTICS), 0) << "style " << style;
        DestroyWindow(trackbar);
    }
}

// ---- Geometry ----

TEST_F(TrackbarTest, TheThumbAndChannelLieWhereTheStyleAndSizePutThem) {
    struct Case {
        const char* name;
        DWORD style;
        RECT thumbAt0, channel, thumbAt50, thumbAt100;
    };
    const Case cases[] = {
        {"horizontal", 0, {8, 2, 19, 23}, {8, 9, 192, 13}, {94, 2, 105, 23}, {181, 2, 192, 23}},
        {"no ticks", TBS_NOTICKS, {8, 2, 19, 23}, {8, 9, 192, 13}, {94, 2, 105, 23}, {181, 2, 192, 23}},
        {"ticks on top", TBS_TOP, {8, 10, 19, 31}, {8, 19, 192, 23}, {94, 10, 105, 31}, {181, 10, 192, 31}},
        {"ticks on both sides", TBS_BOTH, {8, 10, 19, 31}, {8, 18, 192, 22}, {94, 10, 105, 31}, {181, 10, 192, 31}},
        {"automatic ticks", TBS_AUTOTICKS, {8, 2, 19, 23}, {8, 9, 192, 13}, {94, 2, 105, 23}, {181, 2, 192, 23}},
        {"reversed is only a label", TBS_REVERSED, {8, 2, 19, 23}, {8, 9, 192, 13}, {94, 2, 105, 23},
         {181, 2, 192, 23}},
        {"selection range", TBS_ENABLESELRANGE, {8, 2, 19, 25}, {8, 5, 192, 20}, {94, 2, 105, 25},
         {181, 2, 192, 25}},
        {"vertical", TBS_VERT, {2, 8, 23, 19}, {9, 8, 13, 192}, {2, 94, 23, 105}, {2, 181, 23, 192}},
        {"vertical, ticks left", TBS_VERT | TBS_LEFT, {10, 8, 31, 19}, {19, 8, 23, 192}, {10, 94, 31, 105},
         {10, 181, 31, 192}},
        {"vertical, ticks both sides", TBS_VERT | TBS_BOTH, {10, 8, 31, 19}, {18, 8, 22, 192}, {10, 94, 31, 105},
         {10, 181, 31, 192}},
        {"vertical, no ticks", TBS_VERT | TBS_NOTICKS, {2, 8, 23, 19}, {9, 8, 13, 192}, {2, 94, 23, 105},
         {2, 181, 23, 192}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const bool vertical = (c.style & TBS_VERT) != 0;
        // The size across the channel changes nothing.
        for (int across : {30, 45}) {
            Make(c.style, vertical ? across : 200, vertical ? 200 : across);
            EXPECT_TRUE(SameRect(Thumb(), c.thumbAt0));
            EXPECT_TRUE(SameRect(Channel(), c.channel));
            Send(TBM_SETPOS, TRUE, 50);
            EXPECT_TRUE(SameRect(Thumb(), c.thumbAt50));
            Send(TBM_SETPOS, TRUE, 100);
            EXPECT_TRUE(SameRect(Thumb(), c.thumbAt100));
            DestroyWindow(trackbar);
        }
    }
}

TEST_F(TrackbarTest, TheThumbFollowsANewRangeSizeAndStyleAtOnce) {
    Make(0);
    Send(TBM_SETPOS, TRUE, 50);
    Send(TBM_SETRANGE, FALSE, MAKELONG(0, 200));
    EXPECT_EQ(Thumb().left, 51) << "a quarter of the way";
    SetWindowPos(trackbar, nullptr, 0, 0, 300, 30, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_TRUE(SameRect(Thumb(), {76, 2, 87, 23}));
    EXPECT_TRUE(SameRect(Channel(), {8, 9, 292, 13}));
    SetWindowLongW(trackbar, GWL_STYLE, GetWindowLongW(trackbar, GWL_STYLE) | TBS_TOP);
    EXPECT_EQ(Thumb().top, 10);
    EXPECT_EQ(Channel().top, 19);
    Send(TBM_SETRANGE, FALSE, MAKELONG(5, 5));
    EXPECT_EQ(Thumb().left, 8) << "an empty range keeps the thumb at the start";
    SetWindowLongW(trackbar, GWL_STYLE, GetWindowLongW(trackbar, GWL_STYLE) & ~TBS_TOP);
    SetWindowPos(trackbar, nullptr, 0, 0, 10, 30, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_TRUE(SameRect(Channel(), {8, 9, 2, 13})) << "too narrow: the ends cross";
    EXPECT_EQ(Send(TBM_GETTHUMBRECT, 0, 0), 0) << "no rectangle to fill";
    EXPECT_EQ(Send(TBM_GETCHANNELRECT, 0, 0), 0);
}

// ---- Keys ----

TEST_F(TrackbarTest, KeysStepThePositionAndTellTheParentAfterMoving) {
    struct Case {
        const char* name;
        DWORD style;
        LONG start;
        UINT key;
        LONG after;
        std::optional<UINT> code;  // the TB_* code the parent hears at the press, if any
    };
    // Line 3, page 15 throughout, range 0..100.
    const Case cases[] = {
        {"Left: a line back", 0, 50, VK_LEFT, 47, TB_LINEUP},
        {"Right: a line on", 0, 50, VK_RIGHT, 53, TB_LINEDOWN},
        {"Up: a line back", 0, 50, VK_UP, 47, TB_LINEUP},
        {"Down: a line on", 0, 50, VK_DOWN, 53, TB_LINEDOWN},
        {"Page Up", 0, 50, VK_PRIOR, 35, TB_PAGEUP},
        {"Page Down", 0, 50, VK_NEXT, 65, TB_PAGEDOWN},
        {"Home", 0, 50, VK_HOME, 0, TB_TOP},
        {"End", 0, 50, VK_END, 100, TB_BOTTOM},
        {"Home at the minimum: nothing", 0, 0, VK_HOME, 0, std::nullopt},
        {"Left at the minimum: nothing", 0, 0, VK_LEFT, 0, std::nullopt},
        {"Right at the maximum: nothing", 0, 100, VK_RIGHT, 100, std::nullopt},
        {"Page Down at the maximum: nothing", 0, 100, VK_NEXT, 100, std::nullopt},
        {"Right stops at the maximum", 0, 98, VK_RIGHT, 100, TB_LINEDOWN},
        {"Page Down stops at the maximum", 0, 90, VK_NEXT, 100, TB_PAGEDOWN},
        {"Page Up stops at the minimum", 0, 10, VK_PRIOR, 0, TB_PAGEUP},
        {"a letter: nothing", 0, 50, 'A', 50, std::nullopt},
        {"vertical: Down goes on, down the screen", TBS_VERT, 50, VK_DOWN, 53, TB_LINEDOWN},
        {"vertical: Left goes back", TBS_VERT, 50, VK_LEFT, 47, TB_LINEUP},
        {"vertical: Page Down", TBS_VERT, 50, VK_NEXT, 65, TB_PAGEDOWN},
        {"down-is-left: Up goes on", TBS_DOWNISLEFT, 50, VK_UP, 53, TB_LINEDOWN},
        {"down-is-left: Page Down goes back", TBS_DOWNISLEFT, 50, VK_NEXT, 35, TB_PAGEUP},
        {"down-is-left, vertical: Left goes on", TBS_VERT | TBS_DOWNISLEFT, 50, VK_LEFT, 53, TB_LINEDOWN},
        {"down-is-left, vertical: Page Down stays", TBS_VERT | TBS_DOWNISLEFT, 50, VK_NEXT, 65, TB_PAGEDOWN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Make(c.style);
        Send(TBM_SETLINESIZE, 0, 3);
        Send(TBM_SETPAGESIZE, 0, 15);
        Send(TBM_SETPOS, TRUE, c.start);
        SetFocus(trackbar);
        heard.clear();
        Key(c.key, true);
        EXPECT_EQ(Pos(), c.after);
        const UINT scroll = (c.style & TBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
        if (c.code) EXPECT_TRUE(HeardExactly({{scroll, *c.code, 0, false, c.after}}));
        else EXPECT_TRUE(HeardExactly({}));
        if (!heard.empty()) {
            EXPECT_EQ(heard[0].from, trackbar);
        }
        heard.clear();
        Key(c.key, false);
        // Every key that can move the thumb ends its move when released, moved or not.
        if (c.key == 'A') EXPECT_TRUE(HeardExactly({}));
        else EXPECT_TRUE(HeardExactly({{scroll, TB_ENDTRACK, 0}}));
        DestroyWindow(trackbar);
    }
}

TEST_F(TrackbarTest, KeysFollowTheRulesOfTheirStepsInOddRanges) {
    struct Step {
        const char* name;
        std::optional<LPARAM> range;  // a new range first
        LONG line;
        UINT key;
        LONG after;
        bool heard;
    };
    // One trackbar, its range crossed (50..10) and then not, with a line of 0 and a negative one.
    const Step steps[] = {
        {"crossed, at the maximum: Right stays", MAKELONG(50, 10), 1, VK_RIGHT, 10, false},
        {"crossed: Left steps below the minimum and stops on it", std::nullopt, 1, VK_LEFT, 50, true},
        {"crossed, at the minimum: Home stays", std::nullopt, 1, VK_HOME, 50, false},
        {"crossed: End", std::nullopt, 1, VK_END, 10, true},
        {"line 0: told, not moved", MAKELONG(0, 100), 0, VK_RIGHT, 10, true},
        {"a negative line goes the other way", std::nullopt, -5, VK_RIGHT, 5, true},
    };
    Make(0);
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        if (s.range) Send(TBM_SETRANGE, TRUE, *s.range);
        Send(TBM_SETLINESIZE, 0, s.line);
        heard.clear();
        Send(WM_KEYDOWN, s.key, 1);
        EXPECT_EQ(Pos(), s.after);
        EXPECT_EQ(heard.size(), s.heard ? 1u : 0u);
    }
}

TEST_F(TrackbarTest, KeyDownAnswersFalseOnlyForHomeOrEndAlreadyThere) {
    Make(0);
    EXPECT_EQ(Send(WM_KEYDOWN, VK_HOME, 1), FALSE);
    EXPECT_EQ(Send(WM_KEYDOWN, VK_LEFT, 1), TRUE) << "at the minimum, but not Home";
    EXPECT_EQ(Send(WM_KEYDOWN, 'A', 1), TRUE);
    EXPECT_EQ(Send(WM_KEYDOWN, VK_END, 1), TRUE);
    EXPECT_EQ(Send(WM_KEYDOWN, VK_END, 1), FALSE);
    EXPECT_EQ(Send(WM_KEYUP, 'A', 1), TRUE);
    EXPECT_EQ(Send(WM_GETDLGCODE), DLGC_WANTARROWS) << "the dialog manager leaves it the arrows";
}

// ---- The mouse ----

TEST_F(TrackbarTest, DraggingTheThumbTracksThePointerAndEndsAtTheRelease) {
    Make(0);
    Backend().PumpUntilIdle();
    Down(13, 12);  // the thumb's centre at position 0
    EXPECT_EQ(GetFocus(), trackbar) << "a press takes the focus";
    EXPECT_EQ(GetCapture(), trackbar);
    EXPECT_TRUE(HeardExactly({})) << "the press alone moves nothing";
    struct Step {
        POINT to;
        std::optional<LONG> tracked;  // the THUMBTRACK position, if the thumb moves
    };
    const Step steps[] = {
        {{13, 12}, std::nullopt}, {{14, 12}, 1},   {{50, 12}, 21},  {{50, 12}, std::nullopt},
        {{100, 20}, 50},          {{100, 100}, std::nullopt},        {{300, 12}, 100},
        {{-50, 12}, 0},           {{100, 12}, 50},
    };
    std::vector<Expect> expected;
    for (const Step& s : steps) {
        Move(s.to.x, s.to.y);
        if (s.tracked) expected.push_back({WM_HSCROLL, TB_THUMBTRACK, *s.tracked, true, *s.tracked});
    }
    EXPECT_TRUE(HeardExactly(expected));
    heard.clear();
    Up(100, 12);
    EXPECT_TRUE(HeardExactly({{WM_HSCROLL, TB_THUMBPOSITION, 50, true, 50},
                              {WM_HSCROLL, TB_ENDTRACK, 0, true},
                              {WM_HSCROLL, TB_ENDTRACK, 0, false},
                              {WM_NOTIFY, kReleased, kId, false}}));
    EXPECT_EQ(heard.back().from, trackbar);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(TrackbarTest, TheDraggedThumbCentresOnThePointerWhereverItWasGrabbed) {
    struct Case {
        int x;
        LONG pos;
    };
    // The thumb was grabbed away from its centre; the position follows the pointer alone.
    const Case cases[] = {{0, 0},    {12, 0},   {16, 2},   {28, 9},   {60, 27},  {100, 50},
                          {140, 73}, {184, 99}, {188, 100}, {200, 100}};
    Make(0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        Send(TBM_SETPOS, TRUE, 0);
        Down(18, 5);
        Move(c.x, 5);
        EXPECT_EQ(Pos(), c.pos);
        Up(c.x, 5);
    }
}

TEST_F(TrackbarTest, AReleaseWithoutMovingStillReportsThePosition) {
    Make(TBS_VERT, 30, 200);
    Send(TBM_SETPOS, TRUE, 30);
    const RECT thumb = Thumb();
    Down(thumb.left + 5, thumb.top + 5);
    Up(thumb.left + 5, thumb.top + 5);
    EXPECT_TRUE(HeardExactly({{WM_VSCROLL, TB_THUMBPOSITION, 30},
                              {WM_VSCROLL, TB_ENDTRACK, 0},
                              {WM_VSCROLL, TB_ENDTRACK, 0},
                              {WM_NOTIFY, kReleased}}));
}

TEST_F(TrackbarTest, PressingBesideTheThumbPagesTowardThePressAndRepeatsEveryHalfSecond) {
    Make(0);
    Send(TBM_SETPAGESIZE, 0, 10);
    Backend().PumpUntilIdle();
    Down(150, 11);
    EXPECT_TRUE(HeardExactly({{WM_HSCROLL, TB_PAGEDOWN, 0, false, 10}})) << "at once, before the capture is taken";
    EXPECT_EQ(GetCapture(), trackbar);
    EXPECT_EQ(GetFocus(), trackbar);
    struct Tick {
        std::uint64_t afterMs;
        LONG pos;
    };
    const Tick ticks[] = {{499, 10}, {1, 20}, {500, 30}, {500, 40}};
    for (const Tick& t : ticks) {
        Backend().RunFor(t.afterMs);
        EXPECT_EQ(Pos(), t.pos) << "after " << t.afterMs << " more ms";
    }
    heard.clear();
    Up(150, 11);
    EXPECT_TRUE(HeardExactly({{WM_HSCROLL, TB_ENDTRACK, 0, true},
                              {WM_HSCROLL, TB_ENDTRACK, 0, false},
                              {WM_NOTIFY, kReleased, kId, false}}));
    Backend().RunFor(2000);
    EXPECT_EQ(Pos(), 40) << "the paging stops with the release";
}

TEST_F(TrackbarTest, PagingStopsOnceTheThumbIsUnderThePointerAndMovesFollowIt) {
    Make(0);
    Down(60, 11);  // position 27 lies under the pointer
    Backend().RunFor(3000);
    EXPECT_EQ(Pos(), 40) << "20, then 40 passes the pointer and stops";
    heard.clear();
    Move(150, 11);
    EXPECT_TRUE(HeardExactly({{WM_HSCROLL, TB_PAGEDOWN, 0}})) << "a move pages at once";
    heard.clear();
    Move(20, 11);
    EXPECT_TRUE(HeardExactly({})) << "the paging keeps the way it started";
    Up(20, 11);
}

TEST_F(TrackbarTest, APressOffTheBandOrOnThePositionDoesNothingButTakeTheFocus) {
    struct Case {
        const char* name;
        POINT at;
    };
    const Case cases[] = {
        {"below the thumb's band", {150, 27}},
        {"right of the channel", {195, 11}},
        {"left of the channel", {3, 11}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Make(0, 200, 40);
        SetFocus(panel_);
        heard.clear();
        Down(c.at.x, c.at.y);
        EXPECT_EQ(GetFocus(), trackbar);
        EXPECT_EQ(GetCapture(), nullptr);
        Up(c.at.x, c.at.y);
        EXPECT_TRUE(HeardExactly({}));
        EXPECT_EQ(Pos(), 0);
        DestroyWindow(trackbar);
    }
}

TEST_F(TrackbarTest, AVerticalTrackbarPagesDownTheScreenTowardItsMaximum) {
    Make(TBS_VERT, 30, 200);
    Down(11, 150);
    Up(11, 150);
    EXPECT_TRUE(HeardExactly({{WM_VSCROLL, TB_PAGEDOWN, 0, false, 20},
                              {WM_VSCROLL, TB_ENDTRACK, 0, true},
                              {WM_VSCROLL, TB_ENDTRACK, 0, false},
                              {WM_NOTIFY, kReleased}}));
}

// The platform keeps dragging after another window takes the capture and reports the release
// wherever it happens; here the press ends with the capture, so a trackbar never drags on with
// no button held.
TEST_F(TrackbarTest, LosingTheCaptureEndsThePress) {
    for (POINT press : {POINT{13, 12}, POINT{150, 12}}) {
        Make(0);
        Down(press.x, press.y);
        heard.clear();
        SetCapture(panel_);
        EXPECT_TRUE(HeardExactly({{WM_HSCROLL, TB_ENDTRACK, 0, false}}));
        ReleaseCapture();
        heard.clear();
        Move(80, 12);
        Up(80, 12);
        Backend().RunFor(1000);
        EXPECT_TRUE(HeardExactly({}));
        DestroyWindow(trackbar);
    }
}

TEST_F(TrackbarTest, ADisabledTrackbarTakesNoInput) {
    Make(WS_DISABLED);
    Down(150, 11);
    Up(150, 11);
    Down(13, 12);
    Move(100, 12);
    Up(100, 12);
    SetFocus(trackbar);
    Key(VK_RIGHT, true);
    EXPECT_EQ(Pos(), 0);
    EXPECT_TRUE(HeardExactly({}));
    EXPECT_NE(GetFocus(), trackbar);
}

TEST_F(TrackbarTest, AParentThatDestroysTheTrackbarWhileHearingOfItIsSafe) {
    struct Case {
        const char* name;
        int code;
        std::function<void()> act;
    };
    const Case cases[] = {
        {"paging", TB_PAGEDOWN, [this] { Down(150, 11); }},
        {"dragging", TB_THUMBTRACK, [this] { Down(13, 12), Move(100, 12); }},
        {"releasing", TB_THUMBPOSITION, [this] { Down(13, 12), Up(13, 12); }},
        {"end of a drag", TB_ENDTRACK, [this] { Down(13, 12), Up(13, 12); }},
        {"a key", TB_LINEDOWN, [this] { SetFocus(trackbar), Key(VK_RIGHT, true); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Make(0);
        destroyOnCode = c.code;
        c.act();
        Backend().RunFor(1000);
        EXPECT_FALSE(IsWindow(trackbar));
        EXPECT_EQ(Send(TBM_GETPOS), 0) << "a destroyed trackbar answers nothing";
        ReleaseCapture();
        Up(13, 12);
        destroyOnCode = -1;
    }
}

// ---- Looks ----

TEST_F(TrackbarTest, ItPaintsOnTheParentsBrushWithTheThumbWhereItsRectangleSays) {
    backgroundBrush = CreateSolidBrush(RGB(200, 30, 30));
    Make(TBS_AUTOTICKS, 200, 40);
    Send(TBM_SETTICFREQ, 25);
    Send(TBM_SETPOS, TRUE, 50);
    Backend().PumpUntilIdle();
    EXPECT_GE(Log().Count(WM_CTLCOLORSTATIC, panel_), 1) << "the background is asked as for static text";
    EXPECT_EQ(Backend().WindowPixel(trackbar, 50, 35), RGB(200, 30, 30)) << "the parent's brush";
    const RECT thumb = Thumb(), channel = Channel();
    EXPECT_EQ(Backend().WindowPixel(trackbar, (thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2),
              look::kFace);
    EXPECT_EQ(Backend().WindowPixel(trackbar, 40, (channel.top + channel.bottom) / 2), look::kField)
        << "the channel's inside";
    // A mark below the thumb at every 25, the ends included.
    auto markedAt = [&](int x) { return Backend().WindowPixel(trackbar, x, thumb.bottom + 3) != RGB(200, 30, 30); };
    for (LONG value : {0, 25, 50, 75, 100}) {
        Send(TBM_SETPOS, FALSE, value);
        EXPECT_TRUE(markedAt(Thumb().left + 5)) << "a mark at " << value;
    }
    EXPECT_FALSE(markedAt(Thumb().left + 15)) << "none between";
    DestroyWindow(trackbar);
    DeleteObject(backgroundBrush);
    backgroundBrush = nullptr;
}

TEST_F(TrackbarTest, TheThumbShowsFocusDragAndDisabledStates) {
    Make(0);
    auto thumbFace = [&] {
        Backend().PumpUntilIdle();
        return Backend().WindowPixel(trackbar, 13, 12);
    };
    auto thumbBorder = [&] { return Backend().WindowPixel(trackbar, 8, 12); };
    auto focusDotted = [&] {
        bool dotted = false;
        for (int x = 20; x < 180; ++x) dotted |= Backend().WindowPixel(trackbar, x, 0) != GetSysColor(COLOR_BTNFACE);
        return dotted;
    };
    EXPECT_EQ(thumbFace(), look::kFace);
    EXPECT_EQ(thumbBorder(), look::kBorder);
    EXPECT_FALSE(focusDotted());
    SetFocus(trackbar);
    EXPECT_EQ(thumbFace(), look::kFace);
    EXPECT_EQ(thumbBorder(), look::kBorderFocus);
    EXPECT_TRUE(focusDotted()) << "the focus rectangle goes round the control";
    Down(13, 12);
    EXPECT_EQ(thumbFace(), look::kFacePressed);
    Up(13, 12);
    EXPECT_EQ(thumbFace(), look::kFace);
    EnableWindow(trackbar, FALSE);
    EXPECT_EQ(thumbFace(), look::kDisabledFace);
    EXPECT_EQ(Backend().WindowPixel(trackbar, 40, 11), look::kDisabledFace) << "the channel greys too";
}

}  // namespace
