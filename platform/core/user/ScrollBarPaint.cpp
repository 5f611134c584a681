#include "user/ScrollBarPaint.h"

#include <algorithm>

#include "Painting.h"
#include "PlatformState.h"
#include "user/ScrollBarLook.h"
#include "user/ScrollBars.h"
#include "user/WindowTree.h"

namespace platform::scrollpaint {

namespace {

using scrollgeometry::Part;

// A bar drawn as if it were vertical: `along` runs from its start to its end, `across` over
// its thickness; Box turns such a span into the window's own coordinates.
struct Frame {
    RECT bar;
    bool vertical;

    int Length() const { return vertical ? bar.bottom - bar.top : bar.right - bar.left; }
    int Thickness() const { return vertical ? bar.right - bar.left : bar.bottom - bar.top; }
    RECT Box(int alongFrom, int alongTo, int acrossFrom, int acrossTo) const {
        if (vertical) return {bar.left + acrossFrom, bar.top + alongFrom, bar.left + acrossTo, bar.top + alongTo};
        return {bar.left + alongFrom, bar.top + acrossFrom, bar.left + alongTo, bar.top + acrossTo};
    }
};

// A small solid triangle pointing to the bar's start (`towardStart`) or its end, centred in the
// arrow box, drawn one row (or column) of pixels at a time.
void PaintGlyph(HDC dc, const Frame& frame, int boxStart, int boxSize, bool towardStart, COLORREF colour) {
    const int rows = std::clamp((std::min(boxSize, frame.Thickness()) - 5) / 2, 0, 4);
    const int middleAlong = boxStart + boxSize / 2;
    const int middleAcross = frame.Thickness() / 2;
    for (int row = 0; row < rows; ++row) {
        const int along = towardStart ? middleAlong - rows / 2 + row : middleAlong + rows / 2 - row - 1 + rows % 2;
        paint::Fill(dc, frame.Box(along, along + 1, middleAcross - row, middleAcross + row + 1), colour);
    }
}

void PaintArrow(HDC dc, const Frame& frame, int start, int size, bool towardStart, bool pressed, bool disabled) {
    if (size <= 0) return;
    paint::Fill(dc, frame.Box(start, start + size, 0, frame.Thickness()), pressed ? scrolllook::kArrowPressed
                                                                                  : scrolllook::kTrough);
    const COLORREF glyph = disabled ? scrolllook::kGlyphDisabled
                                    : pressed ? scrolllook::kGlyphPressed : scrolllook::kGlyph;
    PaintGlyph(dc, frame, start, size, towardStart, glyph);
}

// The trough, with the side of the thumb that pages under the pointer darker while held.
void PaintTrough(HDC dc, const Frame& frame, const scrollgeometry::Layout& layout, int thumbAt, Part held) {
    const int start = layout.arrow, end = layout.length - layout.arrow;
    if (end <= start) return;
    const int across = frame.Thickness();
    paint::Fill(dc, frame.Box(start, end, 0, across), scrolllook::kTrough);
    if (layout.thumbSize == 0) return;
    if (held == Part::PageUp) paint::Fill(dc, frame.Box(start, thumbAt, 0, across), scrolllook::kTroughPressed);
    const int thumbEnd = thumbAt + layout.thumbSize;
    if (held == Part::PageDown) paint::Fill(dc, frame.Box(thumbEnd, end, 0, across), scrolllook::kTroughPressed);
}

void PaintThumb(HDC dc, const Frame& frame, const scrollgeometry::Layout& layout, int thumbAt, bool dragged) {
    if (layout.thumbSize == 0) return;
    const int inset = std::min(scrolllook::kThumbInset, frame.Thickness() / 4);
    paint::Fill(dc, frame.Box(thumbAt, thumbAt + layout.thumbSize, inset, frame.Thickness() - inset),
                dragged ? scrolllook::kThumbDragged : scrolllook::kThumb);
}

void PaintOne(HDC dc, const Frame& frame, const ScrollBarData& data, const Pressed& pressed) {
    const scrollgeometry::Layout layout = scrollgeometry::LayoutOf(frame.Length(), data);
    const int thumbAt = pressed.thumbAt ? scrollgeometry::ClampThumb(layout, *pressed.thumbAt) : layout.thumbPos;
    const bool wholeDisabled = data.disabledArrows == ESB_DISABLE_BOTH;
    PaintArrow(dc, frame, 0, layout.arrow, true, pressed.part == Part::LineUp,
               wholeDisabled || (data.disabledArrows & ESB_DISABLE_UP));
    PaintArrow(dc, frame, layout.length - layout.arrow, layout.arrow, false, pressed.part == Part::LineDown,
               wholeDisabled || (data.disabledArrows & ESB_DISABLE_DOWN));
    PaintTrough(dc, frame, layout, thumbAt, pressed.part);
    PaintThumb(dc, frame, layout, thumbAt, pressed.thumbAt.has_value());
}

// The window's bars when it is on the screen and shows them; null otherwise.
Window* Showing(HWND window) {
    Window* w = FindWindow(window);
    if (!w || !(w->style & (WS_VSCROLL | WS_HSCROLL)) || !IsShownOnScreen(*w)) return nullptr;
    return w;
}

void PaintWith(HWND window, Window& w, int bar, const Pressed& pressed) {
    const RECT rect = scrollgeometry::BarRect(w, bar);
    if (IsRectEmpty(&rect)) return;
    // A window given a bar's style after it was made has no numbers yet: it shows the defaults.
    WindowScrollBars* bars = scrollbars::Of(w, false);
    const ScrollBarData data = bars ? bars->Of(bar) : ScrollBarData{};
    HDC dc = GetWindowDC(window);
    if (!dc) return;
    PaintOne(dc, Frame{rect, bar == SB_VERT}, data, pressed);
    ReleaseDC(window, dc);
}

}  // namespace

void PaintBars(HWND window) {
    Window* w = Showing(window);
    if (!w) return;
    PaintWith(window, *w, SB_VERT, {});
    PaintWith(window, *w, SB_HORZ, {});
    const RECT corner = scrollgeometry::CornerRect(*w);
    if (IsRectEmpty(&corner)) return;
    HDC dc = GetWindowDC(window);
    if (!dc) return;
    paint::Fill(dc, corner, scrolllook::kCorner);
    ReleaseDC(window, dc);
}

void PaintBar(HWND window, int bar, const Pressed& pressed) {
    if (Window* w = Showing(window)) PaintWith(window, *w, bar, pressed);
}

}  // namespace platform::scrollpaint
