#include "user/FramePaint.h"

#include "PlatformState.h"
#include "gdi/WindowSurfaces.h"
#include "user/NonClient.h"

namespace platform {

namespace {

constexpr int kTitleIndent = 4;

void PaintBorder(HDC dc, const RECT& outer, const RECT& inside) {
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    RECT strips[] = {{outer.left, outer.top, outer.right, inside.top},
                     {outer.left, inside.bottom, outer.right, outer.bottom},
                     {outer.left, inside.top, inside.left, inside.bottom},
                     {inside.right, inside.top, outer.right, inside.bottom}};
    for (const RECT& strip : strips)
        if (!IsRectEmpty(&strip)) FillRect(dc, &strip, face);
}

void PaintCaption(HDC dc, const Window& w, bool active) {
    RECT caption = nonclient::CaptionRect(w);
    if (IsRectEmpty(&caption)) return;
    FillRect(dc, &caption, GetSysColorBrush(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
    caption.left += kTitleIndent;
    DrawTextW(dc, w.text.c_str(), static_cast<int>(w.text.size()), &caption,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
    SelectObject(dc, oldFont);
}

}  // namespace

void PaintFrame(HWND window, bool active) {
    Window* w = FindWindow(window);
    if (!w || w->IsChild() || CurrentBackend().DesktopDrawsFrames() || !MakeWindowPixels(*w)) return;
    const nonclient::Frame frame = nonclient::FrameOf(*w);
    if (frame.border == 0 && frame.caption == 0) return;
    HDC dc = GetWindowDC(window);
    if (!dc) return;
    const RECT outer{0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top};
    PaintBorder(dc, outer, nonclient::DesktopArea(*w));
    PaintCaption(dc, *w, active);
    ReleaseDC(window, dc);
}

}  // namespace platform
