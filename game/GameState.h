// The phases of a game, in the order a game first passes through them.
#pragma once

#include <cstdint>

namespace MyGame {

enum class GameState : std::int32_t {
    // A level is being built; neither the tick nor typed characters act.
    Building = 0,
    // The title screen with the leaderboard is up.
    Title = 1,
    // The level is running.
    Playing = 2,
    // Play is frozen; also held while a completed level or a hit is being dealt with.
    Paused = 3,
    // A level or replay picture is shown; the next level is built 1.5 s later.
    Interlude = 4,
    // The game is over and the name form is open.
    NameEntry = 5,
    // The score has been recorded; any typed character goes back to the title.
    GameOver = 6,
};

}  // namespace MyGame
