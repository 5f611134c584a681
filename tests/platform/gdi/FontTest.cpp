// Fonts realized from the faces installed here: which kind of face a request gets, the height
// rules, extents and masks that agree with each other, underline and strikeout, and the cache.
// Expectations are relations between measurements, never pixel counts of a particular face.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/gdi/text/Font.h"
#include "core/gdi/text/FontResolver.h"

namespace {

using platform::Font;
using platform::FontKind;
using platform::FontRequest;
using platform::TextMask;

constexpr std::uint8_t kFullCoverage = 255;
constexpr int kEmTolerance = 1;

FontRequest Request(std::wstring face, int height = -16, BYTE pitchAndFamily = 0) {
    FontRequest request;
    request.face = std::move(face);
    request.height = height;
    request.pitchAndFamily = pitchAndFamily;
    return request;
}

// The rows holding any coverage; `first` lies past `last` when the mask is blank.
struct RowSpan {
    int first;
    int last;
};

RowSpan InkRows(const TextMask& mask) {
    RowSpan span{mask.height, -1};
    for (int y = 0; y < mask.height; ++y) {
        const auto row = mask.coverage.begin() + static_cast<std::ptrdiff_t>(y) * mask.width;
        if (std::any_of(row, row + mask.width, [](std::uint8_t c) { return c != 0; })) {
            span.first = std::min(span.first, y);
            span.last = y;
        }
    }
    return span;
}

bool IsBlank(const TextMask& mask) {
    return std::all_of(mask.coverage.begin(), mask.coverage.end(), [](std::uint8_t c) { return c == 0; });
}

class FontTest : public ::testing::Test {
protected:
    // The font for the request; a test needing one cannot go on without it.
    std::shared_ptr<const Font> Realize(const FontRequest& request) {
        std::shared_ptr<const Font> font = platform::RealizeFont(request);
        EXPECT_TRUE(font) << "no font for height " << request.height;
        return font;
    }
};

TEST_F(FontTest, FacesMapToTheirKind) {
    struct Case {
        const wchar_t* face;
        BYTE pitchAndFamily;
        FontKind expected;
    };
    const Case cases[] = {
        {L"Lucida Console", 0, FontKind::Monospace}, {L"Courier New", 0, FontKind::Monospace},
        {L"Courier", 0, FontKind::Monospace},        {L"Consolas", 0, FontKind::Monospace},
        {L"Fixedsys", 0, FontKind::Monospace},       {L"Terminal", 0, FontKind::Monospace},
        {L"lucida CONSOLE", 0, FontKind::Monospace},  // face names ignore case
        {L"System", 0, FontKind::SansSerif},         {L"MS Shell Dlg", 0, FontKind::SansSerif},
        {L"MS Shell Dlg 2", 0, FontKind::SansSerif}, {L"MS Sans Serif", 0, FontKind::SansSerif},
        {L"Tahoma", 0, FontKind::SansSerif},         {L"Segoe UI", 0, FontKind::SansSerif},
        {L"Arial", 0, FontKind::SansSerif},          {L"Verdana", 0, FontKind::SansSerif},
        {L"", 0, FontKind::SansSerif},               {L"Times New Roman", 0, FontKind::Serif},
        {L"Arial", FIXED_PITCH, FontKind::Monospace}, {L"", FF_MODERN, FontKind::Monospace},
        {L"", FF_MODERN | VARIABLE_PITCH, FontKind::Monospace},
        {L"Unheard Of", FF_ROMAN, FontKind::Serif},
        {L"Unheard Of", FF_SWISS | VARIABLE_PITCH, FontKind::SansSerif},
        {L"Unheard Of", 0, FontKind::SansSerif},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::FontKindFor(Request(c.face, -16, c.pitchAndFamily)), c.expected)
            << testing::PrintToString(std::wstring(c.face)) << ", pitch and family " << int{c.pitchAndFamily};
    }
}

TEST_F(FontTest, MonospaceRequestsGetFixedPitchFacesAndOthersDoNot) {
    struct Case {
        const wchar_t* face;
        BYTE pitchAndFamily;
        bool fixedPitch;
    };
    const Case cases[] = {
        {L"Lucida Console", 0, true}, {L"Courier New", 0, true},  {L"Fixedsys", 0, true},
        {L"Arial", FIXED_PITCH, true}, {L"", FF_MODERN, true},    {L"System", 0, false},
        {L"Arial", 0, false},         {L"Times New Roman", 0, false}, {L"", 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.face)) + " pitch and family " +
                     std::to_string(c.pitchAndFamily));
        std::shared_ptr<const Font> font = Realize(Request(c.face, -16, c.pitchAndFamily));
        ASSERT_TRUE(font);
        EXPECT_EQ(font->Metrics().fixedPitch, c.fixedPitch);
        EXPECT_EQ(font->Extent(L"i").cx == font->Extent(L"W").cx, c.fixedPitch)
            << "i " << font->Extent(L"i").cx << ", W " << font->Extent(L"W").cx;
    }
}

TEST_F(FontTest, BoldAndItalicResolveToFilesOfThatStyle) {
    struct Case {
        const wchar_t* face;
        int weight;
        bool italic;
    };
    const Case cases[] = {
        {L"", 400, false}, {L"", 700, false}, {L"", 400, true}, {L"", 600, true},
        {L"Courier New", 0, false}, {L"Courier New", 900, false}, {L"Courier New", 300, true},
    };
    for (const Case& c : cases) {
        FontRequest request = Request(c.face);
        request.weight = c.weight;
        request.italic = c.italic;
        const std::optional<platform::FontFile> file = platform::ResolveFontFile(request);
        ASSERT_TRUE(file) << "weight " << c.weight;
        EXPECT_TRUE(std::filesystem::exists(file->path)) << file->path;
        EXPECT_EQ(file->bold, c.weight >= 600) << file->path;
        EXPECT_EQ(file->italic, c.italic) << file->path;
        EXPECT_FALSE(file->family.empty()) << file->path;
    }
}

TEST_F(FontTest, TheDejaVuFallbackExistsForEveryKind) {
    for (FontKind kind : {FontKind::SansSerif, FontKind::Serif, FontKind::Monospace}) {
        const std::optional<platform::FontFile> file = platform::KnownFontFile(kind);
        ASSERT_TRUE(file) << "kind " << static_cast<int>(kind);
        EXPECT_TRUE(std::filesystem::is_regular_file(file->path)) << file->path;
        EXPECT_FALSE(file->family.empty());
    }
}

// Negative heights give the em and the face's own cell; positive heights (and zero, meaning
// 16) give the cell exactly. Either way the cell is ascent plus descent, the em fits inside it,
// and glyphs stand on the baseline at row `ascent`.
TEST_F(FontTest, HeightsFollowTheEmAndCellRules) {
    struct Case {
        int height;
        int em;    // the em the request must get, or 0 when it asks for a cell
        int cell;  // the cell the request must get, or 0 when it asks for an em
    };
    const Case cases[] = {
        {-16, 16, 0}, {-30, 30, 0}, {-8, 8, 0}, {16, 0, 16}, {0, 0, 16}, {12, 0, 12}, {40, 0, 40},
        {1, 0, 1},  // smaller than any face: the cell still keeps its height
    };
    for (const wchar_t* face : {L"", L"Lucida Console"}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::PrintToString(std::wstring(face)) + " height " + std::to_string(c.height));
            std::shared_ptr<const Font> font = Realize(Request(face, c.height));
            ASSERT_TRUE(font);
            const platform::FontMetrics& m = font->Metrics();
            const int em = m.height - m.internalLeading;
            EXPECT_EQ(m.ascent + m.descent, m.height);
            EXPECT_GE(m.internalLeading, 0);
            EXPECT_GT(em, 0);
            if (c.em != 0) {
                EXPECT_NEAR(em, c.em, kEmTolerance);
            }
            if (c.cell != 0) {
                EXPECT_EQ(m.height, c.cell);
                EXPECT_GT(Realize(Request(face, -(em + 1)))->Metrics().height, c.cell)
                    << "the em is the largest whose cell fits";
            }
            if (c.height == 1) continue;
            const RowSpan ink = InkRows(font->Render(L"H"));
            EXPECT_EQ(ink.last, m.ascent - 1) << "the H stands on the baseline";
            EXPECT_GE(ink.first, 0);
        }
    }
}

TEST_F(FontTest, LargerRequestsGiveTallerCellsAndStrayHeightsAreBounded) {
    std::shared_ptr<const Font> small = Realize(Request(L"", -16));
    std::shared_ptr<const Font> large = Realize(Request(L"", -30));
    std::shared_ptr<const Font> stray = Realize(Request(L"", INT_MIN));
    ASSERT_TRUE(small && large && stray);
    EXPECT_GT(large->Metrics().height, small->Metrics().height);
    EXPECT_GT(large->Extent(L"Score").cx, small->Extent(L"Score").cx);
    EXPECT_GT(stray->Metrics().height, large->Metrics().height);
    EXPECT_LE(stray->Metrics().height, 2048) << "a runaway height must not size a runaway font";
}

TEST_F(FontTest, WidthMetricsAgreeWithExtents) {
    for (const wchar_t* face : {L"", L"Courier New", L"Times New Roman"}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(face)));
        std::shared_ptr<const Font> font = Realize(Request(face));
        ASSERT_TRUE(font);
        const platform::FontMetrics& m = font->Metrics();
        EXPECT_EQ(m.aveCharWidth, font->Extent(L"x").cx);
        int widest = 0;
        for (wchar_t c = L' '; c <= L'~'; ++c) {
            widest = std::max<int>(widest, font->Extent(std::wstring(1, c)).cx);
        }
        EXPECT_EQ(m.maxCharWidth, widest);
        EXPECT_FALSE(m.faceName.empty());
    }
}

TEST_F(FontTest, RequestedStyleIsReported) {
    FontRequest request = Request(L"Arial");
    request.weight = 0;
    EXPECT_EQ(Realize(request)->Metrics().weight, 400) << "0 stands for normal";
    request.weight = 700;
    request.italic = request.underline = request.strikeOut = true;
    const platform::FontMetrics& m = Realize(request)->Metrics();
    EXPECT_EQ(m.weight, 700);
    EXPECT_TRUE(m.italic);
    EXPECT_TRUE(m.underline);
    EXPECT_TRUE(m.strikeOut);
}

TEST_F(FontTest, BoldTextIsWider) {
    FontRequest normal = Request(L"Arial");
    FontRequest bold = normal;
    bold.weight = 700;
    EXPECT_GT(Realize(bold)->Extent(L"Hello, world").cx, Realize(normal)->Extent(L"Hello, world").cx);
}

TEST_F(FontTest, ExtentsGrowWithTheTextAndAddUp) {
    std::shared_ptr<const Font> font = Realize(Request(L"Arial"));
    ASSERT_TRUE(font);
    const SIZE empty = font->Extent(L"");
    EXPECT_EQ(empty.cx, 0);
    EXPECT_EQ(empty.cy, font->Metrics().height);
    const std::wstring text = L"AVATAR To";  // pairs a kerning renderer would tighten
    for (std::size_t n = 1; n <= text.size(); ++n) {
        const std::wstring head = text.substr(0, n - 1), tail = text.substr(n - 1);
        EXPECT_GT(font->Extent(text.substr(0, n)).cx, font->Extent(head).cx) << "length " << n;
        EXPECT_EQ(font->Extent(text).cx, font->Extent(head).cx + font->Extent(tail).cx)
            << "split at " << n - 1;
        EXPECT_EQ(font->Extent(text.substr(0, n)).cy, font->Metrics().height);
    }
    EXPECT_EQ(font->Extent(L"a\tb\r\n").cx, font->Extent(L"ab").cx) << "control characters take no room";
}

TEST_F(FontTest, MasksSpanTheExtentAndTheCell) {
    std::shared_ptr<const Font> font = Realize(Request(L"Arial"));
    ASSERT_TRUE(font);
    const wchar_t invalid[] = {static_cast<wchar_t>(0xD800), static_cast<wchar_t>(0x110000), 0};
    for (const std::wstring text : {L"", L"H", L" ", L"jump", L"Wave 12!", L"a\nb", invalid}) {
        SCOPED_TRACE(testing::PrintToString(text));
        const TextMask mask = font->Render(text);
        EXPECT_EQ(mask.width, font->Extent(text).cx);
        EXPECT_EQ(mask.height, font->Metrics().height);
        EXPECT_EQ(mask.coverage.size(), static_cast<std::size_t>(mask.width) * mask.height);
    }
    const TextMask h = font->Render(L"H");
    EXPECT_NE(std::find(h.coverage.begin(), h.coverage.end(), kFullCoverage), h.coverage.end())
        << "stems are solid";
    EXPECT_TRUE(IsBlank(font->Render(L" ")));
    EXPECT_EQ(font->Render(L"a\nb").coverage, font->Render(L"ab").coverage)
        << "control characters draw nothing";
    EXPECT_EQ(font->Render(invalid).coverage, font->Render(L"\uFFFD\uFFFD").coverage)
        << "units that are no character draw the replacement character";
}

// Letters whose ink stays inside their advance draw the same alone and in a run.
TEST_F(FontTest, EachGlyphOfARunSitsAtItsPenPosition) {
    std::shared_ptr<const Font> font = Realize(Request(L"Arial"));
    ASSERT_TRUE(font);
    const std::wstring text = L"HxoH";
    const TextMask run = font->Render(text);
    int penX = 0;
    for (wchar_t c : text) {
        const TextMask alone = font->Render(std::wstring(1, c));
        for (int y = 0; y < alone.height; ++y) {
            for (int x = 0; x < alone.width; ++x) {
                const auto expected = alone.coverage[static_cast<std::size_t>(y) * alone.width + x];
                const auto actual = run.coverage[static_cast<std::size_t>(y) * run.width + penX + x];
                ASSERT_EQ(actual, expected) << "glyph " << static_cast<char>(c) << " at " << x << "," << y;
            }
        }
        penX += alone.width;
    }
}

// A combining accent has no advance and its ink lies left of its pen, over the letter before.
TEST_F(FontTest, ACombiningAccentLandsOnItsLetter) {
    std::shared_ptr<const Font> font = Realize(Request(L""));
    ASSERT_TRUE(font);
    EXPECT_EQ(font->Extent(L"a\u0301").cx, font->Extent(L"a").cx);
    const RowSpan plain = InkRows(font->Render(L"a"));
    const RowSpan accented = InkRows(font->Render(L"a\u0301"));
    EXPECT_LT(accented.first, plain.first) << "the accent shows above the letter";
    EXPECT_EQ(accented.last, plain.last);
}

// Formatting characters (the soft hyphen, zero-width spaces and joiners, direction marks,
// variation selectors, the byte order mark) never show, even where the face has a visible
// glyph for them, as the soft hyphen's hyphen; they keep whatever room the face gives them.
TEST_F(FontTest, FormattingCharactersShowNoInk) {
    std::shared_ptr<const Font> font = Realize(Request(L"Arial"));
    ASSERT_TRUE(font);
    const TextMask x = font->Render(L"x");
    for (wchar_t c : {L'\u00AD', L'\u200B', L'\u200D', L'\u200E', L'\u2066', L'\uFE0F', L'\uFEFF'}) {
        SCOPED_TRACE("U+" + std::to_string(static_cast<unsigned>(c)));
        const TextMask run = font->Render(std::wstring{L'x', c});
        ASSERT_EQ(run.width, x.width + font->Extent(std::wstring(1, c)).cx);
        for (int y = 0; y < run.height; ++y) {
            for (int col = 0; col < run.width; ++col) {
                const auto expected = col < x.width ? x.coverage[static_cast<std::size_t>(y) * x.width + col] : 0;
                ASSERT_EQ(run.coverage[static_cast<std::size_t>(y) * run.width + col], expected) << col << "," << y;
            }
        }
    }
}

TEST_F(FontTest, UnderlineRunsBelowTheBaselineAndStrikeoutThroughTheLetters) {
    for (int height : {-11, -16, -30, 16}) {
        SCOPED_TRACE("height " + std::to_string(height));
        FontRequest request = Request(L"Arial", height);
        std::shared_ptr<const Font> plain = Realize(request);
        request.underline = true;
        std::shared_ptr<const Font> underlined = Realize(request);
        request.underline = false;
        request.strikeOut = true;
        std::shared_ptr<const Font> struck = Realize(request);
        ASSERT_TRUE(plain && underlined && struck);
        const int ascent = plain->Metrics().ascent;

        const RowSpan underline = InkRows(underlined->Render(L" "));
        EXPECT_GE(underline.first, ascent) << "below the baseline";
        EXPECT_GT(underline.first, InkRows(plain->Render(L"H")).last) << "clear of the letters";
        EXPECT_LT(underline.last, plain->Metrics().height);

        const RowSpan strike = InkRows(struck->Render(L" "));
        const RowSpan x = InkRows(plain->Render(L"x"));
        EXPECT_LE(strike.first, strike.last) << "drawn";
        EXPECT_GT(strike.first, x.first) << "through the middle of the lower-case letters";
        EXPECT_LT(strike.last, x.last) << "through the middle of the lower-case letters";
    }
}

TEST_F(FontTest, EqualRequestsShareOneFont) {
    FontRequest request = Request(L"Cache Probe", -19);
    const std::size_t before = platform::CachedFontCount();
    std::shared_ptr<const Font> first = Realize(request);
    EXPECT_EQ(platform::CachedFontCount(), before + 1);
    EXPECT_EQ(Realize(request), first);
    EXPECT_EQ(platform::CachedFontCount(), before + 1);
    request.italic = true;
    EXPECT_NE(Realize(request), first);
    EXPECT_EQ(platform::CachedFontCount(), before + 2);
}

TEST_F(FontTest, AnUnknownFaceStillRenders) {
    std::shared_ptr<const Font> font = Realize(Request(L"No Such Face Anywhere 7", -16));
    ASSERT_TRUE(font);
    EXPECT_FALSE(font->Metrics().faceName.empty());
    EXPECT_NE(font->Metrics().faceName, L"No Such Face Anywhere 7");
    EXPECT_FALSE(IsBlank(font->Render(L"H")));
}

}  // namespace
