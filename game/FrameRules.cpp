// The game's heartbeat and its typed commands: what a tick does in each phase, starting a game,
// pausing, skipping a level, and building a level.
#include "game/FormMain.h"
#include "game/ProcessState.h"
#include "game/SpriteAsteroidi.h"
#include "game/SpriteUfo.h"
#include "game/WavePatterns.h"

namespace MyGame {

using OrloUtility::TimeStamp;

namespace {


bool Is(WCHAR character, char letter) {
    return character == static_cast<WCHAR>(letter) || character == static_cast<WCHAR>(letter - 'A' + 'a');
}

bool IsUnset(const TimeStamp& stamp) { return stamp.value.wYear == 1900; }

}  // namespace

void FormMain::OnTick() {
    ProcessState& process = Process();
    if (!process.ticking) {
        process.ticking = true;
        process.interludeDeadline = TimeStamp::MakeUnset();
        process.lastTick = TimeStamp::Now();
    }
    const TimeStamp now = TimeStamp::Now();
    const int elapsed = static_cast<int>(process.lastTick.MillisecondsUntil(now));
    if (elapsed == 0 || process.tickBusy) return;
    process.tickBusy = true;
    switch (state) {
    case GameState::Title: TitleStep(); break;
    case GameState::Playing: PlayFrame(elapsed); break;
    case GameState::Interlude: InterludeStep(); break;
    default: break;
    }
    process.lastTick = now;
    process.tickBusy = false;
}

// The loop stops as soon as a step ends the play (a hit, the level's last UFO); the frame is
// closed either way.
void FormMain::PlayFrame(int elapsedMs) {
    BeginFrame(false);
    OrloUtility::RunStrategies({&frameAnimations, &movements}, elapsedMs,
                               [this] { return state == GameState::Playing; });
    if (state == GameState::Playing) PollInput();
    EndFrame();
}

void FormMain::InterludeStep() {
    ProcessState& process = Process();
    TimeStamp now = TimeStamp::Now();
    if (IsUnset(process.interludeDeadline)) {
        process.interludeDeadline = now.AddDelay();
    } else if (OrloUtility::IsDeadlinePassed(now, process.interludeDeadline)) {
        process.interludeDeadline = TimeStamp::MakeUnset();
        StartLevel();
    }
}

bool FormMain::OnGameChar(WCHAR character) {
    switch (state) {
    case GameState::Title:
        if (Is(character, 'G')) StartGame();
        break;
    case GameState::Playing:
        if (Is(character, 'P')) {
            state = GameState::Paused;
        } else if (Is(character, 'N')) {
            // A typed character comes outside any frame; the level picture must reach the
            // window as it does when the last UFO's hit ends the level inside one.
            BeginFrame(false);
            LevelComplete();
        }
        break;
    case GameState::Paused:
        if (Is(character, 'P')) state = GameState::Playing;
        break;
    case GameState::GameOver: ShowStartScreen(); break;
    default: break;
    }
    return true;
}

void FormMain::StartGame() {
    LoadTemplates();
    level = 1;
    score = 0;
    lives = 3;
    elements.clear();
    StartLevel();
}

void FormMain::LoadTemplates() {
    RECT client{};
    GetClientRect(window_, &client);
    width = client.right - client.left;
    height = client.bottom - client.top;
    struct Kind {
        SpriteTemplate* record;
        const char* kindName;
        const char* file;
        int width, height, firstFrame, lastFrame, framePeriodMs;
    };
    const Kind kinds[] = {
        {&playerTemplate, "player", "player.bmp", 64, 115, 0, 0, 100},
        {&playerBulletTemplate, "bullet", "bullet.bmp", 3, 3, 0, 0, 60},
        {&asteroidATemplate, "asteroide", "asteroide_notte.bmp", 45, 63, 0, 4, 200},
        {&asteroidBTemplate, "asteroide", "asteroide_notte.bmp", 45, 63, 6, 9, 200},
        {&enemyBulletTemplate, "bulletNemico", "bullet.bmp", 13, 24, 0, 0, 200},
        {&ufoTemplate, "ufo", "ufo.bmp", 40, 40, 0, 3, 200},
    };
    for (const Kind& kind : kinds) {
        SpriteTemplate& record = *kind.record;
        record.fieldWidth = width;
        record.fieldHeight = height;
        record.width = kind.width;
        record.height = kind.height;
        record.firstFrame = kind.firstFrame;
        record.lastFrame = kind.lastFrame;
        record.framePeriodMs = kind.framePeriodMs;
        record.imagePath = kAssetFolder + kind.file;
        record.kindName = kind.kindName;
    }
}

void FormMain::StartLevel() {
    state = GameState::Building;
    elements.clear();
    ClearAnimations();
    ReleaseSprites(enemies);
    ReleaseSprites(playerBullets);
    ReleaseSprites(enemyBullets);
    BeginFrame(false);
    SetBackground(LoadCheckedBitmap(kAssetFolder + "blank.bmp"));
    SaveSceneCopy();
    ufoHitsLeft = kUfoHitsPerLevel;
    SpawnWave(PatternOfLevel(level));
    PlacePlayer();
    DrawHud();
    EndFrame();
    state = GameState::Playing;
}

void FormMain::SpawnWave(const WavePattern& wave) {
    for (char kind : wave.asteroids) SpawnAsteroid(kind == 'A' ? asteroidATemplate : asteroidBTemplate);
    for (int period : wave.ufoPeriodsMs)
        if (period > 0) SpawnUfo(period, ufoTemplate);
}

// Centred at the bottom of the field.
void FormMain::PlacePlayer() {
    player.reset();
    std::unique_ptr<OrloUtility::Sprite> made = CreateSprite(playerTemplate);
    auto* ship = dynamic_cast<SpritePlayer*>(made.get());
    if (!ship) return;
    made.release();
    player.reset(ship);
    ship->x = (playerTemplate.fieldWidth - playerTemplate.width) / 2;
    ship->y = playerTemplate.fieldHeight - playerTemplate.height;
    DrawSprite(*ship);
}

}  // namespace MyGame
