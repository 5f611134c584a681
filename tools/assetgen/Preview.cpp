#include "Preview.h"

#include "Pictures.h"

namespace assetgen {

namespace {

// Copies one frame of a sprite picture, leaving out its black pixels, `zoom` times larger.
void Stamp(Image& onto, const Image& sprite, int frameHeight, int frame, int left, int top, int zoom = 1) {
    for (int y = 0; y < frameHeight * zoom; ++y)
        for (int x = 0; x < sprite.width * zoom; ++x) {
            const Rgba8& p = sprite.At(x / zoom, frame * frameHeight + y / zoom);
            if (p.r == 0 && p.g == 0 && p.b == 0) continue;
            const int tx = left + x, ty = top + y;
            if (tx >= 0 && ty >= 0 && tx < onto.width && ty < onto.height) onto.At(tx, ty) = p;
        }
}

// The player's own shot, as the game draws it: a plus sign of five white pixels.
void PlayerShot(Image& onto, int x, int y) {
    const int offsets[][2] = {{1, 0}, {0, 1}, {1, 1}, {2, 1}, {1, 2}};
    for (const auto& o : offsets) onto.At(x + o[0], y + o[1]) = {255, 255, 255, 255};
}

}  // namespace

Image FieldPreview(const Image& field, const SpriteSet& s) {
    Image view = field;
    for (int i = 0; i < 6; ++i) Stamp(view, s.ufo, kUfoSize, i % kUfoFrames, 150 + i * 90, 60);
    for (int i = 0; i < 5; ++i) Stamp(view, s.ufo, kUfoSize, (i + 2) % kUfoFrames, 195 + i * 90, 115);
    Stamp(view, s.rock, kRockHeight, 1, 90, 200);
    Stamp(view, s.rock, kRockHeight, 4, 610, 250);
    Stamp(view, s.rock, kRockHeight, 8, 300, 330);
    Stamp(view, s.plasma, kPlasmaHeight, 0, 254, 170);
    Stamp(view, s.plasma, kPlasmaHeight, 0, 524, 240);
    Stamp(view, s.plasma, kPlasmaHeight, 0, 424, 400);
    Stamp(view, s.ship, kShipHeight, 0, 400 - kShipWidth / 2, 600 - kShipHeight - 6);
    PlayerShot(view, 399, 430);
    PlayerShot(view, 399, 330);
    return view;
}

Image SpriteSheetPreview(const SpriteSet& s) {
    constexpr int kZoom = 3;
    Image sheet(930, 570);
    const Color tone = FieldTone();
    for (Rgba8& p : sheet.pixels) p = {ToByte(tone.r), ToByte(tone.g), ToByte(tone.b), 255};
    Stamp(sheet, s.ship, kShipHeight, 0, 10, 10, kZoom);
    for (int i = 0; i < kRockFrames; ++i)
        Stamp(sheet, s.rock, kRockHeight, i, 220 + (i % 5) * 140, 10 + (i / 5) * 195, kZoom);
    for (int i = 0; i < kUfoFrames; ++i) Stamp(sheet, s.ufo, kUfoSize, i, 220 + i * 130, 410, kZoom);
    Stamp(sheet, s.plasma, kPlasmaHeight, 0, 760, 430, kZoom);
    return sheet;
}

}  // namespace assetgen
