#include "gdi/WindowSurfaces.h"

#include <algorithm>

#include "PlatformState.h"
#include "user/WindowTree.h"

namespace platform {

namespace {

PixelBuffer NewWindowPixels(int width, int height) {
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    PixelBuffer pixels = CurrentBackend().SharesWindowPixels() ? PixelBuffer::Shared(count) : PixelBuffer(count);
    if (pixels.empty() && count > 0) pixels = PixelBuffer(count);
    return pixels;
}

// Narrows `clip`, in coordinates from `origin` on the screen, to the client areas of the
// window's ancestors and to the top-level window's pixels.
void ClipToAncestorsAndPixels(RECT& clip, const Window& window, POINT origin, const Surface& surface,
                              const Window& top) {
    for (Window* w = FindWindow(window.parent); w; w = FindWindow(w->parent)) {
        POINT o = ClientOriginOnScreen(*w);
        RECT ancestor{o.x - origin.x, o.y - origin.y, o.x - origin.x + w->ClientWidth(),
                      o.y - origin.y + w->ClientHeight()};
        IntersectRect(&clip, &clip, &ancestor);
    }
    RECT all{-surface.originX, -surface.originY, top.pixelsWidth - surface.originX,
             top.pixelsHeight - surface.originY};
    IntersectRect(&clip, &clip, &all);
}

// A surface on the top-level window's pixels with its origin where `origin` is on the screen.
Surface SurfaceFrom(Window& top, POINT origin) {
    const RECT topOuter = ScreenRectOf(top);
    Surface surface;
    surface.pixels = top.pixels.data();
    surface.stride = top.pixelsWidth;
    surface.dirty = &top.dirty;
    surface.originX = origin.x - topOuter.left;
    surface.originY = origin.y - topOuter.top;
    return surface;
}

}  // namespace

bool MakeWindowPixels(Window& window) {
    if (!window.pixels.empty()) return true;
    if (window.pixelsWidth <= 0 || window.pixelsHeight <= 0) return false;
    window.pixels = NewWindowPixels(window.pixelsWidth, window.pixelsHeight);
    if (!window.pixels.empty()) return true;
    // Without memory the window has no pixels: it draws nothing rather than past their end.
    window.pixelsWidth = 0;
    window.pixelsHeight = 0;
    return false;
}

void ResizeWindowPixels(Window& window) {
    int width = std::max(0, static_cast<int>(window.rect.right - window.rect.left));
    int height = std::max(0, static_cast<int>(window.rect.bottom - window.rect.top));
    if (width == window.pixelsWidth && height == window.pixelsHeight && !window.pixels.empty()) return;
    window.dirty.Clear();
    window.dirty.Add({0, 0, width, height});
    if (window.pixels.empty()) {
        window.pixelsWidth = width;
        window.pixelsHeight = height;
        return;
    }
    PixelBuffer resized = NewWindowPixels(width, height);
    int keepWidth = std::min(width, window.pixelsWidth);
    int keepHeight = std::min(height, window.pixelsHeight);
    for (int y = 0; y < keepHeight && !resized.empty(); ++y)
        std::copy_n(window.pixels.data() + static_cast<std::ptrdiff_t>(y) * window.pixelsWidth, keepWidth,
                    resized.data() + static_cast<std::ptrdiff_t>(y) * width);
    // Without memory for the new size the window has no pixels: it draws nothing rather than
    // past the end of what it has.
    const bool had = !resized.empty();
    window.pixels = std::move(resized);
    window.pixelsWidth = had ? width : 0;
    window.pixelsHeight = had ? height : 0;
}

Surface WindowSurface(HWND hwnd) {
    Window* window = FindWindow(hwnd);
    Window* top = FindWindow(RootOf(hwnd));
    if (!window || !top || !MakeWindowPixels(*top)) return {};
    const POINT origin = ClientOriginOnScreen(*window);
    Surface surface = SurfaceFrom(*top, origin);
    RECT clip{0, 0, window->ClientWidth(), window->ClientHeight()};
    ClipToAncestorsAndPixels(clip, *window, origin, surface, *top);
    surface.clip = clip;
    return surface;
}

Surface WholeWindowSurface(HWND hwnd) {
    Window* window = FindWindow(hwnd);
    Window* top = FindWindow(RootOf(hwnd));
    if (!window || !top || !MakeWindowPixels(*top)) return {};
    const RECT outer = ScreenRectOf(*window);
    const POINT origin{outer.left, outer.top};
    Surface surface = SurfaceFrom(*top, origin);
    RECT clip{0, 0, outer.right - outer.left, outer.bottom - outer.top};
    ClipToAncestorsAndPixels(clip, *window, origin, surface, *top);
    surface.clip = clip;
    return surface;
}

std::optional<COLORREF> WindowPixel(HWND hwnd, int x, int y) {
    Surface surface = WindowSurface(hwnd);
    if (!surface.Contains(x, y)) return std::nullopt;
    return ColorOf(*surface.At(x, y));
}

}  // namespace platform
