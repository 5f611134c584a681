#include <array>
#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "PlatformApi.h"

namespace {

constexpr LCID kEnglishUs = 0x0409;
constexpr LCID kItalian = 0x0410;

// One locale's answers, as the real platform gives them.
struct LocaleTexts {
    const wchar_t* shortDate;
    const wchar_t* longDate;
    const wchar_t* timeFormat;
    const wchar_t* shortTime;
    const wchar_t* dateOrder;  // LOCALE_IDATE: 0 month first, 1 day first
    const wchar_t* clock24;    // LOCALE_ITIME
    const wchar_t* firstDayOfWeek;  // 0 Monday .. 6 Sunday
    std::array<const wchar_t*, 7> days;  // Monday first
    std::array<const wchar_t*, 7> abbreviatedDays;
    std::array<const wchar_t*, 7> shortestDays;
    std::array<const wchar_t*, 12> months;
    std::array<const wchar_t*, 12> abbreviatedMonths;
};

const LocaleTexts kEnglishUsTexts{
    L"M/d/yyyy", L"dddd, MMMM d, yyyy", L"h:mm:ss tt", L"h:mm tt", L"0", L"0", L"6",
    {L"Monday", L"Tuesday", L"Wednesday", L"Thursday", L"Friday", L"Saturday", L"Sunday"},
    {L"Mon", L"Tue", L"Wed", L"Thu", L"Fri", L"Sat", L"Sun"},
    {L"Mo", L"Tu", L"We", L"Th", L"Fr", L"Sa", L"Su"},
    {L"January", L"February", L"March", L"April", L"May", L"June", L"July", L"August", L"September",
     L"October", L"November", L"December"},
    {L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun", L"Jul", L"Aug", L"Sep", L"Oct", L"Nov", L"Dec"},
};

const LocaleTexts kItalianTexts{
    L"d/M/yyyy", L"dddd d MMMM yyyy", L"HH:mm:ss", L"HH:mm", L"1", L"1", L"0",
    {L"luned\u00ec", L"marted\u00ec", L"mercoled\u00ec", L"gioved\u00ec", L"venerd\u00ec", L"sabato", L"domenica"},
    {L"lun", L"mar", L"mer", L"gio", L"ven", L"sab", L"dom"},
    {L"lun", L"mar", L"mer", L"gio", L"ven", L"sab", L"dom"},
    {L"gennaio", L"febbraio", L"marzo", L"aprile", L"maggio", L"giugno", L"luglio", L"agosto", L"settembre",
     L"ottobre", L"novembre", L"dicembre"},
    {L"gen", L"feb", L"mar", L"apr", L"mag", L"giu", L"lug", L"ago", L"set", L"ott", L"nov", L"dic"},
};

// The first of LC_ALL, LC_TIME and LANG that is set decides, as it does for C programs.
const char* TimeLocaleName() {
    for (const char* name : {"LC_ALL", "LC_TIME", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value) return value;
    }
    return "";
}

const LocaleTexts* TextsOf(LCID locale) {
    switch (locale & 0xFFFF) {  // the sort bits above do not change the answers
    case LOCALE_USER_DEFAULT:
    case LOCALE_SYSTEM_DEFAULT: return GetUserDefaultLCID() == kItalian ? &kItalianTexts : &kEnglishUsTexts;
    case kEnglishUs: return &kEnglishUsTexts;
    case kItalian: return &kItalianTexts;
    default: return nullptr;
    }
}

const wchar_t* Item(const LocaleTexts& t, LCTYPE type) {
    if (type >= LOCALE_SDAYNAME1 && type <= LOCALE_SDAYNAME7) return t.days[type - LOCALE_SDAYNAME1];
    if (type >= LOCALE_SABBREVDAYNAME1 && type <= LOCALE_SABBREVDAYNAME7)
        return t.abbreviatedDays[type - LOCALE_SABBREVDAYNAME1];
    if (type >= LOCALE_SSHORTESTDAYNAME1 && type <= LOCALE_SSHORTESTDAYNAME7)
        return t.shortestDays[type - LOCALE_SSHORTESTDAYNAME1];
    if (type >= LOCALE_SMONTHNAME1 && type <= LOCALE_SMONTHNAME12) return t.months[type - LOCALE_SMONTHNAME1];
    if (type >= LOCALE_SABBREVMONTHNAME1 && type <= LOCALE_SABBREVMONTHNAME12)
        return t.abbreviatedMonths[type - LOCALE_SABBREVMONTHNAME1];
    switch (type) {
    case LOCALE_SDATE: return L"/";
    case LOCALE_STIME: return L":";
    case LOCALE_SSHORTDATE: return t.shortDate;
    case LOCALE_SLONGDATE: return t.longDate;
    case LOCALE_STIMEFORMAT: return t.timeFormat;
    case LOCALE_SSHORTTIME: return t.shortTime;
    case LOCALE_SYEARMONTH: return L"MMMM yyyy";
    case LOCALE_IDATE: return t.dateOrder;
    case LOCALE_ITIME: return t.clock24;
    case LOCALE_S1159: return L"AM";
    case LOCALE_S2359: return L"PM";
    case LOCALE_IFIRSTDAYOFWEEK: return t.firstDayOfWeek;
    default: return nullptr;
    }
}

int Fail(DWORD error) {
    SetLastError(error);
    return 0;
}

int CopyNumber(const wchar_t* digits, LPWSTR out, int room) {
    constexpr int kChars = sizeof(DWORD) / sizeof(WCHAR);
    if (room == 0) return kChars;
    if (room < kChars) return Fail(ERROR_INSUFFICIENT_BUFFER);
    const DWORD value = static_cast<DWORD>(std::wcstoul(digits, nullptr, 10));
    std::memcpy(out, &value, sizeof value);
    return kChars;
}

}  // namespace

LCID WINAPI GetUserDefaultLCID(void) {
    return std::strncmp(TimeLocaleName(), "it", 2) == 0 ? kItalian : kEnglishUs;
}

int WINAPI GetLocaleInfoW(LCID Locale, LCTYPE LCType, LPWSTR lpLCData, int cchData) {
    if (cchData < 0 || (cchData > 0 && !lpLCData)) return Fail(ERROR_INVALID_PARAMETER);
    const LocaleTexts* texts = TextsOf(Locale);
    if (!texts) return Fail(ERROR_INVALID_PARAMETER);
    const LCTYPE type = LCType & ~(LOCALE_NOUSEROVERRIDE | LOCALE_RETURN_NUMBER);
    const wchar_t* text = Item(*texts, type);
    if (!text) return Fail(ERROR_INVALID_FLAGS);
    if (LCType & LOCALE_RETURN_NUMBER) {
        if (type != LOCALE_IFIRSTDAYOFWEEK && type != LOCALE_IDATE && type != LOCALE_ITIME)
            return Fail(ERROR_INVALID_FLAGS);
        return CopyNumber(text, lpLCData, cchData);
    }
    const int needed = static_cast<int>(std::wcslen(text)) + 1;
    if (cchData == 0) return needed;
    if (cchData < needed) return Fail(ERROR_INSUFFICIENT_BUFFER);
    std::wmemcpy(lpLCData, text, needed);
    return needed;
}
