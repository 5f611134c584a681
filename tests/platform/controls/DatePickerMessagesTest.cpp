// The date picker's messages: the dates it takes and refuses, the range, the text each format
// shows, and the answers for null pointers and handles that are gone. Every expected value was
// printed by the platform's own picker (comctl32 under Wine, English (US) locale) for the same
// calls, except where a comment says why ours differs.
#include "DatePickerFixture.h"

namespace datepicktest {
namespace {

struct SetCase {
    SYSTEMTIME date;
    LRESULT answer;
    bool kept;
};

// Impossible dates are refused; possible ones outside the range (1752-09-14 to 9999-12-31 at
// midnight, to the millisecond) are answered TRUE and not kept.
TEST_F(DatePickerTest, SetSystemTimeRefusesImpossibleDatesAndIgnoresThoseOutsideTheRange) {
    SYSTEMTIME lateMs = Time(2023, 1, 1);
    lateMs.wMilliseconds = 1000;
    const SetCase cases[] = {
        {Time(2024, 2, 29), TRUE, true},          {Time(2000, 2, 29), TRUE, true},
        {Time(2023, 2, 29), FALSE, false},        {Time(2100, 2, 29), FALSE, false},
        {Time(2023, 4, 31), FALSE, false},        {Time(2023, 13, 1), FALSE, false},
        {Time(2023, 0, 1), FALSE, false},         {Time(2023, 1, 0), FALSE, false},
        {Time(2023, 1, 1, 24), FALSE, false},     {Time(2023, 1, 1, 0, 60), FALSE, false},
        {Time(2023, 1, 1, 0, 0, 60), FALSE, false}, {lateMs, FALSE, false},
        {Time(1752, 9, 14), TRUE, true},          {Time(1752, 9, 13, 23, 59, 59), TRUE, false},
        {Time(1600, 1, 1), TRUE, false},          {Time(9999, 12, 31), TRUE, true},
        {Time(9999, 12, 31, 23, 59, 59), TRUE, false}, {Time(10000, 1, 1), TRUE, false},
    };
    HWND picker = Picker();
    for (const SetCase& c : cases) {
        SCOPED_TRACE(Text(c.date));
        const SYSTEMTIME before = Time(2020, 6, 15, 10, 20, 30);
        ASSERT_TRUE(SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&before)));
        EXPECT_EQ(SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&c.date)), c.answer);
        EXPECT_EQ(DateOf(picker), c.kept ? Text(c.date) : Text(before));
    }
    EXPECT_TRUE(Told().empty()) << "the program's own changes are not told";
}

TEST_F(DatePickerTest, TheDateReadBackHasItsDayOfTheWeekAndItsMilliseconds) {
    HWND picker = Picker();
    SYSTEMTIME set = Time(2024, 2, 29, 1, 2, 3);
    set.wDayOfWeek = 6;
    set.wMilliseconds = 456;
    SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&set));
    SYSTEMTIME got{};
    EXPECT_EQ(SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&got)), GDT_VALID);
    EXPECT_EQ(got.wDayOfWeek, 4);  // a Thursday
    EXPECT_EQ(got.wMilliseconds, 456);
}

TEST_F(DatePickerTest, ANewPickerShowsTheLocalTime) {
    HWND picker = Picker();
    EXPECT_EQ(DateOf(picker), "2026-12-05 11:12:47");
    EXPECT_EQ(TextOf(picker), "12/5/2026");
}

// The platform answers GDT_NONE, not GDT_ERROR, for a null pointer, and refuses a null pointer
// to DTM_SETSYSTEMTIME whatever the flag.
TEST_F(DatePickerTest, ShowNoneStartsUncheckedAndGdtNoneUnchecksIt) {
    HWND plain = Picker();
    HWND none = Picker(DTS_SHOWNONE);
    const SYSTEMTIME date = Time(2021, 1, 1, 1, 1, 1);
    EXPECT_EQ(DateOf(none), "none");
    EXPECT_EQ(SendMessageW(none, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&date)), TRUE);
    EXPECT_EQ(DateOf(none), "2021-01-01 01:01:01");
    EXPECT_EQ(SendMessageW(none, DTM_SETSYSTEMTIME, GDT_NONE, 0), FALSE);
    EXPECT_EQ(DateOf(none), "2021-01-01 01:01:01");
    EXPECT_EQ(SendMessageW(none, DTM_SETSYSTEMTIME, GDT_NONE, reinterpret_cast<LPARAM>(&date)), TRUE);
    EXPECT_EQ(DateOf(none), "none");
    EXPECT_EQ(TextOf(none), "1/1/2021") << "the text keeps the date while unchecked";
    EXPECT_EQ(SendMessageW(plain, DTM_SETSYSTEMTIME, GDT_NONE, reinterpret_cast<LPARAM>(&date)), FALSE);
    EXPECT_EQ(SendMessageW(plain, DTM_SETSYSTEMTIME, 5, reinterpret_cast<LPARAM>(&date)), FALSE);
    EXPECT_EQ(SendMessageW(plain, DTM_SETSYSTEMTIME, static_cast<WPARAM>(GDT_ERROR), reinterpret_cast<LPARAM>(&date)), FALSE);
    EXPECT_EQ(SendMessageW(plain, DTM_SETSYSTEMTIME, GDT_VALID, 0), FALSE);
    EXPECT_EQ(SendMessageW(plain, DTM_GETSYSTEMTIME, 0, 0), GDT_NONE);
    EXPECT_EQ(SendMessageW(none, DTM_GETSYSTEMTIME, 0, 0), GDT_NONE);
}

struct RangeCase {
    const char* name;
    WPARAM flags;
    SYSTEMTIME limits[2];
    LRESULT answer;
    LRESULT flagsAfter;
    const char* minAfter;
    const char* maxAfter;
};

// Each row starts from a range of the year 2020; limits read back zeroed where not set.
TEST_F(DatePickerTest, SetRangeKeepsTheLimitsGivenAndSwapsThemWhenCrossed) {
    const char* zero = "0000-00-00 00:00:00";
    const RangeCase cases[] = {
        {"both", GDTR_MIN | GDTR_MAX, {Time(2021, 1, 1), Time(2021, 12, 31, 12)}, TRUE, 3, "2021-01-01 00:00:00", "2021-12-31 12:00:00"},
        {"min only", GDTR_MIN, {Time(2020, 3, 1), Time(0, 0, 0)}, TRUE, 1, "2020-03-01 00:00:00", zero},
        {"max only", GDTR_MAX, {Time(0, 0, 0), Time(2020, 12, 31, 23, 59, 59)}, TRUE, 2, zero, "2020-12-31 23:59:59"},
        {"crossed", GDTR_MIN | GDTR_MAX, {Time(2022, 1, 1), Time(2021, 1, 1)}, TRUE, 3, "2021-01-01 00:00:00", "2022-01-01 00:00:00"},
        {"none", 0, {Time(2022, 1, 1), Time(2021, 1, 1)}, TRUE, 0, zero, zero},
        {"impossible min", GDTR_MIN | GDTR_MAX, {Time(2020, 2, 30), Time(2021, 1, 1)}, FALSE, 3, "2020-01-01 00:00:00", "2020-12-31 00:00:00"},
    };
    HWND picker = Picker();
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(c.name);
        SYSTEMTIME year2020[2] = {Time(2020, 1, 1), Time(2020, 12, 31)};
        SendMessageW(picker, DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(year2020));
        EXPECT_EQ(SendMessageW(picker, DTM_SETRANGE, c.flags, reinterpret_cast<LPARAM>(c.limits)), c.answer);
        SYSTEMTIME got[2];
        std::memset(got, 0x55, sizeof got);
        EXPECT_EQ(SendMessageW(picker, DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(got)), c.flagsAfter);
        EXPECT_EQ(Text(got[0]), c.minAfter);
        EXPECT_EQ(Text(got[1]), c.maxAfter);
    }
}

// A range set leaves the date where it was; dates set later outside it are answered TRUE and
// not kept, to the second.
TEST_F(DatePickerTest, ARangeBoundsTheDatesSetLaterButNotTheDateHeld) {
    HWND picker = Picker(0, Time(2021, 5, 5, 5, 5, 5));
    SYSTEMTIME limits[2] = {Time(2020, 1, 1), Time(2020, 12, 31)};
    EXPECT_EQ(SendMessageW(picker, DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(limits)), 0);
    limits[0] = Time(2020, 1, 1);
    limits[1] = Time(2020, 12, 31);
    ASSERT_TRUE(SendMessageW(picker, DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(limits)));
    EXPECT_EQ(DateOf(picker), "2021-05-05 05:05:05");
    const std::pair<SYSTEMTIME, const char*> cases[] = {
        {Time(2019, 12, 31, 23), "2021-05-05 05:05:05"}, {Time(2020, 1, 1), "2020-01-01 00:00:00"},
        {Time(2020, 12, 31), "2020-12-31 00:00:00"},     {Time(2020, 12, 31, 12), "2020-12-31 00:00:00"},
        {Time(2020, 6, 6, 6, 6, 6), "2020-06-06 06:06:06"},
    };
    for (const auto& [date, after] : cases) {
        EXPECT_EQ(SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&date)), TRUE);
        EXPECT_EQ(DateOf(picker), after) << Text(date);
    }
    // The platform's own picker crashes on a null range; ours refuses it.
    EXPECT_EQ(SendMessageW(picker, DTM_SETRANGE, GDTR_MIN, 0), FALSE);
    EXPECT_EQ(SendMessageW(picker, DTM_GETRANGE, 0, 0), 0);
}

struct StyleCase {
    DWORD style;
    const char* text;
};

TEST_F(DatePickerTest, EachFormatStyleShowsTheLocalesPicture) {
    const StyleCase cases[] = {
        {DTS_SHORTDATEFORMAT, "2/9/2024"},
        {DTS_LONGDATEFORMAT, "Friday, February 9, 2024"},
        {DTS_SHORTDATECENTURYFORMAT, "2/9/2024"},
        {DTS_TIMEFORMAT, "1:05:07 PM"},
        {DTS_UPDOWN, "2/9/2024"},
    };
    for (const StyleCase& c : cases) {
        HWND picker = Picker(c.style, Time(2024, 2, 9, 13, 5, 7));
        EXPECT_EQ(TextOf(picker), c.text) << std::hex << c.style;
        EXPECT_EQ(GetWindowTextLengthW(picker), static_cast<int>(std::string(c.text).size()));
        DestroyWindow(picker);
    }
}

// The locale's pictures and names, as GetLocaleInfoW gives them for Italian.
TEST_F(DatePickerTest, AnItalianUserSeesItalianPictures) {
    locale_.Choose("it_IT.UTF-8");
    const StyleCase cases[] = {
        {DTS_SHORTDATEFORMAT, "9/2/2024"},
        {DTS_TIMEFORMAT, "13:05:07"},
    };
    for (const StyleCase& c : cases) {
        HWND picker = Picker(c.style, Time(2024, 2, 9, 13, 5, 7));
        EXPECT_EQ(TextOf(picker), c.text) << std::hex << c.style;
        DestroyWindow(picker);
    }
    HWND picker = Picker(DTS_LONGDATEFORMAT, Time(2024, 2, 9, 13, 5, 7));
    wchar_t text[64] = {};
    GetWindowTextW(picker, text, 64);
    EXPECT_STREQ(text, L"venerd\u00ec 9 febbraio 2024");
}

struct PictureCase {
    const wchar_t* picture;
    const char* text;
};

// On Friday 1 January 2021 at 01:01:01, and 22 November 2005 at 23:05:07.
TEST_F(DatePickerTest, APictureShowsItsFieldsAsThePlatformWritesThem) {
    const PictureCase cases[] = {
        {L"d", "1"}, {L"dd", "01"}, {L"ddd", "Fri"}, {L"dddd", "Friday"}, {L"ddddd", "Friday1"},
        {L"M", "1"}, {L"MM", "01"}, {L"MMMM", "January"}, {L"MMMMM", "January1"},
        // The platform's picker shows "January.3s" for MMM, plainly a fault; ours the abbreviation.
        {L"MMM", "Jan"},
        {L"y", "1"}, {L"yy", "21"}, {L"yyy", "2021"}, {L"yyyy", "2021"}, {L"yyyyy", "20211"},
        {L"h", "1"}, {L"hh", "01"}, {L"hhh", "011"}, {L"H", "1"}, {L"HH", "01"},
        {L"m", "1"}, {L"mm", "01"}, {L"s", "1"}, {L"ss", "01"}, {L"t", "A"}, {L"tt", "AM"},
        {L"'lit' d", "lit 1"}, {L"abc d", "abc 1"}, {L"d/M-y:x", "1/1-1:x"}, {L"''", ""},
        {L"'unterminated d", "unterminated d"}, {L"dd.MM.yyyy HH:mm", "01.01.2021 01:01"},
        // The platform drops a doubled quote inside quotes; ours shows one, as date pictures do.
        {L"d 'it''s' M", "1 it's 1"},
    };
    HWND picker = Picker(0, Time(2021, 1, 1, 1, 1, 1));
    for (const PictureCase& c : cases) {
        EXPECT_EQ(SendMessageW(picker, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(c.picture)), TRUE);
        EXPECT_EQ(TextOf(picker), c.text) << std::string(c.picture, c.picture + std::wcslen(c.picture));
    }
    SendMessageW(picker, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(L"h hh H HH t tt y yy"));
    const SYSTEMTIME evening = Time(2005, 11, 22, 23, 5, 7);
    SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&evening));
    EXPECT_EQ(TextOf(picker), "11 11 23 23 P PM 5 05");
    const SYSTEMTIME midnight = Time(2024, 2, 9, 0, 5, 7);
    SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&midnight));
    EXPECT_EQ(TextOf(picker), "12 12 0 00 A AM 4 24");
    EXPECT_EQ(SendMessageW(picker, DTM_SETFORMATW, 0, 0), TRUE);
    EXPECT_EQ(TextOf(picker), "2/9/2024") << "a null picture goes back to the style's";
}

TEST_F(DatePickerTest, FontDialogCodeAndUpDown) {
    HWND picker = Picker();
    EXPECT_EQ(SendMessageW(picker, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)));
    HFONT font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    SendMessageW(picker, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    EXPECT_EQ(SendMessageW(picker, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(font));
    EXPECT_EQ(SendMessageW(picker, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTCHARS);
    EXPECT_EQ(GetWindow(picker, GW_CHILD), nullptr) << "the drop-down button is drawn, not a window";
    for (DWORD style : {DTS_UPDOWN, DTS_TIMEFORMAT, DTS_UPDOWN | DTS_SHOWNONE}) {
        HWND withArrows = Picker(style);
        HWND child = GetWindow(withArrows, GW_CHILD);
        wchar_t cls[32] = {};
        GetClassNameW(child, cls, 32);
        EXPECT_STREQ(cls, UPDOWN_CLASSW) << std::hex << style;
        RECT rect{};
        GetWindowRect(child, &rect);
        POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
        for (POINT& corner : corners) ScreenToClient(withArrows, &corner);
        rect = {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
        EXPECT_EQ(rect.right, 198) << "at the right, inside the edge";
        EXPECT_EQ(rect.top, 2);
        EXPECT_EQ(rect.bottom, 22);
    }
}

TEST_F(DatePickerTest, AHandleThatIsGoneAnswersNothing) {
    HWND picker = Picker();
    DestroyWindow(picker);
    SYSTEMTIME time = Time(2021, 1, 1);
    SYSTEMTIME limits[2] = {};
    for (HWND gone : {picker, static_cast<HWND>(nullptr)}) {
        EXPECT_EQ(SendMessageW(gone, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)), 0);
        EXPECT_EQ(SendMessageW(gone, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time)), 0);
        EXPECT_EQ(SendMessageW(gone, DTM_SETRANGE, GDTR_MIN, reinterpret_cast<LPARAM>(limits)), 0);
        EXPECT_EQ(SendMessageW(gone, DTM_GETMONTHCAL, 0, 0), 0);
    }
    EXPECT_EQ(Text(time), "2021-01-01 00:00:00");
}

}  // namespace
}  // namespace datepicktest
