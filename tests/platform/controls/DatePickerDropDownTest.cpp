// The calendar a date picker drops: how it opens (the button, F4, Alt+Down) and where, what it
// is told, how choosing a day and the ways of closing it without a choice end, and in which
// order the parent hears of them, as the platform's picker (comctl32 under Wine) did.
//
// The calendar here is the program's own class of the calendar's name, which the picker's
// windows get in place of the system's: it answers the MCM_* messages the picker sends and,
// clicked, chooses the 10th of the month shown, as the platform's calendar tells of a click on
// a day, so the picker is tested against the calendar's messages alone, and can be refused a
// calendar. DatePickerCalendarTest drops the system's own.
#include <functional>

#include "DatePickerFixture.h"

namespace datepicktest {
namespace {

struct Calendar {
    HWND window = nullptr;
    HWND notify = nullptr;  // the window it was made for
    SYSTEMTIME shown{};
    DWORD rangeFlags = 0;
    SYSTEMTIME range[2]{};
    bool refuse = false;  // creation fails, as when the class is not there
};
Calendar calendar;
HWND calendarAtDropDown = nullptr;

LRESULT CALLBACK CalendarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE:
        if (calendar.refuse) return FALSE;
        calendar.window = hwnd;
        calendar.notify = reinterpret_cast<CREATESTRUCTW*>(lParam)->hwndParent;
        return TRUE;
    case MCM_SETCURSEL: calendar.shown = *reinterpret_cast<SYSTEMTIME*>(lParam); return TRUE;
    case MCM_SETRANGE:
        calendar.rangeFlags = static_cast<DWORD>(wParam);
        std::memcpy(calendar.range, reinterpret_cast<SYSTEMTIME*>(lParam), sizeof calendar.range);
        return TRUE;
    case MCM_GETMINREQRECT: *reinterpret_cast<RECT*>(lParam) = {0, 0, 226, 173}; return TRUE;
    case WM_LBUTTONDOWN: {
        NMSELCHANGE chosen{};
        chosen.nmhdr = {hwnd, 0, MCN_SELECT};
        chosen.stSelStart = Time(calendar.shown.wYear, calendar.shown.wMonth, 10);
        chosen.stSelEnd = chosen.stSelStart;
        SendMessageW(calendar.notify, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&chosen));
        return 0;
    }
    case WM_NCDESTROY: calendar.window = nullptr; break;
    default: break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND doomedOnDropDown = nullptr;

LRESULT CALLBACK RecordingPanelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == DTN_DROPDOWN) {
        HWND from = reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
        calendarAtDropDown = reinterpret_cast<HWND>(SendMessageW(from, DTM_GETMONTHCAL, 0, 0));
        if (from == doomedOnDropDown) DestroyWindow(from);
    }
    return PanelProc(hwnd, message, wParam, lParam);
}

constexpr POINT kOnButton{190, 12};

class DatePickerDropDownTest : public DatePickerTest {
protected:
    void BeforeCommonControls() override { RegisterProcClass(MONTHCAL_CLASSW, CalendarProc); }
    void SetUp() override {
        DatePickerTest::SetUp();
        calendar = {};
        calendarAtDropDown = doomedOnDropDown = nullptr;
        SetWindowLongPtrW(panel_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingPanelProc));
    }
    HWND Open(DWORD style = 0) {
        HWND picker = Picker(style, Time(2024, 1, 31, 10, 20, 30));
        Backend().Click(picker, kOnButton.x, kOnButton.y);
        Backend().PumpUntilIdle();
        return picker;
    }
    void AltDown() {
        Backend().KeyDown(VK_MENU);
        Backend().PressKey(VK_DOWN);
        Backend().KeyUp(VK_MENU);
        Backend().PumpUntilIdle();
    }
};

// DTN_DROPDOWN comes with the calendar made, so the parent may set it up, then the calendar
// shows below the picker's inner corner at the size it asks for, holding the focus. (Wine's
// picker shows the calendar and gives it the focus first, so its parent hears NM_KILLFOCUS
// before DTN_DROPDOWN; the platform's documentation has the notice come as the calendar drops,
// for the parent to set it up.)
TEST_F(DatePickerDropDownTest, TheButtonDropsTheCalendarBelowThePicker) {
    HWND picker = Open();
    EXPECT_EQ(Told(), (std::vector<std::string>{"SETFOCUS", "DROPDOWN", "KILLFOCUS"}));
    ASSERT_NE(calendar.window, nullptr);
    EXPECT_EQ(calendarAtDropDown, calendar.window);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(picker, DTM_GETMONTHCAL, 0, 0)), calendar.window);
    EXPECT_EQ(calendar.notify, picker);
    EXPECT_TRUE(IsWindowVisible(calendar.window));
    EXPECT_EQ(GetFocus(), calendar.window);
    RECT rect{};
    GetWindowRect(calendar.window, &rect);
    EXPECT_EQ(rect.left, kPickerRect.left + 2);
    EXPECT_EQ(rect.top, kPickerRect.bottom - 2);
    EXPECT_EQ(rect.right - rect.left, 226);
    EXPECT_EQ(rect.bottom - rect.top, 173);
    EXPECT_EQ(Text(calendar.shown), "2024-01-31 10:20:30");
    EXPECT_EQ(calendar.rangeFlags, static_cast<DWORD>(GDTR_MIN | GDTR_MAX));
    EXPECT_EQ(Text(calendar.range[0]), "1752-09-14 00:00:00");
    EXPECT_EQ(Text(calendar.range[1]), "9999-12-31 00:00:00");
}

TEST_F(DatePickerDropDownTest, RightAlignedTheCalendarEndsAtThePickersRightEdge) {
    Open(DTS_RIGHTALIGN);
    ASSERT_NE(calendar.window, nullptr);
    RECT rect{};
    GetWindowRect(calendar.window, &rect);
    EXPECT_EQ(rect.right, kPickerRect.right - 2);
    EXPECT_EQ(rect.left, kPickerRect.right - 2 - 226);
}

// The platform's picker takes the calendar's time of day (midnight); ours keeps its own, as
// only the day was chosen. Wine leaves the focus nowhere after; ours gives it back.
TEST_F(DatePickerDropDownTest, ChoosingADayTellsTheChangeThenTheCloseUp) {
    HWND picker = Open();
    Told();
    Backend().Click(calendar.window, 50, 50);
    EXPECT_EQ(Told(), (std::vector<std::string>{"CHANGE 0 2024-01-10 10:20:30", "CLOSEUP", "SETFOCUS"}));
    EXPECT_EQ(calendar.window, nullptr) << "the calendar is destroyed once closed";
    EXPECT_EQ(SendMessageW(picker, DTM_GETMONTHCAL, 0, 0), 0);
    EXPECT_EQ(DateOf(picker), "2024-01-10 10:20:30");
    EXPECT_EQ(GetFocus(), picker);
}


// Without a choice the parent hears DTN_CLOSEUP alone and the date stays. (Wine's picker
// closes on none of the keys nor on DTM_CLOSEMONTHCAL; the platform's documentation has
// them close it.)
TEST_F(DatePickerDropDownTest, EscapeF4AltDownAClickElsewhereOrTheProgramCloseItWithoutAChange) {
    const std::pair<const char*, std::function<void(HWND)>> cases[] = {
        {"Escape", [this](HWND) { Keys("X"); }},
        {"F4", [this](HWND) { Keys("F"); }},
        {"Alt+Down", [this](HWND) { AltDown(); }},
        {"DTM_CLOSEMONTHCAL", [](HWND p) { EXPECT_EQ(SendMessageW(p, DTM_CLOSEMONTHCAL, 0, 0), 0); }},
        {"click elsewhere", [this](HWND) { Backend().Click(panel_, 400, 300); }},
        {"click on the button", [this](HWND p) { Backend().Click(p, kOnButton.x, kOnButton.y); }},
    };
    for (const auto& [name, close] : cases) {
        SCOPED_TRACE(name);
        HWND picker = Open();
        ASSERT_NE(calendar.window, nullptr);
        Told();
        close(picker);
        Backend().PumpUntilIdle();
        std::vector<std::string> told = Told();
        ASSERT_FALSE(told.empty());
        EXPECT_EQ(told.front(), "CLOSEUP");
        EXPECT_EQ(std::count(told.begin(), told.end(), "DROPDOWN"), 0) << "closed, not opened again";
        EXPECT_EQ(calendar.window, nullptr);
        EXPECT_EQ(DateOf(picker), "2024-01-31 10:20:30");
        DestroyWindow(picker);
    }
}

TEST_F(DatePickerDropDownTest, F4AndAltDownOpenItFromTheKeyboard) {
    HWND picker = Picker(0, Time(2024, 1, 31));
    SetFocus(picker);
    Keys("F");
    EXPECT_NE(calendar.window, nullptr);
    Keys("X");
    EXPECT_EQ(GetFocus(), picker);
    AltDown();
    EXPECT_NE(calendar.window, nullptr);
}

// A picker that cannot drop: disabled, with DTS_UPDOWN, or with no calendar to make.
TEST_F(DatePickerDropDownTest, NothingDropsWhereThereIsNoCalendarToShow) {
    HWND disabled = Picker();
    EnableWindow(disabled, FALSE);
    Backend().Click(disabled, kOnButton.x, kOnButton.y);
    HWND updown = Picker(DTS_UPDOWN);
    SetFocus(updown);
    Keys("F");
    calendar.refuse = true;
    HWND refused = Picker();
    Backend().Click(refused, kOnButton.x, kOnButton.y);
    Backend().PumpUntilIdle();
    EXPECT_EQ(calendar.window, nullptr);
    for (const std::string& told : Told()) EXPECT_NE(told, "DROPDOWN");
    EXPECT_EQ(SendMessageW(refused, DTM_GETMONTHCAL, 0, 0), 0);
}

TEST_F(DatePickerDropDownTest, ThePickerGoingTakesItsCalendarWithIt) {
    HWND picker = Open();
    ASSERT_NE(calendar.window, nullptr);
    DestroyWindow(picker);
    EXPECT_EQ(calendar.window, nullptr);
    doomedOnDropDown = Picker();
    Backend().Click(doomedOnDropDown, kOnButton.x, kOnButton.y);
    Backend().PumpUntilIdle();
    EXPECT_EQ(calendar.window, nullptr);
}

// The range reaches the calendar, when it drops and while it is down, and a day chosen
// outside it is brought inside.
TEST_F(DatePickerDropDownTest, TheRangeReachesTheCalendar) {
    HWND picker = Picker(0, Time(2024, 1, 31, 10, 20, 30));
    SYSTEMTIME range[2] = {Time(2024, 1, 20), Time(2024, 2, 10)};
    SendMessageW(picker, DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range));
    Backend().Click(picker, kOnButton.x, kOnButton.y);
    Backend().PumpUntilIdle();
    ASSERT_NE(calendar.window, nullptr);
    EXPECT_EQ(Text(calendar.range[0]), "2024-01-20 00:00:00");
    EXPECT_EQ(Text(calendar.range[1]), "2024-02-10 00:00:00");
    SYSTEMTIME later[2] = {Time(2024, 1, 15), Time(2024, 2, 10)};
    SendMessageW(picker, DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(later));
    EXPECT_EQ(Text(calendar.range[0]), "2024-01-15 00:00:00") << "a range set while it is down reaches it too";
    later[0] = Time(2024, 1, 20);
    SendMessageW(picker, DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(later));
    Backend().Click(calendar.window, 50, 50);
    Backend().PumpUntilIdle();
    EXPECT_EQ(DateOf(picker), "2024-01-20 00:00:00");
}

}  // namespace
}  // namespace datepicktest
