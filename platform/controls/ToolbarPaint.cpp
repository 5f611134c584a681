// Drawing a toolbar in the platform's classic look. The divider's two lines lie above the
// client area. A plain toolbar shows each button with a raised 3D edge, sunken while pressed or
// checked; a TBSTYLE_FLAT toolbar shows its parent's background, no edge but a thin raised one
// on the hot button and a thin sunken one on a pressed or checked button, a checked button's
// face dithered with the highlight colour, and each separator as an etched line. A pressed or
// checked button's image moves one pixel down and right; a disabled button's image is its
// shape embossed in the shadow and highlight colours.
#include <vector>

#include "controls/Look.h"
#include "controls/ToolbarState.h"

namespace platform::toolbar {

namespace {

COLORREF Sys(int index) { return GetSysColor(index); }

// One ring of an edge: the top and left lines in `topLeft`, the bottom and right in
// `bottomRight`, which take the corners they share, as the platform draws its edges.
void Ring(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight) {
    look::Fill(dc, {r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    look::Fill(dc, {r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
    look::Fill(dc, {r.right - 1, r.top, r.right, r.bottom}, bottomRight);
    look::Fill(dc, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
}

// A pressed or checked button's sunken edge: the platform's toolbar puts the shadow outside and
// the dark shadow inside, the other way round from the shared sunken edge.
void Edge3D(HDC dc, const RECT& r, bool sunken) {
    if (!sunken) {
        look::RaisedEdge(dc, r);
        return;
    }
    RECT inner = r;
    InflateRect(&inner, -1, -1);
    Ring(dc, r, Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNHIGHLIGHT));
    Ring(dc, inner, Sys(COLOR_3DDKSHADOW), Sys(COLOR_3DLIGHT));
}

void ThinEdge(HDC dc, const RECT& r, bool sunken) {
    if (sunken) Ring(dc, r, Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNHIGHLIGHT));
    else Ring(dc, r, Sys(COLOR_BTNHIGHLIGHT), Sys(COLOR_BTNSHADOW));
}

// Pixels of a 32-bit bitmap hold 0x00RRGGBB; a COLORREF is 0x00BBGGRR.
std::uint32_t PixelOf(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

// Every other pixel in the highlight colour, the rest in the face colour, in a checkerboard
// fixed to the toolbar so neighbouring buttons line up.
void Dither(HDC dc, const RECT& r) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return;
    const std::uint32_t light = PixelOf(Sys(COLOR_BTNHIGHLIGHT)), face = PixelOf(Sys(COLOR_BTNFACE));
    std::vector<std::uint32_t> bits(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y) {
        std::uint32_t* row = bits.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(w);
        const int phase = (r.left + r.top + y) & 1;
        for (int x = 0; x < w; ++x) row[x] = ((x + phase) & 1) ? face : light;
    }
    HBITMAP pattern = CreateBitmap(w, h, 1, 32, bits.data());
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, pattern);
    BitBlt(dc, r.left, r.top, w, h, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(pattern);
}

void Separator(HDC dc, const RECT& r) {
    const int x = r.left + (r.right - r.left) / 2 - 1;
    look::Fill(dc, {x, r.top + 2, x + 1, r.bottom - 2}, Sys(COLOR_BTNSHADOW));
    look::Fill(dc, {x + 1, r.top + 2, x + 2, r.bottom - 2}, Sys(COLOR_BTNHIGHLIGHT));
}

// A small triangle pointing down, centred in the arrow's part.
void Arrow(HDC dc, const RECT& part, COLORREF colour) {
    constexpr int kWidth = 5;
    const int left = part.left + (part.right - part.left - kWidth) / 2, top = (part.top + part.bottom) / 2 - 2;
    for (int row = 0; row < 3; ++row)
        look::Fill(dc, {left + row, top + row, left + kWidth - row, top + row + 1}, colour);
}

// The image is centred above the label's line, or in the whole button without labels.
POINT ImageAt(const State& state, const RECT& face, bool sunken) {
    const SIZE size = state.bitmapSize;
    const int shift = sunken ? 1 : 0;
    return {face.left + (face.right - face.left - size.cx) / 2 + shift,
            face.top + (ImageAreaHeight(state) - size.cy) / 2 + shift};
}

void Image(HDC dc, const State& state, const Button& b, POINT at) {
    if (IsEnabled(b)) state.images.Draw(dc, b.info.iBitmap, at, state.bitmapSize);
    else state.images.DrawDisabled(dc, b.info.iBitmap, at, state.bitmapSize);
}

// The label, centred on the line below the image; a disabled one embossed like its image.
void Label(HDC dc, HWND hwnd, const State& state, const Button& b, const RECT& face, POINT image) {
    if (b.text.empty()) return;
    RECT line{face.left, image.y + state.bitmapSize.cy + 1, face.right, face.bottom};
    HGDIOBJ old = SelectObject(dc, look::FontOf(hwnd, state.font));
    SetBkMode(dc, TRANSPARENT);
    constexpr UINT kFormat = DT_CENTER | DT_SINGLELINE | DT_NOPREFIX;
    if (!IsEnabled(b)) {
        RECT lit = line;
        OffsetRect(&lit, 1, 1);
        SetTextColor(dc, Sys(COLOR_BTNHIGHLIGHT));
        DrawTextW(dc, b.text.c_str(), -1, &lit, kFormat);
    }
    SetTextColor(dc, Sys(IsEnabled(b) ? COLOR_BTNTEXT : COLOR_BTNSHADOW));
    DrawTextW(dc, b.text.c_str(), -1, &line, kFormat);
    SelectObject(dc, old);
}

void Edges(HDC dc, const State& state, const Button& b, const RECT& face, bool flat, bool hot) {
    const bool sunken = (b.info.fsState & (TBSTATE_PRESSED | TBSTATE_CHECKED)) != 0;
    const bool split = HasArrow(state, b) && !(b.info.fsStyle & BTNS_WHOLEDROPDOWN);
    const RECT whole = split ? face : b.rect, arrow = ArrowRect(state, b);
    if (!flat) {
        Edge3D(dc, whole, sunken);
        if (split) Edge3D(dc, arrow, false);
        return;
    }
    if (sunken) ThinEdge(dc, whole, true);
    else if (hot) ThinEdge(dc, whole, false);
    if (split && hot) ThinEdge(dc, arrow, false);
}

void PaintButton(HDC dc, HWND hwnd, const State& state, const Button& b, bool flat, bool hot) {
    if (IsSeparator(b)) {
        if (flat) Separator(dc, b.rect);
        return;
    }
    const bool checked = (b.info.fsState & TBSTATE_CHECKED) != 0;
    const bool sunken = checked || (b.info.fsState & TBSTATE_PRESSED);
    RECT face = b.rect;
    if (HasArrow(state, b)) face.right = ArrowRect(state, b).left;
    if (flat && checked) {
        RECT inside = (b.info.fsStyle & BTNS_WHOLEDROPDOWN) ? b.rect : face;
        InflateRect(&inside, -1, -1);
        Dither(dc, inside);
    }
    Edges(dc, state, b, face, flat, hot);
    const POINT image = ImageAt(state, face, sunken);
    Image(dc, state, b, image);
    Label(dc, hwnd, state, b, face, image);
    if (HasArrow(state, b)) Arrow(dc, ArrowRect(state, b), Sys(IsEnabled(b) ? COLOR_BTNTEXT : COLOR_BTNSHADOW));
}

void PaintDivider(HWND hwnd) {
    if (StyleOf(hwnd) & CCS_NODIVIDER) return;
    RECT window{};
    GetWindowRect(hwnd, &window);
    HDC dc = GetWindowDC(hwnd);
    if (!dc) return;
    const int width = window.right - window.left;
    look::Fill(dc, {0, 0, width, 1}, Sys(COLOR_BTNSHADOW));
    look::Fill(dc, {0, 1, width, kDividerHeight}, Sys(COLOR_BTNHIGHLIGHT));
    ReleaseDC(hwnd, dc);
}

// A flat toolbar lets its parent's background show: the parent erases it, on the button face
// in case it leaves that to its children.
void PaintBackground(HWND hwnd, HDC dc, const RECT& client) {
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    if (IsFlat(hwnd)) SendMessageW(GetParent(hwnd), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
}

}  // namespace

void Paint(HWND hwnd, const State& state) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (!dc) return;
    PaintDivider(hwnd);
    RECT client{};
    GetClientRect(hwnd, &client);
    PaintBackground(hwnd, dc, client);
    if (!Alive(hwnd, state)) {
        EndPaint(hwnd, &ps);
        return;
    }
    const bool flat = IsFlat(hwnd);
    for (std::size_t i = 0; i < state.buttons.size(); ++i) {
        const Button& b = state.buttons[i];
        if (!IsHidden(b)) PaintButton(dc, hwnd, state, b, flat, flat && static_cast<int>(i) == state.hot);
    }
    EndPaint(hwnd, &ps);
}

}  // namespace platform::toolbar
