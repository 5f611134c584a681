// A game object: a rectangle of the playing field with a position, a size and an image holding
// its animation frames stacked vertically (frame 1 on top, each `height` rows), which draws
// itself on a surface and takes itself off again, putting back what lay underneath.
//
// Sprites know nothing of timers or movement: strategies change their position and frame and
// ask the form to redraw them.
#pragma once

#include <string>

#include "PlatformApi.h"
#include "toolkit/drawing/GdiHandles.h"
#include "toolkit/game/GameElement.h"

namespace OrloUtility {

class Drawing;

class Sprite : public GameElement {
public:
    // A sprite showing frames of `picture`, which belongs to someone else.
    Sprite(int width, int height, HBITMAP picture);
    // A sprite without an image, which draws itself by other means.
    Sprite(int width, int height);
    // Deletes the image unless it is shared, and the saved background.
    ~Sprite() override;
    Sprite(const Sprite&) = delete;
    Sprite& operator=(const Sprite&) = delete;

    // The virtual operations keep this order, which the game's sprite kinds line up with.

    // Puts the saved background back where the sprite was last drawn and forgets it; nothing
    // at all when no background is saved.
    virtual void Erase(Drawing& surface);
    // Chooses the frame, counted from 0.
    virtual void SetFrame(int index);
    // Draws the current frame at (x, y), first putting back the background at the old place
    // and saving the one at the new place when the sprite moved (and saves backgrounds).
    // Returns where it was drawn before: (-1, -1) when it was not.
    virtual POINT Draw(Drawing& surface);
    // Called after each animation step.
    virtual void OnFrameShown(int index);
    // Hooks no part of the program calls; they keep their places in the order above.
    virtual void IdleHook();
    virtual bool QueryHook(int argument);
    virtual void NotifyHookA(int argument);
    virtual void NotifyHookB(int argument);

    // Unique, given in creation order from 1; where sprites overlap, the greater id is on top.
    int Id() const { return id_; }
    // Whether the sprite is now drawn at (LastX, LastY) with its background saved.
    bool IsDrawn() const { return drawn_; }
    // Where the sprite was last drawn; -1 when never drawn or since erased.
    int LastX() const { return lastX_; }
    int LastY() const { return lastY_; }
    // The copy of what lies under the sprite, owned by the sprite; null when none is saved.
    HBITMAP SavedBackground() const { return savedBackground_.get(); }

    // All frames; null for a sprite without an image. Deleted with the sprite unless shared.
    HBITMAP image = nullptr;
    bool sharedImage = false;
    // The size of one frame.
    int width;
    int height;
    // The current frame, counted from 1.
    int frame = 1;
    // Top-left corner in client-area coordinates; may lie outside the field.
    int x = 0;
    int y = 0;
    std::string name;
    // Draw keeps a copy of the background under the sprite.
    bool saveBackground = true;
    // Black pixels of the image are not drawn; otherwise the frame is an opaque block.
    bool transparent = true;

protected:
    // The current frame at (x, y): masked when transparent, an opaque block otherwise.
    void DrawCurrentFrame(Drawing& surface);
    // Records that the sprite now stands drawn at (x, y).
    void RecordDrawn();

private:
    void MoveSavedBackground(Drawing& surface);
    void PutBackground(Drawing& surface);

    OwnedBitmap savedBackground_;
    bool drawn_ = false;
    int id_;
    int lastX_ = -1;
    int lastY_ = -1;
};

}  // namespace OrloUtility
