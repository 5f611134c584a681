#include "game/FormMain.h"

namespace MyGame {

FormMain::FormMain(HINSTANCE instance, const std::string& title) : FormGames(instance, title) {
    // Several keys count as held together: moving and firing at once.
    singleKeyMode = false;
}

// The element list only refers to the sprites; it is emptied first so that nothing can reach
// a sprite while the lists are released.
FormMain::~FormMain() {
    elements.clear();
    bitmapCache.clear();
    player.reset();
    ReleaseSprites(enemies);
    ReleaseSprites(playerBullets);
    ReleaseSprites(enemyBullets);
    homeItem.reset();
    helpMenu.reset();
    joystickItem.reset();
    optionsMenu.reset();
    exitItem.reset();
    fileMenu.reset();
    menuBar.reset();
    ClearAnimations();
    nameForm.reset();
    leaderboard.clear();
}

void FormMain::ClearAnimations() {
    frameAnimations.clear();
    movements.clear();
}

void FormMain::ReleaseSprites(SpriteList& list) { list.clear(); }

}  // namespace MyGame
