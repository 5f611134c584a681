// The message queue: sent against posted messages, retrieval priorities, timers, WM_PAINT and
// the quit message, driven by the headless virtual clock.
#include "HeadlessTest.h"

namespace {

class QueueTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        hwnd_ = CreateWindowExW(0, RegisterLoggingClass(), L"", WS_POPUP | WS_VISIBLE, 0, 0, 100, 80, nullptr, nullptr,
                                nullptr, nullptr);
        Backend().PumpUntilIdle();  // the first WM_PAINT of a new window
        Log().Clear();
    }

    // Everything ready now, without dispatching.
    std::vector<UINT> Drain() {
        std::vector<UINT> got;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            got.push_back(msg.message);
            if (msg.message == WM_PAINT) ValidateRect(msg.hwnd, nullptr);
        }
        return got;
    }

    HWND hwnd_ = nullptr;
};

TEST_F(QueueTest, SendCallsTheProcedureAtOncePostWaitsForTheLoop) {
    SendMessageW(hwnd_, WM_USER, 1, 2);
    EXPECT_EQ(Log().Count(WM_USER), 1);
    EXPECT_TRUE(PostMessageW(hwnd_, WM_USER, 3, 4));
    EXPECT_EQ(Log().Count(WM_USER), 1);
    Backend().PumpUntilIdle();
    EXPECT_TRUE(SequenceIs(Log().Messages(), {{WM_USER, hwnd_, 1, 2}, {WM_USER, hwnd_, 3, 4}}));
}

TEST_F(QueueTest, PostedMessagesComeBeforeQuitAndQuitBeforePaintAndTimers) {
    SetTimer(hwnd_, 1, 20, nullptr);
    Backend().AdvanceClock(20);
    InvalidateRect(hwnd_, nullptr, FALSE);
    PostQuitMessage(3);
    PostMessageW(hwnd_, WM_USER, 0, 0);
    MSG msg;
    ASSERT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER));
    EXPECT_EQ(GetMessageW(&msg, nullptr, 0, 0), FALSE) << "WM_QUIT ends the loop";
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_EQ(Drain(), (std::vector<UINT>{WM_PAINT, WM_TIMER}));
}

TEST_F(QueueTest, PendingQuitIsRetrievedWhateverTheRangeFilterAndLastCodeWins) {
    PostQuitMessage(4);
    PostQuitMessage(5);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 5u);
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) << "one quit, taken once";
}

TEST_F(QueueTest, ATimerLeftWaitingYieldsOneMessageNotOnePerPeriod) {
    ASSERT_EQ(SetTimer(hwnd_, 5, 20, nullptr), 5u);
    Backend().AdvanceClock(200);
    EXPECT_EQ(Drain(), std::vector<UINT>{WM_TIMER});
    Backend().AdvanceClock(19);
    EXPECT_TRUE(Drain().empty()) << "the next one is a full period after the last due time";
    Backend().AdvanceClock(1);
    EXPECT_EQ(Drain(), std::vector<UINT>{WM_TIMER});
}

// As the reference platform does: the next due time is whole periods on from the last one, so a
// 20 ms timer served 5 ms late falls due again 15 ms later, and periods missed are skipped.
TEST_F(QueueTest, ATimerServedLateKeepsItsBeat) {
    ASSERT_EQ(SetTimer(hwnd_, 5, 20, nullptr), 5u);
    Backend().AdvanceClock(25);
    EXPECT_EQ(Drain(), std::vector<UINT>{WM_TIMER});
    Backend().AdvanceClock(14);
    EXPECT_TRUE(Drain().empty());
    Backend().AdvanceClock(1);
    EXPECT_EQ(Drain(), std::vector<UINT>{WM_TIMER}) << "due at 40, not 45";
    Backend().AdvanceClock(75);  // 115: the ones at 60, 80 and 100 were missed
    EXPECT_EQ(Drain(), std::vector<UINT>{WM_TIMER});
    Backend().AdvanceClock(4);
    EXPECT_TRUE(Drain().empty());
    Backend().AdvanceClock(1);
    EXPECT_EQ(Drain(), std::vector<UINT>{WM_TIMER}) << "due at 120";
}

TEST_F(QueueTest, TimersFireOnTheVirtualClockWithTheirIds) {
    SetTimer(hwnd_, 1, 20, nullptr);
    SetTimer(hwnd_, 2, 50, nullptr);
    Backend().RunFor(100);
    EXPECT_EQ(Log().Count(WM_TIMER), 5 + 2);
    auto timers = Log().Without({});
    std::erase_if(timers, [](const LoggedMessage& m) { return m.message != WM_TIMER; });
    EXPECT_EQ(std::count_if(timers.begin(), timers.end(), [](auto& m) { return m.wParam == 2; }), 2);
}

TEST_F(QueueTest, SettingATimerAgainRestartsItsPeriod) {
    SetTimer(hwnd_, 1, 20, nullptr);
    Backend().AdvanceClock(15);
    EXPECT_EQ(SetTimer(hwnd_, 1, 20, nullptr), 1u);
    Backend().AdvanceClock(15);
    EXPECT_TRUE(Drain().empty());
    EXPECT_TRUE(KillTimer(hwnd_, 1));
    Backend().AdvanceClock(100);
    EXPECT_TRUE(Drain().empty());
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(KillTimer(hwnd_, 1));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

int timerProcCalls = 0;
void CALLBACK CountingTimerProc(HWND, UINT, UINT_PTR, DWORD) { ++timerProcCalls; }

TEST_F(QueueTest, TimerProcedureIsCalledByDispatchInsteadOfTheWindow) {
    timerProcCalls = 0;
    UINT_PTR id = SetTimer(nullptr, 0, 10, CountingTimerProc);
    EXPECT_NE(id, 0u);
    Backend().RunFor(30);
    EXPECT_EQ(timerProcCalls, 3);
    // A posted WM_TIMER naming a procedure no timer has is not called.
    MSG forged{nullptr, WM_TIMER, 99, reinterpret_cast<LPARAM>(&CountingTimerProc), 0, {}};
    DispatchMessageW(&forged);
    EXPECT_EQ(timerProcCalls, 3);
}

TEST_F(QueueTest, AnInvalidWindowGetsPaintUntilItIsValidated) {
    InvalidateRect(hwnd_, nullptr, TRUE);
    MSG msg;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
        EXPECT_EQ(msg.message, static_cast<UINT>(WM_PAINT));
    }
    PAINTSTRUCT ps;
    BeginPaint(hwnd_, &ps);
    RECT whole{0, 0, 100, 80};
    EXPECT_TRUE(EqualRect(&ps.rcPaint, &whole));
    EXPECT_TRUE(ps.fErase);
    EndPaint(hwnd_, &ps);
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(QueueTest, UpdateRegionIsTheUnionOfInvalidatedRectsClippedToTheClientArea) {
    RECT a{10, 10, 20, 20}, b{50, 5, 500, 30};
    InvalidateRect(hwnd_, &a, FALSE);
    InvalidateRect(hwnd_, &b, FALSE);
    RECT update;
    ASSERT_TRUE(GetUpdateRect(hwnd_, &update, FALSE));
    RECT expected{10, 5, 100, 30};
    EXPECT_TRUE(EqualRect(&update, &expected));
    Backend().PumpUntilIdle();  // DefWindowProcW paints and validates
    EXPECT_FALSE(GetUpdateRect(hwnd_, &update, FALSE));
    EXPECT_EQ(Log().Count(WM_PAINT), 1);
}

TEST_F(QueueTest, UpdateWindowPaintsAtOnceAndOnlyWhenInvalid) {
    UpdateWindow(hwnd_);
    EXPECT_EQ(Log().Count(WM_PAINT), 0);
    InvalidateRect(hwnd_, nullptr, FALSE);
    UpdateWindow(hwnd_);
    EXPECT_EQ(Log().Count(WM_PAINT), 1);
}

TEST_F(QueueTest, HiddenWindowsAreNotPaintedAndShowingRepaintsWhole) {
    ShowWindow(hwnd_, SW_HIDE);
    InvalidateRect(hwnd_, nullptr, FALSE);
    EXPECT_TRUE(Drain().empty());
    ShowWindow(hwnd_, SW_SHOW);
    RECT update;
    ASSERT_TRUE(GetUpdateRect(hwnd_, &update, FALSE));
    EXPECT_EQ(update.right, 100);
    EXPECT_EQ(update.bottom, 80);
}

TEST_F(QueueTest, GetMessageWaitsOnTheVirtualClockForTheNextTimer) {
    SetTimer(hwnd_, 1, 250, nullptr);
    MSG msg;
    ASSERT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_TIMER));
    EXPECT_EQ(Backend().MonotonicMs(), 250u);
    EXPECT_EQ(GetTickCount(), 250u);
}

TEST_F(QueueTest, GetMessageWithNothingThatCanEverArriveEndsTheRun) {
    MSG msg;
    EXPECT_EQ(GetMessageW(&msg, nullptr, 0, 0), FALSE);
    EXPECT_EQ(static_cast<int>(msg.wParam), platform::kStarvedExitCode);
    EXPECT_TRUE(Backend().Starved());
}

TEST_F(QueueTest, WaitingPastTheVirtualTimeLimitEndsTheRunEvenWithATimerRunning) {
    SetTimer(hwnd_, 1, 60'000, nullptr);
    MSG msg;
    int timers = 0;
    while (GetMessageW(&msg, nullptr, 0, 0)) timers += msg.message == WM_TIMER;
    EXPECT_EQ(timers, 10) << "every minute up to the ten-minute limit";
    EXPECT_EQ(static_cast<int>(msg.wParam), platform::kStarvedExitCode);
    EXPECT_TRUE(Backend().Starved());
}

TEST_F(QueueTest, ScriptedInputArrivesAtItsVirtualTime) {
    SetFocus(hwnd_);
    Backend().At(1000, [&] { Backend().PressKey('A'); });
    Backend().At(1500, [] { PostQuitMessage(0); });
    MSG msg;
    std::vector<std::pair<UINT, DWORD>> seen;
    while (GetMessageW(&msg, nullptr, 0, 0)) {
        seen.emplace_back(msg.message, msg.time);
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    using P = std::pair<UINT, DWORD>;
    EXPECT_EQ(seen, (std::vector<P>{P{WM_KEYDOWN, 1000}, P{WM_CHAR, 1000}, P{WM_KEYUP, 1000}}));
    EXPECT_EQ(Backend().MonotonicMs(), 1500u);
}

TEST_F(QueueTest, FiltersSelectByWindowAndRange) {
    HWND other = CreateWindowExW(0, RegisterLoggingClass(), L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                                 nullptr);
    PostMessageW(other, WM_USER + 1, 0, 0);
    PostMessageW(hwnd_, WM_USER + 2, 0, 0);
    PostMessageW(nullptr, WM_USER + 3, 0, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, hwnd_, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 2));
    ASSERT_TRUE(PeekMessageW(&msg, reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 3));
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_USER + 2, WM_USER + 3, PM_REMOVE));
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 1));
}

}  // namespace
