// The words a month calendar shows, in the user's locale: day and month names, the year, and the
// "today" line ("Today: 6/20/2024", "Oggi: 20/6/2024") with the locale's short date.
#pragma once

#include <string>

#include "PlatformApi.h"

namespace platform::monthcal {

// `weekday` 0 Sunday .. 6 Saturday; the abbreviated name, or the shortest with `shortest`.
std::wstring DayName(int weekday, bool shortest);
std::wstring MonthName(int month);
std::wstring YearText(int year);
// The date as the locale's short date format writes it.
std::wstring ShortDate(const SYSTEMTIME& date);
std::wstring TodayText(const SYSTEMTIME& today);

}  // namespace platform::monthcal
