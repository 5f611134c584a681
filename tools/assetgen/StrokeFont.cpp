#include "StrokeFont.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>
#include <string>

namespace assetgen {

namespace {

// Each glyph: its width in units and its strokes as "x,y x,y ..." polylines separated by '|'.
// y runs down from 0 (cap line) to 6 (base line).
struct GlyphSource {
    char c;
    double width;
    const char* strokes;
};

constexpr GlyphSource kGlyphs[] = {
    {'A', 4, "0,6 2,0 4,6|0.67,4 3.33,4"},
    {'B', 4, "0,3 3,3 4,4 4,5 3,6 0,6 0,0 3,0 4,1 4,2 3,3"},
    {'C', 4, "4,1 3,0 1,0 0,1 0,5 1,6 3,6 4,5"},
    {'D', 4, "0,0 3,0 4,1 4,5 3,6 0,6 0,0"},
    {'E', 4, "4,0 0,0 0,6 4,6|0,3 3,3"},
    {'F', 4, "4,0 0,0 0,6|0,3 3,3"},
    {'G', 4, "4,1 3,0 1,0 0,1 0,5 1,6 3,6 4,5 4,3.2 2.2,3.2"},
    {'H', 4, "0,0 0,6|4,0 4,6|0,3 4,3"},
    {'I', 2, "1,0 1,6|0,0 2,0|0,6 2,6"},
    {'J', 4, "4,0 4,5 3,6 1,6 0,5"},
    {'K', 4, "0,0 0,6|4,0 0,3.6|1.3,2.7 4,6"},
    {'L', 4, "0,0 0,6 4,6"},
    {'M', 5, "0,6 0,0 2.5,3.4 5,0 5,6"},
    {'N', 4, "0,6 0,0 4,6 4,0"},
    {'O', 4, "1,0 3,0 4,1 4,5 3,6 1,6 0,5 0,1 1,0"},
    {'P', 4, "0,6 0,0 3,0 4,1 4,2 3,3 0,3"},
    {'Q', 4, "1,0 3,0 4,1 4,5 3,6 1,6 0,5 0,1 1,0|2.6,4.6 4.1,6.1"},
    {'R', 4, "0,6 0,0 3,0 4,1 4,2 3,3 0,3|2,3 4,6"},
    {'S', 4, "4,1 3,0 1,0 0,1 0,2 1,3 3,3 4,4 4,5 3,6 1,6 0,5"},
    {'T', 4, "0,0 4,0|2,0 2,6"},
    {'U', 4, "0,0 0,5 1,6 3,6 4,5 4,0"},
    {'V', 4, "0,0 2,6 4,0"},
    {'W', 5, "0,0 1.25,6 2.5,2.6 3.75,6 5,0"},
    {'X', 4, "0,0 4,6|4,0 0,6"},
    {'Y', 4, "0,0 2,3 4,0|2,3 2,6"},
    {'Z', 4, "0,0 4,0 0,6 4,6"},
    {'!', 0, "0,0 0,4|0,5.9 0,5.9"},
    {',', 0.4, "0.4,5.7 0,7"},
    {' ', 2.4, ""},
};

struct Glyph {
    double width = 0;
    std::vector<std::vector<Vec2>> strokes;
};

Glyph Parse(const GlyphSource& source) {
    Glyph glyph{source.width, {}};
    std::vector<Vec2> stroke;
    const std::string text = source.strokes;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] == '|') {
            glyph.strokes.push_back(stroke);
            stroke.clear();
            ++at;
            continue;
        }
        if (text[at] == ' ') {
            ++at;
            continue;
        }
        std::size_t used = 0;
        const double x = std::stod(text.substr(at), &used);
        at += used + 1;  // the comma
        const double y = std::stod(text.substr(at), &used);
        at += used;
        stroke.push_back({x, y});
    }
    if (!stroke.empty()) glyph.strokes.push_back(stroke);
    return glyph;
}

const Glyph& GlyphFor(char c) {
    static const std::map<char, Glyph> glyphs = [] {
        std::map<char, Glyph> all;
        for (const GlyphSource& source : kGlyphs) all[source.c] = Parse(source);
        return all;
    }();
    const auto found = glyphs.find(c);
    if (found == glyphs.end()) throw std::invalid_argument(std::string("no glyph for '") + c + "'");
    return found->second;
}

}  // namespace

double TextWidth(std::string_view text, const TextLayout& layout) {
    const double unit = layout.capHeight / 6.0;
    double width = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        width += GlyphFor(text[i]).width;
        if (i + 1 < text.size()) width += layout.tracking;
    }
    return width * unit;
}

std::vector<Segment> LayOutText(std::string_view text, Vec2 topLeft, const TextLayout& layout) {
    const double unit = layout.capHeight / 6.0;
    std::vector<Segment> segments;
    double penX = 0;
    for (char c : text) {
        const Glyph& glyph = GlyphFor(c);
        for (const std::vector<Vec2>& stroke : glyph.strokes) {
            auto place = [&](Vec2 p) {
                return Vec2{topLeft.x + (penX + p.x + (6.0 - p.y) * layout.slant) * unit, topLeft.y + p.y * unit};
            };
            if (stroke.size() == 1) segments.push_back({place(stroke[0]), place(stroke[0])});
            for (std::size_t i = 1; i < stroke.size(); ++i)
                segments.push_back({place(stroke[i - 1]), place(stroke[i])});
        }
        penX += glyph.width + layout.tracking;
    }
    return segments;
}

std::vector<Segment> LayOutCentred(std::string_view text, double centreX, double top, const TextLayout& layout) {
    // The slant moves the tops right; centring on the middle height keeps the block balanced.
    const double lean = 3.0 * layout.slant * layout.capHeight / 6.0;
    return LayOutText(text, {centreX - TextWidth(text, layout) / 2.0 - lean, top}, layout);
}

StrokeField::StrokeField(const std::vector<Segment>& segments, int layerWidth, int layerHeight, double reach) {
    if (segments.empty()) return;
    double left = segments[0].a.x, right = left, top = segments[0].a.y, bottom = top;
    for (const Segment& s : segments) {
        left = std::min({left, s.a.x, s.b.x});
        right = std::max({right, s.a.x, s.b.x});
        top = std::min({top, s.a.y, s.b.y});
        bottom = std::max({bottom, s.a.y, s.b.y});
    }
    x0_ = std::max(0, static_cast<int>(std::floor(left - reach)));
    y0_ = std::max(0, static_cast<int>(std::floor(top - reach)));
    x1_ = std::min(layerWidth - 1, static_cast<int>(std::ceil(right + reach)));
    y1_ = std::min(layerHeight - 1, static_cast<int>(std::ceil(bottom + reach)));
    const std::size_t count = static_cast<std::size_t>(x1_ - x0_ + 1) * (y1_ - y0_ + 1);
    distance_.assign(count, reach);
    direction_.assign(count, Vec2{0, -1});
    // Each segment visits only the pixels within reach of it.
    for (const Segment& s : segments) {
        const int sx0 = std::max(x0_, static_cast<int>(std::floor(std::min(s.a.x, s.b.x) - reach)));
        const int sx1 = std::min(x1_, static_cast<int>(std::ceil(std::max(s.a.x, s.b.x) + reach)));
        const int sy0 = std::max(y0_, static_cast<int>(std::floor(std::min(s.a.y, s.b.y) - reach)));
        const int sy1 = std::min(y1_, static_cast<int>(std::ceil(std::max(s.a.y, s.b.y) + reach)));
        const Vec2 ba = s.b - s.a;
        const double lengthSquared = Dot(ba, ba);
        for (int y = sy0; y <= sy1; ++y)
            for (int x = sx0; x <= sx1; ++x) {
                const Vec2 p{x + 0.5, y + 0.5};
                const double h = lengthSquared > 0 ? Clamp01(Dot(p - s.a, ba) / lengthSquared) : 0.0;
                const Vec2 away = p - (s.a + ba * h);
                const double d = Length(away);
                const std::size_t i = Index(x, y);
                if (d < distance_[i]) {
                    distance_[i] = d;
                    direction_[i] = d > 0 ? away * (1.0 / d) : Vec2{0, -1};
                }
            }
    }
}

}  // namespace assetgen
