// The speed of the toolkit's per-sprite drawing: one transparent animation frame (its mask drawn
// anew in the surface's kept mask) next to a plain copy of the same block, and a line of text.
#include <benchmark/benchmark.h>

#include "PlatformApi.h"
#include "backends/headless/HeadlessBackend.h"
#include "toolkit/drawing/Drawing.h"
#include "toolkit/drawing/FontInfo.h"

namespace {

constexpr int kFrameWidth = 45;
constexpr int kFrameHeight = 63;
constexpr int kFrames = 10;

// A scene surface of the field's size and a stack of asteroid-sized frames.
struct Scene {
    OrloUtility::Drawing surface{nullptr};
    HBITMAP frames;
    Scene() {
        HDC screen = GetDC(nullptr);
        HDC scene = CreateCompatibleDC(screen);
        SelectObject(scene, CreateCompatibleBitmap(screen, 800, 600));
        frames = CreateCompatibleBitmap(screen, kFrameWidth, kFrameHeight * kFrames);
        ReleaseDC(nullptr, screen);
        surface.StorePrivateContext(scene);
    }
    ~Scene() {
        surface.EndDrawing();
        DeleteObject(frames);
    }
};

void DrawMaskedPartFrame(benchmark::State& state) {
    platform::InstallHeadlessBackend();
    Scene scene;
    for (auto _ : state) scene.surface.DrawMaskedPart(300, 200, kFrameWidth, kFrameHeight, scene.frames, 2 * kFrameHeight);
}
BENCHMARK(DrawMaskedPartFrame);

void DrawBitmapPartFrame(benchmark::State& state) {
    platform::InstallHeadlessBackend();
    Scene scene;
    for (auto _ : state)
        scene.surface.DrawBitmapPart(300, 200, kFrameWidth, kFrameHeight, scene.frames, 0, 2 * kFrameHeight);
}
BENCHMARK(DrawBitmapPartFrame);

void DrawStringLine(benchmark::State& state) {
    platform::InstallHeadlessBackend();
    Scene scene;
    OrloUtility::FontInfo font("Lucida Console", 16);
    const std::string line = "PUNTI 000150  VITE 3";  // 20 characters, as the status line
    for (auto _ : state) scene.surface.DrawString(10, 570, 0, 0, line, RGB(255, 255, 0), 0, &font);
}
BENCHMARK(DrawStringLine);

}  // namespace
