// The one collision test of the game: whether two sprites' rectangles overlap.
#pragma once

namespace OrloUtility {

class Sprite;

// Whether the rectangle of `a` shrunk by `insetA` on every side and that of `b` shrunk by
// `insetB` share at least one pixel. Rectangles that only touch along an edge do not overlap,
// and a rectangle shrunk to nothing overlaps nothing.
bool SpritesOverlap(const Sprite& a, int insetA, const Sprite& b, int insetB);

}  // namespace OrloUtility
