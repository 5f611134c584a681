// The program's run from its entry: where the pictures are looked for, the message when they
// cannot be found, and a whole run from the title screen to the close box.
#include <filesystem>

#include "FreshState.h"
#include "controls/MessageBox.h"
#include "game/GameScenario.h"
#include "game/StartUp.h"
#include "toolkit/ToolkitState.h"
#include "toolkit/elements/ElementRegistry.h"

namespace MyGame {
namespace {

namespace fs = std::filesystem;

const HINSTANCE kProgram = reinterpret_cast<HINSTANCE>(0x400000);

class StartUpTest : public GameScenario {
protected:
    // Runs the program to its end; the script answers any message box and closes the game's
    // window once it is up. Returns the exit code and the message box's text, if one opened.
    int Run(std::wstring* message = nullptr) {
        Backend().At(Backend().MonotonicMs() + 500, [this, message] {
            if (HWND box = FindWindowW(L"#32770", nullptr)) {
                wchar_t text[256] = {};
                GetWindowTextW(GetDlgItem(box, platform::messagebox::kTextId), text, 256);
                if (message) *message = text;
                Backend().PressKey(VK_RETURN);
            } else if (HWND main = OrloUtility::MainWindow()) {
                wchar_t title[128] = {};
                GetWindowTextW(main, title, 128);
                title_ = title;
                Backend().PressCloseButton(main);
            }
        });
        return RunGame(kProgram);
    }
    std::wstring title_;
};

TEST_F(StartUpTest, TheGameRunsFromAFolderBesideOrAboveThePicturesAndEndsWithZero) {
    const struct {
        const char* what;
        const char* workingFolder;
    } cases[] = {{"one level below", "."}, {"the folder that holds them", ".."}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path before = fs::current_path();
        fs::current_path(c.workingFolder);
        ReplaceWithFresh(OrloUtility::Toolkit());
        EXPECT_EQ(Run(), 0);
        EXPECT_EQ(title_, L"Astrovex Sparatutto spaziale arcade: abbatti gli UFO!");
        fs::current_path(before);
    }
}

TEST_F(StartUpTest, WithoutTheTitlePictureTheUserIsToldAndTheExitCodeIsOne) {
    const struct {
        const char* what;
        std::function<void(const std::string& folder)> remove;
    } cases[] = {
        {"no picture folder", [](const std::string& folder) { fs::remove_all(folder); }},
        {"a folder without the title picture", [](const std::string& folder) { fs::remove(folder + "/logo.bmp"); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.remove(AssetFolder());
        std::wstring message;
        EXPECT_EQ(Run(&message), 1);
        EXPECT_EQ(message,
                  L"Immagini non trovate.\nSe esegui il gioco da un archivio zip dovrai decomprimere tutto il "
                  L"contenuto in una cartella ed eseguire il gioco dalla cartella");
        EXPECT_EQ(OrloUtility::MainWindow(), nullptr) << "no window is made";
    }
}

}  // namespace
}  // namespace MyGame
