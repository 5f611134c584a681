// The platform's objects counted at the start of every game: a game that ends must give back
// what it made, so from one game start to the next the counts stay the same. The pictures the
// game caches on first use are left out, and so is the first game, which makes what the rest
// of the run keeps (the name form of the last game over lives until the next one).
#pragma once

#include <optional>
#include <string>

#include "core/ObjectCounts.h"
#include "game/FormMain.h"

namespace LongRun {

class ObjectCensus {
public:
    // A description of the counts that grew since the second game started; none when none did.
    std::optional<std::string> AtGameStart(const MyGame::FormMain& game, long gameNumber);

private:
    std::optional<platform::ObjectCounts> measure_;
    long measureGame_ = 0;
};

// The counts in one line.
std::string Describe(const platform::ObjectCounts& counts);

}  // namespace LongRun
