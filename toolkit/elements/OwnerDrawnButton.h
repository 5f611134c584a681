// How the toolkit draws an owner-drawn Button when its form receives WM_DRAWITEM: a plain face
// in the context's colours, a one-pixel outline that shows the state, the button's image at
// the left and its text centred in the room that is left, and the focus rectangle.
#pragma once

#include "PlatformApi.h"

namespace OrloUtility {

// Draws the item when it is a button whose control id `controlId` names a toolkit Button;
// false when it is not one, and nothing was drawn.
bool PaintOwnerDrawnButton(WPARAM controlId, const DRAWITEMSTRUCT& item);

}  // namespace OrloUtility
