#include "controls/DatePickerEditing.h"

#include <algorithm>

namespace platform::datepick {

namespace {

constexpr int kFirstYear = 1752;
constexpr int kLastYear = 9999;

int Wrapped(int value, int delta, int low, int high) {
    const int span = high - low + 1;
    return low + (((value - low + delta) % span) + span) % span;
}

int DeltaOf(Step step) { return step == Step::Up ? 1 : -1; }

// The value a field takes for `step` from `value` in [low, high], wrapping.
int Moved(int value, Step step, int low, int high) {
    if (step == Step::First) return low;
    if (step == Step::Last) return high;
    return Wrapped(value, DeltaOf(step), low, high);
}

SYSTEMTIME SteppedYear(SYSTEMTIME date, Step step) {
    int year = date.wYear;
    if (step == Step::First) year = kFirstYear;
    else if (step == Step::Last) year = kLastYear;
    else year = std::clamp(year + DeltaOf(step), kFirstYear, kLastYear);
    date.wYear = static_cast<WORD>(year);
    ClampDay(date);
    return date;
}

SYSTEMTIME SteppedAmPm(SYSTEMTIME date, Step step) {
    const bool pm = date.wHour >= 12;
    const bool toPm = step == Step::Last || ((step == Step::Up || step == Step::Down) && !pm);
    date.wHour = static_cast<WORD>(date.wHour % 12 + (toPm ? 12 : 0));
    return date;
}

SYSTEMTIME SteppedField(SYSTEMTIME date, Kind kind, Step step) {
    switch (kind) {
    case Kind::Day: date.wDay = static_cast<WORD>(Moved(date.wDay, step, 1, DaysInMonth(date.wYear, date.wMonth))); break;
    case Kind::DayName:
        if (step == Step::Up || step == Step::Down) date = AddDays(date, DeltaOf(step));
        break;
    case Kind::Month:
        date.wMonth = static_cast<WORD>(Moved(date.wMonth, step, 1, 12));
        ClampDay(date);
        break;
    case Kind::Year: date = SteppedYear(date, step); break;
    case Kind::Hour12:
    case Kind::Hour24: date.wHour = static_cast<WORD>(Moved(date.wHour, step, 0, 23)); break;
    case Kind::Minute: date.wMinute = static_cast<WORD>(Moved(date.wMinute, step, 0, 59)); break;
    case Kind::Second: date.wSecond = static_cast<WORD>(Moved(date.wSecond, step, 0, 59)); break;
    case Kind::AmPm: date = SteppedAmPm(date, step); break;
    case Kind::Literal: break;
    }
    return date;
}

// A year typed short is read in the century (or decade) of the year shown.
int TypedYear(const SYSTEMTIME& date, int letters, int value) {
    if (letters == 1) return date.wYear / 10 * 10 + value;
    if (letters == 2) return date.wYear / 100 * 100 + value;
    return value;
}

bool SetValue(SYSTEMTIME& date, const Field& field, int value) {
    const auto word = static_cast<WORD>(value);
    switch (field.kind) {
    case Kind::Day:
        if (value < 1 || value > DaysInMonth(date.wYear, date.wMonth)) return false;
        date.wDay = word;
        return true;
    case Kind::Month:
        if (value < 1 || value > 12) return false;
        date.wMonth = word;
        ClampDay(date);
        return true;
    case Kind::Year:
        value = TypedYear(date, field.letters, value);
        if (value < kFirstYear || value > kLastYear) return false;
        date.wYear = static_cast<WORD>(value);
        ClampDay(date);
        return true;
    case Kind::Hour12:
        if (value < 1 || value > 12) return false;
        date.wHour = static_cast<WORD>(value % 12 + (date.wHour >= 12 ? 12 : 0));
        return true;
    case Kind::Hour24: if (value > 23) return false; date.wHour = word; return true;
    case Kind::Minute: if (value > 59) return false; date.wMinute = word; return true;
    case Kind::Second: if (value > 59) return false; date.wSecond = word; return true;
    default: return false;
    }
}

}  // namespace

SYSTEMTIME Stepped(const SYSTEMTIME& date, Kind kind, Step step, const Range& range) {
    return WithWeekday(range.Clamp(SteppedField(date, kind, step)));
}

std::optional<SYSTEMTIME> WithTypedValue(const SYSTEMTIME& date, const Field& field, int value, const Range& range) {
    SYSTEMTIME changed = date;
    if (!SetValue(changed, field, value) || !range.Holds(changed)) return std::nullopt;
    return WithWeekday(changed);
}

bool TakesDigits(const Field& field) {
    switch (field.kind) {
    case Kind::Day: case Kind::Year: case Kind::Hour12: case Kind::Hour24: case Kind::Minute: case Kind::Second: return true;
    case Kind::Month: return field.letters <= 2;
    default: return false;
    }
}

bool TypingComplete(const Field& field, const std::wstring& typed, const SYSTEMTIME& date) {
    if (typed.empty()) return false;
    if (field.kind == Kind::Year) return static_cast<int>(typed.size()) >= (field.letters >= 3 ? 4 : field.letters);
    if (typed.size() >= 2) return true;
    return (typed[0] - L'0') * 10 > FieldMaximum(field, date);
}

int FirstEditable(const std::vector<Field>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (IsEditable(fields[i])) return static_cast<int>(i);
    return -1;
}

int NextEditable(const std::vector<Field>& fields, int from, int step) {
    const int count = static_cast<int>(fields.size());
    if (count == 0) return -1;
    int at = from < 0 ? (step > 0 ? -1 : count) : from;
    for (int tried = 0; tried < count; ++tried) {
        at = ((at + step) % count + count) % count;
        if (IsEditable(fields[static_cast<std::size_t>(at)])) return at;
    }
    return from;
}

}  // namespace platform::datepick
