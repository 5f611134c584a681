// Update regions and WM_PAINT. A window's update region is kept as its bounding rectangle; a
// window with a non-empty one (or an internal-paint request) gets WM_PAINT whenever the queue
// has nothing else, until BeginPaint/EndPaint or a validation empties it.
#include <algorithm>

#include "PlatformState.h"
#include "gdi/GdiObjects.h"
#include "user/ScrollBarPaint.h"
#include "user/WindowOps.h"
#include "user/WindowTree.h"

namespace platform {

namespace {

bool NeedsPaint(const Window& w) { return !IsRectEmpty(&w.update) || w.internalPaint; }

RECT ClientArea(const Window& w) { return {0, 0, w.ClientWidth(), w.ClientHeight()}; }

// Removes `area` from the update rectangle where the result is still a rectangle: when the
// area covers it on one axis. Otherwise the (larger) bounding rectangle stays, which repaints
// a little more than needed but never less.
void Subtract(RECT& update, const RECT& area) {
    RECT overlap;
    if (!IntersectRect(&overlap, &update, &area)) return;
    bool fullWidth = overlap.left == update.left && overlap.right == update.right;
    bool fullHeight = overlap.top == update.top && overlap.bottom == update.bottom;
    if (fullWidth && fullHeight) update = {};
    else if (fullWidth && overlap.top == update.top) update.top = overlap.bottom;
    else if (fullWidth && overlap.bottom == update.bottom) update.bottom = overlap.top;
    else if (fullHeight && overlap.left == update.left) update.left = overlap.right;
    else if (fullHeight && overlap.right == update.right) update.right = overlap.left;
}

void Validate(Window& w, const RECT* rect, const RECT& area, UINT flags) {
    if (rect) Subtract(w.update, area);
    else w.update = {};
    if (IsRectEmpty(&w.update)) w.eraseNeeded = false;
    if (flags & RDW_NOINTERNALPAINT) w.internalPaint = false;
}

bool ReachesChildren(const Window& w, UINT flags) {
    if (flags & RDW_NOCHILDREN) return false;
    return (flags & RDW_ALLCHILDREN) || !(w.style & WS_CLIPCHILDREN);
}

std::optional<MSG> FindPaintIn(HWND hwnd, HWND filter) {
    Window* w = FindWindow(hwnd);
    if (!w || !w->IsVisibleFlag()) return std::nullopt;
    bool passes = !filter || filter == hwnd || IsChild(filter, hwnd);
    if (passes && NeedsPaint(*w)) return MSG{hwnd, WM_PAINT, 0, 0, 0, {}};
    for (HWND child : w->children)
        if (auto msg = FindPaintIn(child, filter)) return msg;
    return std::nullopt;
}

void UpdateNow(HWND hwnd, UINT flags) {
    Window* w = FindWindow(hwnd);
    if (!w || !IsShownOnScreen(*w)) return;
    if (NeedsPaint(*w)) SendMessageW(hwnd, WM_PAINT, 0, 0);
    if (!(w = FindWindow(hwnd)) || !ReachesChildren(*w, flags)) return;
    std::vector<HWND> children = w->children;
    for (HWND child : children) UpdateNow(child, flags);
}

// A window that does not clip its children paints over them; children under what it is about
// to paint are painted again after it, so a child that painted early is not lost. A child whose
// scroll bars only are under it is painted too: its bars are drawn when it paints.
void RepaintChildrenUnder(const Window& w, const RECT& area) {
    if ((w.style & WS_CLIPCHILDREN) || IsRectEmpty(&area)) return;
    for (HWND child : w.children) {
        Window* c = FindWindow(child);
        RECT overlap;
        if (!c || !c->IsVisibleFlag() || !IntersectRect(&overlap, &area, &c->rect)) continue;
        if (c->style & (WS_VSCROLL | WS_HSCROLL)) c->internalPaint = true;
        if (!IntersectRect(&overlap, &area, &c->client)) continue;
        OffsetRect(&overlap, -c->client.left, -c->client.top);
        InvalidateWindow(child, &overlap, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
}

void ForEachTopLevel(const RECT* rect, UINT flags) {
    std::vector<HWND> tops = State().topLevels;
    for (HWND top : tops) RedrawWindow(top, rect, nullptr, flags);
}

}  // namespace

void InvalidateWindow(HWND hwnd, const RECT* rect, UINT flags) {
    Window* w = FindWindow(hwnd);
    if (!w) return;
    RECT client = ClientArea(*w);
    RECT area = client;
    if (rect && !IntersectRect(&area, rect, &client)) area = {};
    if ((flags & RDW_INVALIDATE) && IsShownOnScreen(*w)) {
        if (!IsRectEmpty(&area)) {
            UnionRect(&w->update, &w->update, &area);
            if (flags & RDW_ERASE) w->eraseNeeded = true;
        }
        if (flags & RDW_INTERNALPAINT) w->internalPaint = true;
    }
    if (flags & RDW_VALIDATE) Validate(*w, rect, area, flags);
    if (!ReachesChildren(*w, flags)) return;
    for (HWND child : w->children) {
        Window* c = FindWindow(child);
        if (!c || !c->IsVisibleFlag()) continue;
        RECT overlap;
        if (!IntersectRect(&overlap, &area, &c->client)) continue;
        OffsetRect(&overlap, -c->client.left, -c->client.top);
        InvalidateWindow(child, &overlap, flags);
    }
}

std::optional<MSG> TakePaint(HWND filter, UINT first, UINT last) {
    if (!InRange(WM_PAINT, first, last)) return std::nullopt;
    for (HWND top : State().topLevels)
        if (auto msg = FindPaintIn(top, filter)) return msg;
    return std::nullopt;
}

}  // namespace platform

using namespace platform;

BOOL WINAPI RedrawWindow(HWND hWnd, const RECT* lprcUpdate, HRGN, UINT flags) {
    if (!hWnd) {
        ForEachTopLevel(lprcUpdate, flags);
        return TRUE;
    }
    if (!CheckWindow(hWnd)) return FALSE;
    InvalidateWindow(hWnd, lprcUpdate, flags);
    if (flags & RDW_UPDATENOW) UpdateNow(hWnd, flags);
    return TRUE;
}

BOOL WINAPI InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase) {
    if (!hWnd) {
        ForEachTopLevel(nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        return TRUE;
    }
    return RedrawWindow(hWnd, lpRect, nullptr, RDW_INVALIDATE | (bErase ? RDW_ERASE : 0));
}

BOOL WINAPI ValidateRect(HWND hWnd, const RECT* lpRect) {
    return RedrawWindow(hWnd, lpRect, nullptr, RDW_VALIDATE);
}

BOOL WINAPI GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL) {
    Window* w = CheckWindow(hWnd);
    if (!w) return FALSE;
    if (lpRect) *lpRect = w->update;
    return !IsRectEmpty(&w->update);
}

BOOL WINAPI UpdateWindow(HWND hWnd) {
    return RedrawWindow(hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

HDC WINAPI BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint) {
    Window* w = CheckWindow(hWnd);
    if (!w) return nullptr;
    if (!lpPaint) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    *lpPaint = PAINTSTRUCT{};
    lpPaint->rcPaint = w->update;
    RepaintChildrenUnder(*w, w->update);
    bool erase = w->eraseNeeded;
    w->update = {};
    w->eraseNeeded = false;
    w->internalPaint = false;
    // The caret is inverted pixels: it steps aside while the window paints under it.
    State().caret.Hide(hWnd);
    // The frame's own parts come first, as the real platform's WM_NCPAINT does.
    scrollpaint::PaintBars(hWnd);
    lpPaint->hdc = CreateDisplayDc(hWnd);
    // The window erases its background first; when it does not, the painter must.
    if (erase) lpPaint->fErase = !SendMessageW(hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(lpPaint->hdc), 0);
    return lpPaint->hdc;
}

BOOL WINAPI EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint) {
    if (lpPaint && FindDc(lpPaint->hdc)) {
        DeleteDC(lpPaint->hdc);
        State().caret.Show(hWnd);
    }
    return CheckWindow(hWnd) != nullptr;
}
