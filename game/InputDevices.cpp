// The ship's controls, polled once a frame: the held arrow keys and space, or a joystick
// enabled from the menu. The joystick is looked up, described and read afresh every poll, so
// plugging it in or out while playing just works; without one the keyboard alone counts.
#include "game/FormMain.h"

namespace MyGame {

namespace {

constexpr int kTopRow = 20;

// The ship's controls on the keyboard.
constexpr UINT kLeftKey = VK_LEFT;
constexpr UINT kUpKey = VK_UP;
constexpr UINT kRightKey = VK_RIGHT;
constexpr UINT kDownKey = VK_DOWN;
constexpr UINT kFireKey = VK_SPACE;

// One axis over its travel to -100 ... +100, truncated towards 0.
DWORD Normalised(UINT position, UINT minimum, UINT maximum) {
    if (minimum == maximum) return 0;
    const double centre = (static_cast<double>(minimum) + static_cast<double>(maximum)) * 0.5;
    const double value = (static_cast<double>(position) - centre) * 200.0 /
                         (static_cast<double>(maximum) - static_cast<double>(minimum));
    return static_cast<DWORD>(static_cast<std::int32_t>(value));
}

int Axis(UINT stored) { return static_cast<std::int32_t>(stored); }

}  // namespace

int FormMain::FindJoystick() {
    const UINT slots = joyGetNumDevs();
    if (slots == 0) return -1;
    JOYINFO first{}, second{};
    const bool firstAnswers = joyGetPos(0, &first) == JOYERR_NOERROR;
    const bool secondAnswers = joyGetPos(1, &second) == JOYERR_NOERROR;
    if (firstAnswers) return 0;
    if (slots > 1 && secondAnswers) return 1;
    return -1;
}

bool FormMain::ReadJoystick(JoystickRecord& record, UINT joystickId) {
    record.position = JOYINFO{};
    if (joyGetPos(joystickId, &record.position) != JOYERR_NOERROR) return false;
    const JOYCAPSW& caps = record.capabilities;
    JOYINFO& at = record.position;
    at.wXpos = Normalised(at.wXpos, caps.wXmin, caps.wXmax);
    at.wYpos = Normalised(at.wYpos, caps.wYmin, caps.wYmax);
    at.wZpos = Normalised(at.wZpos, caps.wZmin, caps.wZmax);
    return true;
}

// Each test reads the joystick afresh; a failed read falls back to that test's key.
void FormMain::PollInput() {
    JoystickRecord joystick;
    if (joystickEnabled) {
        const int found = FindJoystick();
        if (found != -1) {
            joystick.joystickId = static_cast<UINT>(found);
            joystick.ready = joyGetDevCapsW(joystick.joystickId, &joystick.capabilities, sizeof(JOYCAPSW)) ==
                             JOYERR_NOERROR;
        }
    }
    auto pushed = [&](auto test) { return joystick.ready && ReadJoystick(joystick, joystick.joystickId) && test(); };
    if (keyState[kLeftKey] || pushed([&] { return Axis(joystick.position.wXpos) < 0; })) MovePlayer(negativeStep, 0);
    if (keyState[kUpKey] || pushed([&] { return Axis(joystick.position.wYpos) < 0; })) MovePlayer(0, negativeStep);
    if (keyState[kRightKey] || pushed([&] { return Axis(joystick.position.wXpos) > 0; })) MovePlayer(positiveStep, 0);
    if (keyState[kDownKey] || pushed([&] { return Axis(joystick.position.wYpos) > 0; })) MovePlayer(0, positiveStep);
    if (keyState[kFireKey] || pushed([&] { return joystick.position.wButtons != 0; }))
        FirePlayerBullet(playerBulletTemplate);
}

// A move that would leave the field is dropped as a whole, even when part of it would fit.
void FormMain::MovePlayer(int dx, int dy) {
    if (!player) return;
    const int newX = player->x + dx;
    const int newY = player->y + dy;
    if (newX < 0 || newX > playerTemplate.fieldWidth - playerTemplate.width) return;
    if (newY < kTopRow || newY > playerTemplate.fieldHeight - playerTemplate.height) return;
    player->x = newX;
    player->y = newY;
    DrawSprite(*player);
}

}  // namespace MyGame
