// Time stamps: the "not set" value, millisecond differences, ordering, the pause between
// levels, and how they behave when the wall clock is set.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "support/HeadlessTest.h"
#include "toolkit/util/TimeStamp.h"

namespace OrloUtility {
namespace {

constexpr std::int64_t kMsPerDay = 86'400'000;

// Day of the week 0 (Sunday) unless given: the conversions ignore it on input.
SYSTEMTIME At(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second, WORD ms,
              WORD dayOfWeek = 0) {
    return {year, month, dayOfWeek, day, hour, minute, second, ms};
}

TimeStamp Stamp(const SYSTEMTIME& value) { return {value, false}; }

std::string Text(const SYSTEMTIME& t) {
    char text[64];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u (day %u) %02u:%02u:%02u.%03u", t.wYear,
                  t.wMonth, t.wDay, t.wDayOfWeek, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
    return text;
}

std::string Text(const TimeStamp& stamp) {
    return Text(stamp.value) + (stamp.invalid ? " invalid" : "");
}

// Not a date: February has no 30th.
const SYSTEMTIME kNoDate = At(2024, 2, 30, 10, 0, 0, 0);

TEST(TimeStamp, MakeUnsetIsMidnightOfMonday1January1900) {
    const TimeStamp unset = TimeStamp::MakeUnset();
    EXPECT_EQ(Text(At(1900, 1, 1, 0, 0, 0, 0, 1)), Text(unset));
}

TEST(TimeStamp, MeasuresAndOrdersIntervals) {
    const struct {
        const char* what;
        SYSTEMTIME from;
        SYSTEMTIME to;
        std::int64_t ms;
        int order;  // of from against to
    } cases[] = {
        {"across midnight and the year end", At(2023, 12, 31, 23, 59, 59, 900),
         At(2024, 1, 1, 0, 0, 0, 100), 200, -1},
        {"999 ms apart", At(2026, 3, 2, 10, 0, 0, 0), At(2026, 3, 2, 10, 0, 0, 999), 999, -1},
        {"identical", At(2026, 3, 2, 10, 0, 0, 0), At(2026, 3, 2, 10, 0, 0, 0), 0, 0},
        // 120 years with the 29 leap days of 1904 to 2016 (1900 is no leap year): past 32 bits.
        {"from unset to 2020", TimeStamp::MakeUnset().value, At(2020, 1, 1, 0, 0, 0, 0),
         (120 * 365 + 29) * kMsPerDay, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.ms, Stamp(c.from).MillisecondsUntil(Stamp(c.to)));
        EXPECT_EQ(-c.ms, Stamp(c.to).MillisecondsUntil(Stamp(c.from)));
        EXPECT_EQ(c.order, Stamp(c.from).CompareTo(Stamp(c.to)));
        EXPECT_EQ(-c.order, Stamp(c.to).CompareTo(Stamp(c.from)));
    }
}

TEST(TimeStamp, UnconvertibleStampsGiveZero) {
    const SYSTEMTIME date = At(2026, 3, 2, 10, 0, 0, 0);
    const SYSTEMTIME later = At(2026, 3, 2, 10, 0, 1, 0);
    const struct {
        const char* what;
        TimeStamp self;
        TimeStamp other;
    } cases[] = {
        {"this stamp flagged invalid", {date, true}, Stamp(later)},
        {"this stamp no date", Stamp(kNoDate), Stamp(later)},
        {"other stamp no date", Stamp(date), Stamp(kNoDate)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(0, c.self.MillisecondsUntil(c.other));
        EXPECT_EQ(0, c.self.CompareTo(c.other));
    }
}

TEST(TimeStamp, OnlyTheFieldsOfTheOtherStampCount) {
    const TimeStamp start = Stamp(At(2026, 3, 2, 10, 0, 0, 0));
    const TimeStamp flaggedLater{At(2026, 3, 2, 10, 0, 0, 999), true};
    EXPECT_EQ(999, start.MillisecondsUntil(flaggedLater));
    EXPECT_EQ(-1, start.CompareTo(flaggedLater));
}

TEST(TimeStamp, AddDelayMovesOnByOneAndAHalfSeconds) {
    const struct {
        SYSTEMTIME from;
        SYSTEMTIME expected;
    } cases[] = {
        {At(2026, 3, 2, 10, 0, 59, 0), At(2026, 3, 2, 10, 1, 0, 500, 1)},
        {At(2023, 12, 31, 23, 59, 59, 0), At(2024, 1, 1, 0, 0, 0, 500, 1)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Text(c.from));
        TimeStamp stamp = Stamp(c.from);
        const TimeStamp copy = stamp.AddDelay();
        EXPECT_EQ(Text(Stamp(c.expected)), Text(stamp));
        EXPECT_EQ(Text(stamp), Text(copy));
    }
}

TEST(TimeStamp, AddDelayLeavesUnconvertibleStampsUnchanged) {
    for (const TimeStamp& original :
         {TimeStamp{At(2026, 3, 2, 10, 0, 59, 0), true}, Stamp(kNoDate)}) {
        SCOPED_TRACE(Text(original));
        TimeStamp stamp = original;
        const TimeStamp copy = stamp.AddDelay();
        EXPECT_EQ(Text(original), Text(stamp));
        EXPECT_EQ(Text(original), Text(copy));
    }
}

TEST(IsDeadlinePassed, OnlyWhenNowIsStrictlyLater) {
    const TimeStamp deadline = Stamp(At(2026, 3, 2, 10, 0, 1, 500));
    const struct {
        const char* what;
        TimeStamp now;
        bool passed;
    } cases[] = {
        {"1 ms before", Stamp(At(2026, 3, 2, 10, 0, 1, 499)), false},
        {"at the deadline", deadline, false},
        {"1 ms after", Stamp(At(2026, 3, 2, 10, 0, 1, 501)), true},
        {"after, but invalid", {At(2026, 3, 2, 10, 0, 2, 0), true}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.passed, IsDeadlinePassed(c.now, deadline));
    }
}

class TimeStampClockTest : public HeadlessTest {
protected:
    static constexpr std::int64_t kHourMs = 3'600'000;

    platform::HeadlessOptions Options() const override {
        platform::HeadlessOptions options;
        options.startLocalTime = At(2023, 12, 31, 23, 59, 59, 900);
        return options;
    }
};

TEST_F(TimeStampClockTest, NowFollowsTheLocalClock) {
    const TimeStamp start = TimeStamp::Now();
    EXPECT_EQ(Text(Stamp(At(2023, 12, 31, 23, 59, 59, 900, 0))), Text(start));
    Backend().AdvanceClock(200);
    EXPECT_EQ(200, start.MillisecondsUntil(TimeStamp::Now()));
}

// Setting the clock back an hour (as at the end of daylight saving time) makes the interval
// negative and holds off the deadline; setting it forward again gives one large interval.
TEST_F(TimeStampClockTest, WallClockSetBackGivesNegativeIntervals) {
    const TimeStamp lastTick = TimeStamp::Now();
    TimeStamp deadline = TimeStamp::Now();
    deadline.AddDelay();

    Backend().ShiftWallClock(-kHourMs);
    Backend().AdvanceClock(2000);
    const TimeStamp setBack = TimeStamp::Now();
    EXPECT_EQ(2000 - kHourMs, lastTick.MillisecondsUntil(setBack));
    EXPECT_FALSE(IsDeadlinePassed(setBack, deadline));

    Backend().ShiftWallClock(kHourMs);
    const TimeStamp setForward = TimeStamp::Now();
    EXPECT_EQ(kHourMs, setBack.MillisecondsUntil(setForward));
    EXPECT_TRUE(IsDeadlinePassed(setForward, deadline));
}

}  // namespace
}  // namespace OrloUtility
