#include "tests/showcase/MovingSquare.h"

#include <iterator>

#include "toolkit/drawing/Drawing.h"

namespace showcase {

namespace {

struct NamedColour {
    const char* name;
    COLORREF value;
};

constexpr NamedColour kColours[] = {
    {"red", RGB(220, 40, 40)},
    {"green", RGB(40, 170, 60)},
    {"blue", RGB(40, 90, 220)},
};
constexpr COLORREF kTrackColour = RGB(30, 30, 46);
constexpr COLORREF kOutline = RGB(255, 255, 255);

}  // namespace

RECT MovingSquare::Bounds() const {
    const int top = trackTop_ + (trackHeight_ - kSide) / 2;
    return {left_, top, left_ + kSide, top + kSide};
}

RECT MovingSquare::Step(int trackWidth) {
    RECT changed = Bounds();
    left_ += kStep;
    if (left_ > trackWidth) left_ = -kSide;  // off the right edge: comes back in at the left
    const RECT now = Bounds();
    UnionRect(&changed, &changed, &now);
    return changed;
}

const char* MovingSquare::NextColour() {
    colour_ = (colour_ + 1) % static_cast<int>(std::size(kColours));
    return kColours[colour_].name;
}

void MovingSquare::Draw(OrloUtility::Drawing& surface, int trackWidth) const {
    surface.FillBox(0, kTrackColour, 0, trackTop_, trackWidth, trackHeight_, kTrackColour);
    const RECT square = Bounds();
    surface.FillBox(1, kOutline, square.left, square.top, kSide, kSide, kColours[colour_].value);
}

}  // namespace showcase
