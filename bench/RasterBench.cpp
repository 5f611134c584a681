// The speed of the raster paths every frame uses: a full-field copy next to memcpy of the same
// bytes, and a sprite-sized block copy.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "PlatformApi.h"
#include "backends/headless/HeadlessBackend.h"

namespace {

constexpr int kFieldWidth = 800;
constexpr int kFieldHeight = 600;

struct MemorySurface {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previous;
    MemorySurface(int width, int height) {
        dc = CreateCompatibleDC(nullptr);
        bitmap = CreateBitmap(width, height, 1, 32, nullptr);
        previous = SelectObject(dc, bitmap);
    }
    ~MemorySurface() {
        SelectObject(dc, previous);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
};

void BitBltFullField(benchmark::State& state) {
    platform::InstallHeadlessBackend();
    MemorySurface from(kFieldWidth, kFieldHeight), to(kFieldWidth, kFieldHeight);
    for (auto _ : state) BitBlt(to.dc, 0, 0, kFieldWidth, kFieldHeight, from.dc, 0, 0, SRCCOPY);
    state.SetBytesProcessed(state.iterations() * kFieldWidth * kFieldHeight * 4);
}
BENCHMARK(BitBltFullField);

void MemcpyFullField(benchmark::State& state) {
    std::vector<std::uint32_t> from(kFieldWidth * kFieldHeight, 1), to(kFieldWidth * kFieldHeight);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size() * sizeof(std::uint32_t));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kFieldWidth * kFieldHeight * 4);
}
BENCHMARK(MemcpyFullField);

void BitBltSpriteBlock(benchmark::State& state) {
    platform::InstallHeadlessBackend();
    MemorySurface sprite(45, 630), field(kFieldWidth, kFieldHeight);
    for (auto _ : state) BitBlt(field.dc, 300, 200, 45, 63, sprite.dc, 0, 126, SRCCOPY);
}
BENCHMARK(BitBltSpriteBlock);

}  // namespace
