// The date picker's own date arithmetic: which SYSTEMTIMEs are real moments, how two compare,
// and the range a date may move in.
#pragma once

#include "PlatformApi.h"

namespace platform::datepick {

// The earliest and latest moments the platform's picker holds whatever range is set: the
// Gregorian calendar's first day in England, and the last day of year 9999 at midnight.
inline constexpr SYSTEMTIME kEarliest{1752, 9, 0, 14, 0, 0, 0, 0};
inline constexpr SYSTEMTIME kLatest{9999, 12, 0, 31, 0, 0, 0, 0};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
// Every field in its bounds (the day of the week is not looked at), as SystemTimeToFileTime
// asks, but for any year from 1 on.
bool IsValid(const SYSTEMTIME& time);
// Negative, zero or positive as `a` is before, at or after `b`, to the millisecond.
int Compare(const SYSTEMTIME& a, const SYSTEMTIME& b);
// The same moment with its day of the week worked out.
SYSTEMTIME WithWeekday(SYSTEMTIME time);
// The date `days` days later (earlier when negative), the time of day kept.
SYSTEMTIME AddDays(SYSTEMTIME time, int days);
// A day past the end of its month (after the month or year changed) becomes the month's last.
void ClampDay(SYSTEMTIME& time);

// The range a date may take: the program's limits where it set them, else the picker's own.
struct Range {
    SYSTEMTIME min = kEarliest;
    SYSTEMTIME max = kLatest;
    bool Holds(const SYSTEMTIME& time) const { return Compare(time, min) >= 0 && Compare(time, max) <= 0; }
    SYSTEMTIME Clamp(const SYSTEMTIME& time) const;
};

}  // namespace platform::datepick
