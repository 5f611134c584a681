// The ship's controls: held arrows and space, the field's borders, and a joystick enabled from
// the menu, read through the headless backend's virtual joysticks.
#include "game/GameScenario.h"

namespace MyGame {
namespace {

class InputDevicesTest : public GameScenario {
protected:
    // Level 1 in play with nothing else moving, the frame clock started.
    FormMain& Ship() {
        FormMain& game = Play();
        game.ClearAnimations();
        Frames(1);
        return game;
    }
    POINT Where(const FormMain& game) const { return {game.player->x, game.player->y}; }
};

TEST_F(InputDevicesTest, HeldArrowsMoveTheShipTwoPixelsAFrameAndDiagonally) {
    FormMain& game = Ship();
    const POINT start = Where(game);
    EXPECT_EQ(start.x, (800 - 64) / 2);
    EXPECT_EQ(start.y, 600 - 115);
    Hold(VK_LEFT);
    Hold(VK_UP);
    Frames(3);
    EXPECT_EQ(game.player->x, start.x - 6);
    EXPECT_EQ(game.player->y, start.y - 6);
    Hold(VK_RIGHT);
    Frames(1);
    EXPECT_EQ(game.player->x, start.x - 6) << "opposite arrows cancel out";
    Release(VK_LEFT);
    Release(VK_UP);
    Release(VK_RIGHT);
    Frames(2);
    EXPECT_EQ(game.player->x, start.x - 6);
    EXPECT_TRUE(SamePixels(WindowBlock(game, game.player->x, game.player->y, 64, 115),
              SceneBlock(game, game.player->x, game.player->y, 64, 115)));
}

TEST_F(InputDevicesTest, AMoveThatWouldLeaveTheFieldIsDroppedWhole) {
    const struct {
        UINT key;
        int x, y;
    } cases[] = {
        {VK_LEFT, 0, 300}, {VK_LEFT, 1, 300},   {VK_UP, 300, 20},    {VK_UP, 300, 21},
        {VK_RIGHT, 736, 300}, {VK_RIGHT, 735, 300}, {VK_DOWN, 300, 485}, {VK_DOWN, 300, 484},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << c.key << " at " << c.x << ", " << c.y);
        FormMain& game = Ship();
        game.player->x = c.x;
        game.player->y = c.y;
        Hold(c.key);
        Frames(2);
        Release(c.key);
        EXPECT_EQ(game.player->x, c.x);
        EXPECT_EQ(game.player->y, c.y);
        DestroyGame(game);
    }
}

TEST_F(InputDevicesTest, SpaceFires) {
    FormMain& game = Ship();
    Hold(VK_SPACE);
    Frames(1);
    ASSERT_EQ(game.playerBullets.size(), 1u);
    Frames(10);
    EXPECT_EQ(game.playerBullets.size(), 1u) << "the cool-down holds the next shot";
    Frames(10);
    EXPECT_EQ(game.playerBullets.size(), 2u);
}

class JoystickInputTest : public InputDevicesTest {
protected:
    // A pad plugged into the headless backend's virtual joysticks.
    platform::JoystickId Attach() { return Backend().Joysticks().PlugIn({.name = "Pad", .axes = 3, .buttons = 4}); }
    void Push(platform::JoystickId stick, int x, int y) {
        Backend().Joysticks().SetAxis(stick, platform::kJoystickX, x);
        Backend().Joysticks().SetAxis(stick, platform::kJoystickY, y);
    }
    void Press(platform::JoystickId stick, int button) { Backend().Joysticks().SetButton(stick, button, true); }
};

TEST_F(JoystickInputTest, AxesReadFromMinusToPlusHundredWithNothingAtTheCentre) {
    FormMain& game = Ship();
    const platform::JoystickId stick = Attach();
    const struct {
        int axis;
        int reads;
    } cases[] = {{-32768, -100}, {0, 0}, {32767, 100}, {16384, 50}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.axis);
        Push(stick, c.axis, 0);
        JoystickRecord record;
        ASSERT_EQ(joyGetDevCapsW(0, &record.capabilities, sizeof(JOYCAPSW)), JOYERR_NOERROR);
        ASSERT_TRUE(game.ReadJoystick(record, 0));
        EXPECT_EQ(static_cast<std::int32_t>(record.position.wXpos), c.reads);
        EXPECT_EQ(static_cast<std::int32_t>(record.position.wYpos), 0);
    }
}

TEST_F(JoystickInputTest, AnEnabledJoystickSteersAndAnyButtonFires) {
    FormMain& game = Ship();
    const platform::JoystickId stick = Attach();
    const POINT start = Where(game);
    Push(stick, -32768, 0);
    Frames(2);
    EXPECT_EQ(game.player->x, start.x) << "not while the menu has it off";

    game.joystickEnabled = true;
    Frames(2);
    EXPECT_EQ(game.player->x, start.x - 4);
    Push(stick, 0, 0);
    Frames(2);
    EXPECT_EQ(game.player->x, start.x - 4) << "the centre does not move the ship";
    Push(stick, 0, -32768);
    Frames(1);
    EXPECT_EQ(game.player->y, start.y - 2);
    Push(stick, 0, 0);
    Press(stick, 3);
    Frames(1);
    EXPECT_EQ(game.playerBullets.size(), 1u);
}

TEST_F(JoystickInputTest, TheFirstOfTwoJoysticksWins) {
    FormMain& game = Ship();
    const platform::JoystickId first = Attach();
    const platform::JoystickId second = Attach();
    game.joystickEnabled = true;
    Push(first, -32768, 0);
    Push(second, 32767, 0);
    const int x = game.player->x;
    Frames(1);
    EXPECT_EQ(game.player->x, x - 2);
    EXPECT_EQ(game.FindJoystick(), 0);
}

}  // namespace
}  // namespace MyGame
