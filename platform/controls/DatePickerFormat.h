// A date picker's format picture: its fields ("d", "MMMM", "yyyy", "HH", "tt", ...) and the
// literal text between them, and each field's text for a date in the user's locale.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "PlatformApi.h"

namespace platform::datepick {

enum class Kind { Literal, Day, DayName, Month, Year, Hour12, Hour24, Minute, Second, AmPm };

struct Field {
    Kind kind = Kind::Literal;
    int letters = 0;      // how many letters wrote it: "MMM" is 3
    std::wstring literal;  // a literal's text
};

// A run of one letter longer than its field takes ("ddddd", "hhh") is read as the longest field
// followed by the rest, as the platform reads it; text in single quotes is literal, two quotes
// in a row a quote; any other character stands for itself.
std::vector<Field> ParsePicture(std::wstring_view picture);
// The locale's picture for the DTS_* format in `style`.
std::wstring PictureForStyle(LONG style);
std::wstring FieldText(const Field& field, const SYSTEMTIME& time);
std::wstring Text(const std::vector<Field>& fields, const SYSTEMTIME& time);
inline bool IsEditable(const Field& field) { return field.kind != Kind::Literal; }
// The value a field reads, typed digits are compared against: the day, the month, ...
int FieldMaximum(const Field& field, const SYSTEMTIME& time);

}  // namespace platform::datepick
