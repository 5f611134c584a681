#include "toolkit/drawing/TransparentSource.h"

namespace OrloUtility {

namespace {

constexpr COLORREF kTransparentColour = RGB(0, 0, 0);

}  // namespace

TransparentSource::TransparentSource(HDC target, HBITMAP bitmap) : TransparentSource(target, bitmap, 0, -1) {}

TransparentSource::TransparentSource(HDC target, HBITMAP bitmap, int firstRow, int rows)
    : image_(target, bitmap),
      firstRow_(firstRow),
      rows_(rows < 0 ? image_.Height() : rows),
      maskBitmap_(CreateBitmap(image_.Width(), rows_, 1, 1, nullptr)),
      mask_(target, maskBitmap_.get()),
      maskDrawn_(DrawMask()) {}

// Copying colour to monochrome turns the pixels that equal the source's background colour
// into 1 and all others into 0, so with a black background the mask marks the black pixels.
bool TransparentSource::DrawMask() {
    if (!image_.Ready() || !mask_.Ready()) return false;
    SetBkColor(image_.Context(), kTransparentColour);
    return BitBlt(mask_.Context(), 0, 0, Width(), rows_, image_.Context(), 0, firstRow_, SRCCOPY) != FALSE;
}

}  // namespace OrloUtility
