// The mouse wheel: which window hears WM_MOUSEWHEEL (or WM_MOUSEHWHEEL), with which key state,
// turn and point, and how the default procedure hands an unhandled turn to the parent. The
// windows and points are those of a probe on the reference platform (under Wine), whose
// answers the rows repeat: the window under the pointer hears the wheel, not the focus window.
#include <algorithm>
#include <functional>

#include "HeadlessTest.h"

namespace {

using platform::MouseButton;
using platform::WheelAxis;

// Windows whose procedure handles the wheel themselves, so their parent never hears it. They
// answer 7, an answer of their own, to see whether it comes back through their children.
std::vector<HWND> handlesWheel;
constexpr LRESULT kHandled = 7;

LRESULT CALLBACK WheelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Log().Add({hwnd, message, wParam, lParam});
    const bool wheel = message == WM_MOUSEWHEEL || message == WM_MOUSEHWHEEL;
    if (wheel && std::find(handlesWheel.begin(), handlesWheel.end(), hwnd) != handlesWheel.end()) return kHandled;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

class WheelTest : public HeadlessTest {
protected:
    // A: 300 by 300 at (100, 100), its client area at (104, 123) on the screen, holding C1 and
    // C2; B: another top-level window to its right. C1 has the focus.
    void SetUp() override {
        HeadlessTest::SetUp();
        handlesWheel.clear();
        LPCWSTR cls = RegisterProcClass(L"WheelTest", WheelProc);
        b_ = CreateWindowExW(0, cls, L"B", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 500, 100, 300, 300, nullptr, nullptr,
                             nullptr, nullptr);
        a_ = CreateWindowExW(0, cls, L"A", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 300, nullptr, nullptr,
                             nullptr, nullptr);
        c1_ = CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE, 10, 10, 100, 100, a_, nullptr, nullptr, nullptr);
        c2_ = CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE, 150, 10, 100, 100, a_, nullptr, nullptr, nullptr);
        SetFocus(c1_);
        Backend().PumpUntilIdle();
        Log().Clear();
    }

    std::vector<LoggedMessage> Wheels() {
        Backend().PumpUntilIdle();
        std::vector<LoggedMessage> wheels;
        for (const LoggedMessage& m : Log().Messages())
            if (m.message == WM_MOUSEWHEEL || m.message == WM_MOUSEHWHEEL) wheels.push_back(m);
        return wheels;
    }

    enum Who { kA, kB, kC1, kC2 };
    HWND Of(Who who) const { return who == kA ? a_ : who == kB ? b_ : who == kC1 ? c1_ : c2_; }

    HWND a_ = nullptr, b_ = nullptr, c1_ = nullptr, c2_ = nullptr;
};

WPARAM Turn(WORD keys, int delta) { return MAKEWPARAM(keys, static_cast<WORD>(static_cast<SHORT>(delta))); }

TEST_F(WheelTest, TheWindowUnderThePointerIsAskedWhereItIsThenHearsTheTurnAndPassesItToItsParent) {
    Backend().MouseWheel(a_, 200, 50, -WHEEL_DELTA);
    Backend().PumpUntilIdle();
    const LPARAM at = MAKELPARAM(304, 173);
    EXPECT_TRUE(SequenceIs(Log().Messages(),
                           {{WM_NCHITTEST, c2_, 0, at},
                            {WM_SETCURSOR, c2_, reinterpret_cast<WPARAM>(c2_), MAKELPARAM(HTCLIENT, WM_MOUSEWHEEL)},
                            {WM_SETCURSOR, a_, reinterpret_cast<WPARAM>(c2_), MAKELPARAM(HTCLIENT, WM_MOUSEWHEEL)},
                            {WM_MOUSEWHEEL, c2_, Turn(0, -WHEEL_DELTA), at},
                            {WM_MOUSEWHEEL, a_, Turn(0, -WHEEL_DELTA), at}}));
    EXPECT_EQ(GetFocus(), c1_) << "the wheel moves no focus";
}

TEST_F(WheelTest, EachSituationSendsTheTurnWhereTheReferencePlatformSendsIt) {
    struct Case {
        const char* name;
        std::function<void()> before;
        Who over;     // the window in whose client coordinates the pointer is given
        POINT pointer;
        int delta;
        WheelAxis axis;
        WORD keys;    // the key state the turn is told with
        std::vector<Who> heard;  // in order
        POINT at;     // the point on the screen it is told with
    };
    const auto nothing = [] {};
    constexpr POINT overC2{304, 173}, overC1{154, 173};
    const Case cases[] = {
        {"over the focus window, two notches", nothing, kA, {50, 50}, 240, WheelAxis::Vertical, 0, {kC1, kA}, overC1},
        {"over another top-level window, not the active one", nothing, kB, {146, 127}, -120, WheelAxis::Vertical, 0,
         {kB}, {650, 250}},
        {"Ctrl and Shift held", [this] {
             Backend().KeyDown(VK_CONTROL);
             Backend().KeyDown(VK_SHIFT);
         }, kA, {200, 50}, -120, WheelAxis::Vertical, MK_CONTROL | MK_SHIFT, {kC2, kA}, overC2},
        {"the right button held", [this] { Backend().MouseDown(a_, 200, 50, MouseButton::Right); }, kA, {200, 50},
         -120, WheelAxis::Vertical, MK_RBUTTON, {kC2, kA}, overC2},
        {"no window has the focus", [] { SetFocus(nullptr); }, kA, {200, 50}, -120, WheelAxis::Vertical, 0,
         {kC2, kA}, overC2},
        {"C2 holds the capture, the pointer over C1", [this] { SetCapture(c2_); }, kA, {50, 50}, -120,
         WheelAxis::Vertical, 0, {kC2, kA}, overC1},
        {"over C2 disabled", [this] { EnableWindow(c2_, FALSE); }, kA, {200, 50}, -120, WheelAxis::Vertical, 0, {kA},
         overC2},
        {"another window active", [this] { Backend().SwitchToWindow(b_); }, kA, {200, 50}, -120,
         WheelAxis::Vertical, 0, {kC2, kA}, overC2},
        {"three notches at once", nothing, kA, {200, 50}, -360, WheelAxis::Vertical, 0, {kC2, kA}, overC2},
        {"outside every window", nothing, kA, {900, 600}, -120, WheelAxis::Vertical, 0, {}, {}},
        {"C2 handles the wheel itself", [this] { handlesWheel.push_back(c2_); }, kA, {200, 50}, -120,
         WheelAxis::Vertical, 0, {kC2}, overC2},
        // Unlike Wine, which gives this message client coordinates and keeps it from the parent,
        // the horizontal wheel is told as the documentation says: like the vertical one.
        {"the horizontal wheel", nothing, kA, {200, 50}, 120, WheelAxis::Horizontal, 0, {kC2, kA}, overC2},
        // Unlike Wine, which sends a message of no name there, the window hears the wheel over
        // its frame as over its client area.
        {"over the caption", nothing, kA, {100, -10}, -120, WheelAxis::Vertical, 0, {kA}, {204, 113}},
    };
    // Each case on fresh windows: the fixture's set-up made the first ones.
    bool fresh = true;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (!fresh) SetUp();
        fresh = false;
        c.before();
        Backend().PumpUntilIdle();
        Log().Clear();
        Backend().MouseWheel(Of(c.over), c.pointer.x, c.pointer.y, c.delta, c.axis);
        const UINT message = c.axis == WheelAxis::Vertical ? WM_MOUSEWHEEL : WM_MOUSEHWHEEL;
        std::vector<Expected> expected;
        const LPARAM at = MAKELPARAM(c.at.x, c.at.y);
        for (Who who : c.heard) expected.push_back({message, Of(who), Turn(c.keys, c.delta), at});
        EXPECT_TRUE(SequenceIs(Wheels(), expected));
        EXPECT_EQ(Log().Count(WM_MOUSEACTIVATE), 0) << "the wheel activates nothing";
        HeadlessTest::TearDown();
    }
}

TEST_F(WheelTest, DefWindowProcOfAChildAnswersWhatItsParentAnsweredAndOfATopLevelWindowZero) {
    handlesWheel.push_back(a_);
    HWND grandchild = CreateWindowExW(0, L"WheelTest", L"", WS_CHILD, 0, 0, 10, 10, c1_, nullptr, nullptr, nullptr);
    HWND owned = CreateWindowExW(0, L"WheelTest", L"", WS_POPUP, 0, 0, 10, 10, a_, nullptr, nullptr, nullptr);
    struct Case {
        const char* name;
        HWND window;
        UINT message;
        LRESULT answer;
    };
    const Case cases[] = {
        {"child", c1_, WM_MOUSEWHEEL, kHandled},
        {"grandchild", grandchild, WM_MOUSEWHEEL, kHandled},
        {"top-level", b_, WM_MOUSEWHEEL, 0},
        {"owned pop-up: its owner is no parent", owned, WM_MOUSEWHEEL, 0},
        {"child, horizontal wheel", c1_, WM_MOUSEHWHEEL, kHandled},
    };
    for (const Case& c : cases) EXPECT_EQ(DefWindowProcW(c.window, c.message, Turn(0, 120), 0), c.answer) << c.name;
}

}  // namespace
