#include "toolkit/elements/DatePicker.h"

#include <string>

namespace OrloUtility {

namespace {

std::wstring LocaleItem(LCTYPE item) {
    wchar_t text[80] = {};
    return GetLocaleInfoW(LOCALE_USER_DEFAULT, item, text, 80) > 0 ? text : L"";
}

}  // namespace

DatePicker::DatePicker(GUIElement* parentForm) : Child(parentForm) {
    width = 120;
    height = 24;
    typeName_ = "datepicker";
    GetLocalTime(&date_);
}

void DatePicker::Create() {
    if (window_) return;
    INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_DATE_CLASSES};
    InitCommonControlsEx(&classes);
    if (showTime && width == 120) width = 180;
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | DTS_SHORTDATEFORMAT;
    if (!enabled) style |= WS_DISABLED;
    CreateControl(DATETIMEPICK_CLASSW, 0, style);
    ApplyTooltipAndFont();
    if (!window_) return;
    ApplyFormat();
    ApplyRange();
    SendMessageW(window_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&date_));
}

// The time joins the date in the user's own formats, the short time after the short date.
void DatePicker::ApplyFormat() {
    if (!showTime) return;
    const std::wstring format = LocaleItem(LOCALE_SSHORTDATE) + L" " + LocaleItem(LOCALE_SSHORTTIME);
    SendMessageW(window_, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(format.c_str()));
}

void DatePicker::ApplyRange() {
    SYSTEMTIME ends[2];
    const DWORD flags = range_.ToMessage(ends);
    SendMessageW(window_, DTM_SETRANGE, flags, reinterpret_cast<LPARAM>(ends));
}

bool DatePicker::SetDate(const SYSTEMTIME& date) {
    const std::optional<SYSTEMTIME> valid = ValidDate(date);
    if (!valid || !range_.Holds(*valid)) return false;
    if (window_ && !SendMessageW(window_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&*valid))) return false;
    date_ = *valid;
    return true;
}

bool DatePicker::SetRange(const DateRange& range) {
    if (!range.IsValid() || !range.Holds(GetDate())) return false;
    range_ = range;
    if (window_) ApplyRange();
    return true;
}

SYSTEMTIME DatePicker::GetDate() {
    SYSTEMTIME live{};
    if (window_ && IsWindow(window_) &&
        SendMessageW(window_, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&live)) == GDT_VALID)
        date_ = live;
    return date_;
}

LRESULT DatePicker::OnControlNotify(NMHDR& header) {
    switch (header.code) {
    case DTN_DATETIMECHANGE: {
        const auto& change = reinterpret_cast<const NMDATETIMECHANGE&>(header);
        if (change.dwFlags == GDT_VALID) date_ = change.st;
        if (changedCallback) changedCallback(*this);
        return 0;
    }
    case DTN_DROPDOWN:
        if (dropDownCallback) dropDownCallback(*this);
        return 0;
    case DTN_CLOSEUP:
        if (closeUpCallback) closeUpCallback(*this);
        return 0;
    default: return 0;
    }
}

}  // namespace OrloUtility
