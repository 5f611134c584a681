// A lent memory context holding one bitmap, for the block copies of a single drawing operation.
// When it goes it hands the bitmap back (it stays its owner's); the context stays for the next
// operation.
#pragma once

#include "PlatformApi.h"
#include "toolkit/drawing/ScopedSelection.h"

namespace OrloUtility {

class BitmapContext {
public:
    // The memory context `reused` holding `bitmap` (a null context: none is ready).
    BitmapContext(HBITMAP bitmap, HDC reused);

    HDC Context() const { return context_; }
    // False when there is no context or the bitmap could not be selected into it.
    bool Ready() const { return context_ && selection_.Selected(); }
    // The bitmap's size in pixels; 0 by 0 when it cannot be read.
    int Width() const { return info_.bmWidth; }
    int Height() const { return info_.bmHeight; }

private:
    HDC context_;
    ScopedSelection selection_;
    BITMAP info_{};
};

}  // namespace OrloUtility
