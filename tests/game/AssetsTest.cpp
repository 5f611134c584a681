// The asset folder and its check: the checksum rule, where a path leads, the shipped files
// against the catalogue, the picture cache, refused pictures and the checked explosion.
#include <fcntl.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "controls/MessageBox.h"
#include "core/media/SoundDevice.h"
#include "game/Assets.h"
#include "game/GameScenario.h"
#include "toolkit/util/Paths.h"
#include "toolkit/util/TextConvert.h"

namespace MyGame {
namespace {

namespace fs = std::filesystem;

const std::string kZeros(32, '0');
const char* const kRefusal = "Immagine corrotta o dannegiata. Ripristinare la cartella immagine";

void ReplaceWithPipe(const std::string& path) {
    fs::remove(path);
    ASSERT_EQ(0, mkfifo(path.c_str(), 0644));
}

void ReplaceWithLink(const std::string& path, const std::string& target) {
    fs::remove(path);
    fs::create_symlink(target, path);
}

class AssetsTest : public GameScenario {
protected:
    void TearDown() override {
        platform::Sounds().Close();
        GameScenario::TearDown();
    }
    // A file of `bytes` in the working folder; returns its name.
    static std::string Write(const std::string& name, const std::string& bytes) {
        std::ofstream(name, std::ios::binary) << bytes;
        return name;
    }
    // Answers every error box that opens while `action` runs, noting caption and text.
    struct Box {
        std::wstring caption, text;
    };
    std::vector<Box> AnsweringBoxes(const std::function<void()>& action) {
        std::vector<Box> boxes;
        const int session = ++session_;
        ScheduleAnswer(session, boxes, nullptr);
        action();
        ++session_;
        Backend().PumpUntilIdle();
        return boxes;
    }

private:
    // Looks for a box every 30 ms while its session lasts; each box is answered once (its key
    // takes a moment to arrive).
    void ScheduleAnswer(int session, std::vector<Box>& boxes, HWND answered) {
        Backend().At(Backend().MonotonicMs() + 30, [this, session, &boxes, answered] {
            if (session != session_) return;
            HWND box = FindWindowW(L"#32770", nullptr);
            if (box && box != answered) {
                wchar_t caption[128] = {}, text[256] = {};
                GetWindowTextW(box, caption, 128);
                GetWindowTextW(GetDlgItem(box, platform::messagebox::kTextId), text, 256);
                boxes.push_back({caption, text});
                Backend().PressKey(VK_RETURN);  // as a person answers it
            }
            ScheduleAnswer(session, boxes, box ? box : answered);
        });
    }
    int session_ = 0;
};

TEST_F(AssetsTest, TheChecksumXorsEveryByteIntoItsPlaceModuloSixteen) {
    std::string block(10240, '\0');
    for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>(i * 7 + 3);
    const struct {
        const char* what;
        std::string bytes;
        std::string checksum;
    } cases[] = {
        {"one A", "A", "41" + std::string(30, '0')},
        {"seventeen 0x01", std::string(17, '\x01'), "00" + std::string("010101010101010101010101010101")},
        {"empty", "", kZeros},
        {"sixteen bytes", "\x10\x11\x12\x13\x14\x15\x16\x17\x18\x19\x1A\x1B\x1C\x1D\x1E\xFF",
         "101112131415161718191A1B1C1D1EFF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(AssetChecksum(Write("sample.bin", c.bytes)), c.checksum);
    }
    EXPECT_EQ(AssetChecksum("missing.bin"), kZeros);
    // Whole blocks, and blocks followed by a part of one.
    const std::optional<std::string> whole = AssetChecksum(Write("block.bin", block));
    EXPECT_EQ(AssetChecksum(Write("padded.bin", block + std::string(16, '\0'))), whole);
    EXPECT_EQ(AssetChecksum(Write("twice.bin", block + block)), kZeros);
    EXPECT_EQ(AssetChecksum(Write("spill.bin", block + block + "A")), "41" + std::string(30, '0'));
}

TEST_F(AssetsTest, APathThatExistsIsKeptAndAnyOtherFallsBackToTheAssetFolder) {
    Write("here.bmp", "x");
    const struct {
        std::string path;
        std::string resolved;
    } cases[] = {
        {"here.bmp", "here.bmp"},
        {"..\\images_games\\logo.bmp", "..\\images_games\\logo.bmp"},
        {"..\\somewhere\\logo.bmp", "images_games\\logo.bmp"},
        {"../elsewhere/ufo.bmp", "images_games\\ufo.bmp"},
        {"C:logo.bmp", "images_games\\logo.bmp"},
        {"nothing.bmp", "images_games\\nothing.bmp"},
    };
    for (const auto& c : cases) EXPECT_EQ(ResolveAssetPath(c.path), c.resolved) << c.path;
}

TEST_F(AssetsTest, EveryShippedFileMatchesTheCatalogue) {
    const char* pictures[] = {"logo.bmp",   "blank.bmp",  "replay.bmp",          "livello.bmp", "gameover.bmp",
                              "player.bmp", "ufo.bmp",    "asteroide_notte.bmp", "bullet.bmp"};
    for (const char* name : pictures) {
        SCOPED_TRACE(name);
        const std::optional<std::string> checksum = AssetChecksum(kAssetFolder + name);
        EXPECT_NE(checksum, kZeros) << "the file is there";
        EXPECT_EQ(checksum, ExpectedChecksum(name));
    }
    EXPECT_EQ(AssetChecksum(kAssetFolder + "Explosion.wav"), kExplosionChecksum);
    EXPECT_EQ(ExpectedChecksum("Explosion.wav"), "") << "the sound is checked by its player only";
    EXPECT_EQ(ExpectedChecksum("LOGO.BMP"), "") << "names are compared exactly";
}

TEST_F(AssetsTest, APictureIsReadAndCheckedOnce) {
    FormMain& game = Open();
    HBITMAP first = game.LoadCheckedBitmap(kAssetFolder + "player.bmp");
    ASSERT_TRUE(first);
    // Changed after its check: the cached picture is used all the same.
    std::ofstream(AssetFolder() + "/player.bmp", std::ios::app) << "changed";
    std::vector<Box> boxes = AnsweringBoxes([&] { EXPECT_EQ(game.LoadCheckedBitmap(kAssetFolder + "player.bmp"), first); });
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(IsWindow(game.Handle()));
}

TEST_F(AssetsTest, ARefusedPictureIsReportedEachTimeAndClosesTheGame) {
    const struct {
        const char* what;
        std::function<void(const std::string& folder)> spoil;
        const char* asked;
    } cases[] = {
        {"changed", [](const std::string& folder) { std::ofstream(folder + "/ufo.bmp", std::ios::app) << "x"; }, "ufo.bmp"},
        {"missing", [](const std::string& folder) { fs::remove(folder + "/ufo.bmp"); }, "ufo.bmp"},
        {"copied over another name",
         [](const std::string& folder) {
             fs::copy_file(folder + "/player.bmp", folder + "/ufo.bmp", fs::copy_options::overwrite_existing);
         },
         "ufo.bmp"},
        {"not in the catalogue",
         [](const std::string& folder) { fs::copy_file(folder + "/player.bmp", folder + "/nave.bmp"); }, "nave.bmp"},
        // Neither may keep the game waiting: the open of a pipe waits for a writer, and a read
        // of /dev/zero never ends.
        {"a named pipe in its place", [](const std::string& folder) { ReplaceWithPipe(folder + "/ufo.bmp"); },
         "ufo.bmp"},
        {"a link to an endless device", [](const std::string& folder) { ReplaceWithLink(folder + "/ufo.bmp", "/dev/zero"); },
         "ufo.bmp"},
        // Zeros in whole blocks of 16 leave the checksum as it was.
        {"padded past any asset's size",
         [](const std::string& folder) {
             std::ofstream(folder + "/ufo.bmp", std::ios::binary | std::ios::app) << std::string(kMaxAssetBytes, '\0');
         },
         "ufo.bmp"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FormMain& game = Open();
        c.spoil(AssetFolder());
        // The message loop ends with the game's window before the second request, as it does in
        // the program; a box does not open while the loop's end is pending.
        std::vector<Box> boxes =
            AnsweringBoxes([&] { EXPECT_EQ(game.LoadCheckedBitmap(kAssetFolder + c.asked), nullptr); });
        EXPECT_TRUE(Backend().QuitReceived());
        const std::vector<Box> again =
            AnsweringBoxes([&] { EXPECT_EQ(game.LoadCheckedBitmap(kAssetFolder + c.asked), nullptr); });
        boxes.insert(boxes.end(), again.begin(), again.end());
        ASSERT_EQ(boxes.size(), 2u) << "checked and reported again: nothing was cached";
        for (const Box& box : boxes) {
            EXPECT_EQ(box.caption, L"errore");
            EXPECT_EQ(box.text, OrloUtility::ToWide(kRefusal));
        }
        EXPECT_FALSE(IsWindow(game.Handle())) << "the game closes";
        EXPECT_EQ(game.bitmapCache.count(kAssetFolder + c.asked), 0u);
        DestroyGame(game);
        fs::remove_all(AssetFolder());
        fs::copy(ASTROVEX_ASSET_DIR, AssetFolder(), fs::copy_options::recursive);
    }
}

TEST_F(AssetsTest, TheExplosionPlaysOnlyWhenItsFilePassesItsCheck) {
    FormMain& game = Open();
    game.PlayExplosion();
    EXPECT_EQ(platform::Sounds().Playback().source, "../images_games/Explosion.wav");
    platform::Sounds().Stop();

    std::ofstream(AssetFolder() + "/Explosion.wav", std::ios::binary | std::ios::app) << std::string(16, 'x');
    game.PlayExplosion();
    EXPECT_EQ(platform::Sounds().Playback().source, "") << "a changed sound is not played";
    EXPECT_TRUE(IsWindow(game.Handle())) << "and nothing else happens";
}

TEST_F(AssetsTest, AnExplosionThatIsNoRegularFileIsSilentAndKeepsNoOneWaiting) {
    const struct {
        const char* what;
        std::function<void(const std::string& path)> spoil;
    } cases[] = {
        {"a named pipe", ReplaceWithPipe},
        {"a link to an endless device", [](const std::string& path) { ReplaceWithLink(path, "/dev/zero"); }},
    };
    FormMain& game = Open();
    const std::string path = AssetFolder() + "/Explosion.wav";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.spoil(path);
        game.PlayExplosion();
        EXPECT_EQ(platform::Sounds().Playback().source, "");
        EXPECT_TRUE(IsWindow(game.Handle()));
    }
}

// The file's size and time of change stand for its content: a file changed behind them is
// not read again, which shows that an unchanged one is not either.
TEST_F(AssetsTest, ACheckedAssetIsReadAgainOnlyWhenItsSizeOrTimeChanged) {
    const std::string path = Write("sound.wav", "RIFF-original");
    const auto restoreTime = [&](const struct stat& before) {
        const timespec times[2] = {before.st_atim, before.st_mtim};
        ASSERT_EQ(0, utimensat(AT_FDCWD, path.c_str(), times, 0));
    };
    CheckedAsset sound(*AssetChecksum(path));
    EXPECT_TRUE(sound.Passes(path));

    struct stat before;
    ASSERT_EQ(0, stat(path.c_str(), &before));
    Write(path, "RIFF-replaced");  // same size
    restoreTime(before);
    EXPECT_TRUE(sound.Passes(path)) << "same size and time: the last reading stands";

    const timespec later[2] = {before.st_atim, {before.st_mtim.tv_sec + 1, before.st_mtim.tv_nsec}};
    ASSERT_EQ(0, utimensat(AT_FDCWD, path.c_str(), later, 0));
    EXPECT_FALSE(sound.Passes(path)) << "a new time: read again";

    Write(path, "RIFF-original");
    restoreTime(before);
    EXPECT_TRUE(sound.Passes(path));
    Write(path, "RIFF-original+");
    restoreTime(before);
    EXPECT_FALSE(sound.Passes(path)) << "a new size: read again";
}

}  // namespace
}  // namespace MyGame
