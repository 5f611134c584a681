// Fixture that plays whole games of FormMain through real platform messages on the virtual
// clock: a working folder of its own beside a copy of the shipped asset folder, a data folder
// of its own for the leaderboard, silent sound, a fixed random seed, and the game's
// process-wide values back at their start for every test.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "TempFolder.h"
#include "game/FormMain.h"
#include "toolkit/game/GameFormTest.h"

namespace MyGame {

class GameScenario : public GameFormTest {
protected:
    // One frame of the game's timer.
    static constexpr int kFrameMs = 20;
    static constexpr int kFieldWidth = 800;
    static constexpr int kFieldHeight = 600;

    void SetUp() override;
    void TearDown() override;

    // The game, made as the program makes it: its title screen is up.
    FormMain& Open();
    // Opened, "G" typed: level 1 is being played.
    FormMain& Play();

    // A character typed on the keyboard, as its key.
    void Type(char letter);
    void Hold(UINT key);
    void Release(UINT key);
    // Lets the timer run for this many frames.
    void Frames(int count);
    // One tick of the game at `ms` after the previous one, called directly (no message): for
    // tests that need the exact elapsed time.
    void TickAfter(FormMain& game, int ms);

    // The leaderboard file's bytes; none when it is missing.
    std::optional<std::string> LeaderboardBytes() const;
    // Writes the leaderboard file.
    void StoreLeaderboard(const std::string& bytes) const;
    // The asset folder the game uses.
    std::string AssetFolder() const { return root_ + "/images_games"; }

    // What a block of the field should show: `draw` paints on a fresh surface of that size,
    // filled with `background`, with the game's font at hand.
    Pixels Rendered(FormMain& game, int width, int height, COLORREF background,
                    const std::function<void(OrloUtility::Drawing&, OrloUtility::FontInfo&)>& draw);
    // The same with the three marker pixels of the top-left corner written last.
    Pixels RenderedWithMarkers(FormMain& game, int width, int height, COLORREF background,
                               const std::function<void(OrloUtility::Drawing&, OrloUtility::FontInfo&)>& draw);
    // A block of a picture file of the asset folder, as the game draws it at (0, 0).
    Pixels PictureBlock(FormMain& game, const std::string& file, int x, int y, int width, int height);
    // How many pixels of the window's block differ from `colour`.
    int PixelsNotOf(FormMain& game, int x, int y, int width, int height, COLORREF colour);

private:
    TempFolder temp_{"astrovex-game"};
    const std::string root_ = temp_.Text();
    std::string savedWorkingFolder_;
    std::optional<std::string> savedDataHome_;
    std::optional<std::string> savedHome_;
};

}  // namespace MyGame
