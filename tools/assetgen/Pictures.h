// Every picture the game shows, drawn from fixed seeds. Sprites come on pure black, the colour
// the game treats as transparent; the full-screen pictures are opaque.
#pragma once

#include <cstdint>
#include <functional>

#include "Canvas.h"
#include "Shapes.h"

namespace assetgen {

// The sprites' sizes, frame by frame, as the game cuts them.
inline constexpr int kShipWidth = 64, kShipHeight = 115;
inline constexpr int kRockWidth = 45, kRockHeight = 63, kRockFrames = 10;
inline constexpr int kUfoSize = 40, kUfoFrames = 4;
inline constexpr int kPlasmaWidth = 13, kPlasmaHeight = 24;
inline constexpr int kScreenWidth = 800, kScreenHeight = 600;

// The playing field's average colour, which sprites' soft edges are finished over.
Color FieldTone();

// Each sprite drawn onto a layer through a transform from its own pixel grid, so the title can
// show larger copies; a frame number picks the animation step.
void DrawShip(Layer& layer, const Transform& t);
void DrawRock(Layer& layer, const Transform& t, int frame);
void DrawUfo(Layer& layer, const Transform& t, int frame);
void DrawPlasma(Layer& layer, const Transform& t);

// The sprite files' images, frames stacked top to bottom.
Image ShipSprite();
Image RockSprite();
Image UfoSprite();
Image PlasmaSprite();

struct StarfieldStyle {
    std::uint32_t seed = 1;
    int stars = 340;
    double nebula = 0.1;  // how strongly the nebula shows
    // 1 where stars and nebula may show, 0 where the picture must stay plain.
    std::function<double(double x, double y)> quiet;
};
Layer Starfield(const StarfieldStyle& style);
// Paints the top `rows` rows one flat dark colour, for text the game writes there.
void PlainTop(Layer& layer, int rows);

Image FieldPicture();
Image TitlePicture();
enum class Banner { LevelComplete, LifeLost, GameOver };
Image BannerPicture(Banner banner);

// The program icon at size x size, with transparency.
Image IconImage(int size);

}  // namespace assetgen
