// Requests realized as sized FreeType faces: the em a requested height gets, the metrics the
// classic text functions report, and runs drawn glyph by glyph from the face's bitmaps.
#include "gdi/text/Font.h"

#include <algorithm>
#include <climits>
#include <iterator>
#include <map>
#include <optional>
#include <tuple>
#include <unordered_map>
#include <utility>

#include "gdi/text/FontResolver.h"
#include "gdi/text/FreeTypeFace.h"

namespace platform {

namespace {

constexpr int kDefaultCellHeight = 16;
// Taller requests are treated as this: far beyond any text a window shows, and it keeps a
// stray height from asking FreeType for enormous bitmaps.
constexpr int kMaxPixelHeight = 1024;
// Masks of longer runs are cut here so that a runaway string cannot exhaust memory.
constexpr int kMaxMaskWidth = 32768;
constexpr int kNormalWeight = 400;
constexpr int kLightestBold = 600;
constexpr int kHeaviestWeight = 1000;
constexpr char32_t kFirstPrintable = U' ';
constexpr char32_t kLastPrintable = U'~';
constexpr char32_t kReplacementCharacter = 0xFFFD;

bool IsBold(int weight) { return weight >= kLightestBold; }

// Characters below the space are line breaks and tabs, which the callers lay out themselves.
bool IsControl(wchar_t unit) { return static_cast<char32_t>(unit) < U' '; }

// wchar_t holds UTF-32 here; a unit that is no character is drawn as the replacement character.
char32_t CodePointOf(wchar_t unit) {
    const auto c = static_cast<char32_t>(unit);
    return c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF) ? kReplacementCharacter : c;
}

struct CodeRange {
    char32_t first, last;
};

// Unicode's default-ignorable characters: the soft hyphen, zero-width spaces and joiners,
// direction marks and isolates, variation selectors, the byte order mark, tags. They format
// text and never show, even where a face has a visible glyph for them. The Hangul fillers are
// left out: in Hangul text they stand for letters.
constexpr CodeRange kInvisibleRanges[] = {
    {0x00AD, 0x00AD}, {0x034F, 0x034F}, {0x061C, 0x061C}, {0x17B4, 0x17B5},   {0x180B, 0x180E},
    {0x200B, 0x200F}, {0x202A, 0x202E}, {0x2060, 0x206F}, {0xFE00, 0xFE0F},   {0xFEFF, 0xFEFF},
    {0xFFF0, 0xFFF8}, {0x1D173, 0x1D17A}, {0xE0000, 0xE0FFF},
};

bool IsInvisible(char32_t c) {
    return std::any_of(std::begin(kInvisibleRanges), std::end(kInvisibleRanges),
                       [c](const CodeRange& range) { return c >= range.first && c <= range.last; });
}

// The glyph as the run draws it: an invisible character keeps its advance and loses its ink.
Glyph GlyphToDraw(const FreeTypeFace& face, char32_t c) {
    Glyph glyph = face.Rasterize(c);
    if (IsInvisible(c)) {
        glyph.width = glyph.height = 0;
        glyph.coverage.clear();
    }
    return glyph;
}

int AdvanceOf(const FreeTypeFace& face, char32_t c) {
    const std::optional<GlyphBox> box = face.BoxOf(c);
    return box ? box->advance : 0;
}

// ---- Sizing: the face is sized by its em in pixels.

int CellHeightAt(FreeTypeFace& face, int em) { return face.SetEm(em) ? face.Height() : INT_MAX; }

// The cell a non-negative request asks for.
int RequestedCell(int height) { return height == 0 ? kDefaultCellHeight : std::min(height, kMaxPixelHeight); }

// The largest em whose cell fits in `cell` rows; 1 when none does. The cell grows with the em
// in steps of about one pixel, so the proportional guess needs only a step or two of repair.
int EmForCell(FreeTypeFace& face, int cell) {
    int em = std::clamp(cell * cell / std::max(CellHeightAt(face, cell), 1), 1, kMaxPixelHeight);
    while (em > 1 && CellHeightAt(face, em) > cell) --em;
    while (em < kMaxPixelHeight && CellHeightAt(face, em + 1) <= cell) ++em;
    return em;
}

int EmFor(FreeTypeFace& face, int requestedHeight) {
    if (requestedHeight < 0) return requestedHeight < -kMaxPixelHeight ? kMaxPixelHeight : -requestedHeight;
    return EmForCell(face, RequestedCell(requestedHeight));
}

// The styles the chosen file lacks, for the face to make up.
SyntheticStyle MissingStyle(const FontRequest& request, const FontFile& file) {
    return SyntheticStyle{IsBold(request.weight) && !file.bold, request.italic && !file.italic};
}

// ---- Metrics, read from the face at its final size.

int MaxPrintableAdvance(const FreeTypeFace& face) {
    int widest = 0;
    for (char32_t c = kFirstPrintable; c <= kLastPrintable; ++c) {
        widest = std::max(widest, AdvanceOf(face, c));
    }
    return widest;
}

// A cell asked for by its height keeps that height exactly. The face at the chosen em may be
// a row or so shorter; the spare rows go above the ascent, where the internal leading lives.
void MeasureCell(const FreeTypeFace& face, int requestedHeight, int em, FontMetrics& metrics) {
    const int faceHeight = face.Height();
    // The face rounds the ascent and the height each upwards, so the descent is what the height
    // leaves below the ascent.
    const int faceAscent = face.Ascent();
    metrics.height = requestedHeight < 0 ? faceHeight : RequestedCell(requestedHeight);
    metrics.ascent = std::min(faceAscent + std::max(metrics.height - faceHeight, 0), metrics.height);
    metrics.descent = metrics.height - metrics.ascent;
    metrics.internalLeading = std::max(metrics.height - em, 0);
    metrics.externalLeading = std::max(face.LineSkip() - faceHeight, 0);
}

FontMetrics Measure(const FreeTypeFace& face, const FontRequest& request, int em, const std::wstring& family) {
    FontMetrics metrics;
    MeasureCell(face, request.height, em, metrics);
    // The classic platform reports the average width of the lower-case letters; the 'x' is
    // close to it in every common face.
    metrics.aveCharWidth = AdvanceOf(face, U'x');
    metrics.maxCharWidth = MaxPrintableAdvance(face);
    metrics.weight = request.weight == 0 ? kNormalWeight : std::clamp(request.weight, 1, kHeaviestWeight);
    metrics.italic = request.italic;
    metrics.underline = request.underline;
    metrics.strikeOut = request.strikeOut;
    metrics.fixedPitch = face.IsFixedWidth() || AdvanceOf(face, U'i') == AdvanceOf(face, U'W');
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
int StrikeOutTop(const FreeTypeFace& face, const FontMetrics& metrics, int em, int thickness) {
    const std::optional<GlyphBox> x = face.BoxOf(U'x');
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

// ---- Runs.

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
    explicit Face(std::unique_ptr<FreeTypeFace> face) : face_(std::move(face)) {}

    const Glyph& GlyphOf(char32_t c) const {
        auto found = glyphs_.find(c);
        if (found == glyphs_.end()) found = glyphs_.emplace(c, GlyphToDraw(*face_, c)).first;
        return found->second;
    }

private:
    std::unique_ptr<FreeTypeFace> face_;
    mutable std::unordered_map<char32_t, Glyph> glyphs_;
};

Font::Font(std::unique_ptr<Face> face, FontMetrics metrics, Lines lines)
    : face_(std::move(face)), metrics_(std::move(metrics)), lines_(lines) {}

Font::~Font() = default;

std::shared_ptr<const Font> Font::Open(const FontRequest& request) {
    const std::optional<FontFile> file = ResolveFontFile(request);
    if (!file) return nullptr;
    std::unique_ptr<FreeTypeFace> opened =
        FreeTypeFace::Open(file->path, file->faceIndex, MissingStyle(request, *file));
    if (!opened) return nullptr;
    const int em = EmFor(*opened, request.height);
    if (!opened->SetEm(em)) return nullptr;
    FontMetrics metrics = Measure(*opened, request, em, file->family);
    const int thickness = LineThickness(em);
    const Lines lines{thickness, UnderlineTop(metrics, thickness), StrikeOutTop(*opened, metrics, em, thickness)};
    auto face = std::make_unique<Face>(std::move(opened));
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
