#include "controls/ButtonMarks.h"

#include <algorithm>
#include <cmath>

#include "controls/Look.h"

namespace platform::button {

namespace {

// The check mark in the units of a mark of kMarkSize: seven columns three pixels tall, going
// down for three columns and up for four.
constexpr int kTickFirstColumn = 3;
constexpr int kTickTops[] = {5, 6, 7, 6, 5, 4, 3};
constexpr int kTickHeight = 3;

int Scaled(int units, int size) { return units * size / kMarkSize; }

void DrawTick(HDC dc, const RECT& box, COLORREF colour) {
    const int size = box.right - box.left;
    const int height = std::max(1, Scaled(kTickHeight, size));
    int column = 0;
    for (int top : kTickTops) {
        const int left = box.left + Scaled(kTickFirstColumn + column, size);
        const int right = box.left + Scaled(kTickFirstColumn + column + 1, size);
        const int y = box.top + Scaled(top, size);
        look::Fill(dc, {left, y, std::max(right, left + 1), y + height}, colour);
        ++column;
    }
}

// A filled circle of `diameter` pixels, one row at a time: each row spans the chord through the
// middle of that row, rounded to whole pixels.
void Disc(HDC dc, int left, int top, int diameter, COLORREF colour) {
    const double radius = diameter / 2.0;
    for (int row = 0; row < diameter; ++row) {
        const double fromCentre = row + 0.5 - radius;
        const double half = std::sqrt(std::max(0.0, radius * radius - fromCentre * fromCentre));
        const int from = static_cast<int>(std::lround(radius - half));
        const int to = static_cast<int>(std::lround(radius + half));
        if (to > from) look::Fill(dc, {left + from, top + row, left + to, top + row + 1}, colour);
    }
}

}  // namespace

void DrawCheckBoxMark(HDC dc, const RECT& box, LRESULT check, const MarkColours& colours) {
    if (check == BST_CHECKED) {
        look::Fill(dc, box, colours.ink);
        DrawTick(dc, box, colours.face);
        return;
    }
    look::Fill(dc, box, colours.face);
    look::Outline(dc, box, colours.border);
    if (check != BST_INDETERMINATE) return;
    const int inset = std::max(2, Scaled(3, box.right - box.left));
    RECT inner = box;
    InflateRect(&inner, -inset, -inset);
    look::Fill(dc, inner, colours.ink);
}

void DrawRadioMark(HDC dc, const RECT& box, bool checked, const MarkColours& colours) {
    const int size = std::min(box.right - box.left, box.bottom - box.top);
    Disc(dc, box.left, box.top, size, checked ? colours.ink : colours.border);
    Disc(dc, box.left + 1, box.top + 1, size - 2, colours.face);
    if (!checked) return;
    // The dot takes the circle's parity, so it sits exactly in the middle.
    int dot = Scaled(5, size);
    if ((dot ^ size) & 1) ++dot;
    const int inset = (size - dot) / 2;
    Disc(dc, box.left + inset, box.top + inset, dot, colours.ink);
}

}  // namespace platform::button
