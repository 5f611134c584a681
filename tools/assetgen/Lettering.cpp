#include "Lettering.h"

#include "Shapes.h"

namespace assetgen {

Color Along(const std::vector<GradientStop>& stops, double at) {
    if (at <= stops.front().at) return stops.front().color;
    for (std::size_t i = 1; i < stops.size(); ++i)
        if (at <= stops[i].at)
            return Mix(stops[i - 1].color, stops[i].color, (at - stops[i - 1].at) / (stops[i].at - stops[i - 1].at));
    return stops.back().color;
}

void DrawLettering(Layer& layer, const std::vector<Segment>& strokes, const LetteringStyle& style) {
    const double half = style.stroke / 2.0;
    const double reach = half + style.outline + style.glowRadius * 3.0;
    const StrokeField field(strokes, layer.Width(), layer.Height(), reach);
    const Vec3 light = LightDirection();
    const Vec3 halfway = Normalize(light + Vec3{0, 0, 1});
    for (int y = field.Top(); y <= field.Bottom(); ++y)
        for (int x = field.Left(); x <= field.Right(); ++x) {
            const double d = field.Distance(x, y);
            if (d >= reach) continue;
            const double edge = d - half;  // negative inside the strokes
            const double outer = edge - style.outline;
            if (outer > -0.5) {
                // Two falloffs: a bright close halo and a wide faint one.
                const double g = outer / style.glowRadius;
                const double glow = style.glowStrength * (0.75 * Exp(-g * g * 2.0) + 0.25 * Exp(-g * 1.2));
                layer.Glow(x, y, style.glowColor, glow);
            }
            layer.Over(x, y, style.outlineColor, Coverage(outer));
            const double face = Coverage(edge);
            if (face <= 0.0) continue;
            const Vec3 n = BevelNormal(edge, field.Direction(x, y), style.bevel);
            const double diffuse = std::max(0.0, Dot(n, light));
            const double shine = IntPow(std::max(0.0, Dot(n, halfway)), 18) * 0.55;
            const Color base = Along(style.face, (y + 0.5 - style.top) / (style.bottom - style.top));
            layer.Over(x, y, base * (0.45 + 0.75 * diffuse) + Rgb(255, 255, 255) * shine, face);
        }
}

}  // namespace assetgen
