// From a glyph FreeType has loaded to the box and coverage bitmap a face reports for it, with
// synthetic bold and italic applied. Only FreeTypeFace uses this; it is apart to keep the face's
// own file about opening and sizing.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include "gdi/text/FreeTypeFace.h"

namespace platform {

// 26.6 fixed point to whole pixels, rounding down or up (towards minus or plus infinity).
inline int FloorPixels(FT_Pos value) { return static_cast<int>((value & -64) / 64); }
inline int CeilPixels(FT_Pos value) { return FloorPixels(value + 63); }

// What drawing a glyph needs to know of its face at the current size.
struct FaceAtSize {
    int ascent = 0;
    int height = 0;        // the cell: ascent plus descent
    int boldOverhang = 0;  // columns added by synthetic bold; 0 when the face is not made bold
    bool italic = false;   // whether to slant the glyph
};

// The box of the glyph in the slot, widened for the synthetic styles; the advance grows with
// bold too. Read before the slot is drawn.
GlyphBox BoxOfSlot(const FT_GlyphSlotRec& slot, const FaceAtSize& face);

// The glyph in the slot drawn on its own. Slants the slot's outline and renders it, so the slot
// serves once.
Glyph RasterizeSlot(FT_GlyphSlotRec& slot, const FaceAtSize& face);

}  // namespace platform
