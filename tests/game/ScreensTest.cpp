// The title screen with its blinking prompt and its leaderboard line, the pictures between
// levels, and the status line: compared region by region with what the game should draw there.
#include "game/GameScenario.h"

namespace MyGame {
namespace {

using OrloUtility::Drawing;
using OrloUtility::FontInfo;

constexpr COLORREF kBlack = 0, kWhite = 0xFFFFFF, kRed = 0x0000FF, kBlue = 0xFF0000;

class ScreensTest : public GameScenario {
protected:
    // The next blink of the title, half a second and a little after the last.
    void Blink(FormMain& game) {
        Backend().AdvanceClock(501);
        game.TitleStep();
    }
    Pixels TopLine(FormMain& game, const std::string& text) {
        return RenderedWithMarkers(game, 800, 20, kWhite, [&](Drawing& surface, FontInfo& font) {
            surface.DrawString(0, 0, 0, 0, text, kBlack, Drawing::kAlignLeft, &font);
        });
    }
    Pixels Prompt(FormMain& game, COLORREF colour) {
        return Rendered(game, 320, 20, kBlue, [&](Drawing& surface, FontInfo& font) {
            surface.DrawString(0, 0, 0, 0, std::string("Premi il tasto [G] per giocare"), colour, Drawing::kAlignLeft,
                               &font);
        });
    }
    Pixels Hud(FormMain& game, const std::string& score, const std::string& lives, const std::string& level) {
        const int height = game.lineHeight + 4;
        return RenderedWithMarkers(game, 800, height, kBlack, [&](Drawing& surface, FontInfo& font) {
            surface.DrawString(2, 2, 0, 0, score, kWhite, Drawing::kAlignLeft, &font);
            surface.DrawString(2, 2, 796, height, lives, kWhite, Drawing::kAlignCentre, &font);
            surface.DrawString(2, 2, 796, height, level, kWhite, Drawing::kAlignRight, &font);
        });
    }
};

TEST_F(ScreensTest, TheTitleScreenShowsTheLogoAndTheNoticeLine) {
    FormMain& game = Open();
    EXPECT_EQ(game.state, GameState::Title);
    EXPECT_GT(game.lineHeight, 10);
    EXPECT_TRUE(SamePixels(WindowBlock(game, 3, 30, 200, 200), PictureBlock(game, "logo.bmp", 3, 30, 200, 200)));
    // Yellow text over the logo: counted with its anti-aliased edges, which a thin face has
    // more of than full-yellow pixels, against what the logo has there of its own.
    auto yellowish = [](const Pixels& block) {
        int count = 0;
        for (const auto& row : block)
            for (COLORREF pixel : row)
                count += GetRValue(pixel) >= 0x80 && GetGValue(pixel) >= 0x80 && GetBValue(pixel) < 0x60;
        return count;
    };
    const int logoOwn = yellowish(PictureBlock(game, "logo.bmp", 215, 250, 585, 20));
    EXPECT_GT(yellowish(WindowBlock(game, 215, 250, 585, 20)), logoOwn + 100) << "the notice line in yellow";
}

TEST_F(ScreensTest, TheLeaderboardLineShowsEachEntryInTurnEveryFifthBlink) {
    StoreLeaderboard("00004250 ANNA         Level 3\r\n00000900 BRUNO        Level 2\r\n00000050 CARLA        Level 1\r\n");
    FormMain& game = Open();
    ASSERT_EQ(game.leaderboard.size(), 3u);
    const Pixels untouched = WindowBlock(game, 0, 0, 800, 20);
    game.TitleStep();  // starts the blink clock
    EXPECT_TRUE(SamePixels(WindowBlock(game, 0, 0, 800, 20), untouched)) << "the first call draws nothing";

    const std::string entries[] = {"00004250 ANNA         Level 3", "00000900 BRUNO        Level 2",
                                   "00000050 CARLA        Level 1"};
    const char* rows[] = {" 1", " 2", " 3", " 1"};
    for (int shown = 0; shown < 4; ++shown) {
        SCOPED_TRACE(shown);
        const std::string line = std::string("Classifica: ") + rows[shown] + "\xB0 Score " + entries[shown % 3];
        Blink(game);
        EXPECT_TRUE(SamePixels(WindowBlock(game, 0, 0, 800, 20), TopLine(game, line)));
        for (int blink = 0; blink < 4; ++blink) {
            Blink(game);
            EXPECT_TRUE(SamePixels(WindowBlock(game, 0, 0, 800, 20), TopLine(game, line))) << "unchanged between";
        }
    }
}

TEST_F(ScreensTest, ThePromptBlinksBetweenRedAndWhiteAndAnEmptyLeaderboardDrawsNoTopLine) {
    FormMain& game = Open();
    ASSERT_TRUE(game.leaderboard.empty());
    const Pixels logoTop = WindowBlock(game, 0, 0, 800, 20);
    game.TitleStep();
    const COLORREF colours[] = {kWhite, kRed, kWhite, kRed, kWhite, kRed, kWhite};
    for (COLORREF colour : colours) {
        Blink(game);
        EXPECT_TRUE(SamePixels(WindowBlock(game, 480, 570, 320, 20), Prompt(game, colour)));
    }
    EXPECT_TRUE(SamePixels(WindowBlock(game, 0, 0, 800, 20), logoTop));
}

TEST_F(ScreensTest, TheStatusLineShowsScoreLivesAndLevel) {
    FormMain& game = Play();
    const int height = game.lineHeight + 4;
    EXPECT_TRUE(SamePixels(WindowBlock(game, 0, 0, 800, height), Hud(game, "Score: 000000", "Lives: 3", "Level: 1")));
    game.BeginFrame(false);
    game.UfoShotDown();
    game.EndFrame();
    EXPECT_TRUE(SamePixels(WindowBlock(game, 0, 0, 800, height), Hud(game, "Score: 000050", "Lives: 3", "Level: 1")));
}

TEST_F(ScreensTest, WithoutAFontHeightTheStatusBarIsThreePixelsHigh) {
    FormMain& game = Play();
    game.BeginFrame(false);
    game.FillBoxBoth(0, 0, 800, 30, kWhite);
    game.lineHeight = -1;
    game.DrawHud();
    game.EndFrame();
    EXPECT_EQ(PixelsNotOf(game, 3, 0, 797, 2, kBlack), 0) << "rows 0 and 1 black";
    EXPECT_GT(PixelsNotOf(game, 0, 2, 800, 1, kWhite), 700) << "row 2 black but for the text";
    EXPECT_EQ(PixelsNotOf(game, 0, 3, 800, 27, kWhite), 0) << "nothing below";
}

TEST_F(ScreensTest, ThePicturesBetweenLevelsCoverTheField) {
    FormMain& game = Play();
    game.BeginFrame(false);
    game.LevelComplete();
    EXPECT_TRUE(SamePixels(WindowBlock(game, 100, 200, 600, 200), PictureBlock(game, "livello.bmp", 100, 200, 600, 200)));
}

}  // namespace
}  // namespace MyGame
