// How the month calendar looks and what it writes: the selection filled, today outlined in red
// (not with MCS_NOTODAYCIRCLE), days out of range on a pale ground, the today line only without
// MCS_NOTODAY, and the words in the user's locale as the platform's calendar writes them under
// Wine: "Today: 6/20/2024" in English and in the C locale, "Oggi: 20/6/2024" in Italian.
#include "MonthCalFixture.h"
#include "controls/Look.h"
#include "controls/MonthCalText.h"

namespace {

using namespace monthcal_test;
namespace look = platform::look;
namespace monthcal = platform::monthcal;

constexpr COLORREF kRed = 0x0000FF;

class MonthCalLookTest : public MonthCalTest {
protected:
    // How many pixels of `colour` the calendar shows inside `rect` (its client coordinates).
    int Count(const RECT& rect, COLORREF colour) {
        Backend().PumpUntilIdle();
        int count = 0;
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                if (Backend().WindowPixel(panel_, kAt.x + x, kAt.y + y) == colour) ++count;
        return count;
    }
    RECT CellOf(const SYSTEMTIME& date) {
        const std::optional<POINT> p = Find(MCHT_CALENDARDATE, date);
        if (!p) return {};
        return HitAt(*p).rc;
    }
    RECT Client() {
        RECT r{};
        GetClientRect(calendar, &r);
        return r;
    }
};

TEST_F(MonthCalLookTest, TheSelectionIsFilledAndTodayOutlined) {
    ASSERT_TRUE(Make());
    ASSERT_TRUE(Select(Date(2024, 6, 15)));
    const RECT selected = CellOf(Date(2024, 6, 15)), today = CellOf(Date(2024, 6, 20)), plain = CellOf(Date(2024, 6, 12));
    const int area = (selected.right - selected.left) * (selected.bottom - selected.top);
    EXPECT_GT(Count(selected, look::kSelection), area / 2);
    EXPECT_EQ(Count(plain, look::kSelection), 0);
    const int perimeter = 2 * (today.right - today.left + today.bottom - today.top) - 4;
    EXPECT_EQ(Count(today, kRed), perimeter);
    EXPECT_EQ(Count(plain, kRed), 0);
    ASSERT_TRUE(Select(Date(2024, 6, 12)));
    EXPECT_GT(Count(plain, look::kSelection), area / 2) << "repainted when the program selects";
    EXPECT_EQ(Count(selected, look::kSelection), 0);
}

TEST_F(MonthCalLookTest, NoTodayCircleLeavesNoRedAndNoTodayLeavesTheLineBlank) {
    ASSERT_TRUE(Make());
    const std::optional<POINT> line = Find(MCHT_TODAYLINK);
    ASSERT_TRUE(line);
    const RECT lineRect = HitAt(*line).rc;
    EXPECT_GT(Count(Client(), kRed), 0);
    EXPECT_GT(Count(lineRect, 0x000000), 0) << "the today line's words";
    SetWindowLongW(calendar, GWL_STYLE, GetWindowLongW(calendar, GWL_STYLE) | MCS_NOTODAYCIRCLE);
    EXPECT_EQ(Count(Client(), kRed), 0);
    EXPECT_GT(Count(lineRect, 0x000000), 0);
    SetWindowLongW(calendar, GWL_STYLE, GetWindowLongW(calendar, GWL_STYLE) | MCS_NOTODAY);
    EXPECT_EQ(Count(lineRect, 0x000000), 0);
}

TEST_F(MonthCalLookTest, DaysOutOfRangeAreGreyedAndTrailingDaysHiddenByTheirStyle) {
    ASSERT_TRUE(Make());
    ASSERT_TRUE(Select(Date(2024, 6, 15)));
    const SYSTEMTIME range[2] = {Date(2024, 6, 10), Date(2024, 6, 20)};
    ASSERT_TRUE(Send(MCM_SETRANGE, GDTR_MIN | GDTR_MAX, range));
    const RECT out = CellOf(Date(2024, 6, 5)), in = CellOf(Date(2024, 6, 12));
    EXPECT_EQ(Count(out, 0x000000), 0) << "no black digits out of range";
    EXPECT_GT(Count(in, 0x000000), 0);
    EXPECT_LT(Count(out, look::kField), Count(in, look::kField)) << "a pale ground, not the field's white";
    const std::optional<POINT> trailing = Find(MCHT_CALENDARDATENEXT, Date(2024, 7, 3));
    ASSERT_TRUE(trailing);
    const RECT trailingCell = HitAt(*trailing).rc;
    const int cell = (trailingCell.right - trailingCell.left) * (trailingCell.bottom - trailingCell.top);
    EXPECT_LT(Count(trailingCell, look::kField), cell);
    SetWindowLongW(calendar, GWL_STYLE, GetWindowLongW(calendar, GWL_STYLE) | MCS_NOTRAILINGDATES);
    EXPECT_EQ(Count(trailingCell, look::kField), cell) << "blank";
}

struct WordsCase {
    const char* lang;
    std::wstring today, june, sunday, sundayShortest;
};

TEST_F(MonthCalLookTest, TheWordsAreTheUsersLocales) {
    const WordsCase cases[] = {
        {"en_US.UTF-8", L"Today: 6/20/2024", L"June", L"Sun", L"Su"},
        {"C.UTF-8", L"Today: 6/20/2024", L"June", L"Sun", L"Su"},
        {"it_IT.UTF-8", L"Oggi: 20/6/2024", L"giugno", L"dom", L"dom"},
    };
    for (const WordsCase& c : cases) {
        LocaleEnvironment locale(c.lang);
        EXPECT_EQ(monthcal::TodayText(Date(2024, 6, 20)), c.today) << c.lang;
        EXPECT_EQ(monthcal::MonthName(6), c.june) << c.lang;
        EXPECT_EQ(monthcal::DayName(0, false), c.sunday) << c.lang;
        EXPECT_EQ(monthcal::DayName(0, true), c.sundayShortest) << c.lang;
    }
}

TEST_F(MonthCalLookTest, AFocusedCalendarMarksTheSelectedDay) {
    ASSERT_TRUE(Make());
    ASSERT_TRUE(Select(Date(2024, 6, 15)));
    const RECT selected = CellOf(Date(2024, 6, 15));
    const int before = Count(selected, look::kSelection);
    SetFocus(calendar);
    EXPECT_LT(Count(selected, look::kSelection), before) << "the focus rectangle crosses the fill";
}

}  // namespace
