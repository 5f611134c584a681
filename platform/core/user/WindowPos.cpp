// SetWindowPos and MoveWindow: WM_WINDOWPOSCHANGING, the new client area through
// WM_NCCALCSIZE, activation, then WM_WINDOWPOSCHANGED (whose default handling sends WM_MOVE
// and WM_SIZE).
#include <algorithm>

#include "PlatformState.h"
#include "user/menus/MenuBar.h"
#include "gdi/WindowSurfaces.h"
#include "user/Activation.h"
#include "user/FramePaint.h"
#include "user/ScrollBarPaint.h"
#include "user/WindowOps.h"
#include "user/WindowTree.h"

namespace platform {

namespace {

constexpr UINT kNoPositionChange = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOCLIENTSIZE | SWP_NOCLIENTMOVE;
constexpr UINT kStatusFlags = kNoPositionChange | SWP_FRAMECHANGED | SWP_SHOWWINDOW | SWP_HIDEWINDOW;

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

RECT RequestedRect(const Window& w, const WINDOWPOS& pos) {
    RECT rect = w.rect;
    if (!(pos.flags & SWP_NOMOVE)) OffsetRect(&rect, pos.x - rect.left, pos.y - rect.top);
    if (!(pos.flags & SWP_NOSIZE)) {
        rect.right = rect.left + std::max(0, pos.cx);
        rect.bottom = rect.top + std::max(0, pos.cy);
    }
    return rect;
}

// Drops the flags that ask for what is already so.
void FixUpFlags(const Window& w, const RECT& newRect, WINDOWPOS& pos) {
    if (Width(newRect) == Width(w.rect) && Height(newRect) == Height(w.rect)) pos.flags |= SWP_NOSIZE;
    if (newRect.left == w.rect.left && newRect.top == w.rect.top) pos.flags |= SWP_NOMOVE;
    if (w.IsVisibleFlag()) {
        pos.flags &= ~SWP_SHOWWINDOW;
    } else {
        pos.flags &= ~SWP_HIDEWINDOW;
        if (!(pos.flags & SWP_SHOWWINDOW)) pos.flags |= SWP_NOREDRAW;  // nothing of it is on screen
    }
    // A top-level window that is being activated also comes to the top.
    bool topLevel = !w.IsChild();
    bool activating = !(pos.flags & (SWP_NOACTIVATE | SWP_HIDEWINDOW));
    if (topLevel && activating && pos.hwndInsertAfter != HWND_TOPMOST && pos.hwndInsertAfter != HWND_NOTOPMOST) {
        pos.flags &= ~SWP_NOZORDER;
        pos.hwndInsertAfter = HWND_TOP;
    }
    if (!(pos.flags & SWP_NOZORDER) && pos.hwndInsertAfter == HWND_TOP) {
        const std::vector<HWND>& siblings = SiblingsOf(w);
        if (!siblings.empty() && siblings.front() == w.handle) pos.flags |= SWP_NOZORDER;
    }
}

RECT NewClientRect(HWND hwnd, const RECT& newRect, WINDOWPOS& pos) {
    Window* w = FindWindow(hwnd);
    if ((pos.flags & SWP_NOSIZE) && !(pos.flags & SWP_FRAMECHANGED)) {
        RECT client = w->client;
        OffsetRect(&client, newRect.left - w->rect.left, newRect.top - w->rect.top);
        return client;
    }
    NCCALCSIZE_PARAMS params{{newRect, w->rect, w->client}, &pos};
    SendMessageW(hwnd, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
    return params.rgrc[0];
}

void Restack(Window& w, HWND after) {
    if (after == HWND_TOPMOST) w.exStyle |= WS_EX_TOPMOST;
    if (after == HWND_NOTOPMOST) w.exStyle &= ~WS_EX_TOPMOST;
    UnlinkWindow(w);
    if (after == HWND_BOTTOM) {
        LinkWindow(w, false);
        return;
    }
    Window* anchor = FindWindow(after);
    std::vector<HWND>& siblings = SiblingsOf(w);
    auto it = anchor ? std::find(siblings.begin(), siblings.end(), after) : siblings.end();
    if (it == siblings.end()) {
        LinkWindow(w, true);
        return;
    }
    siblings.insert(it + 1, w.handle);
}

// What needs repainting after the change: a window that appears or changes size with the
// class's redraw styles is repainted whole; a larger window gets its new strips; the parent
// gets back what a moved, resized or hidden child uncovered.
void InvalidateAfterChange(HWND hwnd, const RECT& oldRect, const RECT& oldClient, UINT flags) {
    Window* w = FindWindow(hwnd);
    if (!w || (flags & SWP_NOREDRAW)) return;
    constexpr UINT kWhole = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN;
    bool resized = !(flags & SWP_NOCLIENTSIZE);
    UINT redrawStyles = w->windowClass->style & (CS_HREDRAW | CS_VREDRAW);
    if (flags & SWP_SHOWWINDOW) {
        InvalidateWindow(hwnd, nullptr, kWhole);
    } else if (resized && w->IsVisibleFlag()) {
        if (redrawStyles) {
            InvalidateWindow(hwnd, nullptr, kWhole);
        } else {
            RECT right{Width(oldClient), 0, w->ClientWidth(), w->ClientHeight()};
            RECT bottom{0, Height(oldClient), w->ClientWidth(), w->ClientHeight()};
            if (!IsRectEmpty(&right)) InvalidateWindow(hwnd, &right, kWhole);
            if (!IsRectEmpty(&bottom)) InvalidateWindow(hwnd, &bottom, kWhole);
        }
    }
    bool geometryChanged = !(flags & SWP_NOMOVE) || !(flags & SWP_NOSIZE);
    if (w->IsChild() && ((flags & SWP_HIDEWINDOW) || (geometryChanged && w->IsVisibleFlag())))
        InvalidateWindow(w->parent, &oldRect, RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN);
}

void TellBackend(const Window& w, UINT flags) {
    if (w.IsChild()) return;
    Backend& backend = CurrentBackend();
    if (!(flags & SWP_NOMOVE) || !(flags & SWP_NOSIZE)) backend.OnWindowMoved(w.handle);
    if (flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) backend.OnWindowShown(w.handle, (flags & SWP_SHOWWINDOW) != 0);
}

void Activate(HWND hwnd, UINT flags) {
    if (flags & (SWP_NOACTIVATE | SWP_HIDEWINDOW)) return;
    Window* w = FindWindow(hwnd);
    if (!w) return;
    if (w->IsChild()) SendMessageW(hwnd, WM_CHILDACTIVATE, 0, 0);
    else SetActive(hwnd, false, true);
}

}  // namespace

}  // namespace platform

using namespace platform;

BOOL WINAPI SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags) {
    Window* w = CheckWindow(hWnd);
    if (!w) return FALSE;
    WINDOWPOS pos{hWnd, hWndInsertAfter, X, Y, cx, cy, uFlags};
    if (!(pos.flags & SWP_NOSENDCHANGING)) {
        SendMessageW(hWnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
        if (!(w = FindWindow(hWnd))) return FALSE;
    }
    RECT newRect = RequestedRect(*w, pos);
    FixUpFlags(*w, newRect, pos);
    RECT newClient = NewClientRect(hWnd, newRect, pos);
    if (!(w = FindWindow(hWnd))) return FALSE;
    RECT oldRect = w->rect;
    RECT oldClient = w->client;
    if (Width(newClient) == Width(oldClient) && Height(newClient) == Height(oldClient)) pos.flags |= SWP_NOCLIENTSIZE;
    if (newClient.left == oldClient.left && newClient.top == oldClient.top) pos.flags |= SWP_NOCLIENTMOVE;
    w->rect = newRect;
    w->client = newClient;
    if (!w->IsChild()) ResizeWindowPixels(*w);
    if (!(pos.flags & SWP_NOZORDER)) Restack(*w, pos.hwndInsertAfter);
    if (pos.flags & SWP_SHOWWINDOW) w->style |= WS_VISIBLE;
    if (pos.flags & SWP_HIDEWINDOW) w->style &= ~WS_VISIBLE;
    InvalidateAfterChange(hWnd, oldRect, oldClient, pos.flags);
    bool frameRedrawn = (pos.flags & (SWP_SHOWWINDOW | SWP_FRAMECHANGED)) || !(pos.flags & SWP_NOSIZE);
    if (!w->IsChild() && frameRedrawn) {
        PaintFrame(hWnd, State().active == hWnd);
        if (w->menu) menubar::Paint(hWnd);
    }
    if (frameRedrawn) scrollpaint::PaintBars(hWnd);
    if (!(w = FindWindow(hWnd))) return TRUE;
    TellBackend(*w, pos.flags);
    Activate(hWnd, pos.flags);
    if (!(w = FindWindow(hWnd))) return TRUE;
    if ((pos.flags & kStatusFlags) != kNoPositionChange) {
        pos.x = w->rect.left;
        pos.y = w->rect.top;
        pos.cx = Width(w->rect);
        pos.cy = Height(w->rect);
        SendMessageW(hWnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    }
    return TRUE;
}

BOOL WINAPI MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint) {
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (bRepaint ? 0 : SWP_NOREDRAW);
    return SetWindowPos(hWnd, nullptr, X, Y, nWidth, nHeight, flags);
}
