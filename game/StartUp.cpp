#include "game/StartUp.h"

#include <memory>
#include <string>

#include "game/Assets.h"
#include "game/FormMain.h"
#include "toolkit/elements/MessageLoop.h"
#include "toolkit/util/Paths.h"
#include "toolkit/util/ShowError.h"

namespace MyGame {

namespace {

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Only the title picture is looked for: it tells someone who started the game from inside an
// archive, without the folder beside it, what to do. Its contents are checked when it loads.
bool PicturesFound() {
    const std::string probe = kAssetFolder + "logo.bmp";
    return Exists(probe) || Exists("images_games\\" + OrloUtility::FileNameOf(probe));
}

}  // namespace

int RunGame(HINSTANCE instance) {
    if (!PicturesFound()) {
        OrloUtility::ShowError(
            "Immagini non trovate.\nSe esegui il gioco da un archivio zip dovrai decomprimere tutto il contenuto in una "
            "cartella ed eseguire il gioco dalla cartella",
            "Errore");
        return 1;
    }
    const std::string title = std::string(FormMain::kGameName) + " " + FormMain::kNoticeLine;
    auto mainForm = std::make_unique<FormMain>(instance, title);
    OrloUtility::RunMessageLoop(mainForm.get());
    mainForm.reset();
    return 0;
}

}  // namespace MyGame
