#include "RandomPlayer.h"

namespace LongRun {

using MyGame::GameState;

namespace {

// How often, per decision in play, the player pauses or skips the level: a pause every minute
// or two, a skipped level every few minutes.
constexpr double kPauseChance = 0.004;
constexpr double kSkipChance = 0.001;
constexpr double kResumeChance = 0.25;
// How the player answers the name form: most type a name, the rest close it.
constexpr double kTypeNameChance = 0.75;
constexpr int kLongestName = 10;

}  // namespace

RandomPlayer::RandomPlayer(platform::HeadlessBackend& backend, unsigned seed) : backend_(backend), random_(seed) {}

int RandomPlayer::Act(MyGame::FormMain& game) {
    switch (game.state) {
    case GameState::Title: return OnTitle();
    case GameState::Playing: return InPlay();
    case GameState::Paused: return WhilePaused();
    case GameState::NameEntry: return AtNameForm(game);
    case GameState::GameOver: return AtGameOver();
    default: return Between(20, 400);
    }
}

// The player reads the title for a moment before pressing G.
int RandomPlayer::OnTitle() {
    ReleaseAll();
    if (Chance(0.4)) {
        backend_.PressKey('G');
        ++tally_.gamesStarted;
    }
    return Between(100, 1500);
}

// Mostly sideways, sometimes up or down, firing in bursts.
int RandomPlayer::InPlay() {
    if (Chance(kPauseChance)) {
        backend_.PressKey('P');
        ++tally_.pauses;
        return Between(100, 500);
    }
    if (Chance(kSkipChance)) {
        backend_.PressKey('N');
        ++tally_.levelsSkipped;
        return Between(100, 500);
    }
    const int sideways = Between(0, 2);
    SetHeld(VK_LEFT, sideways == 1);
    SetHeld(VK_RIGHT, sideways == 2);
    const int upDown = Between(0, 9);
    SetHeld(VK_UP, upDown == 1);
    SetHeld(VK_DOWN, upDown == 2);
    SetHeld(VK_SPACE, Chance(0.6));
    return Between(20, 600);
}

int RandomPlayer::WhilePaused() {
    ReleaseAll();
    if (Chance(kResumeChance)) backend_.PressKey('P');
    return Between(200, 1500);
}

int RandomPlayer::AtNameForm(MyGame::FormMain& game) {
    ReleaseAll();
    if (!game.nameForm || !IsWindow(game.nameForm->Handle())) return Between(20, 200);
    if (Chance(kTypeNameChance)) {
        TypeName();
        backend_.PressKey(VK_RETURN);
        ++tally_.namesTyped;
    } else {
        backend_.PressCloseButton(game.nameForm->Handle());
        ++tally_.nameFormsClosed;
    }
    return Between(200, 2000);
}

int RandomPlayer::AtGameOver() {
    backend_.PressKey(static_cast<UINT>('A' + Between(0, 25)));
    return Between(200, 2000);
}

void RandomPlayer::SetHeld(UINT key, bool down) {
    if (down == held_.contains(key)) return;
    if (down) {
        backend_.KeyDown(key);
        held_.insert(key);
    } else {
        backend_.KeyUp(key);
        held_.erase(key);
    }
}

void RandomPlayer::ReleaseAll() {
    for (UINT key : held_) backend_.KeyUp(key);
    held_.clear();
}

void RandomPlayer::TypeName() {
    const int length = Between(1, kLongestName);
    for (int i = 0; i < length; ++i) backend_.PressKey(static_cast<UINT>('A' + Between(0, 25)));
}

bool RandomPlayer::Chance(double probability) { return std::bernoulli_distribution(probability)(random_); }

int RandomPlayer::Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

}  // namespace LongRun
