#include "toolkit/elements/Calendar.h"

namespace OrloUtility {

Calendar::Calendar(GUIElement* parentForm) : Child(parentForm) {
    width = 0;
    height = 0;
    typeName_ = "calendar";
    GetLocalTime(&selected_);
}

void Calendar::Create() {
    if (window_) return;
    INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_DATE_CLASSES};
    InitCommonControlsEx(&classes);
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    if (!enabled) style |= WS_DISABLED;
    CreateControl(MONTHCAL_CLASSW, 0, style);
    ApplyTooltipAndFont();
    if (!window_) return;
    if (width <= 0 || height <= 0) FitToOneMonth();
    ApplyAll();
}

// The font decides how large a month is, so the size is asked for once the font is set.
void Calendar::FitToOneMonth() {
    RECT need{};
    if (!SendMessageW(window_, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&need))) return;
    width = need.right - need.left;
    height = need.bottom - need.top;
    SetWindowPos(window_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Calendar::ApplyAll() {
    SYSTEMTIME ends[2];
    const DWORD flags = range_.ToMessage(ends);
    SendMessageW(window_, MCM_SETRANGE, flags, reinterpret_cast<LPARAM>(ends));
    if (today_) SendMessageW(window_, MCM_SETTODAY, 0, reinterpret_cast<LPARAM>(&*today_));
    SendMessageW(window_, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&selected_));
}

bool Calendar::SetSelectedDate(const SYSTEMTIME& date) {
    const std::optional<SYSTEMTIME> valid = ValidDate(date);
    if (!valid || !range_.Holds(*valid)) return false;
    if (window_ && !SendMessageW(window_, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&*valid))) return false;
    selected_ = *valid;
    return true;
}

bool Calendar::SetRange(const DateRange& range) {
    if (!range.IsValid() || !range.Holds(GetSelectedDate())) return false;
    range_ = range;
    if (window_) ApplyAll();
    return true;
}

bool Calendar::SetToday(const SYSTEMTIME& date) {
    const std::optional<SYSTEMTIME> valid = ValidDate(date);
    if (!valid) return false;
    today_ = *valid;
    if (window_) SendMessageW(window_, MCM_SETTODAY, 0, reinterpret_cast<LPARAM>(&*today_));
    return true;
}

SYSTEMTIME Calendar::GetSelectedDate() {
    SYSTEMTIME live{};
    if (window_ && IsWindow(window_) && SendMessageW(window_, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&live)))
        selected_ = live;
    return selected_;
}

// The calendar tells of a new selection while a person moves through the months too; only a
// different day is a change.
LRESULT Calendar::OnControlNotify(NMHDR& header) {
    if (header.code != MCN_SELCHANGE && header.code != MCN_SELECT) return 0;
    const auto& change = reinterpret_cast<const NMSELCHANGE&>(header);
    const bool moved = !SameDay(change.stSelStart, selected_);
    selected_ = change.stSelStart;
    if (moved && selectionChangedCallback) selectionChangedCallback(*this);
    if (header.code == MCN_SELECT && chosenCallback) chosenCallback(*this);
    return 0;
}

}  // namespace OrloUtility
