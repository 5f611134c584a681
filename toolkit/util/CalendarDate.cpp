#include "toolkit/util/CalendarDate.h"

#include <cstdint>

namespace OrloUtility {

namespace {

std::uint64_t CountOf(const FILETIME& count) {
    return (static_cast<std::uint64_t>(count.dwHighDateTime) << 32) | count.dwLowDateTime;
}

}  // namespace

std::optional<SYSTEMTIME> ValidDate(const SYSTEMTIME& date) {
    FILETIME count;
    SYSTEMTIME normal;
    if (!SystemTimeToFileTime(&date, &count) || !FileTimeToSystemTime(&count, &normal)) return std::nullopt;
    return normal;
}

int CompareDates(const SYSTEMTIME& a, const SYSTEMTIME& b) {
    FILETIME first{}, second{};
    SystemTimeToFileTime(&a, &first);
    SystemTimeToFileTime(&b, &second);
    const std::uint64_t x = CountOf(first), y = CountOf(second);
    return x < y ? -1 : x > y ? 1 : 0;
}

bool SameDay(const SYSTEMTIME& a, const SYSTEMTIME& b) {
    return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDay == b.wDay;
}

namespace {

bool DayBefore(const SYSTEMTIME& a, const SYSTEMTIME& b) {
    if (a.wYear != b.wYear) return a.wYear < b.wYear;
    if (a.wMonth != b.wMonth) return a.wMonth < b.wMonth;
    return a.wDay < b.wDay;
}

}  // namespace

bool DateRange::Holds(const SYSTEMTIME& date) const {
    if (earliest && DayBefore(date, *earliest)) return false;
    return !(latest && DayBefore(*latest, date));
}

bool DateRange::IsValid() const {
    if (earliest && !ValidDate(*earliest)) return false;
    if (latest && !ValidDate(*latest)) return false;
    return !(earliest && latest && DayBefore(*latest, *earliest));
}

DWORD DateRange::ToMessage(SYSTEMTIME (&ends)[2]) const {
    DWORD flags = 0;
    ends[0] = earliest.value_or(SYSTEMTIME{});
    ends[1] = latest.value_or(SYSTEMTIME{});
    if (earliest) flags |= GDTR_MIN;
    if (latest) flags |= GDTR_MAX;
    return flags;
}

}  // namespace OrloUtility
