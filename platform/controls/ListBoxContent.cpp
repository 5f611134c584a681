// The program's messages about a list box's strings and what it shows of them.
#include <algorithm>
#include <string_view>

#include "controls/ListBoxHandlers.h"
#include "controls/ListBoxLayout.h"

namespace platform::listbox {

namespace {

std::wstring_view StringOf(LPARAM lParam) {
    auto text = reinterpret_cast<LPCWSTR>(lParam);
    return text ? std::wstring_view(text) : std::wstring_view{};
}

// Everything from the item at `index` down moved or changed.
void RepaintFrom(HWND hwnd, const State& state, int index) {
    const Layout layout = LayoutOf(hwnd, state);
    RECT below = layout.area;
    below.top = std::max(below.top, layout.ItemRect(index, state.top).top);
    if (below.top < below.bottom) InvalidateRect(hwnd, &below, FALSE);
}

// An item came in at `index`: the selected item moves down with its string; the caret stays.
LRESULT Insert(HWND hwnd, State& state, int index, std::wstring_view text) {
    if (index == -1) index = state.items.Count();
    if (index < 0 || index > state.items.Count()) return LB_ERR;
    state.items.Insert(index, text);
    if (state.current >= index) ++state.current;
    RepaintFrom(hwnd, state, index);
    UpdateScrollBar(hwnd, state);
    return index;
}

LRESULT Add(HWND hwnd, State& state, std::wstring_view text) {
    const bool sorted = HasStyle(hwnd, LBS_SORT);
    return Insert(hwnd, state, sorted ? state.items.SortedPosition(text) : state.items.Count(), text);
}

// The selected item goes with its string; the caret and the anchor stay unless they fall off
// the end.
LRESULT Delete(HWND hwnd, State& state, int index) {
    if (!state.items.Has(index)) return LB_ERR;
    state.items.Remove(index);
    if (state.current == index) state.current = -1;
    else if (state.current > index) --state.current;
    const int last = state.items.Count() - 1;
    state.caret = std::clamp(state.caret, 0, std::max(last, 0));
    state.anchor = std::min(state.anchor, last);
    RepaintFrom(hwnd, state, index);
    SetTop(hwnd, state, state.top);
    UpdateScrollBar(hwnd, state);
    return state.items.Count();
}

LRESULT Reset(HWND hwnd, State& state) {
    state.items.Clear();
    state.current = state.anchor = -1;
    state.caret = state.top = 0;
    RepaintAll(hwnd);
    UpdateScrollBar(hwnd, state);
    return 0;
}

LRESULT GetText(const State& state, int index, LPARAM lParam) {
    auto* buffer = reinterpret_cast<LPWSTR>(lParam);
    if (!state.items.Has(index) || !buffer) return LB_ERR;
    const std::wstring& text = state.items.Text(index);
    std::copy(text.begin(), text.end(), buffer);
    buffer[text.size()] = 0;
    return static_cast<LRESULT>(text.size());
}

LRESULT SetData(State& state, int index, LPARAM data) {
    if (!state.items.Has(index)) return LB_ERR;
    state.items.SetData(index, static_cast<ULONG_PTR>(data));
    return TRUE;
}

LRESULT GetData(const State& state, int index) {
    return state.items.Has(index) ? static_cast<LRESULT>(state.items.Data(index)) : LB_ERR;
}

// The platform checks only the upper end: an index before the first item gets its rectangle
// above the view, and an empty list answers for its first place.
LRESULT GetItemRect(HWND hwnd, const State& state, int index, LPARAM lParam) {
    auto* rect = reinterpret_cast<RECT*>(lParam);
    if (!rect) return LB_ERR;
    const int count = state.items.Count();
    if (index >= count && !(index == 0 && count == 0)) {
        SetRectEmpty(rect);
        return LB_ERR;
    }
    const Layout layout = LayoutOf(hwnd, state);
    *rect = layout.ItemRect(index, state.top);
    RECT shown{};
    return IntersectRect(&shown, rect, &layout.area) ? 1 : 0;
}

// Heights above a byte are refused; a height of nothing is one pixel.
LRESULT SetItemHeight(HWND hwnd, State& state, LPARAM lParam) {
    if (lParam < 0 || LOWORD(lParam) > 0xFF) return LB_ERR;
    state.itemHeight = std::max<int>(1, LOWORD(lParam));
    SetTop(hwnd, state, state.top);
    UpdateScrollBar(hwnd, state);
    RepaintAll(hwnd);
    return 0;
}

LRESULT OnView(HWND hwnd, State& state, UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(wParam);
    switch (message) {
    case LB_GETTOPINDEX: return state.top;
    case LB_SETTOPINDEX: SetTop(hwnd, state, index); return 0;
    case LB_GETITEMHEIGHT: return state.itemHeight;
    case LB_SETITEMHEIGHT: return SetItemHeight(hwnd, state, lParam);
    case LB_GETITEMRECT: return GetItemRect(hwnd, state, index, lParam);
    case LB_ITEMFROMPOINT:
        return ItemFromPoint(LayoutOf(hwnd, state), state, {static_cast<SHORT>(LOWORD(lParam)),
                                                             static_cast<SHORT>(HIWORD(lParam))});
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace

bool IsContentMessage(UINT message) {
    switch (message) {
    case LB_ADDSTRING: case LB_INSERTSTRING: case LB_DELETESTRING: case LB_RESETCONTENT: case LB_GETCOUNT:
    case LB_GETTEXT: case LB_GETTEXTLEN: case LB_SETITEMDATA: case LB_GETITEMDATA: case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT: case LB_GETTOPINDEX: case LB_SETTOPINDEX: case LB_GETITEMHEIGHT:
    case LB_SETITEMHEIGHT: case LB_GETITEMRECT: case LB_ITEMFROMPOINT: return true;
    default: return false;
    }
}

LRESULT OnContentMessage(HWND hwnd, State& state, UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(wParam);
    switch (message) {
    case LB_ADDSTRING: return Add(hwnd, state, StringOf(lParam));
    case LB_INSERTSTRING: return Insert(hwnd, state, index, StringOf(lParam));
    case LB_DELETESTRING: return Delete(hwnd, state, index);
    case LB_RESETCONTENT: return Reset(hwnd, state);
    case LB_GETCOUNT: return state.items.Count();
    case LB_GETTEXT: return GetText(state, index, lParam);
    case LB_GETTEXTLEN: return state.items.Has(index) ? static_cast<LRESULT>(state.items.Text(index).size()) : LB_ERR;
    case LB_SETITEMDATA: return SetData(state, index, lParam);
    case LB_GETITEMDATA: return GetData(state, index);
    case LB_FINDSTRING: return state.items.FindPrefix(index, StringOf(lParam));
    case LB_FINDSTRINGEXACT: return state.items.FindExact(index, StringOf(lParam));
    default: return OnView(hwnd, state, message, wParam, lParam);
    }
}

}  // namespace platform::listbox
