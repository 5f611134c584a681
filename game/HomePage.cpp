#include "game/HomePage.h"

#include "PlatformApi.h"

namespace MyGame {

namespace {

// Probed like the pictures: from a folder inside the game's folder, then from the game's own.
constexpr const char* kPagePaths[] = {"..\\home\\index.html", "home\\index.html"};

}  // namespace

std::string HomePageAddress() {
#ifdef ASTROVEX_HOME_PAGE_URL
    return ASTROVEX_HOME_PAGE_URL;
#else
    for (const char* path : kPagePaths)
        if (GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES) return path;
    return kPagePaths[1];
#endif
}

}  // namespace MyGame
