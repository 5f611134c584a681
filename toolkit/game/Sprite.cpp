#include "toolkit/game/Sprite.h"

#include "toolkit/ToolkitState.h"
#include "toolkit/drawing/Drawing.h"

namespace OrloUtility {

namespace {

int NextSpriteId() { return ++Toolkit().spritesMade; }

}  // namespace

Sprite::Sprite(int width, int height, HBITMAP picture)
    : image(picture), sharedImage(true), width(width), height(height), id_(NextSpriteId()) {}

Sprite::Sprite(int width, int height) : width(width), height(height), id_(NextSpriteId()) {}

Sprite::~Sprite() {
    if (image && !sharedImage) DeleteObject(image);
}

void Sprite::Erase(Drawing& surface) {
    if (!savedBackground_) return;
    if (drawn_) PutBackground(surface);
    savedBackground_.reset();
    drawn_ = false;
    lastX_ = -1;
    lastY_ = -1;
}

void Sprite::SetFrame(int index) { frame = index + 1; }

POINT Sprite::Draw(Drawing& surface) {
    const POINT previous{lastX_, lastY_};
    if (saveBackground && (lastX_ != x || lastY_ != y)) MoveSavedBackground(surface);
    DrawCurrentFrame(surface);
    RecordDrawn();
    return previous;
}

void Sprite::DrawCurrentFrame(Drawing& surface) {
    const int sourceY = height * (frame - 1);
    if (transparent) {
        surface.DrawMaskedPart(x, y, width, height, image, sourceY);
    } else {
        surface.DrawBitmapPart(x, y, width, height, image, 0, sourceY);
    }
}

void Sprite::RecordDrawn() {
    lastX_ = x;
    lastY_ = y;
    drawn_ = true;
}

// Only called when the sprite moved: the old place gets its background back before the new
// place's is saved, so the sprite never captures a picture of itself.
void Sprite::MoveSavedBackground(Drawing& surface) {
    if (savedBackground_) PutBackground(surface);
    // The same bitmap takes the new place's background while the sprite keeps its size.
    if (savedBackground_ && surface.CaptureRegionInto(savedBackground_.get(), x, y, width, height)) return;
    savedBackground_.reset(surface.CaptureRegion(x, y, width, height));
}

void Sprite::PutBackground(Drawing& surface) {
    surface.DrawBitmap(lastX_, lastY_, width, height, savedBackground_.get());
}

void Sprite::OnFrameShown(int) {}

void Sprite::IdleHook() {}

bool Sprite::QueryHook(int) { return false; }

void Sprite::NotifyHookA(int) {}

void Sprite::NotifyHookB(int) {}

}  // namespace OrloUtility
