// What every object on the game's field shares: it belongs to a game form, and it erases
// itself by repainting the field's background picture rather than by a saved block. Objects
// cross each other all the time, and a saved block would bring back stale pictures of others.
#pragma once

#include "toolkit/game/FormGames.h"
#include "toolkit/game/Sprite.h"

namespace MyGame {

class FieldSprite : public OrloUtility::Sprite {
public:
    // `owner` is not owned and must outlive the sprite.
    FieldSprite(int width, int height, HBITMAP picture, OrloUtility::FormGames& owner);
    FieldSprite(int width, int height, OrloUtility::FormGames& owner);

    // Puts the background picture back where the sprite was last drawn and draws again, on the
    // scene only, every other sprite of the owner's list overlapping that block. Nothing for a
    // sprite never drawn. The last position and the drawn flag stay as they are. Nothing
    // either while this sprite's repaint is already under way: a neighbour drawn again by it
    // may bring this sprite back before it has recorded its new place.
    void Erase(OrloUtility::Drawing& surface) override;

    OrloUtility::FormGames* owner;

protected:
    // Draws the current frame at (x, y), first erasing the old place when the sprite moved.
    // Returns where it was drawn before.
    POINT DrawFrame(OrloUtility::Drawing& surface);
    // Erases the old place when the sprite moved since it was last drawn.
    void EraseIfMoved(OrloUtility::Drawing& surface);

private:
    void RedrawNeighboursOfOldPlace();

    bool repainting_ = false;
};

}  // namespace MyGame
