// The game form's two surfaces: everything drawn on the scene first and copied to the window
// by dirty rectangles, the marker pixels, the repaint of a window that lost its contents, and
// the element list.
#include "controls/MessageBox.h"
#include "toolkit/drawing/Colours.h"
#include "toolkit/game/GameFormTest.h"
#include "toolkit/game/Sprite.h"

namespace OrloUtility {
namespace {

constexpr COLORREF kMarkerColours[] = {RGB(0, 255, 0), RGB(255, 255, 255), RGB(255, 0, 0)};
constexpr int kSpriteSize = 20;

class FormGamesFramesTest : public GameFormTest {
protected:
    FormGames& GameWithBackground() {
        FormGames& game = MakeGame();
        ShowBackground(game);
        return game;
    }
    // A 20 by 20 opaque sprite of one colour; its picture is the fixture's.
    std::unique_ptr<Sprite> Square(COLORREF colour) {
        auto sprite = std::make_unique<Sprite>(kSpriteSize, kSpriteSize, Bitmap(Filled(kSpriteSize, kSpriteSize, colour)));
        sprite->transparent = false;
        return sprite;
    }
    // Paints the scene alone, so a later copy to the window shows whether it covered the spot.
    static void PaintSceneOnly(FormGames& game, int x, int y, COLORREF colour) {
        SetPixel(game.Scene()->Context(), x, y, colour);
    }
    std::vector<COLORREF> Markers(HDC context) {
        std::vector<COLORREF> shown;
        for (int x = 0; x < 3; ++x) shown.push_back(GetPixel(context, x, 0));
        return shown;
    }
    std::vector<COLORREF> WindowMarkers(FormGames& game) {
        std::vector<COLORREF> shown;
        for (int x = 0; x < 3; ++x) shown.push_back(Backend().WindowPixel(game.Handle(), x, 0));
        return shown;
    }
    static std::vector<COLORREF> MarkerColours() { return {std::begin(kMarkerColours), std::end(kMarkerColours)}; }
};

TEST_F(FormGamesFramesTest, TheBackgroundAndMarkersReachBothSurfaces) {
    FormGames& game = GameWithBackground();
    EXPECT_TRUE(game.HasBackground());
    EXPECT_EQ(game.BackgroundImage(), Background());
    EXPECT_EQ(Markers(game.Scene()->Context()), MarkerColours());
    EXPECT_EQ(WindowMarkers(game), MarkerColours());
    EXPECT_EQ(SceneBlock(game, 3, 0, 4, 4), WindowBlock(game, 3, 0, 4, 4));
    EXPECT_EQ(GetPixel(game.Scene()->Context(), 400, 300), PatternAt(400, 300));
    EXPECT_TRUE(WindowShowsScene(game));
}

TEST_F(FormGamesFramesTest, ANullBackgroundReportsTheLastErrorAndDrawsNothing) {
    FormGames& game = MakeGame();
    std::wstring caption, text;
    Backend().At(Backend().MonotonicMs() + 50, [&] {
        HWND box = FindWindowW(L"#32770", nullptr);
        ASSERT_TRUE(box);
        wchar_t buffer[256] = {};
        GetWindowTextW(box, buffer, 256);
        caption = buffer;
        GetWindowTextW(GetDlgItem(box, platform::messagebox::kTextId), buffer, 256);
        text = buffer;
        SendMessageW(box, WM_COMMAND, IDOK, 0);
    });
    game.BeginFrame(false);
    SetLastError(ERROR_FILE_NOT_FOUND);
    game.SetBackground(nullptr);
    game.EndFrame();
    EXPECT_EQ(caption, L"Errore");
    EXPECT_EQ(text, L"Errore caricamento immagine - codice errore: 2");
    EXPECT_TRUE(game.HasBackground());
    EXPECT_EQ(game.BackgroundImage(), nullptr);
}

TEST_F(FormGamesFramesTest, DirtyRectanglesCoverTheOldAndNewPlacesOrTwoBlocksForALongJump) {
    FormGames& game = GameWithBackground();
    auto sprite = Square(kRed);
    sprite->x = 100;
    sprite->y = 200;

    game.BeginFrame(false);
    RECT first = game.DrawSpriteOffscreen(*sprite);
    EXPECT_EQ(first.left, 100);
    EXPECT_EQ(first.top, 200);
    EXPECT_EQ(first.right, 120);
    EXPECT_EQ(first.bottom, 220);

    // A 5-pixel move: one block 25 wide, so a scene-only change inside it reaches the window.
    PaintSceneOnly(game, 102, 210, kBlue);
    sprite->x = 105;
    RECT moved = game.DrawSpriteOffscreen(*sprite);
    EXPECT_EQ(moved.right - moved.left, 25);
    EXPECT_EQ(moved.bottom - moved.top, 20);
    sprite->x = 100;
    game.DrawSprite(*sprite);
    sprite->x = 105;
    game.DrawSprite(*sprite);
    EXPECT_EQ(SceneBlock(game, 95, 195, 35, 30), WindowBlock(game, 95, 195, 35, 30));

    // A 100-pixel jump: two blocks of 20, the ground between them is not copied.
    PaintSceneOnly(game, 150, 210, kBlue);
    sprite->x = 205;
    game.DrawSprite(*sprite);
    game.EndFrame();
    EXPECT_NE(Backend().WindowPixel(game.Handle(), 150, 210), kBlue);
    EXPECT_EQ(SceneBlock(game, 105, 200, 20, 20), WindowBlock(game, 105, 200, 20, 20));
    EXPECT_EQ(SceneBlock(game, 205, 200, 20, 20), WindowBlock(game, 205, 200, 20, 20));
}

TEST_F(FormGamesFramesTest, BoxesOverTheMarkerCornerRewriteTheMarkersOnBothSurfaces) {
    const struct {
        int x, y;
        bool rewrites;
    } cases[] = {{0, 0, true}, {3, 0, false}, {0, 1, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "box at (" << c.x << ", " << c.y << ")");
        FormGames& game = GameWithBackground();
        game.BeginFrame(false);
        // Spoil the first marker on both surfaces, so a rewrite shows.
        SetPixel(game.Scene()->Context(), 0, 0, kBlack);
        SetPixel(game.Screen()->Context(), 0, 0, kBlack);
        game.FillBoxBoth(c.x, c.y, 40, 20, kBlue);
        const COLORREF first = c.rewrites ? kMarkerColours[0] : kBlack;
        EXPECT_EQ(GetPixel(game.Scene()->Context(), 0, 0), first);
        EXPECT_EQ(GetPixel(game.Screen()->Context(), 0, 0), first);
        EXPECT_EQ(GetPixel(game.Scene()->Context(), 5, 5), kBlue);
        EXPECT_EQ(GetPixel(game.Screen()->Context(), 5, 5), kBlue);
        game.EndFrame();
        DestroyGame(game);
    }
}

TEST_F(FormGamesFramesTest, TextsAreDrawnOnBothSurfaces) {
    FormGames& game = GameWithBackground();
    game.BeginFrame(false);
    game.FillBoxBoth(0, 0, 800, 20, kWhite);
    game.DrawTextBoth(0, 0, "Score: 000050", kBlack);
    game.DrawTextBar(796, 20, "Level: 1", kBlack, Drawing::kAlignRight);
    game.EndFrame();
    EXPECT_EQ(Markers(game.Scene()->Context()), MarkerColours()) << "a line written in the corner keeps them";
    EXPECT_EQ(SceneBlock(game, 0, 0, 800, 24), WindowBlock(game, 0, 0, 800, 24));
    int inked = 0;
    for (const auto& row : SceneBlock(game, 0, 1, 800, 19))
        for (COLORREF pixel : row) inked += pixel != kWhite;
    EXPECT_GT(inked, 50) << "the texts left ink in the bar";
}

TEST_F(FormGamesFramesTest, AWindowThatLostItsContentsIsRepaintedWholeFromTheScene) {
    const struct {
        const char* what;
        bool byPaintMessage;
    } cases[] = {{"by the paint that follows", true}, {"by the next frame", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FormGames& game = GameWithBackground();
        auto sprite = Square(kRed);
        sprite->x = 300;
        sprite->y = 300;
        game.BeginFrame(false);
        game.DrawSprite(*sprite);
        game.EndFrame();

        Backend().CoverAndUncover(game.Handle());
        ASSERT_NE(Backend().WindowPixel(game.Handle(), 400, 100), PatternAt(400, 100));
        if (c.byPaintMessage) {
            Backend().PumpUntilIdle();
        } else {
            game.BeginFrame(false);
            game.EndFrame();
        }
        EXPECT_TRUE(WindowShowsScene(game));
        DestroyGame(game);
    }
}

TEST_F(FormGamesFramesTest, TheWindowShowsTheSceneAfterEveryFrame) {
    FormGames& game = GameWithBackground();
    auto red = Square(kRed);
    auto green = Square(kGreen);
    red->saveBackground = true;
    green->y = 50;
    for (int frame = 0; frame < 6; ++frame) {
        SCOPED_TRACE(frame);
        game.BeginFrame(false);
        red->x = frame * 7;
        red->y = frame * 3;
        green->x = 600 - frame * 40;
        game.DrawSprite(*red);
        game.DrawSprite(*green);
        if (frame == 3) game.EraseSprite(*red);
        game.EndFrame();
        EXPECT_TRUE(WindowShowsScene(game));
    }
}

TEST_F(FormGamesFramesTest, SaveSceneCopyKeepsACopyOfTheSceneAsItWasThen) {
    FormGames& game = GameWithBackground();
    game.SaveSceneCopy();
    HBITMAP copy = game.SavedSceneCopy();
    ASSERT_TRUE(copy);
    game.BeginFrame(false);
    game.FillBoxBoth(10, 10, 5, 5, kBlue);
    game.EndFrame();
    EXPECT_EQ(Read(copy, 20, 20)[12][12], PatternAt(12, 12));
    game.SaveSceneCopy();
    EXPECT_EQ(Read(game.SavedSceneCopy(), 20, 20)[12][12], kBlue);
}

TEST_F(FormGamesFramesTest, RemoveSpriteByIdTakesOutTheFirstSpriteWithThatIdOnly) {
    FormGames& game = MakeGame();
    Sprite a(4, 4), b(4, 4);
    GameElement notASprite;
    game.AddSprite(a);
    game.AddSprite(notASprite);
    game.AddSprite(b);
    game.AddSprite(a);

    game.RemoveSpriteById(b.Id() + 1000);
    EXPECT_EQ(game.elements, (std::vector<GameElement*>{&a, &notASprite, &b, &a}));
    game.RemoveSpriteById(a.Id());
    EXPECT_EQ(game.elements, (std::vector<GameElement*>{&notASprite, &b, &a}));
}

}  // namespace
}  // namespace OrloUtility
