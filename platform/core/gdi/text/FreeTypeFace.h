// One face of a font file opened with FreeType and sized in pixels: the cell metrics and glyph
// boxes that text is laid out with, and the coverage bitmaps of single glyphs. A bold or italic
// style that the file itself lacks is made up here, by smearing and by slanting the glyphs.
//
// The numbers follow what SDL_ttf 2.20 reported for the same face, which this layer drew with
// before: its rounding of the cell, its glyph boxes and its way of synthesizing the styles, so
// that text keeps every pixel where it was.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// A glyph's ink box relative to the pen on the baseline (y upwards), and its advance, in pixels.
struct GlyphBox {
    int minX = 0, maxX = 0, minY = 0, maxY = 0, advance = 0;
};

// A glyph drawn on its own, in a bitmap wide enough for its box and its advance and at least as
// tall as the cell; ink left of the pen or above the ascent widens it leftwards or upwards.
struct Glyph {
    int advance = 0;
    int originX = 0;   // the bitmap column the pen stands at
    int baseline = 0;  // the bitmap row just below the baseline: the rows of ink above it
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> coverage;  // width * height, 0 (none) to 255 (full)
};

// The styles to make up when the face lacks them.
struct SyntheticStyle {
    bool bold = false;
    bool italic = false;
};

class FreeTypeFace {
public:
    ~FreeTypeFace();
    FreeTypeFace(const FreeTypeFace&) = delete;
    FreeTypeFace& operator=(const FreeTypeFace&) = delete;

    // The face at `faceIndex` of the file, making up only the parts of `style` the face does not
    // already have. nullptr when FreeType cannot start, the file cannot be read, or it holds no
    // such face with outlines (fonts of fixed bitmaps only cannot be sized to the pixel). Call
    // SetEm before anything else.
    static std::unique_ptr<FreeTypeFace> Open(const std::string& path, int faceIndex, SyntheticStyle style);

    // Sizes the face so that its em is `em` pixels; false when FreeType refuses the size.
    bool SetEm(int em);

    // The cell at the current size, each rounded upwards from the face's design units: the
    // ascent, the ascent plus the descent, and the distance between baselines it suggests.
    int Ascent() const;
    int Height() const;
    int LineSkip() const;
    bool IsFixedWidth() const;

    // The character's box and advance; nothing when its glyph cannot be loaded. A character the
    // face lacks gets the face's missing-glyph box.
    std::optional<GlyphBox> BoxOf(char32_t c) const;
    // The character drawn with anti-aliasing; no bitmap at all when it has neither ink nor
    // advance, or cannot be drawn.
    Glyph Rasterize(char32_t c) const;

private:
    struct State;  // FreeType's handles and the measures at the current size
    explicit FreeTypeFace(std::unique_ptr<State> state);
    bool Load(char32_t c) const;

    std::unique_ptr<State> state_;
};

}  // namespace platform
