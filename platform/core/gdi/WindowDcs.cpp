// Device contexts of windows (GetDC, the one BeginPaint hands out) and of the screen.
#include "PlatformState.h"
#include "gdi/WindowSurfaces.h"

namespace platform {

HDC CreateDisplayDc(HWND window) {
    GdiState& gdi = Gdi();
    auto dc = std::make_unique<DeviceContext>();
    dc->window = window;
    dc->screen = window == nullptr;
    dc->bitmap = gdi.defaultBitmap;
    dc->pen = static_cast<HPEN>(gdi.stock[BLACK_PEN]);
    dc->brush = static_cast<HBRUSH>(gdi.stock[WHITE_BRUSH]);
    dc->font = static_cast<HFONT>(gdi.stock[SYSTEM_FONT]);
    for (HGDIOBJ held : {HGDIOBJ(dc->bitmap), HGDIOBJ(dc->pen), HGDIOBJ(dc->brush), HGDIOBJ(dc->font)})
        if (GdiObject* object = FindGdiObject(held)) ++object->selections;
    DeviceContext& added = *dc;
    added.handle = reinterpret_cast<HDC>(gdi.contexts.Add(std::move(dc)));
    return added.handle;
}

}  // namespace platform

using namespace platform;

HDC WINAPI GetDC(HWND hWnd) {
    if (hWnd && !CheckWindow(hWnd)) return nullptr;
    return CreateDisplayDc(hWnd);
}

int WINAPI ReleaseDC(HWND hWnd, HDC hDC) {
    DeviceContext* dc = FindDc(hDC);
    // Only a window's own context is released this way; memory contexts go with DeleteDC.
    if (!dc || (!dc->window && !dc->screen) || dc->window != hWnd) return 0;
    return DeleteDC(hDC);
}

HWND WINAPI WindowFromDC(HDC hDC) {
    DeviceContext* dc = FindDc(hDC);
    return dc ? dc->window : nullptr;
}
