// The combo box puts its own procedure before the edit's, so that the keys that work the list
// reach it from the edit as on the platform: F4, Alt+Up and Alt+Down, Up, Down, Page Up and
// Page Down, and Enter and Escape while the list is open (which the dialog manager then leaves
// to the edit). Everything else is the edit's own.
#include "controls/ComboEdit.h"

#include <algorithm>

#include "controls/ComboBoxHandlers.h"
#include "controls/SystemClasses.h"

namespace platform::combo {

namespace {

// The style bit the platform marks a combo box's edit with.
constexpr LONG kInCombo = 0x0200;

bool IsEnterOrEscape(const MSG* msg) {
    return msg && msg->message == WM_KEYDOWN && (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE);
}

LRESULT DialogCode(HWND edit, WPARAM wParam, LPARAM lParam) {
    LRESULT code = CallWindowProcW(EditProc, edit, WM_GETDLGCODE, wParam, lParam);
    const State* state = StateOf(GetParent(edit));
    if (state && state->dropped && IsEnterOrEscape(reinterpret_cast<const MSG*>(lParam))) code |= DLGC_WANTMESSAGE;
    return code;
}

LRESULT CALLBACK ComboEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND combo = GetParent(edit);
    switch (message) {
    case WM_KEYDOWN:
        if (OnKey(combo, static_cast<UINT>(wParam))) return 0;
        break;
    case WM_SYSKEYDOWN:
        if (OnSysKey(combo, static_cast<UINT>(wParam), lParam)) return 0;
        break;
    case WM_GETDLGCODE: return DialogCode(edit, wParam, lParam);
    default: break;
    }
    return CallWindowProcW(EditProc, edit, message, wParam, lParam);
}

LONG EditStyleOf(HWND hwnd) {
    const LONG style = StyleOf(hwnd);
    LONG edit = WS_CHILD | WS_VISIBLE | ES_NOHIDESEL | kInCombo;
    if (style & CBS_AUTOHSCROLL) edit |= ES_AUTOHSCROLL;
    if (style & CBS_UPPERCASE) edit |= ES_UPPERCASE;
    if (style & CBS_LOWERCASE) edit |= ES_LOWERCASE;
    if (style & WS_DISABLED) edit |= WS_DISABLED;
    return edit;
}

}  // namespace

HWND CreateEdit(HWND hwnd) {
    HWND edit = CreateWindowExW(0, L"edit", L"", static_cast<DWORD>(EditStyleOf(hwnd)), 0, 0, 0, 0, hwnd,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)), nullptr, nullptr);
    if (edit) SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ComboEditProc));
    return edit;
}

std::wstring EditText(const State& state) {
    const auto length = static_cast<int>(SendMessageW(state.edit, WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(static_cast<std::size_t>(std::max(length, 0)) + 1, L'\0');
    const auto copied = SendMessageW(state.edit, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(std::max<LRESULT>(copied, 0)));
    return text;
}

void SetEditText(HWND hwnd, State& state, std::wstring_view text) {
    const std::wstring terminated(text);
    state.quiet = true;
    SendMessageW(state.edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(terminated.c_str()));
    State* after = StateOf(hwnd);
    if (!after) return;
    after->quiet = false;
    if (after->focused) SendMessageW(after->edit, EM_SETSEL, 0, -1);
}

void ShowItemInEdit(HWND hwnd, State& state, int index) {
    SetEditText(hwnd, state, index >= 0 ? ItemText(state, index) : std::wstring());
}

int MatchEditText(HWND, State& state, bool select) {
    const std::wstring text = EditText(state);
    const int match = text.empty() ? -1
                                   : static_cast<int>(SendMessageW(state.list, LB_FINDSTRING, static_cast<WPARAM>(-1),
                                                                   reinterpret_cast<LPARAM>(text.c_str())));
    const int shown = std::max(match, 0);
    SendMessageW(state.list, LB_SETCURSEL, static_cast<WPARAM>(select ? match : -1), 0);
    SendMessageW(state.list, LB_SETCARETINDEX, static_cast<WPARAM>(shown), 0);
    SendMessageW(state.list, LB_SETTOPINDEX, static_cast<WPARAM>(shown), 0);
    return match;
}

// What the person types is told as CBN_EDITUPDATE before it shows and CBN_EDITCHANGE after,
// the list following the text in between; the box's own changes are not told.
void OnEditNotice(HWND hwnd, UINT code) {
    State* state = StateOf(hwnd);
    if (!state) return;
    switch (code) {
    case EN_SETFOCUS: OnFocusGained(hwnd); return;
    case EN_KILLFOCUS: OnFocusLost(hwnd); return;
    case EN_UPDATE:
        if (!state->quiet) Notify(hwnd, CBN_EDITUPDATE);
        return;
    case EN_CHANGE:
        if (state->quiet) return;
        MatchEditText(hwnd, *state, state->dropped);
        Notify(hwnd, CBN_EDITCHANGE);
        return;
    case EN_MAXTEXT: case EN_ERRSPACE: Notify(hwnd, static_cast<UINT>(CBN_ERRSPACE)); return;
    default: return;
    }
}

}  // namespace platform::combo
