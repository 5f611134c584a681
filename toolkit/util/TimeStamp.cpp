#include "toolkit/util/TimeStamp.h"

#include <optional>

namespace OrloUtility {

namespace {

constexpr std::int64_t kTicksPerMs = 10'000;

// The linear count of a stamp's fields, or nothing when they are not a valid date and time.
std::optional<std::int64_t> CountOf(const SYSTEMTIME& value) {
    FILETIME count;
    if (!SystemTimeToFileTime(&value, &count)) return std::nullopt;
    return static_cast<std::int64_t>((static_cast<std::uint64_t>(count.dwHighDateTime) << 32) |
                                     count.dwLowDateTime);
}

std::optional<SYSTEMTIME> SystemTimeOf(std::int64_t count) {
    const FILETIME packed{static_cast<DWORD>(count), static_cast<DWORD>(count >> 32)};
    SYSTEMTIME value;
    if (!FileTimeToSystemTime(&packed, &value)) return std::nullopt;
    return value;
}

}  // namespace

TimeStamp TimeStamp::MakeUnset() {
    TimeStamp unset{{1900, 1, 0, 1, 0, 0, 0, 0}, false};
    const std::optional<std::int64_t> count = CountOf(unset.value);
    // The round trip through the count fills in the day of the week.
    if (count) {
        unset.value = *SystemTimeOf(*count);
    } else {
        unset.invalid = true;
    }
    return unset;
}

TimeStamp TimeStamp::Now() {
    TimeStamp now;
    GetLocalTime(&now.value);
    return now;
}

std::int64_t TimeStamp::MillisecondsUntil(TimeStamp other) const {
    if (invalid) return 0;
    const std::optional<std::int64_t> from = CountOf(value);
    const std::optional<std::int64_t> to = CountOf(other.value);
    if (!from || !to) return 0;
    return (*to - *from) / kTicksPerMs;
}

int TimeStamp::CompareTo(TimeStamp other) const {
    if (invalid) return 0;
    const std::optional<std::int64_t> self = CountOf(value);
    const std::optional<std::int64_t> that = CountOf(other.value);
    if (!self || !that) return 0;
    return *self < *that ? -1 : *self > *that ? 1 : 0;
}

TimeStamp TimeStamp::AddDelay() {
    if (invalid) return *this;
    const std::optional<std::int64_t> count = CountOf(value);
    if (!count) return *this;
    if (const std::optional<SYSTEMTIME> later = SystemTimeOf(*count + kDelayMs * kTicksPerMs)) {
        value = *later;
    }
    return *this;
}

bool IsDeadlinePassed(TimeStamp now, TimeStamp deadline) { return now.CompareTo(deadline) == 1; }

}  // namespace OrloUtility
