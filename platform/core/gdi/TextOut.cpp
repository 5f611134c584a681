#include "gdi/TextOut.h"

#include <algorithm>

#include "PlatformState.h"
#include "gdi/Fonts.h"

namespace platform {

namespace {

std::uint32_t Blend(std::uint32_t under, std::uint32_t over, std::uint32_t coverage) {
    std::uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        std::uint32_t a = (under >> shift) & 0xFF;
        std::uint32_t b = (over >> shift) & 0xFF;
        result |= ((b * coverage + a * (255 - coverage) + 127) / 255) << shift;
    }
    return result;
}

void FillArea(const Surface& surface, RECT area, std::uint32_t pixel) {
    if (!IntersectRect(&area, &area, &surface.clip)) return;
    surface.Touch(area);
    for (int y = area.top; y < area.bottom; ++y) std::fill_n(surface.At(area.left, y), area.right - area.left, pixel);
}

std::uint32_t SurfacePixel(const Surface& surface, COLORREF color) {
    return surface.monochrome ? NearestMonochrome(color) : PixelOf(color);
}

std::wstring_view ViewOf(LPCWSTR text, int count) {
    return text && count > 0 ? std::wstring_view(text, static_cast<std::size_t>(count)) : std::wstring_view{};
}

}  // namespace

void DrawTextRun(const DeviceContext& dc, const Surface& surface, const Font& font, int x, int y,
                 std::wstring_view text, RECT clip) {
    if (!IntersectRect(&clip, &clip, &surface.clip) || text.empty()) return;
    TextMask mask = font.Render(text);
    if (dc.bkMode == OPAQUE) {
        Surface clipped = surface;
        clipped.clip = clip;
        FillArea(clipped, {x, y, x + mask.width, y + mask.height}, SurfacePixel(surface, dc.bkColor));
    }
    std::uint32_t ink = SurfacePixel(surface, dc.textColor);
    surface.Touch({x, y, x + mask.width, y + mask.height});
    int left = std::max<int>(x, clip.left), right = std::min<int>(x + mask.width, clip.right);
    int top = std::max<int>(y, clip.top), bottom = std::min<int>(y + mask.height, clip.bottom);
    for (int py = top; py < bottom; ++py) {
        const std::uint8_t* coverage = mask.coverage.data() + static_cast<std::size_t>(py - y) * mask.width;
        for (int px = left; px < right; ++px) {
            std::uint32_t c = coverage[px - x];
            if (c == 0) continue;
            std::uint32_t* pixel = surface.At(px, py);
            // A monochrome surface has no shades: a pixel is ink when mostly covered.
            if (surface.monochrome) {
                if (c >= 128) *pixel = ink;
            } else {
                *pixel = c == 255 ? ink : Blend(*pixel, ink, c);
            }
        }
    }
}

}  // namespace platform

using namespace platform;

BOOL WINAPI ExtTextOutW(HDC hdc, int x, int y, UINT options, const RECT* lprect, LPCWSTR lpString, UINT c,
                        const INT*) {
    DeviceContext* dc = FindDc(hdc);
    if (!dc) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    Surface surface = SurfaceOf(*dc);
    // The opaque rectangle is filled with the background colour whatever the background mode.
    if ((options & ETO_OPAQUE) && lprect) FillArea(surface, *lprect, SurfacePixel(surface, dc->bkColor));
    std::wstring_view text = ViewOf(lpString, static_cast<int>(c));
    if (text.empty()) return TRUE;
    std::shared_ptr<const Font> font = FontOf(*dc);
    if (!font) return FALSE;
    RECT clip = (options & ETO_CLIPPED) && lprect ? *lprect : surface.clip;
    DrawTextRun(*dc, surface, *font, x, y, text, clip);
    return TRUE;
}

BOOL WINAPI TextOutW(HDC hdc, int x, int y, LPCWSTR lpString, int c) {
    if (c < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return ExtTextOutW(hdc, x, y, 0, nullptr, lpString, static_cast<UINT>(c), nullptr);
}

BOOL WINAPI GetTextExtentPoint32W(HDC hdc, LPCWSTR lpString, int c, LPSIZE psizl) {
    DeviceContext* dc = FindDc(hdc);
    if (!dc || !psizl || c < 0) {
        SetLastError(dc ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
        return FALSE;
    }
    std::shared_ptr<const Font> font = FontOf(*dc);
    if (!font) return FALSE;
    *psizl = font->Extent(ViewOf(lpString, c));
    return TRUE;
}

BOOL WINAPI GetTextMetricsW(HDC hdc, LPTEXTMETRICW lptm) {
    DeviceContext* dc = FindDc(hdc);
    if (!dc || !lptm) {
        SetLastError(dc ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
        return FALSE;
    }
    std::shared_ptr<const Font> font = FontOf(*dc);
    if (!font) return FALSE;
    const FontMetrics& m = font->Metrics();
    *lptm = TEXTMETRICW{};
    lptm->tmHeight = m.height;
    lptm->tmAscent = m.ascent;
    lptm->tmDescent = m.descent;
    lptm->tmInternalLeading = m.internalLeading;
    lptm->tmExternalLeading = m.externalLeading;
    lptm->tmAveCharWidth = m.aveCharWidth;
    lptm->tmMaxCharWidth = m.maxCharWidth;
    lptm->tmWeight = m.weight;
    lptm->tmDigitizedAspectX = lptm->tmDigitizedAspectY = 96;
    lptm->tmFirstChar = 0x20;
    lptm->tmLastChar = 0xFFFC;
    lptm->tmDefaultChar = L'?';
    lptm->tmBreakChar = L' ';
    lptm->tmItalic = m.italic;
    lptm->tmUnderlined = m.underline;
    lptm->tmStruckOut = m.strikeOut;
    // The platform's odd convention: the low bit is set for a font that is NOT fixed pitch.
    // 0x06 says outline (vector, TrueType) font.
    lptm->tmPitchAndFamily = static_cast<BYTE>((m.fixedPitch ? 0 : 1) | 0x06 | (m.fixedPitch ? FF_MODERN : FF_SWISS));
    return TRUE;
}
