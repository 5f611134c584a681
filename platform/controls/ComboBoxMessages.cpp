// The program's messages to a combo box. The items and the selection are the list's, so most
// CB_ messages are the list's LB_ messages under another name and answer as those do, without
// a notice; those that change what the field shows also repaint it, or for CBS_DROPDOWN put
// the item's text in the edit. The edit's own messages (CB_LIMITTEXT, CB_GETEDITSEL,
// CB_SETEDITSEL) answer for a drop-down list as the platform's do: TRUE or CB_ERR.
#include <algorithm>

#include "controls/ComboBoxHandlers.h"
#include "controls/ComboBoxLayout.h"
#include "controls/ComboDropDown.h"
#include "controls/ComboEdit.h"

namespace platform::combo {

namespace {

// Field heights this large are refused, as the platform refuses them.
constexpr int kTallestField = 0x8000;
// The selection field's height is set as the text's, which the field exceeds by a pixel each side.
constexpr int kFieldMargin = 2;

// The LB_ message each CB_ message is, where that is all there is to it; 0 for the others.
UINT ListMessageOf(UINT message) {
    switch (message) {
    case CB_ADDSTRING: return LB_ADDSTRING;
    case CB_INSERTSTRING: return LB_INSERTSTRING;
    case CB_GETCOUNT: return LB_GETCOUNT;
    case CB_GETCURSEL: return LB_GETCURSEL;
    case CB_GETLBTEXTLEN: return LB_GETTEXTLEN;
    case CB_FINDSTRING: return LB_FINDSTRING;
    case CB_FINDSTRINGEXACT: return LB_FINDSTRINGEXACT;
    case CB_SETITEMDATA: return LB_SETITEMDATA;
    case CB_GETITEMDATA: return LB_GETITEMDATA;
    case CB_GETTOPINDEX: return LB_GETTOPINDEX;
    case CB_SETTOPINDEX: return LB_SETTOPINDEX;
    default: return 0;
    }
}

// The field shows the list's selection: repainted, or put in the edit.
void ShowSelection(HWND hwnd, State& state) {
    if (state.edit) ShowItemInEdit(hwnd, state, Selected(state));
    else RepaintField(hwnd);
}

LRESULT SetCurSel(HWND hwnd, State& state, WPARAM index) {
    const LRESULT result = SendMessageW(state.list, LB_SETCURSEL, index, 0);
    if (result >= 0) SendMessageW(state.list, LB_SETTOPINDEX, index, 0);
    if (result >= 0 || static_cast<int>(index) == -1) ShowSelection(hwnd, state);
    return result;
}

LRESULT SelectString(HWND hwnd, State& state, WPARAM start, LPARAM text) {
    const LRESULT result = SendMessageW(state.list, LB_SELECTSTRING, start, text);
    if (result >= 0) ShowSelection(hwnd, state);
    return result;
}

// The selected item going takes the drop-down list's field with it; the edit keeps its text.
LRESULT DeleteString(HWND hwnd, const State& state, WPARAM index) {
    const LRESULT result = SendMessageW(state.list, LB_DELETESTRING, index, 0);
    if (!state.edit) RepaintField(hwnd);
    return result;
}

LRESULT ResetContent(HWND hwnd, State& state) {
    SendMessageW(state.list, LB_RESETCONTENT, 0, 0);
    if (state.edit) SetEditText(hwnd, state, L"");
    else RepaintField(hwnd);
    return TRUE;
}

// The platform answers a missing buffer with the item's length.
LRESULT GetItemText(const State& state, WPARAM index, LPARAM buffer) {
    return SendMessageW(state.list, buffer ? LB_GETTEXT : LB_GETTEXTLEN, index, buffer);
}

// -1 is the selection field and 0 the list's items, whose height the platform's documentation
// has CB_SETITEMHEIGHT set (a box without owner-drawn items of their own heights has no other).
LRESULT SetItemHeight(HWND hwnd, State& state, WPARAM which, LPARAM height) {
    const auto index = static_cast<int>(which);
    if (index == 0) return SendMessageW(state.list, LB_SETITEMHEIGHT, 0, height);
    const auto h = static_cast<int>(height);
    if (index != -1 || h < 0 || h >= kTallestField) return CB_ERR;
    state.fieldHeight = h + kFieldMargin;
    FitToField(hwnd, state);
    RepaintField(hwnd);
    return h;
}

LRESULT GetItemHeight(const State& state, WPARAM which) {
    if (static_cast<int>(which) >= 0) return SendMessageW(state.list, LB_GETITEMHEIGHT, 0, 0);
    return state.fieldHeight;
}

LRESULT ShowDropDown(HWND hwnd, const State& state, bool show) {
    if (show) Open(hwnd);
    else if (state.dropped) Close(hwnd, false);
    return TRUE;
}

LRESULT GetDroppedControlRect(HWND hwnd, const State& state, LPARAM out) {
    if (auto* rect = reinterpret_cast<RECT*>(out)) *rect = DroppedControlRect(hwnd, state);
    return CB_OKAY;
}

// The field is the edit's place for CBS_DROPDOWN; the arrow reads as pressed while the button
// is held on the field.
LRESULT GetInfo(HWND hwnd, const State& state, LPARAM out) {
    auto* info = reinterpret_cast<COMBOBOXINFO*>(out);
    if (!info || info->cbSize < sizeof(COMBOBOXINFO)) return FALSE;
    const Layout layout = LayoutOf(hwnd, state);
    info->rcItem = state.edit ? layout.edit : layout.field;
    info->rcButton = layout.arrow;
    info->stateButton = state.pressed ? STATE_SYSTEM_PRESSED : 0;
    info->hwndCombo = hwnd;
    info->hwndItem = state.edit;
    info->hwndList = state.list;
    return TRUE;
}

LRESULT SetEditSel(const State& state, LPARAM range) {
    if (!state.edit) return CB_ERR;
    SendMessageW(state.edit, EM_SETSEL, static_cast<WPARAM>(static_cast<SHORT>(LOWORD(range))),
                 static_cast<SHORT>(HIWORD(range)));
    return TRUE;
}

LRESULT OnEditMessage(const State& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case CB_LIMITTEXT: return state.edit ? SendMessageW(state.edit, EM_LIMITTEXT, wParam, 0) : TRUE;
    case CB_GETEDITSEL: return state.edit ? SendMessageW(state.edit, EM_GETSEL, wParam, lParam) : CB_ERR;
    case CB_SETEDITSEL: return SetEditSel(state, lParam);
    default: return CB_ERR;
    }
}

// A drop-down list's text is its selected item's. A buffer too short takes what fits, and the
// platform then answers with the buffer's size.
LRESULT GetListText(const State& state, WPARAM capacity, LPARAM lParam) {
    auto* buffer = reinterpret_cast<LPWSTR>(lParam);
    if (!buffer || capacity == 0) return 0;
    const int selected = Selected(state);
    const std::wstring text = selected >= 0 ? ItemText(state, selected) : std::wstring();
    const std::size_t copied = std::min(text.size(), static_cast<std::size_t>(capacity) - 1);
    std::copy_n(text.begin(), copied, buffer);
    buffer[copied] = 0;
    return static_cast<LRESULT>(text.size() >= capacity ? capacity : text.size());
}

LRESULT OnTextMessage(HWND hwnd, State& state, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!state.edit) {
        if (message == WM_SETTEXT) return CB_ERR;
        if (message == WM_GETTEXT) return GetListText(state, wParam, lParam);
        const int selected = Selected(state);
        return selected >= 0 ? SendMessageW(state.list, LB_GETTEXTLEN, static_cast<WPARAM>(selected), 0) : 0;
    }
    if (message != WM_SETTEXT) return SendMessageW(state.edit, message, wParam, lParam);
    state.quiet = true;
    const LRESULT result = SendMessageW(state.edit, message, wParam, lParam);
    if (State* after = StateOf(hwnd)) after->quiet = false;
    return result;
}

LRESULT OnOwnMessage(HWND hwnd, State& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case CB_SETCURSEL: return SetCurSel(hwnd, state, wParam);
    case CB_SELECTSTRING: return SelectString(hwnd, state, wParam, lParam);
    case CB_DELETESTRING: return DeleteString(hwnd, state, wParam);
    case CB_RESETCONTENT: return ResetContent(hwnd, state);
    case CB_GETLBTEXT: return GetItemText(state, wParam, lParam);
    case CB_SETITEMHEIGHT: return SetItemHeight(hwnd, state, wParam, lParam);
    case CB_GETITEMHEIGHT: return GetItemHeight(state, wParam);
    case CB_SHOWDROPDOWN: return ShowDropDown(hwnd, state, wParam != 0);
    case CB_GETDROPPEDSTATE: return state.dropped ? TRUE : FALSE;
    case CB_GETDROPPEDCONTROLRECT: return GetDroppedControlRect(hwnd, state, lParam);
    case CB_GETCOMBOBOXINFO: return GetInfo(hwnd, state, lParam);
    case CB_SETDROPPEDWIDTH: return SetDroppedWidth(hwnd, state, wParam);
    case CB_GETDROPPEDWIDTH: return DroppedWidth(hwnd, state);
    case CB_SETEXTENDEDUI: state.extendedUI = wParam != 0; return CB_OKAY;
    case CB_GETEXTENDEDUI: return state.extendedUI ? TRUE : FALSE;
    case WM_SETTEXT: case WM_GETTEXT: case WM_GETTEXTLENGTH: return OnTextMessage(hwnd, state, message, wParam, lParam);
    default: return OnEditMessage(state, message, wParam, lParam);
    }
}

}  // namespace

bool IsComboMessage(UINT message) {
    if (ListMessageOf(message)) return true;
    switch (message) {
    case CB_SETCURSEL: case CB_SELECTSTRING: case CB_DELETESTRING: case CB_RESETCONTENT: case CB_GETLBTEXT:
    case CB_SETITEMHEIGHT: case CB_GETITEMHEIGHT: case CB_SHOWDROPDOWN: case CB_GETDROPPEDSTATE:
    case CB_GETDROPPEDCONTROLRECT: case CB_GETCOMBOBOXINFO: case CB_SETDROPPEDWIDTH: case CB_GETDROPPEDWIDTH:
    case CB_SETEXTENDEDUI:
    case CB_GETEXTENDEDUI: case CB_LIMITTEXT: case CB_GETEDITSEL: case CB_SETEDITSEL: case WM_SETTEXT:
    case WM_GETTEXT: case WM_GETTEXTLENGTH: return true;
    default: return false;
    }
}

LRESULT OnComboMessage(HWND hwnd, State& state, UINT message, WPARAM wParam, LPARAM lParam) {
    if (UINT listMessage = ListMessageOf(message)) return SendMessageW(state.list, listMessage, wParam, lParam);
    return OnOwnMessage(hwnd, state, message, wParam, lParam);
}

}  // namespace platform::combo
