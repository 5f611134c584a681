// The CPU time of one 20 ms frame of the game at level 5 (13 asteroids, three UFOs, bullets in
// flight); RasterBench's memcpy of the whole field runs beside it for scale.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "AllocationCounter.h"
#include "backends/headless/HeadlessBackend.h"
#include "game/FormMain.h"
#include "game/ProcessState.h"
#include "toolkit/drawing/RandomBetween.h"

namespace {

namespace fs = std::filesystem;

// A working folder beside the shipped pictures, and a data folder of its own for the
// leaderboard, for as long as the benchmark runs.
class GameFolders {
public:
    GameFolders() {
        char pattern[] = "/tmp/astrovex-bench-XXXXXX";
        root_ = mkdtemp(pattern);
        fs::create_directory_symlink(ASTROVEX_ASSET_DIR, root_ / "images_games");
        fs::create_directories(root_ / "play");
        fs::create_directories(root_ / "data");
        previous_ = fs::current_path();
        fs::current_path(root_ / "play");
        setenv("XDG_DATA_HOME", (root_ / "data").c_str(), 1);
    }
    ~GameFolders() {
        fs::current_path(previous_);
        fs::remove_all(root_);
    }

private:
    fs::path root_;
    fs::path previous_;
};

// Level 5 in play with a few of the player's bullets in the air.
void RefillLevelFive(MyGame::FormMain& game, platform::HeadlessBackend& backend) {
    if (game.state != MyGame::GameState::Playing) {
        game.lives = 3;
        game.level = 5;
        game.StartLevel();
        game.OnTick();
    }
    while (game.playerBullets.size() < 3) {
        backend.AdvanceClock(400);
        game.BeginFrame(false);
        game.FirePlayerBullet(game.playerBulletTemplate);
        game.EndFrame();
        game.OnTick();
    }
}

void GameFrameAtLevelFive(benchmark::State& state) {
    GameFolders folders;
    platform::HeadlessBackend& backend = platform::InstallHeadlessBackend();
    MyGame::Process() = MyGame::ProcessState{};
    OrloUtility::SeedRandom(5);
    {
        MyGame::FormMain game(reinterpret_cast<HINSTANCE>(0x400000), "Astrovex");
        game.OnGameChar(L'g');
        game.level = 5;
        game.StartLevel();
        game.OnTick();
        bench::Allocations made{};
        std::int64_t framesWithout = 0;
        for (auto _ : state) {
            state.PauseTiming();
            RefillLevelFive(game, backend);
            backend.AdvanceClock(20);
            const bench::Allocations before = bench::AllocationsSoFar();
            state.ResumeTiming();
            game.OnTick();
            state.PauseTiming();
            const bench::Allocations after = bench::AllocationsSoFar();
            made.count += after.count - before.count;
            made.bytes += after.bytes - before.bytes;
            framesWithout += after.count == before.count ? 1 : 0;
            state.ResumeTiming();
        }
        // Frames that made something (a shot fired, a sprite spawned) are expected now and then;
        // a steady frame makes nothing.
        const double frames = static_cast<double>(state.iterations());
        state.counters["allocs_per_frame"] = static_cast<double>(made.count) / frames;
        state.counters["alloc_bytes_per_frame"] = static_cast<double>(made.bytes) / frames;
        state.counters["frames_allocating_nothing_pct"] = 100.0 * static_cast<double>(framesWithout) / frames;
    }
    platform::InstallHeadlessBackend();
}
BENCHMARK(GameFrameAtLevelFive)->Unit(benchmark::kMicrosecond);

}  // namespace
