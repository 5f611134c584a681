// Text on surfaces: fonts as the program asks for them, metrics, where text lands, what opaque
// mode fills, line layout and clipping.
#include "GdiTest.h"

namespace {

class TextTest : public GdiTest {
protected:
    HFONT Font(int height, const wchar_t* face = L"Arial", int weight = FW_NORMAL, DWORD pitch = 0) {
        return CreateFontW(height, 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, OUT_OUTLINE_PRECIS, 0, CLEARTYPE_QUALITY,
                           pitch, face);
    }

    // The bounding box of pixels that differ from `background`; empty when none do.
    RECT Ink(HDC dc, int width, int height, COLORREF background) {
        RECT box{width, height, 0, 0};
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (GetPixel(dc, x, y) != background) {
                    box.left = std::min<LONG>(box.left, x);
                    box.top = std::min<LONG>(box.top, y);
                    box.right = std::max<LONG>(box.right, x + 1);
                    box.bottom = std::max<LONG>(box.bottom, y + 1);
                }
        return box;
    }

    // A context with a font selected, cleaned up by the fixture.
    HDC WithFont(HDC dc, HFONT font) {
        SelectObject(dc, font);
        fonts_.push_back(font);
        return dc;
    }

    void ReleaseMore() override {
        for (HFONT font : fonts_) DeleteObject(font);
    }

    std::vector<HFONT> fonts_;
};

TEST_F(TextTest, HeightFollowsThePlatformRule) {
    HDC dc = Surface(4, 4);
    TEXTMETRICW negative{}, positive{}, zero{};
    SelectObject(dc, Font(-16));
    GetTextMetricsW(dc, &negative);
    DeleteObject(SelectObject(dc, Font(16)));
    GetTextMetricsW(dc, &positive);
    DeleteObject(SelectObject(dc, Font(0)));
    GetTextMetricsW(dc, &zero);
    DeleteObject(SelectObject(dc, GetStockObject(SYSTEM_FONT)));
    EXPECT_EQ(positive.tmHeight, 16) << "positive: the cell height";
    EXPECT_EQ(zero.tmHeight, 16) << "zero: the default";
    EXPECT_NEAR(negative.tmHeight - negative.tmInternalLeading, 16, 1) << "negative: the character height";
    EXPECT_GT(negative.tmHeight, positive.tmHeight);
    EXPECT_EQ(negative.tmAscent + negative.tmDescent, negative.tmHeight);
}

TEST_F(TextTest, FixedFacesAreMonospacedAndSayNotVariablePitch) {
    HDC dc = WithFont(Surface(4, 4), Font(-16, L"Lucida Console"));
    SIZE narrow, wide;
    GetTextExtentPoint32W(dc, L"iiii", 4, &narrow);
    GetTextExtentPoint32W(dc, L"WWWW", 4, &wide);
    EXPECT_EQ(narrow.cx, wide.cx);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    EXPECT_EQ(tm.tmPitchAndFamily & 1, 0);
    HDC sans = WithFont(Surface(4, 4), Font(-16, L"System"));
    GetTextExtentPoint32W(sans, L"iiii", 4, &narrow);
    GetTextExtentPoint32W(sans, L"WWWW", 4, &wide);
    EXPECT_LT(narrow.cx, wide.cx);
}

TEST_F(TextTest, TransparentTextInksOnlyGlyphsOpaqueTextFillsItsCell) {
    const COLORREF field = RGB(0, 255, 0);
    HDC dc = WithFont(Surface(80, 30, false, field), Font(16));
    SIZE extent;
    GetTextExtentPoint32W(dc, L"Hello", 5, &extent);
    SetTextColor(dc, RGB(255, 0, 0));
    SetBkColor(dc, RGB(0, 0, 255));
    SetBkMode(dc, TRANSPARENT);
    ASSERT_TRUE(TextOutW(dc, 10, 5, L"Hello", 5));
    RECT ink = Ink(dc, 80, 30, field);
    EXPECT_GE(ink.left, 10);
    EXPECT_GE(ink.top, 5);
    EXPECT_LE(ink.right, 10 + extent.cx);
    EXPECT_LE(ink.bottom, 5 + extent.cy);
    EXPECT_EQ(GetPixel(dc, 10, 5), field) << "the cell is not filled";
    HDC opaque = WithFont(Surface(80, 30, false, field), Font(16));
    SetBkColor(opaque, RGB(0, 0, 255));
    TextOutW(opaque, 10, 5, L"Hello", 5);
    RECT cell = Ink(opaque, 80, 30, field);
    RECT expected{10, 5, 10 + extent.cx, 5 + extent.cy};
    EXPECT_TRUE(EqualRect(&cell, &expected)) << cell.left << "," << cell.top << "," << cell.right << "," << cell.bottom;
}

TEST_F(TextTest, OpaqueRectangleIsFilledEvenInTransparentModeAndWithoutText) {
    HDC dc = Surface(10, 10);
    SetBkMode(dc, TRANSPARENT);
    SetBkColor(dc, RGB(1, 2, 3));
    RECT r{2, 3, 5, 6};
    EXPECT_TRUE(ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, L"", 0, nullptr));
    RECT ink = Ink(dc, 10, 10, 0);
    EXPECT_TRUE(EqualRect(&ink, &r));
    EXPECT_EQ(GetPixel(dc, 2, 3), RGB(1, 2, 3));
}

TEST_F(TextTest, MeasuringLaysOutOneLinePerBreak) {
    HDC dc = WithFont(Surface(4, 4), Font(16));
    SIZE hello, world;
    GetTextExtentPoint32W(dc, L"Hello", 5, &hello);
    GetTextExtentPoint32W(dc, L"World", 5, &world);
    struct Case {
        const wchar_t* text;
        UINT flags;
        int lines;
    };
    const Case cases[] = {{L"Hello\nWorld", 0, 2}, {L"A\r\nB\nC", 0, 3}, {L"Hello\n", 0, 1},
                          {L"\nHello", 0, 2},      {L"Hello\nWorld", DT_SINGLELINE, 1}};
    for (const Case& c : cases) {
        RECT r{10, 20, 10, 20};
        EXPECT_EQ(DrawTextW(dc, c.text, -1, &r, DT_CALCRECT | c.flags), 16 * c.lines) << c.flags;
        EXPECT_EQ(r.bottom - r.top, 16 * c.lines);
    }
    RECT r{10, 20, 10, 20};
    DrawTextW(dc, L"Hello\nWorld", -1, &r, DT_CALCRECT);
    EXPECT_EQ(r.right - r.left, std::max(hello.cx, world.cx));
}

TEST_F(TextTest, AlignmentPlacesTheCellAndTheResultIsItsBottomOffset) {
    HDC dc = WithFont(Surface(110, 40), Font(16));
    SIZE extent;
    GetTextExtentPoint32W(dc, L"Hello", 5, &extent);
    SetBkColor(dc, RGB(0, 0, 255));  // opaque mode shows the cell
    RECT box{0, 0, 101, 35};
    EXPECT_EQ(DrawTextW(dc, L"Hello", -1, &box, DT_SINGLELINE | DT_VCENTER | DT_CENTER), 35 / 2 - 16 / 2 + 16);
    RECT cell = Ink(dc, 110, 40, 0);
    EXPECT_EQ(cell.left, (101 - extent.cx) / 2);
    EXPECT_EQ(cell.top, 35 / 2 - 16 / 2);
    HDC right = WithFont(Surface(110, 40), Font(16));
    SetBkColor(right, RGB(0, 0, 255));
    EXPECT_EQ(DrawTextW(right, L"Hello", -1, &box, DT_SINGLELINE | DT_BOTTOM | DT_RIGHT), 35);
    cell = Ink(right, 110, 40, 0);
    EXPECT_EQ(cell.right, 101);
    EXPECT_EQ(cell.bottom, 35);
    HDC multi = WithFont(Surface(110, 40), Font(16));
    SetBkColor(multi, RGB(0, 0, 255));
    DrawTextW(multi, L"Hello", -1, &box, DT_VCENTER | DT_CENTER);
    EXPECT_EQ(Ink(multi, 110, 40, 0).top, 0) << "vertical centring needs a single line";
}

TEST_F(TextTest, TextIsClippedToItsRectangleUnlessToldNotTo) {
    HDC dc = WithFont(Surface(60, 30), Font(16));
    SetBkColor(dc, RGB(0, 0, 255));
    RECT small{0, 0, 20, 10};
    DrawTextW(dc, L"Hello", -1, &small, DT_SINGLELINE);
    RECT ink = Ink(dc, 60, 30, 0);
    EXPECT_TRUE(EqualRect(&ink, &small));
    HDC free = WithFont(Surface(60, 30), Font(16));
    SetBkColor(free, RGB(0, 0, 255));
    DrawTextW(free, L"Hello", -1, &small, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(Ink(free, 60, 30, 0).right, 20);
}

TEST_F(TextTest, AntiAliasedEdgesBlendWithWhatIsUnderneath) {
    HDC dc = WithFont(Surface(60, 30, false, RGB(0, 0, 0)), Font(-20));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    TextOutW(dc, 2, 2, L"Oo", 2);
    bool partial = false;
    for (int y = 0; y < 30 && !partial; ++y)
        for (int x = 0; x < 60; ++x) {
            COLORREF c = GetPixel(dc, x, y);
            if (c != 0 && c != RGB(255, 255, 255)) partial = true;
        }
    EXPECT_TRUE(partial);
    HDC mono = WithFont(Surface(60, 30, true), Font(-20));
    SetBkMode(mono, TRANSPARENT);
    SetTextColor(mono, RGB(255, 255, 255));
    TextOutW(mono, 2, 2, L"Oo", 2);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x) {
            COLORREF c = GetPixel(mono, x, y);
            ASSERT_TRUE(c == 0 || c == RGB(255, 255, 255));
        }
}

TEST_F(TextTest, FontObjectsDescribeThemselvesAndTheDefaultIsTheSystemFont) {
    HDC dc = Surface(2, 2);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), GetStockObject(SYSTEM_FONT));
    HFONT font = CreateFontW(-12, 0, 0, 0, FW_BOLD, TRUE, 0, 0, DEFAULT_CHARSET, 0, 0, 0, FIXED_PITCH,
                             L"A face name that is much longer than thirty-one characters");
    LOGFONTW lf{};
    ASSERT_EQ(GetObjectW(font, sizeof lf, &lf), static_cast<int>(sizeof lf));
    EXPECT_EQ(lf.lfHeight, -12);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_EQ(lf.lfItalic, 1);
    EXPECT_EQ(std::wstring(lf.lfFaceName).size(), static_cast<std::size_t>(LF_FACESIZE - 1));
    EXPECT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
    EXPECT_EQ(SelectObject(dc, font), GetStockObject(SYSTEM_FONT));
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    EXPECT_TRUE(DeleteObject(font));
}

}  // namespace
