// The date arithmetic a calendar needs, on the platform's SYSTEMTIME: which dates are real,
// how long a month is, the day of the week, stepping by days and by months, and comparing.
// Knows nothing of windows. A date's time of day rides along untouched unless a function says
// otherwise; the day of the week it carries is never read, only written.
#pragma once

#include "PlatformApi.h"

namespace platform::dates {

bool IsLeapYear(int year);
// 0 for a month outside 1..12.
int DaysInMonth(int year, int month);
// The year, month and day as SystemTimeToFileTime accepts them (years 1601 to 30827); the day of
// the week and the time of day are not looked at.
bool IsValidDate(const SYSTEMTIME& date);
// The time of day as SystemTimeToFileTime accepts it.
bool IsValidTime(const SYSTEMTIME& date);
// 0 Sunday .. 6 Saturday, for any proleptic Gregorian date.
int DayOfWeek(int year, int month, int day);

// `date` moved by `days` (either way), its day of the week set; the time kept.
SYSTEMTIME AddDays(const SYSTEMTIME& date, int days);
// `date` moved by `months`, the day pulled back to the new month's last when it is shorter
// (31 January plus one month is the 28th or 29th of February); the day of the week set.
SYSTEMTIME AddMonths(const SYSTEMTIME& date, int months);
// The same date with its day of the week set.
SYSTEMTIME WithDayOfWeek(SYSTEMTIME date);
// The first of the month `date` lies in, its day of the week set, the time kept.
SYSTEMTIME FirstOfMonth(const SYSTEMTIME& date);

// -1, 0 or 1 by year, month and day alone.
int CompareDates(const SYSTEMTIME& a, const SYSTEMTIME& b);
// -1, 0 or 1 by the date and then the time of day.
int CompareDateTimes(const SYSTEMTIME& a, const SYSTEMTIME& b);
// How many months `to` lies after `from` (negative before), the days not counted.
int MonthsBetween(const SYSTEMTIME& from, const SYSTEMTIME& to);
// How many days `to` lies after `from` (negative before).
long long DaysBetween(const SYSTEMTIME& from, const SYSTEMTIME& to);

}  // namespace platform::dates
