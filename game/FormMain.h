// The game itself: the main window, the field's objects and the strategies that move them, the
// picture cache, the leaderboard as last loaded, the menu, the object templates and the phase
// the game is in.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "game/Assets.h"
#include "game/GameState.h"
#include "game/WavePatterns.h"
#include "game/SpritePlayer.h"
#include "game/SpriteTemplate.h"
#include "toolkit/drawing/GdiHandles.h"
#include "toolkit/elements/Menu.h"
#include "toolkit/elements/MenuBar.h"
#include "toolkit/elements/SubMenu.h"
#include "toolkit/game/FormGames.h"
#include "toolkit/game/RunStrategies.h"
#include "toolkit/scores/FormNamePlayer.h"
#include "toolkit/util/TimeStamp.h"

namespace MyGame {

using SpriteList = std::vector<std::unique_ptr<OrloUtility::Sprite>>;

class SpriteAsteroidi;
class SpriteBullet;
class SpriteBulletNemico;
class SpriteUfo;

// What a poll knows of the joystick: found and described, and where it points (each axis
// normalised to -100 ... +100 and stored in the position's fields as a signed value).
struct JoystickRecord {
    bool ready = false;
    UINT joystickId = 0;
    JOYINFO position{};
    JOYCAPSW capabilities{};
};

class FormMain : public OrloUtility::FormGames {
public:
    // The name shown first in the title bar.
    static constexpr const char* kGameName = "Astrovex";
    // What the game is, in one line: on the title screen and at the end of the window title.
    static constexpr const char* kNoticeLine = "Sparatutto spaziale arcade: abbatti gli UFO!";
    // The picture of the window and of the name form.
    static constexpr int kIconResource = 1005;

    // Makes the window with its menu, an 800 by 600 field and the title screen.
    FormMain(HINSTANCE instance, const std::string& title);
    // Releases everything the form owns, then the game form underneath.
    ~FormMain() override;

    // ---- Frame and level rules ----

    // The title screen; the game is then in the Title state.
    void ShowStartScreen() override;
    // Builds the current level: its wave, the ship, the status line; then plays.
    void StartLevel() override;
    // One frame: the title animation, a step of play, or the end of an interlude.
    void OnTick() override;
    // G starts a game on the title, P pauses and resumes, N skips the level, any character
    // leaves the game-over picture. Always true.
    bool OnGameChar(WCHAR character) override;
    // The menu: Esci closes the window, Home opens the home page, Abilita Joystick turns the
    // joystick on and off with its check mark.
    void OnCommand(OrloUtility::GUIElement& element) override;
    // Fills the six templates for the window's field.
    void LoadTemplates();

    // ---- Spawning and firing ----

    // A sprite of the template's kind, on the field's element list unless it is a player's
    // bullet; null for an unknown kind.
    std::unique_ptr<OrloUtility::Sprite> CreateSprite(const SpriteTemplate& kind);
    SpriteAsteroidi* SpawnAsteroid(const SpriteTemplate& kind);
    SpriteUfo* SpawnUfo(int periodMs, const SpriteTemplate& kind);
    // Null when the shot is refused: five bullets in flight, or less than 400 ms since the last.
    SpriteBullet* FirePlayerBullet(const SpriteTemplate& kind);
    // Null when refused: eleven enemy bullets in flight, or less than 400 ms since the last.
    SpriteBulletNemico* FireEnemyBullet(int top, const SpriteTemplate& kind);
    void AttachFrameAnimation(OrloUtility::Sprite& sprite, const SpriteTemplate& kind);

    // ---- Outcomes ----

    void UfoShotDown();
    void LevelComplete();
    void PlayerHit();
    // Adds the finished game to the leaderboard under the name confirmed last.
    void RecordScore();

    // ---- Screens ----

    void TitleStep();
    void ShowPicture(const std::string& path);
    void DrawHud();

    // ---- Input ----

    void PollInput();
    // 0 or 1 for a joystick that answers, -1 for none.
    int FindJoystick();
    bool ReadJoystick(JoystickRecord& record, UINT joystickId);

    // ---- Assets ----

    // The checked picture, from the cache after the first time; null (after the error box, and
    // with the window asked to close) when the file fails its check.
    HBITMAP LoadCheckedBitmap(const std::string& path);
    // The explosion, when its file passes its check; silence otherwise.
    void PlayExplosion();

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

private:
    static constexpr int kUfoHitsPerLevel = 20;

    void BuildMenu();
    void StartGame();
    void PlayFrame(int elapsedMs);
    void InterludeStep();
    void SpawnWave(const WavePattern& wave);
    void PlacePlayer();
    // Moves the ship by (dx, dy) when it stays inside the field.
    void MovePlayer(int dx, int dy);
    // Gives the sprite its movement strategy of `periodMs` and files both in the form's lists.
    template <class Movement, class Kind>
    Kind* SetMoving(std::unique_ptr<Kind> sprite, const SpriteTemplate& kind, int periodMs, SpriteList& list);
    // Whether a shot of one kind may be fired now; accepting it restarts its cool-down.
    static bool TakeShot(bool& firstShot, OrloUtility::TimeStamp& lastShot);
    void OpenNameForm();
    void DrawLeaderboardLine();
};

}  // namespace MyGame
