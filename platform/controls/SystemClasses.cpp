#include "controls/SystemClasses.h"

#include "controls/MessageBox.h"

namespace platform {

namespace {

// One line per class; a class is registered once its procedure exists.
const SystemClass kClasses[] = {
    {L"#32770", messagebox::BoxProc, CS_DBLCLKS | CS_SAVEBITS, IDC_ARROW, 0},
    {TOOLTIPS_CLASSW, TooltipProc, CS_DBLCLKS | CS_SAVEBITS, IDC_ARROW, 0,
     ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES},
    {L"Button", ButtonProc, CS_DBLCLKS | CS_PARENTDC, IDC_ARROW, 2 * sizeof(LONG_PTR)},
    {L"static", StaticProc, CS_DBLCLKS | CS_PARENTDC, IDC_ARROW, sizeof(LONG_PTR)},
    {L"edit", EditProc, CS_DBLCLKS | CS_PARENTDC, IDC_IBEAM, sizeof(LONG_PTR)},
    {L"ListBox", ListBoxProc, CS_DBLCLKS, IDC_ARROW, sizeof(LONG_PTR)},
    {TRACKBAR_CLASSW, TrackbarProc, 0, IDC_ARROW, sizeof(LONG_PTR), ICC_BAR_CLASSES},
    {TOOLBARCLASSNAMEW, ToolbarProc, CS_DBLCLKS, IDC_ARROW, sizeof(LONG_PTR), ICC_BAR_CLASSES},
    {UPDOWN_CLASSW, UpDownProc, CS_HREDRAW | CS_VREDRAW, IDC_ARROW, sizeof(LONG_PTR), ICC_UPDOWN_CLASS},
    {WC_TABCONTROLW, TabControlProc, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, IDC_ARROW, sizeof(LONG_PTR), ICC_TAB_CLASSES},
    {MONTHCAL_CLASSW, MonthCalProc, 0, IDC_ARROW, sizeof(LONG_PTR), ICC_DATE_CLASSES},
    {DATETIMEPICK_CLASSW, DatePickerProc, CS_DBLCLKS, IDC_ARROW, sizeof(LONG_PTR), ICC_DATE_CLASSES},
    {L"ComboBox", ComboBoxProc, CS_DBLCLKS | CS_PARENTDC | CS_HREDRAW | CS_VREDRAW, IDC_ARROW, sizeof(LONG_PTR)},
    {L"ComboLBox", ListBoxProc, CS_DBLCLKS | CS_SAVEBITS, IDC_ARROW, sizeof(LONG_PTR)},
};

}  // namespace

std::span<const SystemClass> ControlClasses() { return kClasses; }

void RegisterCommonClasses(DWORD flags) {
    for (const SystemClass& c : kClasses)
        if (c.commonFlags & flags) RegisterSystemClass(c);
}

}  // namespace platform

BOOL WINAPI InitCommonControlsEx(const INITCOMMONCONTROLSEX* picce) {
    if (!picce || picce->dwSize != sizeof(INITCOMMONCONTROLSEX)) return FALSE;
    platform::RegisterCommonClasses(picce->dwICC);
    return TRUE;
}
