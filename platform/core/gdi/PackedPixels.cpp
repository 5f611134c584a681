#include "gdi/PackedPixels.h"

#include <algorithm>

#include "PlatformState.h"

namespace platform {

namespace {

// Smaller bitmaps (sprites, saved backgrounds) would save too little to be worth the time.
constexpr std::size_t kSmallestPacked = 256 * 1024;

// The number of runs, or more than `limit` once they pass it.
std::size_t CountRuns(const PixelBuffer& pixels, std::size_t limit) {
    std::size_t runs = 0;
    for (std::size_t i = 0; i < pixels.size() && runs <= limit; ++runs) {
        const std::uint32_t colour = pixels[i];
        while (i < pixels.size() && pixels[i] == colour) ++i;
    }
    return runs;
}

// Packs the bitmap as runs when that is worth it; false when it is not.
bool Pack(BitmapObject& bitmap) {
    // Each run takes two words: worth it at a quarter of the pixels' room or less.
    const std::size_t limit = bitmap.pixels.size() / 8;
    const std::size_t runs = CountRuns(bitmap.pixels, limit);
    if (runs > limit) return false;
    std::vector<std::uint32_t> packed;
    packed.reserve(runs * 2);
    const PixelBuffer& pixels = bitmap.pixels;
    for (std::size_t i = 0; i < pixels.size();) {
        const std::uint32_t colour = pixels[i];
        const std::size_t start = i;
        while (i < pixels.size() && pixels[i] == colour && i - start < 0xFFFFFFFFu) ++i;
        packed.push_back(static_cast<std::uint32_t>(i - start));
        packed.push_back(colour);
    }
    bitmap.runs = std::move(packed);
    bitmap.pixels = PixelBuffer();
    bitmap.packed = true;
    return true;
}

}  // namespace

void NoteBitmapIdle(HBITMAP handle, BitmapObject& bitmap, std::uint64_t nowMs) {
    if (bitmap.packed || bitmap.selections > 0 || bitmap.pixels.size() < kSmallestPacked) return;
    bitmap.idleSinceMs = nowMs;
    std::vector<HBITMAP>& noted = State().gdi.packCandidates;
    if (std::find(noted.begin(), noted.end(), handle) == noted.end()) noted.push_back(handle);
}

void PackIdleBitmaps(std::uint64_t nowMs) {
    GdiState& gdi = State().gdi;
    std::erase_if(gdi.packCandidates, [&gdi, nowMs](HBITMAP handle) {
        auto* bitmap = FindGdi<BitmapObject>(handle, GdiObject::Kind::Bitmap);
        // Gone, or back in a context: its next release notes it again.
        if (!bitmap || bitmap->packed || bitmap->selections > 0) return true;
        if (nowMs - bitmap->idleSinceMs < kPackAfterIdleMs) return false;
        if (Pack(*bitmap) || bitmap->deflateRefusedIn == bitmap->timesTaken) return true;
        // One bitmap deflates at a time; the others wait their turn.
        if (gdi.deflation) return false;
        gdi.deflation = PixelDeflation::Start(handle, *bitmap);
        return true;
    });
    if (gdi.deflation && gdi.deflation->Step(FindGdi<BitmapObject>(gdi.deflation->Handle(), GdiObject::Kind::Bitmap)))
        gdi.deflation.reset();
}

bool Unpack(BitmapObject& bitmap) {
    if (!bitmap.packed) return true;
    if (!bitmap.deflated.empty()) return InflatePixels(bitmap);
    PixelBuffer pixels(static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.height));
    if (pixels.empty()) return false;
    std::uint32_t* out = pixels.data();
    for (std::size_t i = 0; i + 1 < bitmap.runs.size(); i += 2) out = std::fill_n(out, bitmap.runs[i], bitmap.runs[i + 1]);
    bitmap.pixels = std::move(pixels);
    bitmap.runs = {};
    bitmap.packed = false;
    return true;
}

}  // namespace platform
