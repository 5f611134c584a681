#include "game/GameScenario.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "FreshState.h"
#include "game/ProcessState.h"
#include "toolkit/drawing/RandomBetween.h"

namespace MyGame {

namespace {

std::optional<std::string> Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

void Restore(const char* name, const std::optional<std::string>& value) {
    if (value) {
        setenv(name, value->c_str(), 1);
    } else {
        unsetenv(name);
    }
}

}  // namespace

void GameScenario::SetUp() {
    GameFormTest::SetUp();
    std::filesystem::copy(ASTROVEX_ASSET_DIR, AssetFolder(), std::filesystem::copy_options::recursive);
    std::filesystem::create_directories(root_ + "/play");
    std::filesystem::create_directories(root_ + "/data");
    savedWorkingFolder_ = std::filesystem::current_path();
    std::filesystem::current_path(root_ + "/play");
    savedDataHome_ = Variable("XDG_DATA_HOME");
    savedHome_ = Variable("HOME");
    setenv("XDG_DATA_HOME", (root_ + "/data").c_str(), 1);
    setenv("HOME", (root_ + "/no-home").c_str(), 1);
    ReplaceWithFresh(Process());
    OrloUtility::SeedRandom(20261210);
}

void GameScenario::TearDown() {
    GameFormTest::TearDown();
    std::filesystem::current_path(savedWorkingFolder_);
    Restore("XDG_DATA_HOME", savedDataHome_);
    Restore("HOME", savedHome_);
}

FormMain& GameScenario::Open() {
    FormMain& game = MakeGame<FormMain>();
    return game;
}

FormMain& GameScenario::Play() {
    FormMain& game = Open();
    Type('G');
    return game;
}

void GameScenario::Type(char letter) {
    Backend().PressKey(static_cast<UINT>(std::toupper(static_cast<unsigned char>(letter))));
    Backend().PumpUntilIdle();
}

void GameScenario::Hold(UINT key) {
    Backend().KeyDown(key);
    Backend().PumpUntilIdle();
}

void GameScenario::Release(UINT key) {
    Backend().KeyUp(key);
    Backend().PumpUntilIdle();
}

void GameScenario::Frames(int count) { Backend().RunFor(static_cast<std::uint64_t>(count) * kFrameMs); }

void GameScenario::TickAfter(FormMain& game, int ms) {
    Backend().AdvanceClock(static_cast<std::uint64_t>(ms));
    game.OnTick();
}

std::optional<std::string> GameScenario::LeaderboardBytes() const {
    const std::string path = root_ + "/data/Astrovex/Score/Classifica.txt";
    if (!std::filesystem::is_regular_file(path)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void GameScenario::StoreLeaderboard(const std::string& bytes) const {
    std::filesystem::create_directories(root_ + "/data/Astrovex/Score");
    std::ofstream(root_ + "/data/Astrovex/Score/Classifica.txt", std::ios::binary) << bytes;
}

Pixels GameScenario::Rendered(FormMain& game, int width, int height, COLORREF background,
                              const std::function<void(OrloUtility::Drawing&, OrloUtility::FontInfo&)>& draw) {
    HDC context = CreateCompatibleDC(nullptr);
    SelectObject(context, CreateBitmap(width, height, 1, 32, nullptr));
    OrloUtility::Drawing surface(nullptr);
    surface.StorePrivateContext(context);
    surface.FillBox(1, background, 0, 0, width, height, background);
    draw(surface, game.GameFont());
    Pixels pixels = Block(surface.Context(), 0, 0, width, height);
    surface.EndDrawing();
    return pixels;
}

Pixels GameScenario::RenderedWithMarkers(
    FormMain& game, int width, int height, COLORREF background,
    const std::function<void(OrloUtility::Drawing&, OrloUtility::FontInfo&)>& draw) {
    Pixels pixels = Rendered(game, width, height, background, draw);
    pixels[0][0] = RGB(0, 255, 0);
    pixels[0][1] = RGB(255, 255, 255);
    pixels[0][2] = RGB(255, 0, 0);
    return pixels;
}

Pixels GameScenario::PictureBlock(FormMain& game, const std::string& file, int x, int y, int width, int height) {
    HBITMAP picture = game.LoadCheckedBitmap(kAssetFolder + file);
    OrloUtility::OwnedContext context(CreateCompatibleDC(nullptr));
    HGDIOBJ previous = SelectObject(context.get(), picture);
    Pixels pixels = Block(context.get(), x, y, width, height);
    SelectObject(context.get(), previous);
    return pixels;
}

int GameScenario::PixelsNotOf(FormMain& game, int x, int y, int width, int height, COLORREF colour) {
    int differing = 0;
    for (const auto& row : WindowBlock(game, x, y, width, height))
        for (COLORREF pixel : row) differing += pixel != colour;
    return differing;
}

}  // namespace MyGame
