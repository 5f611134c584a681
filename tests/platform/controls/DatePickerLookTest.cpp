// How a date picker looks: the selected field in the selection colours only while the picker
// has the focus, the drop-down button's arrow, and the grey of a disabled picker.
#include "DatePickerFixture.h"
#include "controls/Look.h"

namespace datepicktest {
namespace {

namespace look = platform::look;

// Inside the month's box above its digit, and on the button: its face and its arrow's top row.
constexpr POINT kOnMonth{5, 3};
constexpr POINT kButtonFace{184, 4};
constexpr POINT kArrowTip{189, 10};

class DatePickerLookTest : public DatePickerTest {
protected:
    COLORREF At(HWND picker, POINT p) {
        Backend().PumpUntilIdle();
        return Backend().WindowPixel(picker, p.x, p.y);
    }
};

TEST_F(DatePickerLookTest, TheSelectedFieldIsHighlightedWhileFocused) {
    HWND picker = Picker(0, Time(2024, 1, 31));
    EXPECT_EQ(At(picker, kOnMonth), look::kField);
    SetFocus(picker);
    EXPECT_EQ(At(picker, kOnMonth), look::kSelection);
    Keys("R");
    EXPECT_EQ(At(picker, kOnMonth), look::kField) << "the day is selected now";
    Keys("L");
    EXPECT_EQ(At(picker, kOnMonth), look::kSelection);
    SetFocus(panel_);
    EXPECT_EQ(At(picker, kOnMonth), look::kField);
}

TEST_F(DatePickerLookTest, TheButtonShowsAnArrowAndADisabledPickerIsGrey) {
    HWND picker = Picker(0, Time(2024, 1, 31));
    EXPECT_EQ(At(picker, kButtonFace), look::kFace);
    EXPECT_EQ(At(picker, kArrowTip), GetSysColor(COLOR_BTNTEXT));
    EnableWindow(picker, FALSE);
    EXPECT_EQ(At(picker, kOnMonth), look::kDisabledFace);
    EXPECT_EQ(At(picker, kButtonFace), look::kDisabledFace);
    EXPECT_EQ(At(picker, kArrowTip), look::kDisabledText);
}

// A click on a field selects it; a click past the text leaves the selection where it was.
TEST_F(DatePickerLookTest, AClickSelectsTheFieldUnderIt) {
    HWND picker = Picker(0, Time(2024, 1, 31));
    HDC dc = GetDC(picker);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(picker, WM_GETFONT, 0, 0)));
    SIZE monthAndSlash{};
    GetTextExtentPoint32W(dc, L"1/", 2, &monthAndSlash);
    SelectObject(dc, old);
    ReleaseDC(picker, dc);
    Backend().Click(picker, 4 + monthAndSlash.cx + 2, 12);
    Keys("U");
    EXPECT_EQ(DateOf(picker), "2024-01-01 00:00:00");
    Backend().Click(picker, 150, 12);
    Keys("U");
    EXPECT_EQ(DateOf(picker), "2024-01-02 00:00:00");
    EXPECT_EQ(At(picker, kOnMonth), look::kField);
}

// DTS_SHOWNONE's box: a click checks it and the parent hears the date valid again.
TEST_F(DatePickerLookTest, AClickOnTheCheckBoxChecksIt) {
    HWND picker = Picker(DTS_SHOWNONE);
    Told();
    Backend().Click(picker, 8, 8);
    EXPECT_EQ(Told(), (std::vector<std::string>{"SETFOCUS", "CHANGE 0 2026-12-05 11:12:47"}));
    Backend().Click(picker, 8, 8);
    EXPECT_EQ(Told(), (std::vector<std::string>{"CHANGE 1 2026-12-05 11:12:47"}));
    EXPECT_EQ(DateOf(picker), "none");
}

}  // namespace
}  // namespace datepicktest
