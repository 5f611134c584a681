// One long run: the game made as the program makes it, played by the random player on the
// headless backend's virtual clock for the time asked, through game overs and new games, with
// the invariants checked as it goes. The run stops at the first invariant that breaks.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>

#include "ObjectCensus.h"
#include "RandomPlayer.h"
#include "RunOptions.h"

namespace LongRun {

// What happened, for the report.
struct RunSummary {
    std::uint64_t virtualMs = 0;
    long gamesStarted = 0;
    long gamesOver = 0;
    int highestLevel = 0;
    long pictureChecks = 0;
    long fieldChecks = 0;
    long censusChecks = 0;
    // The first invariant broken; empty when all held.
    std::string broken;
};

class Session {
public:
    Session(platform::HeadlessBackend& backend, const RunOptions& options, std::ostream& log);

    // Plays the whole run; the summary tells whether every invariant held.
    RunSummary Run();

    const PlayerTally& Tally() const { return player_.Tally(); }

private:
    void Play(MyGame::FormMain& game);
    void Observe(MyGame::FormMain& game);
    void CheckPicture(MyGame::FormMain& game);
    void ReportHour(const MyGame::FormMain& game);
    void Break(const std::string& what);
    bool Elapsed(std::uint64_t since, std::uint64_t ms) const;
    std::string VirtualTime() const;

    platform::HeadlessBackend& backend_;
    RunOptions options_;
    std::ostream& log_;
    RandomPlayer player_;
    ObjectCensus census_;
    RunSummary summary_;
    std::uint64_t startMs_ = 0;
    std::uint64_t stateSinceMs_ = 0;
    std::uint64_t lastPictureMs_ = 0;
    std::uint64_t lastReportMs_ = 0;
    MyGame::GameState previousState_ = MyGame::GameState::Building;
    std::chrono::steady_clock::time_point wallStart_;
};

// Kilobytes of the largest resident set so far.
long PeakMemoryKiB();

}  // namespace LongRun
