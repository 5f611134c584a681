// A memory context holding one bitmap, for the block copies of a single drawing operation.
// When it goes it hands the bitmap back (it stays its owner's); a context it made itself is
// deleted, one it was lent stays for the next operation.
#pragma once

#include "PlatformApi.h"
#include "toolkit/drawing/GdiHandles.h"
#include "toolkit/drawing/ScopedSelection.h"

namespace OrloUtility {

class BitmapContext {
public:
    // A new context compatible with `target`, holding `bitmap`.
    BitmapContext(HDC target, HBITMAP bitmap);
    // The lent memory context `reused` holding `bitmap` (a null context: none is ready).
    BitmapContext(HBITMAP bitmap, HDC reused);

    HDC Context() const { return context_; }
    // False when the context could not be made or the bitmap not selected into it.
    bool Ready() const { return context_ && selection_.Selected(); }
    // The bitmap's size in pixels; 0 by 0 when it cannot be read.
    int Width() const { return info_.bmWidth; }
    int Height() const { return info_.bmHeight; }

private:
    // Declared in this order so the bitmap is deselected before a context made here is deleted.
    OwnedContext made_;
    HDC context_;
    ScopedSelection selection_;
    BITMAP info_{};
};

}  // namespace OrloUtility
