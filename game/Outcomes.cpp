// What hits lead to: points for a UFO, the end of a level, a life lost or the game over with
// the name form, and the finished game on the leaderboard.
#include <string>

#include "game/FormMain.h"
#include "toolkit/scores/Leaderboard.h"
#include "toolkit/util/Padding.h"

namespace MyGame {

namespace {

constexpr int kPointsPerUfo = 50;
constexpr unsigned kNameColumnWidth = 12;

// Runs once, when the name form's window goes: the form records the game of its owner.
void RecordScoreOfOwner(OrloUtility::GUIElement& element) {
    auto& nameForm = static_cast<OrloUtility::FormNamePlayer&>(element);
    if (auto* game = dynamic_cast<FormMain*>(nameForm.owner)) game->RecordScore();
}

}  // namespace

void FormMain::UfoShotDown() {
    score += kPointsPerUfo;
    DrawHud();
    ufoHitsLeft -= 1;
    if (ufoHitsLeft == 0) LevelComplete();
}

void FormMain::LevelComplete() {
    state = GameState::Paused;
    elements.clear();
    ClearAnimations();
    level += 1;
    ShowPicture(kAssetFolder + "livello.bmp");
    EndFrame();
    state = GameState::Interlude;
}

void FormMain::PlayerHit() {
    state = GameState::Paused;
    PlayExplosion();
    elements.clear();
    ClearAnimations();
    lives -= 1;
    if (lives >= 1) {
        ShowPicture(kAssetFolder + "replay.bmp");
        state = GameState::Interlude;
    } else {
        ShowPicture(kAssetFolder + "gameover.bmp");
        OpenNameForm();
        state = GameState::NameEntry;
    }
    EndFrame();
}

// The form opens active with the focus in its field; it is centred on the main window and shown
// once more without taking the focus from it.
void FormMain::OpenNameForm() {
    nameForm.reset();
    nameForm = std::make_unique<OrloUtility::FormNamePlayer>(instance_, "Classifica");
    nameForm->owner = this;
    nameForm->destroyCallback = RecordScoreOfOwner;
    nameForm->SetIcon(kIconResource);
    nameForm->SetPrompt("Inserisci il tuo nome:");
    const POINT main = GetPosition();
    RECT mainRect{}, formRect{};
    GetWindowRect(window_, &mainRect);
    GetWindowRect(nameForm->Handle(), &formRect);
    const int x = main.x + ((mainRect.right - mainRect.left) - (formRect.right - formRect.left)) / 2;
    const int y = main.y + ((mainRect.bottom - mainRect.top) - (formRect.bottom - formRect.top)) / 2;
    SetWindowPos(nameForm->Handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    nameForm->Redraw();
    nameForm->Create();
    ShowWindow(nameForm->Handle(), SW_SHOWNA);
}

// The name confirmed last: empty before any, the previous game's when this game's form was
// closed without one.
void FormMain::RecordScore() {
    const std::string namePart =
        OrloUtility::PadRight(OrloUtility::PlayerName(), ' ', kNameColumnWidth) + " Level " + std::to_string(level);
    OrloUtility::Leaderboard(kGameName).AddScore(score, namePart);
    state = GameState::GameOver;
}

}  // namespace MyGame
