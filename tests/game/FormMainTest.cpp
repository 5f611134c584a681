// The game form's state: what a new FormMain holds, emptying its strategy and sprite lists,
// and releasing everything it owns when it is destroyed.
#include "game/FormMain.h"
#include "game/SpriteAsteroidi.h"
#include "toolkit/drawing/Colours.h"
#include "game/GameScenario.h"

namespace MyGame {
namespace {

using OrloUtility::SpriteAnim;

class StandStill : public SpriteAnim {
public:
    using SpriteAnim::SpriteAnim;
    void Step() override {}
    std::unique_ptr<SpriteAnim> Clone() const override { return std::make_unique<StandStill>(*this); }
};

class FormMainTest : public GameScenario {
protected:
    // An asteroid drawn with the cached picture, listed in `enemies` and on the field.
    void AddAsteroid(FormMain& game, HBITMAP picture) {
        auto rock = std::make_unique<SpriteAsteroidi>(10, 10, picture, game);
        game.AddSprite(*rock);
        game.frameAnimations.push_back(std::make_unique<StandStill>(*rock, game.asteroidATemplate));
        game.movements.push_back(std::make_unique<StandStill>(*rock, game.asteroidATemplate));
        game.enemies.push_back(std::move(rock));
    }
    // A picture as the cache holds it: owned by the form.
    HBITMAP CachePicture(FormMain& game, const std::string& path) {
        HBITMAP picture = PatternBitmap(10, 10);
        game.bitmapCache[path].reset(picture);
        return picture;
    }
};

TEST_F(FormMainTest, ANewGameFormShowsTheTitleAndHoldsNothingElseYet) {
    auto& game = MakeGame<FormMain>();
    EXPECT_EQ(game.state, GameState::Title);
    EXPECT_GT(game.lineHeight, 0) << "measured for the title screen";
    EXPECT_EQ(game.bitmapCache.size(), 1u) << "the title picture only";
    EXPECT_TRUE(game.enemies.empty());
    EXPECT_TRUE(game.playerBullets.empty());
    EXPECT_TRUE(game.enemyBullets.empty());
    EXPECT_TRUE(game.frameAnimations.empty());
    EXPECT_TRUE(game.movements.empty());
    EXPECT_TRUE(game.leaderboard.empty());
    EXPECT_EQ(game.player, nullptr);
    EXPECT_EQ(game.nameForm, nullptr);
    EXPECT_EQ(game.negativeStep, -2);
    EXPECT_EQ(game.positiveStep, 2);
    EXPECT_EQ(game.ufoHitsLeft, 0);
    EXPECT_EQ(game.titleRow, 0);
    EXPECT_FALSE(game.joystickEnabled);
    EXPECT_FALSE(game.singleKeyMode) << "moving and firing are held together";
    EXPECT_EQ(game.ufoTemplate.framePeriodMs, 60);
    EXPECT_EQ(game.playerTemplate.kindName, "");
}

TEST_F(FormMainTest, ClearAnimationsEmptiesBothStrategyListsAndKeepsTheSprites) {
    auto& game = MakeGame<FormMain>();
    game.ClearAnimations();
    EXPECT_TRUE(game.frameAnimations.empty());

    HBITMAP picture = CachePicture(game, "..\\images_games\\asteroide_notte.bmp");
    AddAsteroid(game, picture);
    AddAsteroid(game, picture);
    game.ClearAnimations();
    EXPECT_TRUE(game.frameAnimations.empty());
    EXPECT_TRUE(game.movements.empty());
    EXPECT_EQ(game.enemies.size(), 2u);
    EXPECT_EQ(game.elements.size(), 2u);
}

TEST_F(FormMainTest, ReleasedAsteroidsLeaveTheirPictureToTheNextLevel) {
    auto& game = MakeGame<FormMain>();
    HBITMAP picture = CachePicture(game, "..\\images_games\\asteroide_notte.bmp");
    AddAsteroid(game, picture);
    game.elements.clear();
    game.ClearAnimations();
    game.ReleaseSprites(game.enemies);
    EXPECT_TRUE(game.enemies.empty());

    ShowBackground(game);
    game.BeginFrame(false);
    SpriteAsteroidi next(10, 10, picture, game);
    next.x = 50;
    next.y = 60;
    next.transparent = false;
    game.DrawSprite(next);
    game.EndFrame();
    EXPECT_EQ(GetPixel(game.Scene()->Context(), 53, 64), PatternAt(3, 4)) << "the cached picture still draws";
}

TEST_F(FormMainTest, DestroyingTheFormReleasesEverythingItOwns) {
    Background();
    const auto before = platform::CountGdiObjects();
    auto& game = MakeGame<FormMain>();
    ShowBackground(game);
    game.SaveSceneCopy();
    HBITMAP rocks = CachePicture(game, "..\\images_games\\asteroide_notte.bmp");
    CachePicture(game, "..\\images_games\\blank.bmp");
    AddAsteroid(game, rocks);
    game.player = std::make_unique<SpritePlayer>(10, 10, rocks, game);
    game.playerBullets.push_back(std::make_unique<SpriteAsteroidi>(3, 3, nullptr, game));
    game.menuBar = std::make_unique<OrloUtility::MenuBar>(&game);
    game.fileMenu = std::make_unique<OrloUtility::Menu>(game.menuBar.get(), "&File");
    game.exitItem = std::make_unique<OrloUtility::SubMenu>(game.fileMenu.get(), "&Esci");
    game.menuBar->Create();
    game.leaderboard = {"00000050 MARIO"};
    game.nameForm = std::make_unique<OrloUtility::FormNamePlayer>(kProgram, "Classifica");

    DestroyGame(game);
    EXPECT_EQ(platform::CountGdiObjects(), before);
}

}  // namespace
}  // namespace MyGame
