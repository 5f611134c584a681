// A bitmap made ready for a copy in which its black pixels are transparent: the bitmap in one
// memory context and, in another, a monochrome mask that is white exactly where the bitmap is
// black. ANDing the mask onto a destination and then ORing the bitmap over it paints only the
// non-black pixels. Both contexts and the mask are a surface's scratch ones, lent for the copy.
#pragma once

#include "PlatformApi.h"
#include "toolkit/drawing/BitmapContext.h"
#include "toolkit/drawing/DrawingScratch.h"

namespace OrloUtility {

class TransparentSource {
public:
    // The mask covers the whole bitmap.
    TransparentSource(HDC target, HBITMAP bitmap, DrawingScratch& scratch);
    // The mask covers only the `rows` rows from `firstRow` on (which must lie inside the
    // bitmap): mask row 0 stands for bitmap row `firstRow`. One animation frame needs no more,
    // and a frame's mask is a fraction of the whole strip's work.
    TransparentSource(HDC target, HBITMAP bitmap, int firstRow, int rows, DrawingScratch& scratch);

    HDC Image() const { return image_.Context(); }
    // Its top-left `Width()` by `rows` pixels are the mask; the rest is left from earlier copies.
    HDC Mask() const { return mask_; }
    int Width() const { return image_.Width(); }
    int Height() const { return image_.Height(); }
    // False when a context or the mask could not be made, or the mask not drawn.
    bool Ready() const { return image_.Ready() && mask_ && maskDrawn_; }

private:
    bool DrawMask();

    BitmapContext image_;
    int firstRow_;
    int rows_;
    HDC mask_;
    bool maskDrawn_;
};

}  // namespace OrloUtility
