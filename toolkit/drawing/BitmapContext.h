// A temporary memory context holding one bitmap, for the block copies of a single drawing
// operation. When it goes it hands the bitmap back (it stays its owner's) and deletes itself.
#pragma once

#include "PlatformApi.h"
#include "toolkit/drawing/GdiHandles.h"
#include "toolkit/drawing/ScopedSelection.h"

namespace OrloUtility {

class BitmapContext {
public:
    // A context compatible with `target`, holding `bitmap`.
    BitmapContext(HDC target, HBITMAP bitmap);

    HDC Context() const { return context_.get(); }
    // False when the context could not be made or the bitmap not selected into it.
    bool Ready() const { return context_ && selection_.Selected(); }
    // The bitmap's size in pixels; 0 by 0 when it cannot be read.
    int Width() const { return info_.bmWidth; }
    int Height() const { return info_.bmHeight; }

private:
    // Declared in this order so the bitmap is deselected before the context is deleted.
    OwnedContext context_;
    ScopedSelection selection_;
    BITMAP info_{};
};

}  // namespace OrloUtility
