// Fonts drawn by SDL2_ttf (FreeType underneath). Only its font and surface functions are used,
// which need neither SDL's video subsystem nor a window.
#include "gdi/text/Font.h"

#include <SDL_ttf.h>

#include <algorithm>
#include <climits>
#include <map>
#include <optional>
#include <tuple>
#include <unordered_map>
#include <utility>

#include "gdi/text/FontResolver.h"

namespace platform {

namespace {

constexpr int kDefaultCellHeight = 16;
// Taller requests are treated as this: far beyond any text a window shows, and it keeps a
// stray height from asking FreeType for enormous bitmaps.
constexpr int kMaxPixelHeight = 1024;
// Masks of longer runs are cut here so that a runaway string cannot exhaust memory.
constexpr int kMaxMaskWidth = 32768;
constexpr int kOpeningSize = 16;  // any size will do: the face is resized once open
constexpr int kNormalWeight = 400;
constexpr int kLightestBold = 600;
constexpr int kHeaviestWeight = 1000;
constexpr char32_t kFirstPrintable = U' ';
constexpr char32_t kLastPrintable = U'~';
constexpr char32_t kReplacementCharacter = 0xFFFD;
constexpr SDL_Color kWhite{255, 255, 255, 255};

// SDL_ttf is started on first use and never shut down: TTF_Quit would pull FreeType from under
// fonts still held (the cache lives until static destruction, and holders may outlive it), and
// the operating system reclaims it at exit anyway. TTF_Init counts its callers, so a display
// backend using SDL_ttf as well may start and stop it freely without disturbing us.
bool TtfReady() {
    static const bool ready = TTF_Init() == 0;
    return ready;
}

struct TtfFontCloser {
    void operator()(TTF_Font* font) const { TTF_CloseFont(font); }
};
using TtfFont = std::unique_ptr<TTF_Font, TtfFontCloser>;

struct SurfaceFreer {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using Surface = std::unique_ptr<SDL_Surface, SurfaceFreer>;

bool IsBold(int weight) { return weight >= kLightestBold; }

// Characters below the space are line breaks and tabs, which the callers lay out themselves.
bool IsControl(wchar_t unit) { return static_cast<char32_t>(unit) < U' '; }

// wchar_t holds UTF-32 here; a unit that is no character is drawn as the replacement character.
char32_t CodePointOf(wchar_t unit) {
    const auto c = static_cast<char32_t>(unit);
    return c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF) ? kReplacementCharacter : c;
}

// A glyph's ink box relative to the pen on the baseline (y upwards), and its advance.
struct GlyphBox {
    int minX = 0, maxX = 0, minY = 0, maxY = 0, advance = 0;
};

std::optional<GlyphBox> BoxOf(TTF_Font* font, char32_t c) {
    GlyphBox box;
    if (TTF_GlyphMetrics32(font, c, &box.minX, &box.maxX, &box.minY, &box.maxY, &box.advance) != 0) {
        return std::nullopt;
    }
    return box;
}

int AdvanceOf(TTF_Font* font, char32_t c) {
    const std::optional<GlyphBox> box = BoxOf(font, c);
    return box ? box->advance : 0;
}

// ---- Sizing. At SDL_ttf's default 72 dots per inch a point is a pixel, so the size it is
// given is the em height in pixels.

bool SetEm(TTF_Font* font, int em) { return TTF_SetFontSize(font, em) == 0; }

int CellHeightAt(TTF_Font* font, int em) { return SetEm(font, em) ? TTF_FontHeight(font) : INT_MAX; }

// The cell a non-negative request asks for.
int RequestedCell(int height) { return height == 0 ? kDefaultCellHeight : std::min(height, kMaxPixelHeight); }

// The largest em whose cell fits in `cell` rows; 1 when none does. The cell grows with the em
// in steps of about one pixel, so the proportional guess needs only a step or two of repair.
int EmForCell(TTF_Font* font, int cell) {
    int em = std::clamp(cell * cell / std::max(CellHeightAt(font, cell), 1), 1, kMaxPixelHeight);
    while (em > 1 && CellHeightAt(font, em) > cell) --em;
    while (em < kMaxPixelHeight && CellHeightAt(font, em + 1) <= cell) ++em;
    return em;
}

int EmFor(TTF_Font* font, int requestedHeight) {
    if (requestedHeight < 0) return requestedHeight < -kMaxPixelHeight ? kMaxPixelHeight : -requestedHeight;
    return EmForCell(font, RequestedCell(requestedHeight));
}

// The styles the chosen file lacks, for SDL_ttf to synthesize.
int SyntheticStyle(const FontRequest& request, const FontFile& file) {
    int style = TTF_STYLE_NORMAL;
    if (IsBold(request.weight) && !file.bold) style |= TTF_STYLE_BOLD;
    if (request.italic && !file.italic) style |= TTF_STYLE_ITALIC;
    return style;
}

// ---- Metrics, read from the face at its final size.

int MaxPrintableAdvance(TTF_Font* font) {
    int widest = 0;
    for (char32_t c = kFirstPrintable; c <= kLastPrintable; ++c) {
        widest = std::max(widest, AdvanceOf(font, c));
    }
    return widest;
}

// A cell asked for by its height keeps that height exactly. The face at the chosen em may be
// a row or so shorter; the spare rows go above the ascent, where the internal leading lives.
void MeasureCell(TTF_Font* font, int requestedHeight, int em, FontMetrics& metrics) {
    const int faceHeight = TTF_FontHeight(font);
    // SDL_ttf rounds the ascent, the descent (a negative number) and the height each upwards,
    // so its descent can be a row short of what glyphs reach; the descent here is what the
    // height leaves below the ascent.
    const int faceAscent = TTF_FontAscent(font);
    metrics.height = requestedHeight < 0 ? faceHeight : RequestedCell(requestedHeight);
    metrics.ascent = std::min(faceAscent + std::max(metrics.height - faceHeight, 0), metrics.height);
    metrics.descent = metrics.height - metrics.ascent;
    metrics.internalLeading = std::max(metrics.height - em, 0);
    metrics.externalLeading = std::max(TTF_FontLineSkip(font) - faceHeight, 0);
}

FontMetrics Measure(TTF_Font* font, const FontRequest& request, int em, const std::wstring& family) {
    FontMetrics metrics;
    MeasureCell(font, request.height, em, metrics);
    // The classic platform reports the average width of the lower-case letters; the 'x' is
    // close to it in every common face.
    metrics.aveCharWidth = AdvanceOf(font, U'x');
    metrics.maxCharWidth = MaxPrintableAdvance(font);
    metrics.weight = request.weight == 0 ? kNormalWeight : std::clamp(request.weight, 1, kHeaviestWeight);
    metrics.italic = request.italic;
    metrics.underline = request.underline;
    metrics.strikeOut = request.strikeOut;
    metrics.fixedPitch =
        TTF_FontFaceIsFixedWidth(font) != 0 || AdvanceOf(font, U'i') == AdvanceOf(font, U'W');
    metrics.faceName = family;
    return metrics;
}

// ---- Underline and strikeout: about a sixteenth of the em thick.

int LineThickness(int em) { return std::max(1, (em + 8) / 16); }

// A third of the descent below the baseline, and always inside the cell.
int UnderlineTop(const FontMetrics& metrics, int thickness) {
    const int top = metrics.ascent + std::max(1, metrics.descent / 3);
    return std::max(0, std::min(top, metrics.height - thickness));
}

// Through the middle of the lower-case letters.
int StrikeOutTop(TTF_Font* font, const FontMetrics& metrics, int em, int thickness) {
    const std::optional<GlyphBox> x = BoxOf(font, U'x');
    const int xHeight = x && x->maxY > 0 ? x->maxY : em / 2;
    return std::max(0, metrics.ascent - (xHeight + thickness + 1) / 2);
}

void FillRows(TextMask& mask, int top, int count) {
    const int first = std::clamp(top, 0, mask.height);
    const int end = std::clamp(top + count, 0, mask.height);
    const auto width = static_cast<std::size_t>(mask.width);
    std::fill(mask.coverage.begin() + static_cast<std::ptrdiff_t>(first * width),
              mask.coverage.begin() + static_cast<std::ptrdiff_t>(end * width), std::uint8_t{255});
}

// ---- Glyph bitmaps.

struct Glyph {
    int advance = 0;
    int originX = 0;   // the bitmap column the pen stands at
    int baseline = 0;  // the bitmap row just below the baseline: the rows of ink above it
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> coverage;  // width * height
};

// The blended renderer draws white over transparent, so the alpha channel is the coverage.
void CopyAlpha(SDL_Surface& surface, Glyph& glyph) {
    if (surface.format->BytesPerPixel != 4 || surface.format->Amask == 0) return;
    if (SDL_LockSurface(&surface) != 0) return;
    glyph.width = surface.w;
    glyph.height = surface.h;
    glyph.coverage.resize(static_cast<std::size_t>(surface.w) * static_cast<std::size_t>(surface.h));
    for (int y = 0; y < surface.h; ++y) {
        const auto* bytes = static_cast<const Uint8*>(surface.pixels) + y * surface.pitch;
        const auto* row = reinterpret_cast<const Uint32*>(bytes);
        for (int x = 0; x < surface.w; ++x) {
            const Uint32 alpha = (row[x] & surface.format->Amask) >> surface.format->Ashift;
            glyph.coverage[static_cast<std::size_t>(y) * surface.w + x] = static_cast<std::uint8_t>(alpha);
        }
    }
    SDL_UnlockSurface(&surface);
}

// SDL_ttf widens a glyph's bitmap leftwards for ink left of the pen and upwards for ink above
// the face's ascent; the pen and the baseline move with it.
Glyph Rasterize(TTF_Font* font, char32_t c) {
    Glyph glyph;
    const std::optional<GlyphBox> box = BoxOf(font, c);
    if (!box) return glyph;
    glyph.advance = box->advance;
    glyph.originX = std::max(0, -box->minX);
    glyph.baseline = std::max(TTF_FontAscent(font), box->maxY);
    // Glyphs without ink (the space) come back as nothing, or as a clear bitmap.
    if (Surface surface{TTF_RenderGlyph32_Blended(font, c, kWhite)}) CopyAlpha(*surface, glyph);
    return glyph;
}

// Overlapping glyphs (a combining accent over its letter) keep the stronger coverage.
void Stamp(TextMask& mask, const Glyph& glyph, int left, int top) {
    const int firstRow = std::max(0, -top), endRow = std::min(glyph.height, mask.height - top);
    const int firstColumn = std::max(0, -left), endColumn = std::min(glyph.width, mask.width - left);
    for (int y = firstRow; y < endRow; ++y) {
        for (int x = firstColumn; x < endColumn; ++x) {
            std::uint8_t& cell = mask.coverage[static_cast<std::size_t>(top + y) * mask.width + (left + x)];
            cell = std::max(cell, glyph.coverage[static_cast<std::size_t>(y) * glyph.width + x]);
        }
    }
}

// ---- The cache.

struct RequestOrder {
    static auto Key(const FontRequest& r) {
        return std::tie(r.height, r.width, r.weight, r.italic, r.underline, r.strikeOut, r.pitchAndFamily,
                        r.face);
    }
    bool operator()(const FontRequest& a, const FontRequest& b) const { return Key(a) < Key(b); }
};

using FontCache = std::map<FontRequest, std::shared_ptr<const Font>, RequestOrder>;

FontCache& Cache() {
    static FontCache cache;
    return cache;
}

}  // namespace

// The open face and the bitmaps of the glyphs drawn so far: text is redrawn every frame.
class Font::Face {
public:
    explicit Face(TtfFont font) : font_(std::move(font)) {}

    const Glyph& GlyphOf(char32_t c) const {
        auto found = glyphs_.find(c);
        if (found == glyphs_.end()) found = glyphs_.emplace(c, Rasterize(font_.get(), c)).first;
        return found->second;
    }

private:
    TtfFont font_;
    mutable std::unordered_map<char32_t, Glyph> glyphs_;
};

Font::Font(std::unique_ptr<Face> face, FontMetrics metrics, Lines lines)
    : face_(std::move(face)), metrics_(std::move(metrics)), lines_(lines) {}

Font::~Font() = default;

std::shared_ptr<const Font> Font::Open(const FontRequest& request) {
    if (!TtfReady()) return nullptr;
    const std::optional<FontFile> file = ResolveFontFile(request);
    if (!file) return nullptr;
    TtfFont handle{TTF_OpenFontIndex(file->path.c_str(), kOpeningSize, file->faceIndex)};
    if (!handle) return nullptr;
    TTF_SetFontStyle(handle.get(), SyntheticStyle(request, *file));
    const int em = EmFor(handle.get(), request.height);
    if (!SetEm(handle.get(), em)) return nullptr;
    FontMetrics metrics = Measure(handle.get(), request, em, file->family);
    const int thickness = LineThickness(em);
    const Lines lines{thickness, UnderlineTop(metrics, thickness),
                      StrikeOutTop(handle.get(), metrics, em, thickness)};
    auto face = std::make_unique<Face>(std::move(handle));
    return std::shared_ptr<const Font>(new Font(std::move(face), std::move(metrics), lines));
}

SIZE Font::Extent(std::wstring_view text) const {
    long long width = 0;
    for (wchar_t unit : text) {
        if (!IsControl(unit)) width += face_->GlyphOf(CodePointOf(unit)).advance;
    }
    return SIZE{static_cast<LONG>(std::min<long long>(width, INT_MAX)), metrics_.height};
}

TextMask Font::Render(std::wstring_view text) const {
    TextMask mask;
    mask.width = std::min<int>(Extent(text).cx, kMaxMaskWidth);
    mask.height = metrics_.height;
    mask.coverage.assign(static_cast<std::size_t>(mask.width) * static_cast<std::size_t>(mask.height), 0);
    int penX = 0;
    for (wchar_t unit : text) {
        if (IsControl(unit)) continue;
        const Glyph& glyph = face_->GlyphOf(CodePointOf(unit));
        Stamp(mask, glyph, penX - glyph.originX, metrics_.ascent - glyph.baseline);
        penX += glyph.advance;
    }
    DrawLines(mask);
    return mask;
}

void Font::DrawLines(TextMask& mask) const {
    if (metrics_.underline) FillRows(mask, lines_.underlineTop, lines_.thickness);
    if (metrics_.strikeOut) FillRows(mask, lines_.strikeOutTop, lines_.thickness);
}

std::shared_ptr<const Font> RealizeFont(const FontRequest& request) {
    FontCache& cache = Cache();
    if (auto found = cache.find(request); found != cache.end()) return found->second;
    std::shared_ptr<const Font> font = Font::Open(request);
    if (font) cache.emplace(request, font);
    return font;
}

std::size_t CachedFontCount() { return Cache().size(); }

}  // namespace platform
