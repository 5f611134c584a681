#include "gdi/text/FreeTypeFace.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <utility>

#include "gdi/text/GlyphRaster.h"

namespace platform {

namespace {

struct LibraryDone {
    void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
using Library = std::shared_ptr<FT_LibraryRec_>;

struct FaceDone {
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};
using FaceHandle = std::unique_ptr<FT_FaceRec_, FaceDone>;

// FreeType is started on first use. Every open face shares in it, so it closes only after the
// last face does, whichever of the program's statics (the font cache among them) goes first.
Library SharedLibrary() {
    static const Library library = [] {
        FT_Library raw = nullptr;
        return FT_Init_FreeType(&raw) == 0 ? Library(raw, LibraryDone{}) : Library();
    }();
    return library;
}

// The full Unicode map first, then one of the BMP or a symbol map: a symbol font keeps its
// characters where its makers put them.
FT_CharMap ChooseCharmap(FT_Face face) {
    for (int i = 0; i < face->num_charmaps; ++i) {
        const FT_CharMap map = face->charmaps[i];
        if (map->platform_id == 3 && map->encoding_id == 10) return map;
    }
    for (int i = 0; i < face->num_charmaps; ++i) {
        const FT_CharMap map = face->charmaps[i];
        const bool windows = map->platform_id == 3 && (map->encoding_id == 1 || map->encoding_id == 0);
        const bool iso = map->platform_id == 2 && map->encoding_id == 1;
        if (windows || iso || map->platform_id == 0) return map;
    }
    return nullptr;
}

// A style the face already has is not made up a second time.
SyntheticStyle StillMissing(SyntheticStyle wanted, const FT_Face face) {
    if (face->style_flags & FT_STYLE_FLAG_BOLD) wanted.bold = false;
    if (face->style_flags & FT_STYLE_FLAG_ITALIC) wanted.italic = false;
    return wanted;
}

// Synthetic bold widens every glyph by a tenth of the em.
constexpr int kBoldOverhangDivisor = 10;

}  // namespace

struct FreeTypeFace::State {
    Library library;  // declared first: it outlives the face
    FaceHandle face;
    bool bold = false;  // whether to make the glyphs bold
    FaceAtSize size;
    int lineSkip = 0;
};

FreeTypeFace::FreeTypeFace(std::unique_ptr<State> state) : state_(std::move(state)) {}

FreeTypeFace::~FreeTypeFace() = default;

std::unique_ptr<FreeTypeFace> FreeTypeFace::Open(const std::string& path, int faceIndex, SyntheticStyle style) {
    auto state = std::make_unique<State>();
    state->library = SharedLibrary();
    if (!state->library || faceIndex < 0) return nullptr;  // a negative index asks FreeType another question
    FT_Face raw = nullptr;
    if (FT_New_Face(state->library.get(), path.c_str(), faceIndex, &raw) != 0) return nullptr;
    state->face.reset(raw);
    if (!FT_IS_SCALABLE(raw)) return nullptr;
    // When this fails the face keeps the map FreeType chose.
    if (const FT_CharMap map = ChooseCharmap(raw)) FT_Set_Charmap(raw, map);
    const SyntheticStyle missing = StillMissing(style, raw);
    state->bold = missing.bold;
    state->size.italic = missing.italic;
    return std::unique_ptr<FreeTypeFace>(new FreeTypeFace(std::move(state)));
}

// The ascent, the height and the line skip are each rounded upwards from the scaled design
// values, not derived from one another.
bool FreeTypeFace::SetEm(int em) {
    const FT_Face face = state_->face.get();
    if (em <= 0 || FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(em)) != 0) return false;
    const FT_Fixed scale = face->size->metrics.y_scale;
    FaceAtSize& size = state_->size;
    size.ascent = CeilPixels(FT_MulFix(face->ascender, scale));
    size.height = CeilPixels(FT_MulFix(face->ascender - face->descender, scale));
    size.boldOverhang = state_->bold ? face->size->metrics.y_ppem / kBoldOverhangDivisor : 0;
    state_->lineSkip = CeilPixels(FT_MulFix(face->height, scale));
    return true;
}

int FreeTypeFace::Ascent() const { return state_->size.ascent; }

int FreeTypeFace::Height() const { return state_->size.height; }

int FreeTypeFace::LineSkip() const { return state_->lineSkip; }

bool FreeTypeFace::IsFixedWidth() const { return FT_IS_FIXED_WIDTH(state_->face.get()); }

// Hinted for FreeType's default target, anti-aliased grey, as the glyphs have always been.
bool FreeTypeFace::Load(char32_t c) const {
    const FT_Face face = state_->face.get();
    return FT_Load_Glyph(face, FT_Get_Char_Index(face, c), FT_LOAD_DEFAULT) == 0;
}

std::optional<GlyphBox> FreeTypeFace::BoxOf(char32_t c) const {
    if (!Load(c)) return std::nullopt;
    return BoxOfSlot(*state_->face->glyph, state_->size);
}

Glyph FreeTypeFace::Rasterize(char32_t c) const {
    if (!Load(c)) return Glyph{};
    return RasterizeSlot(*state_->face->glyph, state_->size);
}

}  // namespace platform
