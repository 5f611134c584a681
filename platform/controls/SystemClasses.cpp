#include "controls/SystemClasses.h"

#include "controls/MessageBox.h"

namespace platform {

namespace {

// One line per class; a class is registered once its procedure exists.
const SystemClass kClasses[] = {
    {L"#32770", messagebox::BoxProc, CS_DBLCLKS | CS_SAVEBITS, IDC_ARROW, 0},
    {L"tooltips_class32", TooltipProc, CS_DBLCLKS | CS_SAVEBITS, IDC_ARROW, 0},
    {L"Button", ButtonProc, CS_DBLCLKS | CS_PARENTDC, IDC_ARROW, 2 * sizeof(LONG_PTR)},
    {L"static", StaticProc, CS_DBLCLKS | CS_PARENTDC, IDC_ARROW, sizeof(LONG_PTR)},
    {L"edit", EditProc, CS_DBLCLKS | CS_PARENTDC, IDC_IBEAM, sizeof(LONG_PTR)},
    {L"ListBox", ListBoxProc, CS_DBLCLKS, IDC_ARROW, sizeof(LONG_PTR)},
    {TRACKBAR_CLASSW, TrackbarProc, 0, IDC_ARROW, sizeof(LONG_PTR)},
    {UPDOWN_CLASSW, UpDownProc, CS_HREDRAW | CS_VREDRAW, IDC_ARROW, sizeof(LONG_PTR)},
    {L"ComboBox", ComboBoxProc, CS_DBLCLKS | CS_PARENTDC | CS_HREDRAW | CS_VREDRAW, IDC_ARROW, sizeof(LONG_PTR)},
    {L"ComboLBox", ListBoxProc, CS_DBLCLKS | CS_SAVEBITS, IDC_ARROW, sizeof(LONG_PTR)},
};

}  // namespace

std::span<const SystemClass> ControlClasses() { return kClasses; }

}  // namespace platform
