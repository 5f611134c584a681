#include "controls/MonthCalHitTest.h"

#include "controls/CalendarDates.h"
#include "controls/Look.h"
#include "controls/MonthCalText.h"

namespace platform::monthcal {

namespace {

bool Inside(const RECT& rect, POINT at) { return PtInRect(&rect, at) != FALSE; }

int MonthUnder(const Layout& layout, POINT at) {
    for (int i = 0; i < MonthCount(layout); ++i)
        if (Inside(MonthRect(layout, i), at)) return i;
    return -1;
}

Hit TitleHit(HWND hwnd, const State& state, const Layout& layout, int index, POINT at) {
    Hit hit;
    hit.setsRect = true;
    if (index == 0 && Inside(layout.prev, at)) {
        hit.what = MCHT_TITLEBTNPREV;
        hit.rect = layout.prev;
        return hit;
    }
    if (index == layout.across - 1 && Inside(layout.next, at)) {
        hit.what = MCHT_TITLEBTNNEXT;
        hit.rect = layout.next;
        return hit;
    }
    RECT monthPart{}, yearPart{};
    TitleParts(hwnd, state, layout, index, monthPart, yearPart);
    hit.setsMonth = true;
    hit.month = index;
    hit.what = Inside(monthPart, at) ? MCHT_TITLEMONTH : (Inside(yearPart, at) ? MCHT_TITLEYEAR : MCHT_TITLE);
    hit.rect = hit.what == MCHT_TITLEMONTH ? monthPart : (hit.what == MCHT_TITLEYEAR ? yearPart : TitleRect(layout, index));
    return hit;
}

// A day of the grid: the month's own days, the days before it in the first month shown and
// after it in the last; any other trailing day, or one the style hides, is background.
UINT DayKind(HWND hwnd, const Layout& layout, int index, const SYSTEMTIME& month, const SYSTEMTIME& date) {
    const int side = dates::MonthsBetween(month, date);
    if (side == 0) return MCHT_CALENDARDATE;
    if (HasStyle(hwnd, MCS_NOTRAILINGDATES)) return MCHT_CALENDARBK;
    if (side < 0) return index == 0 ? MCHT_CALENDARDATEPREV : MCHT_CALENDARBK;
    return index == MonthCount(layout) - 1 ? MCHT_CALENDARDATENEXT : MCHT_CALENDARBK;
}

Hit DaysHit(HWND hwnd, const State& state, const Layout& layout, int index, POINT at) {
    const RECT days = DaysRect(layout, index);
    Hit hit;
    hit.row = (at.y - days.top) / layout.cellHeight;
    hit.column = (at.x - days.left) / layout.cellWidth;
    const SYSTEMTIME month = MonthAt(state, index);
    const SYSTEMTIME date = CellDate(state, month, hit.row, hit.column);
    hit.what = DayKind(hwnd, layout, index, month, date);
    if (hit.what != MCHT_CALENDARBK) hit.date = date;
    hit.rect = CellRect(layout, index, hit.row, hit.column);
    hit.month = index;
    hit.setsRect = hit.setsMonth = hit.setsCell = true;
    return hit;
}

// The day names and the week numbers name the first week's day in that column, or the week's
// first day in that row.
Hit HeaderHit(const State& state, const Layout& layout, int index, POINT at, bool weekNumbers) {
    const RECT days = DaysRect(layout, index);
    Hit hit;
    hit.month = index;
    hit.setsMonth = true;
    const SYSTEMTIME month = MonthAt(state, index);
    if (weekNumbers) {
        hit.what = MCHT_CALENDARWEEKNUM;
        hit.date = CellDate(state, month, (at.y - days.top) / layout.cellHeight, 0);
        return hit;
    }
    hit.what = MCHT_CALENDARDAY;
    hit.column = (at.x - days.left) / layout.cellWidth;
    hit.date = CellDate(state, month, 0, hit.column);
    hit.setsCell = true;
    return hit;
}

Hit OutsideMonths(HWND hwnd, const Layout& layout, POINT at) {
    Hit hit;
    hit.what = MCHT_CALENDARBK;
    if (!HasStyle(hwnd, MCS_NOTODAY) && Inside(layout.todayLine, at)) {
        hit.what = MCHT_TODAYLINK;
        hit.rect = layout.todayLine;
        hit.setsRect = true;
    }
    return hit;
}

}  // namespace

void TitleParts(HWND hwnd, const State& state, const Layout& layout, int index, RECT& monthPart, RECT& yearPart) {
    const SYSTEMTIME month = MonthAt(state, index);
    const std::wstring name = MonthName(month.wMonth), year = YearText(month.wYear);
    const HFONT font = look::FontOf(hwnd, state.font);
    const int nameWidth = look::MeasureText(name, font).cx, gap = look::MeasureText(L" ", font).cx;
    const int yearWidth = look::MeasureText(year, font).cx;
    const RECT title = TitleRect(layout, index);
    const int left = (title.left + title.right - nameWidth - gap - yearWidth) / 2;
    const int top = title.top + layout.cellHeight / 2, bottom = title.bottom - layout.cellHeight / 2;
    monthPart = {left, top, left + nameWidth, bottom};
    yearPart = {left + nameWidth + gap, top, left + nameWidth + gap + yearWidth, bottom};
}

Hit HitTest(HWND hwnd, const State& state, POINT at) { return HitTest(hwnd, state, LayOut(hwnd, state), at); }

Hit HitTest(HWND hwnd, const State& state, const Layout& layout, POINT at) {
    const int index = MonthUnder(layout, at);
    if (index < 0) return OutsideMonths(hwnd, layout, at);
    if (Inside(TitleRect(layout, index), at)) return TitleHit(hwnd, state, layout, index, at);
    if (Inside(DayNamesRect(layout, index), at)) return HeaderHit(state, layout, index, at, false);
    if (Inside(WeekNumbersRect(layout, index), at)) return HeaderHit(state, layout, index, at, true);
    if (Inside(DaysRect(layout, index), at)) return DaysHit(hwnd, state, layout, index, at);
    Hit hit;
    hit.what = MCHT_CALENDARBK;
    return hit;
}

}  // namespace platform::monthcal
