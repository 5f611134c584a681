#include "toolkit/drawing/TransparentSource.h"

namespace OrloUtility {

namespace {

constexpr COLORREF kTransparentColour = RGB(0, 0, 0);

}  // namespace

TransparentSource::TransparentSource(HDC target, HBITMAP bitmap, DrawingScratch& scratch)
    : TransparentSource(target, bitmap, 0, -1, scratch) {}

TransparentSource::TransparentSource(HDC target, HBITMAP bitmap, int firstRow, int rows, DrawingScratch& scratch)
    : image_(bitmap, scratch.ImageContext(target)),
      firstRow_(firstRow),
      rows_(rows < 0 ? image_.Height() : rows),
      mask_(image_.Ready() ? scratch.MaskContext(target, image_.Width(), rows_) : nullptr),
      maskDrawn_(DrawMask()) {}

// Copying colour to monochrome turns the pixels that equal the source's background colour
// into 1 and all others into 0, so with a black background the mask marks the black pixels.
bool TransparentSource::DrawMask() {
    if (!image_.Ready() || !mask_) return false;
    SetBkColor(image_.Context(), kTransparentColour);
    return BitBlt(mask_, 0, 0, Width(), rows_, image_.Context(), 0, firstRow_, SRCCOPY) != FALSE;
}

}  // namespace OrloUtility
