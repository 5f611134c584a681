// astrovex_assetgen <assets-dir> <icon-dir> [<preview-dir>]
//
// Writes the game's pictures and sound into <assets-dir>, the program icon into <icon-dir>, and
// with a third folder a PNG of every picture there. Everything comes from fixed seeds, so two
// runs, on any machine and in any build, write the same bytes.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "FileFormats.h"
#include "Pictures.h"
#include "Preview.h"
#include "Sound.h"

namespace {

using namespace assetgen;
namespace fs = std::filesystem;

bool Write(const fs::path& path, const Bytes& bytes) {
    if (WriteFile(path, bytes)) return true;
    std::fprintf(stderr, "astrovex_assetgen: cannot write %s\n", path.string().c_str());
    return false;
}

bool MakeFolder(const fs::path& dir) {
    std::error_code error;
    fs::create_directories(dir, error);
    if (!error && fs::is_directory(dir)) return true;
    std::fprintf(stderr, "astrovex_assetgen: cannot make folder %s\n", dir.string().c_str());
    return false;
}

bool Generate(const fs::path& assets, const fs::path& icons, const fs::path& previews) {
    const bool preview = !previews.empty();
    if (!MakeFolder(assets) || !MakeFolder(icons) || (preview && !MakeFolder(previews))) return false;
    bool ok = true;
    auto picture = [&](const char* name, const Image& image) {
        ok = Write(assets / (std::string(name) + ".bmp"), EncodeBmp(image)) && ok;
        if (preview) ok = Write(previews / (std::string(name) + ".png"), EncodePng(image, false)) && ok;
    };
    const SpriteSet sprites{ShipSprite(), RockSprite(), UfoSprite(), PlasmaSprite()};
    const Image field = FieldPicture();
    picture("player", sprites.ship);
    picture("asteroide_notte", sprites.rock);
    picture("ufo", sprites.ufo);
    picture("bullet", sprites.plasma);
    picture("blank", field);
    picture("logo", TitlePicture());
    picture("livello", BannerPicture(Banner::LevelComplete));
    picture("replay", BannerPicture(Banner::LifeLost));
    picture("gameover", BannerPicture(Banner::GameOver));
    ok = Write(assets / "Explosion.wav", EncodeWav(ExplosionSound(), kSoundRate)) && ok;

    const Image icon16 = IconImage(16), icon32 = IconImage(32), icon48 = IconImage(48), icon128 = IconImage(128);
    ok = Write(icons / "astrovex.ico", EncodeIco({icon16, icon32, icon48})) && ok;
    ok = Write(icons / "astrovex.png", EncodePng(icon128, true)) && ok;
    if (preview) {
        ok = Write(previews / "field.png", EncodePng(FieldPreview(field, sprites), false)) && ok;
        ok = Write(previews / "sprites_x3.png", EncodePng(SpriteSheetPreview(sprites), false)) && ok;
        for (const Image* image : {&icon16, &icon32, &icon48, &icon128})
            ok = Write(previews / ("astrovex_" + std::to_string(image->width) + ".png"), EncodePng(*image, true)) && ok;
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: astrovex_assetgen <assets-dir> <icon-dir> [<preview-dir>]\n");
        return 2;
    }
    try {
        return Generate(argv[1], argv[2], argc == 4 ? fs::path(argv[3]) : fs::path()) ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "astrovex_assetgen: %s\n", e.what());
        return 1;
    }
}
