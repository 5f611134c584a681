// Rectangles, filled rectangles, the focus rectangle and stretched copies, pixel by pixel on
// tiny bitmaps. In the pictures, each character is one pixel.
#include "GdiTest.h"

#include <map>

namespace {

class ShapesTest : public GdiTest {
protected:
    // The surface as characters, one per pixel, through a legend of colours.
    std::vector<std::string> Picture(HDC dc, int width, int height, const std::map<COLORREF, char>& legend) {
        std::vector<std::string> rows;
        for (int y = 0; y < height; ++y) {
            std::string row;
            for (int x = 0; x < width; ++x) {
                auto it = legend.find(GetPixel(dc, x, y));
                row += it == legend.end() ? '?' : it->second;
            }
            rows.push_back(row);
        }
        return rows;
    }
};

const COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255);
const std::map<COLORREF, char> kLegend{{kBlack, '.'}, {kRed, 'R'}, {kGreen, 'G'}, {kWhite, 'W'}};

TEST_F(ShapesTest, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
    struct Case {
        const char* name;
        bool nullPen, nullBrush;
        RECT r;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"pen and brush", false, false, {1, 1, 4, 4}, {"......", ".RRR..", ".RGR..", ".RRR..", "......", "......"}},
        {"swapped corners", false, false, {4, 4, 1, 1}, {"......", ".RRR..", ".RGR..", ".RRR..", "......", "......"}},
        {"no pen: one pixel less", true, false, {1, 1, 4, 4}, {"......", ".GG...", ".GG...", "......", "......", "......"}},
        {"no brush", false, true, {1, 1, 4, 4}, {"......", ".RRR..", ".R.R..", ".RRR..", "......", "......"}},
        {"one pixel wide", false, false, {1, 1, 2, 4}, {"......", ".R....", ".R....", ".R....", "......", "......"}},
        {"clipped", false, false, {-1, -1, 3, 3}, {"GGR...", "GGR...", "RRR...", "......", "......", "......"}},
        {"empty", false, false, {1, 1, 1, 4}, {"......", "......", "......", "......", "......", "......"}},
    };
    for (const Case& c : cases) {
        HDC dc = Surface(6, 6);
        HPEN pen = c.nullPen ? static_cast<HPEN>(GetStockObject(NULL_PEN)) : CreatePen(PS_SOLID, 1, kRed);
        HBRUSH brush = c.nullBrush ? static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)) : CreateSolidBrush(kGreen);
        HGDIOBJ oldPen = SelectObject(dc, pen);
        HGDIOBJ oldBrush = SelectObject(dc, brush);
        EXPECT_TRUE(Rectangle(dc, c.r.left, c.r.top, c.r.right, c.r.bottom)) << c.name;
        EXPECT_EQ(Picture(dc, 6, 6, kLegend), c.expected) << c.name;
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
        DeleteObject(pen);
        DeleteObject(brush);
    }
}

TEST_F(ShapesTest, FillRectExcludesRightAndBottomAndTakesSystemColourBrushes) {
    HDC dc = Surface(4, 3);
    HBRUSH brush = CreateSolidBrush(kGreen);
    RECT r{1, 0, 3, 2};
    EXPECT_TRUE(FillRect(dc, &r, brush));
    EXPECT_EQ(Picture(dc, 4, 3, kLegend), (std::vector<std::string>{".GG.", ".GG.", "...."}));
    RECT all{0, 0, 4, 3};
    FillRect(dc, &all, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1)));
    EXPECT_EQ(GetPixel(dc, 0, 0), GetSysColor(COLOR_WINDOW));
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    EXPECT_EQ(GetPixel(dc, 3, 2), GetSysColor(COLOR_BTNFACE));
    EXPECT_TRUE(DeleteObject(GetSysColorBrush(COLOR_BTNFACE))) << "system brushes ignore deletion";
    EXPECT_EQ(GetSysColorBrush(COLOR_BTNFACE), GetSysColorBrush(COLOR_BTNFACE));
    DeleteObject(brush);
}

TEST_F(ShapesTest, FocusRectangleInvertsEveryOtherFramePixelAndUndoesItself) {
    HDC dc = Surface(6, 6, false, kWhite);
    RECT r{0, 0, 6, 6};
    EXPECT_TRUE(DrawFocusRect(dc, &r));
    EXPECT_EQ(Picture(dc, 6, 6, kLegend),
              (std::vector<std::string>{"W.W.W.", ".WWWWW", "WWWWW.", ".WWWWW", "WWWWW.", ".W.W.W"}));
    DrawFocusRect(dc, &r);
    EXPECT_EQ(Picture(dc, 6, 6, kLegend), std::vector<std::string>(6, "WWWWWW"));
}

TEST_F(ShapesTest, StretchTakesThePixelUnderEachCentreAndAndsWhenShrinking) {
    struct Case {
        int n, m;
        std::vector<int> expected;  // for each destination pixel, the source pixel it shows
    };
    const Case cases[] = {
        {2, 4, {0, 0, 1, 1}}, {3, 5, {0, 0, 1, 2, 2}}, {3, 8, {0, 0, 0, 1, 1, 2, 2, 2}},
        {4, 6, {0, 0, 1, 2, 2, 3}}, {7, 10, {0, 1, 1, 2, 3, 3, 4, 5, 5, 6}},
    };
    for (const Case& c : cases) {
        HDC src = Surface(c.n, 1);
        for (int i = 0; i < c.n; ++i) SetPixel(src, i, 0, RGB(i + 1, 0, 0));
        HDC dst = Surface(c.m, 1);
        ASSERT_TRUE(StretchBlt(dst, 0, 0, c.m, 1, src, 0, 0, c.n, 1, SRCCOPY));
        for (int j = 0; j < c.m; ++j)
            EXPECT_EQ(GetPixel(dst, j, 0), RGB(c.expected[j] + 1, 0, 0)) << c.n << "->" << c.m << " at " << j;
    }
    // Shrinking ANDs each group: 4 -> 2 keeps only bits common to pixels 0,1 and 2,3.
    HDC src = Surface(4, 1);
    const COLORREF row[] = {0xF0F0F0, 0x3C3C3C, 0x0F0F0F, 0x3C3C3C};
    for (int i = 0; i < 4; ++i) SetPixel(src, i, 0, row[i]);
    HDC dst = Surface(2, 1);
    StretchBlt(dst, 0, 0, 2, 1, src, 0, 0, 4, 1, SRCCOPY);
    EXPECT_EQ(GetPixel(dst, 0, 0), 0x303030u);
    EXPECT_EQ(GetPixel(dst, 1, 0), 0x0C0C0Cu);
}

TEST_F(ShapesTest, StretchMirrorsNegativeExtentsAndLeavesPixelsWithoutSource) {
    HDC src = Surface(4, 1);
    for (int i = 0; i < 4; ++i) SetPixel(src, i, 0, RGB(0x11 * (i + 1), 0, 0));
    auto row = [&](HDC dc) {
        std::vector<int> reds;
        for (int x = 0; x < 6; ++x) reds.push_back(GetRValue(GetPixel(dc, x, 0)));
        return reds;
    };
    HDC dst = Surface(6, 1, false, RGB(0xAB, 0, 0));
    StretchBlt(dst, 4, 0, -4, 1, src, 0, 0, 4, 1, SRCCOPY);
    EXPECT_EQ(row(dst), (std::vector<int>{0xAB, 0x44, 0x33, 0x22, 0x11, 0xAB}));
    dst = Surface(6, 1, false, RGB(0xAB, 0, 0));
    StretchBlt(dst, 0, 0, 6, 1, src, -1, 0, 3, 1, SRCCOPY);  // source pixel -1 does not exist
    EXPECT_EQ(row(dst), (std::vector<int>{0xAB, 0xAB, 0x11, 0x11, 0x22, 0x22}));
}

}  // namespace
