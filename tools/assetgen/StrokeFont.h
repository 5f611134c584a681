// Our own capital letters, drawn as strokes: each glyph is a few polylines on a grid 6 units
// tall, with chamfered corners for an arcade look. Text is measured as a distance to the nearest
// stroke, so any stroke width, outline and glow come from the same field with exact edges.
#pragma once

#include <string_view>
#include <vector>

#include "DetMath.h"

namespace assetgen {

struct Segment {
    Vec2 a, b;
};

struct TextLayout {
    double capHeight = 60;  // pixels from the top of a capital to its foot
    double tracking = 1.6;  // units between one glyph's right and the next one's left
    double slant = 0;       // how far the top leans right, in units per unit of height
};

// Width in pixels of the strokes' centrelines (add the stroke width for the inked width).
double TextWidth(std::string_view text, const TextLayout& layout);
// The text's strokes in pixels, its top-left centreline corner at (left, top). Letters A-Z,
// space, '!' and ','; any other character is a mistake in the caller and throws.
std::vector<Segment> LayOutText(std::string_view text, Vec2 topLeft, const TextLayout& layout);
// The same, centred on x = centreX.
std::vector<Segment> LayOutCentred(std::string_view text, double centreX, double top, const TextLayout& layout);

// Distance from every pixel of a window to the nearest segment, with the direction away from
// it, up to `reach` pixels; farther pixels read as `reach`.
class StrokeField {
public:
    StrokeField(const std::vector<Segment>& segments, int layerWidth, int layerHeight, double reach);

    int Left() const { return x0_; }
    int Top() const { return y0_; }
    int Right() const { return x1_; }
    int Bottom() const { return y1_; }
    double Distance(int x, int y) const { return distance_[Index(x, y)]; }
    Vec2 Direction(int x, int y) const { return direction_[Index(x, y)]; }

private:
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y - y0_) * (x1_ - x0_ + 1) + (x - x0_); }
    int x0_ = 0, y0_ = 0, x1_ = -1, y1_ = -1;
    std::vector<double> distance_;
    std::vector<Vec2> direction_;
};

}  // namespace assetgen
