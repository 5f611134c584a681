#include "game/FormMain.h"

namespace MyGame {

FormMain::FormMain(HINSTANCE instance, const std::string& title) : FormGames(instance, title) {
    SetIcon(kIconResource);
    BuildMenu();
    // Now that the menu bar takes its room.
    FitClientArea();
    ShowStartScreen();
    // Several keys count as held together: moving and firing at once.
    singleKeyMode = false;
}

// Every command item hands itself to the form's OnCommand.
void FormMain::BuildMenu() {
    using OrloUtility::Menu;
    using OrloUtility::SubMenu;
    menuBar = std::make_unique<OrloUtility::MenuBar>(this);
    fileMenu = std::make_unique<Menu>(menuBar.get(), "&File");
    exitItem = std::make_unique<SubMenu>(fileMenu.get(), "&Esci");
    optionsMenu = std::make_unique<Menu>(menuBar.get(), "&Opzioni");
    joystickItem = std::make_unique<SubMenu>(optionsMenu.get(), "&Abilita Joystick");
    joystickItem->checkable = true;
    joystickItem->checked = joystickEnabled;
    joystickItem->ApplyCheckMark();
    helpMenu = std::make_unique<Menu>(menuBar.get(), "&?");
    homeItem = std::make_unique<SubMenu>(helpMenu.get(), "&Home");
    for (SubMenu* item : {exitItem.get(), joystickItem.get(), homeItem.get()})
        item->commandCallback = FormGames::ForwardCommand;
    menuBar->Create();
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
