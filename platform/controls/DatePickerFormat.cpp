#include "controls/DatePickerFormat.h"

#include "controls/DatePickerDates.h"

namespace platform::datepick {

namespace {

struct Letter {
    wchar_t letter;
    Kind kind;
    int longest;
};

constexpr Letter kLetters[] = {
    {L'd', Kind::Day, 4},    {L'M', Kind::Month, 4},  {L'y', Kind::Year, 4},   {L'h', Kind::Hour12, 2},
    {L'H', Kind::Hour24, 2}, {L'm', Kind::Minute, 2}, {L's', Kind::Second, 2}, {L't', Kind::AmPm, 2},
};

const Letter* LetterOf(wchar_t c) {
    for (const Letter& l : kLetters)
        if (l.letter == c) return &l;
    return nullptr;
}

void AddLiteral(std::vector<Field>& fields, std::wstring_view text) {
    if (text.empty()) return;
    if (fields.empty() || fields.back().kind != Kind::Literal) fields.push_back({Kind::Literal, 0, {}});
    fields.back().literal += text;
}

// From just after an opening quote: the quoted text, and where the picture goes on.
std::size_t ReadQuoted(std::wstring_view picture, std::size_t at, std::wstring& text) {
    while (at < picture.size()) {
        if (picture[at] != L'\'') {
            text += picture[at++];
        } else if (at + 1 < picture.size() && picture[at + 1] == L'\'') {
            text += L'\'';
            at += 2;
        } else {
            return at + 1;
        }
    }
    return at;
}

std::wstring LocaleText(LCTYPE type) {
    wchar_t buffer[80] = {};
    const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 80);
    return length > 0 ? std::wstring(buffer, static_cast<std::size_t>(length - 1)) : std::wstring();
}

std::wstring Number(int value, int letters) {
    std::wstring text = std::to_wstring(value);
    if (letters >= 2 && text.size() < 2) text.insert(0, 1, L'0');
    return text;
}

// LOCALE_SDAYNAME1 is Monday; the platform's days of the week count from Sunday.
std::wstring DayName(const SYSTEMTIME& time, bool full) {
    const int fromMonday = (WithWeekday(time).wDayOfWeek + 6) % 7;
    return LocaleText((full ? LOCALE_SDAYNAME1 : LOCALE_SABBREVDAYNAME1) + static_cast<LCTYPE>(fromMonday));
}

std::wstring MonthText(const SYSTEMTIME& time, int letters) {
    if (letters <= 2) return Number(time.wMonth, letters);
    const LCTYPE first = letters == 3 ? LOCALE_SABBREVMONTHNAME1 : LOCALE_SMONTHNAME1;
    return LocaleText(first + static_cast<LCTYPE>(time.wMonth - 1));
}

std::wstring YearText(const SYSTEMTIME& time, int letters) {
    if (letters == 1) return std::to_wstring(time.wYear % 10);
    if (letters == 2) return Number(time.wYear % 100, 2);
    return std::to_wstring(time.wYear);
}

std::wstring AmPmText(const SYSTEMTIME& time, int letters) {
    std::wstring text = LocaleText(time.wHour < 12 ? LOCALE_S1159 : LOCALE_S2359);
    return letters == 1 ? text.substr(0, 1) : text;
}

}  // namespace

std::vector<Field> ParsePicture(std::wstring_view picture) {
    std::vector<Field> fields;
    std::size_t at = 0;
    while (at < picture.size()) {
        const wchar_t c = picture[at];
        if (c == L'\'') {
            std::wstring quoted;
            at = ReadQuoted(picture, at + 1, quoted);
            AddLiteral(fields, quoted);
            continue;
        }
        const Letter* letter = LetterOf(c);
        if (!letter) {
            AddLiteral(fields, picture.substr(at++, 1));
            continue;
        }
        int run = 0;
        while (at < picture.size() && picture[at] == c && run < letter->longest) ++run, ++at;
        const Kind kind = letter->kind == Kind::Day && run >= 3 ? Kind::DayName : letter->kind;
        fields.push_back({kind, run, {}});
    }
    return fields;
}

std::wstring PictureForStyle(LONG style) {
    if ((style & DTS_TIMEFORMAT) == DTS_TIMEFORMAT) return LocaleText(LOCALE_STIMEFORMAT);
    if ((style & DTS_SHORTDATECENTURYFORMAT) == DTS_SHORTDATECENTURYFORMAT) {
        // The short date with its year written whole, where the locale writes two digits.
        std::wstring picture = LocaleText(LOCALE_SSHORTDATE);
        const std::size_t year = picture.find(L"yy");
        if (year != std::wstring::npos && picture.find(L"yyy") == std::wstring::npos) picture.insert(year, L"yy");
        return picture;
    }
    if (style & DTS_LONGDATEFORMAT) return LocaleText(LOCALE_SLONGDATE);
    return LocaleText(LOCALE_SSHORTDATE);
}

std::wstring FieldText(const Field& field, const SYSTEMTIME& time) {
    switch (field.kind) {
    case Kind::Literal: return field.literal;
    case Kind::Day: return Number(time.wDay, field.letters);
    case Kind::DayName: return DayName(time, field.letters == 4);
    case Kind::Month: return MonthText(time, field.letters);
    case Kind::Year: return YearText(time, field.letters);
    case Kind::Hour12: return Number(time.wHour % 12 == 0 ? 12 : time.wHour % 12, field.letters);
    case Kind::Hour24: return Number(time.wHour, field.letters);
    case Kind::Minute: return Number(time.wMinute, field.letters);
    case Kind::Second: return Number(time.wSecond, field.letters);
    case Kind::AmPm: return AmPmText(time, field.letters);
    }
    return {};
}

std::wstring Text(const std::vector<Field>& fields, const SYSTEMTIME& time) {
    std::wstring text;
    for (const Field& field : fields) text += FieldText(field, time);
    return text;
}

int FieldMaximum(const Field& field, const SYSTEMTIME& time) {
    switch (field.kind) {
    case Kind::Day: return DaysInMonth(time.wYear, time.wMonth);
    case Kind::Month: return 12;
    case Kind::Year: return 9999;
    case Kind::Hour12: return 12;
    case Kind::Hour24: return 23;
    case Kind::Minute:
    case Kind::Second: return 59;
    default: return 0;
    }
}

}  // namespace platform::datepick
