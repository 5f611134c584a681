// Large display letters: a gradient face with bevelled edges, a dark outline and a soft glow, all
// taken from the distance to the letters' strokes.
#pragma once

#include <vector>

#include "Canvas.h"
#include "StrokeFont.h"

namespace assetgen {

struct GradientStop {
    double at;  // 0 at the cap line, 1 at the base line
    Color color;
};

struct LetteringStyle {
    double stroke = 10;  // inked stroke width, pixels
    double outline = 2;  // dark border around the strokes, pixels
    Color outlineColor;
    double bevel = 4;  // width of the rounded edge, pixels
    double glowRadius = 14;
    double glowStrength = 0.6;
    Color glowColor;
    std::vector<GradientStop> face;  // the face colour from the cap line to the base line
    double top = 0, bottom = 60;     // the cap line and base line the gradient spans, pixels
};

void DrawLettering(Layer& layer, const std::vector<Segment>& strokes, const LetteringStyle& style);

// A colour along stops sorted by position.
Color Along(const std::vector<GradientStop>& stops, double at);

}  // namespace assetgen
