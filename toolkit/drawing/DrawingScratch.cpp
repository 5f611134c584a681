#include "toolkit/drawing/DrawingScratch.h"

#include <algorithm>

namespace OrloUtility {

HDC DrawingScratch::ImageContext(HDC target) {
    if (!image_) image_.reset(CreateCompatibleDC(target));
    return image_.get();
}

HDC DrawingScratch::MaskContext(HDC target, int width, int rows) {
    if (!maskContext_) maskContext_.reset(CreateCompatibleDC(target));
    if (!maskContext_) return nullptr;
    if (width <= maskWidth_ && rows <= maskRows_) return maskContext_.get();
    // Grown to the largest block asked for yet, so sprites of a few sizes settle on one mask.
    const int newWidth = std::max(width, maskWidth_);
    const int newRows = std::max(rows, maskRows_);
    OwnedBitmap grown(CreateBitmap(newWidth, newRows, 1, 1, nullptr));
    if (!grown || !SelectObject(maskContext_.get(), grown.get())) return nullptr;
    mask_ = std::move(grown);
    maskWidth_ = newWidth;
    maskRows_ = newRows;
    return maskContext_.get();
}

void DrawingScratch::Release() {
    // The context first: a bitmap still selected into one cannot be deleted.
    maskContext_.reset();
    mask_.reset();
    maskWidth_ = 0;
    maskRows_ = 0;
    image_.reset();
}

}  // namespace OrloUtility
