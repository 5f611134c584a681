#include "controls/MonthCalText.h"

namespace platform::monthcal {

namespace {

constexpr LCID kItalian = 0x0410;

std::wstring LocaleItem(LCTYPE type) {
    wchar_t text[80] = {};
    if (!GetLocaleInfoW(LOCALE_USER_DEFAULT, type, text, 80)) return {};
    return text;
}

// The number, padded with zeros to `digits` when the pattern repeats its letter.
std::wstring Number(int value, std::size_t digits) {
    std::wstring text = std::to_wstring(value);
    if (text.size() < digits) text.insert(0, digits - text.size(), L'0');
    return text;
}

// One run of a pattern letter: d, dd, M, MM, y, yy, yyyy, as the platform's date pictures read.
std::wstring Field(wchar_t letter, std::size_t count, const SYSTEMTIME& date) {
    switch (letter) {
    case L'd': return Number(date.wDay, count >= 2 ? 2 : 1);
    case L'M': return count >= 3 ? MonthName(date.wMonth) : Number(date.wMonth, count >= 2 ? 2 : 1);
    case L'y': return count <= 2 ? Number(date.wYear % 100, count) : Number(date.wYear, 4);
    default: return std::wstring(count, letter);
    }
}

}  // namespace

std::wstring DayName(int weekday, bool shortest) {
    // The locale counts from Monday.
    const LCTYPE first = shortest ? LOCALE_SSHORTESTDAYNAME1 : LOCALE_SABBREVDAYNAME1;
    return LocaleItem(first + static_cast<LCTYPE>((weekday + 6) % 7));
}

std::wstring MonthName(int month) {
    if (month < 1 || month > 12) return {};
    return LocaleItem(LOCALE_SMONTHNAME1 + static_cast<LCTYPE>(month - 1));
}

std::wstring YearText(int year) { return std::to_wstring(year); }

std::wstring ShortDate(const SYSTEMTIME& date) {
    const std::wstring pattern = LocaleItem(LOCALE_SSHORTDATE);
    std::wstring out;
    for (std::size_t i = 0; i < pattern.size();) {
        const wchar_t c = pattern[i];
        if (c == L'\'') {  // quoted text is copied as it is
            const std::size_t close = pattern.find(L'\'', i + 1);
            out += pattern.substr(i + 1, close == std::wstring::npos ? std::wstring::npos : close - i - 1);
            i = close == std::wstring::npos ? pattern.size() : close + 1;
            continue;
        }
        std::size_t run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c) ++run;
        out += Field(c, run, date);
        i += run;
    }
    return out;
}

std::wstring TodayText(const SYSTEMTIME& today) {
    const wchar_t* label = GetUserDefaultLCID() == kItalian ? L"Oggi:" : L"Today:";
    return std::wstring(label) + L" " + ShortDate(today);
}

}  // namespace platform::monthcal
