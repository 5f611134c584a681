#include "gdi/Fonts.h"

#include <algorithm>

#include "PlatformState.h"

namespace platform {

namespace {

FontRequest RequestOf(const LOGFONTW& lf) {
    FontRequest request;
    request.height = lf.lfHeight;
    request.width = lf.lfWidth;
    request.weight = lf.lfWeight == FW_DONTCARE ? FW_NORMAL : lf.lfWeight;
    request.italic = lf.lfItalic != 0;
    request.underline = lf.lfUnderline != 0;
    request.strikeOut = lf.lfStrikeOut != 0;
    request.pitchAndFamily = lf.lfPitchAndFamily;
    const WCHAR* face = lf.lfFaceName;
    request.face.assign(face, std::find(face, face + LF_FACESIZE, L'\0'));
    return request;
}

}  // namespace

std::shared_ptr<const Font> FontOf(const DeviceContext& dc) {
    auto* font = FindGdi<FontObject>(dc.font, GdiObject::Kind::Font);
    if (!font) font = FindGdi<FontObject>(Gdi().stock[SYSTEM_FONT], GdiObject::Kind::Font);
    return RealizeFont(RequestOf(font->logFont));
}

}  // namespace platform

using namespace platform;

HFONT WINAPI CreateFontIndirectW(const LOGFONTW* lplf) {
    if (!lplf) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    Gdi();
    LOGFONTW lf = *lplf;
    lf.lfFaceName[LF_FACESIZE - 1] = L'\0';
    return static_cast<HFONT>(AddGdiObject(std::make_unique<FontObject>(lf)));
}

HFONT WINAPI CreateFontW(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight, DWORD bItalic,
                         DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet, DWORD iOutPrecision, DWORD iClipPrecision,
                         DWORD iQuality, DWORD iPitchAndFamily, LPCWSTR pszFaceName) {
    LOGFONTW lf{};
    lf.lfHeight = cHeight;
    lf.lfWidth = cWidth;
    lf.lfEscapement = cEscapement;
    lf.lfOrientation = cOrientation;
    lf.lfWeight = cWeight;
    lf.lfItalic = static_cast<BYTE>(bItalic != 0);
    lf.lfUnderline = static_cast<BYTE>(bUnderline != 0);
    lf.lfStrikeOut = static_cast<BYTE>(bStrikeOut != 0);
    lf.lfCharSet = static_cast<BYTE>(iCharSet);
    lf.lfOutPrecision = static_cast<BYTE>(iOutPrecision);
    lf.lfClipPrecision = static_cast<BYTE>(iClipPrecision);
    lf.lfQuality = static_cast<BYTE>(iQuality);
    lf.lfPitchAndFamily = static_cast<BYTE>(iPitchAndFamily);
    // The face name is cut to what a logical font holds.
    for (std::size_t i = 0; pszFaceName && pszFaceName[i] && i + 1 < LF_FACESIZE; ++i) lf.lfFaceName[i] = pszFaceName[i];
    return CreateFontIndirectW(&lf);
}
