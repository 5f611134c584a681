#include "PictureCheck.h"

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <vector>

#include "core/gdi/GdiObjects.h"
#include "toolkit/drawing/Drawing.h"

namespace LongRun {

namespace {

const platform::BitmapObject* SceneBitmap(OrloUtility::FormGames& game) {
    if (!game.Scene() || !game.Scene()->Context()) return nullptr;
    return platform::FindGdi<platform::BitmapObject>(GetCurrentObject(game.Scene()->Context(), OBJ_BITMAP),
                                                     platform::GdiObject::Kind::Bitmap);
}

// Where the client area starts inside the window's outer image.
POINT ClientOffset(HWND window) {
    RECT outer{};
    GetWindowRect(window, &outer);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    return {origin.x - outer.left, origin.y - outer.top};
}

// One flag a pixel, set where an object stands.
std::vector<std::uint8_t> CoveredBy(const std::vector<RECT>& objects, int width, int height) {
    std::vector<std::uint8_t> covered(static_cast<std::size_t>(width) * height, 0);
    for (const RECT& object : objects)
        for (int y = std::max<int>(object.top, 0); y < std::min<int>(object.bottom, height); ++y)
            for (int x = std::max<int>(object.left, 0); x < std::min<int>(object.right, width); ++x)
                covered[static_cast<std::size_t>(y) * width + x] = 1;
    return covered;
}

}  // namespace

std::optional<std::string> PictureDifference(const platform::HeadlessBackend& backend, OrloUtility::FormGames& game,
                                             const std::vector<RECT>& objects) {
    const platform::BitmapObject* scene = SceneBitmap(game);
    if (!scene) return std::nullopt;
    int outerWidth = 0, outerHeight = 0;
    std::vector<std::uint32_t> screen;
    if (!backend.WindowImage(game.Handle(), outerWidth, outerHeight, screen)) return "the game window has no pixels";
    RECT client{};
    GetClientRect(game.Handle(), &client);
    const POINT offset = ClientOffset(game.Handle());
    const int width = std::min<int>(client.right, scene->width), height = std::min<int>(client.bottom, scene->height);
    const std::vector<std::uint8_t> covered = CoveredBy(objects, width, height);
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* shown = &screen[static_cast<std::size_t>(offset.y + y) * outerWidth + offset.x];
        const std::uint32_t* held = &scene->pixels[static_cast<std::size_t>(y) * scene->width];
        for (int x = 0; x < width; ++x) {
            if (shown[x] == held[x] || covered[static_cast<std::size_t>(y) * width + x]) continue;
            std::ostringstream text;
            text << "the window differs from the scene at (" << x << ", " << y << "): window 0x" << std::hex
                 << shown[x] << ", scene 0x" << held[x];
            return text.str();
        }
    }
    return std::nullopt;
}

}  // namespace LongRun
