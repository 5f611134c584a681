// The date picker with the platform's own month calendar dropped from it, end to end: the
// calendar is told the date, sized as it asks, and a click on a day in it sets the picker's
// date as on the platform (comctl32 under Wine): DTN_DATETIMECHANGE, then DTN_CLOSEUP.
#include "DatePickerFixture.h"

namespace datepicktest {
namespace {

class DatePickerCalendarTest : public DatePickerTest {
protected:
    HWND Drop(HWND picker) {
        SetFocus(picker);
        Keys("F");
        return reinterpret_cast<HWND>(SendMessageW(picker, DTM_GETMONTHCAL, 0, 0));
    }
    // Where the calendar shows `day` of the month it shows first; (-1, -1) when it does not.
    POINT DayPoint(HWND calendar, int day) {
        RECT client{};
        GetClientRect(calendar, &client);
        for (int y = 0; y < client.bottom; y += 2)
            for (int x = 0; x < client.right; x += 2) {
                MCHITTESTINFO hit{};
                hit.cbSize = sizeof hit;
                hit.pt = {x, y};
                SendMessageW(calendar, MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
                if (hit.uHit == MCHT_CALENDARDATE && hit.st.wDay == day) return {x + 1, y + 1};
            }
        return {-1, -1};
    }
};

TEST_F(DatePickerCalendarTest, TheCalendarShowsThePickersDateAtTheSizeItAsks) {
    HWND picker = Picker(0, Time(2024, 1, 31, 10, 20, 30));
    HWND calendar = Drop(picker);
    ASSERT_NE(calendar, nullptr);
    SYSTEMTIME shown{};
    ASSERT_TRUE(SendMessageW(calendar, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&shown)));
    EXPECT_EQ(Text(shown).substr(0, 10), "2024-01-31");
    RECT wanted{}, rect{};
    SendMessageW(calendar, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&wanted));
    GetWindowRect(calendar, &rect);
    EXPECT_EQ(rect.right - rect.left, wanted.right - wanted.left);
    EXPECT_EQ(rect.bottom - rect.top, wanted.bottom - wanted.top);
    EXPECT_EQ(rect.left, kPickerRect.left + 2);
    EXPECT_EQ(rect.top, kPickerRect.bottom - 2);
}

TEST_F(DatePickerCalendarTest, AClickOnADaySetsTheDateAndClosesTheCalendar) {
    HWND picker = Picker(0, Time(2024, 1, 31, 10, 20, 30));
    HWND calendar = Drop(picker);
    ASSERT_NE(calendar, nullptr);
    const POINT day = DayPoint(calendar, 10);
    ASSERT_GE(day.x, 0);
    Told();
    Backend().Click(calendar, day.x, day.y);
    Backend().PumpUntilIdle();
    EXPECT_EQ(Told(), (std::vector<std::string>{"CHANGE 0 2024-01-10 10:20:30", "CLOSEUP", "SETFOCUS"}));
    EXPECT_FALSE(IsWindow(calendar));
    EXPECT_EQ(DateOf(picker), "2024-01-10 10:20:30");
    EXPECT_EQ(GetFocus(), picker);
}

TEST_F(DatePickerCalendarTest, EscapeInTheCalendarClosesItWithoutAChange) {
    HWND picker = Picker(0, Time(2024, 1, 31, 10, 20, 30));
    HWND calendar = Drop(picker);
    ASSERT_NE(calendar, nullptr);
    Told();
    Keys("RX");
    EXPECT_EQ(Told(), (std::vector<std::string>{"CLOSEUP", "SETFOCUS"}));
    EXPECT_FALSE(IsWindow(calendar));
    EXPECT_EQ(DateOf(picker), "2024-01-31 10:20:30");
}

}  // namespace
}  // namespace datepicktest
