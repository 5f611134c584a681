// Feeds arbitrary bytes to the bitmap decoder as a file's content. It must refuse or decode
// without reading or writing out of bounds (the sanitizers watch), and what it decodes must be
// a picture its caller can trust. A broken expectation aborts, which libFuzzer reports.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

#include "gdi/BmpDecoder.h"

namespace {

void Expect(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "bitmap expectation broken: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto decoded = platform::DecodeBmp(std::span<const std::uint8_t>(data, size));
    if (!decoded) return 0;
    Expect(decoded->width > 0 && decoded->height > 0, "a picture has a size");
    Expect(decoded->width <= 32768 && decoded->height <= 32768, "no side past 32768");
    const auto pixels = static_cast<std::size_t>(decoded->width) * static_cast<std::size_t>(decoded->height);
    Expect(decoded->pixels.size() == pixels, "one pixel for each place");
    for (std::uint32_t pixel : decoded->pixels) {
        Expect((pixel & 0xFF000000u) == 0, "pixels are 0x00RRGGBB");
        if (decoded->monochrome) Expect(pixel == 0 || pixel == 0xFFFFFF, "monochrome is black or white");
    }
    return 0;
}
