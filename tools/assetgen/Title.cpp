// The title picture: ASTROVEX in chrome letters over a banded violet planet, with the ship,
// two UFOs, an asteroid and a plasma shot as a scene. The places the title screen writes on
// stay dark and plain: the top 20 rows, the notice line at y 250 and the prompt bar bottom right.
#include "Lettering.h"
#include "Noise.h"
#include "Pictures.h"

namespace assetgen {

namespace {

constexpr Vec2 kPlanetCentre{118, 790};
constexpr double kPlanetRadius = 318;

// 0 inside the places the game writes on (with a soft margin), 1 elsewhere.
double Quiet(double x, double y) {
    auto clearOf = [&](double x0, double y0, double x1, double y1, double margin) {
        const double dx = std::max({x0 - x, 0.0, x - x1}), dy = std::max({y0 - y, 0.0, y - y1});
        return Smoothstep(0.0, margin, std::sqrt(dx * dx + dy * dy));
    };
    return std::min({clearOf(-10, -10, 810, 20, 10), clearOf(205, 242, 810, 274, 14), clearOf(470, 562, 810, 598, 12)});
}

// A gas giant: soft bands that wander with noise, lit from the upper left, with a thin bright
// atmosphere round the lit limb.
void DrawPlanet(Layer& layer) {
    const double r = kPlanetRadius, reach = r + 40;
    const Vec3 light = Normalize({-0.35, -0.75, 0.45});
    auto pixel = [&](int x, int y, Vec2 p) {
        const Vec2 q = (p - kPlanetCentre) * (1.0 / r);
        const double rho = Length(q);
        if (rho > 1.0) {
            // The atmosphere's glow outside the limb, stronger on the lit side.
            const double out = (rho - 1.0) * r;
            const double lit = Clamp01(0.25 + Dot(Normalize(Vec3{q.x, q.y, 0}), light) * 1.1);
            layer.Glow(x, y, Rgb(110, 170, 255), Exp(-out / 9.0) * 0.75 * lit);
            return;
        }
        const Vec3 n{q.x, q.y, std::sqrt(std::max(0.0, 1.0 - rho * rho))};
        const double latitude = n.y * 0.92 + n.x * 0.38;  // the bands are tilted
        const double wander = Fractal2(41, p.x / 170.0, p.y / 70.0, 3);
        const double broad = Sin(latitude * 19.0 + wander * 4.0) * 0.5 + 0.5;
        const double narrow = Sin(latitude * 53.0 + wander * 9.0) * 0.5 + 0.5;
        Color surface = Mix(Rgb(62, 34, 108), Rgb(168, 116, 186), Smoothstep(0.2, 0.9, broad));
        surface = Mix(surface, Rgb(236, 180, 160), Smoothstep(0.7, 1.0, narrow) * 0.45 * broad);
        const double diffuse = Clamp01(Dot(n, light));
        const double limb = IntPow(1.0 - n.z, 4);
        const Color c = surface * (0.03 + 0.95 * diffuse) + Rgb(120, 180, 255) * (limb * (0.2 + 0.9 * diffuse));
        layer.Over(x, y, c, Coverage((rho - 1.0) * r));
    };
    const Bounds box{kPlanetCentre.x - reach, kPlanetCentre.y - reach, kPlanetCentre.x + reach, kScreenHeight};
    ForEachPixel(layer, Transform{}, box, 0, pixel);
}

void DrawTitleText(Layer& layer) {
    TextLayout layout;
    layout.capHeight = 100;
    layout.tracking = 1.55;
    layout.slant = 0.12;
    const double top = 66;
    const std::vector<Segment> strokes = LayOutCentred("ASTROVEX", 400, top, layout);
    LetteringStyle style;
    style.stroke = 19;
    style.outline = 3.5;
    style.outlineColor = Rgb(10, 12, 46);
    style.bevel = 6;
    style.glowRadius = 15;
    style.glowStrength = 0.6;
    style.glowColor = Rgb(50, 140, 255);
    // Chrome: sky above a sharp horizon, a dark band below it brightening to violet.
    style.face = {{0.0, Rgb(255, 255, 255)},
                  {0.47, Rgb(130, 205, 255)},
                  {0.5, Rgb(36, 52, 150)},
                  {0.62, Rgb(70, 60, 190)},
                  {1.0, Rgb(240, 140, 255)}};
    style.top = top - style.stroke / 2;
    style.bottom = top + layout.capHeight + style.stroke / 2;
    DrawLettering(layer, strokes, style);

    TextLayout small;
    small.capHeight = 17;
    small.tracking = 2.2;
    LetteringStyle smallStyle;
    smallStyle.stroke = 3.4;
    smallStyle.outline = 1.0;
    smallStyle.outlineColor = Rgb(8, 10, 40);
    smallStyle.bevel = 1.2;
    smallStyle.glowRadius = 6;
    smallStyle.glowStrength = 0.35;
    smallStyle.glowColor = Rgb(60, 150, 255);
    smallStyle.face = {{0.0, Rgb(220, 240, 255)}, {1.0, Rgb(140, 190, 255)}};
    smallStyle.top = 198;
    smallStyle.bottom = 198 + small.capHeight;
    DrawLettering(layer, LayOutCentred("DIFENDI LA GALASSIA", 400, 198, small), smallStyle);
}

}  // namespace

Image TitlePicture() {
    StarfieldStyle sky;
    sky.seed = 2;
    sky.stars = 300;
    sky.nebula = 0.2;
    sky.quiet = Quiet;
    Layer layer = Starfield(sky);
    DrawPlanet(layer);

    DrawUfo(layer, Transform{96, 292, 1.7}, 0);
    DrawUfo(layer, Transform{222, 330, 1.3}, 2);
    DrawRock(layer, Transform{400, 318, 1.25}, 3);
    DrawPlasma(layer, Transform{160, 368, 1.3});
    DrawShip(layer, Transform{560, 290, 1.6});
    DrawTitleText(layer);
    PlainTop(layer, 20);
    return ToOpaqueImage(layer);
}

}  // namespace assetgen
