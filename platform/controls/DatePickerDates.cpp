#include "controls/DatePickerDates.h"

namespace platform::datepick {

namespace {

constexpr long long kTicksPerDay = 864000000000LL;

long long Ticks(const FILETIME& f) {
    return static_cast<long long>((static_cast<unsigned long long>(f.dwHighDateTime) << 32) | f.dwLowDateTime);
}

FILETIME FileTimeOf(long long ticks) {
    const auto value = static_cast<unsigned long long>(ticks);
    return {static_cast<DWORD>(value & 0xFFFFFFFFu), static_cast<DWORD>(value >> 32)};
}

// Sakamoto's rule, good for any Gregorian date: 0 is Sunday.
WORD Weekday(int year, int month, int day) {
    static constexpr int kOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3) --year;
    return static_cast<WORD>((year + year / 4 - year / 100 + year / 400 + kOffsets[month - 1] + day) % 7);
}

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValid(const SYSTEMTIME& t) {
    return t.wYear >= 1 && t.wMonth >= 1 && t.wMonth <= 12 && t.wDay >= 1 && t.wDay <= DaysInMonth(t.wYear, t.wMonth) &&
           t.wHour < 24 && t.wMinute < 60 && t.wSecond < 60 && t.wMilliseconds < 1000;
}

int Compare(const SYSTEMTIME& a, const SYSTEMTIME& b) {
    const WORD SYSTEMTIME::*order[] = {&SYSTEMTIME::wYear, &SYSTEMTIME::wMonth, &SYSTEMTIME::wDay, &SYSTEMTIME::wHour,
                                      &SYSTEMTIME::wMinute, &SYSTEMTIME::wSecond, &SYSTEMTIME::wMilliseconds};
    for (auto field : order)
        if (a.*field != b.*field) return a.*field < b.*field ? -1 : 1;
    return 0;
}

SYSTEMTIME WithWeekday(SYSTEMTIME time) {
    if (IsValid(time)) time.wDayOfWeek = Weekday(time.wYear, time.wMonth, time.wDay);
    return time;
}

// Through the file time, which counts days the platform's way; a date it cannot hold stays.
SYSTEMTIME AddDays(SYSTEMTIME time, int days) {
    FILETIME file{};
    if (!SystemTimeToFileTime(&time, &file)) return time;
    SYSTEMTIME moved{};
    const FILETIME later = FileTimeOf(Ticks(file) + days * kTicksPerDay);
    if (!FileTimeToSystemTime(&later, &moved)) return time;
    return moved;
}

void ClampDay(SYSTEMTIME& time) {
    const int last = DaysInMonth(time.wYear, time.wMonth);
    if (time.wDay > last) time.wDay = static_cast<WORD>(last);
}

SYSTEMTIME Range::Clamp(const SYSTEMTIME& time) const {
    if (Compare(time, min) < 0) return min;
    if (Compare(time, max) > 0) return max;
    return time;
}

}  // namespace platform::datepick
