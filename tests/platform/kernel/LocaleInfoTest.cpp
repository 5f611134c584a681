// The user's locale as dates and times need it: the environment picks Italian or English (US),
// and each item comes back as the real platform gives it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "PlatformApi.h"

namespace {

// Sets the environment's locale variables for one test and puts back what was there.
class LocaleEnvironment {
public:
    LocaleEnvironment(const char* lcAll, const char* lang) {
        Set("LC_ALL", lcAll);
        Set("LC_TIME", nullptr);
        Set("LANG", lang);
    }
    ~LocaleEnvironment() {
        for (const auto& [name, value] : saved_) {
            if (value) setenv(name.c_str(), value->c_str(), 1);
            else unsetenv(name.c_str());
        }
    }

private:
    void Set(const char* name, const char* value) {
        const char* old = std::getenv(name);
        saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        if (value) setenv(name, value, 1);
        else unsetenv(name);
    }
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

std::wstring Info(LCID locale, LCTYPE type) {
    wchar_t buffer[64] = {};
    const int n = GetLocaleInfoW(locale, type, buffer, 64);
    return n > 0 ? std::wstring(buffer, n - 1) : L"<failed>";
}

TEST(LocaleInfoTest, TheEnvironmentsTimeLocaleChoosesTheUsersLocale) {
    struct Case {
        const char* lcAll;
        const char* lang;
        LCID expected;
    };
    const Case cases[] = {
        {nullptr, "it_IT.UTF-8", 0x0410},
        {nullptr, "en_GB.UTF-8", 0x0409},
        {nullptr, nullptr, 0x0409},
        {"it_CH", "en_US.UTF-8", 0x0410},  // LC_ALL wins over LANG
        {"C.UTF-8", "it_IT.UTF-8", 0x0409},
        {"", "it_IT.UTF-8", 0x0410},  // an empty variable counts as unset
    };
    for (const Case& c : cases) {
        LocaleEnvironment env(c.lcAll, c.lang);
        EXPECT_EQ(GetUserDefaultLCID(), c.expected) << (c.lcAll ? c.lcAll : "-") << " " << (c.lang ? c.lang : "-");
    }
}

TEST(LocaleInfoTest, ItemsAreThoseOfTheRealPlatform) {
    struct Case {
        LCID locale;
        LCTYPE type;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {0x0409, LOCALE_SSHORTDATE, L"M/d/yyyy"},
        {0x0409, LOCALE_SLONGDATE, L"dddd, MMMM d, yyyy"},
        {0x0409, LOCALE_STIMEFORMAT, L"h:mm:ss tt"},
        {0x0409, LOCALE_IFIRSTDAYOFWEEK, L"6"},
        {0x0409, LOCALE_SDAYNAME1, L"Monday"},
        {0x0409, LOCALE_SABBREVDAYNAME7, L"Sun"},
        {0x0409, LOCALE_SSHORTESTDAYNAME1 + 3, L"Th"},
        {0x0409, LOCALE_SMONTHNAME1 + 8, L"September"},
        {0x0409, LOCALE_SABBREVMONTHNAME12, L"Dec"},
        {0x0409, LOCALE_S1159, L"AM"},
        {0x0410, LOCALE_SSHORTDATE, L"d/M/yyyy"},
        {0x0410, LOCALE_STIMEFORMAT, L"HH:mm:ss"},
        {0x0410, LOCALE_IFIRSTDAYOFWEEK, L"0"},
        {0x0410, LOCALE_SDAYNAME1 + 2, L"mercoled\u00ec"},
        {0x0410, LOCALE_SSHORTESTDAYNAME7, L"dom"},
        {0x0410, LOCALE_SMONTHNAME1, L"gennaio"},
        {0x0410, LOCALE_SABBREVMONTHNAME1 + 5, L"giu"},
        {0x0410 | 0x10000, LOCALE_SMONTHNAME1, L"gennaio"},  // sort bits change nothing
    };
    for (const Case& c : cases) EXPECT_EQ(Info(c.locale, c.type), c.expected) << std::hex << c.type;
}

TEST(LocaleInfoTest, TheDefaultLocalesFollowTheUsers) {
    LocaleEnvironment italian(nullptr, "it_IT.UTF-8");
    EXPECT_EQ(Info(LOCALE_USER_DEFAULT, LOCALE_SMONTHNAME1 + 2), L"marzo");
    EXPECT_EQ(Info(LOCALE_SYSTEM_DEFAULT, LOCALE_IFIRSTDAYOFWEEK), L"0");
}

TEST(LocaleInfoTest, SizesNumbersAndRefusals) {
    EXPECT_EQ(GetLocaleInfoW(0x0409, LOCALE_SSHORTDATE, nullptr, 0), 9);
    wchar_t small[3];
    SetLastError(0);
    EXPECT_EQ(GetLocaleInfoW(0x0409, LOCALE_SSHORTDATE, small, 3), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));

    // Callers size a number's room as sizeof(DWORD) / sizeof(WCHAR), whatever a character's size.
    constexpr int kRoom = sizeof(DWORD) / sizeof(WCHAR);
    DWORD first = 99;
    EXPECT_EQ(GetLocaleInfoW(0x0409, LOCALE_IFIRSTDAYOFWEEK | LOCALE_RETURN_NUMBER, reinterpret_cast<LPWSTR>(&first), kRoom),
              kRoom);
    EXPECT_EQ(first, 6u);

    wchar_t buffer[8];
    EXPECT_EQ(GetLocaleInfoW(0x0409, 0x9999, buffer, 8), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_FLAGS));
    EXPECT_EQ(GetLocaleInfoW(0x12345, LOCALE_SSHORTDATE, buffer, 8), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(GetLocaleInfoW(0x0409, LOCALE_SSHORTDATE, nullptr, 8), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

}  // namespace
