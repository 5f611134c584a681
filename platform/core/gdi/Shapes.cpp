// Filled and outlined rectangles, and the dotted focus rectangle.
#include <algorithm>

#include "PlatformState.h"
#include "gdi/SystemColors.h"

namespace platform {

namespace {

// Fills the part of `rect` (right and bottom exclusive) that the surface lets us touch.
void FillSurfaceRect(const Surface& surface, RECT rect, COLORREF color) {
    if (!IntersectRect(&rect, &rect, &surface.clip)) return;
    surface.Touch(rect);
    std::uint32_t pixel = surface.monochrome ? NearestMonochrome(color) : PixelOf(color);
    for (int y = rect.top; y < rect.bottom; ++y) std::fill_n(surface.At(rect.left, y), rect.right - rect.left, pixel);
}

void InvertIfOdd(const Surface& surface, int x, int y) {
    if (((x + y) & 1) && surface.Contains(x, y)) *surface.At(x, y) ^= kWhitePixel;
}

}  // namespace

}  // namespace platform

using namespace platform;

int WINAPI FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
    DeviceContext* dc = FindDc(hDC);
    if (!dc || !lprc) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    std::optional<COLORREF> color = BrushColor(hbr);
    if (color) FillSurfaceRect(SurfaceOf(*dc), *lprc, *color);
    return 1;
}

// The outline is drawn with the pen on the rectangle's edge pixels (right and bottom
// exclusive), the interior with the brush; without a pen the brush fills one pixel less to the
// right and bottom, as the platform draws it. Pens are drawn one pixel wide.
BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    DeviceContext* dc = FindDc(hdc);
    if (!dc) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    if (right - left < 1 || bottom - top < 1) return TRUE;
    Surface surface = SurfaceOf(*dc);
    auto* pen = FindGdi<PenObject>(dc->pen, GdiObject::Kind::Pen);
    bool outlined = pen && pen->style != PS_NULL;
    if (std::optional<COLORREF> fill = BrushColor(dc->brush)) {
        RECT inside = outlined ? RECT{left + 1, top + 1, right - 1, bottom - 1} : RECT{left, top, right - 1, bottom - 1};
        FillSurfaceRect(surface, inside, *fill);
    }
    if (!outlined) return TRUE;
    FillSurfaceRect(surface, {left, top, right, top + 1}, pen->color);
    FillSurfaceRect(surface, {left, bottom - 1, right, bottom}, pen->color);
    FillSurfaceRect(surface, {left, top, left + 1, bottom}, pen->color);
    FillSurfaceRect(surface, {right - 1, top, right, bottom}, pen->color);
    return TRUE;
}

// Inverts every other pixel of the rectangle's one-pixel frame (those whose x + y is odd), so a
// second call restores exactly what was there.
BOOL WINAPI DrawFocusRect(HDC hDC, const RECT* lprc) {
    DeviceContext* dc = FindDc(hDC);
    if (!dc || !lprc) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    Surface surface = SurfaceOf(*dc);
    const RECT& r = *lprc;
    if (r.right <= r.left || r.bottom <= r.top) return TRUE;
    surface.Touch(r);
    for (int x = r.left; x < r.right; ++x) {
        InvertIfOdd(surface, x, r.top);
        if (r.bottom - 1 != r.top) InvertIfOdd(surface, x, r.bottom - 1);
    }
    for (int y = r.top + 1; y < r.bottom - 1; ++y) {
        InvertIfOdd(surface, r.left, y);
        if (r.right - 1 != r.left) InvertIfOdd(surface, r.right - 1, y);
    }
    return TRUE;
}
