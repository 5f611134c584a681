// The game itself: the main window, the field's objects and the strategies that move them, the
// picture cache, the leaderboard as last loaded, the menu, the object templates and the phase
// the game is in.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "game/GameState.h"
#include "game/SpritePlayer.h"
#include "game/SpriteTemplate.h"
#include "toolkit/drawing/GdiHandles.h"
#include "toolkit/elements/Menu.h"
#include "toolkit/elements/MenuBar.h"
#include "toolkit/elements/SubMenu.h"
#include "toolkit/game/FormGames.h"
#include "toolkit/game/RunStrategies.h"
#include "toolkit/scores/FormNamePlayer.h"

namespace MyGame {

using SpriteList = std::vector<std::unique_ptr<OrloUtility::Sprite>>;

class FormMain : public OrloUtility::FormGames {
public:
    FormMain(HINSTANCE instance, const std::string& title);
    // Releases everything the form owns, then the game form underneath.
    ~FormMain() override;

    // Deletes every strategy, the frame animations first; the sprites they moved stay.
    void ClearAnimations();
    // Deletes every sprite of one of the sprite lists. Their pictures stay the cache's.
    void ReleaseSprites(SpriteList& list);

    // Every asteroid and UFO of the current level.
    SpriteList enemies;
    SpriteList playerBullets;
    SpriteList enemyBullets;
    // The ship's move per tick towards smaller and larger coordinates.
    int negativeStep = -2;
    int positiveStep = 2;
    // UFO hits still needed to complete the level.
    int ufoHitsLeft = 0;
    // Null until the first level is built.
    std::unique_ptr<SpritePlayer> player;
    // Strategies stepping animation frames, and movement strategies.
    OrloUtility::StrategyList frameAnimations;
    OrloUtility::StrategyList movements;
    // Every picture loaded and checked, by path; the cache owns them.
    std::map<std::string, OrloUtility::OwnedBitmap> bitmapCache;
    // The leaderboard's lines as last loaded, and the one the title screen shows next.
    std::vector<std::string> leaderboard;
    int titleRow = 0;
    // The text height of the form's font; -1 when it cannot be measured.
    int lineHeight = 0;
    std::unique_ptr<OrloUtility::MenuBar> menuBar;
    std::unique_ptr<OrloUtility::Menu> fileMenu;
    std::unique_ptr<OrloUtility::SubMenu> exitItem;
    std::unique_ptr<OrloUtility::Menu> optionsMenu;
    std::unique_ptr<OrloUtility::SubMenu> joystickItem;
    // The joystick is polled only while this is set; every run starts with it off.
    bool joystickEnabled = false;
    std::unique_ptr<OrloUtility::Menu> helpMenu;
    std::unique_ptr<OrloUtility::SubMenu> homeItem;
    GameState state = GameState::Building;
    SpriteTemplate playerTemplate;
    SpriteTemplate playerBulletTemplate;
    SpriteTemplate asteroidATemplate;
    SpriteTemplate asteroidBTemplate;
    SpriteTemplate enemyBulletTemplate;
    SpriteTemplate ufoTemplate;
    // The name form of the last game over; null until the first.
    std::unique_ptr<OrloUtility::FormNamePlayer> nameForm;
};

}  // namespace MyGame
