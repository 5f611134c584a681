// Keyboard and mouse input: routing to the focus window and the window under the pointer,
// key parameters, characters, double clicks, focus changes and hot keys.
#include "HeadlessTest.h"
#include "PlatformState.h"

namespace {

class InputTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        LPCWSTR cls = RegisterLoggingClass(CS_DBLCLKS);
        top_ = CreateWindowExW(0, cls, L"", WS_POPUP | WS_VISIBLE, 200, 100, 300, 200, nullptr, nullptr, nullptr,
                               nullptr);
        child_ = CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE, 10, 20, 50, 40, top_, nullptr, nullptr, nullptr);
        Backend().PumpUntilIdle();
        Log().Clear();
    }

    std::vector<LoggedMessage> Delivered(const std::vector<UINT>& ignored = kHitTestNoise) {
        Backend().PumpUntilIdle();
        return Log().Without(ignored);
    }

    HWND top_ = nullptr;
    HWND child_ = nullptr;
};

TEST_F(InputTest, KeysGoToTheFocusWindowAndTranslateIntoCharacters) {
    SetFocus(child_);
    Log().Clear();
    Backend().KeyDown(VK_SHIFT);
    Backend().PressKey('G');
    Backend().KeyUp(VK_SHIFT);
    Backend().PressKey('G');
    Backend().PressKey(VK_RETURN);
    LPARAM gDown = 1 | (0x22 << 16);
    LPARAM gUp = gDown | (1u << 30) | (1u << 31);
    EXPECT_TRUE(SequenceIs(Delivered(), {{WM_KEYDOWN, child_, VK_SHIFT},
                                         {WM_KEYDOWN, child_, 'G', gDown},
                                         {WM_CHAR, child_, 'G', gDown},
                                         {WM_KEYUP, child_, 'G', gUp},
                                         {WM_KEYUP, child_, VK_SHIFT},
                                         {WM_KEYDOWN, child_, 'G'},
                                         {WM_CHAR, child_, 'g'},
                                         {WM_KEYUP, child_, 'G'},
                                         {WM_KEYDOWN, child_, VK_RETURN},
                                         {WM_CHAR, child_, 13},
                                         {WM_KEYUP, child_, VK_RETURN}}));
}

TEST_F(InputTest, TextTypedWithoutKeysArrivesAsOneCharacterMessageEach) {
    SetFocus(child_);
    Log().Clear();
    Backend().TypeText(L"\u0416\u03B1y");  // Cyrillic Zhe, Greek alpha, y
    Backend().PressKey('G');
    EXPECT_TRUE(SequenceIs(Delivered(), {{WM_CHAR, child_, 0x416},
                                         {WM_CHAR, child_, 0x3B1},
                                         {WM_CHAR, child_, 'y'},
                                         {WM_KEYDOWN, child_, 'G'},
                                         {WM_CHAR, child_, 'g'},
                                         {WM_KEYUP, child_, 'G'}}));
}

// A keyboard that types its own text (a dead key, an Italian layout) sends the key, then the
// text it typed; the text belongs to that key even when the key came in the clock's very first
// millisecond and is taken later.
TEST_F(InputTest, TextTypedByAKeyBelongsToItWhenTheKeyCameAtTimeZero) {
    SetFocus(child_);
    Log().Clear();
    ASSERT_EQ(Backend().MonotonicMs(), 0u);
    platform::State().input.QueueKey('E', true, true);
    platform::State().input.QueueText(L"\u00E8");
    platform::State().input.QueueKey('E', false, true);
    Backend().AdvanceClock(5);
    EXPECT_TRUE(SequenceIs(Delivered(), {{WM_KEYDOWN, child_, 'E'},
                                         {WM_CHAR, child_, 0xE8},
                                         {WM_KEYUP, child_, 'E'}}));
}

TEST_F(InputTest, HeldKeyRepeatsWithThePreviousStateBitAndKeyStateFollowsRetrieval) {
    SetFocus(top_);
    Backend().KeyDown(VK_LEFT);
    Backend().KeyDown(VK_LEFT);
    EXPECT_EQ(GetKeyState(VK_LEFT) & 0x8000, 0) << "the thread's key state moves as messages are taken";
    EXPECT_NE(GetAsyncKeyState(VK_LEFT) & 0x8000, 0);
    auto messages = Delivered();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].lParam & (1 << 30), 0);
    EXPECT_NE(messages[1].lParam & (1 << 30), 0);
    EXPECT_NE(messages[0].lParam & (1 << 24), 0) << "arrows are extended keys";
    EXPECT_NE(GetKeyState(VK_LEFT) & 0x8000, 0);
    Backend().KeyUp(VK_LEFT);
    Delivered();
    EXPECT_EQ(GetKeyState(VK_LEFT) & 0x8000, 0);
}

TEST_F(InputTest, AltMakesSystemKeysAndSidedModifiersSetTheGenericState) {
    SetFocus(top_);
    Backend().KeyDown(VK_RMENU);
    Backend().PressKey('X');
    auto messages = Delivered();
    ASSERT_GE(messages.size(), 2u);
    EXPECT_EQ(messages[0].message, static_cast<UINT>(WM_SYSKEYDOWN));
    EXPECT_EQ(messages[0].wParam, static_cast<WPARAM>(VK_MENU));
    EXPECT_EQ(messages[1].message, static_cast<UINT>(WM_SYSKEYDOWN));
    EXPECT_NE(GetKeyState(VK_MENU) & 0x8000, 0);
    EXPECT_NE(GetKeyState(VK_RMENU) & 0x8000, 0);
    EXPECT_EQ(GetKeyState(VK_LMENU) & 0x8000, 0);
}

TEST_F(InputTest, ClickReachesTheChildUnderThePointInItsOwnCoordinates) {
    Backend().Click(top_, 15, 25);
    Backend().Click(top_, 100, 100);
    EXPECT_TRUE(SequenceIs(Delivered(), {{WM_LBUTTONDOWN, child_, MK_LBUTTON, MAKELPARAM(5, 5)},
                                         {WM_LBUTTONUP, child_, 0, MAKELPARAM(5, 5)},
                                         {WM_LBUTTONDOWN, top_, MK_LBUTTON, MAKELPARAM(100, 100)},
                                         {WM_LBUTTONUP, top_, 0, MAKELPARAM(100, 100)}}));
}

TEST_F(InputTest, MouseMessagesAreAnnouncedWithHitTestAndCursor) {
    Backend().MouseMove(top_, 100, 100);
    EXPECT_TRUE(SequenceIs(Delivered({}), {{WM_NCHITTEST, top_, 0, MAKELPARAM(300, 200)},
                                           {WM_SETCURSOR, top_, reinterpret_cast<WPARAM>(top_),
                                            MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)},
                                           {WM_MOUSEMOVE, top_, 0, MAKELPARAM(100, 100)}}));
}

TEST_F(InputTest, SecondQuickClickIsADoubleClickForClassesThatAskForIt) {
    Backend().Click(top_, 100, 100);
    Backend().AdvanceClock(200);
    Backend().Click(top_, 101, 100);
    Backend().AdvanceClock(200);
    Backend().Click(top_, 101, 100);
    Backend().AdvanceClock(600);
    Backend().Click(top_, 101, 100);
    std::vector<UINT> downs;
    for (const auto& m : Delivered())
        if (m.message != WM_LBUTTONUP) downs.push_back(m.message);
    EXPECT_EQ(downs, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONDOWN, WM_LBUTTONDOWN}));
}

// A window whose top 50 pixels answer as a caption, as a program's own frame would.
LRESULT CALLBACK CaptionTopProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCHITTEST) {
        Log().Add({hwnd, message, wParam, lParam});
        POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ScreenToClient(hwnd, &p);
        return p.y < 50 ? HTCAPTION : HTCLIENT;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// Measured against the reference platform: the filter sees the message the hit test makes, a
// message it refuses stays queued without holding back later input, and a peek that leaves the
// message queued still asks the window where the point is.
TEST_F(InputTest, MessageFiltersApplyToTheMessageTheHitTestMakes) {
    struct Case {
        const char* what;
        bool onCaption;
        bool thenKey;
        UINT first, last;
        UINT flags;
        UINT got;  // 0: nothing
        std::vector<UINT> left;
    };
    const Case cases[] = {
        {"caption click, client filter", true, false, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE, 0,
         {WM_NCLBUTTONDOWN, WM_NCLBUTTONUP}},
        {"caption click, non-client filter", true, false, WM_NCLBUTTONUP, WM_NCLBUTTONUP, PM_REMOVE, WM_NCLBUTTONUP,
         {WM_NCLBUTTONDOWN}},
        {"key after a click", true, true, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE, WM_KEYDOWN,
         {WM_NCLBUTTONDOWN, WM_NCLBUTTONUP, WM_KEYUP}},
        {"client click, release only", false, false, WM_LBUTTONUP, WM_LBUTTONUP, PM_REMOVE, WM_LBUTTONUP,
         {WM_LBUTTONDOWN}},
        {"client click, peek only", false, false, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_NOREMOVE, WM_LBUTTONDOWN,
         {WM_LBUTTONDOWN, WM_LBUTTONUP}},
    };
    HWND framed = CreateWindowExW(0, RegisterProcClass(L"CaptionTop", CaptionTopProc), L"", WS_POPUP | WS_VISIBLE,
                                  100, 100, 200, 200, nullptr, nullptr, nullptr, nullptr);
    SetFocus(framed);
    for (const Case& c : cases) {
        Backend().PumpUntilIdle();
        Backend().AdvanceClock(1000);  // no double clicks between cases
        Backend().Click(framed, 50, c.onCaption ? 10 : 100);
        if (c.thenKey) Backend().PressKey('A');
        Log().Clear();
        MSG msg{};
        BOOL found = PeekMessageW(&msg, nullptr, c.first, c.last, c.flags);
        EXPECT_EQ(found ? msg.message : 0u, c.got) << c.what;
        EXPECT_GE(Log().Count(WM_NCHITTEST, framed), 1) << c.what << ": the window is asked where the point is";
        std::vector<UINT> left;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            if (msg.message != WM_PAINT) left.push_back(msg.message);
        EXPECT_EQ(left, c.left) << c.what;
    }
}

TEST_F(InputTest, QuickClicksOnACaptionMakeANonClientDoubleClickWhateverTheClass) {
    HWND framed = CreateWindowExW(0, RegisterProcClass(L"CaptionTop", CaptionTopProc), L"", WS_POPUP | WS_VISIBLE,
                                  100, 100, 200, 200, nullptr, nullptr, nullptr, nullptr);
    Backend().PumpUntilIdle();
    Backend().Click(framed, 50, 10);
    Backend().AdvanceClock(100);
    Backend().Click(framed, 50, 10);
    std::vector<UINT> got;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_NCMOUSEMOVE, WM_NCMBUTTONDBLCLK, PM_REMOVE)) got.push_back(msg.message);
    EXPECT_EQ(got, (std::vector<UINT>{WM_NCLBUTTONDOWN, WM_NCLBUTTONUP, WM_NCLBUTTONDBLCLK, WM_NCLBUTTONUP}));
}

TEST_F(InputTest, DisabledWindowsGetNoMouseInput) {
    EnableWindow(child_, FALSE);
    Log().Clear();
    Backend().Click(top_, 15, 25);
    EXPECT_TRUE(Delivered().empty());
}

TEST_F(InputTest, FocusMovesWithKillFocusBeforeSetFocus) {
    SetFocus(top_);
    Log().Clear();
    EXPECT_EQ(SetFocus(child_), top_);
    EXPECT_TRUE(SequenceIs(Log().Messages(), {{WM_KILLFOCUS, top_, reinterpret_cast<WPARAM>(child_)},
                                              {WM_SETFOCUS, child_, reinterpret_cast<WPARAM>(top_)}}));
    EXPECT_EQ(GetFocus(), child_);
}

TEST_F(InputTest, DisabledWindowsCannotTakeTheFocusAndLoseItWhenDisabled) {
    SetFocus(child_);
    Log().Clear();
    EXPECT_FALSE(EnableWindow(child_, FALSE)) << "it was enabled";
    EXPECT_TRUE(SequenceIs(Log().Messages(), {{WM_CANCELMODE, child_},
                                              {WM_KILLFOCUS, child_, 0},
                                              {WM_ENABLE, child_, FALSE}}));
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(SetFocus(child_), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_TRUE(EnableWindow(child_, TRUE)) << "it was disabled";
    EXPECT_TRUE(IsWindowEnabled(child_));
}

TEST_F(InputTest, HotKeyIsDeliveredToItsWindowInsteadOfTheKeyPress) {
    SetFocus(child_);
    ASSERT_TRUE(RegisterHotKey(top_, 1, MOD_CONTROL, 'Q'));
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(RegisterHotKey(child_, 2, MOD_CONTROL, 'Q'));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_HOTKEY_ALREADY_REGISTERED));
    Log().Clear();
    Backend().KeyDown(VK_CONTROL);
    Backend().KeyDown('Q');
    // The hot key is posted, so it overtakes the Ctrl press still waiting in the input queue.
    EXPECT_TRUE(SequenceIs(Delivered(), {{WM_HOTKEY, top_, 1, MAKELPARAM(MOD_CONTROL, 'Q')},
                                         {WM_KEYDOWN, child_, VK_CONTROL}}));
    EXPECT_TRUE(UnregisterHotKey(top_, 1));
    EXPECT_FALSE(UnregisterHotKey(top_, 1));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_HOTKEY_NOT_REGISTERED));
}

TEST_F(InputTest, CloseButtonAsksTheWindowToClose) {
    Backend().PressCloseButton(top_);
    EXPECT_TRUE(SequenceIs(Delivered(), {{WM_SYSCOMMAND, top_, SC_CLOSE},
                                         {WM_CLOSE, top_},
                                         {WM_WINDOWPOSCHANGING, top_},
                                         {WM_WINDOWPOSCHANGED, top_},
                                         {WM_NCACTIVATE, top_},
                                         {WM_ACTIVATE, top_},
                                         {WM_ACTIVATEAPP, top_},
                                         {WM_KILLFOCUS, top_},
                                         {WM_DESTROY, top_},
                                         {WM_DESTROY, child_},
                                         {WM_NCDESTROY, child_},
                                         {WM_NCDESTROY, top_}}));
}

}  // namespace
