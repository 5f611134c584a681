// FormGames' drawing layer: frames, the scene-then-window drawing operations, the dirty
// rectangles of moving sprites and the repaint of a window that lost its contents.
#include <algorithm>
#include <limits>

#include "toolkit/game/FormGames.h"
#include "toolkit/game/SceneMarkers.h"
#include "toolkit/game/Sprite.h"
#include "toolkit/util/ShowError.h"

namespace OrloUtility {

namespace {

// A sprite that moved further than this (in width) is copied to the window as two blocks of
// its own size rather than one wide block over the ground between.
int TwoBlockThreshold(const Sprite& sprite) { return sprite.width * 2 + 10; }

RECT BoxAt(int left, int top, int boxWidth, int boxHeight) { return {left, top, left + boxWidth, top + boxHeight}; }

}  // namespace

// ---- Frames ----

void FormGames::BeginFrame(bool erase) {
    frameOpen_ = true;
    if (!erase) OnPaint();
    if (!WindowExists() || !screen_ || !scene_) return;
    InvalidateRect(window_, nullptr, erase ? TRUE : FALSE);
    screen_->StoreContext(BeginPaint(window_, screen_->PaintRecord()));
    if (!snapshot_) {
        scene_->StorePrivateContext(screen_->CreateBackBuffer());
        return;
    }
    RestoreLostContents();
}

// The window still holds its picture while it shows any of the markers; it lost it when it
// shows none although the scene has all three.
void FormGames::RestoreLostContents() {
    if (MarkersShown(screen_->Context()) > 0) return;
    if (MarkersShown(scene_->Context()) < kMarkerCount) return;
    const SIZE client = ClientSize();
    // The old picture goes first: two of the field's size would be held for a moment otherwise.
    snapshot_.reset();
    snapshot_.reset(scene_->CaptureRegion(0, 0, client.cx, client.cy));
    screen_->DrawBitmapAtOrigin(snapshot_.get());
}

void FormGames::EndFrame() {
    if (!snapshot_ && scene_) {
        const SIZE outer = OuterSize();
        snapshot_.reset(scene_->CaptureRegion(0, 0, outer.cx, outer.cy));
    }
    if (screen_) screen_->EndDrawing();
    frameOpen_ = false;
}

SIZE FormGames::ClientSize() const {
    RECT client{};
    GetClientRect(window_, &client);
    return {client.right - client.left, client.bottom - client.top};
}

SIZE FormGames::OuterSize() const {
    RECT outer{};
    GetWindowRect(window_, &outer);
    return {outer.right - outer.left, outer.bottom - outer.top};
}

// ---- Drawing on the scene, then on the window ----

void FormGames::SetBackground(HBITMAP picture) {
    background_ = picture;
    if (!picture) {
        const DWORD code = GetLastError();
        ShowError("Errore caricamento immagine - codice errore: " + std::to_string(code), "Errore");
    }
    for (Drawing* surface : {scene_.get(), screen_.get()}) {
        if (!surface) continue;
        surface->DrawBitmapAtOrigin(picture);
        WriteMarkers(*surface);
    }
    backgroundSet_ = true;
}

template <class DrawOn>
void FormGames::DrawBoth(const RECT& area, DrawOn draw) {
    for (Drawing* surface : {scene_.get(), screen_.get()}) {
        if (!surface) continue;
        draw(*surface);
        RewriteMarkersIfCovered(*surface, area);
    }
}

void FormGames::FillBoxBoth(int left, int top, int boxWidth, int boxHeight, COLORREF colour) {
    DrawBoth(BoxAt(left, top, boxWidth, boxHeight),
             [&](Drawing& surface) { surface.FillBox(1, colour, left, top, boxWidth, boxHeight, colour); });
}

// The line's extent is not measured: it is taken to run to the right edge, one font height high.
void FormGames::DrawTextBoth(int left, int top, const std::string& text, COLORREF colour) {
    const RECT line{left, top, std::numeric_limits<int>::max(), top + std::max(1, gameFont_.height)};
    DrawBoth(line, [&](Drawing& surface) {
        surface.DrawString(left, top, 0, 0, text, colour, Drawing::kAlignLeft, &gameFont_);
    });
}

void FormGames::DrawTextBar(int boxWidth, int boxHeight, const std::string& text, COLORREF colour, int alignment) {
    DrawBoth(BoxAt(2, 2, boxWidth, boxHeight), [&](Drawing& surface) {
        surface.DrawString(2, 2, boxWidth, boxHeight, text, colour, alignment, &gameFont_);
    });
}

void FormGames::SaveSceneCopy() {
    if (!scene_) return;
    const SIZE outer = OuterSize();
    savedSceneCopy_.reset();  // before the new copy is made, not after
    savedSceneCopy_.reset(scene_->CaptureRegion(0, 0, outer.cx, outer.cy));
}

// ---- Sprites ----

RECT FormGames::DrawOnScene(Sprite& sprite, POINT& previous) {
    const bool wasDrawn = sprite.IsDrawn();
    previous = scene_ ? sprite.Draw(*scene_) : POINT{sprite.LastX(), sprite.LastY()};
    // Judged by the drawn flag, not by -1: a sprite may really have stood at x or y = -1.
    if (!wasDrawn) previous = {sprite.x, sprite.y};
    const RECT dirty{std::min<int>(previous.x, sprite.x), std::min<int>(previous.y, sprite.y),
                     std::max<int>(previous.x, sprite.x) + sprite.width,
                     std::max<int>(previous.y, sprite.y) + sprite.height};
    if (scene_) RewriteMarkersIfCovered(*scene_, dirty);
    return dirty;
}

RECT FormGames::DrawSpriteOffscreen(Sprite& sprite) {
    POINT previous{};
    return DrawOnScene(sprite, previous);
}

void FormGames::DrawSprite(Sprite& sprite) {
    POINT previous{};
    const RECT dirty = DrawOnScene(sprite, previous);
    if (dirty.right - dirty.left > TwoBlockThreshold(sprite)) {
        CopyToScreen(previous.x, previous.y, sprite.width, sprite.height);
        CopyToScreen(sprite.x, sprite.y, sprite.width, sprite.height);
    } else {
        CopyToScreen(dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top);
    }
}

RECT FormGames::EraseSpriteOffscreen(Sprite& sprite) {
    const RECT area = BoxAt(sprite.x, sprite.y, sprite.width, sprite.height);
    if (!scene_) return area;
    sprite.Erase(*scene_);
    RewriteMarkersIfCovered(*scene_, area);
    return area;
}

void FormGames::EraseSprite(Sprite& sprite) {
    EraseSpriteOffscreen(sprite);
    CopyToScreen(sprite.x, sprite.y, sprite.width, sprite.height);
}

void FormGames::CopyToScreen(int left, int top, int blockWidth, int blockHeight) {
    if (!scene_ || !screen_) return;
    screen_->CopyBlockFrom(*scene_, left, top, blockWidth, blockHeight);
}

// ---- The element list ----

void FormGames::RemoveSpriteById(int spriteId) {
    auto matches = [spriteId](GameElement* element) {
        auto* sprite = dynamic_cast<Sprite*>(element);
        return sprite && sprite->Id() == spriteId;
    };
    auto found = std::find_if(elements.begin(), elements.end(), matches);
    if (found != elements.end()) elements.erase(found);
}

}  // namespace OrloUtility
