// The game's checked pictures and sound: every picture is checked once and kept in the cache;
// the explosion is checked every time it plays, and read again only when its file changed. A
// file that is no regular file, or larger than any asset, is refused unread, as a changed one.
#include "game/FormMain.h"
#include "game/ProcessState.h"
#include "toolkit/drawing/LoadBitmapFile.h"
#include "toolkit/util/Paths.h"
#include "toolkit/util/ShowError.h"

namespace MyGame {

HBITMAP FormMain::LoadCheckedBitmap(const std::string& path) {
    const std::string resolved = ResolveAssetPath(path);
    if (auto cached = bitmapCache.find(resolved); cached != bitmapCache.end()) return cached->second.get();
    if (AssetChecksum(resolved) == ExpectedChecksum(OrloUtility::FileNameOf(resolved))) {
        HBITMAP picture = OrloUtility::LoadBitmapFile(resolved);
        // A picture that passes but cannot be decoded is cached as null all the same.
        bitmapCache[resolved].reset(picture);
        return picture;
    }
    OrloUtility::ShowError("Immagine corrotta o dannegiata. Ripristinare la cartella immagine", "errore");
    CloseWindowNow();
    return nullptr;
}

// One check kept for the process: the sound plays at every hit.
void FormMain::PlayExplosion() {
    const std::string resolved = ResolveAssetPath(kAssetFolder + "Explosion.wav");
    if (Process().explosion.Passes(resolved)) PlaySoundFile(resolved, false);
}

}  // namespace MyGame
