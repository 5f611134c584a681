#include "controls/MessageBoxIcons.h"

#include <algorithm>
#include <cmath>

namespace platform::messagebox {

namespace {

constexpr COLORREF kErrorRed = RGB(232, 17, 35);
constexpr COLORREF kWarningYellow = RGB(255, 185, 0);
constexpr COLORREF kInfoBlue = RGB(0, 120, 215);

COLORREF Mix(COLORREF under, COLORREF over, double coverage) {
    auto channel = [&](int shift) {
        double a = (under >> shift) & 0xFF, b = (over >> shift) & 0xFF;
        return static_cast<COLORREF>(std::lround(a + (b - a) * coverage)) << shift;
    };
    return channel(0) | channel(8) | channel(16);
}

// How much of the pixel at (px, py) lies inside a shape, by 4x4 supersampling.
template <class Inside>
double Coverage(int px, int py, Inside inside) {
    int hits = 0;
    for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx) hits += inside(px + (sx + 0.5) / 4.0, py + (sy + 0.5) / 4.0);
    return hits / 16.0;
}

template <class Inside>
void Paint(HDC dc, int x, int y, COLORREF colour, Inside inside) {
    for (int py = 0; py < kIconSize; ++py)
        for (int px = 0; px < kIconSize; ++px) {
            double c = Coverage(px, py, inside);
            if (c > 0) SetPixel(dc, x + px, y + py, Mix(GetPixel(dc, x + px, y + py), colour, c));
        }
}

bool InDisc(double x, double y) { return std::hypot(x - 16, y - 16) <= 15; }

bool InCross(double x, double y) {
    double d1 = std::abs((x - 16) - (y - 16)) / std::sqrt(2.0);
    double d2 = std::abs((x - 16) + (y - 16)) / std::sqrt(2.0);
    bool near = std::abs(x - 16) <= 7 && std::abs(y - 16) <= 7;
    return near && (d1 <= 1.6 || d2 <= 1.6);
}

bool InTriangle(double x, double y) {
    // Apex at the top, base at the bottom, rounded enough by the supersampling.
    if (y < 2 || y > 30) return false;
    double half = (y - 2) * 15.0 / 28.0;
    return std::abs(x - 16) <= half;
}

// A glyph in a bold sans font, centred in the icon.
void Glyph(HDC dc, int x, int y, const wchar_t* text, COLORREF colour, int height) {
    HFONT font = CreateFontW(-height, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, OUT_OUTLINE_PRECIS, 0,
                             CLEARTYPE_QUALITY, VARIABLE_PITCH | FF_SWISS, L"Segoe UI");
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    RECT box{x, y + 1, x + kIconSize, y + kIconSize + 1};
    DrawTextW(dc, text, -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, old);
    DeleteObject(font);
}

}  // namespace

void DrawIcon(HDC dc, int x, int y, UINT iconFlag) {
    switch (iconFlag & MB_ICONMASK) {
    case MB_ICONERROR:
        Paint(dc, x, y, kErrorRed, InDisc);
        Paint(dc, x, y, RGB(255, 255, 255), InCross);
        break;
    case MB_ICONWARNING:
        Paint(dc, x, y, kWarningYellow, InTriangle);
        Glyph(dc, x, y + 3, L"!", RGB(0, 0, 0), 18);
        break;
    case MB_ICONINFORMATION:
        Paint(dc, x, y, kInfoBlue, InDisc);
        Glyph(dc, x, y, L"i", RGB(255, 255, 255), 20);
        break;
    case MB_ICONQUESTION:
        Paint(dc, x, y, kInfoBlue, InDisc);
        Glyph(dc, x, y, L"?", RGB(255, 255, 255), 20);
        break;
    default: break;
    }
}

}  // namespace platform::messagebox
