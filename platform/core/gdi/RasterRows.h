// The row loops every block copy runs: one raster operation over a row, and one row of source
// pixels converted to the destination's format.
#pragma once

#include <cstdint>
#include <optional>

#include "gdi/GdiObjects.h"

namespace platform {

enum class Op { Copy, And, Or, Xor, NotCopy, Black, White, InvertDest, Unsupported };

Op OpOf(DWORD rop);

// The contexts of a block copy, checked: a destination, and a source when the operation reads
// one. Sets the error and gives nothing for a bad context or an operation we do not know.
struct BlitContexts {
    DeviceContext* destination;
    DeviceContext* source;  // null for operations without a source
    Op op;
};
std::optional<BlitContexts> CheckBlit(HDC destination, HDC source, DWORD rop);
bool UsesSource(Op op);
// One row: `src` is already in the destination's format (null for operations without a source).
void ApplyRow(Op op, std::uint32_t* dst, const std::uint32_t* src, int count);
// A row of scratch pixels at least `count` long, reused from call to call so the block
// copies of every frame allocate nothing once it has grown.
std::uint32_t* ScratchRow(std::size_t count);
// Converts one row of source pixels into the destination's format: colour to monochrome makes
// the source context's background colour white and every other colour black; monochrome to
// colour makes white the destination's background colour and black its text colour.
void ConvertRow(const std::uint32_t* src, std::uint32_t* out, int count, bool srcMono, bool dstMono,
                const DeviceContext& srcDc, const DeviceContext& dstDc);

}  // namespace platform
