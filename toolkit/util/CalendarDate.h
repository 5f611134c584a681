// Dates as the platform's SYSTEMTIME, checked the way the platform checks them: a date is valid
// when SystemTimeToFileTime takes it (the day of the week is not looked at).
#pragma once

#include <optional>

#include "PlatformApi.h"

namespace OrloUtility {

// The date with its day of the week filled in; nothing for a date the platform refuses.
std::optional<SYSTEMTIME> ValidDate(const SYSTEMTIME& date);
// -1, 0 or 1 as `a` is earlier than, the same as or later than `b`, to the millisecond; both
// must be valid.
int CompareDates(const SYSTEMTIME& a, const SYSTEMTIME& b);
// The same calendar day, whatever the time.
bool SameDay(const SYSTEMTIME& a, const SYSTEMTIME& b);

// The dates a control accepts: either end may be open.
struct DateRange {
    std::optional<SYSTEMTIME> earliest;
    std::optional<SYSTEMTIME> latest;

    // The days from the earliest's to the latest's, both included.
    bool Holds(const SYSTEMTIME& date) const;
    // Both ends valid, and not the wrong way round.
    bool IsValid() const;
    // The ends as DTM_SETRANGE and MCM_SETRANGE take them: GDTR_MIN and GDTR_MAX for the ends
    // that are set, written into `ends`.
    DWORD ToMessage(SYSTEMTIME (&ends)[2]) const;
};

}  // namespace OrloUtility
