// The font record: its two constructions, the platform font made once on first use with the
// record's description, and the font deleted with the record.
#include <utility>

#include "DrawingTest.h"
#include "toolkit/drawing/FontInfo.h"

namespace OrloUtility {
namespace {

using FontInfoTest = DrawingTest;

LOGFONTW DescriptionOf(HFONT font) {
    LOGFONTW description{};
    GetObjectW(font, sizeof description, &description);
    return description;
}

TEST_F(FontInfoTest, RecordsStartWithTheirFaceAndHeightAndNoFlags) {
    const FontInfo standard;
    const FontInfo named("Lucida Console", 16);
    const struct {
        const char* what;
        const FontInfo& font;
        std::wstring face;
        int height;
    } cases[] = {{"default", standard, L"System", 0}, {"named", named, L"Lucida Console", 16}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.font.faceName, c.face);
        EXPECT_EQ(c.font.height, c.height);
        EXPECT_FALSE(c.font.bold || c.font.italic || c.font.underline || c.font.fixedPitch);
    }
}

TEST_F(FontInfoTest, MakesItsFontOnceFromTheRecord) {
    const struct {
        const char* what;
        bool bold, italic, underline, fixedPitch;
        LONG weight;
        BYTE pitchAndFamily;
    } cases[] = {
        {"plain", false, false, false, false, FW_NORMAL, 0},
        {"bold", true, false, false, false, FW_BOLD, 0},
        {"italic and underlined", false, true, true, false, FW_NORMAL, 0},
        {"fixed pitch", false, false, false, true, FW_NORMAL, FIXED_PITCH},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FontInfo font("Lucida Console", 16);
        font.bold = c.bold;
        font.italic = c.italic;
        font.underline = c.underline;
        font.fixedPitch = c.fixedPitch;
        const int fonts = platform::CountGdiObjects().fonts;
        HFONT handle = font.Handle();
        ASSERT_NE(handle, nullptr);
        EXPECT_EQ(font.Handle(), handle);
        EXPECT_EQ(platform::CountGdiObjects().fonts, fonts + 1);
        const LOGFONTW d = DescriptionOf(handle);
        EXPECT_EQ(d.lfHeight, 16);
        EXPECT_EQ(d.lfWidth, 0);
        EXPECT_EQ(d.lfEscapement, 0);
        EXPECT_EQ(d.lfOrientation, 0);
        EXPECT_EQ(d.lfWeight, c.weight);
        EXPECT_EQ(d.lfItalic, c.italic);
        EXPECT_EQ(d.lfUnderline, c.underline);
        EXPECT_EQ(d.lfStrikeOut, 0);
        EXPECT_EQ(d.lfCharSet, DEFAULT_CHARSET);
        EXPECT_EQ(d.lfOutPrecision, OUT_OUTLINE_PRECIS);
        EXPECT_EQ(d.lfClipPrecision, 0);
        EXPECT_EQ(d.lfQuality, CLEARTYPE_QUALITY);
        EXPECT_EQ(d.lfPitchAndFamily, c.pitchAndFamily);
        EXPECT_EQ(std::wstring(d.lfFaceName), L"Lucida Console");
    }
}

TEST_F(FontInfoTest, ReleasingDeletesTheFontAndEmptiesTheName) {
    const int fonts = platform::CountGdiObjects().fonts;
    FontInfo font("Lucida Console", 16);
    font.Handle();
    font.Release();
    EXPECT_EQ(platform::CountGdiObjects().fonts, fonts);
    EXPECT_EQ(font.faceName, L"");
}

TEST_F(FontInfoTest, AMovedRecordTakesItsFontAlong) {
    const int fonts = platform::CountGdiObjects().fonts;
    {
        FontInfo first("Lucida Console", 16);
        HFONT handle = first.Handle();
        FontInfo second(std::move(first));
        EXPECT_EQ(second.Handle(), handle);
        EXPECT_EQ(platform::CountGdiObjects().fonts, fonts + 1);
    }
    EXPECT_EQ(platform::CountGdiObjects().fonts, fonts) << "deleted once, by the record that holds it";
}

}  // namespace
}  // namespace OrloUtility
