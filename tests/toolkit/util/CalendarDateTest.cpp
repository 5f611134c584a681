// Dates as the platform checks them, and the ranges the date controls keep to.
#include <gtest/gtest.h>

#include "toolkit/util/CalendarDate.h"

namespace {

using OrloUtility::DateRange;

SYSTEMTIME Day(WORD year, WORD month, WORD day, WORD hour = 0) { return SYSTEMTIME{year, month, 0, day, hour, 0, 0, 0}; }

TEST(CalendarDateTest, ValidDatesAreThoseThePlatformTakes) {
    struct Case {
        SYSTEMTIME date;
        bool valid;
        WORD dayOfWeek;  // filled in for a valid date
    };
    const Case cases[] = {
        {Day(2024, 2, 29), true, 4},   // a leap day
        {Day(2023, 2, 29), false, 0},  // not a leap year
        {Day(1900, 2, 29), false, 0},  // a century that is not leap
        {Day(2000, 2, 29), true, 2},   // one that is
        {Day(2024, 4, 31), false, 0},
        {Day(2024, 13, 1), false, 0},
        {Day(2024, 0, 1), false, 0},
        {Day(2024, 1, 0), false, 0},
        {Day(2024, 12, 31, 23), true, 2},
        {Day(2024, 12, 31, 24), false, 0},
        {Day(1601, 1, 1), true, 1},
        {Day(1600, 12, 31), false, 0},
    };
    for (const Case& c : cases) {
        const auto valid = OrloUtility::ValidDate(c.date);
        EXPECT_EQ(valid.has_value(), c.valid) << c.date.wYear << "-" << c.date.wMonth << "-" << c.date.wDay;
        if (valid) {
            EXPECT_EQ(valid->wDayOfWeek, c.dayOfWeek);
        }
    }
}

TEST(CalendarDateTest, ComparingGoesToTheMillisecondAndSameDayIgnoresTheTime) {
    EXPECT_EQ(OrloUtility::CompareDates(Day(2024, 2, 28), Day(2024, 2, 29)), -1);
    EXPECT_EQ(OrloUtility::CompareDates(Day(2024, 3, 1), Day(2024, 2, 29)), 1);
    SYSTEMTIME later = Day(2024, 2, 29);
    later.wMilliseconds = 1;
    EXPECT_EQ(OrloUtility::CompareDates(Day(2024, 2, 29), later), -1);
    EXPECT_EQ(OrloUtility::CompareDates(later, later), 0);
    EXPECT_TRUE(OrloUtility::SameDay(Day(2024, 2, 29, 0), Day(2024, 2, 29, 23)));
    EXPECT_FALSE(OrloUtility::SameDay(Day(2024, 2, 29), Day(2023, 2, 29)));
}

TEST(CalendarDateTest, ARangeHoldsWholeDaysBetweenItsEnds) {
    const DateRange february{Day(2024, 2, 1, 12), Day(2024, 2, 29, 6)};
    struct Case {
        SYSTEMTIME date;
        bool held;
    };
    const Case cases[] = {
        {Day(2024, 2, 1, 0), true},  // the first day, before the earliest's hour
        {Day(2024, 2, 29, 23), true},
        {Day(2024, 1, 31, 23), false},
        {Day(2024, 3, 1), false},
        {Day(2025, 2, 15), false},
    };
    for (const Case& c : cases) EXPECT_EQ(february.Holds(c.date), c.held) << c.date.wMonth << "/" << c.date.wDay;
    EXPECT_TRUE(DateRange{}.Holds(Day(9999, 12, 31)));
    EXPECT_TRUE((DateRange{std::nullopt, Day(2024, 1, 1)}.Holds(Day(1700, 6, 1))));
}

TEST(CalendarDateTest, ARangeIsValidWithValidEndsTheRightWayRound) {
    EXPECT_TRUE(DateRange{}.IsValid());
    EXPECT_TRUE((DateRange{Day(2024, 2, 29), Day(2024, 2, 29)}.IsValid()));
    EXPECT_FALSE((DateRange{Day(2024, 3, 1), Day(2024, 2, 29)}.IsValid()));
    EXPECT_FALSE((DateRange{Day(2023, 2, 29), std::nullopt}.IsValid()));
    EXPECT_FALSE((DateRange{std::nullopt, Day(2024, 13, 1)}.IsValid()));

    SYSTEMTIME ends[2];
    EXPECT_EQ((DateRange{Day(2024, 1, 1), std::nullopt}.ToMessage(ends)), static_cast<DWORD>(GDTR_MIN));
    EXPECT_EQ(ends[0].wYear, 2024);
    EXPECT_EQ((DateRange{Day(2024, 1, 1), Day(2024, 2, 1)}.ToMessage(ends)), static_cast<DWORD>(GDTR_MIN | GDTR_MAX));
    EXPECT_EQ(ends[1].wMonth, 2);
    EXPECT_EQ(DateRange{}.ToMessage(ends), 0u);
}

}  // namespace
