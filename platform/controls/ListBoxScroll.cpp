// A list box made with WS_VSCROLL keeps the window's own vertical bar in step with its view: the
// range runs over the items, the page is the whole items shown and the position is the top item.
// The bar is the window manager's; the list box only sets its numbers, and the window manager
// shows it, hides it or, with LBS_DISABLENOSCROLL, keeps it disabled. A program that hides the
// bar sees it again at the list box's next change, as on the platform.
#include "controls/ListBoxHandlers.h"
#include "controls/ListBoxLayout.h"

namespace platform::listbox {

namespace {

// The thumb's place while it is dragged, which the window manager keeps apart from the position.
int TrackPosition(HWND hwnd, int fallback) {
    SCROLLINFO info{sizeof(info), SIF_TRACKPOS, 0, 0, 0, 0, fallback};
    return GetScrollInfo(hwnd, SB_VERT, &info) ? info.nTrackPos : fallback;
}

}  // namespace

void UpdateScrollBar(HWND hwnd, const State& state) {
    if (!state.keepsBar) return;
    UINT mask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (HasStyle(hwnd, LBS_DISABLENOSCROLL)) mask |= SIF_DISABLENOSCROLL;
    // An empty list gives a range upside down, which the window manager takes as nothing to scroll.
    const SCROLLINFO info{sizeof(info), mask, 0, state.items.Count() - 1,
                          static_cast<UINT>(LayoutOf(hwnd, state).Page()), state.top, 0};
    SetScrollInfo(hwnd, SB_VERT, &info, TRUE);
}

// While the thumb is dragged the platform reads its place from the bar, not from wParam, so a
// program that sends SB_THUMBTRACK itself moves nothing; where the thumb is let go comes in
// wParam.
void OnVScroll(HWND hwnd, State& state, WORD code, WORD thumb) {
    const int page = LayoutOf(hwnd, state).Page();
    switch (code) {
    case SB_LINEUP: SetTop(hwnd, state, state.top - 1); return;
    case SB_LINEDOWN: SetTop(hwnd, state, state.top + 1); return;
    case SB_PAGEUP: SetTop(hwnd, state, state.top - page); return;
    case SB_PAGEDOWN: SetTop(hwnd, state, state.top + page); return;
    case SB_THUMBTRACK: SetTop(hwnd, state, TrackPosition(hwnd, state.top)); return;
    case SB_THUMBPOSITION: SetTop(hwnd, state, thumb); return;
    case SB_TOP: SetTop(hwnd, state, 0); return;
    case SB_BOTTOM: SetTop(hwnd, state, state.items.Count()); return;
    default: return;  // SB_ENDSCROLL and codes of no meaning here
    }
}

}  // namespace platform::listbox
