#include "toolkit/drawing/BitmapContext.h"

namespace OrloUtility {

BitmapContext::BitmapContext(HDC target, HBITMAP bitmap)
    : context_(CreateCompatibleDC(target)), selection_(context_.get(), context_ ? bitmap : nullptr) {
    if (!GetObjectW(bitmap, sizeof info_, &info_)) info_ = BITMAP{};
}

}  // namespace OrloUtility
