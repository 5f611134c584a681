// A bitmap made ready for a copy in which its black pixels are transparent: the bitmap in one
// memory context and, in another, a monochrome mask that is white exactly where the bitmap is
// black. ANDing the mask onto a destination and then ORing the bitmap over it paints only the
// non-black pixels.
#pragma once

#include "PlatformApi.h"
#include "toolkit/drawing/BitmapContext.h"
#include "toolkit/drawing/GdiHandles.h"

namespace OrloUtility {

class TransparentSource {
public:
    // Contexts compatible with `target`; the mask is as large as the whole bitmap.
    TransparentSource(HDC target, HBITMAP bitmap);
    // The same, with a mask of only the `rows` rows from `firstRow` on (which must lie inside
    // the bitmap): mask row 0 stands for bitmap row `firstRow`. One animation frame needs no
    // more, and a frame's mask is a fraction of the whole strip's work.
    TransparentSource(HDC target, HBITMAP bitmap, int firstRow, int rows);

    HDC Image() const { return image_.Context(); }
    HDC Mask() const { return mask_.Context(); }
    int Width() const { return image_.Width(); }
    int Height() const { return image_.Height(); }
    // False when a context or the mask could not be made, or the mask not drawn.
    bool Ready() const { return image_.Ready() && mask_.Ready() && maskDrawn_; }

private:
    bool DrawMask();

    BitmapContext image_;
    int firstRow_;
    int rows_;
    // Declared before the mask's context, so the mask is deselected before it is deleted.
    OwnedBitmap maskBitmap_;
    BitmapContext mask_;
    bool maskDrawn_;
};

}  // namespace OrloUtility
