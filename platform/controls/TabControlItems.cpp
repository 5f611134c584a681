// A tab control's tabs: added, removed, read and changed by the program. The selection stays on
// its tab as tabs come and go before it; the focus keeps its number, as the platform's does, but
// never names a tab that is gone.
#include <algorithm>

#include "controls/TabControlState.h"
#include "controls/TabControlView.h"

namespace platform::tabcontrol {

namespace {

void CopyInto(Item& target, const TCITEMW& from) {
    if (from.mask & TCIF_TEXT) target.text = from.pszText ? from.pszText : L"";
    if (from.mask & TCIF_PARAM) target.param = from.lParam;
    if (from.mask & TCIF_IMAGE) target.image = from.iImage;
}

// As much of the text as fits with its terminator; nothing at all into no room.
void CopyText(const std::wstring& text, TCITEMW& to) {
    if (!to.pszText || to.cchTextMax <= 0) return;
    const std::size_t length = std::min(text.size(), static_cast<std::size_t>(to.cchTextMax - 1));
    std::copy_n(text.begin(), length, to.pszText);
    to.pszText[length] = L'\0';
}

void ForgetFocusPastTheEnd(State& state) {
    if (state.focus >= Count(state)) state.focus = -1;
}

}  // namespace

// The first tab is selected; a control with no focus gives it to the new tab.
LRESULT InsertItem(HWND hwnd, State& state, int index, const TCITEMW* item) {
    if (!item || index < 0) return -1;
    index = std::min(index, Count(state));
    Item made;
    CopyInto(made, *item);
    state.items.insert(state.items.begin() + index, made);
    if (state.selected >= index) ++state.selected;
    if (Count(state) == 1) {
        state.selected = 0;
        state.items.front().state |= TCIS_BUTTONPRESSED;
    }
    Relayout(hwnd, state);
    if (state.focus == -1) SetCurFocus(hwnd, state, index);
    return index;
}

LRESULT DeleteItem(HWND hwnd, State& state, int index) {
    if (!IsIndex(state, index)) return FALSE;
    state.items.erase(state.items.begin() + index);
    if (state.selected == index) state.selected = -1;
    else if (state.selected > index) --state.selected;
    ForgetFocusPastTheEnd(state);
    Relayout(hwnd, state);
    return TRUE;
}

LRESULT DeleteAllItems(HWND hwnd, State& state) {
    state.items.clear();
    state.selected = state.focus = -1;
    state.leftmost = 0;
    Relayout(hwnd, state);
    return TRUE;
}

LRESULT GetItem(const State& state, int index, TCITEMW* item) {
    if (!item || !IsIndex(state, index)) return FALSE;
    const Item& source = state.items[static_cast<std::size_t>(index)];
    if (item->mask & TCIF_TEXT) CopyText(source.text, *item);
    if (item->mask & TCIF_PARAM) item->lParam = source.param;
    if (item->mask & TCIF_IMAGE) item->iImage = source.image;
    if (item->mask & TCIF_STATE) item->dwState = source.state & item->dwStateMask;
    return TRUE;
}

LRESULT SetItem(HWND hwnd, State& state, int index, const TCITEMW* item) {
    if (!item || !IsIndex(state, index)) return FALSE;
    Item& target = state.items[static_cast<std::size_t>(index)];
    CopyInto(target, *item);
    if (item->mask & TCIF_STATE)
        target.state = (target.state & ~item->dwStateMask) | (item->dwState & item->dwStateMask);
    Relayout(hwnd, state);
    return TRUE;
}

}  // namespace platform::tabcontrol
