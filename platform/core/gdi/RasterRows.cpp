#include "gdi/RasterRows.h"

#include <algorithm>
#include <vector>

namespace platform {

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

std::optional<BlitContexts> CheckBlit(HDC destination, HDC source, DWORD rop) {
    Op op = OpOf(rop);
    DeviceContext* dst = FindDc(destination);
    DeviceContext* src = UsesSource(op) ? FindDc(source) : nullptr;
    if (!dst || (UsesSource(op) && !src)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return std::nullopt;
    }
    if (op == Op::Unsupported) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return std::nullopt;
    }
    return BlitContexts{dst, src, op};
}

std::uint32_t* ScratchRow(std::size_t count) {
    static thread_local std::vector<std::uint32_t> row;
    if (row.size() < count) row.resize(count);
    return row.data();
}

bool UsesSource(Op op) { return op != Op::Black && op != Op::White && op != Op::InvertDest; }

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

}  // namespace platform
