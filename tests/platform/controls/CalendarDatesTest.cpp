// The calendar's date arithmetic: which dates exist (the rows are what the platform's month
// calendar accepted and refused under Wine, and SystemTimeToFileTime's own rules), the length of
// months, the day of the week, stepping by days and months, and ordering.
#include <gtest/gtest.h>

#include "PlatformApi.h"
#include "controls/CalendarDates.h"

namespace {

namespace dates = platform::dates;

SYSTEMTIME Date(int year, int month, int day, int hour = 0) {
    SYSTEMTIME t{};
    t.wYear = static_cast<WORD>(year);
    t.wMonth = static_cast<WORD>(month);
    t.wDay = static_cast<WORD>(day);
    t.wHour = static_cast<WORD>(hour);
    return t;
}

struct ValidityCase {
    SYSTEMTIME date;
    bool valid;
};

TEST(CalendarDatesTest, OnlyRealDatesAreValidWhateverTheDayOfWeekSays) {
    SYSTEMTIME wrongWeekday = Date(2024, 6, 15);
    wrongWeekday.wDayOfWeek = 9;
    const ValidityCase cases[] = {
        {Date(2024, 2, 29), true},     {Date(2023, 2, 29), false}, {Date(2024, 2, 30), false},
        {Date(2024, 13, 1), false},    {Date(2024, 0, 1), false},  {Date(2024, 1, 0), false},
        {Date(2024, 4, 31), false},    {Date(2024, 4, 30), true},  {Date(1900, 2, 29), false},
        {Date(2000, 2, 29), true},     {Date(1601, 1, 1), true},   {Date(1600, 12, 31), false},
        {Date(30827, 12, 31), true},   {Date(30828, 1, 1), false}, {Date(0, 1, 1), false},
        {wrongWeekday, true},          {Date(2024, 12, 31), true}, {Date(2024, 12, 32), false},
    };
    for (const ValidityCase& c : cases)
        EXPECT_EQ(dates::IsValidDate(c.date), c.valid) << c.date.wYear << "-" << c.date.wMonth << "-" << c.date.wDay;
}

TEST(CalendarDatesTest, ValidityAndDaysAgreeWithTheFileTimeConversionsDayByDay) {
    // Every day of a few years around the century rules, each checked against the platform's
    // own conversion: valid exactly when it converts, and the day after is a day's ticks later.
    constexpr unsigned long long kDay = 24ull * 60 * 60 * 10'000'000;
    for (int year : {1601, 1700, 1900, 2000, 2023, 2024, 2100, 30827}) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 32; ++day) {
                const SYSTEMTIME date = Date(year, month, day);
                FILETIME file{};
                const bool converts = SystemTimeToFileTime(&date, &file) != FALSE;
                ASSERT_EQ(dates::IsValidDate(date), converts) << year << "-" << month << "-" << day;
                if (!converts || (year == 30827 && month == 12 && day == 31)) continue;
                const unsigned long long next = ((static_cast<unsigned long long>(file.dwHighDateTime) << 32) | file.dwLowDateTime) + kDay;
                FILETIME nextFile{static_cast<DWORD>(next), static_cast<DWORD>(next >> 32)};
                SYSTEMTIME expected{};
                ASSERT_TRUE(FileTimeToSystemTime(&nextFile, &expected));
                const SYSTEMTIME after = dates::AddDays(date, 1);
                ASSERT_EQ(dates::CompareDates(after, expected), 0) << year << "-" << month << "-" << day;
                ASSERT_EQ(after.wDayOfWeek, expected.wDayOfWeek);
            }
        }
    }
}

TEST(CalendarDatesTest, MonthLengthsFollowTheLeapYears) {
    struct Case { int year, month, days; };
    const Case cases[] = {{2024, 2, 29}, {2023, 2, 28}, {1900, 2, 28}, {2000, 2, 29}, {2024, 4, 30},
                          {2024, 12, 31}, {2024, 0, 0}, {2024, 13, 0}};
    for (const Case& c : cases) EXPECT_EQ(dates::DaysInMonth(c.year, c.month), c.days) << c.year << "-" << c.month;
}

TEST(CalendarDatesTest, DaysOfTheWeekOfKnownDates) {
    struct Case { int year, month, day, weekday; };
    const Case cases[] = {{2024, 6, 15, 6}, {2024, 9, 1, 0}, {1752, 9, 14, 4}, {2000, 2, 29, 2},
                          {9999, 12, 31, 5}, {1601, 1, 1, 1}, {2026, 3, 1, 0}};
    for (const Case& c : cases) EXPECT_EQ(dates::DayOfWeek(c.year, c.month, c.day), c.weekday) << c.year << "-" << c.month << "-" << c.day;
}

TEST(CalendarDatesTest, SteppingByDaysCrossesMonthsYearsAndLeapDaysAndKeepsTheTime) {
    struct Case { SYSTEMTIME from; int days; SYSTEMTIME to; };
    const Case cases[] = {
        {Date(2024, 2, 28), 1, Date(2024, 2, 29)}, {Date(2023, 2, 28), 1, Date(2023, 3, 1)},
        {Date(2024, 12, 31), 1, Date(2025, 1, 1)}, {Date(2024, 3, 1), -1, Date(2024, 2, 29)},
        {Date(2024, 1, 3), -7, Date(2023, 12, 27)}, {Date(2024, 6, 15), 0, Date(2024, 6, 15)},
        {Date(2000, 1, 1), 366, Date(2001, 1, 1)},
    };
    for (const Case& c : cases) {
        SYSTEMTIME from = c.from;
        from.wHour = 13;
        from.wMilliseconds = 7;
        const SYSTEMTIME moved = dates::AddDays(from, c.days);
        EXPECT_EQ(dates::CompareDates(moved, c.to), 0) << c.from.wYear << "-" << c.from.wMonth << "-" << c.from.wDay << " + " << c.days;
        EXPECT_EQ(moved.wHour, 13);
        EXPECT_EQ(moved.wMilliseconds, 7);
    }
}

TEST(CalendarDatesTest, SteppingByMonthsPullsTheDayBackToTheMonthsEnd) {
    struct Case { SYSTEMTIME from; int months; SYSTEMTIME to; };
    const Case cases[] = {
        {Date(2024, 1, 31), 1, Date(2024, 2, 29)},  {Date(2023, 1, 31), 1, Date(2023, 2, 28)},
        {Date(2024, 3, 31), -1, Date(2024, 2, 29)}, {Date(2024, 5, 31), 1, Date(2024, 6, 30)},
        {Date(2024, 12, 15), 1, Date(2025, 1, 15)}, {Date(2024, 1, 15), -1, Date(2023, 12, 15)},
        {Date(2024, 2, 29), 12, Date(2025, 2, 28)}, {Date(2024, 6, 15), -30, Date(2021, 12, 15)},
    };
    for (const Case& c : cases) {
        const SYSTEMTIME moved = dates::AddMonths(c.from, c.months);
        EXPECT_EQ(dates::CompareDates(moved, c.to), 0) << c.from.wYear << "-" << c.from.wMonth << "-" << c.from.wDay << " + " << c.months << " months";
        EXPECT_EQ(moved.wDayOfWeek, dates::DayOfWeek(c.to.wYear, c.to.wMonth, c.to.wDay));
    }
}

TEST(CalendarDatesTest, ComparingByDateAloneOrWithTheTime) {
    EXPECT_EQ(dates::CompareDates(Date(2024, 6, 15, 23), Date(2024, 6, 15, 1)), 0);
    EXPECT_EQ(dates::CompareDateTimes(Date(2024, 6, 15, 23), Date(2024, 6, 15, 1)), 1);
    EXPECT_EQ(dates::CompareDates(Date(2024, 5, 31), Date(2024, 6, 1)), -1);
    EXPECT_EQ(dates::CompareDates(Date(2025, 1, 1), Date(2024, 12, 31)), 1);
    EXPECT_EQ(dates::CompareDateTimes(Date(2024, 5, 31, 23), Date(2024, 6, 1, 0)), -1);
    EXPECT_EQ(dates::MonthsBetween(Date(2024, 11, 30), Date(2025, 2, 1)), 3);
    EXPECT_EQ(dates::MonthsBetween(Date(2025, 2, 1), Date(2024, 11, 30)), -3);
    EXPECT_EQ(dates::DaysBetween(Date(2024, 2, 28), Date(2024, 3, 1)), 2);
}

}  // namespace
