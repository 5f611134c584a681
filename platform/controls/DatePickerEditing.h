// How a date picker's field changes: stepped by the arrow keys (or the up-down control), set to
// its first or last value by Home and End, or set to the digits typed into it. Each answer is a
// new date inside the range; the caller stores it and tells the parent.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "controls/DatePickerDates.h"
#include "controls/DatePickerFormat.h"

namespace platform::datepick {

enum class Step { Up, Down, First, Last };

// The field stepped, wrapping round within it (the day within its month, the hour within its
// day) except the year, which stops at 1752 and 9999; a day past the end of a month that
// changed becomes its last. A step that leaves the range gives the end it crossed, as on the
// platform.
SYSTEMTIME Stepped(const SYSTEMTIME& date, Kind kind, Step step, const Range& range);
// The field set to a typed number; nothing when the number does not fit the field or the
// date it makes is outside the range.
std::optional<SYSTEMTIME> WithTypedValue(const SYSTEMTIME& date, const Field& field, int value, const Range& range);
// The digits typed so far fill the field: a whole year, two digits, or one that no second
// digit could follow (a 4 in the day).
bool TypingComplete(const Field& field, const std::wstring& typed, const SYSTEMTIME& date);
// Fields that digits set; names and AM/PM take none.
bool TakesDigits(const Field& field);

// The first field that can be selected; -1 when the picture has none.
int FirstEditable(const std::vector<Field>& fields);
// The next editable field after `from` in direction `step` (+1 or -1), round from the last to
// the first; `from` itself when it is the only one.
int NextEditable(const std::vector<Field>& fields, int from, int step);

}  // namespace platform::datepick
