// The game form's window and frame loop: how it is made, the held-key table, the hooks its
// window events become, commands forwarded from its menu items, the 20 ms frame timer, and
// closing and destroying it.
#include <string>
#include <vector>

#include "toolkit/elements/Button.h"
#include "toolkit/elements/Menu.h"
#include "toolkit/elements/MenuBar.h"
#include "toolkit/elements/SubMenu.h"
#include "toolkit/game/GameFormTest.h"

namespace OrloUtility {
namespace {

// Records the hooks its window events reach.
class RecordingGame : public FormGames {
public:
    using FormGames::FormGames;

    void OnTick() override { ++ticks; }
    bool OnGameChar(WCHAR character) override {
        characters.push_back(character);
        return FormGames::OnGameChar(character);
    }
    void OnCommand(GUIElement& element) override { commands.push_back(&element); }
    void OnGameMouseDown(int mouseX, int mouseY) override { presses.push_back({mouseX, mouseY}); }
    void OnGameMouseUp(int mouseX, int mouseY) override { releases.push_back({mouseX, mouseY}); }

    int ticks = 0;
    std::wstring characters;
    std::vector<GUIElement*> commands;
    std::vector<POINT> presses;
    std::vector<POINT> releases;
};

class FormGamesTest : public GameFormTest {};

TEST_F(FormGamesTest, MakesAFixedSizeBlackWindowWithTheGameFontAndStartsTheFrameTimer) {
    FormGames& game = MakeGame();
    HWND window = game.Handle();
    ASSERT_TRUE(IsWindow(window));

    RECT outer{};
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.right - outer.left, 800);
    EXPECT_EQ(outer.bottom - outer.top, 600);
    wchar_t title[64] = {};
    GetWindowTextW(window, title, 64);
    EXPECT_STREQ(title, L"Astrovex");
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_EQ(game.BackColor(), 0u);

    EXPECT_EQ(game.GameFont().faceName, L"Lucida Console");
    EXPECT_EQ(game.GameFont().height, 16);
    EXPECT_EQ(game.font, &game.GameFont());

    EXPECT_EQ(game.level, 1);
    EXPECT_EQ(game.lives, 3);
    EXPECT_EQ(game.score, 0);
    EXPECT_TRUE(game.singleKeyMode);
    EXPECT_TRUE(game.elements.empty());
    for (std::uint8_t held : game.keyState) EXPECT_EQ(held, 0);
    ASSERT_TRUE(game.FrameTimer());
    EXPECT_TRUE(game.FrameTimer()->IsRunning());
    EXPECT_EQ(game.FrameTimer()->interval, 20u);
    EXPECT_TRUE(game.Screen());
    EXPECT_TRUE(game.Scene());
}

TEST_F(FormGamesTest, TicksEveryTwentyMillisecondsUntilTheWindowIsClosed) {
    auto& game = MakeGame<RecordingGame>();
    game.ticks = 0;
    Backend().RunFor(200);
    EXPECT_EQ(game.ticks, 10);

    // The close runs the close query, which stops the timer, before the window goes.
    static bool timerRanAtDestroy;
    timerRanAtDestroy = true;
    game.destroyCallback = [](GUIElement& form) {
        timerRanAtDestroy = static_cast<FormGames&>(form).FrameTimer()->IsRunning();
    };
    Backend().PressCloseButton(game.Handle());
    Backend().PumpUntilIdle();
    ASSERT_FALSE(IsWindow(game.Handle()));
    EXPECT_FALSE(timerRanAtDestroy);

    const int ticksAtClose = game.ticks;
    Backend().RunFor(200);
    EXPECT_EQ(game.ticks, ticksAtClose) << "a tick arrived after the window closed";
}

TEST_F(FormGamesTest, HeldKeysFollowPressesAndReleasesWithOrWithoutSingleKeyMode) {
    const struct {
        bool singleKeyMode;
        bool leftHeld;
    } cases[] = {{true, false}, {false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.singleKeyMode ? "single-key mode" : "several keys");
        FormGames& game = MakeGame();
        game.singleKeyMode = c.singleKeyMode;
        Backend().KeyDown(VK_LEFT);
        Backend().KeyDown(VK_RIGHT);
        Backend().PumpUntilIdle();
        EXPECT_EQ(game.keyState[VK_LEFT], c.leftHeld ? 1 : 0);
        EXPECT_EQ(game.keyState[VK_RIGHT], 1);

        Backend().KeyUp(VK_RIGHT);
        Backend().KeyUp(VK_LEFT);
        Backend().PumpUntilIdle();
        EXPECT_EQ(game.keyState[VK_LEFT], 0);
        EXPECT_EQ(game.keyState[VK_RIGHT], 0);
        DestroyGame(game);
    }
}

TEST_F(FormGamesTest, KeysHeldWhenTheWindowLosesTheKeyboardAreForgotten) {
    FormGames& game = MakeGame();
    game.singleKeyMode = false;
    Backend().KeyDown(VK_LEFT);
    Backend().KeyDown(VK_SPACE);
    Backend().PumpUntilIdle();
    ASSERT_EQ(game.keyState[VK_LEFT], 1);
    // Another program comes to the front; the keys are released there, where the game never
    // hears it. Back in the game, nothing may still count as held.
    Backend().SwitchToAnotherProgram();
    Backend().KeyUp(VK_LEFT);
    Backend().KeyUp(VK_SPACE);
    Backend().PumpUntilIdle();
    Backend().SwitchToWindow(game.Handle());
    Backend().PumpUntilIdle();
    EXPECT_EQ(game.keyState[VK_LEFT], 0);
    EXPECT_EQ(game.keyState[VK_SPACE], 0);
    DestroyGame(game);
}

TEST_F(FormGamesTest, KeyCodesBeyondTheTableAreIgnored) {
    FormGames& game = MakeGame();
    game.singleKeyMode = false;
    game.OnGameKeyDown(VK_SPACE);
    const auto before = game.keyState;
    for (UINT code : {256u, 300u, 0xFFFFu}) {
        game.OnGameKeyDown(code);
        game.OnGameKeyUp(code);
    }
    EXPECT_EQ(game.keyState, before);
}

TEST_F(FormGamesTest, TabAndTheAltKeysTakeTheFocusBackAndAreRecorded) {
    FormGames& game = MakeGame();
    game.singleKeyMode = false;
    HWND other = CreateWindowExW(0, L"edit", L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, game.Handle(), nullptr,
                                 nullptr, nullptr);
    for (UINT key : {VK_TAB, VK_MENU, VK_LMENU, VK_RMENU}) {
        SCOPED_TRACE(key);
        SetFocus(other);
        game.OnGameKeyDown(key);
        EXPECT_EQ(GetFocus(), game.Handle());
        EXPECT_EQ(game.keyState[key], 1);
    }
    SetFocus(other);
    game.OnGameKeyDown(VK_SPACE);
    EXPECT_EQ(GetFocus(), other) << "other keys leave the focus where it is";
}

TEST_F(FormGamesTest, TypedCharactersAndMouseButtonsReachTheGameHooks) {
    auto& game = MakeGame<RecordingGame>();
    Backend().PressKey('G');
    Backend().Click(game.Handle(), 30, 40);
    Backend().PumpUntilIdle();
    EXPECT_EQ(game.characters, L"g");
    ASSERT_EQ(game.presses.size(), 1u);
    EXPECT_EQ(game.presses[0].x, 30);
    EXPECT_EQ(game.presses[0].y, 40);
    ASSERT_EQ(game.releases.size(), 1u);
    EXPECT_EQ(game.releases[0].x, 30);
}

TEST_F(FormGamesTest, StartLevelStartsAGameAfresh) {
    FormGames& game = MakeGame();
    game.level = 7;
    game.lives = 0;
    game.score = 1250;
    game.StartLevel();
    EXPECT_EQ(game.level, 1);
    EXPECT_EQ(game.lives, 3);
    EXPECT_EQ(game.score, 0);
}

TEST_F(FormGamesTest, MenuCommandsReachTheNearestGameForm) {
    auto& game = MakeGame<RecordingGame>();
    MenuBar bar(&game);
    Menu file(&bar, "&File");
    SubMenu exit(&file, "&Esci");
    exit.commandCallback = FormGames::ForwardCommand;
    bar.Create();

    SendMessageW(game.Handle(), WM_COMMAND, exit.Id(), 0);
    ASSERT_EQ(game.commands.size(), 1u);
    EXPECT_EQ(game.commands[0], &exit);

    // A plain form is no game form: a command of its button goes nowhere.
    Form plain(kProgram);
    Button orphan(&plain, "OK");
    FormGames::ForwardCommand(orphan);
    EXPECT_EQ(game.commands.size(), 1u);
}

TEST_F(FormGamesTest, EscapeAsAHotKeyClosesTheWindowAndOtherKeysDoNot) {
    FormGames& game = MakeGame();
    game.OnHotKey(0, 'Q');
    EXPECT_TRUE(IsWindow(game.Handle()));
    game.OnHotKey(0, VK_ESCAPE);
    EXPECT_FALSE(IsWindow(game.Handle()));
    EXPECT_FALSE(game.IsCreated());
}

TEST_F(FormGamesTest, DestroyingTheFormClosesItsWindowAndFreesWhatItMade) {
    Background();
    const auto before = platform::CountGdiObjects();
    FormGames& game = MakeGame();
    ShowBackground(game);
    game.SaveSceneCopy();
    HWND window = game.Handle();
    DestroyGame(game);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(platform::CountGdiObjects(), before) << "everything but the background picture is freed";
    BITMAP info{};
    EXPECT_EQ(GetObjectW(Background(), sizeof info, &info), static_cast<int>(sizeof info))
        << "the background picture stays its owner's";
}

}  // namespace
}  // namespace OrloUtility
