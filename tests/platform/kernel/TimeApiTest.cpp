// Local time on the virtual clock, tick counts, and the conversions between calendar fields
// and the linear time count.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "PlatformApi.h"
#include "support/HeadlessTest.h"

namespace {

constexpr DWORD kSentinelError = 0xDEADBEEF;
// The real platform takes no notice of the day of the week on input.
constexpr WORD kIgnoredDayOfWeek = 0xFFFF;

SYSTEMTIME At(WORD year, WORD month, WORD day, WORD hour = 0, WORD minute = 0, WORD second = 0,
              WORD ms = 0, WORD dayOfWeek = kIgnoredDayOfWeek) {
    return {year, month, dayOfWeek, day, hour, minute, second, ms};
}

SYSTEMTIME WithDayOfWeek(SYSTEMTIME time, WORD dayOfWeek) {
    time.wDayOfWeek = dayOfWeek;
    return time;
}

std::string Text(const SYSTEMTIME& t) {
    char text[64];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u (day %u) %02u:%02u:%02u.%03u", t.wYear,
                  t.wMonth, t.wDay, t.wDayOfWeek, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
    return text;
}

ULONGLONG CountOf(const FILETIME& time) {
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

FILETIME FileTime(ULONGLONG count) {
    return {static_cast<DWORD>(count), static_cast<DWORD>(count >> 32)};
}

// Runs a conversion that must fail the way the real platform fails: FALSE, and the last error
// set to ERROR_INVALID_PARAMETER.
template <typename Conversion>
void ExpectRefused(const std::string& what, Conversion conversion) {
    SCOPED_TRACE(what);
    SetLastError(kSentinelError);
    EXPECT_FALSE(conversion());
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
}

// Days of the week: 0 = Sunday.
struct RoundTripCase {
    SYSTEMTIME time;
    WORD dayOfWeek;
};

const RoundTripCase kRoundTripCases[] = {
    {At(1601, 1, 1), 1},
    {At(1900, 1, 1), 1},
    {At(1970, 1, 1), 4},
    {At(1999, 12, 31, 23, 59, 59, 999), 5},
    {At(2000, 2, 29, 12, 34, 56, 789), 2},  // 2000 is a leap year: divisible by 400
    {At(2000, 3, 1), 3},
    {At(2000, 12, 31, 23, 59, 59, 999), 0},  // last day of a 400-year cycle
    {At(2024, 2, 29, 8, 0, 0, 1), 4},
    {At(2024, 12, 31), 2},  // last day of a leap year
    {At(2100, 2, 28, 23, 59, 59, 999), 0},  // 2100 is not: divisible by 100 only
    {At(2100, 3, 1), 1},
    {At(30827, 12, 31, 23, 59, 59, 999), 5},
};

TEST(SystemTimeToFileTime, RoundTripsAndFillsTheDayOfTheWeek) {
    for (const RoundTripCase& c : kRoundTripCases) {
        SCOPED_TRACE(Text(c.time));
        FILETIME count{};
        ASSERT_TRUE(SystemTimeToFileTime(&c.time, &count));
        SYSTEMTIME back{};
        ASSERT_TRUE(FileTimeToSystemTime(&count, &back));
        EXPECT_EQ(Text(WithDayOfWeek(c.time, c.dayOfWeek)), Text(back));
    }
}

TEST(SystemTimeToFileTime, CountsHundredNanosecondsFrom1601) {
    const struct {
        SYSTEMTIME time;
        ULONGLONG count;
    } cases[] = {
        {At(1601, 1, 1), 0},
        {At(1601, 1, 2, 0, 0, 0, 1), 86'400'000ULL * 10'000 + 10'000},
        {At(1970, 1, 1), 116'444'736'000'000'000ULL},  // the Unix epoch
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Text(c.time));
        FILETIME count{};
        ASSERT_TRUE(SystemTimeToFileTime(&c.time, &count));
        EXPECT_EQ(c.count, CountOf(count));
    }
}

TEST(SystemTimeToFileTime, RefusesFieldsOutOfRange) {
    const struct {
        const char* what;
        SYSTEMTIME time;
    } cases[] = {
        {"month 0", At(2020, 0, 1)},
        {"month 13", At(2020, 13, 1)},
        {"day 0", At(2020, 1, 0)},
        {"day 32", At(2020, 1, 32)},
        {"April 31", At(2020, 4, 31)},
        {"February 30 of a leap year", At(2020, 2, 30)},
        {"February 29 of 2023", At(2023, 2, 29)},
        {"February 29 of 1900", At(1900, 2, 29)},
        {"February 29 of 2100", At(2100, 2, 29)},
        {"hour 24", At(2020, 1, 1, 24)},
        {"minute 60", At(2020, 1, 1, 0, 60)},
        {"second 60", At(2020, 1, 1, 0, 0, 60)},
        {"millisecond 1000", At(2020, 1, 1, 0, 0, 0, 1000)},
        {"year 1600", At(1600, 12, 31, 23, 59, 59, 999)},
        {"year 30828", At(30828, 1, 1)},
    };
    for (const auto& c : cases) {
        FILETIME count{};
        ExpectRefused(c.what, [&] { return SystemTimeToFileTime(&c.time, &count); });
    }
}

TEST(FileTimeToSystemTime, ConvertsUpToTheLargestSignedCount) {
    const FILETIME largest = FileTime(0x7FFF'FFFF'FFFF'FFFFULL);
    SYSTEMTIME time{};
    ASSERT_TRUE(FileTimeToSystemTime(&largest, &time));
    EXPECT_EQ(Text(At(30828, 9, 14, 2, 48, 5, 477, 4)), Text(time));

    for (const ULONGLONG count : {0x8000'0000'0000'0000ULL, ~0ULL}) {
        const FILETIME tooLarge = FileTime(count);
        ExpectRefused(std::to_string(count),
                      [&] { return FileTimeToSystemTime(&tooLarge, &time); });
    }
}

TEST(TimeConversions, NullPointersAreRefusedWithoutCrashing) {
    const SYSTEMTIME time = At(2020, 1, 1);
    FILETIME count{};
    SYSTEMTIME back{};
    ExpectRefused("SystemTimeToFileTime(null, count)",
                  [&] { return SystemTimeToFileTime(nullptr, &count); });
    ExpectRefused("SystemTimeToFileTime(time, null)",
                  [&] { return SystemTimeToFileTime(&time, nullptr); });
    ExpectRefused("FileTimeToSystemTime(null, time)",
                  [&] { return FileTimeToSystemTime(nullptr, &back); });
    ExpectRefused("FileTimeToSystemTime(count, null)",
                  [&] { return FileTimeToSystemTime(&count, nullptr); });
    EXPECT_EQ(0, CompareFileTime(nullptr, &count));
    EXPECT_EQ(0, CompareFileTime(&count, nullptr));
    GetLocalTime(nullptr);
}

TEST(CompareFileTime, OrdersCountsAsUnsigned64BitNumbers) {
    const struct {
        ULONGLONG first;
        ULONGLONG second;
        LONG order;
    } cases[] = {
        {5, 5, 0},
        {5, 6, -1},
        {6, 5, 1},
        {0x0000'0000'FFFF'FFFFULL, 0x0000'0001'0000'0000ULL, -1},  // the high part decides
        {0x8000'0000'0000'0000ULL, 0x7FFF'FFFF'FFFF'FFFFULL, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.first << " against " << c.second);
        const FILETIME first = FileTime(c.first);
        const FILETIME second = FileTime(c.second);
        EXPECT_EQ(c.order, CompareFileTime(&first, &second));
    }
}

// Starts one tenth of a second before midnight on New Year's Eve, a Sunday.
class LocalTimeTest : public HeadlessTest {
protected:
    platform::HeadlessOptions Options() const override {
        platform::HeadlessOptions options;
        options.startLocalTime = At(2023, 12, 31, 23, 59, 59, 900, 0);
        return options;
    }

    static SYSTEMTIME LocalTime() {
        SYSTEMTIME time{};
        GetLocalTime(&time);
        return time;
    }
};

TEST_F(LocalTimeTest, FollowsTheVirtualClockAcrossMidnight) {
    EXPECT_EQ(Text(At(2023, 12, 31, 23, 59, 59, 900, 0)), Text(LocalTime()));
    Backend().AdvanceClock(200);
    EXPECT_EQ(Text(At(2024, 1, 1, 0, 0, 0, 100, 1)), Text(LocalTime()));
    EXPECT_EQ(200u, GetTickCount());
}

TEST_F(LocalTimeTest, SettingTheWallClockBackMovesLocalTimeButNotTheTickCount) {
    Backend().AdvanceClock(200);
    Backend().ShiftWallClock(-60'000);
    EXPECT_EQ(Text(At(2023, 12, 31, 23, 59, 0, 100, 0)), Text(LocalTime()));
    EXPECT_EQ(200u, GetTickCount());
    EXPECT_EQ(200u, GetTickCount64());
}

TEST_F(LocalTimeTest, TickCountWrapsAfter32BitsWhileTheWideCountGoesOn) {
    const ULONGLONG past32Bits = (1ULL << 32) + 5;
    Backend().AdvanceClock(past32Bits);
    EXPECT_EQ(5u, GetTickCount());
    EXPECT_EQ(past32Bits, GetTickCount64());
}

}  // namespace
