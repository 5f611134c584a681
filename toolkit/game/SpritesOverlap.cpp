#include "toolkit/game/SpritesOverlap.h"

#include "PlatformApi.h"
#include "toolkit/game/Sprite.h"

namespace OrloUtility {

namespace {

RECT Shrunk(const Sprite& sprite, int inset) {
    return RECT{sprite.x + inset, sprite.y + inset, sprite.x + sprite.width - inset, sprite.y + sprite.height - inset};
}

}  // namespace

bool SpritesOverlap(const Sprite& a, int insetA, const Sprite& b, int insetB) {
    const RECT first = Shrunk(a, insetA);
    const RECT second = Shrunk(b, insetB);
    RECT overlap;
    return IntersectRect(&overlap, &first, &second) != FALSE;
}

}  // namespace OrloUtility
