#include "controls/Look.h"

#include <algorithm>

#include <array>

namespace platform::look {

namespace {

// `over` laid on `under` with the given opacity, channel by channel.
COLORREF Mix(COLORREF under, COLORREF over, int percent) {
    auto channel = [&](int shift) {
        int a = static_cast<int>((under >> shift) & 0xFF), b = static_cast<int>((over >> shift) & 0xFF);
        return static_cast<COLORREF>((a * (100 - percent) + b * percent + 50) / 100) << shift;
    };
    return channel(0) | channel(8) | channel(16);
}

std::array<POINT, 4> CornersOf(const RECT& r) {
    return {POINT{r.left, r.top}, POINT{r.right - 1, r.top}, POINT{r.left, r.bottom - 1},
            POINT{r.right - 1, r.bottom - 1}};
}

}  // namespace

void RoundedBox(HDC dc, const RECT& rect, COLORREF face, COLORREF border, int borderWidth) {
    // How much of the frame colour the corners keep: the outer ones let the surroundings show
    // through, the inner ones the face, which rounds the frame on both sides.
    constexpr int kOuterCorner = 35, kInnerCorner = 40;
    const std::array<POINT, 4> outer = CornersOf(rect);
    std::array<COLORREF, 4> beneath{};
    for (std::size_t i = 0; i < outer.size(); ++i) beneath[i] = GetPixel(dc, outer[i].x, outer[i].y);
    Fill(dc, rect, border);
    RECT inner = rect;
    InflateRect(&inner, -borderWidth, -borderWidth);
    Fill(dc, inner, face);
    for (std::size_t i = 0; i < outer.size(); ++i)
        SetPixel(dc, outer[i].x, outer[i].y, Mix(beneath[i], border, kOuterCorner));
    if (IsRectEmpty(&inner)) return;
    for (POINT p : CornersOf(inner)) SetPixel(dc, p.x, p.y, Mix(face, border, kInnerCorner));
}

namespace {

struct EdgeColours {
    int outerTopLeft, innerTopLeft, innerBottomRight, outerBottomRight;  // COLOR_* indexes
};

// One ring of an edge: the top and left in one colour, then the bottom and right over their
// corners in the other.
void Ring(HDC dc, const RECT& r, unsigned sides, COLORREF topLeft, COLORREF bottomRight) {
    if (sides & kTop) Fill(dc, {r.left, r.top, r.right, r.top + 1}, topLeft);
    if (sides & kLeft) Fill(dc, {r.left, r.top, r.left + 1, r.bottom}, topLeft);
    if (sides & kBottom) Fill(dc, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    if (sides & kRight) Fill(dc, {r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

void Edge(HDC dc, const RECT& rect, unsigned sides, const EdgeColours& c) {
    Ring(dc, rect, sides, GetSysColor(c.outerTopLeft), GetSysColor(c.outerBottomRight));
    RECT inner = rect;
    InflateRect(&inner, -1, -1);
    if (!IsRectEmpty(&inner)) Ring(dc, inner, sides, GetSysColor(c.innerTopLeft), GetSysColor(c.innerBottomRight));
}

}  // namespace

void RaisedEdge(HDC dc, const RECT& rect, unsigned sides) {
    Edge(dc, rect, sides, {COLOR_BTNHIGHLIGHT, COLOR_3DLIGHT, COLOR_BTNSHADOW, COLOR_3DDKSHADOW});
}

void SunkenEdge(HDC dc, const RECT& rect, unsigned sides) {
    Edge(dc, rect, sides, {COLOR_3DDKSHADOW, COLOR_BTNSHADOW, COLOR_3DLIGHT, COLOR_BTNHIGHLIGHT});
}

HBRUSH ParentColours(HWND control, HDC dc, UINT message) {
    HWND parent = GetParent(control);
    return reinterpret_cast<HBRUSH>(SendMessageW(parent ? parent : control, message, reinterpret_cast<WPARAM>(dc),
                                                 reinterpret_cast<LPARAM>(control)));
}

SIZE MeasureText(const std::wstring& text, HFONT font, int wrapWidth) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    RECT measured{0, 0, std::max(0, wrapWidth), 0};
    DrawTextW(dc, text.c_str(), -1, &measured, DT_CALCRECT | DT_NOPREFIX | (wrapWidth > 0 ? DT_WORDBREAK : 0));
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {measured.right, measured.bottom};
}

HFONT FontOf(HWND, HFONT given) {
    return given ? given : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace platform::look
