#include "controls/CalendarDates.h"

#include <algorithm>

namespace platform::dates {

namespace {

constexpr int kFirstYear = 1601;
constexpr int kLastYear = 30827;

// Days from 1 March of year 0 (proleptic Gregorian): counting from March puts the leap day at
// the end of each year, so a year's length never depends on where a month falls in it.
long long DayNumber(int year, int month, int day) {
    const int y = month <= 2 ? year - 1 : year;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const int yearOfEra = static_cast<int>(y - era * 400);
    const int monthFromMarch = (month + 9) % 12;
    const int dayOfYear = (153 * monthFromMarch + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra;
}

long long DayNumber(const SYSTEMTIME& date) { return DayNumber(date.wYear, date.wMonth, date.wDay); }

void SetFromDayNumber(SYSTEMTIME& date, long long number) {
    const long long era = (number >= 0 ? number : number - 146096) / 146097;
    const int dayOfEra = static_cast<int>(number - era * 146097);
    const int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int monthFromMarch = (5 * dayOfYear + 2) / 153;
    const int month = monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9;
    const long long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    date.wYear = static_cast<WORD>(year);
    date.wMonth = static_cast<WORD>(month);
    date.wDay = static_cast<WORD>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    date.wDayOfWeek = static_cast<WORD>(DayOfWeek(date.wYear, date.wMonth, date.wDay));
}

template <typename T>
int Sign(T value) {
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(const SYSTEMTIME& date) {
    if (date.wYear < kFirstYear || date.wYear > kLastYear) return false;
    return date.wDay >= 1 && date.wDay <= DaysInMonth(date.wYear, date.wMonth);
}

bool IsValidTime(const SYSTEMTIME& date) {
    return date.wHour < 24 && date.wMinute < 60 && date.wSecond < 60 && date.wMilliseconds < 1000;
}

int DayOfWeek(int year, int month, int day) {
    // 1 March of year 0 was a Wednesday.
    const long long days = DayNumber(year, month, day) + 3;
    return static_cast<int>(((days % 7) + 7) % 7);
}

SYSTEMTIME AddDays(const SYSTEMTIME& date, int days) {
    SYSTEMTIME moved = date;
    SetFromDayNumber(moved, DayNumber(date) + days);
    return moved;
}

SYSTEMTIME AddMonths(const SYSTEMTIME& date, int months) {
    const long long index = static_cast<long long>(date.wYear) * 12 + (date.wMonth - 1) + months;
    SYSTEMTIME moved = date;
    moved.wYear = static_cast<WORD>(index / 12);
    moved.wMonth = static_cast<WORD>(index % 12 + 1);
    moved.wDay = static_cast<WORD>(std::min<int>(date.wDay, DaysInMonth(moved.wYear, moved.wMonth)));
    return WithDayOfWeek(moved);
}

SYSTEMTIME WithDayOfWeek(SYSTEMTIME date) {
    date.wDayOfWeek = static_cast<WORD>(DayOfWeek(date.wYear, date.wMonth, date.wDay));
    return date;
}

SYSTEMTIME FirstOfMonth(const SYSTEMTIME& date) {
    SYSTEMTIME first = date;
    first.wDay = 1;
    return WithDayOfWeek(first);
}

int CompareDates(const SYSTEMTIME& a, const SYSTEMTIME& b) { return Sign(DayNumber(a) - DayNumber(b)); }

int CompareDateTimes(const SYSTEMTIME& a, const SYSTEMTIME& b) {
    if (const int byDate = CompareDates(a, b)) return byDate;
    auto timeOf = [](const SYSTEMTIME& t) {
        return ((static_cast<long long>(t.wHour) * 60 + t.wMinute) * 60 + t.wSecond) * 1000 + t.wMilliseconds;
    };
    return Sign(timeOf(a) - timeOf(b));
}

int MonthsBetween(const SYSTEMTIME& from, const SYSTEMTIME& to) {
    return (to.wYear - from.wYear) * 12 + (to.wMonth - from.wMonth);
}

long long DaysBetween(const SYSTEMTIME& from, const SYSTEMTIME& to) { return DayNumber(to) - DayNumber(from); }

}  // namespace platform::dates
