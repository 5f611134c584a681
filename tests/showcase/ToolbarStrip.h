// The pictures of the controls form's toolbar, drawn rather than loaded so that the showcase
// needs no file beside it: a padlock, a feather (easy), a weight (hard), a calendar page
// (today) and an arrow (speed), each 16 by 16 on the button face, which the toolbar leaves out.
#pragma once

#include "PlatformApi.h"

namespace showcase {

constexpr int kToolbarImageSize = 16;
constexpr int kToolbarImageCount = 5;

// A new bitmap the caller owns; null when it cannot be made.
HBITMAP DrawToolbarStrip();

}  // namespace showcase
