#include "controls/SystemClasses.h"

#include "PlatformState.h"
#include "controls/MenuTracking.h"
#include "controls/MessageBox.h"
#include "user/Classes.h"

namespace platform {

namespace {

struct SystemClass {
    const wchar_t* name;
    WNDPROC proc;
    UINT style;
    LPCWSTR cursor;
    int windowExtra;
};

// One line per class; a class is registered once its procedure exists.
const SystemClass kClasses[] = {
    {L"#32768", menutracking::DropDownProc, CS_DBLCLKS | CS_SAVEBITS, IDC_ARROW, 0},
    {L"#32770", messagebox::BoxProc, CS_DBLCLKS | CS_SAVEBITS, IDC_ARROW, 0},
    {L"tooltips_class32", TooltipProc, CS_DBLCLKS | CS_SAVEBITS, IDC_ARROW, 0},
    {L"Button", ButtonProc, CS_DBLCLKS | CS_PARENTDC, IDC_ARROW, 2 * sizeof(LONG_PTR)},
    {L"static", StaticProc, CS_DBLCLKS | CS_PARENTDC, IDC_ARROW, sizeof(LONG_PTR)},
    {L"edit", EditProc, CS_DBLCLKS | CS_PARENTDC, IDC_IBEAM, sizeof(LONG_PTR)},
};

}  // namespace

void EnsureSystemClasses() {
    PlatformState& state = State();
    if (state.systemClassesRegistered) return;
    state.systemClassesRegistered = true;
    for (const SystemClass& c : kClasses) {
        WNDCLASSW wc{};
        wc.style = c.style;
        wc.lpfnWndProc = c.proc;
        wc.cbWndExtra = c.windowExtra;
        wc.hCursor = LoadCursorW(nullptr, c.cursor);
        wc.lpszClassName = c.name;
        RegisterSystemClass(wc);
    }
}

}  // namespace platform
