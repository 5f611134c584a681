#include "toolkit/game/SceneMarkers.h"

#include "toolkit/drawing/Drawing.h"

namespace OrloUtility {

namespace {

struct Marker {
    int x;
    COLORREF colour;
};

// Green, white, red along row 0.
constexpr Marker kMarkers[kMarkerCount] = {{0, 0x00FF00}, {1, 0xFFFFFF}, {2, 0x0000FF}};

}  // namespace

void WriteMarkers(Drawing& surface) {
    if (!surface.IsOpen()) return;
    for (const Marker& marker : kMarkers) SetPixel(surface.Context(), marker.x, 0, marker.colour);
}

void RewriteMarkersIfCovered(Drawing& surface, const RECT& area) {
    const bool coversRowZero = area.top <= 0 && area.bottom > 0;
    const bool coversColumns = area.left < kMarkerCount && area.right > 0;
    if (coversRowZero && coversColumns) WriteMarkers(surface);
}

int MarkersShown(HDC context) {
    int shown = 0;
    for (const Marker& marker : kMarkers)
        if (GetPixel(context, marker.x, 0) == marker.colour) ++shown;
    return shown;
}

}  // namespace OrloUtility
