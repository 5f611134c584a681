// The month calendar under the mouse and the keys: which notifications the parent hears, in
// which order, with which dates, and where the selection and the months shown end up. The
// orders and dates are what the platform's own calendar (comctl32 under Wine) sent for the same
// presses, except where a case says otherwise; Wine's calendar has no keyboard, so the keys
// follow the platform's documentation.
#include "MonthCalFixture.h"
#include "controls/CalendarDates.h"

namespace {

using namespace monthcal_test;
namespace dates = platform::dates;

constexpr UINT kChange = MCN_SELCHANGE;
constexpr UINT kSelect = MCN_SELECT;

class MonthCalInputTest : public MonthCalTest {
protected:
    // A one-month calendar showing June 2024 with the 15th selected at 9:00.
    void MakeJune(DWORD style = 0, SIZE size = {0, 0}) {
        ASSERT_TRUE(Make(style, size));
        ASSERT_TRUE(Select(Date(2024, 6, 15, 9)));
    }
    POINT DayAt(const SYSTEMTIME& date) {
        for (UINT what : {MCHT_CALENDARDATE, MCHT_CALENDARDATEPREV, MCHT_CALENDARDATENEXT})
            if (std::optional<POINT> p = Find(what, date)) return *p;
        ADD_FAILURE() << "no cell for " << Show(date);
        return {-100, -100};
    }
    POINT PartAt(UINT what) {
        std::optional<POINT> p = Find(what);
        if (!p) ADD_FAILURE() << "no part " << std::hex << what;
        return p.value_or(POINT{-100, -100});
    }
    void SetRange(const SYSTEMTIME& min, const SYSTEMTIME& max) {
        const SYSTEMTIME range[2] = {min, max};
        ASSERT_TRUE(Send(MCM_SETRANGE, GDTR_MIN | GDTR_MAX, range));
    }
    static int ShownMonth() { return Shown().first.wMonth; }
};

TEST_F(MonthCalInputTest, ADayIsChosenWhereTheButtonIsReleasedAndTheParentHearsItInOrder) {
    MakeJune();
    Down(DayAt(Date(2024, 6, 12)));
    EXPECT_TRUE(heard.empty()) << "nothing is told at the press";
    EXPECT_EQ(GetCapture(), calendar);
    EXPECT_NE(GetFocus(), calendar) << "the platform's calendar does not take the focus";
    Move(DayAt(Date(2024, 6, 14)));
    Up(DayAt(Date(2024, 6, 14)));
    EXPECT_EQ(GetCapture(), nullptr);
    ASSERT_EQ(Codes(), (std::vector<UINT>{kReleased, kChange, kSelect}));
    for (const Heard& h : heard) {
        EXPECT_EQ(h.wParam, static_cast<WPARAM>(kId));
        EXPECT_EQ(h.idFrom, static_cast<UINT_PTR>(kId));
        EXPECT_EQ(h.from, calendar);
    }
    for (const Heard* h : {&heard[1], &heard[2]}) {
        EXPECT_TRUE(SameDay(h->start, Date(2024, 6, 14))) << Show(h->start);
        EXPECT_EQ(h->start.wHour, 0) << "a clicked day carries no time";
        EXPECT_EQ(h->start.wDayOfWeek, 0) << "sent without its day of the week, as the platform does";
        // The platform sends an empty end for a single day; ours sends the day again, as the
        // structure's documentation describes the end of the selection.
        EXPECT_TRUE(SameDay(h->end, h->start));
        EXPECT_TRUE(SameDay(h->selection, Date(2024, 6, 14))) << "already selected when told";
    }
    EXPECT_EQ(Selection().wDayOfWeek, 5);
}

struct ClickCase {
    const char* what;
    SYSTEMTIME click;
    std::vector<UINT> codes;
    SYSTEMTIME selectedAfter;
    int hourAfter;
    int shownMonthAfter;
};

TEST_F(MonthCalInputTest, ClicksOnDays) {
    const ClickCase cases[] = {
        {"the selected day: chosen again, not changed, its time kept", Date(2024, 6, 15), {kReleased, kSelect},
         Date(2024, 6, 15), 9, 6},
        {"a day of the month before: its month is shown", Date(2024, 5, 27), {kReleased, kChange, kSelect},
         Date(2024, 5, 27), 0, 5},
        {"a day of the month after", Date(2024, 7, 3), {kReleased, kChange, kSelect}, Date(2024, 7, 3), 0, 7},
        // The platform tells a change and a choice of the unchanged day here; ours tells none.
        {"a day out of range", Date(2024, 6, 5), {kReleased}, Date(2024, 6, 15), 9, 6},
    };
    for (const ClickCase& c : cases) {
        MakeJune();
        SetRange(Date(2024, 5, 20), Date(2024, 7, 10));
        if (c.click.wDay == 5) SetRange(Date(2024, 6, 10), Date(2024, 6, 20));
        heard.clear();
        Click(DayAt(c.click));
        EXPECT_EQ(Codes(), c.codes) << c.what;
        EXPECT_TRUE(SameDay(Selection(), c.selectedAfter)) << c.what << ": " << Show(Selection());
        EXPECT_EQ(Selection().wHour, c.hourAfter) << c.what;
        EXPECT_EQ(ShownMonth(), c.shownMonthAfter) << c.what;
        DestroyWindow(calendar);
    }
}

TEST_F(MonthCalInputTest, TheTodayLineChoosesTodayAtThePress) {
    MakeJune();
    SetToday(Date(2024, 6, 20, 8));
    Down(PartAt(MCHT_TODAYLINK));
    ASSERT_EQ(Codes(), (std::vector<UINT>{kChange, kSelect}));
    EXPECT_TRUE(SameDay(heard[0].start, Date(2024, 6, 20)));
    EXPECT_EQ(heard[0].start.wHour, 8) << "today's own time";
    Up(PartAt(MCHT_TODAYLINK));
    EXPECT_EQ(Codes(), (std::vector<UINT>{kChange, kSelect, kReleased}));
    heard.clear();
    Click(PartAt(MCHT_TODAYLINK));
    EXPECT_EQ(Codes(), (std::vector<UINT>{kChange, kSelect, kReleased})) << "told again though nothing changed";
}

TEST_F(MonthCalInputTest, TodayOutOfRangeCannotBeChosen) {
    // The platform tells a change and a choice of the unchanged selection; ours tells nothing.
    MakeJune();
    SetRange(Date(2024, 6, 1), Date(2024, 6, 30));
    SetToday(Date(2024, 8, 20));
    Click(PartAt(MCHT_TODAYLINK));
    EXPECT_EQ(Codes(), (std::vector<UINT>{kReleased}));
    EXPECT_TRUE(SameDay(Selection(), Date(2024, 6, 15)));
}

TEST_F(MonthCalInputTest, TheArrowsMoveTheMonthsAndTheSelectionAtThePressWithTheDayPulledBack) {
    ASSERT_TRUE(Make());
    ASSERT_TRUE(Select(Date(2024, 1, 31)));
    const POINT next = PartAt(MCHT_TITLEBTNNEXT);
    Down(next);
    ASSERT_EQ(Codes(), (std::vector<UINT>{kChange}));
    EXPECT_TRUE(SameDay(heard[0].start, Date(2024, 2, 29)));
    EXPECT_EQ(ShownMonth(), 2);
    Up(next);
    EXPECT_EQ(Codes(), (std::vector<UINT>{kChange, kReleased}));
    Click(next);
    EXPECT_TRUE(SameDay(Selection(), Date(2024, 3, 29))) << "from the day it was pulled back to";
    heard.clear();
    Click(PartAt(MCHT_TITLEBTNPREV));
    EXPECT_EQ(Codes(), (std::vector<UINT>{kChange, kReleased}));
    EXPECT_TRUE(SameDay(Selection(), Date(2024, 2, 29)));
}

TEST_F(MonthCalInputTest, AnArrowHeldDownRepeatsEvery350MsUntilReleased) {
    MakeJune();
    const POINT next = PartAt(MCHT_TITLEBTNNEXT);
    Down(next);
    EXPECT_EQ(ShownMonth(), 7);
    Backend().RunFor(349);
    EXPECT_EQ(ShownMonth(), 7);
    Backend().RunFor(1);
    EXPECT_EQ(ShownMonth(), 8);
    Backend().RunFor(700);
    EXPECT_EQ(ShownMonth(), 10);
    Move({next.x - 60, next.y + 60});
    Backend().RunFor(350);
    EXPECT_EQ(ShownMonth(), 11) << "it goes on wherever the pointer is, as on the platform";
    Up({next.x - 60, next.y + 60});
    Backend().RunFor(2000);
    EXPECT_EQ(ShownMonth(), 11);
    EXPECT_TRUE(SameDay(Selection(), Date(2024, 11, 15)));
    EXPECT_EQ(Codes(), (std::vector<UINT>{kChange, kChange, kChange, kChange, kChange, kReleased}));
}

TEST_F(MonthCalInputTest, WithNoSelChangeOnNavTheArrowsMoveOnlyTheMonths) {
    MakeJune(MCS_NOSELCHANGEONNAV);
    Click(PartAt(MCHT_TITLEBTNNEXT));
    EXPECT_EQ(Codes(), (std::vector<UINT>{kReleased}));
    EXPECT_EQ(ShownMonth(), 7);
    EXPECT_TRUE(SameDay(Selection(), Date(2024, 6, 15)));
}

TEST_F(MonthCalInputTest, SeveralMonthsMoveByAsManyAsAreShown) {
    MakeJune(0, {500, 200});
    ASSERT_EQ(Send(MCM_GETMONTHRANGE, GMR_VISIBLE, 0), 2);
    Click(PartAt(MCHT_TITLEBTNNEXT));
    EXPECT_EQ(ShownMonth(), 8);
    EXPECT_TRUE(SameDay(Selection(), Date(2024, 8, 15)));
}

struct NavigationCase {
    SYSTEMTIME min, max;
    UINT arrow;
    int shownAfter;
    std::vector<UINT> codes;
    SYSTEMTIME selectedAfter;
};

TEST_F(MonthCalInputTest, TheRangeStopsTheArrowsAtTheLastMonthWithADayInIt) {
    // The platform checks the day of the month the control was made on against the range, so
    // whether it goes to a month partly in range depends on that day; ours goes whenever any day
    // of the month is in range, and keeps the selection in range.
    const NavigationCase cases[] = {
        {Date(2024, 6, 10), Date(2024, 6, 20), MCHT_TITLEBTNNEXT, 6, {kReleased}, Date(2024, 6, 15)},
        {Date(2024, 6, 10), Date(2024, 6, 20), MCHT_TITLEBTNPREV, 6, {kReleased}, Date(2024, 6, 15)},
        {Date(2024, 5, 20), Date(2024, 7, 10), MCHT_TITLEBTNNEXT, 7, {kChange, kReleased}, Date(2024, 7, 10)},
        {Date(2024, 5, 20), Date(2024, 7, 10), MCHT_TITLEBTNPREV, 5, {kChange, kReleased}, Date(2024, 5, 20)},
        {Date(2024, 5, 31), Date(2024, 7, 1), MCHT_TITLEBTNPREV, 5, {kChange, kReleased}, Date(2024, 5, 31)},
    };
    for (const NavigationCase& c : cases) {
        MakeJune();
        SetRange(c.min, c.max);
        heard.clear();
        Click(PartAt(c.arrow));
        EXPECT_EQ(ShownMonth(), c.shownAfter) << Show(c.min) << " .. " << Show(c.max);
        EXPECT_EQ(Codes(), c.codes) << Show(c.min) << " .. " << Show(c.max);
        EXPECT_TRUE(SameDay(Selection(), c.selectedAfter)) << Show(Selection());
        DestroyWindow(calendar);
    }
}

TEST_F(MonthCalInputTest, AParentThatDestroysTheCalendarWhileToldStopsTheRest) {
    for (UINT code : {kReleased, kChange, kSelect}) {
        MakeJune();
        heard.clear();
        destroyOn = code;
        Click(DayAt(Date(2024, 6, 12)));
        EXPECT_FALSE(IsWindow(calendar));
        EXPECT_EQ(heard.back().code, code) << "nothing after the calendar is gone";
    }
    MakeJune();
    destroyOn = kChange;
    heard.clear();
    Down(PartAt(MCHT_TITLEBTNNEXT));
    EXPECT_FALSE(IsWindow(calendar));
    Backend().RunFor(1000);
}

struct KeyCase {
    UINT key;
    bool control;
    SYSTEMTIME to;
};

TEST_F(MonthCalInputTest, KeysMoveTheSelectionAndTellEachChange) {
    const KeyCase cases[] = {
        {VK_RIGHT, false, Date(2024, 6, 16)}, {VK_LEFT, false, Date(2024, 6, 14)},
        {VK_DOWN, false, Date(2024, 6, 22)},  {VK_UP, false, Date(2024, 6, 8)},
        {VK_NEXT, false, Date(2024, 7, 15)},  {VK_PRIOR, false, Date(2024, 5, 15)},
        {VK_HOME, false, Date(2024, 6, 1)},   {VK_END, false, Date(2024, 6, 30)},
        {VK_NEXT, true, Date(2025, 6, 15)},   {VK_PRIOR, true, Date(2023, 6, 15)},
    };
    for (const KeyCase& c : cases) {
        MakeJune();
        SetFocus(calendar);
        heard.clear();
        if (c.control) Backend().KeyDown(VK_CONTROL);
        Key(c.key);
        if (c.control) Backend().KeyUp(VK_CONTROL);
        Backend().PumpUntilIdle();
        ASSERT_EQ(Codes(), (std::vector<UINT>{kChange})) << "key " << c.key;
        EXPECT_TRUE(SameDay(heard[0].start, c.to)) << "key " << c.key << ": " << Show(heard[0].start);
        EXPECT_TRUE(SameDay(Selection(), c.to));
        EXPECT_EQ(Selection().wHour, 9) << "the time rides along";
        EXPECT_EQ(ShownMonth(), c.to.wMonth);
        DestroyWindow(calendar);
    }
}

TEST_F(MonthCalInputTest, KeysStopAtTheRangesEndsAndTellNothingWhenTheyCannotMove) {
    MakeJune();
    SetRange(Date(2024, 6, 10), Date(2024, 6, 20));
    ASSERT_TRUE(Select(Date(2024, 6, 19)));
    SetFocus(calendar);
    struct Step { UINT key; SYSTEMTIME to; bool told; };
    const Step steps[] = {
        {VK_RIGHT, Date(2024, 6, 20), true}, {VK_RIGHT, Date(2024, 6, 20), false}, {VK_END, Date(2024, 6, 20), false},
        {VK_HOME, Date(2024, 6, 10), true},  {VK_PRIOR, Date(2024, 6, 10), false}, {VK_DOWN, Date(2024, 6, 17), true},
        {VK_NEXT, Date(2024, 6, 20), true},
    };
    for (const Step& s : steps) {
        heard.clear();
        Key(s.key);
        EXPECT_EQ(heard.size(), s.told ? 1u : 0u) << "key " << s.key;
        EXPECT_TRUE(SameDay(Selection(), s.to)) << "key " << s.key << ": " << Show(Selection());
    }
}

}  // namespace
