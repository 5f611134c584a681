// Drawing a month calendar in the controls' look, in its font: each month's title bar (month
// name and year, the arrows on the first and last), the day names over a thin line, the six
// weeks (the neighbouring months' days grey, days out of range grey on a pale ground, the
// selection filled, today outlined in red), the week numbers, and the "today" line.
#include <string>

#include "controls/CalendarDates.h"
#include "controls/Look.h"
#include "controls/MonthCalPaint.h"
#include "controls/MonthCalText.h"

namespace platform::monthcal {

namespace {

constexpr COLORREF kTitleText = look::kSelectionText;
constexpr COLORREF kTitleBack = look::kSelection;
constexpr COLORREF kDayNames = look::kSelection;
constexpr COLORREF kText = 0x000000;
constexpr COLORREF kTrailing = look::kDisabledText;
constexpr COLORREF kOutOfRangeBack = 0xF0F0F0;
constexpr COLORREF kTodayMark = 0x0000FF;  // red
constexpr int kTodayBoxWidth = 20;

struct Painter {
    HWND hwnd;
    HDC dc;
    const State& state;
    const Layout& layout;
    HFONT font;
    HFONT bold;
};

void Text(const Painter& p, const std::wstring& text, RECT rect, COLORREF colour, bool bold, UINT align = DT_CENTER) {
    SelectObject(p.dc, bold ? p.bold : p.font);
    SetTextColor(p.dc, colour);
    DrawTextW(p.dc, text.c_str(), static_cast<int>(text.size()), &rect, align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// A chevron pointing left or right, drawn as short runs so it stays crisp at any size.
void Arrow(const Painter& p, const RECT& box, bool pointsRight, COLORREF colour) {
    const int height = (box.bottom - box.top) / 3, centreX = (box.left + box.right) / 2, centreY = (box.top + box.bottom) / 2;
    for (int i = -height / 2; i <= height / 2; ++i) {
        const int reach = height / 2 - (i < 0 ? -i : i);
        const int x = pointsRight ? centreX - height / 4 + reach : centreX + height / 4 - reach;
        look::Fill(p.dc, {x - 1, centreY + i, x + 1, centreY + i + 1}, colour);
    }
}

void DrawTitle(const Painter& p, int index) {
    const RECT title = TitleRect(p.layout, index);
    look::Fill(p.dc, title, kTitleBack);
    const SYSTEMTIME month = MonthAt(p.state, index);
    Text(p, MonthName(month.wMonth) + L" " + YearText(month.wYear), title, kTitleText, true);
    const bool pressedPrev = p.state.press == Press::Prev, pressedNext = p.state.press == Press::Next;
    if (index == 0) {
        look::RoundedBox(p.dc, p.layout.prev, pressedPrev ? look::kFacePressed : look::kField, look::kBorder, 1);
        Arrow(p, p.layout.prev, false, kText);
    }
    if (index == p.layout.across - 1) {
        look::RoundedBox(p.dc, p.layout.next, pressedNext ? look::kFacePressed : look::kField, look::kBorder, 1);
        Arrow(p, p.layout.next, true, kText);
    }
}

void DrawDayNames(const Painter& p, int index) {
    const RECT names = DayNamesRect(p.layout, index);
    const bool shortest = HasStyle(p.hwnd, MCS_SHORTDAYSOFWEEK);
    for (int column = 0; column < 7; ++column) {
        RECT cell = CellRect(p.layout, index, 0, column);
        OffsetRect(&cell, 0, names.top - cell.top);
        Text(p, DayName((FirstColumnWeekday(p.state) + column) % 7, shortest), cell, kDayNames, false);
    }
    look::Fill(p.dc, {names.left, names.bottom - 1, names.right, names.bottom}, kDayNames);
}

// Week 1 is the first with at least four days of the new year when weeks start on Monday (the
// ISO rule), the one holding 1 January otherwise.
int WeekNumber(const State& state, const SYSTEMTIME& weekStart) {
    const int daysInFirstWeek = FirstColumnWeekday(state) == 1 ? 4 : 1;
    const SYSTEMTIME decider = dates::AddDays(weekStart, 7 - daysInFirstWeek);
    SYSTEMTIME newYear = decider;
    newYear.wMonth = newYear.wDay = 1;
    return static_cast<int>(dates::DaysBetween(newYear, decider) / 7 + 1);
}

void DrawWeekNumbers(const Painter& p, int index, const SYSTEMTIME& month) {
    const RECT column = WeekNumbersRect(p.layout, index);
    for (int row = 0; row < 6; ++row) {
        const RECT cell{column.left, column.top + row * p.layout.cellHeight, column.right,
                        column.top + (row + 1) * p.layout.cellHeight};
        Text(p, std::to_wstring(WeekNumber(p.state, CellDate(p.state, month, row, 0))), cell, kDayNames, false);
    }
    look::Fill(p.dc, {column.right - 1, column.top, column.right, column.bottom}, kDayNames);
}

bool IsSelected(const State& state, const SYSTEMTIME& date) {
    return dates::CompareDates(date, state.selStart) >= 0 && dates::CompareDates(date, state.selEnd) <= 0;
}

// A day of the month, or a trailing day of the first or last month shown unless the style hides
// them; the other months' trailing days are left blank, as each shows in its own month.
bool IsShown(const Painter& p, int index, const SYSTEMTIME& month, const SYSTEMTIME& date) {
    const int side = dates::MonthsBetween(month, date);
    if (side == 0) return true;
    if (HasStyle(p.hwnd, MCS_NOTRAILINGDATES)) return false;
    return side < 0 ? index == 0 : index == MonthCount(p.layout) - 1;
}

void DrawDay(const Painter& p, int index, const SYSTEMTIME& month, int row, int column) {
    const SYSTEMTIME date = CellDate(p.state, month, row, column);
    if (!IsShown(p, index, month, date)) return;
    const RECT cell = CellRect(p.layout, index, row, column);
    const bool inRange = InRange(p.state, date);
    const bool own = dates::MonthsBetween(month, date) == 0;
    const bool selected = own && IsSelected(p.state, date);
    if (!inRange) look::Fill(p.dc, cell, kOutOfRangeBack);
    if (selected) look::Fill(p.dc, cell, look::kSelection);
    const COLORREF colour = selected ? look::kSelectionText : (own && inRange ? kText : kTrailing);
    Text(p, std::to_wstring(date.wDay), cell, colour, selected);
    const SYSTEMTIME today = Today(p.state);
    if (own && !HasStyle(p.hwnd, MCS_NOTODAYCIRCLE) && dates::CompareDates(date, today) == 0)
        look::Outline(p.dc, cell, kTodayMark);
    if (p.state.press == Press::Day && dates::CompareDates(date, p.state.pressedDay) == 0) DrawFocusRect(p.dc, &cell);
    else if (selected && GetFocus() == p.hwnd) DrawFocusRect(p.dc, &cell);
}

void DrawMonth(const Painter& p, int index) {
    DrawTitle(p, index);
    DrawDayNames(p, index);
    const SYSTEMTIME month = MonthAt(p.state, index);
    if (p.layout.weekColumn) DrawWeekNumbers(p, index, month);
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 7; ++column) DrawDay(p, index, month, row, column);
}

void DrawTodayLine(const Painter& p) {
    RECT line = p.layout.todayLine;
    if (!HasStyle(p.hwnd, MCS_NOTODAYCIRCLE)) {
        const RECT box{line.left + 2, line.top + 1, line.left + 2 + kTodayBoxWidth, line.bottom - 1};
        look::Outline(p.dc, box, kTodayMark);
        line.left = box.right + 4;
    } else {
        line.left += 4;
    }
    Text(p, TodayText(Today(p.state)), line, kText, true, DT_LEFT);
}

HFONT BoldOf(HFONT font) {
    LOGFONTW description{};
    if (!GetObjectW(font, sizeof description, &description)) return nullptr;
    description.lfWeight = FW_BOLD;
    return CreateFontIndirectW(&description);
}

}  // namespace

void Paint(HWND hwnd, const State& state) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (!dc) return;
    RECT client{};
    GetClientRect(hwnd, &client);
    look::Fill(dc, client, look::kField);
    const Layout layout = LayOut(hwnd, state);
    const HFONT font = look::FontOf(hwnd, state.font);
    const HFONT bold = BoldOf(font);
    const HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    const Painter painter{hwnd, dc, state, layout, font, bold ? bold : font};
    for (int i = 0; i < MonthCount(layout); ++i) DrawMonth(painter, i);
    if (!HasStyle(hwnd, MCS_NOTODAY)) DrawTodayLine(painter);
    SelectObject(dc, oldFont);
    if (bold) DeleteObject(bold);
    EndPaint(hwnd, &ps);
}

}  // namespace platform::monthcal
