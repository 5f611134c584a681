// The long run: random games of Astrovex on the headless backend's virtual clock for hours of
// virtual time, watching for leaks, for a window that stops showing the scene, for objects
// leaving the field, for a phase the game never leaves and for exceptions. Prints what it
// played and found; exits 1 when an invariant broke, 2 on a command line it does not know.
#include <chrono>
#include <cstdio>
#include <iostream>

#include "ObjectCensus.h"
#include "RunOptions.h"
#include "ScratchFolders.h"
#include "Session.h"
#include "backends/headless/HeadlessBackend.h"
#include "game/ProcessState.h"
#include "toolkit/drawing/RandomBetween.h"

namespace {

void PrintSummary(const LongRun::RunSummary& summary, const LongRun::PlayerTally& tally, double wallSeconds) {
    std::printf("played %.2f virtual hours in %.1f s wall\n", summary.virtualMs / 3600000.0, wallSeconds);
    std::printf("games started %ld, game overs %ld (names typed %ld, name forms closed %ld), highest level %d\n",
                summary.gamesStarted, summary.gamesOver, tally.namesTyped, tally.nameFormsClosed,
                summary.highestLevel);
    std::printf("pauses %ld, levels skipped %ld\n", tally.pauses, tally.levelsSkipped);
    std::printf("peak memory (maxrss) %.1f MiB\n", LongRun::PeakMemoryKiB() / 1024.0);
    std::printf("checks: picture %ld, field %ld, object counts %ld\n", summary.pictureChecks, summary.fieldChecks,
                summary.censusChecks);
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<LongRun::RunOptions> options = LongRun::ParseOptions(argc, argv);
    if (!options) {
        std::cerr << LongRun::Usage(argv[0]) << '\n';
        return 2;
    }
    LongRun::ScratchFolders folders(ASTROVEX_ASSET_DIR);
    if (!folders.Ready()) {
        std::cerr << "cannot make the scratch folders in /tmp\n";
        return 2;
    }
    platform::HeadlessBackend& backend = platform::InstallHeadlessBackend();
    MyGame::Process() = MyGame::ProcessState{};
    OrloUtility::SeedRandom(options->seed);
    std::printf("astrovex long run: seed %u, %.2f virtual hours\n", options->seed, options->virtualMs / 3600000.0);

    const auto wallStart = std::chrono::steady_clock::now();
    LongRun::Session session(backend, *options, std::cout);
    const LongRun::RunSummary summary = session.Run();
    const double wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();

    PrintSummary(summary, session.Tally(), wallSeconds);
    std::printf("platform objects after the game form went: %s\n",
                LongRun::Describe(platform::CountObjects()).c_str());
    if (!summary.broken.empty()) {
        std::printf("INVARIANT BROKEN %s\n", summary.broken.c_str());
        return 1;
    }
    std::printf("all invariants held\n");
    return 0;
}
