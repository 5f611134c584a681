// StretchBlt: a block copy that scales, with the platform's pixel choice. Enlarging, each
// destination pixel takes the source pixel under its centre; shrinking, the source pixels that
// fall on one destination pixel are ANDed (the default stretch mode, which keeps black lines
// in black-on-white pictures). A negative extent mirrors that side. Destination pixels whose
// source lies outside the source are left as they were.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "PlatformState.h"
#include "gdi/RasterRows.h"

namespace platform {

namespace {

// For each of `m` destination pixels, the first source pixel and how many source pixels fall
// on it, out of `n` source pixels.
struct Span {
    int first;
    int count;
};

std::vector<Span> MapAxis(int n, int m) {
    std::vector<Span> spans(static_cast<std::size_t>(m), Span{0, 0});
    if (m >= n) {
        for (int i = 0; i < m; ++i) spans[i] = {static_cast<int>(((2LL * i + 1) * n - 1) / (2LL * m)), 1};
        return spans;
    }
    for (int j = 0; j < n; ++j) {
        Span& span = spans[static_cast<std::size_t>(((2LL * j + 1) * m - 1) / (2LL * n))];
        if (span.count == 0) span.first = j;
        ++span.count;
    }
    return spans;
}

// A negative extent covers (origin + extent, origin]: the pixels just before the origin, in
// reverse.
void Normalise(int& origin, int& extent, bool& mirrored) {
    if (extent >= 0) return;
    origin += extent + 1;
    extent = -extent;
    mirrored = !mirrored;
}

struct Axis {
    int dst, dstSize, src, srcSize;
    bool mirrored = false;
};

// The destination pixel's value from its group of source pixels, already converted; false when
// part of the group lies outside the source.
bool SourceValue(const Surface& src, int x0, int nx, int y0, int ny, std::uint32_t* row, std::uint32_t& value,
                 bool srcMono, bool dstMono, const DeviceContext& srcDc, const DeviceContext& dstDc) {
    value = 0xFFFFFFFF;
    for (int y = y0; y < y0 + ny; ++y) {
        if (!src.Contains(x0, y) || !src.Contains(x0 + nx - 1, y)) return false;
        ConvertRow(src.At(x0, y), row, nx, srcMono, dstMono, srcDc, dstDc);
        for (int i = 0; i < nx; ++i) value &= row[i];
    }
    value &= kWhitePixel;
    return true;
}

}  // namespace

}  // namespace platform

using namespace platform;

BOOL WINAPI StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc,
                       int wSrc, int hSrc, DWORD rop) {
    if (wDest == wSrc && hDest == hSrc && wDest > 0 && hDest > 0)
        return BitBlt(hdcDest, xDest, yDest, wDest, hDest, hdcSrc, xSrc, ySrc, rop);
    std::optional<BlitContexts> checked = CheckBlit(hdcDest, hdcSrc, rop);
    if (!checked) return FALSE;
    auto [dstDc, srcDc, op] = *checked;
    if (!srcDc) return BitBlt(hdcDest, std::min(xDest, xDest + wDest), std::min(yDest, yDest + hDest), std::abs(wDest),
                              std::abs(hDest), nullptr, 0, 0, rop);
    if (wDest == 0 || hDest == 0 || wSrc == 0 || hSrc == 0) return TRUE;
    Axis ax{xDest, wDest, xSrc, wSrc}, ay{yDest, hDest, ySrc, hSrc};
    for (Axis* a : {&ax, &ay}) {
        Normalise(a->dst, a->dstSize, a->mirrored);
        Normalise(a->src, a->srcSize, a->mirrored);
    }
    Surface dst = SurfaceOf(*dstDc);
    Surface src = SurfaceOf(*srcDc);
    if (!dst.Valid() || !src.Valid()) return TRUE;
    dst.Touch({ax.dst, ay.dst, ax.dst + ax.dstSize, ay.dst + ay.dstSize});
    std::vector<Span> columns = MapAxis(ax.srcSize, ax.dstSize);
    std::vector<Span> rows = MapAxis(ay.srcSize, ay.dstSize);
    std::uint32_t* scratch = ScratchRow(static_cast<std::size_t>(ax.srcSize));
    for (int i = 0; i < ay.dstSize; ++i) {
        int dy = ay.dst + (ay.mirrored ? ay.dstSize - 1 - i : i);
        const Span& rowSpan = rows[static_cast<std::size_t>(i)];
        if (rowSpan.count == 0) continue;
        for (int j = 0; j < ax.dstSize; ++j) {
            int dx = ax.dst + (ax.mirrored ? ax.dstSize - 1 - j : j);
            const Span& colSpan = columns[static_cast<std::size_t>(j)];
            if (colSpan.count == 0 || !dst.Contains(dx, dy)) continue;
            std::uint32_t value;
            if (!SourceValue(src, ax.src + colSpan.first, colSpan.count, ay.src + rowSpan.first, rowSpan.count,
                             scratch, value, src.monochrome, dst.monochrome, *srcDc, *dstDc))
                continue;
            ApplyRow(op, dst.At(dx, dy), &value, 1);
        }
    }
    return TRUE;
}
