// Block copies with raster operations, and single pixels.
//
// Colour conversion follows the platform: copying colour to monochrome, a source pixel equal to
// the source context's background colour becomes 1 (white) and every other pixel 0; copying
// monochrome to colour, 1 becomes the destination's background colour and 0 its text colour.
#include <algorithm>

#include "PlatformState.h"
#include "gdi/RasterRows.h"

namespace platform {

namespace {

struct Block {
    int x, y, cx, cy, sx, sy;
};

// Clips the block to the destination's drawable area and, when there is a source, to the
// source's as well; the parts cut away stay as they were.
bool Clip(Block& b, const Surface& dst, const Surface* src) {
    auto cutLow = [&](int& d, int& s, int& size, int lowD, int lowS) {
        int shift = std::max(lowD - d, src ? lowS - s : lowD - d);
        if (shift > 0) {
            d += shift;
            s += shift;
            size -= shift;
        }
    };
    auto cutHigh = [&](int d, int s, int& size, int highD, int highS) {
        size = std::min(size, highD - d);
        if (src) size = std::min(size, highS - s);
    };
    cutLow(b.x, b.sx, b.cx, dst.clip.left, src ? src->clip.left : 0);
    cutLow(b.y, b.sy, b.cy, dst.clip.top, src ? src->clip.top : 0);
    cutHigh(b.x, b.sx, b.cx, dst.clip.right, src ? src->clip.right : 0);
    cutHigh(b.y, b.sy, b.cy, dst.clip.bottom, src ? src->clip.bottom : 0);
    return b.cx > 0 && b.cy > 0;
}

}  // namespace

}  // namespace platform

using namespace platform;

BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop) {
    std::optional<BlitContexts> checked = CheckBlit(hdc, hdcSrc, rop);
    if (!checked) return FALSE;
    auto [dstDc, srcDc, op] = *checked;
    Surface dst = SurfaceOf(*dstDc);
    Surface src = srcDc ? SurfaceOf(*srcDc) : Surface{};
    Block block{x, y, cx, cy, x1, y1};
    if (!dst.Valid() || (srcDc && !src.Valid()) || !Clip(block, dst, srcDc ? &src : nullptr)) return TRUE;
    dst.Touch({block.x, block.y, block.x + block.cx, block.y + block.cy});
    bool samePixels = srcDc && src.pixels == dst.pixels;
    // Rows go through a scratch row when they need converting, or when source and destination
    // share pixels (so a sideways move never reads what it has just written); otherwise the
    // operation reads the source row in place.
    bool direct = srcDc && !samePixels && src.monochrome == dst.monochrome;
    std::uint32_t* row = srcDc && !direct ? ScratchRow(static_cast<std::size_t>(block.cx)) : nullptr;
    // Within one set of pixels, a block moving down is copied from the bottom up, so no row is
    // read after it was overwritten.
    bool bottomUp = samePixels && dst.At(block.x, block.y) > src.At(block.sx, block.sy);
    for (int i = 0; i < block.cy; ++i) {
        int r = bottomUp ? block.cy - 1 - i : i;
        const std::uint32_t* in = nullptr;
        if (direct) {
            in = src.At(block.sx, block.sy + r);
        } else if (srcDc && op == Op::Copy && !samePixels) {
            // A converting copy writes its result straight into the destination row.
            ConvertRow(src.At(block.sx, block.sy + r), dst.At(block.x, block.y + r), block.cx, src.monochrome,
                       dst.monochrome, *srcDc, *dstDc);
            continue;
        } else if (srcDc) {
            ConvertRow(src.At(block.sx, block.sy + r), row, block.cx, src.monochrome, dst.monochrome, *srcDc,
                       *dstDc);
            in = row;
        }
        ApplyRow(op, dst.At(block.x, block.y + r), in, block.cx);
    }
    return TRUE;
}

COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color) {
    DeviceContext* dc = FindDc(hdc);
    if (!dc) {
        SetLastError(ERROR_INVALID_HANDLE);
        return CLR_INVALID;
    }
    Surface surface = SurfaceOf(*dc);
    if (!surface.Contains(x, y)) return CLR_INVALID;
    std::uint32_t pixel = surface.monochrome ? NearestMonochrome(color) : PixelOf(color);
    *surface.At(x, y) = pixel;
    surface.Touch({x, y, x + 1, y + 1});
    return ColorOf(pixel);
}

COLORREF WINAPI GetPixel(HDC hdc, int x, int y) {
    DeviceContext* dc = FindDc(hdc);
    if (!dc) {
        SetLastError(ERROR_INVALID_HANDLE);
        return CLR_INVALID;
    }
    Surface surface = SurfaceOf(*dc);
    if (!surface.Contains(x, y)) return CLR_INVALID;
    return ColorOf(*surface.At(x, y));
}
