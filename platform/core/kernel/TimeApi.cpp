// Local time, tick counts and the linear time count (FILETIME: 100-nanosecond intervals since
// 1 January 1601) with its calendar conversions.
//
// The calendar is the proleptic Gregorian one, with no time zone: the count of a local time
// is a local count. Local time is the backend's start time plus the monotonic time elapsed
// since, so it follows the virtual clock in tests and never jumps when the system clock is set.
#include <algorithm>
#include <cstdint>

#include "PlatformApi.h"
#include "backend/Backend.h"

namespace {

constexpr std::int64_t kTicksPerMs = 10'000;
constexpr std::int64_t kMsPerDay = 86'400'000;
constexpr std::int64_t kTicksPerDay = kMsPerDay * kTicksPerMs;
// Counts with the high bit set have no calendar date.
constexpr std::uint64_t kLargestCount = 0x7FFF'FFFF'FFFF'FFFFULL;

constexpr int kFirstYear = 1601;
constexpr int kLastYear = 30827;
// 1 January 1601 was a Monday.
constexpr int kFirstDayOfWeek = 1;

constexpr std::int64_t kDaysPer400Years = 146'097;
constexpr std::int64_t kDaysPer100Years = 36'524;
constexpr std::int64_t kDaysPer4Years = 1'461;
constexpr std::int64_t kDaysPerYear = 365;

struct CivilDate {
    int year;
    int month;
    int day;
};

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// The same limits the real platform enforces; the day of the week is not looked at.
bool IsConvertible(const SYSTEMTIME& time) {
    if (time.wYear < kFirstYear || time.wYear > kLastYear) return false;
    if (time.wMonth < 1 || time.wMonth > 12) return false;
    if (time.wDay < 1 || time.wDay > DaysInMonth(time.wYear, time.wMonth)) return false;
    return time.wHour < 24 && time.wMinute < 60 && time.wSecond < 60 && time.wMilliseconds < 1000;
}

// 1601 starts a 400-year cycle, so the leap days before `date.year` follow from the number of
// whole years elapsed alone.
std::int64_t DaysSinceFirstYear(const CivilDate& date) {
    const std::int64_t years = date.year - kFirstYear;
    std::int64_t days = years * kDaysPerYear + years / 4 - years / 100 + years / 400;
    for (int month = 1; month < date.month; ++month) days += DaysInMonth(date.year, month);
    return days + date.day - 1;
}

// Peels off whole 400-year cycles, centuries, 4-year groups and years. The last century of a
// cycle and the last year of a group are one day longer: their final day must not spill over
// into a fifth century or year, hence the clamps.
CivilDate DateFromDaysSinceFirstYear(std::int64_t days) {
    const std::int64_t cycles = days / kDaysPer400Years;
    days %= kDaysPer400Years;
    const std::int64_t centuries = std::min<std::int64_t>(days / kDaysPer100Years, 3);
    days -= centuries * kDaysPer100Years;
    const std::int64_t groups = days / kDaysPer4Years;
    days %= kDaysPer4Years;
    const std::int64_t years = std::min<std::int64_t>(days / kDaysPerYear, 3);
    days -= years * kDaysPerYear;

    const std::int64_t year = kFirstYear + cycles * 400 + centuries * 100 + groups * 4 + years;
    CivilDate date{static_cast<int>(year), 1, 1};
    while (days >= DaysInMonth(date.year, date.month)) {
        days -= DaysInMonth(date.year, date.month);
        ++date.month;
    }
    date.day = static_cast<int>(days) + 1;
    return date;
}

// `time` must be convertible.
std::int64_t CountOf(const SYSTEMTIME& time) {
    const std::int64_t days = DaysSinceFirstYear({time.wYear, time.wMonth, time.wDay});
    const std::int64_t msOfDay =
        ((time.wHour * 60LL + time.wMinute) * 60 + time.wSecond) * 1000 + time.wMilliseconds;
    return (days * kMsPerDay + msOfDay) * kTicksPerMs;
}

// `count` must be at most kLargestCount. Ticks below a millisecond are dropped.
SYSTEMTIME SystemTimeOf(std::int64_t count) {
    const std::int64_t days = count / kTicksPerDay;
    const std::int64_t msOfDay = count % kTicksPerDay / kTicksPerMs;
    const CivilDate date = DateFromDaysSinceFirstYear(days);
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(date.year);
    time.wMonth = static_cast<WORD>(date.month);
    time.wDayOfWeek = static_cast<WORD>((days + kFirstDayOfWeek) % 7);
    time.wDay = static_cast<WORD>(date.day);
    time.wHour = static_cast<WORD>(msOfDay / 3'600'000);
    time.wMinute = static_cast<WORD>(msOfDay / 60'000 % 60);
    time.wSecond = static_cast<WORD>(msOfDay / 1000 % 60);
    time.wMilliseconds = static_cast<WORD>(msOfDay % 1000);
    return time;
}

std::uint64_t Unpack(const FILETIME& fileTime) {
    return (static_cast<std::uint64_t>(fileTime.dwHighDateTime) << 32) | fileTime.dwLowDateTime;
}

FILETIME Pack(std::uint64_t count) {
    return {static_cast<DWORD>(count), static_cast<DWORD>(count >> 32)};
}

BOOL FailWithInvalidParameter() {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
}

}  // namespace

void WINAPI GetLocalTime(LPSYSTEMTIME lpSystemTime) {
    if (!lpSystemTime) return;
    const platform::Backend& backend = platform::CurrentBackend();
    const SYSTEMTIME start = backend.LocalTimeAtStart();
    // A backend always reports a real date; should one not, the clock counts from the epoch.
    const std::int64_t startCount = IsConvertible(start) ? CountOf(start) : 0;
    const std::int64_t elapsedMs =
        static_cast<std::int64_t>(backend.MonotonicMs()) + backend.WallClockShiftMs();
    const std::int64_t count = std::clamp<std::int64_t>(startCount + elapsedMs * kTicksPerMs, 0,
                                                        static_cast<std::int64_t>(kLargestCount));
    *lpSystemTime = SystemTimeOf(count);
}

// Wraps to 0 after about 49.7 days, as on the real platform.
DWORD WINAPI GetTickCount(void) {
    return static_cast<DWORD>(platform::CurrentBackend().MonotonicMs());
}

ULONGLONG WINAPI GetTickCount64(void) { return platform::CurrentBackend().MonotonicMs(); }

BOOL WINAPI SystemTimeToFileTime(const SYSTEMTIME* lpSystemTime, LPFILETIME lpFileTime) {
    if (!lpSystemTime || !lpFileTime || !IsConvertible(*lpSystemTime)) {
        return FailWithInvalidParameter();
    }
    *lpFileTime = Pack(static_cast<std::uint64_t>(CountOf(*lpSystemTime)));
    return TRUE;
}

BOOL WINAPI FileTimeToSystemTime(const FILETIME* lpFileTime, LPSYSTEMTIME lpSystemTime) {
    if (!lpFileTime || !lpSystemTime || Unpack(*lpFileTime) > kLargestCount) {
        return FailWithInvalidParameter();
    }
    *lpSystemTime = SystemTimeOf(static_cast<std::int64_t>(Unpack(*lpFileTime)));
    return TRUE;
}

// The real platform compares the counts as unsigned 64-bit numbers. A null pointer compares
// as equal rather than crashing.
LONG WINAPI CompareFileTime(const FILETIME* lpFileTime1, const FILETIME* lpFileTime2) {
    if (!lpFileTime1 || !lpFileTime2) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const std::uint64_t first = Unpack(*lpFileTime1);
    const std::uint64_t second = Unpack(*lpFileTime2);
    return first < second ? -1 : first > second ? 1 : 0;
}
