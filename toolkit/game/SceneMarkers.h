// Three pixels in the top-left corner of the game's scene and window, in colours a picture is
// unlikely to hold there: when the window no longer shows them, it lost what it showed (it was
// covered, say) and must be repainted from the scene.
#pragma once

#include "PlatformApi.h"

namespace OrloUtility {

class Drawing;

// Writes the three markers on an open surface.
void WriteMarkers(Drawing& surface);
// Writes them when `area` covered any of them; a surface drawn over there lost them.
void RewriteMarkersIfCovered(Drawing& surface, const RECT& area);
// How many of the three show their colour on the context.
int MarkersShown(HDC context);

constexpr int kMarkerCount = 3;

}  // namespace OrloUtility
