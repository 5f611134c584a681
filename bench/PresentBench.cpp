// The cost of showing a frame on a real display (SDL, here on its dummy video driver, whose
// window surface is plain memory as on X11 without shared memory): the changed rectangles of a
// typical level-5 frame, then the whole window for scale.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "PlatformApi.h"
#include "backends/headless/HeadlessBackend.h"
#include "backends/sdl/SdlBackend.h"

namespace {

// Where sprites of a level-5 frame moved: thirteen asteroids, three UFOs, the ship and bullets,
// each box covering the old and the new place.
constexpr RECT kTypicalFrame[] = {
    {40, 60, 87, 125},   {150, 90, 197, 155},  {260, 40, 307, 105},  {370, 120, 417, 185}, {480, 70, 527, 135},
    {590, 30, 637, 95},  {700, 110, 747, 175}, {90, 220, 137, 285},  {210, 260, 257, 325}, {330, 210, 377, 275},
    {450, 250, 497, 315}, {570, 230, 617, 295}, {690, 270, 737, 335}, {120, 380, 162, 422}, {400, 360, 442, 402},
    {620, 400, 662, 442}, {368, 470, 434, 587}, {395, 430, 400, 468}, {512, 300, 527, 326},
};

class Display {
public:
    Display() {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ready_ = platform::InstallSdlBackend();
        if (!ready_) return;
        backend_ = static_cast<platform::SdlBackend*>(&platform::CurrentBackend());
        RECT outer{0, 0, 800, 600};
        AdjustWindowRect(&outer, WS_OVERLAPPEDWINDOW, FALSE);
        window_ = CreateWindowExW(0, L"static", L"Astrovex", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, outer.right - outer.left,
                                  outer.bottom - outer.top, nullptr, nullptr, nullptr, nullptr);
        backend_->Present();
        brush_ = CreateSolidBrush(RGB(200, 40, 40));
    }
    ~Display() {
        DeleteObject(brush_);
        DestroyWindow(window_);
        platform::InstallHeadlessBackend();
    }
    bool Ready() const { return ready_ && window_; }
    // Draws on the areas, then shows them.
    void Change(const RECT* areas, std::size_t count) {
        HDC dc = GetDC(window_);
        for (std::size_t i = 0; i < count; ++i) FillRect(dc, &areas[i], brush_);
        ReleaseDC(window_, dc);
    }
    void Present() { backend_->Present(); }

private:
    bool ready_ = false;
    platform::SdlBackend* backend_ = nullptr;
    HWND window_ = nullptr;
    HBRUSH brush_ = nullptr;
};

void Show(benchmark::State& state, const RECT* areas, std::size_t count) {
    Display display;
    if (!display.Ready()) {
        state.SkipWithError("no SDL display");
        return;
    }
    std::int64_t pixels = 0;
    for (std::size_t i = 0; i < count; ++i) pixels += (areas[i].right - areas[i].left) * (areas[i].bottom - areas[i].top);
    for (auto _ : state) {
        state.PauseTiming();
        display.Change(areas, count);
        state.ResumeTiming();
        display.Present();
    }
    state.counters["changed_pixels"] = static_cast<double>(pixels);
}

void PresentTypicalFrame(benchmark::State& state) { Show(state, kTypicalFrame, std::size(kTypicalFrame)); }
BENCHMARK(PresentTypicalFrame)->Unit(benchmark::kMicrosecond);

void PresentWholeWindow(benchmark::State& state) {
    const RECT whole{0, 0, 800, 600};
    Show(state, &whole, 1);
}
BENCHMARK(PresentWholeWindow)->Unit(benchmark::kMicrosecond);

}  // namespace
