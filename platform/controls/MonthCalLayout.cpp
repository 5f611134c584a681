#include "controls/MonthCalLayout.h"

#include <algorithm>

#include "controls/CalendarDates.h"
#include "controls/Look.h"
#include "controls/MonthCalText.h"

namespace platform::monthcal {

namespace {

constexpr int kMonthGap = 6;
constexpr int kButtonInset = 4;
constexpr int kWeeks = 6;

struct CellSize {
    int width, height;
};

// The widest abbreviated day name plus two, or two digit pairs plus four, whichever is wider.
CellSize MeasureCell(HWND hwnd, const State& state) {
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, look::FontOf(hwnd, state.font));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    int widestName = 0;
    for (int weekday = 0; weekday < 7; ++weekday) {
        const std::wstring name = DayName(weekday, false);
        SIZE size{};
        GetTextExtentPoint32W(dc, name.c_str(), static_cast<int>(name.size()), &size);
        widestName = std::max(widestName, static_cast<int>(size.cx));
    }
    SIZE digits{};
    GetTextExtentPoint32W(dc, L"00", 2, &digits);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    const int height = metrics.tmHeight + metrics.tmExternalLeading + metrics.tmInternalLeading;
    return {std::max(widestName + 2, static_cast<int>(digits.cx) * 2 + 4), height};
}

// How many months fit along a side of `room`, at least one.
int Fit(int room, int month) { return std::max(1, (room + kMonthGap) / (month + kMonthGap)); }

void PlaceButtonsAndToday(Layout& layout) {
    const RECT first = TitleRect(layout, 0);
    const int side = layout.titleHeight;
    layout.prev = {first.left + kButtonInset, first.top + kButtonInset, first.left + kButtonInset + side,
                   first.bottom - kButtonInset};
    const RECT last = TitleRect(layout, layout.across - 1);
    layout.next = {last.right - kButtonInset - side, last.top + kButtonInset, last.right - kButtonInset,
                   last.bottom - kButtonInset};
    const RECT bottomLeft = MonthRect(layout, MonthCount(layout) - layout.across);
    layout.todayLine = {bottomLeft.left, bottomLeft.bottom, bottomLeft.right, bottomLeft.bottom + layout.cellHeight};
}

}  // namespace

Layout LayOut(HWND hwnd, const State& state) {
    Layout layout;
    const CellSize cell = MeasureCell(hwnd, state);
    layout.cellWidth = cell.width;
    layout.cellHeight = cell.height;
    const bool weekNumbers = HasStyle(hwnd, MCS_WEEKNUMBERS);
    layout.weekColumn = weekNumbers ? cell.width : 0;
    layout.titleHeight = 3 * cell.height / 2;
    layout.month = {cell.width * (weekNumbers ? 8 : 7), layout.titleHeight + cell.height * (kWeeks + 1)};
    RECT client{};
    GetClientRect(hwnd, &client);
    const int todayHeight = HasStyle(hwnd, MCS_NOTODAY) ? 0 : cell.height;
    layout.across = Fit(client.right, layout.month.cx);
    layout.down = Fit(client.bottom - todayHeight, layout.month.cy);
    // Centred as the platform centres them: each row of months counted with a today line.
    const int width = layout.across * layout.month.cx + kMonthGap * (layout.across - 1);
    const int height = layout.down * (layout.month.cy + cell.height) + kMonthGap * (layout.down - 1);
    layout.origin = {std::max(0, (client.right - width) / 2), std::max(0, (client.bottom - height) / 2)};
    PlaceButtonsAndToday(layout);
    return layout;
}

RECT MinimumRect(HWND hwnd, const State& state) {
    const Layout layout = LayOut(hwnd, state);
    RECT rect{0, 0, layout.month.cx, layout.month.cy + layout.cellHeight};
    AdjustWindowRect(&rect, static_cast<DWORD>(StyleOf(hwnd)), FALSE);
    OffsetRect(&rect, -rect.left, -rect.top);
    return rect;
}

RECT MonthRect(const Layout& layout, int index) {
    const int column = index % layout.across, row = index / layout.across;
    const int left = layout.origin.x + column * (layout.month.cx + kMonthGap);
    const int top = layout.origin.y + row * (layout.month.cy + kMonthGap);
    return {left, top, left + layout.month.cx, top + layout.month.cy};
}

RECT TitleRect(const Layout& layout, int index) {
    RECT r = MonthRect(layout, index);
    r.bottom = r.top + layout.titleHeight;
    return r;
}

RECT DayNamesRect(const Layout& layout, int index) {
    const RECT month = MonthRect(layout, index);
    const int top = month.top + layout.titleHeight;
    return {month.left + layout.weekColumn, top, month.right, top + layout.cellHeight};
}

RECT DaysRect(const Layout& layout, int index) {
    const RECT names = DayNamesRect(layout, index);
    return {names.left, names.bottom, names.right, names.bottom + kWeeks * layout.cellHeight};
}

RECT WeekNumbersRect(const Layout& layout, int index) {
    const RECT days = DaysRect(layout, index);
    return {days.left - layout.weekColumn, days.top, days.left, days.bottom};
}

RECT CellRect(const Layout& layout, int index, int row, int column) {
    const RECT days = DaysRect(layout, index);
    const int left = days.left + column * layout.cellWidth, top = days.top + row * layout.cellHeight;
    return {left, top, left + layout.cellWidth, top + layout.cellHeight};
}

SYSTEMTIME MonthAt(const State& state, int index) { return dates::AddMonths(state.firstMonth, index); }

int LeadingDays(const State& state, const SYSTEMTIME& month) {
    const int weekday = dates::DayOfWeek(month.wYear, month.wMonth, 1);
    const int days = (weekday - FirstColumnWeekday(state) + 7) % 7;
    return days == 0 ? 7 : days;
}

SYSTEMTIME CellDate(const State& state, const SYSTEMTIME& month, int row, int column) {
    SYSTEMTIME first = dates::FirstOfMonth(month);
    first.wHour = first.wMinute = first.wSecond = first.wMilliseconds = 0;
    return dates::AddDays(first, row * 7 + column - LeadingDays(state, month));
}

}  // namespace platform::monthcal
