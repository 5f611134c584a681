#include "game/SpriteAnimazione.h"

#include "game/FormMain.h"

namespace MyGame {

// The old frame is erased first: drawing in place does not repaint the field, and the black
// parts of the new frame must show the field, not the old frame.
void SpriteAnimazione::Step() {
    int next = sprite->frame;  // the index after the current one, counted from 0
    if (next > lastFrame) next = firstFrame;
    if (next != sprite->frame - 1) {
        sprite->SetFrame(next);
        form->EraseSpriteOffscreen(*sprite);
        form->DrawSprite(*sprite);
    }
    sprite->OnFrameShown(next);
}

}  // namespace MyGame
