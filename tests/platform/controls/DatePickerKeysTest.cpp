// Editing a date picker from the keyboard: which field the keys select, how each field steps
// and wraps, what digits typed do, and what the parent hears. The rows are what the platform's
// picker (comctl32 under Wine) did for the same keys, but for where a comment says otherwise.
// Wine selects no field until the first Right arrow; ours selects the first field with the
// focus, as the platform's documentation shows, so each row here has one Right fewer than the
// probe that printed it.
#include "DatePickerFixture.h"

namespace datepicktest {
namespace {

struct KeysCase {
    const char* keys;
    SYSTEMTIME from;
    const char* after;  // once the focus has left
};

class DatePickerKeysTest : public DatePickerTest {
protected:
    void Check(DWORD style, const std::vector<KeysCase>& rows, const wchar_t* picture = nullptr,
               const SYSTEMTIME* range = nullptr) {
        for (const KeysCase& row : rows) {
            SCOPED_TRACE(std::string(row.keys) + " from " + Text(row.from));
            HWND picker = Picker(style);
            if (range) SendMessageW(picker, DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range));
            SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&row.from));
            if (picture) SendMessageW(picker, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(picture));
            SetFocus(picker);
            Keys(row.keys);
            Leave();
            EXPECT_EQ(DateOf(picker), row.after);
            DestroyWindow(picker);
        }
    }
};

// M/d/yyyy: the month, the day and the year, Right and Left going round.
TEST_F(DatePickerKeysTest, ArrowsSelectAndStepTheFieldsOfTheShortDate) {
    const SYSTEMTIME jan31 = Time(2024, 1, 31, 10, 20, 30);
    Check(0, {
        {"D", jan31, "2024-12-31 10:20:30"},
        {"RU", jan31, "2024-01-01 10:20:30"},
        {"RD", jan31, "2024-01-30 10:20:30"},
        {"RRU", jan31, "2025-01-31 10:20:30"},
        {"RRD", jan31, "2023-01-31 10:20:30"},
        {"RRRU", jan31, "2024-02-29 10:20:30"},
        {"LU", jan31, "2025-01-31 10:20:30"},
        {"RLRRRRLLD", jan31, "2023-01-31 10:20:30"},
        {"TU", jan31, "2024-02-29 10:20:30"},
        {"RUUUUUDDDDD", jan31, "2024-01-31 10:20:30"},
        {"RD", Time(2024, 3, 1), "2024-03-31 00:00:00"},
        {"RRU", Time(2024, 2, 29, 1, 1, 1), "2025-02-28 01:01:01"},
        {"RRD", Time(2024, 2, 29, 1, 1, 1), "2023-02-28 01:01:01"},
        {"RRU", Time(9999, 2, 28, 1, 1, 1), "9999-02-28 01:01:01"},
        {"RRD", Time(1753, 2, 28, 1, 1, 1), "1752-09-14 00:00:00"},
        {"RRH", jan31, "1752-09-14 00:00:00"},
        {"RRE", jan31, "9999-01-31 10:20:30"},
        // Wine clamps a day past the month's end to the first of the month when the month
        // steps (31 January, Up: 1 February), though it clamps to the last when the year steps
        // or the month is typed; ours clamps to the last day every time.
        {"U", jan31, "2024-02-29 10:20:30"},
        {"D", Time(2024, 3, 31), "2024-02-29 00:00:00"},
        {"U", Time(2024, 3, 31), "2024-04-30 00:00:00"},
        // Wine's Home and End overflow (December for both on the month, no change on the day);
        // ours give the field's first and last values.
        {"H", jan31, "2024-01-31 10:20:30"},
        {"E", jan31, "2024-12-31 10:20:30"},
        {"RH", jan31, "2024-01-01 10:20:30"},
        {"RE", Time(2024, 2, 3), "2024-02-29 00:00:00"},
    });
}

// Digits gather until the field is full or no further digit could follow; a part typed is
// applied when the selection moves or the focus leaves; a value that does not fit is dropped.
TEST_F(DatePickerKeysTest, DigitsSetTheSelectedField) {
    const SYSTEMTIME jan31 = Time(2024, 1, 31, 10, 20, 30);
    Check(0, {
        {"R19", jan31, "2024-01-19 10:20:30"},
        {"R1", jan31, "2024-01-01 10:20:30"},
        {"R05", jan31, "2024-01-05 10:20:30"},
        {"R5", jan31, "2024-01-05 10:20:30"},
        // Wine keeps a 9 typed after a full day waiting, then drops the 99; ours applies a 9
        // at once wherever it comes, as no second digit could follow it.
        {"R1999", jan31, "2024-01-09 10:20:30"},
        {"R2U", jan31, "2024-01-01 10:20:30"},
        {"R00", jan31, "2024-01-31 10:20:30"},
        {"2", jan31, "2024-02-29 10:20:30"},
        {"12", jan31, "2024-12-31 10:20:30"},
        {"13", jan31, "2024-01-31 10:20:30"},
        {"1R5", jan31, "2024-01-05 10:20:30"},
        {"RR2025", jan31, "2025-01-31 10:20:30"},
        {"RR2", jan31, "2024-01-31 10:20:30"},
        {"RR99", jan31, "2024-01-31 10:20:30"},
        {"RR1700", jan31, "2024-01-31 10:20:30"},
        {"RR20251", jan31, "2025-01-31 10:20:30"},
        {"RR2023", Time(2024, 2, 29, 1, 1, 1), "2023-02-28 01:01:01"},
        {"RR2L5", jan31, "2024-01-05 10:20:30"},
    });
}

// h:mm:ss tt: the hour, minute and second wrap within their day; AM/PM moves twelve hours.
TEST_F(DatePickerKeysTest, TheTimeFormatsFieldsWrapWithinTheDay) {
    Check(DTS_TIMEFORMAT, {
        {"URURURU", Time(2024, 2, 29, 23, 59, 59), "2024-02-29 12:00:00"},
        {"DRDRDRD", Time(2024, 2, 29), "2024-02-29 11:59:59"},
        {"RRRU", Time(2024, 2, 29, 11), "2024-02-29 23:00:00"},
        {"1", Time(2024, 2, 29, 15), "2024-02-29 13:00:00"},
        {"12", Time(2024, 2, 29, 15), "2024-02-29 12:00:00"},
        {"12", Time(2024, 2, 29, 3), "2024-02-29 00:00:00"},
        {"R7", Time(2024, 2, 29, 15), "2024-02-29 15:07:00"},
        // Wine keeps a 7 in the minutes waiting and drops the 75; ours applies the 7 at once,
        // as no second digit could follow it, and the 5 then starts the field again.
        {"R75", Time(2024, 2, 29, 15), "2024-02-29 15:05:00"},
        // Wine applies the 1 of a 13 typed in the 12-hour field; ours drops the 13 whole.
        {"13", Time(2024, 2, 29, 15), "2024-02-29 15:00:00"},
        {"RRRRP", Time(2024, 2, 29, 11), "2024-02-29 11:00:00"},
    });
    Check(0, {
        {"5", Time(2024, 1, 31, 10, 20, 30), "2024-01-31 05:20:30"},
        {"15", Time(2024, 1, 31, 10, 20, 30), "2024-01-31 15:20:30"},
        {"25", Time(2024, 1, 31, 10, 20, 30), "2024-01-31 10:20:30"},
    }, L"HH:mm");
}

// dddd, MMMM d, yyyy: the day's name and the month's name take no digits.
TEST_F(DatePickerKeysTest, TheLongDatesNamesStepButTakeNoDigits) {
    const SYSTEMTIME jan31 = Time(2024, 1, 31, 10, 20, 30);
    Check(DTS_LONGDATEFORMAT, {
        {"RRU", jan31, "2024-01-01 10:20:30"},
        {"RRRU", jan31, "2025-01-31 10:20:30"},
        {"R3", jan31, "2024-01-31 10:20:30"},
        {"RU", jan31, "2024-02-29 10:20:30"},
        // Wine's day name steps to the first of the month; ours moves a day.
        {"U", jan31, "2024-02-01 10:20:30"},
        {"D", jan31, "2024-01-30 10:20:30"},
    });
}

// A step that leaves the range stops at the end it crossed, with the end's time; a typed
// value outside it is dropped.
TEST_F(DatePickerKeysTest, StepsStayInsideTheRange) {
    const SYSTEMTIME range[2] = {Time(2024, 1, 10), Time(2024, 3, 20, 12)};
    Check(0, {
        {"RDDDD", Time(2024, 1, 12, 10), "2024-01-10 00:00:00"},
        {"RUUUU", Time(2024, 3, 18, 10), "2024-03-20 12:00:00"},
        {"U", Time(2024, 2, 18, 10), "2024-03-18 10:00:00"},
        {"UU", Time(2024, 2, 18, 10), "2024-03-20 12:00:00"},
        {"DD", Time(2024, 2, 18, 10), "2024-03-20 12:00:00"},
        {"RRU", Time(2024, 2, 18, 10), "2024-03-20 12:00:00"},
        {"R05", Time(2024, 2, 18, 10), "2024-02-05 10:00:00"},
        {"RR2023", Time(2024, 2, 18, 10), "2024-02-18 10:00:00"},
        {"2", Time(2024, 1, 18, 10), "2024-02-18 10:00:00"},
        {"4", Time(2024, 1, 18, 10), "2024-01-18 10:00:00"},
    }, nullptr, range);
}

// Every step tells the parent, even one that changes nothing; typed digits tell when applied,
// after the focus notice when the focus leaving applies them.
TEST_F(DatePickerKeysTest, TheParentHearsEachChange) {
    HWND picker = Picker(0, Time(2024, 1, 31, 10, 20, 30));
    SetFocus(picker);
    EXPECT_EQ(Told(), (std::vector<std::string>{"SETFOCUS"}));
    Keys("RH");
    EXPECT_EQ(Told(), (std::vector<std::string>{"CHANGE 0 2024-01-01 10:20:30"}));
    Keys("H");
    EXPECT_EQ(Told(), (std::vector<std::string>{"CHANGE 0 2024-01-01 10:20:30"}));
    Keys("1");
    EXPECT_TRUE(Told().empty());
    EXPECT_EQ(TextOf(picker), "1/1/2024") << "the text is the date's until the digits apply";
    Leave();
    EXPECT_EQ(Told(), (std::vector<std::string>{"KILLFOCUS", "CHANGE 0 2024-01-01 10:20:30"}));
    Keys("U");
    EXPECT_TRUE(Told().empty()) << "keys go to the focus, no longer the picker";
}

// The check box of DTS_SHOWNONE: Space toggles it, and while it is unchecked the fields take
// no keys.
TEST_F(DatePickerKeysTest, SpaceTogglesTheCheckBoxAndAnUncheckedPickerTakesNoKeys) {
    HWND picker = Picker(DTS_SHOWNONE, Time(2024, 1, 31, 10, 20, 30));
    const SYSTEMTIME any = Time(2000, 1, 1);
    SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_NONE, reinterpret_cast<LPARAM>(&any));
    SetFocus(picker);
    Told();
    Keys("RU5");
    EXPECT_TRUE(Told().empty());
    EXPECT_EQ(DateOf(picker), "none");
    Keys("S");
    EXPECT_EQ(Told(), (std::vector<std::string>{"CHANGE 0 2024-01-31 10:20:30"}));
    Keys("S");
    EXPECT_EQ(Told(), (std::vector<std::string>{"CHANGE 1 2024-01-31 10:20:30"}));
    EXPECT_EQ(DateOf(picker), "none");
}

// The Italian short date, d/M/yyyy, begins with the day.
TEST_F(DatePickerKeysTest, TheFieldsFollowTheLocalesOrder) {
    locale_.Choose("it_IT.UTF-8");
    Check(0, {
        {"5", Time(2024, 1, 31, 10, 20, 30), "2024-01-05 10:20:30"},
        {"RU", Time(2024, 1, 31, 10, 20, 30), "2024-02-29 10:20:30"},
    });
}

// With DTS_UPDOWN the up-down control's arrows step the selected field as Up and Down do.
TEST_F(DatePickerKeysTest, TheUpDownControlStepsTheSelectedField) {
    HWND picker = Picker(DTS_UPDOWN, Time(2024, 1, 31, 10, 20, 30));
    SetFocus(picker);
    Keys("R");
    Told();
    HWND updown = GetWindow(picker, GW_CHILD);
    ASSERT_NE(updown, nullptr);
    Backend().Click(updown, 8, 4);
    Backend().PumpUntilIdle();
    EXPECT_EQ(DateOf(picker), "2024-01-01 10:20:30");
    Backend().Click(updown, 8, 16);
    Backend().Click(updown, 8, 16);
    EXPECT_EQ(Told(), (std::vector<std::string>{"CHANGE 0 2024-01-01 10:20:30", "CHANGE 0 2024-01-31 10:20:30",
                                                "CHANGE 0 2024-01-30 10:20:30"}));
}

TEST_F(DatePickerKeysTest, ADisabledPickerTakesNoKeys) {
    HWND picker = Picker(0, Time(2024, 1, 31));
    SetFocus(picker);
    EnableWindow(picker, FALSE);
    SendMessageW(picker, WM_KEYDOWN, VK_UP, 0);
    SendMessageW(picker, WM_CHAR, L'5', 0);
    EXPECT_EQ(DateOf(picker), "2024-01-31 00:00:00");
}

// The parent may destroy the picker when it hears of a change; the keys after find nothing.
TEST_F(DatePickerKeysTest, APickerDestroyedByItsParentMidwayIsLeftAlone) {
    HWND picker = Picker(0, Time(2024, 1, 31));
    SetFocus(picker);
    static HWND doomed = nullptr;
    doomed = picker;
    SetWindowLongPtrW(panel_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+[](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_NOTIFY && reinterpret_cast<NMHDR*>(l)->code == DTN_DATETIMECHANGE && doomed) DestroyWindow(std::exchange(doomed, nullptr));
        return PanelProc(h, m, w, l);
    }));
    SendMessageW(picker, WM_KEYDOWN, VK_UP, 0);
    EXPECT_FALSE(IsWindow(picker));
    SendMessageW(picker, WM_KEYDOWN, VK_UP, 0);
}

}  // namespace
}  // namespace datepicktest
