// Block copies with raster operations, and single pixels.
//
// Colour conversion follows the platform: copying colour to monochrome, a source pixel equal to
// the source context's background colour becomes 1 (white) and every other pixel 0; copying
// monochrome to colour, 1 becomes the destination's background colour and 0 its text colour.
#include <algorithm>

#include "PlatformState.h"

namespace platform {

namespace {

enum class Op { Copy, And, Or, Xor, NotCopy, Black, White, InvertDest, Unsupported };

Op OpOf(DWORD rop) {
    switch (rop) {
    case SRCCOPY: return Op::Copy;
    case SRCAND: return Op::And;
    case SRCPAINT: return Op::Or;
    case SRCINVERT: return Op::Xor;
    case NOTSRCCOPY: return Op::NotCopy;
    case BLACKNESS: return Op::Black;
    case WHITENESS: return Op::White;
    case DSTINVERT: return Op::InvertDest;
    default: return Op::Unsupported;
    }
}

bool UsesSource(Op op) { return op != Op::Black && op != Op::White && op != Op::InvertDest; }

// One row: `src` is already in the destination's format (null for operations without a source).
void ApplyRow(Op op, std::uint32_t* dst, const std::uint32_t* src, int count) {
    switch (op) {
    case Op::Copy: std::copy_n(src, count, dst); break;
    case Op::And: for (int i = 0; i < count; ++i) dst[i] &= src[i]; break;
    case Op::Or: for (int i = 0; i < count; ++i) dst[i] |= src[i]; break;
    case Op::Xor: for (int i = 0; i < count; ++i) dst[i] ^= src[i]; break;
    case Op::NotCopy: for (int i = 0; i < count; ++i) dst[i] = ~src[i] & kWhitePixel; break;
    case Op::Black: std::fill_n(dst, count, 0u); break;
    case Op::White: std::fill_n(dst, count, kWhitePixel); break;
    case Op::InvertDest: for (int i = 0; i < count; ++i) dst[i] ^= kWhitePixel; break;
    case Op::Unsupported: break;
    }
}

// Converts one source row into the destination's format.
void ConvertRow(const std::uint32_t* src, std::uint32_t* out, int count, bool srcMono, bool dstMono,
                const DeviceContext& srcDc, const DeviceContext& dstDc) {
    if (srcMono == dstMono) {
        std::copy_n(src, count, out);
    } else if (dstMono) {
        std::uint32_t background = PixelOf(srcDc.bkColor);
        for (int i = 0; i < count; ++i) out[i] = src[i] == background ? kWhitePixel : 0;
    } else {
        std::uint32_t one = PixelOf(dstDc.bkColor);
        std::uint32_t zero = PixelOf(dstDc.textColor);
        for (int i = 0; i < count; ++i) out[i] = src[i] ? one : zero;
    }
}

struct Block {
    int x, y, cx, cy, sx, sy;
};

// Clips the block to the destination and, when there is a source, to the source as well; the
// parts cut away stay as they were.
bool Clip(Block& b, const Surface& dst, const Surface* src) {
    auto cutLow = [&](int& d, int& s, int& size, int lowD, int lowS) {
        int shift = std::max(lowD - d, src ? lowS - s : 0);
        if (shift > 0) { d += shift; s += shift; size -= shift; }
    };
    auto cutHigh = [&](int d, int s, int& size, int highD, int highS) {
        size = std::min(size, highD - d);
        if (src) size = std::min(size, highS - s);
    };
    cutLow(b.x, b.sx, b.cx, 0, 0);
    cutLow(b.y, b.sy, b.cy, 0, 0);
    cutHigh(b.x, b.sx, b.cx, dst.Width(), src ? src->Width() : 0);
    cutHigh(b.y, b.sy, b.cy, dst.Height(), src ? src->Height() : 0);
    return b.cx > 0 && b.cy > 0;
}

}  // namespace

}  // namespace platform

using namespace platform;

BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop) {
    DeviceContext* dstDc = FindDc(hdc);
    Op op = OpOf(rop);
    DeviceContext* srcDc = UsesSource(op) ? FindDc(hdcSrc) : nullptr;
    if (!dstDc || (UsesSource(op) && !srcDc)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (op == Op::Unsupported) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    Surface dst = SurfaceOf(*dstDc);
    Surface src = srcDc ? SurfaceOf(*srcDc) : Surface{};
    Block block{x, y, cx, cy, x1, y1};
    if (!dst.bitmap || !Clip(block, dst, srcDc ? &src : nullptr)) return TRUE;
    std::vector<std::uint32_t> row(srcDc ? static_cast<std::size_t>(block.cx) : 0);
    for (int r = 0; r < block.cy; ++r) {
        std::uint32_t* out = dst.bitmap->Row(block.y + r) + block.x;
        const std::uint32_t* in = nullptr;
        if (srcDc) {
            const std::uint32_t* from = src.bitmap->Row(block.sy + r) + block.sx;
            ConvertRow(from, row.data(), block.cx, src.Monochrome(), dst.Monochrome(), *srcDc, *dstDc);
            in = row.data();
        }
        ApplyRow(op, out, in, block.cx);
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
    if (!surface.bitmap || x < 0 || y < 0 || x >= surface.Width() || y >= surface.Height()) return CLR_INVALID;
    std::uint32_t pixel = PixelOf(color);
    // A monochrome bitmap takes white for colours nearer white, black otherwise.
    if (surface.Monochrome()) {
        int sum = GetRValue(color) + GetGValue(color) + GetBValue(color);
        pixel = sum >= 3 * 128 ? kWhitePixel : 0;
    }
    surface.bitmap->Row(y)[x] = pixel;
    return ColorOf(pixel);
}

COLORREF WINAPI GetPixel(HDC hdc, int x, int y) {
    DeviceContext* dc = FindDc(hdc);
    if (!dc) {
        SetLastError(ERROR_INVALID_HANDLE);
        return CLR_INVALID;
    }
    Surface surface = SurfaceOf(*dc);
    if (!surface.bitmap || x < 0 || y < 0 || x >= surface.Width() || y >= surface.Height()) return CLR_INVALID;
    return ColorOf(surface.bitmap->Row(y)[x]);
}
