// What hits lead to: points, the end of a level, a life lost, and the game over with the name
// form and the leaderboard line it records.
#include "game/GameScenario.h"
#include "game/SpriteUfo.h"

namespace MyGame {
namespace {

class OutcomesTest : public GameScenario {
protected:
    // The player hit inside a frame, as a step of play does it.
    void Hit(FormMain& game) {
        game.BeginFrame(false);
        game.PlayerHit();
    }
    static int Ufos(const FormMain& game) {
        int count = 0;
        for (const auto& sprite : game.enemies) count += dynamic_cast<const SpriteUfo*>(sprite.get()) != nullptr;
        return count;
    }
};

TEST_F(OutcomesTest, EachUfoScoresFiftyAndTheTwentiethCompletesTheLevel) {
    FormMain& game = Play();
    game.BeginFrame(false);
    for (int hit = 1; hit <= 19; ++hit) game.UfoShotDown();
    EXPECT_EQ(game.score, 950);
    EXPECT_EQ(game.ufoHitsLeft, 1);
    EXPECT_EQ(game.state, GameState::Playing);
    game.UfoShotDown();
    EXPECT_EQ(game.score, 1000);
    EXPECT_EQ(game.state, GameState::Interlude);
    EXPECT_EQ(game.level, 2);
    EXPECT_FALSE(game.IsFrameOpen());
}

TEST_F(OutcomesTest, ALostLifeShowsTheReplayPictureAndRebuildsTheSameLevel) {
    FormMain& game = Play();
    game.score = 350;
    game.ufoHitsLeft = 7;
    Hit(game);
    EXPECT_EQ(game.lives, 2);
    EXPECT_EQ(game.state, GameState::Interlude);
    EXPECT_TRUE(game.elements.empty());
    EXPECT_TRUE(game.movements.empty());
    EXPECT_TRUE(SamePixels(WindowBlock(game, 100, 200, 600, 200), PictureBlock(game, "replay.bmp", 100, 200, 600, 200)));

    Frames(85);
    EXPECT_EQ(game.state, GameState::Playing);
    EXPECT_EQ(game.level, 1);
    EXPECT_EQ(game.score, 350);
    EXPECT_EQ(game.ufoHitsLeft, 20);
    EXPECT_EQ(game.enemies.size(), 5u) << "the whole wave again";
    EXPECT_EQ(Ufos(game), 2);
}

TEST_F(OutcomesTest, TheLastLifeOpensTheNameFormCentredWithTheFocusInItsField) {
    FormMain& game = Play();
    game.lives = 1;
    Hit(game);
    EXPECT_EQ(game.lives, 0);
    EXPECT_EQ(game.state, GameState::NameEntry);
    EXPECT_TRUE(SamePixels(WindowBlock(game, 100, 200, 600, 200), PictureBlock(game, "gameover.bmp", 100, 200, 600, 200)));
    ASSERT_TRUE(game.nameForm);
    HWND form = game.nameForm->Handle();
    ASSERT_TRUE(IsWindowVisible(form));
    RECT main{}, box{};
    GetWindowRect(game.Handle(), &main);
    GetWindowRect(form, &box);
    EXPECT_EQ(box.left - main.left, (main.right - main.left - (box.right - box.left)) / 2);
    EXPECT_EQ(box.top - main.top, (main.bottom - main.top - (box.bottom - box.top)) / 2);
    EXPECT_EQ(GetFocus(), game.nameForm->textBox->Handle());
    EXPECT_EQ(game.nameForm->label->GetNarrowText(), "Inserisci il tuo nome:");

    Type('g');
    EXPECT_EQ(game.state, GameState::NameEntry) << "keys go to the name form";
}

TEST_F(OutcomesTest, AConfirmedNameIsRecordedOnceAndAnyCharacterReturnsToTheTitle) {
    FormMain& game = Play();
    game.score = 1250;
    game.lives = 1;
    Hit(game);
    for (char letter : std::string("mario")) Type(letter);
    Hold(VK_RETURN);
    Release(VK_RETURN);
    EXPECT_EQ(game.state, GameState::GameOver);
    EXPECT_FALSE(IsWindow(game.nameForm->Handle()));
    EXPECT_EQ(LeaderboardBytes(), "00001250 MARIO        Level 1\r\n");

    Frames(10);
    EXPECT_EQ(game.state, GameState::GameOver) << "the game-over picture stays";
    Type('x');
    EXPECT_EQ(game.state, GameState::Title);
    EXPECT_EQ(game.leaderboard, (std::vector<std::string>{"00001250 MARIO        Level 1"}));
    EXPECT_EQ(LeaderboardBytes(), "00001250 MARIO        Level 1\r\n") << "recorded once";
}

TEST_F(OutcomesTest, ClosingTheNameFormRecordsTheGameUnderTheNameConfirmedLast) {
    FormMain& game = Play();
    game.score = 50;
    game.level = 7;
    game.lives = 1;
    Hit(game);
    Backend().PressCloseButton(game.nameForm->Handle());
    Backend().PumpUntilIdle();
    EXPECT_EQ(game.state, GameState::GameOver);
    EXPECT_EQ(LeaderboardBytes(), "00000050              Level 7\r\n") << "no name confirmed yet in this run";

    // The next game over makes a new form, the old one deleted.
    Type('x');
    Type('g');
    OrloUtility::PlayerName() = "ANNA";
    game.score = 900;
    game.lives = 1;
    Hit(game);
    Backend().PressCloseButton(game.nameForm->Handle());
    Backend().PumpUntilIdle();
    EXPECT_EQ(LeaderboardBytes(), "00000900 ANNA         Level 1\r\n00000050              Level 7\r\n");
}

}  // namespace
}  // namespace MyGame
