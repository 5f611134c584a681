// The three full-screen messages: level complete (green and cyan), life lost (orange) and game
// over (red). Two lines of large letters and one short line under them, framed by two thin
// lines of light, over the night sky with a soft glow of the message's colour behind the text.
// The top 24 rows stay plain for the status line.
#include <string>

#include "Lettering.h"
#include "Noise.h"
#include "Pictures.h"

namespace assetgen {

namespace {

struct BannerLook {
    std::uint32_t seed;
    const char* first;
    const char* second;
    const char* note;
    std::vector<GradientStop> face;
    Color outline, glow, haze;
};

BannerLook LookOf(Banner banner) {
    switch (banner) {
    case Banner::LevelComplete:
        return {
            3,
            "LIVELLO",
            "COMPLETATO",
            "OTTIMO LAVORO, PILOTA!",
            {{0.0, Rgb(236, 255, 244)}, {0.47, Rgb(110, 245, 180)}, {0.5, Rgb(12, 130, 110)}, {1.0, Rgb(90, 240, 255)}},
            Rgb(4, 34, 32),
            Rgb(40, 255, 170),
            Rgb(20, 120, 110)};
    case Banner::LifeLost:
        return {
            4,
            "HAI PERSO",
            "UNA VITA",
            "NON MOLLARE!",
            {{0.0, Rgb(255, 248, 226)}, {0.47, Rgb(255, 190, 80)}, {0.5, Rgb(190, 80, 10)}, {1.0, Rgb(255, 210, 90)}},
            Rgb(44, 16, 4),
            Rgb(255, 130, 30),
            Rgb(140, 60, 10)};
    case Banner::GameOver:
    default:
        return {
            5,
            "GAME",
            "OVER",
            "GRAZIE PER AVER GIOCATO",
            {{0.0, Rgb(255, 236, 232)}, {0.47, Rgb(255, 96, 80)}, {0.5, Rgb(150, 12, 26)}, {1.0, Rgb(255, 110, 100)}},
            Rgb(46, 4, 10),
            Rgb(255, 40, 40),
            Rgb(130, 16, 24)};
    }
}

void DrawLine(Layer& layer, const BannerLook& look, std::string_view text, double top, double capHeight,
              double stroke) {
    TextLayout layout;
    layout.capHeight = capHeight;
    layout.tracking = 1.7;
    LetteringStyle style;
    style.stroke = stroke;
    style.outline = stroke * 0.2;
    style.outlineColor = look.outline;
    style.bevel = stroke * 0.32;
    style.glowRadius = stroke;
    style.glowStrength = 0.55;
    style.glowColor = look.glow;
    style.face = look.face;
    style.top = top - stroke / 2;
    style.bottom = top + capHeight + stroke / 2;
    DrawLettering(layer, LayOutCentred(text, 400, top, layout), style);
}

void DrawNote(Layer& layer, const BannerLook& look, std::string_view text, double top) {
    TextLayout layout;
    layout.capHeight = 20;
    layout.tracking = 2.2;
    LetteringStyle style;
    style.stroke = 3.8;
    style.outline = 1.0;
    style.outlineColor = look.outline;
    style.bevel = 1.3;
    style.glowRadius = 7;
    style.glowStrength = 0.35;
    style.glowColor = look.glow;
    style.face = {{0.0, Rgb(255, 255, 255)}, {1.0, Mix(Rgb(255, 255, 255), look.glow, 0.35)}};
    style.top = top;
    style.bottom = top + layout.capHeight;
    DrawLettering(layer, LayOutCentred(text, 400, top, layout), style);
}

// A thin line of light, brightest in the middle, fading out towards both ends.
void DrawRule(Layer& layer, const BannerLook& look, double y) {
    const Transform identity;
    DrawGlow(layer, identity, {90, y - 8, 710, y + 8}, look.glow, [&](Vec2 p) {
        const double along = 1.0 - std::abs(p.x - 400) / 310.0;
        const double dy = p.y - y;
        return Smoothstep(0.0, 0.6, along) * (0.9 * Exp(-dy * dy / 0.5) + 0.18 * Exp(-dy * dy / 12.0));
    });
}

// Four-pointed glints round the message, clear of the text; each message's seed moves them a
// little and sizes them.
void DrawGlints(Layer& layer, const BannerLook& look) {
    constexpr Vec2 kPlaces[] = {{96, 92},   {702, 78},  {48, 262}, {758, 318},
                                {138, 516}, {672, 540}, {402, 96}, {300, 520}};
    Random random(look.seed * 31ull);
    const Transform identity;
    for (const Vec2& place : kPlaces) {
        const double x = place.x + random.Range(-20, 20), y = place.y + random.Range(-12, 12);
        const double size = random.Range(3.5, 8.5);
        auto glint = [&](Vec2 p) {
            const double dx = std::abs(p.x - x), dy = std::abs(p.y - y);
            const double across = std::min(dx, dy), along = std::max(dx, dy);
            const double arms = Exp(-across * across / 0.25) * Exp(-along / (size * 0.45));
            return 0.8 * arms + 0.5 * Exp(-(dx * dx + dy * dy) / 2.0);
        };
        const Bounds box{x - size * 2, y - size * 2, x + size * 2, y + size * 2};
        DrawGlow(layer, identity, box, Mix(look.glow, Rgb(255, 255, 255), 0.6), glint);
    }
}

}  // namespace

Image BannerPicture(Banner banner) {
    const BannerLook look = LookOf(banner);
    StarfieldStyle sky;
    sky.seed = look.seed;
    sky.stars = 260;
    sky.nebula = 0.08;
    Layer layer = Starfield(sky);
    // A wide, soft glow of the message's colour behind the text. The Gaussian is the product of
    // one across and one down, each worked out once per column or row.
    std::vector<double> across(kScreenWidth), down(kScreenHeight);
    for (int x = 0; x < kScreenWidth; ++x) across[x] = Exp(-IntPow((x + 0.5 - 400) / 380.0, 2) * 1.6);
    for (int y = 0; y < kScreenHeight; ++y) down[y] = 0.28 * Exp(-IntPow((y + 0.5 - 290) / 190.0, 2) * 1.6);
    for (int y = 0; y < kScreenHeight; ++y)
        for (int x = 0; x < kScreenWidth; ++x) layer.Glow(x, y, look.haze, across[x] * down[y]);
    DrawRule(layer, look, 146);
    DrawRule(layer, look, 448);
    DrawGlints(layer, look);
    DrawLine(layer, look, look.first, 180, 74, 17);
    DrawLine(layer, look, look.second, 290, 74, 17);
    DrawNote(layer, look, look.note, 404);
    PlainTop(layer, 24);
    return ToOpaqueImage(layer);
}

}  // namespace assetgen
