// The up-down control ("msctls_updown32"): each UDM_* message's answer and effect, its buddy
// (the text written and read, the placement beside it, the arrow keys pressed in it), the arrows
// under the mouse and their repeat on the virtual clock, what the parent hears and in which
// order, and how it looks. Every expected value was printed by the platform's own up-down
// control (comctl32 under Wine) for the same calls, except where a test says otherwise.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "HeadlessTest.h"
#include "Screenshot.h"
#include "controls/Look.h"
#include "core/gdi/GdiObjects.h"

namespace {

namespace look = platform::look;

constexpr int kEditId = 8;
constexpr int kId = 9;
constexpr RECT kEditRect{40, 20, 140, 44};

// What the parent heard, in order: UDN_DELTAPOS (a = iPos, b = iDelta), the scroll messages
// (a = the position word), and the buddy's WM_COMMAND notices (a = the buddy's id); with the
// buddy's text and whether the control held the capture at that moment.
struct Heard {
    UINT message;
    UINT code;
    int a;
    int b;
    std::wstring text;
    bool captured;
};
std::vector<Heard> heard;
HWND updown = nullptr;
HWND edit = nullptr;
// How the parent answers UDN_DELTAPOS: refuse the step, or change its size.
LRESULT refuse = 0;
std::optional<int> newDelta;
// The parent destroys the control when it hears this message (0: never).
UINT destroyOn = 0;

std::wstring TextOf(HWND window) {
    wchar_t text[64] = {};
    if (window) GetWindowTextW(window, text, 64);
    return text;
}

LRESULT CALLBACK PanelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Log().Add({hwnd, message, wParam, lParam});
    const bool captured = updown && GetCapture() == updown;
    if (message == destroyOn && updown) DestroyWindow(updown);
    if (message == WM_NOTIFY) {
        auto* change = reinterpret_cast<NMUPDOWN*>(lParam);
        if (change->hdr.code != UDN_DELTAPOS) return 0;
        heard.push_back({message, change->hdr.code, change->iPos, change->iDelta, TextOf(edit), captured});
        EXPECT_EQ(change->hdr.idFrom, static_cast<UINT_PTR>(kId));
        EXPECT_EQ(wParam, static_cast<WPARAM>(kId));
        if (newDelta) change->iDelta = *newDelta;
        return refuse;
    }
    if (message == WM_VSCROLL || message == WM_HSCROLL) {
        heard.push_back({message, LOWORD(wParam), static_cast<SHORT>(HIWORD(wParam)), 0, TextOf(edit), captured});
        EXPECT_EQ(lParam, reinterpret_cast<LPARAM>(updown)) << "the control names itself";
        return 0;
    }
    if (message == WM_COMMAND && lParam && reinterpret_cast<HWND>(lParam) == edit)
        heard.push_back({message, HIWORD(wParam), LOWORD(wParam), 0, TextOf(edit), captured});
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

struct Expect {
    UINT message;
    UINT code;
    std::optional<int> a = std::nullopt;
    std::optional<int> b = std::nullopt;
    std::optional<std::wstring> text = std::nullopt;
};

::testing::AssertionResult HeardExactly(const std::vector<Expect>& expected) {
    if (heard.size() != expected.size())
        return ::testing::AssertionFailure() << "heard " << heard.size() << " messages, expected " << expected.size();
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Heard& h = heard[i];
        const Expect& e = expected[i];
        auto fail = [&](const char* what) {
            return ::testing::AssertionFailure() << "message " << i << " (" << MessageName(h.message) << " code "
                                                 << static_cast<int>(h.code) << " a " << h.a << " b " << h.b
                                                 << "): " << what << " differs";
        };
        if (h.message != e.message || h.code != e.code) return fail("message or code");
        if (e.a && h.a != *e.a) return fail("first value");
        if (e.b && h.b != *e.b) return fail("second value");
        if (e.text && h.text != *e.text) return fail("buddy's text");
    }
    return ::testing::AssertionSuccess();
}

// The parent's answers to one step: asked, the buddy's text changed (when it does), told.
std::vector<Expect> StepHeard(int from, int delta, std::optional<int> to, int reported, UINT scroll = WM_VSCROLL) {
    std::vector<Expect> step{{WM_NOTIFY, UDN_DELTAPOS, from, delta}};
    if (to) {
        step.push_back({WM_COMMAND, EN_UPDATE, kEditId});
        step.push_back({WM_COMMAND, EN_CHANGE, kEditId, std::nullopt, std::to_wstring(*to)});
    }
    step.push_back({scroll, SB_THUMBPOSITION, reported});
    return step;
}

class UpDownTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        heard.clear();
        refuse = 0;
        newDelta.reset();
        destroyOn = 0;
        updown = edit = nullptr;
        INITCOMMONCONTROLSEX init{sizeof init, ICC_UPDOWN_CLASS};
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
        updown = edit = nullptr;
        HeadlessTest::TearDown();
    }

    HWND Edit(const wchar_t* text = L"5", RECT at = kEditRect, const wchar_t* cls = L"edit") {
        edit = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | WS_BORDER, at.left, at.top, at.right - at.left,
                               at.bottom - at.top, panel_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)),
                               nullptr, nullptr);
        return edit;
    }
    HWND UpDown(DWORD style, RECT at = {300, 100, 330, 150}) {
        updown = CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE | style, at.left, at.top,
                                 at.right - at.left, at.bottom - at.top, panel_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(kId)), nullptr, nullptr);
        return updown;
    }
    // An edit field holding `text` with a control beside it on the right, as most programs use
    // one; its range and position set, the parent's log cleared.
    void Pair(DWORD style, int min, int max, int pos, const wchar_t* text = L"5") {
        Edit(text);
        UpDown(UDS_ALIGNRIGHT | UDS_SETBUDDYINT | style);
        Send(UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit));
        Send(UDM_SETRANGE32, min, max);
        Send(UDM_SETPOS32, 0, pos);
        Backend().PumpUntilIdle();
        heard.clear();
    }
    // The procedure every edit field starts with.
    LONG_PTR EditProcedure() {
        HWND fresh = CreateWindowExW(0, L"edit", L"", WS_CHILD, 0, 0, 10, 10, panel_, nullptr, nullptr, nullptr);
        const LONG_PTR proc = GetWindowLongPtrW(fresh, GWLP_WNDPROC);
        DestroyWindow(fresh);
        return proc;
    }
    static LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendMessageW(updown, message, wParam, lParam);
    }
    static int Pos32(BOOL* failed = nullptr) { return static_cast<int>(Send(UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(failed))); }
    RECT PlaceOf(HWND window) const {
        RECT rect{};
        GetWindowRect(window, &rect);
        POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
        for (POINT& corner : corners) ScreenToClient(panel_, &corner);
        return {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    }
    // Mouse actions at a point of the control's client area.
    POINT InPanel(POINT at) const {
        RECT place = PlaceOf(updown);
        return {place.left + at.x, place.top + at.y};
    }
    void Down(POINT at) { POINT p = InPanel(at); Backend().MouseDown(panel_, p.x, p.y); Backend().PumpUntilIdle(); }
    void Move(POINT at) { POINT p = InPanel(at); Backend().MouseMove(panel_, p.x, p.y); Backend().PumpUntilIdle(); }
    void Up(POINT at) { POINT p = InPanel(at); Backend().MouseUp(panel_, p.x, p.y); Backend().PumpUntilIdle(); }
    void Key(UINT vk) { Backend().KeyDown(vk); Backend().PumpUntilIdle(); Backend().KeyUp(vk); Backend().PumpUntilIdle(); }

    HWND panel_ = nullptr;

private:
    std::optional<ScreenshotOnFailure> screenshot_;
    platform::GdiCounts objects_;
};

// Beside an edit buddy the arrows of the 16 x 24 control are rows 1..11 and 12..22.
constexpr POINT kUpArrow{8, 4};
constexpr POINT kDownArrow{8, 20};

bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

// ---- Range and position ----

TEST_F(UpDownTest, RangeAndPositionMessagesAnswerAsThePlatformDoes) {
    struct Step {
        const char* name;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        LRESULT result;
        int min, max, pos;
    };
    // Without a buddy every read of the position reports a failure; a range set later leaves
    // the position where it was and only reads it as the nearer end.
    const Step steps[] = {
        {"the defaults run from 100 down to 0", UDM_GETBASE, 0, 0, 10, 100, 0, 0},
        {"SETRANGE32", UDM_SETRANGE32, static_cast<WPARAM>(-5), 500, 0, -5, 500, 0},
        {"SETPOS32 returns the position before", UDM_SETPOS32, 0, 42, 0, -5, 500, 42},
        {"SETPOS32 above the range", UDM_SETPOS32, 0, 900, 42, -5, 500, 500},
        {"SETPOS32 below the range", UDM_SETPOS32, 0, -100, 500, -5, 500, -5},
        {"SETPOS takes a signed low word", UDM_SETPOS, 0, MAKELPARAM(300, 0), -5, -5, 500, 300},
        {"SETPOS above the range", UDM_SETPOS, 0, MAKELPARAM(900, 0), 300, -5, 500, 500},
        {"SETPOS below zero", UDM_SETPOS, 0, MAKELPARAM(-3, 0), 500, -5, 500, -3},
        {"SETPOS ignores wParam", UDM_SETPOS, 77, 0, -3, -5, 500, 0},
        {"SETRANGE32(0,10)", UDM_SETRANGE32, 0, 10, 0, 0, 10, 0},
        {"SETPOS32(7)", UDM_SETPOS32, 0, 7, 0, 0, 10, 7},
        {"a range below the position reads as its end", UDM_SETRANGE32, 0, 5, 0, 0, 5, 5},
        {"SETRANGE packs the maximum low", UDM_SETRANGE, 0, MAKELPARAM(50, 10), 0, 10, 50, 10},
        {"SETRANGE's halves are signed", UDM_SETRANGE, 0, MAKELPARAM(50000, -3), 0, -3, -15536, -3},
        {"the position kept comes back", UDM_SETRANGE32, 100, 0, 0, 100, 0, 7},
        {"SETPOS32 in a range from 100 down to 0", UDM_SETPOS32, 0, 50, 7, 100, 0, 50},
        {"above it", UDM_SETPOS32, 0, 150, 50, 100, 0, 100},
        {"below it", UDM_SETPOS32, 0, -1, 100, 100, 0, 0},
        {"a wide range", UDM_SETRANGE32, static_cast<WPARAM>(-100000), 100000, 0, -100000, 100000, 0},
        {"a position past 16 bits", UDM_SETPOS32, 0, 70000, 0, -100000, 100000, 70000},
        {"SETPOS32 returns the old position as it reads now", UDM_SETRANGE32, 0, 10, 0, 0, 10, 10},
        {"", UDM_SETPOS32, 0, 3, 10, 0, 10, 3},
    };
    UpDown(0);
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        EXPECT_EQ(Send(s.message, s.wParam, s.lParam), s.result);
        int min = 1, max = 1;
        Send(UDM_GETRANGE32, reinterpret_cast<WPARAM>(&min), reinterpret_cast<LPARAM>(&max));
        EXPECT_EQ(min, s.min);
        EXPECT_EQ(max, s.max);
        const LRESULT range16 = Send(UDM_GETRANGE);
        EXPECT_EQ(static_cast<SHORT>(LOWORD(range16)), static_cast<SHORT>(s.max));
        EXPECT_EQ(static_cast<SHORT>(HIWORD(range16)), static_cast<SHORT>(s.min));
        BOOL failed = FALSE;
        EXPECT_EQ(Pos32(&failed), s.pos);
        EXPECT_TRUE(failed) << "no buddy to read";
        const LRESULT pos16 = Send(UDM_GETPOS);
        EXPECT_EQ(LOWORD(pos16), static_cast<WORD>(s.pos));
        EXPECT_EQ(HIWORD(pos16), 1) << "the error flag";
    }
    EXPECT_EQ(Send(UDM_GETRANGE32), 0) << "no pointers to fill";
    EXPECT_EQ(Pos32(nullptr), 3) << "no flag to set";
}

TEST_F(UpDownTest, BaseAndAccelerationMessages) {
    UpDown(0);
    UDACCEL read[4]{};
    EXPECT_EQ(Send(UDM_GETACCEL, 0, 0), 0) << "no table until one is given";
    EXPECT_EQ(Send(UDM_GETACCEL, 4, reinterpret_cast<LPARAM>(read)), 0);
    const UDACCEL table[2] = {{1, 3}, {4, 9}};
    EXPECT_EQ(Send(UDM_SETACCEL, 2, reinterpret_cast<LPARAM>(table)), TRUE);
    EXPECT_EQ(Send(UDM_GETACCEL, 0, 0), 2) << "the count, asked without room";
    EXPECT_EQ(Send(UDM_GETACCEL, 4, reinterpret_cast<LPARAM>(read)), 2);
    EXPECT_EQ(read[1].nSec, 4u);
    EXPECT_EQ(read[1].nInc, 9u);
    EXPECT_EQ(Send(UDM_GETACCEL, 1, reinterpret_cast<LPARAM>(read)), 1) << "no more than there is room for";
    // The platform's control reads through the null pointer; here the table is refused.
    EXPECT_EQ(Send(UDM_SETACCEL, 1, 0), FALSE);
    EXPECT_EQ(Send(UDM_GETACCEL, 0, 0), 2);
    EXPECT_EQ(Send(UDM_SETACCEL, 0, 0), TRUE) << "an empty table";
    EXPECT_EQ(Send(UDM_GETACCEL, 0, 0), 0);

    struct Step {
        WPARAM base;
        LRESULT result;
        LRESULT after;
    };
    for (Step s : {Step{16, 10, 16}, Step{8, 0, 16}, Step{10, 16, 10}, Step{0, 0, 10}}) {
        EXPECT_EQ(Send(UDM_SETBASE, s.base), s.result) << "base " << s.base;
        EXPECT_EQ(Send(UDM_GETBASE), s.after) << "base " << s.base;
    }
    EXPECT_EQ(Send(WM_GETDLGCODE), 0);
}

// ---- The buddy's text ----

TEST_F(UpDownTest, APositionReadFromTheBuddyIsItsNumberOrAFailure) {
    struct Step {
        const wchar_t* text;
        int base;
        int pos;
        BOOL failed;
    };
    // One control, range -100000..100000; a failure leaves the position before.
    const Step steps[] = {
        {L"abc", 10, 0, TRUE},       {L"123", 10, 123, FALSE},     {L"1,234", 10, 1234, FALSE},
        {L" 12", 10, 12, FALSE},     {L"12 ", 10, 12, TRUE},       {L"-12", 10, -12, FALSE},
        {L"12abc", 10, -12, TRUE},   {L"", 10, 0, FALSE},          {L"999999", 10, 0, TRUE},
        {L"  +42", 10, 42, FALSE},   {L"1,2,3", 10, 123, FALSE},   {L"-", 10, 123, TRUE},
        {L"  ", 10, 123, TRUE},      {L"0x1F", 10, 123, TRUE},     {L"0x1F", 16, 31, FALSE},
        {L"1F", 16, 31, FALSE},      {L"ff", 16, 255, FALSE},      {L"-ff", 16, -255, FALSE},
        {L"0x00FF", 16, 255, FALSE}, {L"0xFFFFFFFB", 16, 255, TRUE}, {L"12345678901234567890", 10, 255, TRUE},
    };
    Edit(L"abc");
    UpDown(UDS_SETBUDDYINT);
    EXPECT_EQ(Send(UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit)), 0) << "no buddy before";
    EXPECT_EQ(TextOf(edit), L"abc") << "taking a buddy writes nothing";
    Send(UDM_SETRANGE32, static_cast<WPARAM>(-100000), 100000);
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << "\"" << testing::PrintToString(std::wstring(s.text)) << "\" base " << s.base);
        Send(UDM_SETBASE, s.base);  // a new base writes the position into the buddy
        SetWindowTextW(edit, s.text);
        BOOL failed = 2;
        EXPECT_EQ(Pos32(&failed), s.pos);
        EXPECT_EQ(failed, s.failed);
        const LRESULT pos16 = Send(UDM_GETPOS);
        EXPECT_EQ(HIWORD(pos16), s.failed ? 1 : 0);
    }
}

TEST_F(UpDownTest, OnlyASetBuddyIntControlReadsItsBuddy) {
    Edit(L"7");
    UpDown(0);
    Send(UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit));
    Send(UDM_SETRANGE32, 0, 100);
    BOOL failed = FALSE;
    EXPECT_EQ(Pos32(&failed), 0);
    EXPECT_TRUE(failed);
    EXPECT_EQ(Send(UDM_SETPOS32, 0, 5), 0);
    EXPECT_EQ(TextOf(edit), L"7") << "nor writes it";
    SetWindowLongW(updown, GWL_STYLE, GetWindowLongW(updown, GWL_STYLE) | UDS_SETBUDDYINT);
    EXPECT_EQ(Send(UDM_SETPOS32, 0, 9), 5) << "setting the position does not read the buddy";
    EXPECT_EQ(TextOf(edit), L"9");
    SetWindowTextW(edit, L"500");
    EXPECT_EQ(Pos32(&failed), 9) << "a number outside the range is refused";
    EXPECT_TRUE(failed);
}

TEST_F(UpDownTest, ThePositionIsWrittenIntoTheBuddyWithItsThousandsGrouped) {
    struct Case {
        DWORD style;
        int base;
        int value;
        const wchar_t* text;
        bool readsBack = true;
    };
    const Case cases[] = {
        {0, 10, 1234, L"1,234"},
        {0, 10, -1234, L"-1,234"},
        {0, 10, 99999, L"99,999"},
        {0, 10, 1000, L"1,000"},
        {0, 10, 999, L"999"},
        {0, 10, 1234567, L"1,234,567"},
        // The platform's control puts a separator after the minus sign when the digits come in
        // whole threes ("-,123", "-,100,000"); here the sign stands before the first digit.
        {0, 10, -123, L"-123"},
        {0, 10, -100000, L"-100,000"},
        {UDS_NOTHOUSANDS, 10, -1234, L"-1234"},
        {UDS_NOTHOUSANDS, 10, 1234567, L"1234567"},
        {0, 16, 255, L"0x00FF"},
        {0, 16, 0x12345, L"0x12345"},
        // A negative number in hex is written as its 32-bit pattern, too large to read back.
        {0, 16, -5, L"0xFFFFFFFB", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        Edit(L"");
        UpDown(UDS_SETBUDDYINT | c.style);
        Send(UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit));
        Send(UDM_SETRANGE32, static_cast<WPARAM>(-10000000), 10000000);
        Send(UDM_SETBASE, c.base);
        Send(UDM_SETPOS32, 0, c.value);
        EXPECT_EQ(TextOf(edit), c.text);
        BOOL failed = TRUE;
        EXPECT_EQ(Pos32(&failed), c.value);
        EXPECT_EQ(failed, !c.readsBack);
        DestroyWindow(updown);
        DestroyWindow(edit);
    }
}

TEST_F(UpDownTest, TheBuddyHearsOfAChangeOnlyWhenItsTextChanges) {
    Pair(0, 0, 1000, 255);
    Send(UDM_SETBASE, 16);
    EXPECT_EQ(TextOf(edit), L"0x00FF") << "a new base is written at once";
    heard.clear();
    SetWindowTextW(edit, L"0x00ff");
    heard.clear();
    Send(UDM_SETPOS32, 0, 255);
    EXPECT_EQ(TextOf(edit), L"0x00ff") << "the same number in other letters is left alone";
    EXPECT_TRUE(HeardExactly({}));
    Send(UDM_SETBASE, 16);
    EXPECT_TRUE(HeardExactly({})) << "the same base again";
    Send(UDM_SETPOS32, 0, 256);
    EXPECT_TRUE(HeardExactly({{WM_COMMAND, EN_UPDATE}, {WM_COMMAND, EN_CHANGE, kEditId, std::nullopt, L"0x0100"}}));
}

// ---- Placement beside the buddy ----

TEST_F(UpDownTest, ABuddyAlignedWithNarrowsAndTheControlTakesTheRoomMade) {
    struct Case {
        const char* name;
        DWORD style;
        const wchar_t* buddyClass;
        RECT buddyBefore;
        RECT control, buddy;
    };
    const Case cases[] = {
        {"not aligned", 0, L"edit", kEditRect, {300, 100, 316, 150}, kEditRect},
        {"right of an edit field, over its border", UDS_ALIGNRIGHT, L"edit", kEditRect, {122, 20, 138, 44},
         {40, 20, 124, 44}},
        {"left of an edit field, wider by its border", UDS_ALIGNLEFT, L"edit", kEditRect, {40, 20, 58, 44},
         {56, 20, 140, 44}},
        {"both: left", UDS_ALIGNLEFT | UDS_ALIGNRIGHT, L"edit", kEditRect, {40, 20, 58, 44}, {56, 20, 140, 44}},
        {"horizontal, right", UDS_ALIGNRIGHT | UDS_HORZ, L"edit", kEditRect, {122, 20, 138, 44}, {40, 20, 124, 44}},
        {"right of a button: no overlap", UDS_ALIGNRIGHT, L"Button", kEditRect, {124, 20, 140, 44},
         {40, 20, 124, 44}},
        {"left of a label", UDS_ALIGNLEFT, L"static", kEditRect, {40, 20, 56, 44}, {56, 20, 140, 44}},
        {"a buddy narrower than the control", UDS_ALIGNRIGHT, L"edit", {40, 20, 50, 44}, {32, 20, 48, 44},
         {40, 20, 40, 44}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Edit(L"5", c.buddyBefore, c.buddyClass);
        UpDown(c.style);
        Send(UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit));
        EXPECT_TRUE(SameRect(PlaceOf(updown), c.control));
        EXPECT_TRUE(SameRect(PlaceOf(edit), c.buddy));
        DestroyWindow(updown);
        DestroyWindow(edit);
    }
}

TEST_F(UpDownTest, EachBuddySetNarrowsItAgainAndAVerticalControlKeepsItsWidth) {
    Edit();
    UpDown(UDS_ALIGNRIGHT);
    EXPECT_TRUE(SameRect(PlaceOf(updown), {300, 100, 316, 150})) << "made 16 wide";
    Send(UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit));
    Send(UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit));
    EXPECT_TRUE(SameRect(PlaceOf(updown), {106, 20, 122, 44}));
    EXPECT_TRUE(SameRect(PlaceOf(edit), {40, 20, 108, 44}));
    HWND first = edit;
    Edit(L"5", {40, 100, 120, 130});
    EXPECT_EQ(Send(UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit)), reinterpret_cast<LRESULT>(first));
    EXPECT_TRUE(SameRect(PlaceOf(updown), {102, 100, 118, 130}));
    EXPECT_TRUE(SameRect(PlaceOf(edit), {40, 100, 104, 130}));
    EXPECT_TRUE(SameRect(PlaceOf(first), {40, 20, 108, 44})) << "the old buddy stays as it was";
    EXPECT_EQ(Send(UDM_SETBUDDY, 0), reinterpret_cast<LRESULT>(edit));
    EXPECT_EQ(Send(UDM_GETBUDDY), 0);
    EXPECT_TRUE(SameRect(PlaceOf(updown), {102, 100, 118, 130})) << "no buddy: the control stays";

    struct Made {
        DWORD style;
        int width, height;
    };
    for (Made m : {Made{0, 16, 10}, Made{UDS_HORZ, 40, 10}}) {
        UpDown(m.style, {300, 10, 340, 20});
        RECT client{};
        GetClientRect(updown, &client);
        EXPECT_EQ(client.right, m.width) << "style " << m.style;
        EXPECT_EQ(client.bottom, m.height) << "style " << m.style;
        SetWindowPos(updown, nullptr, 0, 0, 50, 50, SWP_NOMOVE | SWP_NOZORDER);
        GetClientRect(updown, &client);
        EXPECT_EQ(client.right, 50) << "a later size is kept";
    }
}

TEST_F(UpDownTest, AutoBuddyTakesTheWindowJustAboveItAmongItsSiblings) {
    UpDown(UDS_AUTOBUDDY);
    EXPECT_EQ(Send(UDM_GETBUDDY), 0) << "the first child has none above it";
    Edit(L"abc");
    UpDown(UDS_AUTOBUDDY | UDS_ALIGNRIGHT | UDS_SETBUDDYINT);
    EXPECT_EQ(Send(UDM_GETBUDDY), reinterpret_cast<LRESULT>(edit));
    EXPECT_TRUE(SameRect(PlaceOf(updown), {122, 20, 138, 44}));
    EXPECT_EQ(TextOf(edit), L"abc") << "nothing written on taking it";
    HWND withBuddy = updown;
    UpDown(UDS_AUTOBUDDY);
    EXPECT_EQ(Send(UDM_GETBUDDY), reinterpret_cast<LRESULT>(withBuddy)) << "another up-down is as good";
    EXPECT_EQ(Send(UDM_SETBUDDY, 0x1234), reinterpret_cast<LRESULT>(withBuddy));
    EXPECT_EQ(Send(UDM_GETBUDDY), 0) << "a handle that names no window";
}

// ---- The mouse ----

TEST_F(UpDownTest, ClickingAnArrowAsksTheParentChangesTheBuddyThenTellsTheParent) {
    struct Case {
        const char* name;
        DWORD style;
        int min, max, pos;
        POINT at;
        LRESULT refusal;
        std::optional<int> changedDelta;
        int delta;               // asked for
        std::optional<int> to;   // the buddy's new number, when it changes
        int reported;            // the position the parent is told
    };
    const Case cases[] = {
        {"up", 0, 0, 10, 5, kUpArrow, 0, std::nullopt, 1, 6, 6},
        {"down", 0, 0, 10, 5, kDownArrow, 0, std::nullopt, -1, 4, 4},
        {"up at the maximum", 0, 0, 10, 10, kUpArrow, 0, std::nullopt, 1, std::nullopt, 10},
        {"down at the minimum", 0, 0, 10, 0, kDownArrow, 0, std::nullopt, -1, std::nullopt, 0},
        {"up at the maximum, wrapping", UDS_WRAP, 0, 10, 10, kUpArrow, 0, std::nullopt, 1, 0, 0},
        {"down at the minimum, wrapping", UDS_WRAP, 0, 10, 0, kDownArrow, 0, std::nullopt, -1, 10, 10},
        {"up in a range from 10 down to 0", 0, 10, 0, 5, kUpArrow, 0, std::nullopt, -1, 4, 4},
        {"down in it", 0, 10, 0, 5, kDownArrow, 0, std::nullopt, 1, 6, 6},
        {"up at its end, wrapping", UDS_WRAP, 10, 0, 0, kUpArrow, 0, std::nullopt, -1, 10, 10},
        {"refused", 0, 0, 10, 5, kUpArrow, 1, std::nullopt, 1, std::nullopt, 5},
        {"the parent makes it 3", 0, 0, 10, 5, kUpArrow, 0, 3, 1, 8, 8},
        {"the parent makes it 30", 0, 0, 10, 8, kUpArrow, 0, 30, 1, 10, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Pair(c.style, c.min, c.max, c.pos, std::to_wstring(c.pos).c_str());
        refuse = c.refusal;
        newDelta = c.changedDelta;
        Down(c.at);
        std::vector<Expect> expected{{WM_COMMAND, EN_SETFOCUS, kEditId}};
        for (const Expect& e : StepHeard(c.pos, c.delta, c.to, c.reported)) expected.push_back(e);
        EXPECT_TRUE(HeardExactly(expected));
        EXPECT_EQ(GetFocus(), edit) << "the press gives the edit field the focus";
        EXPECT_EQ(GetCapture(), updown);
        heard.clear();
        Up(c.at);
        EXPECT_TRUE(HeardExactly({{WM_VSCROLL, SB_ENDSCROLL, c.reported}}));
        EXPECT_EQ(GetCapture(), nullptr);
        DWORD start = 1, end = 0;
        SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u) << "the release selects the buddy's text";
        EXPECT_EQ(end, static_cast<DWORD>(TextOf(edit).size()));
        DestroyWindow(updown);
        DestroyWindow(edit);
    }
}

TEST_F(UpDownTest, TheBuddysTextIsReadBeforeTheStep) {
    Pair(0, 0, 10, 10);
    SetWindowTextW(edit, L"7");
    heard.clear();
    Down(kUpArrow);
    Up(kUpArrow);
    EXPECT_EQ(Pos32(), 8);
    Send(UDM_SETPOS32, 0, 10);
    SetWindowTextW(edit, L"abc");
    heard.clear();
    Down(kUpArrow);
    EXPECT_TRUE(HeardExactly({{WM_NOTIFY, UDN_DELTAPOS, 10, 1, L"abc"}, {WM_VSCROLL, SB_THUMBPOSITION, 10}}));
    Up(kUpArrow);
}

TEST_F(UpDownTest, AHorizontalControlStepsUpOnItsRightHalf) {
    Pair(UDS_HORZ, 0, 10, 5);
    Down({13, 12});
    Up({13, 12});
    Down({2, 12});
    Up({2, 12});
    std::vector<Expect> expected{{WM_COMMAND, EN_SETFOCUS}};
    for (const Expect& e : StepHeard(5, 1, 6, 6, WM_HSCROLL)) expected.push_back(e);
    expected.push_back({WM_HSCROLL, SB_ENDSCROLL, 6});
    for (const Expect& e : StepHeard(6, -1, 5, 5, WM_HSCROLL)) expected.push_back(e);
    expected.push_back({WM_HSCROLL, SB_ENDSCROLL, 5});
    EXPECT_TRUE(HeardExactly(expected));
}

TEST_F(UpDownTest, EachArrowHasItsHalfLessTheBuddysBorder) {
    enum class Layout { Alone, Horizontal, RightOfEdit, LeftOfEdit, BesideButton };
    struct Case {
        const char* name;
        Layout layout;
        POINT at;
        int delta;  // 0: no arrow there
    };
    const Case cases[] = {
        {"alone: the top row", Layout::Alone, {8, 0}, 1},           {"alone: the last up row", Layout::Alone, {15, 11}, 1},
        {"alone: the first down row", Layout::Alone, {0, 12}, -1},   {"alone: the bottom row", Layout::Alone, {8, 23}, -1},
        {"horizontal: left half", Layout::Horizontal, {11, 8}, -1},  {"horizontal: right half", Layout::Horizontal, {12, 8}, 1},
        {"right of an edit: top row", Layout::RightOfEdit, {8, 0}, 0},
        {"right of an edit: bottom row", Layout::RightOfEdit, {8, 23}, 0},
        {"right of an edit: outer column", Layout::RightOfEdit, {15, 4}, 0},
        {"right of an edit: inner column", Layout::RightOfEdit, {0, 4}, 1},
        {"right of an edit: row 11", Layout::RightOfEdit, {8, 11}, 1},
        {"right of an edit: row 12", Layout::RightOfEdit, {8, 12}, -1},
        {"left of an edit: outer column", Layout::LeftOfEdit, {0, 4}, 0},
        {"left of an edit: inner column", Layout::LeftOfEdit, {17, 4}, 1},
        {"beside a button: the edge is an arrow", Layout::BesideButton, {15, 0}, 1},
    };
    refuse = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        switch (c.layout) {
        case Layout::Alone: UpDown(0, {300, 100, 316, 124}); break;
        case Layout::Horizontal: UpDown(UDS_HORZ, {300, 100, 324, 116}); break;
        case Layout::RightOfEdit: Edit(), UpDown(UDS_ALIGNRIGHT); break;
        case Layout::LeftOfEdit: Edit(), UpDown(UDS_ALIGNLEFT); break;
        case Layout::BesideButton: Edit(L"5", kEditRect, L"Button"), UpDown(UDS_ALIGNRIGHT); break;
        }
        if (edit) Send(UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit));
        Send(UDM_SETRANGE32, 0, 100);
        heard.clear();
        // Straight to the control, as an edit buddy's border lies over its inner column.
        Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.at.x, c.at.y));
        Send(WM_LBUTTONUP, 0, MAKELPARAM(c.at.x, c.at.y));
        std::erase_if(heard, [](const Heard& h) { return h.code != UDN_DELTAPOS; });
        if (c.delta) {
            ASSERT_EQ(heard.size(), 1u);
            EXPECT_EQ(heard.front().b, c.delta);
        } else {
            EXPECT_TRUE(heard.empty());
        }
        DestroyWindow(updown);
        if (edit) DestroyWindow(edit);
        edit = nullptr;
    }
}

TEST_F(UpDownTest, OnlyAnEditBuddyTakesTheFocusOnAPress) {
    for (const wchar_t* cls : {L"Button", static_cast<const wchar_t*>(nullptr)}) {
        if (cls) Edit(L"5", kEditRect, cls);
        UpDown(UDS_ALIGNRIGHT);
        if (cls) Send(UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit));
        Send(UDM_SETPOS32, 0, 50);
        SetFocus(panel_);
        Down({5, 5});
        EXPECT_EQ(GetFocus(), panel_);
        Up({5, 5});
        EXPECT_EQ(Send(UDM_GETPOS32), 49) << "the default range: up counts down";
        DestroyWindow(updown);
        if (cls) DestroyWindow(edit);
    }
    Pair(0, 0, 10, 5);
    SetFocus(panel_);
    Down({15, 4});  // off the arrows
    EXPECT_EQ(GetFocus(), edit) << "even off the arrows";
    EXPECT_EQ(GetCapture(), nullptr);
    Up({15, 4});
}

TEST_F(UpDownTest, HoldingAnArrowRepeatsAfterHalfASecondAsTheAccelerationSays) {
    struct Tick {
        std::uint64_t atMs;  // after the press
        int pos;
    };
    struct Case {
        const char* name;
        std::vector<UDACCEL> table;
        std::vector<Tick> ticks;
    };
    // Each entry of the table holds for its seconds (plus a millisecond) before the next entry's
    // increment; the last one repeats at its own pace.
    const Case cases[] = {
        {"no table: one every 50 ms", {}, {{0, 1}, {499, 1}, {500, 2}, {549, 2}, {550, 3}, {1000, 12}}},
        {"{0,1} {1,5} {2,20}", {{0, 1}, {1, 5}, {2, 20}},
         {{0, 1}, {499, 1}, {500, 2}, {1500, 2}, {1501, 7}, {3501, 7}, {3502, 27}, {5503, 47}}},
        {"{1,2}", {{1, 2}}, {{0, 2}, {500, 4}, {1500, 4}, {1501, 6}, {2502, 8}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Pair(0, 0, 10000, 0, L"0");
        if (!c.table.empty()) Send(UDM_SETACCEL, c.table.size(), reinterpret_cast<LPARAM>(c.table.data()));
        const std::uint64_t start = Backend().MonotonicMs();
        Down(kUpArrow);
        for (const Tick& t : c.ticks) {
            Backend().RunFor(start + t.atMs - Backend().MonotonicMs());
            EXPECT_EQ(Pos32(), t.pos) << "at " << t.atMs << " ms";
        }
        Up(kUpArrow);
        const int released = Pos32();
        Backend().RunFor(3000);
        EXPECT_EQ(Pos32(), released) << "the release stops it";
        DestroyWindow(updown);
        DestroyWindow(edit);
    }
}

TEST_F(UpDownTest, TheHeldArrowIsTheOneUnderThePointer) {
    Pair(0, 0, 1000, 500, L"500");
    Down(kUpArrow);
    Move(kDownArrow);
    Backend().RunFor(550);
    EXPECT_EQ(Pos32(), 499) << "up once at the press, down twice on the clock";
    heard.clear();
    Move({50, 50});
    Backend().RunFor(500);
    EXPECT_TRUE(HeardExactly({})) << "nothing while the pointer is off the arrows";
    Up({50, 50});
    EXPECT_TRUE(HeardExactly({})) << "a release off the arrows ends nothing";
    EXPECT_EQ(GetCapture(), nullptr);
}

// The platform's control goes on repeating after another window takes the capture, until the
// button comes up; here the hold ends with the capture, as it does with WM_CANCELMODE.
TEST_F(UpDownTest, LosingTheCaptureOrBeingCancelledEndsTheHold) {
    for (UINT how : {UINT{WM_CAPTURECHANGED}, UINT{WM_CANCELMODE}}) {
        Pair(0, 0, 1000, 500, L"500");
        Down(kUpArrow);
        heard.clear();
        if (how == WM_CAPTURECHANGED) SetCapture(panel_);
        else Send(WM_CANCELMODE);
        Backend().RunFor(1000);
        EXPECT_TRUE(HeardExactly({}));
        EXPECT_NE(GetCapture(), updown);
        ReleaseCapture();
        Up(kUpArrow);
        EXPECT_TRUE(HeardExactly({})) << "the release ends nothing";
        DestroyWindow(updown);
        DestroyWindow(edit);
    }
}

// ---- Keys ----

TEST_F(UpDownTest, UpAndDownInTheBuddyStepTheValue) {
    struct Case {
        const char* name;
        DWORD style;
        UINT key;
        std::optional<int> delta;
    };
    const Case cases[] = {
        {"Up", UDS_ARROWKEYS, VK_UP, 1},
        {"Down", UDS_ARROWKEYS, VK_DOWN, -1},
        {"Page Up does nothing", UDS_ARROWKEYS, VK_PRIOR, std::nullopt},
        {"Left does nothing", UDS_ARROWKEYS, VK_LEFT, std::nullopt},
        {"horizontal: Up still steps", UDS_ARROWKEYS | UDS_HORZ, VK_UP, 1},
        {"horizontal: Right does nothing", UDS_ARROWKEYS | UDS_HORZ, VK_RIGHT, std::nullopt},
        {"without UDS_ARROWKEYS", 0, VK_UP, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Pair(c.style, 0, 10, 5);
        SetFocus(edit);
        heard.clear();
        Key(c.key);
        const UINT scroll = (c.style & UDS_HORZ) ? WM_HSCROLL : WM_VSCROLL;
        if (c.delta) EXPECT_TRUE(HeardExactly(StepHeard(5, *c.delta, 5 + *c.delta, 5 + *c.delta, scroll)))
            << "no SB_ENDSCROLL when the key comes up";
        else EXPECT_TRUE(HeardExactly({}));
        DestroyWindow(updown);
        DestroyWindow(edit);
    }
}

TEST_F(UpDownTest, ArrowKeysSentToTheControlItselfStepItToo) {
    for (DWORD style : {DWORD{UDS_ARROWKEYS}, DWORD{0}}) {
        Pair(style, 0, 10, 5);
        EXPECT_EQ(Send(WM_KEYDOWN, VK_UP, 1), 0);
        EXPECT_EQ(Pos32(), style ? 6 : 5);
        EXPECT_EQ(Send(WM_KEYDOWN, 'A', 1), style ? 1 : 0);
        DestroyWindow(updown);
        DestroyWindow(edit);
    }
}

TEST_F(UpDownTest, TheBuddyStopsSteppingOnceItIsNoLongerTheBuddy) {
    Pair(UDS_ARROWKEYS, 0, 10, 5);
    HWND first = edit;
    Edit(L"5", {40, 100, 120, 130});
    Send(UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit));
    heard.clear();
    SendMessageW(first, WM_KEYDOWN, VK_UP, 1);
    EXPECT_TRUE(HeardExactly({})) << "the old buddy handles its own keys";
    EXPECT_EQ(GetWindowLongPtrW(first, GWLP_WNDPROC), EditProcedure()) << "its procedure is its own again";
    SendMessageW(edit, WM_KEYDOWN, VK_UP, 1);
    EXPECT_EQ(Pos32(), 6);
    DestroyWindow(updown);
    heard.clear();
    SendMessageW(edit, WM_KEYDOWN, VK_UP, 1);
    EXPECT_TRUE(HeardExactly({})) << "nor once the control is gone";
    EXPECT_EQ(GetWindowLongPtrW(edit, GWLP_WNDPROC), EditProcedure());
}

TEST_F(UpDownTest, AnotherProcedureOverTheBuddysIsKeptWhenTheControlLetsGo) {
    static WNDPROC below = nullptr;
    static int seen = 0;
    seen = 0;
    Pair(UDS_ARROWKEYS, 0, 10, 5);
    below = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+[](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            if (m == WM_KEYDOWN) ++seen;
            return CallWindowProcW(below, h, m, w, l);
        })));
    SendMessageW(edit, WM_KEYDOWN, VK_UP, 1);
    EXPECT_EQ(Pos32(), 6) << "the control still hears its buddy under the program's procedure";
    DestroyWindow(updown);
    SendMessageW(edit, WM_KEYDOWN, VK_UP, 1);
    EXPECT_EQ(seen, 2) << "the program's procedure stays in place";
    SetWindowTextW(edit, L"abc");
    EXPECT_EQ(TextOf(edit), L"abc") << "and the edit field still works beneath";
}

// ---- Disabled ----

TEST_F(UpDownTest, ADisabledBuddyLeavesTheControlEnabledButDeaf) {
    Pair(UDS_ARROWKEYS, 0, 10, 5);
    EnableWindow(edit, FALSE);
    EXPECT_TRUE(IsWindowEnabled(updown));
    Down(kUpArrow);
    Up(kUpArrow);
    EXPECT_EQ(Send(WM_KEYDOWN, VK_UP, 1), 0) << "DefWindowProc's answer";
    EXPECT_TRUE(HeardExactly({}));
    EXPECT_EQ(Pos32(), 5);
    EnableWindow(edit, TRUE);
    EnableWindow(updown, FALSE);
    EXPECT_TRUE(IsWindowEnabled(edit)) << "disabling the control leaves its buddy alone";
    Down(kUpArrow);
    EXPECT_TRUE(HeardExactly({}));
    // As on the platform, the buddy's own arrow keys still step a disabled control.
    SendMessageW(edit, WM_KEYDOWN, VK_UP, 1);
    EXPECT_EQ(Pos32(), 6);
}

TEST_F(UpDownTest, DisablingTheControlWhileHeldLetsGo) {
    Pair(0, 0, 1000, 500, L"500");
    Down(kUpArrow);
    heard.clear();
    EnableWindow(updown, FALSE);
    EXPECT_EQ(GetCapture(), nullptr);
    Backend().RunFor(1000);
    Up(kUpArrow);
    EXPECT_TRUE(HeardExactly({}));
}

// ---- Safety ----

TEST_F(UpDownTest, AParentThatDestroysTheControlWhileHearingOfItIsSafe) {
    for (UINT message : {UINT{WM_NOTIFY}, UINT{WM_COMMAND}, UINT{WM_VSCROLL}}) {
        for (bool byKey : {false, true}) {
            SCOPED_TRACE(testing::Message() << MessageName(message) << (byKey ? ", by a key" : ", by the mouse"));
            Pair(UDS_ARROWKEYS, 0, 10, 5);
            destroyOn = message;
            if (byKey) SendMessageW(edit, WM_KEYDOWN, VK_UP, 1);
            else Down(kUpArrow);
            Backend().RunFor(1000);
            EXPECT_FALSE(IsWindow(updown));
            EXPECT_EQ(GetWindowLongPtrW(edit, GWLP_WNDPROC), EditProcedure()) << "the buddy is let go";
            Up(kUpArrow);
            destroyOn = 0;
            DestroyWindow(edit);
        }
    }
}

TEST_F(UpDownTest, ABuddyThatIsGoneIsStillNamedAndTheControlTakesNoInput) {
    Pair(UDS_ARROWKEYS, 0, 10, 5);
    HWND gone = edit;
    DestroyWindow(edit);
    edit = nullptr;
    EXPECT_EQ(Send(UDM_GETBUDDY), reinterpret_cast<LRESULT>(gone));
    Down(kUpArrow);
    Up(kUpArrow);
    EXPECT_EQ(Send(WM_KEYDOWN, VK_UP, 1), 0);
    EXPECT_TRUE(HeardExactly({}));
    BOOL failed = FALSE;
    EXPECT_EQ(Pos32(&failed), 5);
    EXPECT_TRUE(failed);
    EXPECT_EQ(Send(UDM_SETPOS32, 0, 7), 5) << "and writes nowhere";
    EXPECT_EQ(Send(UDM_SETBUDDY, reinterpret_cast<WPARAM>(gone)), reinterpret_cast<LRESULT>(gone));
    EXPECT_EQ(Send(UDM_GETBUDDY), 0) << "setting it again clears it";
}

// ---- Looks ----

TEST_F(UpDownTest, TheHeldArrowLooksPressedAndADisabledOneGrey) {
    Pair(UDS_ARROWKEYS, 0, 10, 5);
    const POINT upFace{3, 3}, downFace{3, 20};
    auto face = [&](POINT at) {
        Backend().PumpUntilIdle();
        return Backend().WindowPixel(updown, at.x, at.y);
    };
    EXPECT_EQ(face(upFace), look::kFace);
    EXPECT_EQ(face(downFace), look::kFace);
    // Each button carries a triangle pointing its way: three rows about its centre.
    const COLORREF glyph = GetSysColor(COLOR_BTNTEXT);
    struct Pixel {
        POINT at;
        bool glyph;
    };
    for (Pixel p : {Pixel{{7, 5}, true}, Pixel{{6, 5}, false}, Pixel{{5, 7}, true}, Pixel{{5, 16}, true},
                    Pixel{{6, 18}, false}, Pixel{{7, 18}, true}})
        EXPECT_EQ(face(p.at) == glyph, p.glyph) << p.at.x << "," << p.at.y;
    Down(kUpArrow);
    EXPECT_EQ(face(upFace), look::kFacePressed);
    EXPECT_EQ(face(downFace), look::kFace);
    Move(kDownArrow);
    EXPECT_EQ(face(upFace), look::kFace) << "the press follows the pointer";
    EXPECT_EQ(face(downFace), look::kFacePressed);
    Up(kDownArrow);
    EXPECT_EQ(face(downFace), look::kFace);
    SetFocus(edit);
    Backend().KeyDown(VK_DOWN);
    EXPECT_EQ(face(downFace), look::kFacePressed) << "a key shows its arrow pressed";
    Backend().RunFor(250);
    EXPECT_EQ(face(downFace), look::kFace) << "for a quarter of a second";
    Backend().KeyUp(VK_DOWN);
    EnableWindow(edit, FALSE);
    EXPECT_EQ(face(upFace), look::kDisabledFace) << "greyed with its buddy";
    EnableWindow(edit, TRUE);
    EXPECT_EQ(face(upFace), look::kFace) << "and back with it";
}

}  // namespace
