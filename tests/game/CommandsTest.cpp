// The menu's commands, chosen as the menu delivers them.
#include <filesystem>
#include <fstream>

#include "core/shell/ShellExecute.h"
#include "game/GameScenario.h"

namespace MyGame {
namespace {

class CommandsTest : public GameScenario {
protected:
    void SetUp() override {
        GameScenario::SetUp();
        platform::SetShellLauncherForTests([this](const std::vector<std::string>& argv) {
            launched_.push_back(argv);
            return true;
        });
    }
    void TearDown() override {
        platform::SetShellLauncherForTests({});
        GameScenario::TearDown();
    }
    static void Choose(FormMain& game, const OrloUtility::SubMenu& item) {
        SendMessageW(game.Handle(), WM_COMMAND, item.Id(), 0);
    }
    static bool MenuShowsCheck(FormMain& game) {
        return GetMenuState(GetMenu(game.Handle()), game.joystickItem->Id(), MF_BYCOMMAND) & MF_CHECKED;
    }

    std::vector<std::vector<std::string>> launched_;
};

TEST_F(CommandsTest, TheMenuHoldsFileOptionsAndHelpInThatOrder) {
    FormMain& game = Open();
    HMENU bar = GetMenu(game.Handle());
    ASSERT_TRUE(bar);
    const wchar_t* titles[] = {L"&File", L"&Opzioni", L"&?"};
    ASSERT_EQ(GetMenuItemCount(bar), 3);
    for (int i = 0; i < 3; ++i) {
        wchar_t text[32] = {};
        GetMenuStringW(bar, static_cast<UINT>(i), text, 32, MF_BYPOSITION);
        EXPECT_STREQ(text, titles[i]);
    }
    RECT client{};
    GetClientRect(game.Handle(), &client);
    EXPECT_EQ(client.right, 800);
    EXPECT_EQ(client.bottom, 600) << "the field is whole below the menu bar";
    EXPECT_FALSE(MenuShowsCheck(game));
}

TEST_F(CommandsTest, TheJoystickItemTurnsTheJoystickOnAndOffWithItsMark) {
    FormMain& game = Open();
    Choose(game, *game.joystickItem);
    EXPECT_TRUE(game.joystickEnabled);
    EXPECT_TRUE(MenuShowsCheck(game));
    Choose(game, *game.joystickItem);
    EXPECT_FALSE(game.joystickEnabled);
    EXPECT_FALSE(MenuShowsCheck(game));
}

TEST_F(CommandsTest, HomeOpensTheShippedPageWithoutPausingTheGame) {
    std::filesystem::create_directories(std::filesystem::current_path() / ".." / "home");
    std::ofstream("../home/index.html") << "<html></html>";
    FormMain& game = Play();
    Choose(game, *game.homeItem);
    ASSERT_EQ(launched_.size(), 1u);
    EXPECT_EQ(launched_[0].back(), "../home/index.html");
    EXPECT_EQ(game.state, GameState::Playing);
}

TEST_F(CommandsTest, ExitDuringPlayClosesTheWindowAtOnceAndRecordsNothing) {
    FormMain& game = Play();
    game.score = 500;
    Choose(game, *game.exitItem);
    EXPECT_FALSE(IsWindow(game.Handle()));
    EXPECT_FALSE(game.IsCreated());
    EXPECT_EQ(LeaderboardBytes(), std::nullopt);
    Backend().PumpUntilIdle();
    EXPECT_TRUE(Backend().QuitReceived()) << "the message loop ends";
}

}  // namespace
}  // namespace MyGame
