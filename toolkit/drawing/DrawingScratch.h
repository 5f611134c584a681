// The memory contexts and the mask bitmap a surface's bitmap copies work with, kept from one
// copy to the next. A frame draws dozens of sprites; making and freeing a context, a mask and
// its context for each of them was nearly all a frame allocated.
#pragma once

#include "PlatformApi.h"
#include "toolkit/drawing/GdiHandles.h"

namespace OrloUtility {

class DrawingScratch {
public:
    // A memory context compatible with `target` for a source or target bitmap, made on first use;
    // null when it cannot be made. Whoever selects a bitmap into it puts the previous one back.
    HDC ImageContext(HDC target);
    // A memory context holding a monochrome bitmap of at least `width` by `rows` pixels, made or
    // grown on demand; null when either cannot be made.
    HDC MaskContext(HDC target, int width, int rows);
    // Deletes the contexts and the mask; the next use makes them again.
    void Release();

private:
    OwnedContext image_;
    // Declared before its context, so the context goes first and lets go of it.
    OwnedBitmap mask_;
    OwnedContext maskContext_;
    int maskWidth_ = 0;
    int maskRows_ = 0;
};

}  // namespace OrloUtility
