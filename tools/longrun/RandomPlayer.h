// A person at the keyboard, played by a seeded generator: on the title screen they start a
// game, in play they steer with held arrow keys, hold and let go of the fire key, now and then
// pause for a while or skip a level, and at the game over they type a name and press Enter or
// close the name form. Everything goes through the headless backend as real key input.
#pragma once

#include <random>
#include <set>

#include "backends/headless/HeadlessBackend.h"
#include "game/FormMain.h"

namespace LongRun {

// What the player has done so far.
struct PlayerTally {
    long gamesStarted = 0;
    long namesTyped = 0;
    long nameFormsClosed = 0;
    long pauses = 0;
    long levelsSkipped = 0;
};

class RandomPlayer {
public:
    RandomPlayer(platform::HeadlessBackend& backend, unsigned seed);

    // Acts on the game in its present phase; returns how many virtual milliseconds pass before
    // the player acts again.
    int Act(MyGame::FormMain& game);

    const PlayerTally& Tally() const { return tally_; }

private:
    int OnTitle();
    int InPlay();
    int WhilePaused();
    int AtNameForm(MyGame::FormMain& game);
    int AtGameOver();

    // Holds `key` when `down`, lets it go otherwise (nothing when it already is so).
    void SetHeld(UINT key, bool down);
    void ReleaseAll();
    void TypeName();
    bool Chance(double probability);
    int Between(int low, int high);

    platform::HeadlessBackend& backend_;
    std::mt19937 random_;
    std::set<UINT> held_;
    PlayerTally tally_;
};

}  // namespace LongRun
