// FreeType faces at a pixel size: the cell metrics and glyph boxes that text layout depends on,
// with and without the made-up bold and italic, and files that cannot serve. The expected
// numbers are what SDL_ttf 2.20.1, the renderer these faces replaced, reported for the same
// DejaVu and Liberation files of Debian 12, so any change in rounding shows up here. A test
// whose font file is not installed is skipped.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <tuple>

#include "core/gdi/text/FreeTypeFace.h"

namespace {

using platform::FreeTypeFace;
using platform::Glyph;
using platform::GlyphBox;
using platform::SyntheticStyle;

const std::string kDejaVu = "/usr/share/fonts/truetype/dejavu/";
const std::string kLiberation = "/usr/share/fonts/truetype/liberation2/";
const std::string kDejaVuSans = kDejaVu + "DejaVuSans.ttf";
const std::string kDejaVuSansBold = kDejaVu + "DejaVuSans-Bold.ttf";
const std::string kDejaVuSansMono = kDejaVu + "DejaVuSansMono.ttf";
const std::string kLiberationSans = kLiberation + "LiberationSans-Regular.ttf";

constexpr SyntheticStyle kPlain{false, false};
constexpr SyntheticStyle kBold{true, false};
constexpr SyntheticStyle kItalic{false, true};
constexpr SyntheticStyle kBoldItalic{true, true};

bool Installed(const std::string& path) { return std::filesystem::is_regular_file(path); }

std::string StyleName(SyntheticStyle style) {
    return std::string(style.bold ? "bold" : "") + (style.italic ? " italic" : "") +
           (style.bold || style.italic ? "" : "plain");
}

// The face at the em; a test needing it cannot go on without it.
std::unique_ptr<FreeTypeFace> OpenAt(const std::string& path, SyntheticStyle style, int em) {
    std::unique_ptr<FreeTypeFace> face = FreeTypeFace::Open(path, 0, style);
    EXPECT_TRUE(face) << path;
    if (face) {
        EXPECT_TRUE(face->SetEm(em)) << path << " at " << em;
    }
    return face;
}

// Each measure is rounded upwards on its own: DejaVu Sans at 8 pixels has a cell of 10 rows
// although its ascent of 8 and its descent of 1 add up to 9.
TEST(FreeTypeFaceTest, CellMetricsAreEachRoundedUpwards) {
    struct Case {
        const std::string& path;
        int em;
        int ascent, height, lineSkip;
        bool fixedWidth;
    };
    const Case cases[] = {
        {kDejaVuSans, 8, 8, 10, 10, false},     {kDejaVuSans, 16, 15, 19, 19, false},
        {kDejaVuSans, 40, 38, 47, 47, false},   {kDejaVuSansMono, 13, 13, 16, 16, true},
        {kLiberationSans, 11, 10, 13, 13, false}, {kLiberationSans, 16, 15, 18, 19, false},
        {kLiberationSans, 40, 37, 45, 46, false},
    };
    for (const Case& c : cases) {
        if (!Installed(c.path)) GTEST_SKIP() << c.path << " is not installed";
        SCOPED_TRACE(c.path + " at " + std::to_string(c.em));
        std::unique_ptr<FreeTypeFace> face = OpenAt(c.path, kPlain, c.em);
        ASSERT_TRUE(face);
        EXPECT_EQ(face->Ascent(), c.ascent);
        EXPECT_EQ(face->Height(), c.height);
        EXPECT_EQ(face->LineSkip(), c.lineSkip);
        EXPECT_EQ(face->IsFixedWidth(), c.fixedWidth);
    }
}

// Synthetic bold widens the box and the advance by a tenth of the em; synthetic italic widens
// the box by the slant across the cell and keeps the advance. A style the file already has is
// not made up again.
TEST(FreeTypeFaceTest, GlyphBoxesFollowTheMadeUpStyles) {
    struct Case {
        const std::string& path;
        SyntheticStyle style;
        int em;
        char32_t c;
        GlyphBox box;
    };
    const Case cases[] = {
        {kDejaVuSans, kPlain, 16, U'H', {1, 11, 0, 12, 12}},
        {kDejaVuSans, kPlain, 16, U'g', {0, 9, -3, 9, 10}},
        {kDejaVuSans, kPlain, 16, U'j', {-1, 3, -3, 12, 4}},  // ink left of the pen
        {kDejaVuSans, kPlain, 16, U' ', {0, 0, 0, 0, 5}},
        {kDejaVuSans, kBold, 16, U'H', {1, 12, 0, 12, 13}},
        {kDejaVuSans, kItalic, 16, U'H', {1, 15, 0, 12, 12}},
        {kDejaVuSans, kBoldItalic, 16, U'j', {-1, 8, -3, 12, 5}},
        {kDejaVuSans, kPlain, 40, U'H', {3, 27, 0, 29, 30}},
        {kDejaVuSans, kBold, 40, U'H', {3, 31, 0, 29, 34}},
        {kDejaVuSans, kItalic, 40, U'g', {2, 31, -8, 23, 25}},
        {kDejaVuSansBold, kPlain, 16, U'x', {0, 11, 0, 9, 10}},
        {kDejaVuSansBold, kBold, 16, U'x', {0, 11, 0, 9, 10}},
        {kDejaVuSansBold, kBoldItalic, 16, U'x', {0, 15, 0, 9, 10}},
        {kLiberationSans, kBold, 11, U'H', {0, 9, 0, 8, 9}},
        {kLiberationSans, kItalic, 11, U'j', {-1, 4, -2, 8, 2}},
    };
    for (const Case& c : cases) {
        if (!Installed(c.path)) GTEST_SKIP() << c.path << " is not installed";
        SCOPED_TRACE(c.path + " " + StyleName(c.style) + " at " + std::to_string(c.em) + ", U+" +
                     std::to_string(static_cast<unsigned>(c.c)));
        std::unique_ptr<FreeTypeFace> face = OpenAt(c.path, c.style, c.em);
        ASSERT_TRUE(face);
        const std::optional<GlyphBox> box = face->BoxOf(c.c);
        ASSERT_TRUE(box);
        EXPECT_EQ(std::tie(box->minX, box->maxX, box->minY, box->maxY, box->advance),
                  std::tie(c.box.minX, c.box.maxX, c.box.minY, c.box.maxY, c.box.advance));
    }
}

// The columns of a bitmap row that hold ink, relative to the pen; `first` lies past `last` when
// the row is blank.
struct InkColumns {
    int first = 1 << 20;
    int last = -(1 << 20);
};

InkColumns InkInRow(const Glyph& glyph, int rowFromBaseline) {
    InkColumns ink;
    const int y = glyph.baseline + rowFromBaseline;
    if (y < 0 || y >= glyph.height) return ink;
    for (int x = 0; x < glyph.width; ++x) {
        if (glyph.coverage[static_cast<std::size_t>(y) * glyph.width + x] == 0) continue;
        ink.first = std::min(ink.first, x - glyph.originX);
        ink.last = std::max(ink.last, x - glyph.originX);
    }
    return ink;
}

// The bold 'l' is the plain one smeared four columns rightwards (a tenth of 40); the italic one
// leans right, standing where the plain one does at the baseline.
TEST(FreeTypeFaceTest, MadeUpStylesMoveTheInkAsTheirBoxesSay) {
    if (!Installed(kDejaVuSans)) GTEST_SKIP() << kDejaVuSans << " is not installed";
    constexpr int kEm = 40;
    constexpr int kBoldColumns = kEm / 10;
    const std::unique_ptr<FreeTypeFace> plainFace = OpenAt(kDejaVuSans, kPlain, kEm);
    const std::unique_ptr<FreeTypeFace> boldFace = OpenAt(kDejaVuSans, kBold, kEm);
    const std::unique_ptr<FreeTypeFace> italicFace = OpenAt(kDejaVuSans, kItalic, kEm);
    ASSERT_TRUE(plainFace && boldFace && italicFace);
    const Glyph plain = plainFace->Rasterize(U'l');
    const Glyph bold = boldFace->Rasterize(U'l');
    const Glyph italic = italicFace->Rasterize(U'l');
    EXPECT_EQ(bold.advance, plain.advance + kBoldColumns);
    EXPECT_EQ(italic.advance, plain.advance);
    for (int row : {-1, -10, -25}) {  // rows above the baseline, through the stem
        SCOPED_TRACE("row " + std::to_string(row));
        const InkColumns p = InkInRow(plain, row), b = InkInRow(bold, row), i = InkInRow(italic, row);
        ASSERT_LE(p.first, p.last) << "the stem crosses the row";
        EXPECT_EQ(b.first, p.first);
        EXPECT_EQ(b.last, p.last + kBoldColumns);
        EXPECT_GE(i.first, p.first + (-row - 1) / 5) << "leans by about a fifth of the height";
    }
    EXPECT_LE(InkInRow(italic, -1).first, InkInRow(plain, -1).first + 1) << "the slant pivots on the baseline";
}

// Files that cannot serve give no face, and nothing else goes wrong.
TEST(FreeTypeFaceTest, FilesThatCannotServeGiveNoFace) {
    const std::string notAFont = testing::TempDir() + "not-a-font-" + std::to_string(getpid()) + ".ttf";
    std::ofstream(notAFont) << "This is text, not a font.\n";
    struct Case {
        std::string path;
        int faceIndex;
        const char* why;
    };
    const Case cases[] = {
        {"/nonexistent/font/file.ttf", 0, "a missing file"},
        {notAFont, 0, "a file that is no font"},
        {testing::TempDir(), 0, "a folder"},
        {kDejaVuSans, 7, "a face the file does not hold"},
        {kDejaVuSans, -1, "a negative face index"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FreeTypeFace::Open(c.path, c.faceIndex, kPlain), nullptr) << c.why;
    }
    std::remove(notAFont.c_str());
    if (Installed(kDejaVuSans)) {
        EXPECT_NE(FreeTypeFace::Open(kDejaVuSans, 0, kPlain), nullptr) << "the same file at its first face";
    }
}

}  // namespace
