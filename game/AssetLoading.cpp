// The game's checked pictures and sound: every picture is checked once and kept in the cache;
// the explosion is checked every time it plays.
#include "game/FormMain.h"
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

void FormMain::PlayExplosion() {
    const std::string resolved = ResolveAssetPath(kAssetFolder + "Explosion.wav");
    if (AssetChecksum(resolved) == kExplosionChecksum) PlaySoundFile(resolved, false);
}

}  // namespace MyGame
