// Rectangle helpers. Right and bottom edges are exclusive: a rectangle is empty when it has no
// width or no height.
#include <algorithm>

#include "PlatformApi.h"

BOOL WINAPI SetRect(LPRECT lprc, int xLeft, int yTop, int xRight, int yBottom) {
    if (!lprc) return FALSE;
    *lprc = {xLeft, yTop, xRight, yBottom};
    return TRUE;
}

BOOL WINAPI SetRectEmpty(LPRECT lprc) { return SetRect(lprc, 0, 0, 0, 0); }

BOOL WINAPI IsRectEmpty(const RECT* lprc) {
    return !lprc || lprc->right <= lprc->left || lprc->bottom <= lprc->top;
}

BOOL WINAPI OffsetRect(LPRECT lprc, int dx, int dy) {
    if (!lprc) return FALSE;
    lprc->left += dx;
    lprc->right += dx;
    lprc->top += dy;
    lprc->bottom += dy;
    return TRUE;
}

BOOL WINAPI InflateRect(LPRECT lprc, int dx, int dy) {
    if (!lprc) return FALSE;
    lprc->left -= dx;
    lprc->right += dx;
    lprc->top -= dy;
    lprc->bottom += dy;
    return TRUE;
}

BOOL WINAPI IntersectRect(LPRECT lprcDst, const RECT* a, const RECT* b) {
    if (!lprcDst) return FALSE;
    if (!a || !b || IsRectEmpty(a) || IsRectEmpty(b) || a->left >= b->right || b->left >= a->right ||
        a->top >= b->bottom || b->top >= a->bottom) {
        SetRectEmpty(lprcDst);
        return FALSE;
    }
    *lprcDst = {std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
                std::min(a->bottom, b->bottom)};
    return TRUE;
}

BOOL WINAPI UnionRect(LPRECT lprcDst, const RECT* a, const RECT* b) {
    if (!lprcDst || !a || !b) return FALSE;
    bool emptyA = IsRectEmpty(a);
    bool emptyB = IsRectEmpty(b);
    if (emptyA && emptyB) {
        SetRectEmpty(lprcDst);
        return FALSE;
    }
    if (emptyA) *lprcDst = *b;
    else if (emptyB) *lprcDst = *a;
    else
        *lprcDst = {std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
                    std::max(a->bottom, b->bottom)};
    return TRUE;
}

BOOL WINAPI PtInRect(const RECT* lprc, POINT pt) {
    return lprc && pt.x >= lprc->left && pt.x < lprc->right && pt.y >= lprc->top && pt.y < lprc->bottom;
}

BOOL WINAPI EqualRect(const RECT* a, const RECT* b) {
    return a && b && a->left == b->left && a->top == b->top && a->right == b->right && a->bottom == b->bottom;
}
