// Pictures for people to look at, not for the game: the field as it looks in play, and the
// sprites enlarged.
#pragma once

#include "Canvas.h"

namespace assetgen {

struct SpriteSet {
    Image ship, rock, ufo, plasma;
};

// The starfield with the ship at the bottom centre, UFOs in rows, asteroids and shots, the
// sprites laid on with black as transparent, as the game draws them.
Image FieldPreview(const Image& field, const SpriteSet& sprites);
// Every sprite frame three times larger, over the field's colour.
Image SpriteSheetPreview(const SpriteSet& sprites);

}  // namespace assetgen
