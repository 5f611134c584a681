#include "toolkit/drawing/BitmapContext.h"

namespace OrloUtility {

BitmapContext::BitmapContext(HDC target, HBITMAP bitmap)
    : made_(CreateCompatibleDC(target)), context_(made_.get()), selection_(context_, context_ ? bitmap : nullptr) {
    if (!GetObjectW(bitmap, sizeof info_, &info_)) info_ = BITMAP{};
}

BitmapContext::BitmapContext(HBITMAP bitmap, HDC reused)
    : context_(reused), selection_(context_, context_ ? bitmap : nullptr) {
    if (!GetObjectW(bitmap, sizeof info_, &info_)) info_ = BITMAP{};
}

}  // namespace OrloUtility
