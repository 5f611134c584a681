// The month calendar's MCM_* messages: the selection and the dates it refuses, today, the range,
// the first day of the week, the months shown, the size it asks for and what lies under a point.
// The expected values are what the platform's own calendar (comctl32 under Wine) answered to
// the same calls, except where a case says otherwise.
#include <cstring>
#include <cwchar>

#include "MonthCalFixture.h"
#include "controls/CalendarDates.h"

namespace {

using namespace monthcal_test;
namespace dates = platform::dates;

SYSTEMTIME WithTime(SYSTEMTIME t, int hour, int minute, int second, int ms, int weekday = 0) {
    t.wHour = static_cast<WORD>(hour);
    t.wMinute = static_cast<WORD>(minute);
    t.wSecond = static_cast<WORD>(second);
    t.wMilliseconds = static_cast<WORD>(ms);
    t.wDayOfWeek = static_cast<WORD>(weekday);
    return t;
}

// ---- Selection and today ----

TEST_F(MonthCalTest, ItStartsOnTodayTakenFromTheClockWithItsTime) {
    ASSERT_TRUE(Make());
    const SYSTEMTIME selected = Selection(), expected = Options().startLocalTime;
    EXPECT_TRUE(SameDay(selected, expected)) << Show(selected);
    EXPECT_EQ(selected.wHour, 11);
    EXPECT_EQ(selected.wMinute, 30);
    EXPECT_EQ(selected.wDayOfWeek, 4);
    SYSTEMTIME today{};
    EXPECT_TRUE(Send(MCM_GETTODAY, 0, &today));
    EXPECT_TRUE(SameDay(today, expected));
    EXPECT_TRUE(SameDay(Shown().first, Date(2024, 6, 1)));
}

struct SelectCase {
    SYSTEMTIME date;
    bool accepted;
};

TEST_F(MonthCalTest, SetCurSelRefusesDatesThatDoNotExistOrLieOutsideTheCalendarAndKeepsTheOldOne) {
    ASSERT_TRUE(Make());
    const SelectCase cases[] = {
        {Date(2024, 2, 29), true},     {Date(2023, 2, 29), false},  {Date(2024, 2, 30), false},
        {Date(2024, 13, 1), false},    {Date(2024, 0, 1), false},   {Date(2024, 1, 0), false},
        {Date(2024, 4, 31), false},    {Date(2024, 4, 30), true},   {Date(1900, 2, 29), false},
        {Date(2000, 2, 29), true},     {Date(1601, 1, 1), false},   {Date(1752, 9, 13), false},
        {Date(1752, 9, 14), true},     {Date(9999, 12, 31), true},  {Date(10000, 1, 1), false},
        {Date(30827, 12, 31), false},  {Date(0, 1, 1), false},
        // The time of day is kept as given, even one no clock shows.
        {WithTime(Date(2024, 6, 17), 13, 14, 15, 16), true}, {WithTime(Date(2024, 6, 18), 24, 0, 0, 0), true},
        {WithTime(Date(2024, 6, 21), 0, 0, 0, 1000), true},
    };
    SYSTEMTIME expected = Selection();
    for (const SelectCase& c : cases) {
        EXPECT_EQ(Select(c.date), c.accepted) << Show(c.date);
        if (c.accepted) expected = c.date;
        const SYSTEMTIME now = Selection();
        EXPECT_TRUE(SameDay(now, expected)) << Show(c.date) << " left " << Show(now);
        EXPECT_EQ(now.wHour, expected.wHour);
        EXPECT_EQ(now.wMilliseconds, expected.wMilliseconds);
    }
    EXPECT_TRUE(heard.empty()) << "the program's own changes are not told";
}

TEST_F(MonthCalTest, SetCurSelIgnoresTheDayOfWeekGivenAndWritesTheRightOne) {
    ASSERT_TRUE(Make());
    for (int given : {0, 3, 7, 9}) {
        SYSTEMTIME date = Date(2024, 6, 15);
        date.wDayOfWeek = static_cast<WORD>(given);
        ASSERT_TRUE(Select(date));
        EXPECT_EQ(Selection().wDayOfWeek, 6) << "given " << given;
        ASSERT_TRUE(Select(Date(2024, 6, 16)));
    }
}

TEST_F(MonthCalTest, TheSameDayAgainKeepsTheTimeItHad) {
    ASSERT_TRUE(Make());
    ASSERT_TRUE(Select(Date(2024, 6, 15, 9)));
    EXPECT_TRUE(Select(Date(2024, 6, 15, 17)));
    EXPECT_EQ(Selection().wHour, 9);
}

TEST_F(MonthCalTest, SelectingMovesTheMonthsJustEnoughToShowTheDay) {
    ASSERT_TRUE(Make(0, {500, 200}));  // two months side by side
    ASSERT_EQ(Send(MCM_GETMONTHRANGE, GMR_VISIBLE, 0), 2);
    struct Case { SYSTEMTIME select; int firstMonth; };
    const Case cases[] = {{Date(2024, 7, 3), 6}, {Date(2024, 9, 3), 8}, {Date(2024, 8, 30), 8}, {Date(2024, 7, 30), 7},
                          {Date(2024, 3, 1), 3}};
    for (const Case& c : cases) {
        ASSERT_TRUE(Select(c.select));
        EXPECT_EQ(Shown().first.wMonth, c.firstMonth) << Show(c.select);
    }
}

TEST_F(MonthCalTest, TodayFollowsTheClockUntilTheProgramSetsIt) {
    ASSERT_TRUE(Make());
    Backend().AdvanceClock(24ull * 60 * 60 * 1000);
    SYSTEMTIME today{};
    ASSERT_TRUE(Send(MCM_GETTODAY, 0, &today));
    EXPECT_TRUE(SameDay(today, Date(2024, 6, 21))) << Show(today);

    SYSTEMTIME given = Date(2023, 1, 5, 8);
    given.wDayOfWeek = 9;  // kept as given: the platform stores today unchecked
    EXPECT_EQ(Send(MCM_SETTODAY, 0, &given), 0);
    Backend().AdvanceClock(24ull * 60 * 60 * 1000);
    ASSERT_TRUE(Send(MCM_GETTODAY, 0, &today));
    EXPECT_TRUE(SameDay(today, given));
    EXPECT_EQ(today.wDayOfWeek, 9);
    EXPECT_EQ(today.wHour, 8);
}

TEST_F(MonthCalTest, AnImpossibleTodayOrNoneChangesNothing) {
    // The platform stores even 2024-13-01 as today and answers 0 either way; a today that does
    // not exist could be drawn nowhere, so ours keeps the old one.
    ASSERT_TRUE(Make());
    SetToday(Date(2024, 6, 10));
    for (const SYSTEMTIME& bad : {Date(2024, 13, 1), Date(2023, 2, 29), Date(2024, 1, 0)}) {
        EXPECT_EQ(Send(MCM_SETTODAY, 0, &bad), 0);
        SYSTEMTIME today{};
        ASSERT_TRUE(Send(MCM_GETTODAY, 0, &today));
        EXPECT_TRUE(SameDay(today, Date(2024, 6, 10))) << Show(bad);
    }
    EXPECT_EQ(Send(MCM_SETTODAY, 0, 0), 0);
}

// ---- The range ----

struct RangeCase {
    WPARAM which;
    SYSTEMTIME min, max;
    LRESULT answer;
    DWORD flagsAfter;
    SYSTEMTIME minAfter, maxAfter;  // all zeros for an end not set
};

TEST_F(MonthCalTest, EachSetRangeReplacesTheWholeRange) {
    ASSERT_TRUE(Make());
    const SYSTEMTIME none{};
    const RangeCase cases[] = {
        {GDTR_MIN | GDTR_MAX, Date(2024, 6, 10, 5), Date(2024, 6, 20, 7), TRUE, 3, Date(2024, 6, 10, 5), Date(2024, 6, 20, 7)},
        // Crossed ends are swapped.
        {GDTR_MIN | GDTR_MAX, Date(2024, 8, 1), Date(2024, 7, 1), TRUE, 3, Date(2024, 7, 1), Date(2024, 8, 1)},
        // A date that does not exist refuses the whole call and keeps the range.
        {GDTR_MIN | GDTR_MAX, Date(2024, 13, 1), Date(2024, 7, 1), FALSE, 3, Date(2024, 7, 1), Date(2024, 8, 1)},
        {GDTR_MIN | GDTR_MAX, Date(2024, 1, 1), Date(2024, 2, 30), FALSE, 3, Date(2024, 7, 1), Date(2024, 8, 1)},
        // One end given clears the other; an end not named is not looked at.
        {GDTR_MIN, Date(2020, 1, 1), Date(2024, 2, 30), TRUE, GDTR_MIN, Date(2020, 1, 1), none},
        {GDTR_MAX, Date(2024, 13, 1), Date(2030, 2, 3), TRUE, GDTR_MAX, none, Date(2030, 2, 3)},
        {GDTR_MIN | GDTR_MAX, Date(1700, 1, 1), Date(2030, 2, 3), TRUE, 3, Date(1700, 1, 1), Date(2030, 2, 3)},
        {GDTR_MIN | GDTR_MAX, Date(2000, 1, 1, 10), Date(2000, 1, 1, 5), TRUE, 3, Date(2000, 1, 1, 5), Date(2000, 1, 1, 10)},
        {0, Date(2020, 1, 1), Date(2021, 1, 1), TRUE, 0, none, none},
        {4, Date(2020, 1, 1), Date(2021, 1, 1), TRUE, 0, none, none},
    };
    for (const RangeCase& c : cases) {
        const SYSTEMTIME given[2] = {c.min, c.max};
        EXPECT_EQ(Send(MCM_SETRANGE, c.which, given), c.answer) << Show(c.min) << " .. " << Show(c.max);
        SYSTEMTIME range[2];
        std::memset(range, 0x55, sizeof range);
        EXPECT_EQ(static_cast<DWORD>(Send(MCM_GETRANGE, 0, range)), c.flagsAfter);
        for (int i = 0; i < 2; ++i) {
            const SYSTEMTIME& expected = i == 0 ? c.minAfter : c.maxAfter;
            EXPECT_EQ(std::memcmp(&range[i], &expected, sizeof expected), 0)
                << "end " << i << " after " << Show(c.min) << " .. " << Show(c.max) << ": " << Show(range[i]);
        }
    }
    EXPECT_EQ(Send(MCM_GETRANGE, 0, 0), 0);
}

TEST_F(MonthCalTest, TheRangeLimitsWhatCanBeSelectedToTheTimeOfDayButMovesNothing) {
    ASSERT_TRUE(Make());
    ASSERT_TRUE(Select(Date(2024, 7, 15)));
    const SYSTEMTIME range[2] = {Date(2024, 6, 10, 5), Date(2024, 6, 20, 7)};
    ASSERT_TRUE(Send(MCM_SETRANGE, GDTR_MIN | GDTR_MAX, range));
    EXPECT_TRUE(SameDay(Selection(), Date(2024, 7, 15))) << "a selection outside stays";
    EXPECT_EQ(Shown().first.wMonth, 7);
    const SelectCase cases[] = {
        {Date(2024, 6, 9, 3), false},  {Date(2024, 6, 10, 3), false}, {Date(2024, 6, 10, 5), true},
        {Date(2024, 6, 20, 3), true},  {Date(2024, 6, 20, 8), false}, {Date(2024, 6, 21), false},
        {Date(2024, 5, 15), false},    {Date(2024, 6, 15), true},
    };
    for (const SelectCase& c : cases) EXPECT_EQ(Select(c.date), c.accepted) << Show(c.date);
}

// ---- The first day of the week ----

TEST_F(MonthCalTest, TheFirstDayOfTheWeekComesFromTheLocaleUntilTheProgramSetsOne) {
    struct Case { LPARAM set; DWORD previous, after; };
    const Case cases[] = {
        {0, 0x00000006, 0x00010000}, {3, 0x00010000, 0x00010003}, {6, 0x00010003, 0x00010006},
        {7, 0x00010006, 0x00010006}, {-1, 0x00010006, 0x00000006}, {10, 0x00000006, 0x00010006},
        {0x10002, 0x00010006, 0x00010006},
        // The platform keeps -2 as it is and draws nonsense; ours takes it as Sunday, as 7 is.
        {-2, 0x00010006, 0x00010006},
    };
    ASSERT_TRUE(Make());
    EXPECT_EQ(static_cast<DWORD>(Send(MCM_GETFIRSTDAYOFWEEK)), 6u);
    for (const Case& c : cases) {
        EXPECT_EQ(static_cast<DWORD>(Send(MCM_SETFIRSTDAYOFWEEK, 0, c.set)), c.previous) << "setting " << c.set;
        EXPECT_EQ(static_cast<DWORD>(Send(MCM_GETFIRSTDAYOFWEEK)), c.after) << "after " << c.set;
    }
}

TEST_F(MonthCalTest, AnItalianUserStartsTheWeekOnMonday) {
    LocaleEnvironment italian("it_IT.UTF-8");
    ASSERT_TRUE(Make());
    EXPECT_EQ(static_cast<DWORD>(Send(MCM_GETFIRSTDAYOFWEEK)), 0u);
    Send(MCM_SETFIRSTDAYOFWEEK, 0, 4);
    EXPECT_EQ(static_cast<DWORD>(Send(MCM_SETFIRSTDAYOFWEEK, 0, -1)), 0x00010004u);
    EXPECT_EQ(static_cast<DWORD>(Send(MCM_GETFIRSTDAYOFWEEK)), 0u);
}

// ---- The months shown ----

struct MonthRangeCase {
    SYSTEMTIME selected;
    int firstDay;
    SYSTEMTIME gridFirst, gridLast;
};

TEST_F(MonthCalTest, TheGridStartsAWeekEarlierWhenTheMonthStartsTheWeek) {
    ASSERT_TRUE(Make());
    const MonthRangeCase cases[] = {
        {Date(2024, 6, 15), 6, Date(2024, 5, 26), Date(2024, 7, 6)},
        {Date(2024, 6, 15), 0, Date(2024, 5, 27), Date(2024, 7, 7)},
        {Date(2024, 6, 15), 5, Date(2024, 5, 25), Date(2024, 7, 5)},
        {Date(2024, 9, 15), 6, Date(2024, 8, 25), Date(2024, 10, 5)},
        {Date(2026, 2, 15), 6, Date(2026, 1, 25), Date(2026, 3, 7)},
    };
    for (const MonthRangeCase& c : cases) {
        Send(MCM_SETFIRSTDAYOFWEEK, 0, c.firstDay);
        ASSERT_TRUE(Select(c.selected));
        SYSTEMTIME range[2]{};
        EXPECT_EQ(Send(MCM_GETMONTHRANGE, GMR_VISIBLE, range), 1);
        EXPECT_TRUE(SameDay(range[0], Date(c.selected.wYear, c.selected.wMonth, 1))) << Show(range[0]);
        EXPECT_EQ(range[1].wDay, dates::DaysInMonth(c.selected.wYear, c.selected.wMonth));
        EXPECT_EQ(Send(MCM_GETMONTHRANGE, GMR_DAYSTATE, range), 3);
        EXPECT_TRUE(SameDay(range[0], c.gridFirst)) << Show(c.selected) << " first " << Show(range[0]);
        EXPECT_TRUE(SameDay(range[1], c.gridLast)) << Show(c.selected) << " last " << Show(range[1]);
        // The dates carry the time the control was made at and their own day of the week.
        EXPECT_EQ(range[0].wHour, 11);
        EXPECT_EQ(range[0].wDayOfWeek, (c.firstDay + 1) % 7);
    }
    EXPECT_EQ(Send(MCM_GETMONTHRANGE, GMR_VISIBLE, 0), 1) << "no pointer still counts";
    SYSTEMTIME range[2]{};
    EXPECT_EQ(Send(MCM_GETMONTHRANGE, 5, range), 0);
}

TEST_F(MonthCalTest, AsManyMonthsAsTheSizeHoldsAreShown) {
    ASSERT_TRUE(Make());
    const RECT one = MinimumRect();
    const MCHITTESTINFO cell = HitAt(*Find(MCHT_CALENDARDATE));
    const int line = cell.rc.bottom - cell.rc.top;  // the today line is one cell tall
    const int twoDown = 2 * (one.bottom - line) + 6 + line;  // months above each other share one today line
    struct Case { SIZE size; int count; };
    const Case cases[] = {
        {{one.right, one.bottom}, 1},           {{2 * one.right + 5, one.bottom}, 1},
        {{2 * one.right + 6, one.bottom}, 2},   {{3 * one.right + 12, one.bottom}, 3},
        {{one.right, twoDown - 1}, 1},          {{one.right, twoDown}, 2},
        {{2 * one.right + 6, twoDown}, 4},      {{one.right - 50, one.bottom - 50}, 1},
    };
    for (const Case& c : cases) {
        SetWindowPos(calendar, nullptr, 0, 0, c.size.cx, c.size.cy, SWP_NOMOVE | SWP_NOZORDER);
        EXPECT_EQ(Send(MCM_GETMONTHRANGE, GMR_VISIBLE, 0), c.count) << c.size.cx << "x" << c.size.cy;
        EXPECT_EQ(Send(MCM_GETMONTHRANGE, GMR_DAYSTATE, 0), c.count + 2);
    }
    SYSTEMTIME range[2]{};
    Send(MCM_GETMONTHRANGE, GMR_VISIBLE, range);
    EXPECT_TRUE(SameDay(range[0], Date(2024, 6, 1)));
    EXPECT_TRUE(SameDay(range[1], Date(2024, 6, 30)));
    SetWindowPos(calendar, nullptr, 0, 0, 2 * one.right + 6, twoDown, SWP_NOMOVE | SWP_NOZORDER);
    Send(MCM_GETMONTHRANGE, GMR_VISIBLE, range);
    EXPECT_TRUE(SameDay(range[1], Date(2024, 9, 30))) << Show(range[1]);
    Send(MCM_GETMONTHRANGE, GMR_DAYSTATE, range);
    EXPECT_TRUE(SameDay(range[1], Date(2024, 10, 5))) << Show(range[1]);
}

// ---- Size and hit testing ----

TEST_F(MonthCalTest, TheSmallestSizeHoldsOneMonthWithItsTodayLine) {
    ASSERT_TRUE(Make());
    const RECT plain = MinimumRect();
    EXPECT_EQ(plain.left, 0);
    EXPECT_EQ(plain.top, 0);
    // Whole at that size: the prev button near the top left, the last day's row, the today line.
    EXPECT_TRUE(Find(MCHT_TITLEBTNPREV).has_value());
    EXPECT_TRUE(Find(MCHT_TODAYLINK).has_value());
    const MCHITTESTINFO corner = HitAt({plain.right - 2, plain.bottom - 2});
    EXPECT_EQ(corner.uHit, static_cast<UINT>(MCHT_TODAYLINK));
    SetWindowLongW(calendar, GWL_STYLE, GetWindowLongW(calendar, GWL_STYLE) | WS_BORDER);
    const RECT bordered = MinimumRect();
    EXPECT_EQ(bordered.right, plain.right + 2);
    EXPECT_EQ(bordered.bottom, plain.bottom + 2);
    SetWindowLongW(calendar, GWL_STYLE, (GetWindowLongW(calendar, GWL_STYLE) & ~WS_BORDER) | MCS_WEEKNUMBERS);
    EXPECT_EQ(MinimumRect().right, plain.right / 7 * 8) << "a column for the week numbers";
    SetWindowLongW(calendar, GWL_STYLE, (GetWindowLongW(calendar, GWL_STYLE) & ~MCS_WEEKNUMBERS) | MCS_NOTODAY);
    EXPECT_EQ(MinimumRect().bottom, plain.bottom) << "the platform keeps the today line's room";
    EXPECT_FALSE(Send(MCM_GETMINREQRECT, 0, 0));
}

TEST_F(MonthCalTest, EveryCellNamesItsDateRowAndColumn) {
    ASSERT_TRUE(Make());
    ASSERT_TRUE(Select(Date(2024, 6, 15)));
    const SYSTEMTIME gridStart = Date(2024, 5, 26);
    const std::optional<POINT> first = Find(MCHT_CALENDARDATEPREV, gridStart);
    ASSERT_TRUE(first.has_value());
    const MCHITTESTINFO origin = HitAt(*first);
    const int width = origin.rc.right - origin.rc.left, height = origin.rc.bottom - origin.rc.top;
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 7; ++column) {
            const SYSTEMTIME expected = dates::AddDays(gridStart, row * 7 + column);
            const MCHITTESTINFO hit = HitAt({first->x + column * width, first->y + row * height});
            const UINT what = expected.wMonth == 5 ? MCHT_CALENDARDATEPREV
                                                   : (expected.wMonth == 7 ? MCHT_CALENDARDATENEXT : MCHT_CALENDARDATE);
            EXPECT_EQ(hit.uHit, what) << Show(expected);
            EXPECT_TRUE(SameDay(hit.st, expected)) << Show(hit.st) << " for " << Show(expected);
            EXPECT_EQ(hit.st.wDayOfWeek, column);
            EXPECT_EQ(hit.st.wHour, 0);
            EXPECT_EQ(hit.iRow, row);
            EXPECT_EQ(hit.iCol, column);
            EXPECT_EQ(hit.iOffset, 0);
            EXPECT_EQ(hit.rc.left, origin.rc.left + column * width);
            EXPECT_EQ(hit.rc.top, origin.rc.top + row * height);
        }
    }
}

TEST_F(MonthCalTest, TheTitleButtonsDayNamesAndBackgroundAreTold) {
    ASSERT_TRUE(Make());
    ASSERT_TRUE(Select(Date(2024, 6, 15)));
    const std::optional<POINT> prev = Find(MCHT_TITLEBTNPREV), next = Find(MCHT_TITLEBTNNEXT);
    const std::optional<POINT> month = Find(MCHT_TITLEMONTH), year = Find(MCHT_TITLEYEAR);
    const std::optional<POINT> title = Find(MCHT_TITLE), names = Find(MCHT_CALENDARDAY);
    ASSERT_TRUE(prev && next && month && year && title && names);
    EXPECT_LT(prev->x, month->x);
    EXPECT_LT(month->x, year->x);
    EXPECT_LT(year->x, next->x);
    EXPECT_LT(title->y, names->y);
    // The day names name the first week's day in their column.
    const MCHITTESTINFO day = HitAt(*names);
    EXPECT_TRUE(SameDay(day.st, dates::AddDays(Date(2024, 5, 26), day.iCol))) << Show(day.st);
    // A part's rectangle and the month's index are written only where the part has them.
    MCHITTESTINFO info{};
    info.cbSize = sizeof info;
    info.pt = *prev;
    info.iOffset = info.iRow = info.iCol = 77;
    EXPECT_EQ(Send(MCM_HITTEST, 0, &info), static_cast<LRESULT>(MCHT_TITLEBTNPREV));
    EXPECT_EQ(info.iOffset, 77);
    EXPECT_EQ(info.iRow, 77);
    EXPECT_LT(info.rc.left, prev->x);
    EXPECT_GT(info.rc.right, prev->x);
    EXPECT_EQ(info.st.wYear, 0);
}

struct SizeCase {
    UINT size;
    LRESULT answer;
    bool writesRect;
};

TEST_F(MonthCalTest, HitTestReadsBothSizesOfItsStructureAndRefusesSmallerOnes) {
    ASSERT_TRUE(Make());
    ASSERT_TRUE(Select(Date(2024, 6, 15)));
    const std::optional<POINT> day = Find(MCHT_CALENDARDATE, Date(2024, 6, 12));
    ASSERT_TRUE(day);
    const SizeCase cases[] = {
        {sizeof(MCHITTESTINFO), MCHT_CALENDARDATE, true},
        {MCHITTESTINFO_V1_SIZE, MCHT_CALENDARDATE, false},
        {MCHITTESTINFO_V1_SIZE + 1, MCHT_CALENDARDATE, false},
        {sizeof(MCHITTESTINFO) + 4, MCHT_CALENDARDATE, false},
        {MCHITTESTINFO_V1_SIZE - 1, -1, false},
        {0, -1, false},
    };
    for (const SizeCase& c : cases) {
        MCHITTESTINFO info;
        std::memset(&info, 0x55, sizeof info);
        info.cbSize = c.size;
        info.pt = *day;
        EXPECT_EQ(Send(MCM_HITTEST, 0, &info), c.answer) << "size " << c.size;
        EXPECT_EQ(info.rc.left != 0x55555555, c.writesRect) << "size " << c.size;
        EXPECT_EQ(info.iRow != 0x55555555, c.writesRect) << "size " << c.size;
        if (c.answer == -1) EXPECT_EQ(info.uHit, 0x55555555u);
        else EXPECT_TRUE(SameDay(info.st, Date(2024, 6, 12)));
    }
    EXPECT_EQ(Send(MCM_HITTEST, 0, 0), -1);
}

struct StyleHitCase {
    DWORD style;
    UINT trailing;  // a day of May in the June grid
    UINT todayLine;
};

TEST_F(MonthCalTest, PartsTheStyleHidesAreBackground) {
    // The platform still reports a hidden trailing day and a hidden today line; a click there
    // would choose something no one can see, so ours reports the background.
    const StyleHitCase cases[] = {
        {0, MCHT_CALENDARDATEPREV, MCHT_TODAYLINK},
        {MCS_NOTRAILINGDATES, MCHT_CALENDARBK, MCHT_TODAYLINK},
        {MCS_NOTODAY, MCHT_CALENDARDATEPREV, MCHT_CALENDARBK},
    };
    for (const StyleHitCase& c : cases) {
        ASSERT_TRUE(Make());
        ASSERT_TRUE(Select(Date(2024, 6, 15)));
        const std::optional<POINT> trailing = Find(MCHT_CALENDARDATEPREV, Date(2024, 5, 28));
        const std::optional<POINT> today = Find(MCHT_TODAYLINK);
        ASSERT_TRUE(trailing && today);
        SetWindowLongW(calendar, GWL_STYLE, GetWindowLongW(calendar, GWL_STYLE) | c.style);
        EXPECT_EQ(HitAt(*trailing).uHit, c.trailing) << "style " << c.style;
        EXPECT_EQ(HitAt(*today).uHit, c.todayLine) << "style " << c.style;
        DestroyWindow(calendar);
    }
}

TEST_F(MonthCalTest, WeekNumbersTakeTheFirstColumn) {
    ASSERT_TRUE(Make(MCS_WEEKNUMBERS));
    ASSERT_TRUE(Select(Date(2024, 6, 15)));
    const std::optional<POINT> week = Find(MCHT_CALENDARWEEKNUM);
    const std::optional<POINT> firstDay = Find(MCHT_CALENDARDATEPREV, Date(2024, 5, 26));
    ASSERT_TRUE(week && firstDay);
    EXPECT_LT(week->x, firstDay->x);
    EXPECT_EQ(HitAt({week->x, firstDay->y}).uHit, static_cast<UINT>(MCHT_CALENDARWEEKNUM));
    EXPECT_TRUE(SameDay(HitAt({week->x, firstDay->y}).st, Date(2024, 5, 26)));
}

// ---- Fonts, dialog codes and handles that are gone ----

TEST_F(MonthCalTest, TheFontIsTheOneGivenAndNoneAtFirst) {
    ASSERT_TRUE(Make());
    EXPECT_EQ(Send(WM_GETFONT), 0);
    const RECT before = MinimumRect();
    LOGFONTW big{};
    big.lfHeight = -24;
    wcscpy(big.lfFaceName, L"Arial");
    HFONT font = CreateFontIndirectW(&big);
    EXPECT_EQ(Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE), 0);
    EXPECT_EQ(reinterpret_cast<HFONT>(Send(WM_GETFONT)), font);
    const RECT after = MinimumRect();
    EXPECT_GT(after.right, before.right) << "the cells are measured in the font";
    EXPECT_GT(after.bottom, before.bottom);
    Send(WM_SETFONT, 0, FALSE);
    DeleteObject(font);
}

TEST_F(MonthCalTest, ItWantsTheArrowsAndCharacters) {
    ASSERT_TRUE(Make());
    EXPECT_EQ(Send(WM_GETDLGCODE), DLGC_WANTARROWS | DLGC_WANTCHARS);
}

TEST_F(MonthCalTest, EveryMessageFailsCleanlyWithANullPointerOrAHandleThatIsGone) {
    ASSERT_TRUE(Make());
    const UINT pointerMessages[] = {MCM_GETCURSEL, MCM_SETCURSEL, MCM_GETTODAY, MCM_SETTODAY, MCM_GETRANGE,
                                    MCM_SETRANGE, MCM_GETMINREQRECT, MCM_GETSELRANGE, MCM_SETSELRANGE};
    for (UINT message : pointerMessages) EXPECT_EQ(Send(message, GDTR_MIN | GDTR_MAX, 0), 0) << std::hex << message;
    EXPECT_EQ(Send(MCM_HITTEST, 0, 0), -1);
    HWND gone = calendar;
    DestroyWindow(gone);
    SYSTEMTIME date = Date(2024, 6, 15);
    for (UINT message : pointerMessages) EXPECT_EQ(SendMessageW(gone, message, 0, reinterpret_cast<LPARAM>(&date)), 0);
    EXPECT_EQ(SendMessageW(nullptr, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&date)), 0);
}

// ---- Several days at once ----

TEST_F(MonthCalTest, AMultipleSelectionIsARangeOfAtMostTheMaximumDays) {
    ASSERT_TRUE(Make(MCS_MULTISELECT));
    EXPECT_EQ(Send(MCM_GETMAXSELCOUNT), 7);
    SYSTEMTIME one = Date(2024, 6, 15);
    EXPECT_FALSE(Send(MCM_SETCURSEL, 0, &one)) << "a single day is set as a range";
    struct Case { SYSTEMTIME a, b; bool accepted; };
    const Case cases[] = {
        {Date(2024, 6, 10), Date(2024, 6, 16), true},
        {Date(2024, 6, 18), Date(2024, 6, 12), true},  // crossed ends are put in order
        {Date(2024, 6, 10), Date(2024, 6, 17), false}, // eight days
        {Date(2024, 6, 10), Date(2024, 6, 31), false},
    };
    SYSTEMTIME expected[2] = {Date(2024, 6, 20), Date(2024, 6, 20)};
    Send(MCM_GETSELRANGE, 0, expected);
    for (const Case& c : cases) {
        const SYSTEMTIME given[2] = {c.a, c.b};
        EXPECT_EQ(Send(MCM_SETSELRANGE, 0, given) != 0, c.accepted) << Show(c.a) << " .. " << Show(c.b);
        if (c.accepted) {
            expected[0] = dates::CompareDates(c.a, c.b) <= 0 ? c.a : c.b;
            expected[1] = dates::CompareDates(c.a, c.b) <= 0 ? c.b : c.a;
        }
        SYSTEMTIME range[2]{};
        ASSERT_TRUE(Send(MCM_GETSELRANGE, 0, range));
        EXPECT_TRUE(SameDay(range[0], expected[0]) && SameDay(range[1], expected[1]))
            << Show(range[0]) << " .. " << Show(range[1]);
    }
    EXPECT_TRUE(Send(MCM_SETMAXSELCOUNT, 10));
    EXPECT_FALSE(Send(MCM_SETMAXSELCOUNT, 0));
    EXPECT_EQ(Send(MCM_GETMAXSELCOUNT), 10);
    const SYSTEMTIME tenDays[2] = {Date(2024, 6, 1), Date(2024, 6, 10)};
    EXPECT_TRUE(Send(MCM_SETSELRANGE, 0, tenDays));
}

}  // namespace
