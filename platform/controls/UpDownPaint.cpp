// Drawing an up-down control in the controls' look: two small buttons, each with a triangle
// pointing its way, the held one (or the one a key just stepped) shown pressed; grey while the
// control or its buddy is disabled. Beside an edit buddy the control carries the buddy's field
// and border on round it. Like the platform's, it asks the parent for no colours.
#include <algorithm>

#include "controls/Look.h"
#include "controls/UpDownGeometry.h"
#include "controls/UpDownPaint.h"

namespace platform::updown {

namespace {

struct Colours {
    COLORREF face, border, glyph;
};

Colours ColoursOf(HWND hwnd, const State& state, Arrow arrow) {
    if (!IsEnabled(hwnd, state)) return {look::kDisabledFace, look::kDisabledBorder, look::kDisabledText};
    const bool held = (state.pressed && state.arrow == arrow) || state.keyPressed == arrow;
    if (held) return {look::kFacePressed, look::kBorderPressed, GetSysColor(COLOR_BTNTEXT)};
    return {look::kFace, look::kBorder, GetSysColor(COLOR_BTNTEXT)};
}

// A triangle pointing up, down, left or right, centred in `box`, drawn a row (or column) at a
// time from its tip.
void DrawTriangle(HDC dc, const RECT& box, Arrow arrow, bool horizontal, COLORREF colour) {
    const int width = box.right - box.left, height = box.bottom - box.top;
    const int rows = std::clamp((std::min(width, height) + 1) / 4, 1, 4);
    const int centreX = box.left + width / 2, centreY = box.top + height / 2;
    const bool towardStart = arrow == (horizontal ? Arrow::Down : Arrow::Up);  // left, or up
    for (int i = 0; i < rows; ++i) {
        const int step = towardStart ? i : rows - 1 - i;  // from the tip
        const int offset = i - rows / 2;
        if (horizontal) look::Fill(dc, {centreX + offset, centreY - step, centreX + offset + 1, centreY + step + 1}, colour);
        else look::Fill(dc, {centreX - step, centreY + offset, centreX + step + 1, centreY + offset + 1}, colour);
    }
}

}  // namespace

void Paint(HWND hwnd, const State& state) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (!dc) return;
    RECT client{};
    GetClientRect(hwnd, &client);
    look::Fill(dc, client, GetSysColor(COLOR_BTNFACE));
    if (BesideEditBuddy(hwnd, state)) {
        look::Fill(dc, client, IsEnabled(hwnd, state) ? look::kField : look::kDisabledFace);
        look::Outline(dc, client, look::kBorder);
    }
    const bool horizontal = (StyleOf(hwnd) & UDS_HORZ) != 0;
    for (Arrow arrow : {Arrow::Up, Arrow::Down}) {
        const RECT box = ArrowRect(hwnd, state, arrow);
        const Colours colours = ColoursOf(hwnd, state, arrow);
        look::RoundedBox(dc, box, colours.face, colours.border, 1);
        DrawTriangle(dc, box, arrow, horizontal, colours.glyph);
    }
    EndPaint(hwnd, &ps);
}

}  // namespace platform::updown
