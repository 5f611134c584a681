// A local calendar time for measuring wall-clock intervals, with what the frame rules do with
// it: a "not set" value, differences in milliseconds, ordering and the pause between levels.
//
// Every operation computes on the platform's linear time count (FILETIME), so intervals come
// out right across midnight, month and year ends. The operations run on every frame tick and
// never allocate.
#pragma once

#include <cstdint>

#include "PlatformApi.h"

namespace OrloUtility {

struct TimeStamp {
    // The pause between levels that AddDelay adds.
    static constexpr std::int64_t kDelayMs = 1500;

    // Local time, as the platform reports it.
    SYSTEMTIME value{};
    // Set when the fields could not be converted; such a stamp takes part in no computation.
    bool invalid = false;

    // 1 January 1900 at midnight (a Monday), which callers take as "not set".
    static TimeStamp MakeUnset();
    // The current local time.
    static TimeStamp Now();

    // Milliseconds from this stamp to `other`, positive when `other` is later; 0 when this
    // stamp is invalid or either cannot be converted. The invalid flag of `other` is not
    // looked at: only its fields count.
    std::int64_t MillisecondsUntil(TimeStamp other) const;
    // -1, 0 or 1 as this stamp is earlier than, equal to or later than `other`; 0 under the
    // same conditions as MillisecondsUntil.
    int CompareTo(TimeStamp other) const;
    // Moves this stamp on by kDelayMs and returns a copy of it. A stamp that is invalid or
    // cannot be converted is left unchanged.
    TimeStamp AddDelay();
};

// True exactly when `now` is strictly later than `deadline`. When a wall clock that was set
// back moves `now` before the deadline, this stays false until the clock catches up.
bool IsDeadlinePassed(TimeStamp now, TimeStamp deadline);

}  // namespace OrloUtility
