#include "toolkit/drawing/BitmapContext.h"

namespace OrloUtility {

BitmapContext::BitmapContext(HBITMAP bitmap, HDC reused)
    : context_(reused), selection_(context_, context_ ? bitmap : nullptr) {
    if (!GetObjectW(bitmap, sizeof info_, &info_)) info_ = BITMAP{};
}

}  // namespace OrloUtility
