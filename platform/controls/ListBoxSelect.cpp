// The program's messages about a list box's selection, its caret and its anchor. None of them
// tells the parent: LBN_SELCHANGE is for what a person does.
#include <algorithm>
#include <string_view>

#include "controls/ListBoxHandlers.h"
#include "controls/ListBoxSelection.h"

namespace platform::listbox {

namespace {

bool Selectable(HWND hwnd) { return !HasStyle(hwnd, LBS_NOSEL); }

// -1 takes the selection away, and is answered LB_ERR all the same.
LRESULT SetCurSel(HWND hwnd, State& state, int index) {
    if (IsMultiple(hwnd) || !Selectable(hwnd)) return LB_ERR;
    if (index == -1) {
        SetCurrent(hwnd, state, -1);
        return LB_ERR;
    }
    if (!state.items.Has(index)) return LB_ERR;
    SetCurrent(hwnd, state, index);
    SetCaret(hwnd, state, index);
    return index;
}

// A single-selection box takes LB_SETSEL as choosing (or, for its selected item, dropping)
// one item; -1 stands for every item.
LRESULT SetSelSingle(HWND hwnd, State& state, bool on, int index) {
    if (index == -1) {
        SetCurrent(hwnd, state, -1);
        if (on) state.anchor = -1;
        return 0;
    }
    if (!on) {
        if (index == state.current) SetCurrent(hwnd, state, -1);
        return 0;
    }
    SetCurrent(hwnd, state, index);
    state.anchor = index;
    SetCaret(hwnd, state, index);
    return 0;
}

LRESULT SetSel(HWND hwnd, State& state, bool on, int index) {
    if (!Selectable(hwnd)) return LB_ERR;
    if (index != -1 && !state.items.Has(index)) return LB_ERR;
    if (!IsMultiple(hwnd)) return SetSelSingle(hwnd, state, on, index);
    if (index == -1) {
        SetAllMarks(hwnd, state, on);
        if (on) state.anchor = -1;
        return 0;
    }
    SetMark(hwnd, state, index, on);
    if (!on) return 0;
    state.anchor = index;
    SetCaret(hwnd, state, index);
    return 0;
}

LRESULT GetSelItems(HWND hwnd, const State& state, int room, LPARAM lParam) {
    auto* out = reinterpret_cast<int*>(lParam);
    if (!IsMultiple(hwnd) || !out) return LB_ERR;
    int filled = 0;
    for (int i = 0; i < state.items.Count() && filled < room; ++i)
        if (state.items.Selected(i)) out[filled++] = i;
    return filled;
}

// LB_SELITEMRANGEEX marks [first, last] when they come in order and unmarks [last, first]
// when they do not.
LRESULT SelItemRangeEx(HWND hwnd, State& state, int first, int last) {
    if (!IsMultiple(hwnd)) return LB_ERR;
    MarkRange(hwnd, state, first, last, first <= last);
    return 0;
}

LRESULT SelItemRange(HWND hwnd, State& state, bool on, LPARAM range) {
    if (!IsMultiple(hwnd)) return LB_ERR;
    MarkRange(hwnd, state, LOWORD(range), HIWORD(range), on);
    return 0;
}

// A single-selection box refuses to move its caret away from a selected item.
LRESULT SetCaretIndex(HWND hwnd, State& state, int index) {
    if (!state.items.Has(index)) return LB_ERR;
    if (!IsMultiple(hwnd) && state.current != -1) return LB_ERR;
    SetCaret(hwnd, state, index);
    return 0;
}

LRESULT SetAnchorIndex(State& state, int index) {
    if (index != -1 && !state.items.Has(index)) return LB_ERR;
    state.anchor = index;
    return 0;
}

LRESULT SelectString(HWND hwnd, State& state, int start, LPARAM lParam) {
    auto text = reinterpret_cast<LPCWSTR>(lParam);
    const int found = state.items.FindPrefix(start, text ? std::wstring_view(text) : std::wstring_view{});
    if (found < 0) return LB_ERR;
    if (!Selectable(hwnd)) return found;
    if (IsMultiple(hwnd)) SetMark(hwnd, state, found, true);
    else SetCurrent(hwnd, state, found);
    SetCaret(hwnd, state, found);
    return found;
}

LRESULT GetSel(HWND hwnd, const State& state, int index) {
    if (!state.items.Has(index)) return LB_ERR;
    return IsSelected(hwnd, state, index) ? 1 : 0;
}

}  // namespace

bool IsSelectionMessage(UINT message) {
    switch (message) {
    case LB_SETCURSEL: case LB_GETCURSEL: case LB_SETSEL: case LB_GETSEL: case LB_GETSELCOUNT: case LB_GETSELITEMS:
    case LB_SELITEMRANGE: case LB_SELITEMRANGEEX: case LB_SELECTSTRING: case LB_SETCARETINDEX:
    case LB_GETCARETINDEX: case LB_SETANCHORINDEX: case LB_GETANCHORINDEX: return true;
    default: return false;
    }
}

LRESULT OnSelectionMessage(HWND hwnd, State& state, UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(wParam);
    switch (message) {
    case LB_SETCURSEL: return SetCurSel(hwnd, state, index);
    case LB_GETCURSEL: return CurrentOf(hwnd, state);
    case LB_SETSEL: return SetSel(hwnd, state, wParam != 0, static_cast<int>(lParam));
    case LB_GETSEL: return GetSel(hwnd, state, index);
    case LB_GETSELCOUNT: return IsMultiple(hwnd) ? state.items.SelectedCount() : LB_ERR;
    case LB_GETSELITEMS: return GetSelItems(hwnd, state, index, lParam);
    case LB_SELITEMRANGE: return SelItemRange(hwnd, state, wParam != 0, lParam);
    case LB_SELITEMRANGEEX: return SelItemRangeEx(hwnd, state, index, static_cast<int>(lParam));
    case LB_SELECTSTRING: return SelectString(hwnd, state, index, lParam);
    case LB_SETCARETINDEX: return SetCaretIndex(hwnd, state, index);
    case LB_GETCARETINDEX: return state.caret;
    case LB_SETANCHORINDEX: return SetAnchorIndex(state, index);
    case LB_GETANCHORINDEX: return state.anchor;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace platform::listbox
