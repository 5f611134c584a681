#include "game/FieldSprite.h"

#include "toolkit/drawing/Drawing.h"
#include "toolkit/game/SpritesOverlap.h"

namespace MyGame {

using OrloUtility::Drawing;
using OrloUtility::FormGames;
using OrloUtility::Sprite;

FieldSprite::FieldSprite(int width, int height, HBITMAP picture, FormGames& owner)
    : Sprite(width, height, picture), owner(&owner) {}

FieldSprite::FieldSprite(int width, int height, FormGames& owner) : Sprite(width, height), owner(&owner) {}

// The drawn flag, not a last position of -1, tells a sprite never drawn: a sprite may really
// have stood at x = -1 (a UFO entering from the left does).
//
// A neighbour redrawn here that has itself moved erases its own old place first, and that may
// draw this sprite again while it still counts as moved (a UFO shot down waits outside the
// field without being drawn there). Without the guard the two would erase and redraw each
// other until the stack ran out; with it the inner draw only draws the frame.
void FieldSprite::Erase(Drawing& surface) {
    if (!IsDrawn() || repainting_) return;
    repainting_ = true;
    surface.DrawBitmapPart(LastX(), LastY(), width, height, owner->BackgroundImage(), LastX(), LastY());
    RedrawNeighboursOfOldPlace();
    repainting_ = false;
}

void FieldSprite::RedrawNeighboursOfOldPlace() {
    Sprite probe(width, height);
    probe.x = LastX();
    probe.y = LastY();
    // Drawing a sprite does not change the list; its length is taken once all the same.
    const std::size_t count = owner->elements.size();
    for (std::size_t i = 0; i < count && i < owner->elements.size(); ++i) {
        auto* other = dynamic_cast<Sprite*>(owner->elements[i]);
        if (other && other->Id() != Id() && SpritesOverlap(probe, 0, *other, 0)) owner->DrawSpriteOffscreen(*other);
    }
}

void FieldSprite::EraseIfMoved(Drawing& surface) {
    if (saveBackground && IsDrawn() && (x != LastX() || y != LastY())) Erase(surface);
}

POINT FieldSprite::DrawFrame(Drawing& surface) {
    const POINT previous{LastX(), LastY()};
    EraseIfMoved(surface);
    DrawCurrentFrame(surface);
    RecordDrawn();
    return previous;
}

}  // namespace MyGame
