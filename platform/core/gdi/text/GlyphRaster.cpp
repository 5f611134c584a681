#include "gdi/text/GlyphRaster.h"

#include FT_OUTLINE_H

#include <algorithm>
#include <cstddef>
#include <optional>

namespace platform {

namespace {

constexpr FT_Pos kOnePixel = 64;  // in 26.6 fixed point
constexpr int kFullCoverage = 255;
// Synthetic italic slants by 12 degrees: x moves right by tan(12°) of the height above the
// baseline, in 16.16 fixed point (the slant FreeType's own oblique style uses).
constexpr FT_Fixed kItalicSlant = 0x0366A;

// Where FreeType will put the glyph's bitmap, relative to the pen (y upwards).
struct PixelBox {
    int left = 0, top = 0, width = 0, rows = 0;
};

// Loading a glyph already places its bitmap-to-be. Should a glyph come back unplaced, its
// metrics stand in, rounded to whole pixels.
PixelBox InkBox(const FT_GlyphSlotRec& slot) {
    PixelBox box{slot.bitmap_left, slot.bitmap_top, static_cast<int>(slot.bitmap.width),
                 static_cast<int>(slot.bitmap.rows)};
    if (box.left != 0 || box.top != 0 || box.width != 0 || box.rows != 0) return box;
    const FT_Glyph_Metrics& m = slot.metrics;
    const int minX = FloorPixels(m.horiBearingX);
    const int maxX = CeilPixels(m.horiBearingX + m.width);
    const int maxY = FloorPixels(m.horiBearingY);
    const int minY = maxY - CeilPixels(m.height);
    return PixelBox{minX, maxY, maxX - minX, maxY - minY};
}

// The slant moves the top of the cell this many columns right.
int ItalicWidening(int cellHeight) { return static_cast<int>((kItalicSlant * cellHeight) >> 16); }

bool Slanted(const FT_GlyphSlotRec& slot, const FaceAtSize& face) {
    return face.italic && slot.format == FT_GLYPH_FORMAT_OUTLINE;
}

// A bitmap of coverage values, rows top-down.
struct Coverage {
    int width = 0;
    int rows = 0;
    std::vector<std::uint8_t> values;  // width * rows
    std::uint8_t& At(int x, int y) { return values[static_cast<std::size_t>(y) * width + x]; }
    std::uint8_t At(int x, int y) const { return values[static_cast<std::size_t>(y) * width + x]; }
};

// Pixel x of a row of FreeType's bitmap as coverage. Outlines render to 256 levels of grey;
// bitmaps embedded in a face may have fewer levels or one bit.
int CoverageAt(const FT_Bitmap& bitmap, const unsigned char* row, int x) {
    switch (bitmap.pixel_mode) {
    case FT_PIXEL_MODE_GRAY: return row[x];
    case FT_PIXEL_MODE_MONO: return (row[x / 8] >> (7 - x % 8)) & 1 ? kFullCoverage : 0;
    case FT_PIXEL_MODE_GRAY2: return ((row[x / 4] >> (6 - 2 * (x % 4))) & 3) * kFullCoverage / 3;
    case FT_PIXEL_MODE_GRAY4: return ((row[x / 2] >> (4 - 4 * (x % 2))) & 15) * kFullCoverage / 15;
    default: return 0;  // colour glyphs are not asked for
    }
}

// The rendered bitmap, with room on the right for synthetic bold.
Coverage CopyBitmap(const FT_Bitmap& bitmap, int extraColumns) {
    Coverage image;
    if (bitmap.width == 0) return image;
    image.width = static_cast<int>(bitmap.width) + extraColumns;
    image.rows = static_cast<int>(bitmap.rows);
    image.values.assign(static_cast<std::size_t>(image.width) * image.rows, 0);
    for (int y = 0; y < image.rows; ++y) {
        const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
        for (int x = 0; x < static_cast<int>(bitmap.width); ++x) {
            image.At(x, y) = static_cast<std::uint8_t>(CoverageAt(bitmap, row, x));
        }
    }
    return image;
}

// Synthetic bold smears each row one column to the right per pass, adding the coverage of each
// pixel's left neighbour (as it was before the pass) up to full.
void Embolden(Coverage& image, int passes) {
    for (int y = 0; y < image.rows; ++y) {
        for (int pass = 0; pass < passes; ++pass) {
            for (int x = image.width - 1; x > 0; --x) {
                const int smeared = image.At(x, y) + image.At(x - 1, y);
                image.At(x, y) = static_cast<std::uint8_t>(std::min(smeared, kFullCoverage));
            }
        }
    }
}

// The slot drawn with anti-aliasing, slanted and smeared for the synthetic styles; nothing
// when FreeType cannot render it.
std::optional<Coverage> Draw(FT_GlyphSlotRec& slot, const FaceAtSize& face) {
    if (Slanted(slot, face)) {
        FT_Matrix slant{1 << 16, kItalicSlant, 0, 1 << 16};
        FT_Outline_Transform(&slot.outline, &slant);
    }
    if (FT_Render_Glyph(&slot, FT_RENDER_MODE_NORMAL) != 0) return std::nullopt;
    Coverage image = CopyBitmap(slot.bitmap, face.boldOverhang);
    Embolden(image, face.boldOverhang);
    return image;
}

// Copies the image into the glyph's bitmap with its top left corner at (left, top), clipping
// what falls outside: the slant can carry ink past the box.
void Place(Glyph& glyph, const Coverage& image, int left, int top) {
    for (int y = std::max(0, -top); y < std::min(image.rows, glyph.height - top); ++y) {
        for (int x = std::max(0, -left); x < std::min(image.width, glyph.width - left); ++x) {
            glyph.coverage[static_cast<std::size_t>(top + y) * glyph.width + (left + x)] = image.At(x, y);
        }
    }
}

}  // namespace

GlyphBox BoxOfSlot(const FT_GlyphSlotRec& slot, const FaceAtSize& face) {
    PixelBox ink = InkBox(slot);
    ink.width += face.boldOverhang;
    if (Slanted(slot, face)) ink.width += ItalicWidening(face.height);
    const FT_Pos advance = slot.metrics.horiAdvance + face.boldOverhang * kOnePixel;
    return GlyphBox{ink.left, ink.left + ink.width, ink.top - ink.rows, ink.top, CeilPixels(advance)};
}

// The bitmap reaches from the pen, or the ink left of it, to the end of the ink or of the face's
// own advance (before any bold widening), whichever is further; and from the ascent, or the ink
// above it, down to the bottom of the cell or of the ink. A glyph whose bitmap would have no
// columns gets none.
Glyph RasterizeSlot(FT_GlyphSlotRec& slot, const FaceAtSize& face) {
    const GlyphBox box = BoxOfSlot(slot, face);
    Glyph glyph;
    glyph.advance = box.advance;
    glyph.originX = std::max(0, -box.minX);
    glyph.baseline = std::max(face.ascent, box.maxY);
    const int width = glyph.originX + std::max({0, box.maxX, FloorPixels(slot.advance.x)});
    if (width == 0) return glyph;
    std::optional<Coverage> image = Draw(slot, face);
    if (!image) return glyph;
    glyph.width = width;
    glyph.height = glyph.baseline + std::max(face.height - face.ascent, -box.minY);
    glyph.coverage.assign(static_cast<std::size_t>(glyph.width) * glyph.height, 0);
    Place(glyph, *image, glyph.originX + slot.bitmap_left, glyph.baseline - slot.bitmap_top);
    return glyph;
}

}  // namespace platform
