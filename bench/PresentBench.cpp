// The cost of showing a frame on a real display: the changed rectangles of a typical level-5
// frame, then the whole window for scale. On X (when DISPLAY names a server: an Xvfb will do)
// the time includes the server reading the rectangles from shared memory and answering the
// round trip that waits for it; on SDL's dummy video driver the window surface is plain memory,
// so it times our side's copy alone.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <string>

#include "PlatformApi.h"
#include "backends/headless/HeadlessBackend.h"
#include "backends/sdl/SdlBackend.h"
#include "backends/x11/X11Backend.h"

namespace {

// Where sprites of a level-5 frame moved: thirteen asteroids, three UFOs, the ship and bullets,
// each box covering the old and the new place.
constexpr RECT kTypicalFrame[] = {
    {40, 60, 87, 125},   {150, 90, 197, 155},  {260, 40, 307, 105},  {370, 120, 417, 185}, {480, 70, 527, 135},
    {590, 30, 637, 95},  {700, 110, 747, 175}, {90, 220, 137, 285},  {210, 260, 257, 325}, {330, 210, 377, 275},
    {450, 250, 497, 315}, {570, 230, 617, 295}, {690, 270, 737, 335}, {120, 380, 162, 422}, {400, 360, 442, 402},
    {620, 400, 662, 442}, {368, 470, 434, 587}, {395, 430, 400, 468}, {512, 300, 527, 326},
};

enum class Kind { Sdl, X11 };

class Display {
public:
    explicit Display(Kind kind) : kind_(kind) {
        std::string reason;
        if (kind == Kind::Sdl) setenv("SDL_VIDEODRIVER", "dummy", 1);
        ready_ = kind == Kind::Sdl ? platform::InstallSdlBackend() : platform::InstallX11Backend(reason);
        if (!ready_) return;
        RECT outer{0, 0, 800, 600};
        AdjustWindowRect(&outer, WS_OVERLAPPEDWINDOW, FALSE);
        window_ = CreateWindowExW(0, L"static", L"Astrovex", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, outer.right - outer.left,
                                  outer.bottom - outer.top, nullptr, nullptr, nullptr, nullptr);
        // The X server maps the window in its own time; only a mapped window is presented.
        for (int i = 0; i < 100; ++i) {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
            usleep(2000);
        }
        Present();
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
    void Present() {
        if (kind_ == Kind::Sdl) static_cast<platform::SdlBackend&>(platform::CurrentBackend()).Present();
        else static_cast<platform::X11Backend&>(platform::CurrentBackend()).Present();
    }

private:
    Kind kind_;
    bool ready_ = false;
    HWND window_ = nullptr;
    HBRUSH brush_ = nullptr;
};

void Show(benchmark::State& state, Kind kind, const RECT* areas, std::size_t count) {
    Display display(kind);
    if (!display.Ready()) {
        state.SkipWithError(kind == Kind::Sdl ? "no SDL display" : "no X display (set DISPLAY)");
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

constexpr RECT kWholeWindow{0, 0, 800, 600};

void PresentTypicalFrame(benchmark::State& state) { Show(state, Kind::Sdl, kTypicalFrame, std::size(kTypicalFrame)); }
BENCHMARK(PresentTypicalFrame)->Unit(benchmark::kMicrosecond);

void PresentWholeWindow(benchmark::State& state) { Show(state, Kind::Sdl, &kWholeWindow, 1); }
BENCHMARK(PresentWholeWindow)->Unit(benchmark::kMicrosecond);

void PresentTypicalFrameX11(benchmark::State& state) {
    Show(state, Kind::X11, kTypicalFrame, std::size(kTypicalFrame));
}
BENCHMARK(PresentTypicalFrameX11)->Unit(benchmark::kMicrosecond);

void PresentWholeWindowX11(benchmark::State& state) { Show(state, Kind::X11, &kWholeWindow, 1); }
BENCHMARK(PresentWholeWindowX11)->Unit(benchmark::kMicrosecond);

}  // namespace
