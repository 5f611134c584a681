// The scroll bar calls on a window's own bars (SB_HORZ, SB_VERT; SB_BOTH where the call takes it).
// A window without bars of its own answers with the defaults, and gets them from the first call
// that sets something. The platform has no scroll bar control: SB_CTL finds nothing.
#include "user/ScrollBars.h"

#include "PlatformState.h"
#include "user/ScrollBarPaint.h"

namespace platform::scrollbars {

namespace {

DWORD StyleOf(int which) {
    switch (which) {
    case SB_HORZ: return WS_HSCROLL;
    case SB_VERT: return WS_VSCROLL;
    case SB_BOTH: return WS_HSCROLL | WS_VSCROLL;
    default: return 0;
    }
}

}  // namespace

WindowScrollBars* Of(Window& window, bool create) {
    if (!window.scrollBars && create) window.scrollBars.emplace();
    return window.scrollBars ? &*window.scrollBars : nullptr;
}

bool Show(HWND hwnd, int which, bool show) {
    Window* w = FindWindow(hwnd);
    const DWORD bits = StyleOf(which);
    if (!w || !bits) return false;
    const DWORD style = show ? (w->style | bits) : (w->style & ~bits);
    if (style == w->style) return false;
    if (show) Of(*w, true);
    w->style = style;
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

}  // namespace platform::scrollbars

using namespace platform;

namespace {

constexpr UINT kKnownMask = SIF_ALL | SIF_DISABLENOSCROLL;

// The bar a call that reads works on: null for a bad handle, a bar the window does not have
// of its own, or a window that never had bars.
ScrollBarData* BarToRead(HWND hwnd, int bar) {
    Window* w = CheckWindow(hwnd);
    if (!w || !scrollinfo::IsWindowBar(bar)) return nullptr;
    WindowScrollBars* bars = scrollbars::Of(*w, false);
    return bars ? &bars->Of(bar) : nullptr;
}

// A bar shown or hidden is drawn with the new frame; one that stays is drawn again when asked.
void ApplyVisibility(HWND hwnd, int bar, scrollinfo::Visibility visibility, bool redraw) {
    using scrollinfo::Visibility;
    const bool show = visibility == Visibility::Show;
    const bool frameChanged = visibility != Visibility::Keep && scrollbars::Show(hwnd, bar, show);
    if (!frameChanged && redraw) scrollpaint::PaintBar(hwnd, bar);
}

}  // namespace

int WINAPI SetScrollInfo(HWND hwnd, int nBar, LPCSCROLLINFO lpsi, BOOL redraw) {
    Window* w = CheckWindow(hwnd);
    if (!w || !scrollinfo::IsWindowBar(nBar) || !lpsi || !scrollinfo::IsValidSize(lpsi->cbSize)) return 0;
    if (lpsi->fMask & ~kKnownMask) return 0;
    ScrollBarData& bar = scrollbars::Of(*w, true)->Of(nBar);
    if (!(lpsi->fMask & SIF_ALL)) return bar.pos;
    const scrollinfo::Visibility visibility = scrollinfo::Apply(bar, *lpsi);
    // The window hears of a bar shown or hidden, and may set it again meanwhile: the answer is
    // the position this call left.
    const int pos = bar.pos;
    ApplyVisibility(hwnd, nBar, visibility, redraw != FALSE);
    return pos;
}

BOOL WINAPI GetScrollInfo(HWND hwnd, int nBar, LPSCROLLINFO lpsi) {
    ScrollBarData* bar = BarToRead(hwnd, nBar);
    if (!bar || !lpsi || !scrollinfo::IsValidSize(lpsi->cbSize) || !(lpsi->fMask & SIF_ALL)) return FALSE;
    scrollinfo::Read(*bar, *lpsi);
    return TRUE;
}

int WINAPI SetScrollPos(HWND hWnd, int nBar, int nPos, BOOL bRedraw) {
    Window* w = CheckWindow(hWnd);
    if (!w || !scrollinfo::IsWindowBar(nBar)) return 0;
    const int previous = scrollbars::Of(*w, true)->Of(nBar).pos;
    SCROLLINFO info{sizeof(info), SIF_POS, 0, 0, 0, nPos, 0};
    SetScrollInfo(hWnd, nBar, &info, bRedraw);
    return previous;
}

int WINAPI GetScrollPos(HWND hWnd, int nBar) {
    ScrollBarData* bar = BarToRead(hWnd, nBar);
    return bar ? bar->pos : 0;
}

// The reference platform reports success for a bar that is not one of the window's own.
BOOL WINAPI SetScrollRange(HWND hWnd, int nBar, int nMinPos, int nMaxPos, BOOL bRedraw) {
    if (!CheckWindow(hWnd)) return FALSE;
    SCROLLINFO info{sizeof(info), SIF_RANGE, nMinPos, nMaxPos, 0, 0, 0};
    if (scrollinfo::IsWindowBar(nBar)) SetScrollInfo(hWnd, nBar, &info, bRedraw);
    return TRUE;
}

// A window without bars of its own reports an empty range, and that is success.
BOOL WINAPI GetScrollRange(HWND hWnd, int nBar, int* lpMinPos, int* lpMaxPos) {
    if (lpMinPos) *lpMinPos = 0;
    if (lpMaxPos) *lpMaxPos = 0;
    if (!CheckWindow(hWnd)) return FALSE;
    ScrollBarData* bar = BarToRead(hWnd, nBar);
    if (bar && lpMinPos) *lpMinPos = bar->min;
    if (bar && lpMaxPos) *lpMaxPos = bar->max;
    return TRUE;
}

// SB_CTL and unknown bars do nothing, and that is success.
BOOL WINAPI ShowScrollBar(HWND hWnd, int wBar, BOOL bShow) {
    if (!CheckWindow(hWnd)) return FALSE;
    scrollbars::Show(hWnd, wBar, bShow != FALSE);
    return TRUE;
}

// True when an arrow's state changed.
BOOL WINAPI EnableScrollBar(HWND hWnd, UINT wSBflags, UINT wArrows) {
    Window* w = CheckWindow(hWnd);
    const int which = static_cast<int>(wSBflags);
    if (!w || (!scrollinfo::IsWindowBar(which) && which != SB_BOTH)) return FALSE;
    WindowScrollBars& bars = *scrollbars::Of(*w, true);
    const UINT disabled = wArrows & ESB_DISABLE_BOTH;
    bool changed = false;
    for (int bar : {SB_HORZ, SB_VERT}) {
        if ((which != SB_BOTH && which != bar) || bars.Of(bar).disabledArrows == disabled) continue;
        bars.Of(bar).disabledArrows = disabled;
        changed = true;
        scrollpaint::PaintBar(hWnd, bar);
    }
    return changed;
}
