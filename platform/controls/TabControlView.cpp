#include "controls/TabControlView.h"

#include <algorithm>
#include <numeric>

#include "controls/SystemClasses.h"
#include "controls/TabControlLayout.h"

namespace platform::tabcontrol {

namespace {

bool RowsMove(HWND hwnd, const Layout& layout) { return !IsButtons(hwnd) && layout.rows > 1; }

// The selected row takes the slot by the page; the rows that were between them move one slot
// away from it, the rest stay where they are shown.
void BringSelectedRowDown(HWND hwnd, State& state, const Layout& layout) {
    if (!RowsMove(hwnd, layout) || !IsIndex(state, state.selected)) return;
    if (state.rowSlots.size() != static_cast<std::size_t>(layout.rows)) return;
    const int row = layout.spans[static_cast<std::size_t>(state.selected)].row;
    const int from = state.rowSlots[static_cast<std::size_t>(row)], bottom = layout.rows - 1;
    if (from == bottom) return;
    for (int& slot : state.rowSlots) {
        if (slot == from) slot = bottom;
        else if (slot > from) --slot;
    }
}

int ArrowSize() { return GetSystemMetrics(SM_CYHSCROLL); }
int ArrowsWidth() { return 2 * ArrowSize(); }

// The first tab that can lead the line with the last tab still shown beside the arrows.
int LastLeftmost(const Layout& layout) {
    const int room = layout.width - ArrowsWidth(), end = layout.spans.back().right;
    int first = static_cast<int>(layout.spans.size()) - 1;
    while (first > 0 && end - layout.spans[static_cast<std::size_t>(first - 1)].left < room) --first;
    return first;
}

HWND MakeArrows(HWND hwnd) {
    RegisterCommonClasses(ICC_UPDOWN_CLASS);
    return CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | UDS_HORZ, 0, 0, 0, 0, hwnd, nullptr, nullptr, nullptr);
}

// The arrows sit at the right end of the tabs' row, level with its bottom.
void PlaceArrows(State& state, const Layout& layout) {
    const int size = ArrowSize();
    SetWindowPos(state.scroller, nullptr, layout.width - ArrowsWidth(), layout.tabHeight - size, ArrowsWidth(), size,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SendMessageW(state.scroller, UDM_SETRANGE32, 0, LastLeftmost(layout));
    SendMessageW(state.scroller, UDM_SETPOS32, 0, state.leftmost);
}

void UpdateArrows(HWND hwnd, State& state, const Layout& layout) {
    if (!layout.scrolls) {
        state.leftmost = 0;
        if (state.scroller) ShowWindow(state.scroller, SW_HIDE);
        return;
    }
    if (!state.scroller) state.scroller = MakeArrows(hwnd);
    state.leftmost = std::clamp(state.leftmost, 0, Count(state) - 1);
    if (state.scroller) PlaceArrows(state, layout);
}

// The line scrolled just far enough for the selected tab to end before the arrows.
void ScrollToSelection(State& state, const Layout& layout) {
    if (!layout.scrolls || !state.scroller || !IsIndex(state, state.selected)) return;
    if (state.leftmost >= state.selected) {
        state.leftmost = state.selected;
    } else {
        const int room = layout.width - ArrowsWidth();
        const int end = layout.spans[static_cast<std::size_t>(state.selected)].right;
        while (state.leftmost < state.selected &&
               end - layout.spans[static_cast<std::size_t>(state.leftmost)].left >= room)
            ++state.leftmost;
    }
    SendMessageW(state.scroller, UDM_SETPOS32, 0, state.leftmost);
}

}  // namespace

void Relayout(HWND hwnd, State& state) {
    state.hPadding = state.givenHPadding;
    state.vPadding = state.givenVPadding;
    const Layout layout = LayOut(hwnd, state);
    state.rowSlots.resize(static_cast<std::size_t>(layout.rows));
    std::iota(state.rowSlots.begin(), state.rowSlots.end(), 0);
    BringSelectedRowDown(hwnd, state, layout);
    UpdateArrows(hwnd, state, layout);
    ScrollToSelection(state, layout);
    InvalidateRect(hwnd, nullptr, TRUE);
}

void ShowSelection(HWND hwnd, State& state) {
    const Layout layout = LayOut(hwnd, state);
    BringSelectedRowDown(hwnd, state, layout);
    ScrollToSelection(state, layout);
}

void OnHScroll(HWND hwnd, State& state, WORD code, int position) {
    if (code != SB_THUMBPOSITION || position == state.leftmost) return;
    const int next = state.leftmost + (position < state.leftmost ? -1 : 1);
    if (!IsIndex(state, next)) return;
    state.leftmost = next;
    InvalidateRect(hwnd, nullptr, TRUE);
    if (state.scroller) SendMessageW(state.scroller, UDM_SETPOS32, 0, state.leftmost);
}

}  // namespace platform::tabcontrol
